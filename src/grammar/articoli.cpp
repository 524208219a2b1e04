#include "grammar/articoli.hpp"

#include "grammar/chiavi.hpp"
#include "grammar/correzione.hpp"
#include "grammar/regole.hpp"
#include "wordstore/testo.hpp"

namespace talewick {
namespace {

constexpr RigaChiave determinativi_plurali[] = {
    {chiave::determinativi_al_maschile_plurale, {"Il ", "I "}},
    {chiave::determinativi_al_maschile_plurale, {"Lo ", "Gli "}},
    {chiave::determinativi_al_maschile_plurale, {"L'", "Gli "}},
    {chiave::determinativi_al_femminile_plurale, {"La ", "Le "}},
    {chiave::determinativi_al_femminile_plurale, {"L'", "Le "}},
};

constexpr RigaChiave partitivi[] = {
    {chiave::partitivi_maschili_singolari, {"Il ", "del "}},
    {chiave::partitivi_maschili_singolari, {"Lo ", "dello "}},
    {chiave::partitivi_maschili_singolari, {"L'", "dell'"}},
    {chiave::partitivi_femminili_singolari, {"La ", "della "}},
    {chiave::partitivi_femminili_singolari, {"L'", "dell'"}},
};

constexpr RigaChiave partitivi_plurali[] = {
    {chiave::partitivi_maschili_plurali, {"I ", "dei "}},   {chiave::partitivi_maschili_plurali, {"Gli ", "degli "}},
    {chiave::partitivi_maschili_plurali, {"L'", "dell'"}},  {chiave::partitivi_femminili_plurali, {"Le ", "delle "}},
    {chiave::partitivi_femminili_plurali, {"L'", "dell'"}},
};

constexpr RigaChiave indeterminativi[] = {
    {chiave::indeterminativi_maschili_singolari, {"Il ", "Un "}},
    {chiave::indeterminativi_maschili_singolari, {"Lo ", "Uno "}},
    {chiave::indeterminativi_maschili_singolari, {"L'", "Un "}},
    {chiave::indeterminativi_femminili_singolari, {"La ", "Una "}},
    {chiave::indeterminativi_femminili_singolari, {"L'", "Un'"}},
    {chiave::indeterminativi_maschili_plurali, {"I ", "Dei "}},
    {chiave::indeterminativi_maschili_plurali, {"Gli ", "Degli "}},
    {chiave::indeterminativi_maschili_plurali, {"L'", "Dell'"}},
    {chiave::indeterminativi_femminili_plurali, {"Le ", "Delle "}},
    {chiave::indeterminativi_femminili_plurali, {"L'", "Dell'"}},
};

constexpr RigaChiave indeterminativi_di[] = {
    {chiave::indeterminativi_maschili_singolari, {"Il ", "Di un "}},
    {chiave::indeterminativi_maschili_singolari, {"Lo ", "Di uno "}},
    {chiave::indeterminativi_maschili_singolari, {"L'", "Di un "}},
    {chiave::indeterminativi_femminili_singolari, {"La ", "Di una "}},
    {chiave::indeterminativi_femminili_singolari, {"L'", "Di un'"}},
    {chiave::indeterminativi_maschili_plurali, {"I ", "Di alcuni "}},
    {chiave::indeterminativi_maschili_plurali, {"Gli ", "Di alcuni "}},
    {chiave::indeterminativi_maschili_plurali, {"L'", "Di alcuni "}},
    {chiave::indeterminativi_femminili_plurali, {"Le ", "Di alcune "}},
    {chiave::indeterminativi_femminili_plurali, {"L'", "Di alcune "}},
};

constexpr RigaChiave indeterminativi_a[] = {
    {chiave::indeterminativi_maschili_singolari, {"Il ", "Ad un "}},
    {chiave::indeterminativi_maschili_singolari, {"Lo ", "Ad uno "}},
    {chiave::indeterminativi_maschili_singolari, {"L'", "Ad un "}},
    {chiave::indeterminativi_femminili_singolari, {"La ", "Ad una "}},
    {chiave::indeterminativi_femminili_singolari, {"L'", "Ad un'"}},
    {chiave::indeterminativi_maschili_plurali, {"I ", "A dei "}},
    {chiave::indeterminativi_maschili_plurali, {"Gli ", "A degli "}},
    {chiave::indeterminativi_maschili_plurali, {"L'", "A dell'"}},
    {chiave::indeterminativi_femminili_plurali, {"Le ", "A delle "}},
    {chiave::indeterminativi_femminili_plurali, {"L'", "A dell'"}},
};

constexpr Sostituzione articoli_cancellati[] = {
    {"Il ", ""}, {"Lo ", ""}, {"L'", ""}, {"I ", ""}, {"Gli ", ""}, {"La ", ""}, {"Le ", ""},
};

bool E_Vocale(std::int32_t cp) {
  constexpr std::u32string_view vocali = U"aeiouàáâèéêìíîòóôùúû";
  return cp > 0 && vocali.find(static_cast<char32_t>(cp)) != std::u32string_view::npos;
}

}  // namespace

std::string_view Articolo_Determinativo(std::string_view parola, bool maschile) {
  const auto caratteri = Caratteri(In_Minuscolo(parola));
  const std::int32_t c0 = caratteri.empty() ? 0 : caratteri[0].cp;
  const std::int32_t c1 = caratteri.size() > 1 ? caratteri[1].cp : 0;
  const bool i_semivocale = c0 == 'i' && E_Vocale(c1);
  const bool vocale = (E_Vocale(c0) && !i_semivocale) || (c0 == 'h' && E_Vocale(c1));
  if (maschile) {
    const bool s_impura = c0 == 's' && E_Lettera(c1) && !E_Vocale(c1);
    if (s_impura || c0 == 'z' || (c0 == 'g' && c1 == 'n') || (c0 == 'p' && (c1 == 's' || c1 == 'n')) || c0 == 'x' ||
        c0 == 'y' || i_semivocale) {
      return "Lo ";
    }
    return vocale ? "L'" : "Il ";
  }
  return vocale ? "L'" : "La ";
}

void Correggi_in_Articoli_Determinativi_Plurali(Dato& dato) {
  if (dato.valore_dato.find("[-]") != std::string::npos) return;
  Applica_Per_Chiave(dato, determinativi_plurali);
}

void Correggi_Articoli_Determinativi_in_Articoli_Partitivi(Dato& dato) { Applica_Per_Chiave(dato, partitivi); }

void Correggi_Articoli_Determinativi_in_Articoli_Partitivi_Plurali(Dato& dato) {
  Applica_Per_Chiave(dato, partitivi_plurali);
}

void Correggi_Articoli_Determinativi_in_Articoli_Indeterminativi(Dato& dato) {
  Applica_Per_Chiave(dato, indeterminativi);
}

void Correggi_Articoli_Determinativi_in_Articoli_Indeterminativi_Di(Dato& dato) {
  Applica_Per_Chiave(dato, indeterminativi_di);
}

void Correggi_Articoli_Determinativi_in_Articoli_Indeterminativi_A(Dato& dato) {
  Applica_Per_Chiave(dato, indeterminativi_a);
}

void Cancella_Articolo(Dato& dato) { Applica_Sostituzioni(dato.valore_dato, articoli_cancellati); }

}  // namespace talewick
