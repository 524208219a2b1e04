#include "wordstore/sostantivi.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "base/messaggi.hpp"
#include "support/casuale_scriptato.hpp"
#include "support/database_prova.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

namespace talewick {
namespace {

using prova::CasualeScriptato;
using prova::DatabaseProva;

CasualeScriptato Scriptato(const std::vector<std::int64_t>& estrazioni) {
  CasualeScriptato casuale{};
  for (const auto e : estrazioni) casuale.Aggiungi({e});
  return casuale;
}

TEST(CategorieSostantivi, OgniRigaNominaIPropriFile) {
  for (const auto& categoria : categorie_sostantivi) {
    SCOPED_TRACE(std::string(categoria.nome));
    EXPECT_EQ(nome_file[categoria.indice_maschile], "Mas" + std::string(categoria.nome));
    EXPECT_EQ(nome_file[categoria.indice_maschile + 1], "Fem" + std::string(categoria.nome));
  }
}

// Every noun file holds one entry, so each category covers two numbers of the draw 1..20.
struct CasoPercorso {
  const char* nome;
  std::int64_t estratto;
  const char* categoria;
};

void PrintTo(const CasoPercorso& caso, std::ostream* uscita) { *uscita << caso.nome; }

class PercorsoCategorie : public testing::TestWithParam<CasoPercorso> {};

TEST_P(PercorsoCategorie, IlNumeroEstrattoCadeNellaCategoriaGiusta) {
  DatabaseProva db;
  db.Completa();
  Archivio archivio(db.Cartella());
  CasualeScriptato casuale{GetParam().estratto};
  Contesto contesto(archivio, casuale);
  contesto[4].nome_file_dato = "Fem";
  Carica_Categoria_Sostantivo(contesto, 4);
  EXPECT_EQ(contesto[4].nome_file_dato, "Fem" + std::string(GetParam().categoria));
  EXPECT_EQ(casuale.Chiamate(), 1U);
}

INSTANTIATE_TEST_SUITE_P(Tabella, PercorsoCategorie,
                         testing::Values(CasoPercorso{"primo_altro", 1, "Altro"}, CasoPercorso{"animali", 3, "Animali"},
                                         CasoPercorso{"cibi", 6, "Cibi"}, CasoPercorso{"corpo", 7, "Corpo"},
                                         CasoPercorso{"umani_prima_di_oggetti", 9, "Umani"},
                                         CasoPercorso{"oggetti", 12, "Oggetti"}, CasoPercorso{"luoghi", 13, "Luoghi"},
                                         CasoPercorso{"armi", 16, "Armi"},
                                         CasoPercorso{"naturale_prima_di_astratto", 17, "Naturale"},
                                         CasoPercorso{"ultimo_astratto", 20, "Astratto"}),
                         [](const testing::TestParamInfo<CasoPercorso>& info) { return std::string(info.param.nome); });

// The categories a verb allows: the walk skips the others, in the same order and weights.
struct CasoRistretto {
  const char* nome;
  Categorie ammesse;
  std::int64_t totale;  // the draw is 1..totale
  std::int64_t estratto;
  const char* categoria;
};

void PrintTo(const CasoRistretto& caso, std::ostream* uscita) { *uscita << caso.nome; }

class CategorieRistrette : public testing::TestWithParam<CasoRistretto> {};

TEST_P(CategorieRistrette, SoloLeCategorieElencate) {
  DatabaseProva db;
  db.Completa({{"MasArmi", "La Spada\nL'Ascia"}});
  Archivio archivio(db.Cartella());
  CasualeScriptato casuale{GetParam().estratto};
  Contesto contesto(archivio, casuale);
  contesto[2].nome_file_dato = "Mas";
  Carica_Categoria_Sostantivo(contesto, 2, GetParam().ammesse);
  EXPECT_EQ(contesto[2].nome_file_dato, "Mas" + std::string(GetParam().categoria));
  // A number past the total would have been refused by the scripted source.
  CasualeScriptato oltre{GetParam().totale + 1};
  Contesto fuori(archivio, oltre);
  fuori[2].nome_file_dato = "Mas";
  EXPECT_THROW(Carica_Categoria_Sostantivo(fuori, 2, GetParam().ammesse), std::logic_error);
}

constexpr Categorie og = 1U << 5U, ar = 1U << 7U, an = 1U << 1U, as = 1U << 9U;

INSTANTIATE_TEST_SUITE_P(Tabella, CategorieRistrette,
                         testing::Values(CasoRistretto{"oggetti_prima_di_armi", og | ar, 5, 2, "Oggetti"},
                                         CasoRistretto{"armi_col_loro_peso", og | ar, 5, 3, "Armi"},
                                         CasoRistretto{"armi_ultima", og | ar, 5, 5, "Armi"},
                                         CasoRistretto{"una_sola_categoria", as, 2, 1, "Astratto"},
                                         CasoRistretto{"animali_e_astratto", an | as, 4, 3, "Astratto"},
                                         CasoRistretto{"nessuna_categoria_vale_tutte", 0, 21, 21, "Astratto"},
                                         CasoRistretto{"tutte", tutte_le_categorie, 21, 3, "Animali"}),
                         [](const testing::TestParamInfo<CasoRistretto>& info) {
                           return std::string(info.param.nome);
                         });

TEST(CategoriaSostantivo, LaRestrizioneTieneIPesiDeiConteggi) {
  std::string cibi;
  for (int i = 0; i < 7; ++i) cibi += "Il Cibo" + std::to_string(i) + "\n";
  cibi += "Il Pane";
  DatabaseProva db;
  db.Completa({{"MasCibi", cibi}});  // Cibi 9 entries, Armi 2, Animali 2, the rest excluded
  Archivio archivio(db.Cartella());
  Motore_Casuale casuale(5);
  Contesto contesto(archivio, casuale);
  std::map<std::string, int> conta;
  constexpr int volte = 13000;
  for (int i = 0; i < volte; ++i) {
    contesto[0].nome_file_dato = "Fem";
    Carica_Categoria_Sostantivo(contesto, 0, static_cast<Categorie>((1U << 2U) | ar | an));
    ++conta[contesto[0].nome_file_dato];
  }
  EXPECT_EQ(conta.size(), 3U);
  EXPECT_NEAR(conta["FemCibi"], 9000, 300);
  EXPECT_NEAR(conta["FemArmi"], 2000, 200);
  EXPECT_NEAR(conta["FemAnimali"], 2000, 200);
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

TEST(CategoriaSostantivo, UnaCategoriaRiccaVincePerEntrambiIGeneri) {
  std::string molti;
  for (int i = 0; i < 180; ++i) molti += "Il Cibo" + std::to_string(i) + "\n";
  molti.pop_back();
  DatabaseProva db;
  db.Completa({{"MasCibi", molti}});
  Archivio archivio(db.Cartella());
  Motore_Casuale casuale(11);
  Contesto contesto(archivio, casuale);
  for (const char* genere : {"Mas", "Fem"}) {
    SCOPED_TRACE(genere);
    int cibi = 0;
    for (int i = 0; i < 1000; ++i) {
      contesto[0].nome_file_dato = genere;
      Carica_Categoria_Sostantivo(contesto, 0);
      if (contesto[0].nome_file_dato == std::string(genere) + "Cibi") ++cibi;
    }
    // 181 of 199 entries: about 910 in 1000.
    EXPECT_GT(cibi, 850);
  }
}

struct CasoLuogo {
  const char* nome;
  std::vector<std::int64_t> estrazioni;
  const char* file;
  const char* forma;
  const char* valore;
};

void PrintTo(const CasoLuogo& caso, std::ostream* uscita) { *uscita << caso.nome; }

class Luogo : public testing::TestWithParam<CasoLuogo> {};

TEST_P(Luogo, FraseOSostantivoConIn) {
  DatabaseProva db;
  db.Completa({{"Dove", "nel Bosco"}, {"MasLuoghi", "Il Castello"}, {"FemLuoghi", "La Torre\nLa Vetta[su]"}});
  Archivio archivio(db.Cartella());
  CasualeScriptato casuale = Scriptato(GetParam().estrazioni);
  Contesto contesto(archivio, casuale);
  contesto[6].forma_dato = "VerbiPlurMas";
  Carica_Luogo(contesto, 6);
  EXPECT_EQ(contesto[6].nome_file_dato, GetParam().file);
  EXPECT_EQ(contesto[6].forma_dato, GetParam().forma);
  EXPECT_EQ(contesto[6].valore_dato, GetParam().valore);
  EXPECT_EQ(casuale.Rimaste(), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Luogo,
    testing::Values(CasoLuogo{"frase_di_dove", {1, 1}, "Dove", "No", "nel Bosco"},
                    CasoLuogo{"luogo_maschile", {2, 1, 1}, "MasLuoghi", "MasSingIn", "Il Castello"},
                    CasoLuogo{"luogo_femminile", {2, 2, 1}, "FemLuoghi", "FemSingIn", "La Torre"},
                    CasoLuogo{"luogo_con_su", {2, 2, 2}, "FemLuoghi", "FemSingSu", "La Vetta[su]"}),
    [](const testing::TestParamInfo<CasoLuogo>& info) { return std::string(info.param.nome); });

struct CasoSulNel {
  const char* nome;
  std::vector<std::int64_t> estrazioni;  // a, b, c, d, then the draws of the outcome
  const char* file;
  const char* forma;
};

void PrintTo(const CasoSulNel& caso, std::ostream* uscita) { *uscita << caso.nome; }

class SulNel : public testing::TestWithParam<CasoSulNel> {};

TEST_P(SulNel, ModoSostantivoOLuogo) {
  DatabaseProva db;
  db.Completa();
  Archivio archivio(db.Cartella());
  CasualeScriptato casuale = Scriptato(GetParam().estrazioni);
  Contesto contesto(archivio, casuale);
  contesto[1].nome_file_dato = "Aggettivi";
  contesto[1].forma_dato = "AggFemPlur";
  Carica_Categoria_SulNel(contesto, 1);
  EXPECT_EQ(contesto[1].nome_file_dato, GetParam().file);
  EXPECT_EQ(contesto[1].forma_dato, GetParam().forma);
  EXPECT_EQ(casuale.Rimaste(), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, SulNel,
    testing::Values(CasoSulNel{"modo", {1, 2, 2, 2}, "Come", "No"},
                    CasoSulNel{"maschile_plurale_senza", {2, 2, 2, 2, 3}, "MasAnimali", "MasPlurSenza"},
                    CasoSulNel{"femminile_singolare_con", {2, 1, 1, 1, 20}, "FemAstratto", "FemSingCon"},
                    CasoSulNel{"femminile_plurale_con", {2, 1, 2, 1, 1}, "FemAltro", "FemPlurCon"},
                    CasoSulNel{"luogo_estratto", {3, 1, 1, 1, 2, 1, 1}, "MasLuoghi", "MasSingIn"}),
    [](const testing::TestParamInfo<CasoSulNel>& info) { return std::string(info.param.nome); });

struct CasoCorrelato {
  const char* nome;
  const char* modello;
  std::int64_t genere;
  const char* file;  // "" when nothing is drawn
  const char* forma;
  const char* valore;
};

void PrintTo(const CasoCorrelato& caso, std::ostream* uscita) { *uscita << caso.nome; }

class Correlato : public testing::TestWithParam<CasoCorrelato> {};

TEST_P(Correlato, CategoriaDalModelloGenereACaso) {
  DatabaseProva db;
  db.Completa({{"MasAnimali", "Il Lupo"},
               {"FemNaturale", "La Quercia"},
               {"MasNaturale", "Il Vento"},
               {"FemUmani", "La Regina"}});
  Archivio archivio(db.Cartella());
  CasualeScriptato casuale{GetParam().genere, 1};
  Contesto contesto(archivio, casuale);
  contesto[0].valore_dato = GetParam().modello;
  contesto[2].nome_file_dato = "Prima";
  contesto[2].valore_dato = "prima";
  contesto[2].forma_dato = "PlurPart";
  Controlla_Categoria_e_Carica_Sostantivo_Correlato(contesto, 2);
  const bool estratto = *GetParam().file != '\0';
  EXPECT_EQ(contesto[2].nome_file_dato, estratto ? GetParam().file : "Prima");
  EXPECT_EQ(contesto[2].forma_dato, GetParam().forma);
  EXPECT_EQ(contesto[2].valore_dato, GetParam().valore);
  EXPECT_EQ(casuale.Chiamate(), estratto ? 2U : 1U);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Correlato,
    testing::Values(
        CasoCorrelato{"animali_maschile", "Trattato[1][an]", 1, "MasAnimali", "MasPlurPart", "Il Lupo"},
        CasoCorrelato{"l_ultimo_tag_nell_ordine_vince", "Erbario[1][an][na]", 2, "FemNaturale", "FemPlurPart",
                      "La Quercia"},
        CasoCorrelato{"anche_se_scritto_prima", "Erbario[na][1][an]", 1, "MasNaturale", "MasPlurPart", "Il Vento"},
        CasoCorrelato{"altro_dopo_animali", "Bestiario[an][al][2]", 1, "MasAltro", "MasPlurPart", "Il Drago"},
        CasoCorrelato{"umani_dopo_oggetti", "Cronache[um][og][3]", 2, "FemUmani", "FemPlurPart", "La Regina"},
        CasoCorrelato{"senza_tag_di_categoria_niente_cambia", "Trattato[1]", 1, "", "PlurPart", "prima"}),
    [](const testing::TestParamInfo<CasoCorrelato>& info) { return std::string(info.param.nome); });

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

// A participle that qualifies a noun fits the noun's category: a transitive verb by its object
// list, an "è" verb by its subject list; a verb without the list fits every noun.
struct CasoAdatto {
  const char* nome;
  const char* file_del_nome;
  std::int64_t estrazione;
  const char* participio;
};

class ParticipioAdatto : public testing::TestWithParam<CasoAdatto> {};

TEST_P(ParticipioAdatto, DellaCategoriaDelNome) {
  DatabaseProva db;
  db.Completa({{"VerbiPassatoProssimo",
                "ha forgiato[tr][ogg:og/ar]\nha ucciso[tr][ogg:um/an]\nè fuggito[intr][sogg:um/an]\nè caduto[intr]\n"
                "ha dormito[intr]\nha rubato[tr]"}});
  Archivio archivio(db.Cartella());
  CasualeScriptato casuale{GetParam().estrazione};
  Contesto contesto(archivio, casuale);
  contesto[1].nome_file_dato = "VerbiPassatoProssimo";
  Carica_Participio(contesto, 1, Categoria_Del_File(GetParam().file_del_nome));
  EXPECT_EQ(contesto[1].valore_dato, GetParam().participio);
  EXPECT_EQ(casuale.Chiamate(), 1U);
}

INSTANTIATE_TEST_SUITE_P(Tabella, ParticipioAdatto,
                         testing::Values(CasoAdatto{"arma_forgiata", "MasArmi", 1, "ha forgiato[tr][ogg:og/ar]"},
                                         CasoAdatto{"arma_caduta", "FemArmi", 2, "è caduto[intr]"},
                                         CasoAdatto{"arma_rubata_verbo_senza_lista", "MasArmi", 3, "ha rubato[tr]"},
                                         CasoAdatto{"umano_ucciso", "MasUmani", 1, "ha ucciso[tr][ogg:um/an]"},
                                         CasoAdatto{"umano_fuggito", "FemUmani", 2, "è fuggito[intr][sogg:um/an]"},
                                         CasoAdatto{"file_non_di_nomi_ogni_participio", "Dove", 5, "ha rubato[tr]"}),
                         [](const testing::TestParamInfo<CasoAdatto>& info) { return std::string(info.param.nome); });

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
