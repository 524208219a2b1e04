// Drawing an entry into a slot: by tag, by gender and category, by what a participle qualifies.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "support/database_prova.hpp"
#include "wordstore/liste.hpp"
#include "wordstore/sostantivi.hpp"
#include "wordstore/tag.hpp"

namespace talewick {
namespace {

using prova::Messaggio_Di;
using prova::ProvaContesto;

TEST(CaricaTag, SoloTraLeVociColTagOppureUnMessaggio) {
  ProvaContesto p({1, 2}, {{"Aggettivi", "Rosso[col]\nDenso\nVerde[col]\nAcre"}, {"Libri", "Trattato[1][an]"}});
  Dato& dato = p.contesto[3];
  dato.nome_file_dato = "Aggettivi";
  dato.tag_dato = "[col]";
  Carica_Tag(p.contesto, 3);
  EXPECT_EQ(dato.valore_dato, "Rosso[col]");
  Carica_Tag(p.contesto, 3);
  EXPECT_EQ(dato.valore_dato, "Verde[col]");
  dato.nome_file_dato = "Libri";
  dato.tag_dato = "[3]";
  EXPECT_EQ(Messaggio_Di([&] { Carica_Tag(p.contesto, 3); }), messaggi::Tag_Assente(p.Percorso("Libri"), "[3]"));
}

// The entry drawn is asked first; only when refused is the draw made again among those accepted.
TEST(CaricaFiltrataAccettata, RichiedeSoloSeLaPrimaERifiutata) {
  const prova::Voci file = {{"Aggettivi", "Alfa[x]\nBeta[x]\nGamma\nDelta[x]"}};
  const auto con_x = [](std::string_view voce) { return voce.find("[x]") != std::string_view::npos; };
  const std::function<bool(std::string_view)> non_beta = [](std::string_view voce) {
    return !voce.starts_with("Beta");
  };
  const std::function<bool(std::string_view)> nessuna = [](std::string_view) { return false; };
  struct Caso {
    std::vector<std::int64_t> estrazioni;
    const std::function<bool(std::string_view)>* accetta;
    bool trovata;
    std::string voce;
  };
  const std::vector<Caso> casi = {
      {{1}, &non_beta, true, "Alfa[x]"},      // accepted at once: one draw
      {{2, 2}, &non_beta, true, "Delta[x]"},  // Beta refused: again among Alfa and Delta
      {{3}, &non_beta, true, "Delta[x]"},     // the filter's third is Delta, not Gamma
      {{1}, &nessuna, false, ""},             // none accepted: false
  };
  for (const auto& caso : casi) {
    ProvaContesto p(caso.estrazioni, file);
    Dato& dato = p.contesto[0];
    dato.nome_file_dato = "Aggettivi";
    const bool trovata = Carica_Filtrata_Accettata(p.contesto, 0, "con x", con_x, nullptr, *caso.accetta);
    EXPECT_EQ(trovata, caso.trovata) << caso.voce;
    if (caso.trovata) {
      EXPECT_EQ(dato.valore_dato, caso.voce);
    }
  }
}

TEST(CategoriaSostantivo, IPesiSonoIConteggiDiOra) {
  ProvaContesto p({4, 3}, {{"MasAltro", "Il Sogno\nIl Presagio\nIl Segno"}});
  p.contesto[0].nome_file_dato = "Mas";
  Carica_Categoria_Sostantivo(p.contesto, 0);  // "Altro" now covers 1..4
  EXPECT_EQ(p.contesto[0].nome_file_dato, "MasAltro");
  EXPECT_EQ(p.archivio.numero_vocaboli[2], 3);

  // An edit made between two user actions changes the weights of the next draw.
  p.db.Scrivi("MasAltro", "Il Sogno");
  std::filesystem::last_write_time(p.Percorso("MasAltro"),
                                   std::filesystem::file_time_type::clock::now() + std::chrono::seconds(5));
  p.archivio.Nuova_Azione();
  p.contesto[0].nome_file_dato = "Mas";
  Carica_Categoria_Sostantivo(p.contesto, 0);
  EXPECT_EQ(p.contesto[0].nome_file_dato, "MasAnimali");
  EXPECT_EQ(p.archivio.numero_vocaboli[2], 1);
}

TEST(Participio, NessunoAdattoAllaCategoriaPrendeOgniParticipio) {
  ProvaContesto p({2}, {{"VerbiPassatoProssimo", "ha ucciso[tr][ogg:um]\nè fuggito[intr][sogg:um]\nha dormito[intr]"}});
  p.contesto[1].nome_file_dato = "VerbiPassatoProssimo";
  Carica_Participio(p.contesto, 1, Categoria_Del_File("FemCibi"));
  EXPECT_EQ(p.contesto[1].valore_dato, "è fuggito[intr][sogg:um]");
}

TEST(Participio, NessunVerboAdattoFermaConIlNomeDelFile) {
  ProvaContesto p({}, {{"VerbiPassatoProssimo", "ha dormito[intr]\nha mosso[tr][intr]"}});
  p.contesto[1].nome_file_dato = "VerbiPassatoProssimo";
  EXPECT_EQ(Messaggio_Di([&] { Carica_Participio(p.contesto, 1); }),
            messaggi::Nessun_Participio_Aggettivo(p.Percorso("VerbiPassatoProssimo")));
  EXPECT_EQ(p.casuale.Chiamate(), 0U);
}

TEST(IndividuaPluraliIrregolari, PosizioneEParti) {
  Dato dato;
  dato.valore_dato = "Il Dio|Gli Dei|x";
  const auto p = Individua_Plurali_Irregolari(dato);
  EXPECT_EQ(p.posizione_barra, 7U);
  EXPECT_EQ(p.parti_plurale, (std::vector<std::string>{"Il Dio", "Gli Dei", "x"}));
  dato.valore_dato = "Il Drago";
  EXPECT_EQ(Individua_Plurali_Irregolari(dato).posizione_barra, 0U);
}

TEST(CodiciCategoria, SonoITagSenzaParentesi) {
  EXPECT_EQ(Codice_Categoria(0), "al");
  for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(Categoria_Del_Codice(Codice_Categoria(i)), 1U << i);
  EXPECT_EQ(Categoria_Del_Codice("[an]"), 0U);
  EXPECT_EQ(Categoria_Del_Codice("an"), categoria_animali);
}

}  // namespace
}  // namespace talewick
