#include "core/nomi_personaggi.hpp"

#include <gtest/gtest.h>

#include <set>

#include "base/messaggi.hpp"
#include "dispatch/dispatcher.hpp"
#include "support/casuale_scriptato.hpp"
#include "support/database_prova.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

namespace talewick {
namespace {

using prova::CasualeScriptato;
using prova::DatabaseProva;

class NomiPersonaggi : public testing::Test {
 protected:
  NomiPersonaggi() {
    db.Scrivi("SillabeElfo", "EL\nrien\nthal");
    db.Scrivi("SillabeNano", "dùr");
    db.Scrivi("IngleseVocaboli", "STORM\nIron");
    db.Scrivi("IngleseSoggetti", "BRINGER");
  }
  // Scripted draws, names of this kind and these lengths, for the dispatcher or one name.
  void Nomi(std::initializer_list<std::int64_t> estrazioni, const char* tipo, const char* min, const char* max) {
    casuale.Aggiungi(estrazioni);
    stato.opzioni.CosaGenerare = "Nomi Personaggi";
    stato.opzioni.TipoNomi = tipo;
    stato.opzioni.Min = min;
    stato.opzioni.Max = max;
  }
  DatabaseProva db;
  Archivio archivio{db.Cartella()};
  CasualeScriptato casuale{};
  Stato stato{archivio, casuale};
};

TEST_F(NomiPersonaggi, SillabeInCasoProprio) {
  Nomi({2, 1, 2, 3}, "Elfo", "2", "3");  // three syllables: EL, rien, thal
  Carica_Nome_Persona_Casuale(stato, 0);
  EXPECT_EQ(stato.slot_nome.testo, "Elrienthal");
}

TEST_F(NomiPersonaggi, TestoPrecedenteRestaDavantiERicapitalizzato) {
  Nomi({1, 1}, "Nano", "1", "1");
  stato.slot_nome.testo = "gIMLI ";
  Carica_Nome_Persona_Casuale(stato, 0);
  EXPECT_EQ(stato.slot_nome.testo, "Gimli Dùr");
}

TEST_F(NomiPersonaggi, LunghezzeTraMinEMax) {
  Motore_Casuale motore(9);
  Stato seminato(archivio, motore);
  seminato.opzioni.TipoNomi = "Nano";
  seminato.opzioni.Min = "2";
  seminato.opzioni.Max = "4";
  std::set<std::size_t> lunghezze;
  for (int i = 0; i < 300; ++i) {
    seminato.slot_nome.testo.clear();
    Carica_Nome_Persona_Casuale(seminato, 0);
    lunghezze.insert(seminato.slot_nome.testo.size() / std::string("dùr").size());
  }
  EXPECT_EQ(lunghezze, (std::set<std::size_t>{2, 3, 4}));
}

TEST_F(NomiPersonaggi, IngleseCompostoUnaSolaMaiuscola) {
  Nomi({1, 2, 1}, "Inglese Composto", "", "");  // STORM, then a word of IngleseSoggetti: BRINGER
  stato.slot_nome.testo = "vecchio";
  Carica_Nome_Persona_Casuale(stato, 0);
  EXPECT_EQ(stato.slot_nome.testo, "Stormbringer");
}

TEST_F(NomiPersonaggi, IngleseCompostoColDispatcherResta_UnaParola) {
  Nomi({1, 2, 1, 2, 1, 1}, "Inglese Composto", "X", "X");  // the second compound, Iron + STORM, replaces the first
  ASSERT_FALSE(Genera_Altro_Valore(stato));
  EXPECT_EQ(stato.slot_nome.testo, "Ironstorm");
}

TEST_F(NomiPersonaggi, LunghezzaNonValidaDaUnMessaggio) {
  Nomi({}, "Elfo", "", "");
  const std::pair<const char*, const char*> casi[] = {{"abc", "3"}, {"0", "3"}, {"2", "-5"}, {"", "2"}};
  for (const auto& [mn, mx] : casi) {
    stato.opzioni.Min = mn;
    stato.opzioni.Max = mx;
    stato.slot_nome.testo = "vecchio";
    const auto errore = Genera_Altro_Valore(stato);
    ASSERT_TRUE(errore) << mn << ".." << mx;
    const bool colpa_di_min = std::string(mn) != "2";
    EXPECT_EQ(*errore, messaggi::Lunghezza_Non_Valida(colpa_di_min ? "Min" : "Max", colpa_di_min ? mn : mx));
    EXPECT_EQ(stato.slot_nome.testo, "");
  }
}

TEST_F(NomiPersonaggi, FileDiSillabeMancante) {
  Nomi({}, "Orco", "1", "1");
  const auto errore = Genera_Altro_Valore(stato);
  ASSERT_TRUE(errore);
  EXPECT_EQ(*errore, messaggi::File_Mancante((db.Cartella() / "SillabeOrco.txt").string()));
}

}  // namespace
}  // namespace talewick
