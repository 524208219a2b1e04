#include "grammar/articoli.hpp"

#include "casi.hpp"
#include "grammar/correzione.hpp"

namespace talewick {
namespace {

using prova::Caso;

constexpr const char* det_mas = "DeterminativiAlMaschilePlurale";
constexpr const char* det_fem = "DeterminativiAlFemminilePlurale";

// The number rewrites have already given the noun its plural ending when this runs.
const Caso determinativi_plurali[] = {
    {"il_diventa_i", det_mas, "Il draghi", "I draghi"},
    {"lo_diventa_gli", det_mas, "Lo gnomi", "Gli gnomi"},
    {"l_apostrofo_maschile_diventa_gli", det_mas, "L'elfi", "Gli elfi"},
    {"la_diventa_le", det_fem, "La spade", "Le spade"},
    {"l_apostrofo_femminile_diventa_le", det_fem, "L'asce", "Le asce"},
    {"toglie_i_tag", det_mas, "Il draghi[m][an]", "I draghi"},
    {"trattino_non_cambia_nulla_neppure_i_tag", det_fem, "La spada[-][f]", "La spada[-][f]"},
    {"trattino_in_mezzo_al_valore", det_mas, "Il re[-] nero", "Il re[-] nero"},
    {"femminile_non_ha_la_riga_il", det_fem, "Il drago[m]", "Il drago"},
    {"maschile_non_ha_la_riga_la", det_mas, "La spade", "La spade"},
    {"articolo_minuscolo_resta", det_fem, "la spade", "la spade"},
    {"ogni_occorrenza", det_mas, "Il re e Il draghi", "I re e I draghi"},
    {"altro_marcatore_non_tocca_neppure_i_tag", "AlMaschilePlurale", "Il drago[m]", "Il drago[m]"},
    {"parola_chiave_non_e_una_chiave", "MasPlurDet", "Il drago[m]", "Il drago[m]"},
};
TABELLA_RISCRITTURA(DeterminativiPlurali, Correggi_in_Articoli_Determinativi_Plurali, determinativi_plurali);

constexpr const char* part_mas = "DaDeterminativiAPartitiviMaschiliSingolari";
constexpr const char* part_fem = "DaDeterminativiAPartitiviFemminiliSingolari";

const Caso partitivi[] = {
    {"il_diventa_del", part_mas, "Il pane", "del pane"},
    {"lo_diventa_dello", part_mas, "Lo gnomo", "dello gnomo"},
    {"l_apostrofo_maschile_diventa_dell", part_mas, "L'oro", "dell'oro"},
    {"la_diventa_della", part_fem, "La birra", "della birra"},
    {"l_apostrofo_femminile_diventa_dell", part_fem, "L'acqua", "dell'acqua"},
    {"toglie_i_tag", part_mas, "Lo scudo[m][ar]", "dello scudo"},
    {"plurale_irregolare_ridotto_al_singolare", part_mas, "L'uovo|Le uova", "dell'uovo"},
    {"femminile_non_ha_la_riga_il", part_fem, "Il pane", "Il pane"},
    {"maschile_non_ha_la_riga_la", part_mas, "La birra", "La birra"},
    {"ogni_occorrenza", part_mas, "Il re e Il drago", "del re e del drago"},
    {"articolo_minuscolo_resta", part_mas, "del pane", "del pane"},
    {"altro_marcatore_non_tocca_neppure_i_tag", "MasSingPart", "Il pane[ci]", "Il pane[ci]"},
};
TABELLA_RISCRITTURA(Partitivi, Correggi_Articoli_Determinativi_in_Articoli_Partitivi, partitivi);

constexpr const char* part_mas_plur = "DaDeterminativiAPartitiviMaschiliPlurali";
constexpr const char* part_fem_plur = "DaDeterminativiAPartitiviFemminiliPlurali";

const Caso partitivi_plurali[] = {
    {"i_diventa_dei", part_mas_plur, "I funghi", "dei funghi"},
    {"gli_diventa_degli", part_mas_plur, "Gli gnomi", "degli gnomi"},
    {"l_apostrofo_maschile_diventa_dell", part_mas_plur, "L'oro[-]", "dell'oro"},
    {"le_diventa_delle", part_fem_plur, "Le mele", "delle mele"},
    {"l_apostrofo_femminile_diventa_dell", part_fem_plur, "L'acqua[-]", "dell'acqua"},
    {"articolo_singolare_resta", part_mas_plur, "Il pane", "Il pane"},
    {"chiave_singolare_non_basta", part_mas, "I funghi[m]", "I funghi[m]"},
};
TABELLA_RISCRITTURA(PartitiviPlurali, Correggi_Articoli_Determinativi_in_Articoli_Partitivi_Plurali, partitivi_plurali);

constexpr const char* ind_ms = "DaDeterminativiAIndeterminativiMaschiliSingolari";
constexpr const char* ind_fs = "DaDeterminativiAIndeterminativiFemminiliSingolari";
constexpr const char* ind_mp = "DaDeterminativiAIndeterminativiMaschiliPlurali";
constexpr const char* ind_fp = "DaDeterminativiAIndeterminativiFemminiliPlurali";

const Caso indeterminativi[] = {
    {"il_diventa_un", ind_ms, "Il drago", "Un drago"},
    {"lo_diventa_uno", ind_ms, "Lo gnomo", "Uno gnomo"},
    {"l_apostrofo_maschile_diventa_un_senza_apostrofo", ind_ms, "L'elmo[m]", "Un elmo"},
    {"la_diventa_una", ind_fs, "La spada", "Una spada"},
    {"l_apostrofo_femminile_diventa_un_apostrofo", ind_fs, "L'ascia", "Un'ascia"},
    {"i_diventa_dei", ind_mp, "I draghi", "Dei draghi"},
    {"gli_diventa_degli", ind_mp, "Gli gnomi", "Degli gnomi"},
    {"l_apostrofo_maschile_plurale_diventa_dell", ind_mp, "L'oro[-]", "Dell'oro"},
    {"le_diventa_delle", ind_fp, "Le spade", "Delle spade"},
    {"l_apostrofo_femminile_plurale_diventa_dell", ind_fp, "L'acqua[-]", "Dell'acqua"},
    {"femminile_non_ha_la_riga_il", ind_fs, "Il drago", "Il drago"},
    {"altro_marcatore_non_tocca_neppure_i_tag", "MasSingIndet", "L'elmo[m]", "L'elmo[m]"},
};
TABELLA_RISCRITTURA(Indeterminativi, Correggi_Articoli_Determinativi_in_Articoli_Indeterminativi, indeterminativi);

const Caso indeterminativi_di[] = {
    {"il_diventa_di_un", ind_ms, "Il drago", "Di un drago"},
    {"lo_diventa_di_uno", ind_ms, "Lo gnomo", "Di uno gnomo"},
    {"l_apostrofo_maschile_diventa_di_un_senza_apostrofo", ind_ms, "L'orco", "Di un orco"},
    {"la_diventa_di_una", ind_fs, "La spada", "Di una spada"},
    {"l_apostrofo_femminile_diventa_di_un_apostrofo", ind_fs, "L'ascia", "Di un'ascia"},
    {"i_diventa_di_alcuni", ind_mp, "I draghi", "Di alcuni draghi"},
    {"gli_diventa_di_alcuni", ind_mp, "Gli gnomi", "Di alcuni gnomi"},
    {"l_apostrofo_maschile_plurale_diventa_di_alcuni", ind_mp, "L'elmo[-]", "Di alcuni elmo"},
    {"le_diventa_di_alcune", ind_fp, "Le fate", "Di alcune fate"},
    {"l_apostrofo_femminile_plurale_diventa_di_alcune", ind_fp, "L'ascia[-]", "Di alcune ascia"},
    {"altro_marcatore_non_tocca_neppure_i_tag", "FemSingIndetDi", "La spada[f]", "La spada[f]"},
};
TABELLA_RISCRITTURA(IndeterminativiDi, Correggi_Articoli_Determinativi_in_Articoli_Indeterminativi_Di,
                    indeterminativi_di);

const Caso indeterminativi_a[] = {
    {"il_diventa_ad_un", ind_ms, "Il drago", "Ad un drago"},
    {"lo_diventa_ad_uno", ind_ms, "Lo gnomo", "Ad uno gnomo"},
    {"l_apostrofo_maschile_diventa_ad_un_senza_apostrofo", ind_ms, "L'orco", "Ad un orco"},
    {"la_diventa_ad_una", ind_fs, "La regina", "Ad una regina"},
    {"l_apostrofo_femminile_diventa_ad_un_apostrofo", ind_fs, "L'elfa", "Ad un'elfa"},
    {"i_diventa_a_dei", ind_mp, "I nani", "A dei nani"},
    {"gli_diventa_a_degli", ind_mp, "Gli gnomi", "A degli gnomi"},
    {"l_apostrofo_maschile_plurale_diventa_a_dell", ind_mp, "L'oro[-]", "A dell'oro"},
    {"le_diventa_a_delle", ind_fp, "Le elfe", "A delle elfe"},
    {"l_apostrofo_femminile_plurale_diventa_a_dell", ind_fp, "L'acqua[-]", "A dell'acqua"},
    {"altro_marcatore_non_tocca_neppure_i_tag", "MasSingIndetA", "Il drago[m]", "Il drago[m]"},
};
TABELLA_RISCRITTURA(IndeterminativiA, Correggi_Articoli_Determinativi_in_Articoli_Indeterminativi_A, indeterminativi_a);

// No key: acts whatever the marker, and keeps the tags.
const Caso articoli_cancellati[] = {
    {"il", "", "Il pugnale", "pugnale"},
    {"lo", "", "Lo scudo", "scudo"},
    {"l_apostrofo", "", "L'ascia", "ascia"},
    {"i", "", "I guanti", "guanti"},
    {"gli", "", "Gli gnomi", "gnomi"},
    {"la", "", "La spada", "spada"},
    {"le", "", "Le spade", "spade"},
    {"senza_articolo_resta", "", "ascia", "ascia"},
    {"articolo_minuscolo_resta", "", "la spada", "la spada"},
    {"tiene_i_tag", "", "La spada[f]", "spada[f]"},
    {"ogni_occorrenza", "", "Il re e La regina", "re e regina"},
    {"non_legge_il_marcatore", "InPreposizioneSu", "La torre", "torre"},
};
TABELLA_RISCRITTURA(CancellaArticolo, Cancella_Articolo, articoli_cancellati);

}  // namespace
}  // namespace talewick
