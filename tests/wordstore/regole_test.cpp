// The word store's rules that are tables, against the rows of regole.tsv.
#include <array>

#include "support/database_prova.hpp"
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

Categorie Codici(std::string_view codici, Lista lista) {
  Categorie categorie = 0;
  for (std::size_t inizio = 0; inizio < codici.size();) {
    const auto barra = std::min(codici.find('/', inizio), codici.size());
    categorie |= Bit_Del_Codice(Tipo_Lista(lista), codici.substr(inizio, barra - inizio));
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
       if (c.size() > 4) {
         EXPECT_EQ(std::to_string(d.riga_nul) + (d.conteneva_nul ? " nul" : ""), c[4]);
       }
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
       const auto tipo = std::find_if(tipi_lista.begin(), tipi_lista.end(),
                                      [&](const TipoLista& t) { return t.apertura == "[" + c.at(1) + ":"; });
       ASSERT_NE(tipo, tipi_lista.end()) << c[1];
       EXPECT_EQ(Categorie_Ammesse(c.at(0), tipo->lista), Codici(c.at(2), tipo->lista));
     }},
    {"ruoli", [](const Colonne& c) { EXPECT_EQ(Ruoli_Di(c.at(0)), Codici(c.at(1), Lista::ruolo)); }},
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
       if (c[0] == "Senza_Articolo") testo = Senza_Articolo(testo);
       if (c[0] == "Lunghezza_Primo_Carattere") testo = std::to_string(Lunghezza_Primo_Carattere(testo));
       if (c[0] == "Lunghezza_Ultimo_Carattere") testo = std::to_string(Lunghezza_Ultimo_Carattere(testo));
       if (c[0] == "Sostituisci_Tutto")
         testo = std::to_string(Sostituisci_Tutto(testo, c.at(3), c.at(4))) + " " + testo;
       EXPECT_EQ(testo, c.at(2));
     }},
    {"percorso",
     [](const Colonne& c) {
       prova::ProvaContesto p(prova::Numeri(c.at(0)));
       p.contesto[4].nome_file_dato = "Fem";
       Carica_Categoria_Sostantivo(p.contesto, 4);
       EXPECT_EQ(p.contesto[4].nome_file_dato, "Fem" + c.at(1));
       EXPECT_EQ(p.casuale.Chiamate(), 1U);
     }},
    {"ristretto",
     [](const Colonne& c) {
       const prova::Voci armi = {{"MasArmi", "La Spada\nL'Ascia"}};
       prova::ProvaContesto p(prova::Numeri(c.at(2)), armi);
       p.contesto[2].nome_file_dato = "Mas";
       Carica_Categoria_Sostantivo(p.contesto, 2, Codici(c.at(0), Lista::oggetto));
       EXPECT_EQ(p.contesto[2].nome_file_dato, "Mas" + c.at(3));
       // A number past the total would have been refused by the scripted source.
       prova::ProvaContesto oltre({std::stoi(c.at(1)) + 1}, armi);
       oltre.contesto[2].nome_file_dato = "Mas";
       EXPECT_THROW(Carica_Categoria_Sostantivo(oltre.contesto, 2, Codici(c[0], Lista::oggetto)), std::logic_error);
     }},
    {"luogo",
     [](const Colonne& c) {
       prova::ProvaContesto p(
           prova::Numeri(c.at(0)),
           {{"Dove", "nel Bosco"}, {"MasLuoghi", "Il Castello"}, {"FemLuoghi", "La Torre\nLa Vetta[su]"}});
       p.contesto[6].forma_dato = "VerbiPlurMas";
       Carica_Luogo(p.contesto, 6);
       EXPECT_EQ(p.contesto[6].nome_file_dato, c.at(1));
       EXPECT_EQ(p.contesto[6].forma_dato, c.at(2));
       EXPECT_EQ(p.contesto[6].valore_dato, c.at(3));
       EXPECT_EQ(p.casuale.Rimaste(), 0U);
     }},
    {"in_o_su",
     [](const Colonne& c) {
       Dato dato;
       dato.forma_dato = c.at(0);
       dato.valore_dato = c.at(1);
       Scegli_In_o_Su(dato);
       EXPECT_EQ(dato.forma_dato, c.at(2));
     }},
    {"sul_nel",
     [](const Colonne& c) {
       prova::ProvaContesto p(prova::Numeri(c.at(0)));
       p.contesto[1].nome_file_dato = "Aggettivi";
       p.contesto[1].forma_dato = "AggFemPlur";
       Carica_Categoria_SulNel(p.contesto, 1, c.size() > 3 ? Codici(c[3], Lista::oggetto) : tutte_le_categorie);
       EXPECT_EQ(p.contesto[1].nome_file_dato, c.at(1));
       EXPECT_EQ(p.contesto[1].forma_dato, c.at(2));
       EXPECT_EQ(p.casuale.Rimaste(), 0U);
     }},
    {"correlato",
     [](const Colonne& c) {
       prova::ProvaContesto p(prova::Numeri(c.at(1) + " 1"), {{"MasAnimali", "Il Lupo"},
                                                              {"FemNaturale", "La Quercia"},
                                                              {"MasNaturale", "Il Vento"},
                                                              {"FemUmani", "La Regina"}});
       p.contesto[0].valore_dato = c.at(0);
       Dato& dato = p.contesto[2];
       dato.nome_file_dato = "Prima";
       dato.valore_dato = "prima";
       dato.forma_dato = "PlurPart";
       Controlla_Categoria_e_Carica_Sostantivo_Correlato(p.contesto, 2);
       EXPECT_EQ(dato.nome_file_dato, c.at(2).empty() ? "Prima" : c[2]);
       EXPECT_EQ(dato.forma_dato, c.at(3));
       EXPECT_EQ(dato.valore_dato, c.at(4));
       EXPECT_EQ(p.casuale.Chiamate(), c[2].empty() ? 1U : 2U);
     }},
    // A participle fits the noun's category: a transitive verb by its object list, an "è" verb by
    // its subject list; a verb without the list fits every noun.
    {"participio",
     [](const Colonne& c) {
       prova::ProvaContesto p(prova::Numeri(c.at(1)),
                              {{"VerbiPassatoProssimo",
                                "ha affilato[tr][ogg:ar][per:um]\nha forgiato[tr][ogg:og/ar]\nha "
                                "ucciso[tr][ogg:um/an]\nè fuggito[intr][sogg:um/an]\n"
                                "è caduto[intr]\nha dormito[intr]\nha mosso[tr][intr]\nha scortato[tr][ogg:um][per:-]\n"
                                "ha rubato[tr]"}});
       p.contesto[1].nome_file_dato = "VerbiPassatoProssimo";
       Carica_Participio(p.contesto, 1, Categoria_Del_File(c.at(0)));
       EXPECT_EQ(p.contesto[1].valore_dato, c.at(2));
       EXPECT_EQ(p.casuale.Chiamate(), 1U);
     }},
};

RIGHE_DATI(Regole, TALEWICK_DATI, regole);

}  // namespace
}  // namespace talewick
