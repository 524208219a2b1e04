#include "generators/comuni.hpp"

#include <algorithm>
#include <utility>

#include "core/nomi_personaggi.hpp"
#include "grammar/correzione.hpp"
#include "grammar/ordine.hpp"
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

void Cambia_Genere(Dato& dato) {
  const std::string_view da = Genere(dato);
  const std::string_view a = da == maschile ? femminile : maschile;
  dato.nome_file_dato.replace(0, da.size(), a);
  dato.forma_dato.replace(0, da.size(), a);
}

}  // namespace

bool Custode(std::string_view voce, Categorie ruoli_cosa) {
  constexpr Categorie arcano = Insieme_Di(ruoli, {"arcano"});
  constexpr Categorie tesoro = Insieme_Di(ruoli, {"arcano", "potere"});
  const Categorie suoi = Ruoli_Di(voce);
  return Contiene(voce, marcatore_nemico) && (suoi & arcano) != 0 && (ruoli_cosa & (suoi | tesoro)) != 0;
}

bool Padrone(std::string_view voce, Categorie ruoli_cosa) {
  return ruoli_cosa == 0 || (Ruoli_Di(voce) & (ruoli_cosa | ruolo_potere)) != 0;
}

bool Armato(std::string_view voce, Categorie ruoli_cosa) {
  constexpr Categorie portatori_d_armi = Insieme_Di(ruoli, {"armi", "potere", "selva", "mare", "ombra"});
  return (Ruoli_Di(voce) & portatori_d_armi) != 0 && Padrone(voce, ruoli_cosa);
}

void In_Singolare(Dato& dato) {
  std::string& forma = dato.forma_dato;
  const auto pos = forma.find(plurale);
  if (pos != std::string::npos) forma.replace(pos, plurale.size(), singolare);
}

bool In_Un_Genere(Dato& dato, const std::function<bool()>& carica) {
  if (carica()) return true;
  Cambia_Genere(dato);
  if (carica()) return true;
  Cambia_Genere(dato);
  return false;
}

namespace {

// Calls `fai` on each word of an entry's base form (before "|", outside tags), without the final
// vowel that gender and number change: «celeste», «celesti» give «celest».
template <class Fai>
void Per_Ogni_Radice(std::string_view voce, const Fai& fai) {
  voce = voce.substr(0, voce.find('|'));
  const auto radice = [&](std::size_t inizio, std::size_t fine) {
    if (fine - inizio > 3 && std::string_view("aeiou").find(voce[fine - 1]) != std::string_view::npos) --fine;
    if (fine > inizio) fai(voce.substr(inizio, fine - inizio));
  };
  std::size_t inizio = 0;
  bool nel_tag = false;
  for (std::size_t i = 0; i < voce.size(); ++i) {
    const char c = voce[i];
    if (c == '[' || c == ']' || c == ' ' || c == '\'') {
      if (!nel_tag) radice(inizio, i);
      if (c == '[' || c == ']') nel_tag = c == '[';
      inizio = i + 1;
    }
  }
  if (!nel_tag) radice(inizio, voce.size());
}

// Whether `lunga` is `corta` with the suffix of a shade: «ner», «nerastr».
bool Sfumatura_Di(std::string_view corta, std::string_view lunga) {
  constexpr std::string_view suffisso = "astr";
  return lunga.size() > corta.size() && Uguali_Senza_Maiuscole(lunga.substr(0, corta.size()), corta) &&
         lunga.substr(corta.size()).starts_with(suffisso);
}

// Whether two roots are one word's: equal, one the start of the other («ross», «rossastr»), or
// sharing their first six letters («nauseant», «nauseabond»). A root of three letters or fewer
// only matches itself («ros» of «rosa» is not «ross») or its shade («ner», «nerastr»).
bool Stessa_Radice(std::string_view a, std::string_view b) {
  constexpr std::size_t corta = 4;
  constexpr std::size_t lunga = 6;
  const std::size_t comune = std::min(a.size(), b.size());
  if (comune < corta) {
    return (a.size() == b.size() && Uguali_Senza_Maiuscole(a, b)) || Sfumatura_Di(a, b) || Sfumatura_Di(b, a);
  }
  if (Uguali_Senza_Maiuscole(a.substr(0, comune), b.substr(0, comune))) return true;
  return comune >= lunga && Uguali_Senza_Maiuscole(a.substr(0, lunga), b.substr(0, lunga));
}

}  // namespace

bool Ripete(std::string_view qualificativo, std::string_view altra) {
  std::string_view ultima;
  Per_Ogni_Radice(qualificativo, [&](std::string_view radice) { ultima = radice; });
  if (ultima.empty()) return false;
  bool ripete = false;
  Per_Ogni_Radice(altra, [&](std::string_view radice) { ripete = ripete || Stessa_Radice(radice, ultima); });
  return ripete;
}

