// The word store's rules that are tables, against the rows of regole.tsv.
#include <array>

#include "support/righe_dati.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/cartella_parole.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/lettore_campi.hpp"
#include "wordstore/liste.hpp"
#include "wordstore/sostantivi.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick {
namespace {

using Colonne = std::vector<std::string>;

std::vector<std::string> Da(const Colonne& c, std::size_t primo) { return {c.begin() + primo, c.end()}; }

Categorie Codici(std::string_view codici) {
  Categorie categorie = 0;
  for (std::size_t inizio = 0; inizio < codici.size();) {
    const auto barra = std::min(codici.find('/', inizio), codici.size());
    categorie |= Categoria_Del_Codice(codici.substr(inizio, barra - inizio));
    inizio = barra + 1;
  }
  return categorie;
}

const prova::Regole regole = {
    {"campi", [](const Colonne& c) { EXPECT_EQ(Leggi_Campi(c.at(0)).campi, Da(c, 1)); }},
    {"decodifica",
     [](const Colonne& c) {
       constexpr std::array<const char*, 5> codifiche = {"Utf8", "Utf8_Con_Bom", "Windows_1252", "Mista", "Utf16"};
       const auto d = Decodifica_File_Parole(c.at(0));
       EXPECT_EQ(d.testo, c.at(1));
       EXPECT_EQ(codifiche.at(static_cast<std::size_t>(d.codifica)), c.at(2));
       EXPECT_EQ(d.righe_windows_1252, c.at(3).empty() ? std::vector<int>{} : std::vector<int>{std::stoi(c[3])});
     }},
    {"pulizia",
     [](const Colonne& c) {
       Dato dato;
       dato.valore_dato = c.at(0);
       Cancella_Tag_Categoria(dato);
       EXPECT_EQ(dato.valore_dato, c.at(1));
       dato.valore_dato = c[0];
       Cancella_Info_Programma(dato);
       EXPECT_EQ(dato.valore_dato, c.at(2));
     }},
    {"nomi_propri",
     [](const Colonne& c) {
       EXPECT_EQ(Minuscolo_Tranne_Nomi_Propri(c.at(0)), c.at(1));
       EXPECT_EQ(Senza_Nomi_Propri(c[0]), c.at(2));
     }},
    {"cancella_tag",
     [](const Colonne& c) {
       constexpr std::array<std::string_view, 3> elenco = {"[f]", "[o]", "[ogg:"};
       std::string testo = c.at(0);
       Cancella_Tag(testo, elenco);
       EXPECT_EQ(testo, c.at(1));
     }},
    {"lista",
     [](const Colonne& c) {
       const Lista lista = c.at(1) == "oggetto" ? Lista::oggetto
                           : c[1] == "soggetto" ? Lista::soggetto
                                                : Lista::complemento;
       EXPECT_EQ(Categorie_Ammesse(c.at(0), lista), Codici(c.at(2)));
     }},
    {"complemento",
     [](const Colonne& c) {
       Archivio archivio("/nessuna/cartella");
       Motore_Casuale casuale(1);
       Contesto contesto(archivio, casuale);
       Dato& verbo = contesto[7];
       verbo.ha_spec_dato = verbo.ha_term_dato = verbo.ha_scopo_dato = verbo.transitivo_dato = true;
       verbo.valore_dato = c.at(0);
       Controlla_Complemento(contesto, 7);
       EXPECT_EQ(verbo.ha_spec_dato, c.at(1) == "1");
       EXPECT_EQ(verbo.ha_term_dato, c.at(2) == "1");
       EXPECT_EQ(verbo.ha_scopo_dato, c.at(3) == "1");
       EXPECT_EQ(verbo.transitivo_dato, c.at(4) == "1");
     }},
    {"motivo",
     [](const Colonne& c) {
       EXPECT_EQ(Motivo_Errore(std::error_code(std::stoi(c.at(0)), std::system_category())), c.at(1));
     }},
    {"dati_sistema",
     [](const Colonne& c) {
       const auto attese = Da(c, 1);
       EXPECT_EQ(Cartelle_Dati_Sistema(c.at(0)), std::vector<std::filesystem::path>(attese.begin(), attese.end()));
     }},
    {"testo",
     [](const Colonne& c) {
       std::string testo = c.at(1);
       if (c[0] == "Iniziale_Minuscola") Iniziale_Minuscola(testo);
       if (c[0] == "Iniziale_Maiuscola") Iniziale_Maiuscola(testo);
       if (c[0] == "In_Caso_Proprio") testo = In_Caso_Proprio(testo);
       if (c[0] == "In_Minuscolo") testo = In_Minuscolo(testo);
       EXPECT_EQ(testo, c.at(2));
     }},
};

RIGHE_DATI(Regole, TALEWICK_DATI, regole);

}  // namespace
}  // namespace talewick
