#include "grammar/correzione.hpp"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

#include "casi.hpp"

namespace talewick {
namespace {

using prova::Caso;

constexpr const char* det_mas = "DeterminativiAlMaschilePlurale";
constexpr const char* det_fem = "DeterminativiAlFemminilePlurale";
constexpr const char* ind_ms = "DaDeterminativiAIndeterminativiMaschiliSingolari";
constexpr const char* ind_fs = "DaDeterminativiAIndeterminativiFemminiliSingolari";
constexpr const char* ind_mp = "DaDeterminativiAIndeterminativiMaschiliPlurali";
constexpr const char* ind_fp = "DaDeterminativiAIndeterminativiFemminiliPlurali";

// At least one row per keyword; the last column is the marker the pass leaves behind.
const Caso passaggi[] = {
    {"FemSingPart", "FemSingPart", "La birra", "della birra", "DaDeterminativiAPartitiviFemminiliSingolari"},
    {"MasSingPart", "MasSingPart", "Lo scudo", "dello scudo", "DaDeterminativiAPartitiviMaschiliSingolari"},
    {"FemPlurDet", "FemPlurDet", "La spada", "Le spade", det_fem},
    {"FemPlurDet_trattino_tiene_il_singolare", "FemPlurDet", "La luce[-]", "La luce[-]", det_fem},
    {"MasPlurDet", "MasPlurDet", "Lo scudo", "Gli scudi", det_mas},
    {"MasPlurDet_con_indizio", "MasPlurDet", "Il fuoco[m]", "I fuochi", det_mas},
    {"MasPlurDet_senza_indizio", "MasPlurDet", "Il fuoco", "I fuoci", det_mas},
    {"MasPlurDet_plurale_irregolare", "MasPlurDet", "L'uomo|Gli uomini", "Gli uomini", det_mas},
    {"FemPlurPart", "FemPlurPart", "La mela", "delle mele", "DaDeterminativiAPartitiviFemminiliPlurali"},
    {"MasPlurPart", "MasPlurPart", "Il fungo[m]", "dei funghi", "DaDeterminativiAPartitiviMaschiliPlurali"},
    {"AggFemPlur", "AggFemPlur", "rosso", "rosse", det_fem},
    {"AggMasPlur", "AggMasPlur", "rosso", "rossi", det_mas},
    {"AggFemSing", "AggFemSing", "rosso", "rossa", "AggettiviAlFemminileSingolare"},
    {"FemSingSu", "FemSingSu", "La torre", "sulla torre", "InPreposizioneSu"},
    {"MasSingSu", "MasSingSu", "Il ponte", "sul ponte", "InPreposizioneSu"},
    {"FemPlurSu", "FemPlurSu", "La spada", "sulle spade", "InPreposizioneSu"},
    {"MasPlurSu", "MasPlurSu", "Il monte", "sui monti", "InPreposizioneSu"},
    {"MasPlurSu_trattino_tiene_l_elisione", "MasPlurSu", "L'oro[-]", "sull'oro", "InPreposizioneSu"},
    {"FemSingA", "FemSingA", "La spada", "alla spada", "InPreposizioneA"},
    {"MasSingA", "MasSingA", "Lo gnomo", "allo gnomo", "InPreposizioneA"},
    {"FemPlurA", "FemPlurA", "L'isola", "alle isole", "InPreposizioneA"},
    {"MasPlurA", "MasPlurA", "L'elfo", "agli elfi", "InPreposizioneA"},
    {"MasPlurA_plurale_irregolare", "MasPlurA", "L'uomo|Gli uomini", "agli uomini", "InPreposizioneA"},
    {"FemSingDa", "FemSingDa", "La foresta", "dalla foresta", "InPreposizioneDa"},
    {"MasSingDa", "MasSingDa", "Lo specchio", "dallo specchio", "InPreposizioneDa"},
    {"MasSingDa_plurale_irregolare_al_singolare", "MasSingDa", "L'uomo|Gli uomini", "dall'uomo", "InPreposizioneDa"},
    {"FemPlurDa", "FemPlurDa", "La strega[fm]", "dalle streghe", "InPreposizioneDa"},
    {"MasPlurDa", "MasPlurDa", "Il mago[fm]", "dai maghi", "InPreposizioneDa"},
    {"VerbiPlurMas", "VerbiPlurMas", "ha rubato", "hanno rubato", "AlMaschilePlur"},
    {"VerbiPlurFem", "VerbiPlurFem", "è fuggito", "sono fuggite", "AlFemminilePlur"},
    {"VerbiSingFem", "VerbiSingFem", "è fuggito", "è fuggita", "AlFemminileSing"},
    {"ParticipioMasPlur", "ParticipioMasPlur", "è caduto", "Caduti", "AlMaschilePlur"},
    {"ParticipioFemPlur", "ParticipioFemPlur", "ha incantato[tr]", "Incantate", "AlFemminilePlur"},
    {"ParticipioFemSing", "ParticipioFemSing", "ha rubato", "Rubata", "AlFemminileSing"},
    {"ParticipioMasSing", "ParticipioMasSing", "ha incantato[tr]", "Incantato[tr]", "AlMaschileSing"},
    {"FemSingIndet", "FemSingIndet", "L'ascia", "Un'ascia", ind_fs},
    {"MasSingIndet", "MasSingIndet", "L'elmo", "Un elmo", ind_ms},
    {"FemPlurIndet", "FemPlurIndet", "La spada", "Delle spade", ind_fp},
    {"MasPlurIndet", "MasPlurIndet", "Lo gnomo", "Degli gnomi", ind_mp},
    {"MasPlurIndet_trattino_tiene_l_elisione", "MasPlurIndet", "L'oro[-]", "Dell'oro", ind_mp},
    {"Infinito", "Infinito", "ha scritto[1]", "scrivere", "Infinito"},
    {"FemSingIn", "FemSingIn", "La grotta", "nella grotta", "InPreposizioneIn"},
    {"MasSingIn", "MasSingIn", "Il castello[m]", "nel castello", "InPreposizioneIn"},
    {"FemPlurIn", "FemPlurIn", "La valle", "nelle valli", "InPreposizioneIn"},
    {"MasPlurIn", "MasPlurIn", "Lo stagno", "negli stagni", "InPreposizioneIn"},
    {"FemSingIndetA", "FemSingIndetA", "La regina", "Ad una regina", ind_fs},
    {"MasSingIndetA", "MasSingIndetA", "Lo gnomo", "Ad uno gnomo", ind_ms},
    {"FemPlurIndetA", "FemPlurIndetA", "L'elfa", "A delle elfe", ind_fp},
    {"MasPlurIndetA", "MasPlurIndetA", "Il nano", "A dei nani", ind_mp},
    {"FemSingIndetDi", "FemSingIndetDi", "La spada", "Di una spada", ind_fs},
    {"MasSingIndetDi", "MasSingIndetDi", "L'orco", "Di un orco", ind_ms},
    {"FemPlurIndetDi", "FemPlurIndetDi", "La fata", "Di alcune fate", ind_fp},
    {"MasPlurIndetDi", "MasPlurIndetDi", "Il lupo", "Di alcuni lupi", ind_mp},
    {"FemSingSenza", "FemSingSenza", "La spada", "senza spada", "FemSingSenza"},
    {"MasSingSenza", "MasSingSenza", "Il pugnale", "senza pugnale", "MasSingSenza"},
    {"MasSingSenza_tiene_i_tag", "MasSingSenza", "Il pugnale[m]", "senza pugnale[m]", "MasSingSenza"},
    {"FemPlurSenza", "FemPlurSenza", "La spada", "senza spade", det_fem},
    {"MasPlurSenza", "MasPlurSenza", "Lo stivale", "senza stivali", det_mas},
    {"FemSingCon", "FemSingCon", "La spada", "con la spada", "FemSingCon"},
    {"MasSingCon", "MasSingCon", "L'arco", "con l'arco", "MasSingCon"},
    {"FemPlurCon", "FemPlurCon", "La spada", "con le spade", det_fem},
    {"MasPlurCon", "MasPlurCon", "Il guanto", "con i guanti", det_mas},
};
TABELLA_RISCRITTURA(Correzione, Correzione_Sostantivi_Aggettivi_Verbi, passaggi);

// Anything but an exact keyword leaves value, tags and marker alone.
const Caso non_riconosciuti[] = {
    {"forma_base_aggettivo", "AggMasSing", "La spada[f][ar]", "La spada[f][ar]"},
    {"solo_genere", "Fem", "La spada[f][ar]", "La spada[f][ar]"},
    {"minuscolo", "femplursu", "La spada[f][ar]", "La spada[f][ar]"},
    {"spazio_in_coda", "FemPlurSu ", "La spada[f][ar]", "La spada[f][ar]"},
    {"spazio_in_testa", " FemPlurSu", "La spada[f][ar]", "La spada[f][ar]"},
    {"marcatore_vuoto", "", "La spada[f][ar]", "La spada[f][ar]"},
    {"una_chiave_non_e_una_parola_chiave", "InPreposizioneSu", "La spada[f]", "La spada[f]"},
    {"infinito_minuscolo", "infinito", "ha scritto[1]", "ha scritto[1]"},
};
TABELLA_RISCRITTURA(MarcatoreNonRiconosciuto, Correzione_Sostantivi_Aggettivi_Verbi, non_riconosciuti);

TEST(ParoleChiave, LeCinquantatreNellOrdineInCuiSonoProvate) {
  constexpr std::array<std::string_view, 53> attese = {
      "FemSingPart",       "MasSingPart",       "FemPlurDet",        "MasPlurDet",     "FemPlurPart",
      "MasPlurPart",       "AggFemPlur",        "AggMasPlur",        "AggFemSing",     "FemSingSu",
      "MasSingSu",         "FemPlurSu",         "MasPlurSu",         "FemSingA",       "MasSingA",
      "FemPlurA",          "MasPlurA",          "FemSingDa",         "MasSingDa",      "FemPlurDa",
      "MasPlurDa",         "VerbiPlurMas",      "VerbiPlurFem",      "VerbiSingFem",   "ParticipioMasPlur",
      "ParticipioFemPlur", "ParticipioFemSing", "ParticipioMasSing", "FemSingIndet",   "MasSingIndet",
      "FemPlurIndet",      "MasPlurIndet",      "Infinito",          "FemSingIn",      "MasSingIn",
      "FemPlurIn",         "MasPlurIn",         "FemSingIndetA",     "MasSingIndetA",  "FemPlurIndetA",
      "MasPlurIndetA",     "FemSingIndetDi",    "MasSingIndetDi",    "FemPlurIndetDi", "MasPlurIndetDi",
      "FemSingSenza",      "MasSingSenza",      "FemPlurSenza",      "MasPlurSenza",   "FemSingCon",
      "MasSingCon",        "FemPlurCon",        "MasPlurCon"};
  EXPECT_EQ(parole_chiave, attese);
}

TEST(ParoleChiave, OgnunaHaUnPassaggioProvato) {
  for (const auto parola : parole_chiave) {
    const bool provata =
        std::any_of(std::begin(passaggi), std::end(passaggi), [&](const Caso& caso) { return caso.forma == parola; });
    EXPECT_TRUE(provata) << parola;
  }
}

}  // namespace
}  // namespace talewick
