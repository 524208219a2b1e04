#include "wordstore/liste.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace talewick {
namespace {

// Bits of `categorie_sostantivi`: al an ci co um og lu ar na as.
constexpr Categorie al = 1U << 0U, an = 1U << 1U, ci = 1U << 2U, um = 1U << 4U, og = 1U << 5U, ar = 1U << 7U;

struct CasoLista {
  const char* nome;
  const char* voce;
  Lista lista;
  Categorie ammesse;
};

void PrintTo(const CasoLista& caso, std::ostream* uscita) { *uscita << caso.nome; }

class CategorieDellaLista : public testing::TestWithParam<CasoLista> {};

TEST_P(CategorieDellaLista, ComeLeLeggeLaGenerazione) {
  EXPECT_EQ(Categorie_Ammesse(GetParam().voce, GetParam().lista), GetParam().ammesse);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, CategorieDellaLista,
    testing::Values(
        CasoLista{"oggetto_due_codici", "ha rubato[tr][ogg:og/ar][spec]", Lista::oggetto, og | ar},
        CasoLista{"complemento_un_codice", "ha venduto[tr][ogg:og/ar/ci][term][compl:um]", Lista::complemento, um},
        CasoLista{"oggetto_accanto_al_complemento", "ha venduto[tr][ogg:og/ar/ci][term][compl:um]", Lista::oggetto,
                  og | ar | ci},
        CasoLista{"senza_tag_tutte_le_dieci", "ha rubato[tr]", Lista::oggetto, tutte_le_categorie},
        CasoLista{"soggetto_senza_tag_umani_e_animali", "ha pregato[intr]", Lista::soggetto, um | an},
        CasoLista{"soggetto_solo_umani", "ha pregato[intr][sogg:um]", Lista::soggetto, um},
        CasoLista{"codice_ignoto_ignorato", "ha visto[tr][ogg:al/zz]", Lista::oggetto, al},
        CasoLista{"nessun_codice_valido_come_senza_tag", "ha visto[tr][ogg:zz/Og]", Lista::oggetto, tutte_le_categorie},
        CasoLista{"lista_vuota_come_senza_tag", "ha visto[tr][ogg:]", Lista::oggetto, tutte_le_categorie},
        CasoLista{"soggetto_non_accetta_altre_categorie", "ha visto[tr][sogg:og/an]", Lista::soggetto, an},
        CasoLista{"conta_il_primo_tag", "ha visto[tr][ogg:ci][ogg:ar]", Lista::oggetto, ci},
        CasoLista{"maiuscolo_non_e_un_tag", "ha visto[tr][OGG:ci]", Lista::oggetto, tutte_le_categorie}),
    [](const testing::TestParamInfo<CasoLista>& info) { return std::string(info.param.nome); });

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
