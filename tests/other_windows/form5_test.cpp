#include "other_windows/form5.hpp"

#include <gtest/gtest.h>

#include "support/database_prova.hpp"

namespace talewick {
namespace {

class Form5Prova : public testing::Test {
 protected:
  Form5Prova() : archivio(db.Cartella()) {
    db.Completa({{"MasAltro", "Il Sasso\nIl Vaso"}});
    Carica_Tutti_File(archivio);
  }
  prova::DatabaseProva db;
  Archivio archivio;
};

TEST_F(Form5Prova, SiRiempieAllaPrimaApertura) {
  Form5 f(archivio, ",");
  EXPECT_EQ(f("Conteggio", 0).Testo(), "");
  f.Mostra();
  EXPECT_EQ(f("Conteggio", 0).Testo(), "VerbiPassatoProssimo: 1");
  EXPECT_EQ(f("Conteggio", 2).Testo(), "MasAltro: 2");
  EXPECT_EQ(f("Conteggio", 37).Testo(), "SillabeElfo Oscuro: 1");
  EXPECT_EQ(f("Conteggio", 37).Larghezza(), 3800);
  EXPECT_EQ(f("Conteggio", 38).Testo(), "");
  EXPECT_EQ(f("Conteggio", 39).Testo(), "");
  EXPECT_EQ(f("Conteggio", 39).Larghezza(), 2535);
  EXPECT_EQ(f("Categoria", 10).Testo(), "Sostantivi Totali: 21");
  EXPECT_EQ(f("Categoria", 0).Testo(), "Altro: 3 (14,29%)");
  EXPECT_EQ(f("Categoria", 1).Testo(), "Animali: 2 (9,52%)");
  for (int k = 0; k <= 10; ++k) EXPECT_EQ(f("Categoria", k).Larghezza(), 3800) << k;
  EXPECT_EQ(f["Totale"].Testo(), "Totale Assoluto Vocaboli: 39");
  EXPECT_EQ(f("TagNome", 2).Testo(), "Tag [col]: 0");
  EXPECT_EQ(f("TagNome", 5).Testo(), "");
}

TEST_F(Form5Prova, NonRicalcolaQuandoSiRiapre) {
  Form5 f(archivio, ".");
  f.Mostra();
  EXPECT_EQ(f("Categoria", 0).Testo(), "Altro: 3 (14.29%)");
  archivio.numero_vocaboli.fill(9);
  f["Command1"].Scatena(Evento::Click);
  EXPECT_FALSE(f.Visibile());
  f.Mostra();
  EXPECT_EQ(f("Categoria", 0).Testo(), "Altro: 3 (14.29%)");
  EXPECT_EQ(f["Totale"].Testo(), "Totale Assoluto Vocaboli: 39");
}

TEST_F(Form5Prova, PosizioniDelleEtichette) {
  Form5 f(archivio, ",");
  struct Posto {
    const char* nome;
    int indice;
    int sinistra;
    int alto;
  };
  const Posto posti[] = {{"Conteggio", 0, 120, 120},   {"Conteggio", 5, 3120, 600}, {"Conteggio", 39, 3120, 4680},
                         {"Categoria", 10, 6600, 120}, {"Categoria", 3, 9600, 720}, {"Categoria", 8, 6600, 1440},
                         {"TagNome", 4, 6600, 2640},   {"TagNome", 1, 9600, 2160},  {"Totale", -1, 9600, 120}};
  for (const auto& p : posti) {
    SCOPED_TRACE(std::string(p.nome) + std::to_string(p.indice));
    EXPECT_EQ(f(p.nome, p.indice).Sinistra(), p.sinistra);
    EXPECT_EQ(f(p.nome, p.indice).Alto(), p.alto);
  }
  EXPECT_EQ(f.Larghezza_Interna(), 12585);
  EXPECT_EQ(f.Altezza_Interna(), 7770);
}

}  // namespace
}  // namespace talewick
