#include <array>

#include "checker/controllore.hpp"
#include "wordstore/liste.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick::controllo {
namespace {

// The markers generators give nouns (after the gender), adjectives and verbs; the first is the
// base form, which no rewrite touches.
constexpr std::array<std::string_view, 18> forme_sostantivo = {
    "SingDet",     "PlurDet",     "SingPart",  "PlurPart",  "SingSu",     "PlurSu",
    "SingDa",      "PlurDa",      "SingIndet", "PlurIndet", "SingIndetA", "PlurIndetA",
    "SingIndetDi", "PlurIndetDi", "SingCon",   "PlurCon",   "SingSenza",  "PlurSenza"};
constexpr std::array<std::string_view, 4> forme_aggettivo = {"AggMasSing", "AggFemSing", "AggMasPlur", "AggFemPlur"};
constexpr std::array<std::string_view, 9> forme_verbo = {"VerbiSingMas",      "VerbiPlurMas",      "VerbiPlurFem",
                                                         "VerbiSingFem",      "ParticipioMasSing", "ParticipioFemSing",
                                                         "ParticipioMasPlur", "ParticipioFemPlur", "Infinito"};

}  // namespace

Descrizione Descrivi(std::string_view nome) {
  if (nome == "VerbiPassatoProssimo") return {Tipo::verbo, {}, false, false};
  if (nome == "Aggettivi") return {Tipo::aggettivo, {}, false, false};
  if (nome == "Libri") return {Tipo::libro, {}, false, false};
  if (nome == "FluidiSpecificazioni") return {Tipo::fluido, {}, false, false};
  if (nome == "Dove" || nome == "Come") {
    return {.tipo = Tipo::frase,
            .genere = {},
            .luoghi = false,
            .dove = nome == "Dove",
            .attori = false,
            .umani = false,
            .cose = false,
            .modi = nome == "Come"};
  }
  if (nome.starts_with("Mas") || nome.starts_with("Fem")) {
    return {Tipo::sostantivo,
            nome.substr(0, 3),
            nome.ends_with("Luoghi"),
            false,
            nome.ends_with("Umani") || nome.ends_with("Animali"),
            nome.ends_with("Umani"),
            nome.ends_with("Oggetti") || nome.ends_with("Armi") || nome.ends_with("Corpo") || nome.ends_with("Luoghi"),
            false,
            nome.ends_with("Corpo")};
  }
  return {};  // syllables and English words
}

std::vector<std::string> Marcatori(const Descrizione& descrizione) {
  std::vector<std::string> marcatori;
  switch (descrizione.tipo) {
    case Tipo::sostantivo:
      for (const auto forma : forme_sostantivo)
        marcatori.push_back(std::string(descrizione.genere) + std::string(forma));
      if (descrizione.luoghi) marcatori.push_back(std::string(descrizione.genere) + "SingIn");
      break;
    case Tipo::aggettivo:
      marcatori.assign(forme_aggettivo.begin(), forme_aggettivo.end());
      break;
    case Tipo::verbo:
      marcatori.assign(forme_verbo.begin(), forme_verbo.end());
      break;
    case Tipo::libro:
    case Tipo::fluido:
    case Tipo::frase:
      marcatori.emplace_back("No");
      break;
    case Tipo::esente:
      break;
  }
  return marcatori;
}

std::string Senza_Tag(std::string_view voce) {
  std::string testo(voce);
  Cancella_Tag(testo, tag_vocabolario);
  Cancella_Tag_Lista(testo);
  return testo;
}

// The last word of a form: after its last blank or apostrophe.
std::string Ultima_Parola(std::string_view forma) {
  const auto pos = forma.find_last_of(" '");
  return In_Minuscolo(pos == std::string_view::npos ? forma : forma.substr(pos + 1));
}

bool Comincia_Minuscola(std::string_view testo) {
  const auto caratteri = Caratteri(testo.substr(0, 4));
  return !caratteri.empty() && E_Minuscola(caratteri[0].cp);
}

bool Comincia_Maiuscola(std::string_view testo) {
  const auto caratteri = Caratteri(testo.substr(0, 4));
  return !caratteri.empty() && E_Maiuscola(caratteri[0].cp);
}

}  // namespace talewick::controllo
