#include "wordstore/tag.hpp"

#include <algorithm>
#include <cstddef>

#include "base/messaggi.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/liste.hpp"
#include "wordstore/sostantivi.hpp"
#include "wordstore/testo.hpp"

namespace talewick {

namespace {

// The given tags followed by the category tags.
template <std::size_t N>
constexpr std::array<std::string_view, N + categorie_sostantivi.size()> Con_Le_Categorie(
    const std::array<std::string_view, N>& altri) {
  std::array<std::string_view, N + categorie_sostantivi.size()> tutti{};
  std::size_t i = 0;
  for (const auto tag : altri) tutti[i++] = tag;
  for (const auto& categoria : categorie_sostantivi) tutti[i++] = categoria.tag;
  return tutti;
}

}  // namespace

const std::array<std::string_view, 63> tag_vocabolario = Con_Le_Categorie(std::to_array<std::string_view>(
    {"[f]",          "[fm]",       "[m]",        "[v]",          "[o]",      "[s]",         "[t]",       "[u]",
     "[+]",          "[-]",        "[1]",        "[2]",          "[3]",      "[4]",         "[5]",       "[6]",
     "[tr]",         "[intr]",     "[spec]",     "[term]",       "[scopo]",  "[causa]",     "[liq]",     "[col]",
     "[mag]",        "[su]",       "[np]",       "[meta]",       "[attore]", "[costruito]", "[stirpe]",  "[mestiere]",
     "[dotto]",      "[opera]",    "[notevole]", "[spunto]",     "[gruppo]", "[insegna]",   "[nemico]",  "[vittima]",
     "[participio]", "[aperto]",   "[fortezza]", "[alleato]",    "[folla]",  "[stesso]",    "[schiera]", "[consacrato]",
     "[regge:a]",    "[regge:di]", "[stemma]",   "[differenze]", "[marino]"}));

const std::array<std::string_view, 46> tag_categoria = Con_Le_Categorie(std::to_array<std::string_view>(
    {"[v]",        "[o]",        "[s]",          "[t]",      "[u]",         "[+]",       "[liq]",        "[col]",
     "[mag]",      "[su]",       "[np]",         "[attore]", "[costruito]", "[stirpe]",  "[mestiere]",   "[dotto]",
     "[opera]",    "[notevole]", "[spunto]",     "[gruppo]", "[insegna]",   "[nemico]",  "[vittima]",    "[participio]",
     "[aperto]",   "[fortezza]", "[alleato]",    "[folla]",  "[stesso]",    "[schiera]", "[consacrato]", "[regge:a]",
     "[regge:di]", "[stemma]",   "[differenze]", "[marino]"}));

namespace {

// Puts the entry at `indice` into the slot and tells the store.
void Prendi(Contesto& contesto, Dato& dato, const FileParole& file, std::uint32_t indice) {
  contesto.archivio.Segnala_Estratta(file, indice);
  dato.valore_dato = file.voci[indice];
}

// Draws one of the entries at `indici` (non-empty) into the slot.
void Estrai_Tra(Contesto& contesto, Dato& dato, const FileParole& file, const std::vector<std::uint32_t>& indici) {
  const auto r = contesto.casuale.Estrai(static_cast<std::int64_t>(indici.size()));
  Prendi(contesto, dato, file, indici[static_cast<std::size_t>(r - 1)]);
}

// Draws among `indici` those `ancora` accepts (all when it is null) and none of `escluse` names;
// false, drawing nothing, when none is left. Walks to the r-th entry left in, without copying.
bool Estrai_Tra_Ammesse(Contesto& contesto, Dato& dato, const FileParole& file,
                        const std::vector<std::uint32_t>& indici, const std::function<bool(std::string_view)>* ancora,
                        std::initializer_list<std::string_view> escluse) {
  const bool nessuna = std::all_of(escluse.begin(), escluse.end(), [](std::string_view e) { return e.empty(); });
  if (ancora == nullptr && nessuna) {
    if (indici.empty()) return false;
    Estrai_Tra(contesto, dato, file, indici);
    return true;
  }
  const auto ammessa = [&](std::uint32_t i) {
    const std::string& voce = file.voci[i];
    return (ancora == nullptr || (*ancora)(voce)) && std::find(escluse.begin(), escluse.end(), voce) == escluse.end();
  };
  const auto ammesse = std::count_if(indici.begin(), indici.end(), ammessa);
  if (ammesse == 0) return false;
  auto r = contesto.casuale.Estrai(ammesse);
  for (const auto i : indici) {
    if (ammessa(i) && --r == 0) {
      Prendi(contesto, dato, file, i);
      break;
    }
  }
  return true;
}

}  // namespace

void Carica(Contesto& contesto, int valore_posizione_dato) {
  Dato& dato = contesto[valore_posizione_dato];
  const FileParole& file = contesto.archivio.File(dato.nome_file_dato);
  const auto r = contesto.casuale.Estrai(static_cast<std::int64_t>(file.voci.size()));
  const auto indice = static_cast<std::size_t>(r - 1);
  contesto.archivio.Segnala_Estratta(file, indice);
  dato.valore_dato = file.voci[indice];
}

void Carica_Tag(Contesto& contesto, int valore_posizione_dato, std::initializer_list<std::string_view> escluse) {
  Dato& dato = contesto[valore_posizione_dato];
  const FileParole& file = contesto.archivio.File(dato.nome_file_dato);
  const auto& indici = file.Con_Tag(dato.tag_dato);
  if (indici.empty()) throw ErroreGenerazione(messaggi::Tag_Assente(file.percorso.string(), dato.tag_dato));
  if (!Estrai_Tra_Ammesse(contesto, dato, file, indici, nullptr, escluse)) Estrai_Tra(contesto, dato, file, indici);
}

bool Carica_Filtrata(Contesto& contesto, int valore_posizione_dato, std::string_view chiave,
                     const std::function<bool(std::string_view)>& filtro,
                     std::initializer_list<std::string_view> escluse) {
  Dato& dato = contesto[valore_posizione_dato];
  const FileParole& file = contesto.archivio.File(dato.nome_file_dato);
  return Estrai_Tra_Ammesse(contesto, dato, file, file.Filtrate(chiave, filtro), nullptr, escluse);
}

bool Carica_Filtrata_Poi(Contesto& contesto, int valore_posizione_dato, std::string_view chiave,
                         const std::function<bool(std::string_view)>& filtro,
                         const std::function<bool(std::string_view)>& ancora,
                         std::initializer_list<std::string_view> escluse) {
  Dato& dato = contesto[valore_posizione_dato];
  const FileParole& file = contesto.archivio.File(dato.nome_file_dato);
  return Estrai_Tra_Ammesse(contesto, dato, file, file.Filtrate(chiave, filtro), &ancora, escluse);
}

bool Carica_Filtrata_Accettata(Contesto& contesto, int valore_posizione_dato, std::string_view chiave,
                               const std::function<bool(std::string_view)>& filtro,
                               const std::function<bool(std::string_view)>* ancora,
                               const std::function<bool(std::string_view)>& accetta,
                               std::initializer_list<std::string_view> escluse) {
  Dato& dato = contesto[valore_posizione_dato];
  const FileParole& file = contesto.archivio.File(dato.nome_file_dato);
  const auto& indici = file.Filtrate(chiave, filtro);
  if (!Estrai_Tra_Ammesse(contesto, dato, file, indici, ancora, escluse)) return false;
  if (accetta(dato.valore_dato)) return true;
  const std::function<bool(std::string_view)> tutte = [ancora, &accetta](std::string_view voce) {
    return (ancora == nullptr || (*ancora)(voce)) && accetta(voce);
  };
  return Estrai_Tra_Ammesse(contesto, dato, file, indici, &tutte, escluse);
}

void Carica_Marcata(Contesto& contesto, int valore_posizione_dato, std::string_view marcatore,
                    std::initializer_list<std::string_view> escluse) {
  const auto marcata = [marcatore](std::string_view voce) { return Contiene(voce, marcatore); };
  if (!Carica_Filtrata(contesto, valore_posizione_dato, marcatore, marcata, escluse)) {
    Carica(contesto, valore_posizione_dato);
  }
}

void Carica_Genere_Sostantivo(Contesto& contesto, int valore_posizione_dato) {
  Dato& dato = contesto[valore_posizione_dato];
  const char* genere = contesto.casuale.Estrai(2) == 1 ? "Mas" : "Fem";
  dato.nome_file_dato = genere;
  dato.forma_dato = genere;
}

namespace {

bool E_Del_Elenco(std::string_view gruppo, std::span<const std::string_view> elenco) {
  for (const auto tag : elenco) {
    // Skip on the letter after "[" before comparing whole texts: most tags differ there.
    if (tag.size() > 1 && gruppo.size() > 1 && tag[1] != gruppo[1]) continue;
    if (tag.ends_with(']') ? gruppo == tag : gruppo.starts_with(tag)) return true;
  }
  return false;
}

// A strip list with the openings of the list tags ("[ogg:"), which stand for every list tag.
std::vector<std::string_view> Con_Tag_Lista(std::span<const std::string_view> tag) {
  std::vector<std::string_view> elenco(tag.begin(), tag.end());
  for (const auto& tipo : tipi_lista) elenco.push_back(tipo.apertura);
  return elenco;
}

}  // namespace

void Cancella_Tag(std::string& testo, std::span<const std::string_view> elenco) {
  if (testo.find('[') == std::string::npos) return;
  // Compacts in place: what is kept, `testo[0, scritti)`, never outgrows what was read.
  std::size_t scritti = 0;
  // Positions of the "[" kept and not yet closed; none is followed by a "]". Reused between calls.
  thread_local std::vector<std::size_t> aperte;
  aperte.clear();
  for (std::size_t letto = 0; letto < testo.size(); ++letto) {
    const char c = testo[letto];
    testo[scritti++] = c;
    if (c == '[') {
      aperte.push_back(scritti - 1);
    } else if (c == ']' && !aperte.empty()) {
      const std::string_view gruppo(testo.data() + aperte.back(), scritti - aperte.back());
      if (E_Del_Elenco(gruppo, elenco)) {
        scritti = aperte.back();
        aperte.pop_back();
      } else {
        // This "]" stays, so no "[" before it can open a tag any more.
        aperte.clear();
      }
    }
  }
  testo.resize(scritti);
}

void Cancella_Tag_Categoria(Dato& dato) {
  static const auto elenco = Con_Tag_Lista(tag_categoria);
  Cancella_Tag(dato.valore_dato, elenco);
}

namespace {

// Where the word tagged by the "[np]" at `tag` begins: after the last blank, apostrophe or tag.
std::size_t Inizio_Nome_Proprio(std::string_view testo, std::size_t tag) {
  const auto confine = testo.find_last_of(" ']", tag - 1);
  return confine == std::string_view::npos ? 0 : confine + 1;
}

}  // namespace

std::string Senza_Nomi_Propri(std::string_view testo) {
  constexpr std::string_view np = "[np]";
  std::string uscita;
  std::size_t da = 0;
  for (auto pos = testo.find(np); pos != std::string_view::npos; pos = testo.find(np, da)) {
    const auto inizio = pos > da ? std::max(Inizio_Nome_Proprio(testo, pos), da) : pos;
    uscita.append(testo.substr(da, inizio - da));
    da = pos + np.size();
  }
  uscita.append(testo.substr(da));
  return uscita;
}

std::string Minuscolo_Tranne_Nomi_Propri(std::string_view testo) {
  std::vector<bool> resta(testo.size(), false);
  for (auto pos = testo.find('['); pos != std::string_view::npos; pos = testo.find('[', pos + 1)) {
    const auto chiusa = testo.find(']', pos);
    if (chiusa == std::string_view::npos) break;
    std::fill(resta.begin() + static_cast<std::ptrdiff_t>(pos), resta.begin() + static_cast<std::ptrdiff_t>(chiusa + 1),
              true);
    if (testo.substr(pos, chiusa + 1 - pos) == "[np]" && pos > 0) {
      const auto inizio = Inizio_Nome_Proprio(testo, pos);
      std::fill(resta.begin() + static_cast<std::ptrdiff_t>(inizio), resta.begin() + static_cast<std::ptrdiff_t>(pos),
                true);
    }
    pos = chiusa;
  }
  std::string uscita;
  uscita.reserve(testo.size());
  for (std::size_t da = 0; da < testo.size();) {
    auto a = da;
    while (a < testo.size() && resta[a] == resta[da]) ++a;
    const auto pezzo = testo.substr(da, a - da);
    uscita += resta[da] ? std::string(pezzo) : In_Minuscolo(pezzo);
    da = a;
  }
  return uscita;
}

void Cancella_Info_Programma(Dato& dato) {
  static const auto elenco = Con_Tag_Lista(tag_vocabolario);
  Cancella_Tag(dato.valore_dato, elenco);
  const auto plurale = Individua_Plurali_Irregolari(dato);
  if (plurale.posizione_barra != 0) dato.valore_dato = plurale.parti_plurale[0];
}

PluraleIrregolare Individua_Plurali_Irregolari(const Dato& dato) {
  PluraleIrregolare esito;
  const auto barra = dato.valore_dato.find('|');
  if (barra == std::string::npos) return esito;
  esito.posizione_barra = barra + 1;
  std::string_view resto = dato.valore_dato;
  for (;;) {
    const auto pos = resto.find('|');
    esito.parti_plurale.emplace_back(resto.substr(0, pos));
    if (pos == std::string_view::npos) break;
    resto.remove_prefix(pos + 1);
  }
  return esito;
}

}  // namespace talewick
