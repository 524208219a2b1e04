#include "wordstore/sostantivi.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "base/messaggi.hpp"
#include "support/casuale_scriptato.hpp"
#include "support/database_prova.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

namespace talewick {
namespace {

using prova::CasualeScriptato;
using prova::DatabaseProva;

TEST(CategorieSostantivi, OgniRigaNominaIPropriFile) {
  for (const auto& categoria : categorie_sostantivi) {
    SCOPED_TRACE(std::string(categoria.nome));
    EXPECT_EQ(nome_file[categoria.indice_maschile], "Mas" + std::string(categoria.nome));
    EXPECT_EQ(nome_file[categoria.indice_maschile + 1], "Fem" + std::string(categoria.nome));
  }
}

TEST(CategoriaSostantivo, IPesiSonoIConteggiDiOra) {
  DatabaseProva db;
  db.Completa({{"MasAltro", "Il Sogno\nIl Presagio\nIl Segno"}});
  Archivio archivio(db.Cartella());
  CasualeScriptato casuale{4, 3};
  Contesto contesto(archivio, casuale);
  contesto[0].nome_file_dato = "Mas";
  Carica_Categoria_Sostantivo(contesto, 0);  // "Altro" now covers 1..4
  EXPECT_EQ(contesto[0].nome_file_dato, "MasAltro");
  EXPECT_EQ(archivio.numero_vocaboli[2], 3);

  // An edit made between two user actions changes the weights of the next draw.
  db.Scrivi("MasAltro", "Il Sogno");
  std::filesystem::last_write_time(db.Cartella() / "MasAltro.txt",
                                   std::filesystem::file_time_type::clock::now() + std::chrono::seconds(5));
  archivio.Nuova_Azione();
  contesto[0].nome_file_dato = "Mas";
  Carica_Categoria_Sostantivo(contesto, 0);
  EXPECT_EQ(contesto[0].nome_file_dato, "MasAnimali");
  EXPECT_EQ(archivio.numero_vocaboli[2], 1);
}

TEST(InOSu, DecideLaVoceNelDato) {
  Dato dato;
  dato.forma_dato = "FemSingSu";
  dato.valore_dato = "La Torre";
  Scegli_In_o_Su(dato);
  EXPECT_EQ(dato.forma_dato, "FemSingIn");
  dato.valore_dato = "La Vetta[su]";
  Scegli_In_o_Su(dato);
  EXPECT_EQ(dato.forma_dato, "FemSingSu");
  dato.forma_dato = "FemPlurPart";  // not a place: left alone
  Scegli_In_o_Su(dato);
  EXPECT_EQ(dato.forma_dato, "FemPlurPart");
}

// Only a verb beginning with "è " or one the complement check finds transitive qualifies a noun.
TEST(Participio, SoloQuelliCheFannoDaAggettivo) {
  DatabaseProva db;
  db.Completa({{"VerbiPassatoProssimo", "ha dormito[intr]\nè caduto[intr]\nha mosso[tr][intr]\nha rubato[tr]"}});
  Archivio archivio(db.Cartella());
  CasualeScriptato casuale{1, 2};
  Contesto contesto(archivio, casuale);
  contesto[1].nome_file_dato = "VerbiPassatoProssimo";
  Carica_Participio(contesto, 1);
  EXPECT_EQ(contesto[1].valore_dato, "è caduto[intr]");
  Carica_Participio(contesto, 1);
  EXPECT_EQ(contesto[1].valore_dato, "ha rubato[tr]");
  CasualeScriptato oltre{3};
  Contesto fuori(archivio, oltre);
  fuori[1].nome_file_dato = "VerbiPassatoProssimo";
  EXPECT_THROW(Carica_Participio(fuori, 1), std::logic_error);
}

TEST(Participio, NessunoAdattoAllaCategoriaPrendeOgniParticipio) {
  DatabaseProva db;
  db.Completa({{"VerbiPassatoProssimo", "ha ucciso[tr][ogg:um]\nè fuggito[intr][sogg:um]\nha dormito[intr]"}});
  Archivio archivio(db.Cartella());
  CasualeScriptato casuale{2};
  Contesto contesto(archivio, casuale);
  contesto[1].nome_file_dato = "VerbiPassatoProssimo";
  Carica_Participio(contesto, 1, Categoria_Del_File("FemCibi"));
  EXPECT_EQ(contesto[1].valore_dato, "è fuggito[intr][sogg:um]");
}

TEST(Participio, NessunVerboAdattoFermaConIlNomeDelFile) {
  DatabaseProva db;
  db.Completa({{"VerbiPassatoProssimo", "ha dormito[intr]\nha mosso[tr][intr]"}});
  Archivio archivio(db.Cartella());
  CasualeScriptato casuale{};
  Contesto contesto(archivio, casuale);
  contesto[1].nome_file_dato = "VerbiPassatoProssimo";
  try {
    Carica_Participio(contesto, 1);
    FAIL() << "no error";
  } catch (const ErroreGenerazione& errore) {
    EXPECT_EQ(errore.what(),
              messaggi::Nessun_Participio_Aggettivo((db.Cartella() / "VerbiPassatoProssimo.txt").string()));
  }
  EXPECT_EQ(casuale.Chiamate(), 0U);
}

TEST(CategoriaDaTag, NessunTagNessunaCategoria) {
  EXPECT_EQ(Categoria_da_Tag("Trattato[1][AN]"), nullptr);
  ASSERT_NE(Categoria_da_Tag("Saggio[co]"), nullptr);
  EXPECT_EQ(Categoria_da_Tag("Saggio[co]")->nome, "Corpo");
}

}  // namespace
}  // namespace talewick
