#pragma once
// The keys the correction pass (and the number rewrites) write into a slot's marker right
// before running a rewrite; each keyed rewrite acts only when the marker equals one of its own.
#include <string_view>

namespace talewick::chiave {

// Number of nouns and adjectives.
inline constexpr std::string_view al_maschile_plurale = "AlMaschilePlurale";
inline constexpr std::string_view al_femminile_plurale = "AlFemminilePlurale";
inline constexpr std::string_view aggettivi_al_femminile_singolare = "AggettiviAlFemminileSingolare";

// Articles.
inline constexpr std::string_view determinativi_al_maschile_plurale = "DeterminativiAlMaschilePlurale";
inline constexpr std::string_view determinativi_al_femminile_plurale = "DeterminativiAlFemminilePlurale";
inline constexpr std::string_view partitivi_maschili_singolari = "DaDeterminativiAPartitiviMaschiliSingolari";
inline constexpr std::string_view partitivi_femminili_singolari = "DaDeterminativiAPartitiviFemminiliSingolari";
inline constexpr std::string_view partitivi_maschili_plurali = "DaDeterminativiAPartitiviMaschiliPlurali";
inline constexpr std::string_view partitivi_femminili_plurali = "DaDeterminativiAPartitiviFemminiliPlurali";
inline constexpr std::string_view indeterminativi_maschili_singolari =
    "DaDeterminativiAIndeterminativiMaschiliSingolari";
inline constexpr std::string_view indeterminativi_femminili_singolari =
    "DaDeterminativiAIndeterminativiFemminiliSingolari";
inline constexpr std::string_view indeterminativi_maschili_plurali = "DaDeterminativiAIndeterminativiMaschiliPlurali";
inline constexpr std::string_view indeterminativi_femminili_plurali = "DaDeterminativiAIndeterminativiFemminiliPlurali";

// Articulated prepositions.
inline constexpr std::string_view in_preposizione_su = "InPreposizioneSu";
inline constexpr std::string_view in_preposizione_a = "InPreposizioneA";
inline constexpr std::string_view in_preposizione_in = "InPreposizioneIn";
inline constexpr std::string_view in_preposizione_da = "InPreposizioneDa";

// Verb forms; "Infinito" is also a keyword, and the pass leaves it in place.
inline constexpr std::string_view al_maschile_plur = "AlMaschilePlur";
inline constexpr std::string_view al_femminile_plur = "AlFemminilePlur";
inline constexpr std::string_view al_femminile_sing = "AlFemminileSing";
inline constexpr std::string_view al_maschile_sing = "AlMaschileSing";
inline constexpr std::string_view infinito = "Infinito";

}  // namespace talewick::chiave
