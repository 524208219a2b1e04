// Every rewrite of the grammar against the rows of riscritture.tsv.
#include <algorithm>

#include "grammar/articoli.hpp"
#include "grammar/correzione.hpp"
#include "grammar/flessione.hpp"
#include "grammar/ordine.hpp"
#include "grammar/preposizioni.hpp"
#include "grammar/verbi.hpp"
#include "support/righe_dati.hpp"

namespace talewick {
namespace {

// Columns: marker, value before, value after, and the marker after when the rewrite writes one.
prova::Regole::mapped_type Riscrittura(void (*riscrittura)(Dato&)) {
  return [riscrittura](const std::vector<std::string>& c) {
    Dato dato;
    dato.forma_dato = c.at(0);
    dato.valore_dato = c.at(1);
    riscrittura(dato);
    EXPECT_EQ(dato.valore_dato, c.at(2));
    EXPECT_EQ(dato.forma_dato, c.size() > 3 ? c[3] : c[0]);
  };
}

const prova::Regole riscritture = {
    {"DeterminativiPlurali", Riscrittura(Correggi_in_Articoli_Determinativi_Plurali)},
    {"Partitivi", Riscrittura(Correggi_Articoli_Determinativi_in_Articoli_Partitivi)},
    {"PartitiviPlurali", Riscrittura(Correggi_Articoli_Determinativi_in_Articoli_Partitivi_Plurali)},
    {"Indeterminativi", Riscrittura(Correggi_Articoli_Determinativi_in_Articoli_Indeterminativi)},
    {"IndeterminativiDi", Riscrittura(Correggi_Articoli_Determinativi_in_Articoli_Indeterminativi_Di)},
    {"IndeterminativiA", Riscrittura(Correggi_Articoli_Determinativi_in_Articoli_Indeterminativi_A)},
    {"CancellaArticolo", Riscrittura(Cancella_Articolo)},
    {"PreposizioniSu", Riscrittura(Correggi_Articoli_Determinativi_in_Preposizione_Articolate_Su)},
    {"PreposizioniA", Riscrittura(Correggi_Articoli_Determinativi_in_Preposizione_Articolate_A)},
    {"PreposizioniIn", Riscrittura(Correggi_Articoli_Determinativi_in_Preposizione_Articolate_In)},
    {"PreposizioniDa", Riscrittura(Correggi_Articoli_Determinativi_in_Preposizione_Articolate_Da)},
    {"MaschilePlurale", Riscrittura(Correggi_al_Maschile_Plurale)},
    {"FemminilePlurale", Riscrittura(Correggi_al_Femminile_Plurale)},
    {"AggettiviFemminileSingolare", Riscrittura(Correggi_Aggettivi_al_Femminile_Singolare)},
    {"InizialeMinuscola", Riscrittura(Iniziale_Stringa_Minuscola)},
    {"InizialeMaiuscola", Riscrittura(Iniziale_Stringa_Maiuscola)},
    {"PassatoProssimo", Riscrittura(Correggi_Verbi_Passato_Prossimo)},
    {"ParticipioPassato", Riscrittura(Correggi_Verbi_Participio_Passato)},
    {"Infinito", Riscrittura(Correggi_Passato_Prossimo_in_Infinito)},
    // Columns: pronoun, infinitive, the two joined.
    {"ConPronome",
     [](const std::vector<std::string>& c) { EXPECT_EQ(Infinito_Con_Pronome(c.at(1), c.at(0)), c.at(2)); }},
    // Columns: preposition, infinitive, the two written together.
    {"ConPreposizione",
     [](const std::vector<std::string>& c) { EXPECT_EQ(Preposizione_Con_Infinito(c.at(0), c.at(1)), c.at(2)); }},
    // Columns: a feminine noun, its possible masculine words joined by "|".
    {"Maschili",
     [](const std::vector<std::string>& c) {
       std::string uniti;
       for (const auto& maschile : Maschili_Di(c.at(0))) uniti += (uniti.empty() ? "" : "|") + maschile;
       EXPECT_EQ(uniti, c.size() > 1 ? c[1] : "");
     }},
    // Columns: a noun of a person, "si" when it names men and women alike.
    {"Comune", [](const std::vector<std::string>& c) { EXPECT_EQ(Di_Genere_Comune(c.at(0)), c.at(1) == "si"); }},
    {"Correzione", Riscrittura(Correzione_Sostantivi_Aggettivi_Verbi)},
    {"MarcatoreNonRiconosciuto", Riscrittura(Correzione_Sostantivi_Aggettivi_Verbi)},
    // Columns: noun, qualifier, the two together.
    {"Qualificato", [](const std::vector<std::string>& c) { EXPECT_EQ(Nome_Qualificato(c.at(0), c.at(1)), c.at(2)); }},
};

RIGHE_DATI(Riscritture, TALEWICK_DATI, riscritture);

TEST(ParoleChiave, OgnunaHaUnaRigaDelPassaggio) {
  const auto righe = prova::Leggi_Righe(TALEWICK_DATI);
  for (const auto parola : parole_chiave) {
    EXPECT_TRUE(std::any_of(righe.begin(), righe.end(), [&](const prova::RigaDati& riga) {
      return riga.regola == "Correzione" && riga.colonne.at(0) == parola;
    })) << parola;
  }
}

}  // namespace
}  // namespace talewick
