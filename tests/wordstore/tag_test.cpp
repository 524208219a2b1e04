#include "wordstore/tag.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "base/messaggi.hpp"
#include "support/casuale_scriptato.hpp"
#include "support/database_prova.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/liste.hpp"
#include "wordstore/testo.hpp"

namespace talewick {
namespace {

constexpr Categorie og = 1U << 5U, um = 1U << 4U;

using prova::CasualeScriptato;
using prova::DatabaseProva;

TEST(IndividuaPluraliIrregolari, PosizioneEParti) {
  Dato dato;
  dato.valore_dato = "Il Dio|Gli Dei|x";
  const auto p = Individua_Plurali_Irregolari(dato);
  EXPECT_EQ(p.posizione_barra, 7U);
  EXPECT_EQ(p.parti_plurale, (std::vector<std::string>{"Il Dio", "Gli Dei", "x"}));
  dato.valore_dato = "Il Drago";
  EXPECT_EQ(Individua_Plurali_Irregolari(dato).posizione_barra, 0U);
}

TEST(CaricaTag, EstraeSoloTraLeVociColTag) {
  DatabaseProva db;
  db.Scrivi("Aggettivi", "Rosso[col]\nDenso\nVerde[col]\nAcre");
  Archivio archivio(db.Cartella());
  CasualeScriptato casuale{1, 2};
  Contesto contesto(archivio, casuale);
  contesto[3].nome_file_dato = "Aggettivi";
  contesto[3].tag_dato = "[col]";
  Carica_Tag(contesto, 3);
  EXPECT_EQ(contesto[3].valore_dato, "Rosso[col]");
  Carica_Tag(contesto, 3);
  EXPECT_EQ(contesto[3].valore_dato, "Verde[col]");
}

TEST(CaricaTag, NessunaVoceColTagFermaLaGenerazione) {
  DatabaseProva db;
  db.Scrivi("Libri", "Trattato[1][an]");
  Archivio archivio(db.Cartella());
  Motore_Casuale casuale(1);
  Contesto contesto(archivio, casuale);
  contesto[0].nome_file_dato = "Libri";
  contesto[0].tag_dato = "[3]";
  try {
    Carica_Tag(contesto, 0);
    FAIL() << "a tagged draw with no tagged entry must stop";
  } catch (const ErroreGenerazione& e) {
    EXPECT_EQ(std::string(e.what()), messaggi::Tag_Assente((db.Cartella() / "Libri.txt").string(), "[3]"));
  }
}

TEST(Carica, UnaSolaVoceSempreQuella_EAltriSlotIntatti) {
  DatabaseProva db;
  db.Scrivi("Dove", "nel Bosco");
  Archivio archivio(db.Cartella());
  Motore_Casuale casuale(3);
  Contesto contesto(archivio, casuale);
  contesto[5].valore_dato = "intatto";
  contesto[6].nome_file_dato = "Dove";
  for (int i = 0; i < 5; ++i) {
    Carica(contesto, 6);
    EXPECT_EQ(contesto[6].valore_dato, "nel Bosco");
  }
  EXPECT_EQ(contesto[5].valore_dato, "intatto");
}

TEST(CaricaGenereSostantivo, FileEFormaUguali) {
  DatabaseProva db;
  Archivio archivio(db.Cartella());
  CasualeScriptato casuale{1, 2};
  Contesto contesto(archivio, casuale);
  Carica_Genere_Sostantivo(contesto, 4);
  EXPECT_EQ(contesto[4].nome_file_dato, "Mas");
  EXPECT_EQ(contesto[4].forma_dato, "Mas");
  Carica_Genere_Sostantivo(contesto, 4);
  EXPECT_EQ(contesto[4].nome_file_dato, "Fem");
  EXPECT_EQ(contesto[4].forma_dato, "Fem");
}

TEST(UltimoCarattere, ContaICaratteriNonIByte) {
  EXPECT_EQ(Lunghezza_Ultimo_Carattere("andò"), 2U);
  EXPECT_EQ(Lunghezza_Ultimo_Carattere("ando"), 1U);
  EXPECT_EQ(Lunghezza_Primo_Carattere("Èra"), 2U);
  EXPECT_EQ(Lunghezza_Ultimo_Carattere(""), 0U);
}

TEST(SostituisciTutto, OgniOccorrenzaSenzaRiesaminareIlRisultato) {
  std::string s = "Il re e Il drago";
  EXPECT_EQ(Sostituisci_Tutto(s, "Il ", "del "), 2U);
  EXPECT_EQ(s, "del re e del drago");
  s = "aaa";
  Sostituisci_Tutto(s, "a", "aa");
  EXPECT_EQ(s, "aaaaaa");
}

TEST(LeggiTagLista, PosizioniCodiciIgnotiEVuote) {
  const std::string voce = "ha visto[tr][ogg:og/zz/][sogg:][compl:um]";
  const auto tag = Leggi_Tag_Lista(voce);
  ASSERT_EQ(tag.size(), 3U);
  EXPECT_EQ(voce.substr(tag[0].inizio, tag[0].lunghezza), "[ogg:og/zz/]");
  EXPECT_EQ(tag[0].tipo->lista, Lista::oggetto);
  EXPECT_EQ(tag[0].categorie, og);
  EXPECT_EQ(tag[0].codici_ignoti, (std::vector<std::string>{"zz", ""}));
  EXPECT_TRUE(tag[1].vuota);
  EXPECT_EQ(tag[1].tipo->lista, Lista::soggetto);
  EXPECT_EQ(tag[2].categorie, um);
  EXPECT_FALSE(tag[2].vuota);
}

TEST(CodiciCategoria, SonoITagSenzaParentesi) {
  EXPECT_EQ(Codice_Categoria(0), "al");
  for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(Categoria_Del_Codice(Codice_Categoria(i)), 1U << i);
  EXPECT_EQ(Categoria_Del_Codice("[an]"), 0U);
  EXPECT_EQ(Categoria_Del_Codice("um"), categoria_umani);
  EXPECT_EQ(Categoria_Del_Codice("an"), categoria_animali);
}

}  // namespace
}  // namespace talewick
