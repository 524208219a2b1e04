#include "other_windows/form5.hpp"

#include <gtest/gtest.h>

#include "support/database_prova.hpp"

namespace talewick {
namespace {

// The tag statistics are written when the window first opens, and not recounted when it reopens.
TEST(Form5, SiRiempieAllaPrimaApertura_NonRicalcolaRiaprendo) {
  prova::DatabaseProva db;
  db.Completa({{"MasAltro", "Il Sasso\nIl Vaso"}});
  Archivio archivio(db.Cartella());
  Carica_Tutti_File(archivio);
  Form5 f(archivio, ".");
  EXPECT_EQ(f("Conteggio", 0).Testo(), "");
  f.Mostra();
  EXPECT_EQ(f("Conteggio", 2).Testo(), "MasAltro: 2");
  EXPECT_EQ(f("Conteggio", 37).Testo(), "SillabeElfo Oscuro: 1");
  EXPECT_EQ(f("Conteggio", 38).Testo(), "");
  EXPECT_EQ(f("Categoria", 0).Testo(), "Altro: 3 (14.29%)");
  EXPECT_EQ(f("TagNome", 2).Testo(), "Tag [col]: 0");
  EXPECT_EQ(f("TagNome", 5).Testo(), "");
  archivio.numero_vocaboli.fill(9);
  f["Command1"].Scatena(Evento::Click);
  EXPECT_FALSE(f.Visibile());
  f.Mostra();
  EXPECT_EQ(f("Categoria", 0).Testo(), "Altro: 3 (14.29%)");
  EXPECT_EQ(f["Totale"].Testo(), "Totale Assoluto Vocaboli: 39");
}

}  // namespace
}  // namespace talewick
