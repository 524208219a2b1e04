#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli.hpp"
#include "grammar/correzione.hpp"
#include "support/cli_prova.hpp"

namespace talewick::cli {
namespace {

using prova::Esegui_Con;
using prova::Uscita;

struct Esempio {
  const char* nome;
  const char* marcatore;
  const char* valore;
  const char* stampato;
};

void PrintTo(const Esempio& esempio, std::ostream* uscita) { *uscita << esempio.nome; }

class Forma : public testing::TestWithParam<Esempio> {};

TEST_P(Forma, StampaIlValoreCorretto) {
  const auto u = Esegui_Con({"forma", GetParam().marcatore, GetParam().valore});
  EXPECT_EQ(u.codice, esito_ok) << u.err;
  EXPECT_EQ(u.out, std::string(GetParam().stampato) + "\n");
  EXPECT_EQ(u.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Esempi, Forma,
    testing::Values(
        // The correction pass.
        Esempio{"spada_sulle", "FemPlurSu", "La spada", "sulle spade"},
        Esempio{"spada_alla", "FemSingA", "La spada", "alla spada"},
        Esempio{"spada_delle", "FemPlurIndet", "La spada", "Delle spade"},
        Esempio{"spada_di_una", "FemSingIndetDi", "La spada", "Di una spada"},
        Esempio{"ascia_un_apostrofo", "FemSingIndet", "L'ascia", "Un'ascia"},
        Esempio{"elmo_un_senza_apostrofo", "MasSingIndet", "L'elmo", "Un elmo"},
        Esempio{"scudo_gli", "MasPlurDet", "Lo scudo", "Gli scudi"},
        Esempio{"scudo_dello", "MasSingPart", "Lo scudo", "dello scudo"},
        Esempio{"fuoco_con_indizio", "MasPlurDet", "Il fuoco[m]", "I fuochi"},
        Esempio{"fuoco_senza_indizio", "MasPlurDet", "Il fuoco", "I fuoci"},
        Esempio{"senza_pugnale", "MasSingSenza", "Il pugnale", "senza pugnale"},
        Esempio{"senza_spade", "FemPlurSenza", "La spada", "senza spade"},
        Esempio{"con_la_spada", "FemSingCon", "La spada", "con la spada"},
        Esempio{"con_le_spade", "FemPlurCon", "La spada", "con le spade"},
        Esempio{"rossa", "AggFemSing", "rosso", "rossa"}, Esempio{"rosse", "AggFemPlur", "rosso", "rosse"},
        Esempio{"rossi", "AggMasPlur", "rosso", "rossi"},
        Esempio{"sono_fuggite", "VerbiPlurFem", "è fuggito", "sono fuggite"},
        Esempio{"hanno_rubato", "VerbiPlurMas", "ha rubato", "hanno rubato"},
        Esempio{"rubata", "ParticipioFemSing", "ha rubato", "Rubata"},
        Esempio{"scrivere", "Infinito", "ha scritto[1]", "scrivere"},
        Esempio{"luce_tiene_il_singolare", "FemPlurDet", "La luce[-]", "La luce"},
        // Articles.
        Esempio{"dello_gnomo", "MasSingPart", "Lo gnomo", "dello gnomo"},
        Esempio{"dell_acqua", "FemSingPart", "L'acqua", "dell'acqua"},
        Esempio{"elmo_con_indizio", "MasSingIndet", "L'elmo[m]", "Un elmo"},
        Esempio{"degli_gnomi", "MasPlurIndet", "Gli gnomi", "Degli gnomi"},
        Esempio{"di_alcuni_gnomi", "MasPlurIndetDi", "Gli gnomi", "Di alcuni gnomi"},
        Esempio{"a_degli_gnomi", "MasPlurIndetA", "Gli gnomi", "A degli gnomi"},
        Esempio{"del_re_e_del_drago", "MasSingPart", "Il re e Il drago", "del re e del drago"},
        Esempio{"articolo_minuscolo", "FemSingPart", "la spada", "la spada"},
        // Articulated prepositions.
        Esempio{"nel_castello", "MasSingIn", "Il castello[m]", "nel castello"},
        Esempio{"dallo_specchio", "MasSingDa", "Lo specchio", "dallo specchio"},
        Esempio{"sull_isola", "FemSingSu", "L'isola", "sull'isola"},
        Esempio{"agli_dei", "MasPlurA", "Gli dei", "agli dei"},
        Esempio{"sui_monti", "MasPlurSu", "I monti", "sui monti"},
        Esempio{"torre_minuscola", "FemSingSu", "la torre[f]", "la torre"},
        // Nouns and adjectives.
        Esempio{"amici", "MasPlurDet", "L'amico", "Gli amici"},
        Esempio{"maghi", "MasPlurDet", "Il mago[fm]", "I maghi"},
        Esempio{"specchi", "MasPlurDet", "Lo specchio[m]", "Gli specchi"},
        Esempio{"guaritori", "MasPlurDet", "Il guaritore", "I guaritori"},
        Esempio{"cani", "MasPlurDet", "Il cane", "I cani"}, Esempio{"poeti", "MasPlurDet", "Il poeta", "I poeti"},
        Esempio{"bar", "MasPlurDet", "Il bar", "I bar"},
        Esempio{"amica_al_maschile", "MasPlurDet", "L'amica[f]", "Gli amici"},
        Esempio{"spade", "FemPlurDet", "La spada", "Le spade"},
        Esempio{"amiche", "FemPlurDet", "L'amica[f]", "Le amiche"},
        Esempio{"streghe", "FemPlurDet", "La strega[fm]", "Le streghe"},
        Esempio{"volpi", "FemPlurDet", "La volpe", "Le volpi"}, Esempio{"asce", "FemPlurDet", "L'ascia[f]", "Le asce"},
        Esempio{"guaritrici", "AggFemPlur", "guaritore", "guaritrici"},
        Esempio{"chiacchierone_plurale", "AggFemPlur", "chiacchierone", "chiacchierone"},
        Esempio{"fuoce", "AggFemPlur", "fuoco[m]", "fuoce"},
        Esempio{"uomini_al_maschile", "MasPlurDet", "L'uomo|Gli uomini", "Gli uomini"},
        Esempio{"uomini_al_femminile", "FemPlurDet", "L'uomo|Gli uomini", "Gli uomini"},
        Esempio{"uomo_al_singolare", "MasSingSu", "L'uomo|Gli uomini", "sull'uomo"},
        Esempio{"chiacchierona", "AggFemSing", "chiacchierone", "chiacchierona"},
        Esempio{"traditrice", "AggFemSing", "traditore", "traditrice"},
        Esempio{"verde", "AggFemSing", "verde", "verde"}, Esempio{"magica", "AggFemSing", "magico[fm]", "magica"},
        // Verbs.
        Esempio{"fuggiti", "VerbiPlurMas", "è fuggito", "sono fuggiti"},
        Esempio{"fuggita", "VerbiSingFem", "è fuggito", "è fuggita"},
        Esempio{"hanno_rubato_femminile", "VerbiPlurFem", "ha rubato", "hanno rubato"},
        Esempio{"ha_rubato_femminile_singolare", "VerbiSingFem", "ha rubato", "ha rubato"},
        Esempio{"incantate", "ParticipioFemPlur", "ha incantato[tr]", "Incantate"},
        Esempio{"incantati", "ParticipioMasPlur", "ha incantato[tr]", "Incantati"},
        Esempio{"incantata", "ParticipioFemSing", "ha incantato[tr]", "Incantata"},
        Esempio{"incantato", "ParticipioMasSing", "ha incantato[tr]", "Incantato"},
        Esempio{"caduti", "ParticipioMasPlur", "è caduto", "Caduti"},
        Esempio{"mettere", "Infinito", "ha messo[2]", "mettere"},
        Esempio{"concedere", "Infinito", "ha concesso", "concedere"},
        Esempio{"nascere", "Infinito", "è nato[1]", "nascere"}, Esempio{"bere", "Infinito", "ha bevuto[2]", "bere"},
        Esempio{"spargere", "Infinito", "ha sparso[1]", "spargere"},
        Esempio{"immergere", "Infinito", "ha immerso[2]", "immergere"},
        Esempio{"colpire", "Infinito", "ha colpito", "colpire"},
        Esempio{"parlare", "Infinito", "ha parlato", "parlare"},
        Esempio{"rimasto_senza_riga", "Infinito", "ha rimasto[2]", "rimasto"},
        // The category tags go before the pass, so they do not hide the ending.
        Esempio{"tag_di_categoria_tolto_prima", "MasPlurDet", "Il lupo[an]", "I lupi"}),
    [](const testing::TestParamInfo<Esempio>& info) { return std::string(info.param.nome); });

TEST(FormaTutte, UnaRigaPerParolaChiaveNellOrdine) {
  const auto u = Esegui_Con({"forma", "--tutte", "La spada[ar][mag]"});
  ASSERT_EQ(u.codice, esito_ok) << u.err;
  std::istringstream righe(u.out);
  std::vector<std::string> attese;
  for (const auto parola : parole_chiave) attese.push_back(std::string(parola) + "\t");
  std::string riga;
  std::size_t i = 0;
  while (std::getline(righe, riga)) {
    ASSERT_LT(i, attese.size()) << riga;
    EXPECT_EQ(riga.rfind(attese[i], 0), 0U) << riga;
    ++i;
  }
  EXPECT_EQ(i, parole_chiave.size());
  EXPECT_NE(u.out.find("\nFemPlurSu\tsulle spade\n"), std::string::npos) << u.out;
  EXPECT_NE(u.out.find("\nFemSingCon\tcon la spada\n"), std::string::npos) << u.out;
  EXPECT_NE(u.out.find("\nFemPlurIndetDi\tDi alcune spade\n"), std::string::npos) << u.out;
  EXPECT_EQ(u.out.rfind("FemSingPart\tdella spada\n", 0), 0U) << u.out;
}

// The tags of hooks, places and proper names never reach a form.
TEST(FormaTutte, ITagNuoviNonRestano) {
  for (const char* voce :
       {"ha venduto[tr][ogg:og/ar][term][compl:um][sogg:um]", "La Vetta[su]", "oltre i Monti di Tharnak[np]"}) {
    SCOPED_TRACE(voce);
    const auto u = Esegui_Con({"forma", "--tutte", voce});
    ASSERT_EQ(u.codice, esito_ok) << u.err;
    EXPECT_EQ(u.out.find('['), std::string::npos) << u.out;
  }
  EXPECT_EQ(Esegui_Con({"forma", "Infinito", "ha venduto[tr][ogg:og/ar][term][compl:um]"}).out, "vendere\n");
  EXPECT_EQ(Esegui_Con({"forma", "FemSingSu", "La Vetta[su]"}).out, "sulla Vetta\n");
}

TEST(FormaUso, ArgomentiMancantiOInPiuSonoErroriDUso) {
  const std::vector<std::vector<std::string>> sbagliati = {
      {"forma"},
      {"forma", "FemPlurSu"},
      {"forma", "--tutte"},
      {"forma", "--tutte", "La spada", "FemPlurSu"},
      {"forma", "FemPlurSu", "La spada", "di troppo"},
  };
  for (const auto& argomenti : sbagliati) {
    const auto u = Esegui_Con(argomenti);
    EXPECT_EQ(u.codice, esito_uso) << argomenti.size();
    EXPECT_EQ(u.out, "");
    EXPECT_NE(u.err, "");
  }
}

}  // namespace
}  // namespace talewick::cli
