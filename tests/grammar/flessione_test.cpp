#include "grammar/flessione.hpp"

#include "casi.hpp"
#include "grammar/correzione.hpp"

namespace talewick {
namespace {

using prova::Caso;

constexpr const char* mas = "AlMaschilePlurale";
constexpr const char* fem = "AlFemminilePlurale";
constexpr const char* det_mas = "DeterminativiAlMaschilePlurale";
constexpr const char* det_fem = "DeterminativiAlFemminilePlurale";

const Caso maschile_plurale[] = {
    {"co_diventa_ci", mas, "Il fuoco", "I fuoci", det_mas},
    {"co_m_diventa_chi", mas, "Il fuoco[m]", "I fuochi", det_mas},
    {"co_fm_diventa_chi", mas, "Il parco[fm]", "I parchi", det_mas},
    {"go_m_diventa_ghi", mas, "Il lago[m]", "I laghi", det_mas},
    {"go_fm_diventa_ghi", mas, "Il mago[fm]", "I maghi", det_mas},
    {"io_m_diventa_i", mas, "Lo specchio[m]", "Gli specchi", det_mas},
    {"io_fm_diventa_i", mas, "L'occhio[fm]", "Gli occhi", det_mas},
    {"o_diventa_i", mas, "Lo gnomo", "Gli gnomi", det_mas},
    {"go_senza_indizio_prende_la_regola_o", mas, "Il drago", "I dragi", det_mas},
    {"tore_diventa_tori", mas, "Il guaritore", "I guaritori", det_mas},
    {"e_diventa_i", mas, "Il cane", "I cani", det_mas},
    {"a_diventa_i", mas, "Il poeta", "I poeti", det_mas},
    {"altra_lettera_resta", mas, "Il bar", "I bar", det_mas},
    {"l_apostrofo_diventa_gli", mas, "L'amico", "Gli amici", det_mas},
    {"toglie_l_indizio_femminile", mas, "L'amica[f]", "Gli amici", det_mas},
    {"indizio_femminile_non_vale_al_maschile", mas, "Il fuoco[f]", "I fuoci", det_mas},
    {"indizio_non_consumato_va_con_gli_altri_tag", mas, "Il bar[m]", "I bar", det_mas},
    {"tag_di_categoria_nasconde_la_desinenza", mas, "Il lupo[an]", "I lupo", det_mas},
    {"trattino_tiene_articolo_desinenza_e_tag", mas, "Il re[-]", "Il re[-]", det_mas},
    {"plurale_irregolare", mas, "L'uomo|Gli uomini", "Gli uomini", det_mas},
    {"plurale_irregolare_con_indizio", mas, "Il dio[m]|Gli dei", "Gli dei", det_mas},
    {"indizio_femminile_lascia_il_maschile_morbido", mas, "magico[f]", "magici", det_mas},
    {"chiave_del_verbo_non_basta", "AlMaschilePlur", "Il fuoco[m]", "Il fuoco[m]"},
    {"chiave_dell_altro_genere_non_basta", fem, "Il fuoco[m]", "Il fuoco[m]"},
};
TABELLA_RISCRITTURA(MaschilePlurale, Correggi_al_Maschile_Plurale, maschile_plurale);

const Caso femminile_plurale[] = {
    {"co_f_diventa_che", fem, "magico[f]", "magiche", det_fem},
    {"co_fm_diventa_che", fem, "bianco[fm]", "bianche", det_fem},
    {"ca_f_diventa_che", fem, "L'amica[f]", "Le amiche", det_fem},
    {"ca_fm_diventa_che", fem, "La barca[fm]", "Le barche", det_fem},
    {"ga_f_diventa_ghe", fem, "La riga[f]", "Le righe", det_fem},
    {"ga_fm_diventa_ghe", fem, "La strega[fm]", "Le streghe", det_fem},
    {"go_f_diventa_ghe", fem, "lungo[f]", "lunghe", det_fem},
    {"go_fm_diventa_ghe", fem, "largo[fm]", "larghe", det_fem},
    {"io_f_diventa_e", fem, "liscio[f]", "lisce", det_fem},
    {"io_fm_diventa_e", fem, "saggio[fm]", "sagge", det_fem},
    {"ia_f_diventa_e", fem, "L'ascia[f]", "Le asce", det_fem},
    {"ia_fm_diventa_e", fem, "La spiaggia[fm]", "Le spiagge", det_fem},
    {"one_resta_e_ferma_le_regole", fem, "chiacchierone", "chiacchierone", det_fem},
    {"tore_diventa_trici", fem, "guaritore", "guaritrici", det_fem},
    {"e_diventa_i", fem, "La volpe", "Le volpi", det_fem},
    {"o_diventa_e", fem, "rosso", "rosse", det_fem},
    {"a_diventa_e", fem, "La spada", "Le spade", det_fem},
    {"l_apostrofo_diventa_le", fem, "L'isola", "Le isole", det_fem},
    {"amiche_non_ripassa_dalla_regola_e", fem, "L'amica[f]", "Le amiche", det_fem},
    {"ca_senza_indizio", fem, "L'amica", "Le amice", det_fem},
    {"co_senza_indizio", fem, "magico", "magice", det_fem},
    {"toglie_l_indizio_maschile", fem, "fuoco[m]", "fuoce", det_fem},
    {"trattino_tiene_articolo_desinenza_e_tag", fem, "La luce[-]", "La luce[-]", det_fem},
    {"plurale_irregolare", fem, "L'uomo|Gli uomini", "Gli uomini", det_fem},
    {"plurale_irregolare_femminile", fem, "Il paio|Le paia", "Le paia", det_fem},
    {"chiave_del_verbo_non_basta", "AlFemminilePlur", "La spada", "La spada"},
    {"chiave_dell_altro_genere_non_basta", mas, "La strega[fm]", "La strega[fm]"},
};
TABELLA_RISCRITTURA(FemminilePlurale, Correggi_al_Femminile_Plurale, femminile_plurale);

constexpr const char* agg_fem = "AggettiviAlFemminileSingolare";

const Caso aggettivi_femminile_singolare[] = {
    {"o_diventa_a", agg_fem, "rosso", "rossa"},
    {"one_diventa_ona", agg_fem, "chiacchierone", "chiacchierona"},
    {"tore_diventa_trice", agg_fem, "traditore", "traditrice"},
    {"altra_desinenza_resta", agg_fem, "verde", "verde"},
    {"toglie_prima_i_tag", agg_fem, "magico[fm]", "magica"},
    {"plurale_irregolare_ridotto_al_singolare", agg_fem, "buono|buoni", "buona"},
    {"parola_chiave_non_e_una_chiave", "AggFemSing", "rosso[col]", "rosso[col]"},
};
TABELLA_RISCRITTURA(AggettiviFemminileSingolare, Correggi_Aggettivi_al_Femminile_Singolare,
                    aggettivi_femminile_singolare);

// No key: they act whatever the marker.
const Caso iniziali_minuscole[] = {
    {"articolo", "", "La spada", "la spada"},
    {"lettera_accentata", "", "È", "è"},
    {"lettera_accentata_davanti_a_altro", "FemSingCon", "Ègida", "ègida"},
    {"gia_minuscola", "", "spada", "spada"},
    {"non_una_lettera", "", "'La", "'La"},
    {"solo_la_prima_lettera", "", "La Spada", "la Spada"},
    {"valore_vuoto", "", "", ""},
};
TABELLA_RISCRITTURA(InizialeMinuscola, Iniziale_Stringa_Minuscola, iniziali_minuscole);

const Caso iniziali_maiuscole[] = {
    {"participio", "", "rubata", "Rubata"},
    {"lettera_accentata", "", "è", "È"},
    {"lettera_accentata_davanti_a_altro", "AlMaschileSing", "òmbra", "Òmbra"},
    {"gia_maiuscola", "", "Rubata", "Rubata"},
    {"non_una_lettera", "", "[tr]", "[tr]"},
    {"valore_vuoto", "", "", ""},
};
TABELLA_RISCRITTURA(InizialeMaiuscola, Iniziale_Stringa_Maiuscola, iniziali_maiuscole);

}  // namespace
}  // namespace talewick