bool Ripetono(std::string_view una, std::string_view altra) { return Ripete(una, altra) || Ripete(altra, una); }

namespace {

constexpr std::string_view participio = "Participio";

// Turns a slot set up for a participle into one set up for the adjective that takes its place.
void In_Aggettivo(Dato& dato) {
  dato.nome_file_dato = aggettivi;
  dato.forma_dato.replace(0, participio.size(), "Agg");
}

// Draws a tagged adjective fit for the noun in place of a participle; false, leaving the slot as
// it was, when none fits. No tagged participle fits the noun, but the tag weighs more than the
// form: «Lo Scudo del Giuramento Eterno», not a participle of all («Le Trasfigurazioni Maledette»).
bool Carica_Aggettivo_Al_Posto(Contesto& contesto, int valore_posizione_dato, Categorie categoria,
                               std::string_view marcatore, Categorie ruoli_nome) {
  Dato& dato = contesto[valore_posizione_dato];
  std::string file = dato.nome_file_dato;
  std::string forma = dato.forma_dato;
  In_Aggettivo(dato);
  if (Carica_Aggettivo_Marcato(contesto, valore_posizione_dato, categoria, marcatore, ruoli_nome)) return true;
  dato.nome_file_dato = std::move(file);
  dato.forma_dato = std::move(forma);
  return false;
}

}  // namespace

void Carica_Qualificativo(Contesto& contesto, int valore_posizione_dato, int qualificato,
                          std::initializer_list<int> altri, std::string_view marcatore) {
  const Categorie categoria = Categoria_Del_File(contesto[qualificato].nome_file_dato);
  // A person's or a beast's adjective suits its roles: «un cavaliere ardito», not «un castellano girovago».
  const bool essere = categoria == categoria_umani || categoria == categoria_animali;
  const Categorie ruoli_nome = essere ? Ruoli_Di(contesto[qualificato].valore_dato) : tutti_i_ruoli;
  // A place not made by people takes no participle of a verb that acts on those only.
  const bool naturale =
      categoria == Categorie_Di({"Luoghi"}) && !Contiene(contesto[qualificato].valore_dato, marcatore_costruito);
  Dato& dato = contesto[valore_posizione_dato];
  const std::string& tratto = dato.valore_dato;
  // A participle holding the tag, or else an adjective holding it: the tag weighs more than the form.
  const auto marcato = [&] {
    return !marcatore.empty() &&
           (Carica_Participio_Marcato(contesto, valore_posizione_dato, categoria, naturale, marcatore, ruoli_nome) ||
            Carica_Aggettivo_Al_Posto(contesto, valore_posizione_dato, categoria, marcatore, ruoli_nome));
  };
  for (int volta = 0; volta < tentativi_senza_ripetere; ++volta) {
    if (dato.forma_dato.starts_with(participio)) {
      if (categoria == tutte_le_categorie) {
        Carica_Participio(contesto, valore_posizione_dato);
      } else if (!marcato() &&
                 !Carica_Participio_Adatto(contesto, valore_posizione_dato, categoria, naturale, ruoli_nome)) {
        // No participle fits the noun («Empietà Assassinate»): an adjective fit for it takes its place.
        In_Aggettivo(dato);
        Carica_Aggettivo(contesto, valore_posizione_dato, categoria, marcatore, ruoli_nome);
      }
    } else {
      Carica_Aggettivo(contesto, valore_posizione_dato, categoria, marcatore, ruoli_nome);
    }
    if (!Ripete(tratto, contesto[qualificato].valore_dato) && std::none_of(altri.begin(), altri.end(), [&](int altro) {
          return Ripete(tratto, contesto[altro].valore_dato);
        })) {
      return;
    }
  }
}

bool Essere_Composto(const Dato& nome) {
  const std::string& file = nome.nome_file_dato;
  if (!file.ends_with("Umani") && !file.ends_with("Animali")) return false;
  const std::string_view valore = nome.valore_dato;
  return !Sola_Testa(valore.substr(0, valore.find('|')));
}

bool Qualificativo_In_Coda(std::string_view nome) {
  constexpr std::string_view segnaposto = "_";
  return !Sola_Testa(nome) && Nome_Qualificato(nome, segnaposto).ends_with(segnaposto);
}

std::string Nome_Qualificato_Se_Legge(std::string_view nome, std::string_view qualificativo) {
  if (Qualificativo_In_Coda(nome)) return std::string(nome);
  return Nome_Qualificato(nome, qualificativo);
}

bool Regge_Qualificativo(const Dato& nome) {
  return !Essere_Composto(nome) && !Qualificativo_In_Coda(nome.valore_dato);
}

std::string Nome_Con_Qualificativo(const Dato& nome, std::string_view qualificativo) {
  if (!Regge_Qualificativo(nome)) return nome.valore_dato;
  return Nome_Qualificato(nome.valore_dato, qualificativo);
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
