#include "grammar/verbi.hpp"

#include "casi.hpp"

namespace talewick {
namespace {

using prova::Caso;

constexpr const char* fem_plur = "AlFemminilePlur";
constexpr const char* mas_plur = "AlMaschilePlur";
constexpr const char* fem_sing = "AlFemminileSing";
constexpr const char* mas_sing = "AlMaschileSing";

const Caso passato_prossimo[] = {
    {"essere_femminile_plurale", fem_plur, "è fuggito", "sono fuggite"},
    {"essere_maschile_plurale", mas_plur, "è fuggito", "sono fuggiti"},
    {"essere_femminile_singolare", fem_sing, "è fuggito", "è fuggita"},
    {"avere_femminile_plurale", fem_plur, "ha rubato", "hanno rubato"},
    {"avere_maschile_plurale", mas_plur, "ha rubato", "hanno rubato"},
    {"avere_femminile_singolare", fem_sing, "ha rubato", "ha rubato"},
    {"toglie_prima_i_tag", mas_plur, "è caduto[intr]", "sono caduti"},
    {"senza_o_finale_non_accorda", fem_plur, "è andato via", "sono andato via"},
    {"maschile_singolare_non_e_una_sua_chiave", mas_sing, "è fuggito[intr]", "è fuggito[intr]"},
    {"chiave_dei_nomi_non_basta", "AlMaschilePlurale", "è fuggito", "è fuggito"},
};
TABELLA_RISCRITTURA(PassatoProssimo, Correggi_Verbi_Passato_Prossimo, passato_prossimo);

const Caso participio_passato[] = {
    {"femminile_plurale", fem_plur, "ha incantato[tr]", "Incantate"},
    {"maschile_plurale", mas_plur, "ha incantato[tr]", "Incantati"},
    {"femminile_singolare", fem_sing, "ha incantato[tr]", "Incantata"},
    {"maschile_singolare_tiene_i_tag", mas_sing, "ha incantato[tr]", "Incantato[tr]"},
    {"con_essere", mas_plur, "è caduto", "Caduti"},
    {"ultima_lettera_accentata_sostituita_intera", fem_sing, "è giù", "Gia"},
    {"prima_lettera_accentata", fem_plur, "ha èbbro", "Èbbre"},
    {"valore_vuoto", fem_plur, "", ""},
    {"solo_ausiliare", mas_plur, "è ", ""},
    {"altro_marcatore_solo_parte_comune", "", "ha rubato[tr]", "Rubato[tr]"},
};
TABELLA_RISCRITTURA(ParticipioPassato, Correggi_Verbi_Participio_Passato, participio_passato);

constexpr const char* inf = "Infinito";

// One row per line of the infinitive table, in its order; then how the rows combine.
const Caso infiniti[] = {
    {"ulso", inf, "ha espulso", "espellere"},
    {"usso", inf, "ha discusso", "discutere"},
    {"mosso_prima_di_sso", inf, "ha mosso", "muovere"},
    {"cosso_prima_di_sso", inf, "ha scosso", "scuotere"},
    {"lso", inf, "è valso", "valere"},
    {"esso_1", inf, "ha espresso[1]", "esprimere"},
    {"esso_2", inf, "ha messo[2]", "mettere"},
    {"sso", inf, "ha concesso", "concedere"},
    {"orso_1", inf, "è corso[1]", "correre"},
    {"orso_2", inf, "ha morso[2]", "mordere"},
    {"asto_1", inf, "è rimasto[1]", "rimanere"},
    {"esto_1", inf, "ha chiesto[1]", "chiedere"},
    {"issuto", inf, "è vissuto", "vivere"},
    {"isto_1", inf, "ha visto[1]", "vedere"},
    {"erto_3", inf, "ha aperto[3]", "aprire"},
    {"orto_4", inf, "è morto[4]", "morire"},
    {"rto_1", inf, "è sorto[1]", "sorgere"},
    {"rto_2", inf, "ha torto[2]", "torcere"},
    {"utto", inf, "ha distrutto", "distruggere"},
    {"itto_1", inf, "ha scritto[1]", "scrivere"},
    {"itto_2", inf, "ha afflitto[2]", "affliggere"},
    {"itto_3", inf, "itto[3]", "ire"},
    {"otto_1", inf, "ha condotto[1]", "condurre"},
    {"otto_2", inf, "ha cotto[2]", "cuocere"},
    {"otto_3", inf, "ha rotto[3]", "rompere"},
    {"etto_1", inf, "ha detto[1]", "dire"},
    {"etto_2", inf, "ha eretto[2]", "erigere"},
    {"etto_3", inf, "ha letto[3]", "leggere"},
    {"etto_4", inf, "ha stretto[4]", "stringere"},
    {"uso_3", inf, "ha fuso[3]", "fondere"},
    {"erso_1", inf, "ha perso[1]", "perdere"},
    {"erso_2", inf, "ha immerso[2]", "immergere"},
    {"arso_1", inf, "ha sparso[1]", "spargere"},
    {"arso_2", inf, "è parso[2]", "parere"},
    {"arso_3", inf, "è apparso[3]", "apparire"},
    {"so_1", inf, "ha ucciso[1]", "uccidere"},
    {"so_2", inf, "ha preso[2]", "prendere"},
    {"lto_1", inf, "ha volto[1]", "volgere"},
    {"lto_2", inf, "ha risolto[2]", "risolvere"},
    {"lto_3", inf, "lto[3]", "lcere"},
    {"lto_4", inf, "ha raccolto[4]", "raccogliere"},
    {"into_1", inf, "ha dipinto[1]", "dipingere"},
    {"into_2", inf, "ha estinto[2]", "estinguere"},
    {"nto_1", inf, "è giunto[1]", "giungere"},
    {"nto_2", inf, "nto[2]", "nvere"},
    {"nto_3", inf, "ha vinto[3]", "vincere"},
    {"nto_4", inf, "ha spento[4]", "spegnere"},
    {"nto_5", inf, "ha assunto[5]", "assumere"},
    {"atto_1", inf, "ha tratto[1]", "trarre"},
    {"atto_2", inf, "ha fatto[2]", "fare"},
    {"atto_3", inf, "ha redatto[3]", "redigere"},
    {"osto_1", inf, "ha posto[1]", "porre"},
    {"osto_2", inf, "ha nascosto[2]", "nascondere"},
    {"ato_1", inf, "è nato[1]", "nascere"},
    {"ato", inf, "ha parlato", "parlare"},
    {"uto_1", inf, "è venuto[1]", "venire"},
    {"evuto_2", inf, "ha bevuto[2]", "bere"},
    {"iuto_3", inf, "è piaciuto[3]", "piacere"},
    {"uto", inf, "ha temuto", "temere"},
    {"ito_1", inf, "è esistito[1]", "esistere"},
    {"ito", inf, "ha colpito", "colpire"},
    {"ausiliare_avere_cade", inf, "ha ", ""},
    {"ausiliare_essere_cade", inf, "è ", ""},
    {"numero_senza_riga_resta_col_suo_tag", inf, "ha rimasto[2]", "rimasto[2]"},
    {"riga_senza_numero_lascia_il_tag", inf, "ha parlato[2]", "parlare[2]"},
    {"altri_tag_restano", inf, "ha scritto[1][tr]", "scrivere[tr]"},
    {"ogni_parola_che_finisce_con_la_riga", inf, "ha cantato e ha danzato", "cantare e danzare"},
    {"uto_dentro_la_parola_resta", inf, "ha ammutolito", "ammutolire"},
    {"sso_dentro_la_parola_resta", inf, "ha assopito", "assopire"},
    {"sso_e_ato_dentro_la_parola", inf, "ha dissotterrato", "dissotterrare"},
    {"sso_prima_di_lto_2", inf, "ha assolto[2]", "assolvere"},
    {"rto_2_dopo_ito_dentro", inf, "ha ritorto[2]", "ritorcere"},
    {"riga_prima_di_un_altro_tag", inf, "ha scritto[1][tr][ogg:og]", "scrivere[tr][ogg:og]"},
    {"marcatore_minuscolo_non_basta", "infinito", "ha scritto[1]", "ha scritto[1]"},
};
TABELLA_RISCRITTURA(Infinito, Correggi_Passato_Prossimo_in_Infinito, infiniti);

}  // namespace
}  // namespace talewick
