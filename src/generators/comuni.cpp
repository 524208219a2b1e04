#include "generators/comuni.hpp"

#include <algorithm>
#include <vector>

#include "core/nomi_personaggi.hpp"
#include "grammar/correzione.hpp"
#include "wordstore/sostantivi.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick::generatori {

void Componi(std::string& destinazione, std::initializer_list<std::string_view> pezzi) {
  destinazione.clear();
  Accoda(destinazione, pezzi);
}

void Accoda(std::string& destinazione, std::initializer_list<std::string_view> pezzi) {
  std::size_t lunghezza = destinazione.size();
  for (const auto pezzo : pezzi) lunghezza += pezzo.size();
  destinazione.reserve(lunghezza);
  for (const auto pezzo : pezzi) destinazione.append(pezzo);
}

void Imposta_Qualificativo(Dato& dato, std::int64_t q, std::string_view genere, std::string_view numero) {
  if (q == 1) {
    dato.nome_file_dato = aggettivi;
    Componi(dato.forma_dato, {"Agg", genere, numero});
  } else {
    dato.nome_file_dato = verbi;
    Componi(dato.forma_dato, {"Participio", genere, numero});
  }
}

namespace {

// The lower-case words of an entry's base form: before "|", without tags.
std::vector<std::string> Parole_Base(std::string_view voce) {
  voce = voce.substr(0, voce.find('|'));
  std::vector<std::string> parole;
  std::string parola;
  bool nel_tag = false;
  const auto chiudi = [&] {
    if (!parola.empty()) parole.push_back(In_Minuscolo(parola));
    parola.clear();
  };
  for (const char c : voce) {
    if (c == '[' || c == ']') {
      nel_tag = c == '[';
    } else if (nel_tag) {
      continue;
    } else if (c == ' ' || c == '\'') {
      chiudi();
    } else {
      parola += c;
    }
  }
  chiudi();
  return parole;
}

}  // namespace

bool Ripete(std::string_view qualificativo, std::string_view altra) {
  auto parole = Parole_Base(qualificativo);
  if (parole.empty()) return false;
  auto altre = Parole_Base(altra);
  // Compare without the final vowel, which gender and number change: «celeste», «celesti».
  const auto radice = [](std::string& parola) {
    if (parola.size() > 3 && std::string_view("aeiou").find(parola.back()) != std::string_view::npos) parola.pop_back();
  };
  radice(parole.back());
  std::for_each(altre.begin(), altre.end(), radice);
  return std::find(altre.begin(), altre.end(), parole.back()) != altre.end();
}

void Carica_Qualificativo(Contesto& contesto, int valore_posizione_dato, int qualificato) {
  const Categorie categoria = Categoria_Del_File(contesto[qualificato].nome_file_dato);
  for (int volta = 0; volta < tentativi_senza_ripetere; ++volta) {
    if (contesto[valore_posizione_dato].forma_dato.starts_with("Participio")) {
      Carica_Participio(contesto, valore_posizione_dato, categoria);
    } else {
      Carica_Aggettivo(contesto, valore_posizione_dato, categoria);
    }
    if (!Ripete(contesto[valore_posizione_dato].valore_dato, contesto[qualificato].valore_dato)) return;
  }
}

void Carica_Attore(Contesto& contesto, int valore_posizione_dato) {
  const auto attore = [](std::string_view voce) { return Contiene(voce, "[attore]"); };
  if (!Carica_Filtrata(contesto, valore_posizione_dato, "attore", attore)) Carica(contesto, valore_posizione_dato);
}

void Carica_Sostantivo_Nobile(Contesto& contesto, int valore_posizione_dato) {
  if (contesto[valore_posizione_dato].nome_file_dato.ends_with("Animali")) {
    Carica_Attore(contesto, valore_posizione_dato);
  } else {
    Carica(contesto, valore_posizione_dato);
  }
}

void Ramo_Qualificativo(const Stato& stato, std::int64_t q) {
  stato.Ramo(q == 1 ? "qualificativo: aggettivo" : "qualificativo: participio");
}

std::string_view Famiglia_Oggetto(const Opzioni& opzioni, std::int64_t w) {
  if (opzioni.ComboOpzioni == "Genera solo nomi di armi") return "Armi";
  if (opzioni.ComboOpzioni == "Genera solo nomi di oggetti") return "Oggetti";
  return w == 1 ? "Armi" : "Oggetti";
}

void Carica_Nome_Proprio(Stato& stato, int valore_posizione_dato) {
  Dato& dato = stato[valore_posizione_dato];
  dato.forma_dato = nessuna_forma;
  stato.slot_nome.testo.clear();
  Carica_Nome_Persona_Casuale(stato, valore_posizione_dato);
  dato.valore_dato = stato.slot_nome.testo;
}

}  // namespace talewick::generatori
