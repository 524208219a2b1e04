#pragma once
// The option set the generators read, with its start-up defaults, and the fixed lists the
// window offers for it.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace talewick {

struct Opzioni {
  std::string CosaGenerare = "Nomi Edifici";
  std::string TipoNomi = "Generico";
  std::string Min = "2";
  std::string Max = "3";
  bool Aggettivi = true;
  std::string ComboOpzioni = "Genera qualsiasi oggetto";
  std::string NomePers = "La Locanda";
  std::string EdificiPred = "- Nome Personalizzato -";
  std::string NumeroNomi = "10";
};

// The nine generation kinds, in list order.
inline constexpr std::array<std::string_view, 9> tipi_generazione = {
    "Descrizione Pozioni", "Nomi Divinità",   "Nomi Edifici",     "Nomi Gruppi", "Nomi Oggetti Intelligenti",
    "Nomi Oggetti Magici", "Nomi Personaggi", "Spunti Avventure", "Titoli Libri"};

// The longest name length in syllables: no name has a thousand.
inline constexpr long long lunghezza_massima = 1000;

inline constexpr std::string_view inglese_composto = "Inglese Composto";

struct Popolo {
  std::string_view nome;
  int min = 0;  // 0 for "Inglese Composto", whose length boxes read "X"
  int max = 0;
};

// The peoples of `TipoNomi`, in list order, with their default syllable range.
inline constexpr std::array<Popolo, 11> popoli = {{{"Demone", 2, 3},
                                                   {"Elfo", 2, 3},
                                                   {"Elfo Oscuro", 2, 3},
                                                   {"Generico", 2, 3},
                                                   {"Gnomo", 2, 3},
                                                   {"Inglese Composto", 0, 0},
                                                   {"Mezzuomo", 2, 2},
                                                   {"Nano", 2, 2},
                                                   {"Orco", 2, 2},
                                                   {"Orientale", 2, 3},
                                                   {"Troll", 2, 2}}};

// Their names alone, for lists and messages.
inline constexpr auto nomi_popoli = [] {
  std::array<std::string_view, popoli.size()> nomi{};
  for (std::size_t i = 0; i < popoli.size(); ++i) nomi[i] = popoli[i].nome;
  return nomi;
}();

inline constexpr std::array<std::string_view, 3> opzioni_oggetti = {
    "Genera qualsiasi oggetto", "Genera solo nomi di armi", "Genera solo nomi di oggetti"};

inline constexpr std::array<std::string_view, 7> edifici_predefiniti = {
    "- Nome Personalizzato -", "La Fucina", "La Gilda", "La Locanda", "La Taverna", "L'Armeria", "L'Emporio"};

std::optional<Popolo> Cerca_Popolo(std::string_view nome);

// The whole-number value of a text of digits, as the window's number boxes hold them;
// nothing for any other text.
std::optional<long long> Valore_Intero(std::string_view testo);

}  // namespace talewick
