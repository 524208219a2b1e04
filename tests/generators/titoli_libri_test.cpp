#include <gtest/gtest.h>

#include "dispatch/dispatcher.hpp"
#include "base/messaggi.hpp"
#include "prova_generatore.hpp"

namespace talewick {
namespace {

using prova::CasoGenerato;
using prova::ProvaGeneratore;

const prova::Voci voci_libri = {
    {"Libri", "Trattato[1][an]\nCome Addestrare[2][an]\nSaggio[3][an]\nLe Memorie[4][an]\nRacconti[5][an]"},
    {"MasAnimali", "Il Lupo"},
    {"FemAnimali", "La Volpe"},
    {"Aggettivi", "Oscuro"},
    {"SillabeNano", "bal\ndùr"}};

class TitoliLibri : public testing::TestWithParam<CasoGenerato> {
 protected:
  TitoliLibri() {
    prova.stato.opzioni.TipoNomi = "Nano";
    prova.stato.opzioni.Min = "1";
    prova.stato.opzioni.Max = "1";
  }
  ProvaGeneratore prova{Carica_Titolo_Libro_Casuale, voci_libri};
};

// Draws: title kind, the template among those with its number tag, then the kind's own draws
// (a related noun's gender: 1 masculine, 2 feminine).
TEST_P(TitoliLibri, ModelloEComplemento) { EXPECT_EQ(prova.Genera(GetParam().estrazioni), GetParam().risultato); }

INSTANTIATE_TEST_SUITE_P(
    Tabella, TitoliLibri,
    testing::Values(
        CasoGenerato{"k1_partitivo_plurale", {1, 1, 1}, "Trattato dei Lupi"},
        CasoGenerato{"k2_confronto", {2, 1, 1, 1, 1, 1, 2}, "Un Confronto Oscuro tra trattato dei Lupi e delle Volpi"},
        CasoGenerato{
            "k2_differenze", {2, 1, 1, 2, 1, 1, 2}, "Le Oscure Differenze tra trattato dei Lupi e delle Volpi"},
        CasoGenerato{"k2_modello_in_testa_resta_maiuscolo",
                     {2, 1, 1, 3, 2, 1, 1},
                     "Trattato delle Volpi e dei Lupi: Oscure Differenze"},
        CasoGenerato{
            "k2_esposizione", {2, 1, 1, 4, 1, 1, 2}, "Una Esposizione Oscura tra trattato dei Lupi e delle Volpi"},
        CasoGenerato{"k3_determinativo_minuscolo", {3, 1, 2}, "Come Addestrare le Volpi"},
        CasoGenerato{"k4_su_plurale", {4, 1, 1}, "Saggio sui Lupi"},
        CasoGenerato{"k5_partitivo_con_aggettivo_femminile", {5, 1, 1, 2}, "Le Memorie della Volpe Oscura"},
        CasoGenerato{"k5_partitivo_con_aggettivo_maschile", {5, 1, 1, 1}, "Le Memorie del Lupo Oscuro"},
        CasoGenerato{"k5_due_nomi_e_soprannome", {5, 1, 2, 1, 1, 1, 2}, "Le Memorie di Bal ''Oscuro'' Dùr"},
        CasoGenerato{"k6_su_singolare", {6, 1, 2}, "Racconti sulla Volpe"}),
    prova::Nome_Caso);

// A "[1]" template written with its article reads right in every frame: "tra la Tassonomia".
TEST(TitoloLibro, ModelloConArticoloInOgniCornice) {
  ProvaGeneratore prova(Carica_Titolo_Libro_Casuale, voci_libri);
  prova.db.Scrivi("Libri", "La Tassonomia[1][an]");
  const CasoGenerato casi[] = {
      {"k1", {1, 1, 1}, "La Tassonomia dei Lupi"},
      {"confronto", {2, 1, 1, 1, 1, 1, 2}, "Un Confronto Oscuro tra la Tassonomia dei Lupi e delle Volpi"},
      {"differenze", {2, 1, 1, 2, 1, 1, 2}, "Le Oscure Differenze tra la Tassonomia dei Lupi e delle Volpi"},
      {"modello_in_testa", {2, 1, 1, 3, 2, 1, 1}, "La Tassonomia delle Volpi e dei Lupi: Oscure Differenze"},
      {"esposizione", {2, 1, 1, 4, 1, 1, 2}, "Una Esposizione Oscura tra la Tassonomia dei Lupi e delle Volpi"},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    EXPECT_EQ(prova.Genera(caso.estrazioni), caso.risultato);
  }
}

std::string Percorso_Libri(const ProvaGeneratore& prova) { return (prova.db.Cartella() / "Libri.txt").string(); }

TEST(TitoloLibro, ModelloSenzaCategoriaFermaLaGenerazione) {
  ProvaGeneratore prova(Carica_Titolo_Libro_Casuale, {{"Libri", "Trattato[1]"}});
  prova.stato.opzioni.CosaGenerare = "Titoli Libri";
  prova.stato.slot_nome.testo = "Vecchio";
  prova.casuale.Aggiungi({1});
  EXPECT_EQ(Genera_Altro_Valore(prova.stato), messaggi::Titolo_Senza_Categoria(Percorso_Libri(prova), "Trattato[1]"));
  EXPECT_EQ(prova.stato.slot_nome.testo, "");
}

TEST(TitoloLibro, NessunModelloColNumeroEstratto) {
  ProvaGeneratore prova(Carica_Titolo_Libro_Casuale, voci_libri);
  prova.db.Scrivi("Libri", "Trattato[1][an]\nCome Addestrare[2][an]");
  prova.stato.opzioni.CosaGenerare = "Titoli Libri";
  prova.stato.slot_nome.testo = "Vecchio";
  prova.casuale.Aggiungi({4});
  EXPECT_EQ(Genera_Altro_Valore(prova.stato), messaggi::Tag_Assente(Percorso_Libri(prova), "[3]"));
  EXPECT_EQ(prova.stato.slot_nome.testo, "");
}

}  // namespace
}  // namespace talewick
