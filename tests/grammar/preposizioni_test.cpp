#include "grammar/preposizioni.hpp"

#include "casi.hpp"

namespace talewick {
namespace {

using prova::Caso;

constexpr const char* su = "InPreposizioneSu";
constexpr const char* a = "InPreposizioneA";
constexpr const char* in = "InPreposizioneIn";
constexpr const char* da = "InPreposizioneDa";

const Caso preposizioni_su[] = {
    {"il_diventa_sul", su, "Il ponte", "sul ponte"},
    {"lo_diventa_sullo", su, "Lo scoglio", "sullo scoglio"},
    {"l_apostrofo_diventa_sull", su, "L'isola", "sull'isola"},
    {"la_diventa_sulla", su, "La torre", "sulla torre"},
    {"le_diventa_sulle", su, "Le mura", "sulle mura"},
    {"gli_diventa_sugli", su, "Gli alberi", "sugli alberi"},
    {"i_diventa_sui", su, "I monti", "sui monti"},
    {"articolo_minuscolo_perde_solo_i_tag", su, "la torre[f]", "la torre"},
    {"chiave_di_un_altra_preposizione", a, "La torre[f]", "La torre[f]"},
};
TABELLA_RISCRITTURA(PreposizioniSu, Correggi_Articoli_Determinativi_in_Preposizione_Articolate_Su, preposizioni_su);

const Caso preposizioni_a[] = {
    {"il_diventa_al", a, "Il re", "al re"},
    {"lo_diventa_allo", a, "Lo gnomo", "allo gnomo"},
    {"l_apostrofo_diventa_all", a, "L'uomo|Gli uomini", "all'uomo"},
    {"la_diventa_alla", a, "La spada", "alla spada"},
    {"le_diventa_alle", a, "Le streghe", "alle streghe"},
    {"gli_diventa_agli", a, "Gli dei", "agli dei"},
    {"i_diventa_ai", a, "I nani", "ai nani"},
    {"chiave_di_un_altra_preposizione", su, "La torre", "La torre"},
};
TABELLA_RISCRITTURA(PreposizioniA, Correggi_Articoli_Determinativi_in_Preposizione_Articolate_A, preposizioni_a);

const Caso preposizioni_in[] = {
    {"il_diventa_nel", in, "Il castello[m]", "nel castello"},
    {"lo_diventa_nello", in, "Lo stagno", "nello stagno"},
    {"l_apostrofo_diventa_nell", in, "L'antro", "nell'antro"},
    {"la_diventa_nella", in, "La grotta", "nella grotta"},
    {"le_diventa_nelle", in, "Le valli", "nelle valli"},
    {"gli_diventa_negli", in, "Gli abissi", "negli abissi"},
    {"i_diventa_nei", in, "I boschi", "nei boschi"},
    {"chiave_di_un_altra_preposizione", da, "Il castello[m]", "Il castello[m]"},
};
TABELLA_RISCRITTURA(PreposizioniIn, Correggi_Articoli_Determinativi_in_Preposizione_Articolate_In, preposizioni_in);

const Caso preposizioni_da[] = {
    {"il_diventa_dal", da, "Il mago", "dal mago"},
    {"lo_diventa_dallo", da, "Lo specchio", "dallo specchio"},
    {"l_apostrofo_diventa_dall", da, "L'oracolo", "dall'oracolo"},
    {"la_diventa_dalla", da, "La foresta", "dalla foresta"},
    {"le_diventa_dalle", da, "Le paludi", "dalle paludi"},
    {"gli_diventa_dagli", da, "Gli elfi", "dagli elfi"},
    {"i_diventa_dai", da, "I maghi", "dai maghi"},
    {"ogni_occorrenza", da, "Il re e La regina", "dal re e dalla regina"},
    {"chiave_di_un_altra_preposizione", in, "Lo specchio", "Lo specchio"},
};
TABELLA_RISCRITTURA(PreposizioniDa, Correggi_Articoli_Determinativi_in_Preposizione_Articolate_Da, preposizioni_da);

}  // namespace
}  // namespace talewick
