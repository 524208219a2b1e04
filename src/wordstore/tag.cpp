#include "wordstore/tag.hpp"

#include "core/messaggi.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/testo.hpp"

namespace talewick {

const std::array<std::string_view, 35> tag_vocabolario = {
    "[f]",  "[fm]", "[m]",  "[v]",  "[o]",  "[s]",  "[t]",  "[u]",  "[+]",  "[-]",    "[an]",   "[al]",
    "[ci]", "[og]", "[um]", "[lu]", "[co]", "[ar]", "[na]", "[as]", "[1]",  "[2]",    "[3]",    "[4]",
    "[5]",  "[6]",  "[tr]", "[intr]", "[spec]", "[term]", "[scopo]", "[causa]", "[liq]", "[col]", "[mag]"};

const std::array<std::string_view, 19> tag_categoria = {
    "[v]",  "[o]",  "[s]",  "[t]",  "[u]",  "[+]",  "[an]", "[al]",  "[ci]", "[og]",
    "[um]", "[lu]", "[co]", "[ar]", "[na]", "[as]", "[liq]", "[col]", "[mag]"};

void Carica(Contesto& contesto, int valore_posizione_dato) {
  Dato& dato = contesto[valore_posizione_dato];
  const FileParole& file = contesto.archivio.File(dato.nome_file_dato);
  const auto r = contesto.casuale.Estrai(static_cast<std::int64_t>(file.voci.size()));
  dato.valore_dato = file.voci[static_cast<std::size_t>(r - 1)];
}

void Carica_Tag(Contesto& contesto, int valore_posizione_dato) {
  Dato& dato = contesto[valore_posizione_dato];
  const FileParole& file = contesto.archivio.File(dato.nome_file_dato);
  const auto& indici = file.Con_Tag(dato.tag_dato);
  if (indici.empty()) throw ErroreGenerazione(messaggi::Tag_Assente(file.percorso.string(), dato.tag_dato));
  const auto r = contesto.casuale.Estrai(static_cast<std::int64_t>(indici.size()));
  dato.valore_dato = file.voci[indici[static_cast<std::size_t>(r - 1)]];
}

void Carica_Genere_Sostantivo(Contesto& contesto, int valore_posizione_dato) {
  Dato& dato = contesto[valore_posizione_dato];
  const char* genere = contesto.casuale.Estrai(2) == 1 ? "Mas" : "Fem";
  dato.nome_file_dato = genere;
  dato.forma_dato = genere;
}

void Cancella_Tag_Categoria(Dato& dato) {
  if (dato.valore_dato.find('[') == std::string::npos) return;
  for (const auto tag : tag_categoria) Sostituisci_Tutto(dato.valore_dato, tag, "");
}

void Cancella_Info_Programma(Dato& dato) {
  if (dato.valore_dato.find('[') != std::string::npos) {
    for (const auto tag : tag_vocabolario) Sostituisci_Tutto(dato.valore_dato, tag, "");
  }
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
