#include <gtest/gtest.h>

#include "prova_generatore.hpp"

namespace talewick {
namespace {

using prova::ProvaGeneratore;

const prova::Voci voci_spunti = {{"MasUmani", "Il Nano"},
                                 {"FemUmani", "La Principessa"},
                                 {"MasAnimali", "Il Drago[m]"},
                                 {"MasAltro", "Il Tesoro"},
                                 {"FemAltro", "La Spada"},
                                 {"MasOggetti", "Il Forziere"},
                                 {"FemOggetti", "La Corona"},
                                 {"MasArmi", "Il Pugnale"},
                                 {"FemArmi", "L'Ascia"},
                                 {"FemAstratto", "La Paura"},
                                 {"MasLuoghi", "Il Castello"},
                                 {"FemLuoghi", "La Torre\nLa Vetta[su]"},
                                 {"Dove", "nel Bosco\noltre i Monti di Tharnak[np]"},
                                 {"Aggettivi", "Antico[fm]"},
                                 {"VerbiPassatoProssimo",
                                  "ha rubato[tr][spec][scopo]\n"                 // 1
                                  "è fuggito[intr]\n"                            // 2
                                  "ha parlato[intr][term]\n"                     // 3
                                  "ha salvato[tr]\n"                             // 4
                                  "ha offerto[tr][spec][term]\n"                 // 5
                                  "ha portato[tr][term][scopo]\n"                // 6
                                  "è partito[intr][scopo]\n"                     // 7
                                  "ha venduto[tr][ogg:og/ar][term][compl:um]\n"  // 8
                                  "ha pregato[intr][sogg:um][scopo]\n"           // 9
                                  "ha ululato[intr][sogg:an][scopo]"}};          // 10

// The choices of one hook. Genders: 1 masculine, 2 feminine; numbers: 1 plural, 2 singular;
// people or animals: 0 when the verb's "[sogg:…]" leaves no choice; categories as the weighted
// draw walks them with one entry per file but three place nouns (1 "Altro", 3 "Animali",
// 9 "Umani", 20 "Astratto"), or among the categories a verb lists; a place is {1, 1} for the
// first "Dove" phrase or {2, gender, 1} for a place noun. The purpose verb is numbered among the
// verbs that admit the subject.
struct Scelte {
  std::int64_t genere_soggetto = 1, umani_o_animali = 1, numero_soggetto = 2, verbo = 4;
  std::int64_t genere_oggetto = 2, numero_oggetto = 2, categoria_oggetto = 1;
  std::int64_t genere_complemento = 1, numero_complemento = 2, categoria_complemento = 3;
  std::vector<std::int64_t> luogo = {1, 1};
  std::int64_t verbo_scopo = 4;
  std::int64_t genere_oggetto_scopo = 2, numero_oggetto_scopo = 2, categoria_oggetto_scopo = 9;
  std::int64_t genere_complemento_scopo = 1, numero_complemento_scopo = 2, categoria_complemento_scopo = 1;
  std::vector<std::int64_t> luogo_scopo = {1, 1};
};

std::vector<std::int64_t> Estrazioni(const Scelte& s) {
  std::vector<std::int64_t> e = {s.genere_soggetto, s.verbo};
  if (s.umani_o_animali != 0) e.push_back(s.umani_o_animali);
  e.insert(e.end(), {s.numero_soggetto, 1, s.genere_oggetto, s.numero_oggetto, s.categoria_oggetto, 1,
                     s.genere_complemento, s.numero_complemento, s.categoria_complemento, 1, 1, 1,
                     1});  // adjectives of complement, subject and object
  e.insert(e.end(), s.luogo.begin(), s.luogo.end());
  e.insert(e.end(), {s.verbo_scopo, s.genere_oggetto_scopo, s.numero_oggetto_scopo, s.categoria_oggetto_scopo, 1, 1,
                     s.genere_complemento_scopo, s.numero_complemento_scopo, s.categoria_complemento_scopo, 1, 1});
  e.insert(e.end(), s.luogo_scopo.begin(), s.luogo_scopo.end());
  return e;
}

struct CasoSpunto {
  const char* nome;
  Scelte scelte;
  bool aggettivi;
  const char* spunto;
};

void PrintTo(const CasoSpunto& caso, std::ostream* uscita) { *uscita << caso.nome; }

class SpuntiAvventure : public testing::TestWithParam<CasoSpunto> {
 protected:
  ProvaGeneratore prova{Carica_Spunto_Avventura_Casuale, voci_spunti};
};

TEST_P(SpuntiAvventure, FraseDaiTagDeiVerbi) {
  prova.stato.opzioni.Aggettivi = GetParam().aggettivi;
  EXPECT_EQ(prova.Genera(Estrazioni(GetParam().scelte)), GetParam().spunto);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, SpuntiAvventure,
    testing::Values(
        CasoSpunto{"oggetto_specificazione_e_scopo_ognuno_col_suo_aggettivo",
                   {.numero_soggetto = 1, .verbo = 1, .genere_oggetto_scopo = 1},
                   true,
                   "Dei nani antichi hanno rubato una spada antica di un drago antico, nel bosco, per salvare un nano "
                   "antico."},
        CasoSpunto{"senza_aggettivi",
                   {.numero_soggetto = 1, .verbo = 1},
                   false,
                   "Dei nani hanno rubato una spada di un drago, nel bosco, per salvare una principessa."},
        CasoSpunto{"intransitivo_soggetto_femminile",
                   {.genere_soggetto = 2, .verbo = 2},
                   true,
                   "Una principessa antica è fuggita nel bosco."},
        CasoSpunto{"intransitivo_soggetto_femminile_plurale",
                   {.genere_soggetto = 2, .numero_soggetto = 1, .verbo = 2},
                   true,
                   "Delle principesse antiche sono fuggite nel bosco."},
        CasoSpunto{"soggetto_animale_plurale",
                   {.umani_o_animali = 2, .numero_soggetto = 1, .verbo = 2},
                   true,
                   "Dei draghi antichi sono fuggiti nel bosco."},
        CasoSpunto{"transitivo_senza_luogo", {.verbo = 4}, true, "Un nano antico ha salvato una spada antica."},
        CasoSpunto{"intransitivo_con_complemento_luogo_una_volta",
                   {.verbo = 3},
                   true,
                   "Un nano antico ha parlato nel bosco ad un drago antico."},
        CasoSpunto{"intransitivo_con_complemento_e_luogo_sostantivo",
                   {.verbo = 3, .luogo = {2, 2, 1}},
                   false,
                   "Un nano ha parlato nella torre ad un drago."},
        CasoSpunto{"transitivo_con_complemento_luogo_tra_virgole_e_punto",
                   {.verbo = 5},
                   false,
                   "Un nano ha offerto una spada di un drago, nel bosco."},
        CasoSpunto{"specificazione_e_termine_vale_di",
                   {.verbo = 5, .numero_complemento = 1},
                   true,
                   "Un nano antico ha offerto una spada antica di alcuni draghi antichi, nel bosco."},
        CasoSpunto{"scopo_intransitivo_col_suo_luogo",
                   {.verbo = 6, .verbo_scopo = 2, .luogo_scopo = {2, 1, 1}},
                   true,
                   "Un nano antico ha portato una spada antica ad un drago antico, nel bosco, per fuggire nel "
                   "castello."},
        CasoSpunto{"senza_scopo_niente_complemento_dello_scopo",
                   {.verbo = 4, .verbo_scopo = 3},
                   true,
                   "Un nano antico ha salvato una spada antica."},
        CasoSpunto{"senza_scopo_con_complemento_dello_scopo_di",
                   {.verbo = 3, .verbo_scopo = 1},
                   false,
                   "Un nano ha parlato nel bosco ad un drago."},
        CasoSpunto{"scopo_con_oggetto_e_specificazione",
                   {.verbo = 1, .verbo_scopo = 1},
                   false,
                   "Un nano ha rubato una spada di un drago, nel bosco, per rubare una principessa di un tesoro."},
        CasoSpunto{"intransitivo_con_scopo_senza_virgole",
                   {.verbo = 7},
                   true,
                   "Un nano antico è partito nel bosco per salvare una principessa antica."},
        CasoSpunto{"oggetto_e_complemento_dalle_categorie_del_verbo",
                   {.verbo = 8, .categoria_oggetto = 3, .categoria_complemento = 1},
                   true,
                   "Un nano antico ha venduto un'ascia antica ad un nano antico, nel bosco."},
        CasoSpunto{"oggetto_dalla_prima_categoria_elencata",
                   {.verbo = 8, .genere_oggetto = 1, .categoria_oggetto = 2, .categoria_complemento = 2},
                   false,
                   "Un nano ha venduto un forziere ad un nano, nel bosco."},
        CasoSpunto{"verbo_senza_lista_tutte_le_dieci_categorie",
                   {.verbo = 4, .categoria_oggetto = 20},
                   false,
                   "Un nano ha salvato una paura."},
        CasoSpunto{"soggetto_umano_dal_verbo_e_scopo_che_lo_ammette",
                   {.umani_o_animali = 0, .verbo = 9, .verbo_scopo = 9},
                   false,
                   "Un nano ha pregato nel bosco per pregare nel bosco."},
        CasoSpunto{"soggetto_animale_dal_verbo_scopo_senza_i_verbi_per_umani",
                   {.umani_o_animali = 0, .verbo = 10, .verbo_scopo = 9},
                   false,
                   "Un drago ha ululato nel bosco per ululare nel bosco."},
        CasoSpunto{"luogo_con_su", {.verbo = 2, .luogo = {2, 2, 2}}, false, "Un nano è fuggito sulla vetta."},
        CasoSpunto{"nome_proprio_del_luogo_resta_maiuscolo",
                   {.verbo = 2, .luogo = {1, 2}},
                   false,
                   "Un nano è fuggito oltre i monti di Tharnak."}),
    [](const testing::TestParamInfo<CasoSpunto>& info) { return std::string(info.param.nome); });

// An animal subject leaves nine of the ten verbs for the purpose clause: the tenth is refused.
TEST(SpuntoAvventura, LoScopoSiEstraeSoloTraIVerbiAmmessi) {
  ProvaGeneratore prova(Carica_Spunto_Avventura_Casuale, voci_spunti);
  Scelte scelte{.umani_o_animali = 0, .verbo = 10, .verbo_scopo = 10};
  for (const auto e : Estrazioni(scelte)) prova.casuale.Aggiungi({e});
  EXPECT_THROW(Carica_Spunto_Avventura_Casuale(prova.stato), std::logic_error);
}

TEST(SpuntoAvventura, MaiVirgolaPrimaDelPunto) {
  ProvaGeneratore prova(Carica_Spunto_Avventura_Casuale, voci_spunti);
  prova.stato.opzioni.Aggettivi = false;
  const auto conta = prova.Frequenze(13, 500, [](const std::string& r) -> std::string {
    if (r.find(",.") != std::string::npos || r.find("  ") != std::string::npos || !r.ends_with('.') ||
        r.ends_with("..")) {
      return "difettoso: " + r;
    }
    return r.ends_with(", nel bosco.") || r.ends_with(", nella torre.") || r.ends_with(", nel castello.") ? "virgola"
                                                                                                          : "altro";
  });
  for (const auto& [etichetta, volte] : conta) EXPECT_FALSE(etichetta.starts_with("difettoso")) << etichetta;
  EXPECT_GT(conta.count("virgola"), 0U);
  EXPECT_GT(conta.count("altro"), 0U);
}

}  // namespace
}  // namespace talewick
