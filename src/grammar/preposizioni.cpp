#include "grammar/preposizioni.hpp"

#include "grammar/chiavi.hpp"
#include "grammar/regole.hpp"

namespace talewick {
namespace {

using chiave::in_preposizione_a;
using chiave::in_preposizione_da;
using chiave::in_preposizione_in;
using chiave::in_preposizione_su;

constexpr RigaChiave preposizioni_su[] = {
    {in_preposizione_su, {"Il ", "sul "}},   {in_preposizione_su, {"Lo ", "sullo "}},
    {in_preposizione_su, {"L'", "sull'"}},   {in_preposizione_su, {"La ", "sulla "}},
    {in_preposizione_su, {"Le ", "sulle "}}, {in_preposizione_su, {"Gli ", "sugli "}},
    {in_preposizione_su, {"I ", "sui "}},
};

constexpr RigaChiave preposizioni_a[] = {
    {in_preposizione_a, {"Il ", "al "}},   {in_preposizione_a, {"Lo ", "allo "}},
    {in_preposizione_a, {"L'", "all'"}},   {in_preposizione_a, {"La ", "alla "}},
    {in_preposizione_a, {"Le ", "alle "}}, {in_preposizione_a, {"Gli ", "agli "}},
    {in_preposizione_a, {"I ", "ai "}},
};

constexpr RigaChiave preposizioni_in[] = {
    {in_preposizione_in, {"Il ", "nel "}},   {in_preposizione_in, {"Lo ", "nello "}},
    {in_preposizione_in, {"L'", "nell'"}},   {in_preposizione_in, {"La ", "nella "}},
    {in_preposizione_in, {"Le ", "nelle "}}, {in_preposizione_in, {"Gli ", "negli "}},
    {in_preposizione_in, {"I ", "nei "}},
};

constexpr RigaChiave preposizioni_da[] = {
    {in_preposizione_da, {"Il ", "dal "}},   {in_preposizione_da, {"Lo ", "dallo "}},
    {in_preposizione_da, {"L'", "dall'"}},   {in_preposizione_da, {"La ", "dalla "}},
    {in_preposizione_da, {"Le ", "dalle "}}, {in_preposizione_da, {"Gli ", "dagli "}},
    {in_preposizione_da, {"I ", "dai "}},
};

}  // namespace

void Correggi_Articoli_Determinativi_in_Preposizione_Articolate_Su(Dato& dato) {
  Applica_Per_Chiave(dato, preposizioni_su);
}

void Correggi_Articoli_Determinativi_in_Preposizione_Articolate_A(Dato& dato) {
  Applica_Per_Chiave(dato, preposizioni_a);
}

void Correggi_Articoli_Determinativi_in_Preposizione_Articolate_In(Dato& dato) {
  Applica_Per_Chiave(dato, preposizioni_in);
}

void Correggi_Articoli_Determinativi_in_Preposizione_Articolate_Da(Dato& dato) {
  Applica_Per_Chiave(dato, preposizioni_da);
}

}  // namespace talewick
