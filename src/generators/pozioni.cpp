#include <array>

#include "generators/comuni.hpp"
#include "generators/generatori.hpp"
#include "grammar/correzione.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick {

using namespace generatori;

namespace {

struct Soggetto {
  std::string_view testo;
  std::string_view forma_aggettivo;
};

constexpr std::array<Soggetto, 7> soggetti = {{{"La pozione", "AggFemSing"},
                                               {"Il fluido", "AggMasSing"},
                                               {"Il liquido", "AggMasSing"},
                                               {"Il tonico", "AggMasSing"},
                                               {"L'elisir", "AggMasSing"},
                                               {"La sostanza", "AggFemSing"},
                                               {"La mistura", "AggFemSing"}}};

// The words of the slots before `slot`, with their tags, which Ripete skips.
std::string Scritto_Prima(Contesto& contesto, int slot) {
  std::string scritto;
  for (int prima = 0; prima < slot; ++prima) Accoda(scritto, {contesto[prima].valore_dato, " "});
  return scritto;
}

// Draws an adjective holding `tag` other than those already drawn into `escluse`, and again, a few
// times, while it repeats the root of a word the slots before it hold («nauseante… nauseabondo»).
void Aggettivo_con_Tag(Contesto& contesto, int slot, std::string_view tag,
                       std::initializer_list<std::string_view> escluse = {}) {
  Dato& dato = contesto[slot];
  dato.nome_file_dato = aggettivi;
  dato.tag_dato = tag;
  const std::string scritto = Scritto_Prima(contesto, slot);
  for (int volta = 0; volta < tentativi_senza_ripetere; ++volta) {
    Carica_Tag(contesto, slot, escluse);
    if (!Ripete(dato.valore_dato, scritto)) return;
  }
}

// Draws a smell or taste adjective and, for one tagged "[+]", a food noun into `slot_cibo`;
// returns whether it did.
bool Aggettivo_Sensoriale(Contesto& contesto, int slot, std::string_view tag, int slot_cibo,
                          std::initializer_list<std::string_view> escluse = {}) {
  Aggettivo_con_Tag(contesto, slot, tag, escluse);
  contesto[slot].forma_dato = nessuna_forma;
  if (contesto[slot].valore_dato.find("[+]") == std::string::npos) return false;
  Carica_Genere_Sostantivo(contesto, slot_cibo);
  Dato& cibo = contesto[slot_cibo];
  cibo.nome_file_dato += "Cibi";
  cibo.forma_dato = nessuna_forma;
  Carica(contesto, slot_cibo);
  return true;
}

}  // namespace

void Carica_Descrizione_Fluidi_Casuale(Stato& stato) {
  Contesto& contesto = stato.contesto;
  // Clear what an earlier generation left, which a new adjective must not be compared with.
  for (int slot = 0; slot <= 7; ++slot) stato[slot].valore_dato.clear();
  const Soggetto& soggetto = soggetti[static_cast<std::size_t>(contesto.casuale.Estrai(7) - 1)];
  stato[8].valore_dato = soggetto.testo;
  stato[0].forma_dato = soggetto.forma_aggettivo;
  Aggettivo_con_Tag(contesto, 0, "[liq]");
  stato[8].forma_dato = nessuna_forma;
  Aggettivo_con_Tag(contesto, 1, "[col]", {stato[0].valore_dato});
  stato[1].forma_dato = stato[0].forma_dato;

  Dato& specificazione = stato[2];
  specificazione.nome_file_dato = "FluidiSpecificazioni";
  specificazione.forma_dato = nessuna_forma;  // keep an earlier generation's marker from inflecting it
  // Draw the phrase again, a few times, while it repeats the liquid's adjective or its colour
  // («L'elisir crepitante… crepita di scintille»).
  for (int volta = 0; volta < tentativi_senza_ripetere; ++volta) {
    Carica(contesto, 2);
    if (!Ripete(stato[0].valore_dato, specificazione.valore_dato) &&
        !Ripete(stato[1].valore_dato, specificazione.valore_dato)) {
      break;
    }
  }
  // Leave the colour out when the entry gives no gender for its noun.
  std::string_view forma_colore;
  if (specificazione.valore_dato.find("[m]") != std::string::npos) {
    forma_colore = "AggMasPlur";
  } else if (specificazione.valore_dato.find("[f]") != std::string::npos) {
    forma_colore = "AggFemPlur";
  }
  const bool con_colore = !forma_colore.empty();
  stato.Ramo(con_colore ? "con colore" : "senza colore");
  if (con_colore) {
    Aggettivo_con_Tag(contesto, 3, "[col]", {stato[0].valore_dato, stato[1].valore_dato});
    stato[3].forma_dato = forma_colore;
  }

  const bool cibo_odore = Aggettivo_Sensoriale(contesto, 4, "[o]", 5, {stato[0].valore_dato, stato[1].valore_dato});
  const bool cibo_sapore =
      Aggettivo_Sensoriale(contesto, 6, "[s]", 7, {stato[0].valore_dato, stato[1].valore_dato, stato[4].valore_dato});
  stato.Ramo(cibo_odore ? "odore di un cibo" : "odore senza cibo");
  stato.Ramo(cibo_sapore ? "sapore di un cibo" : "sapore senza cibo");

  // Strip "[col]", which would hide the colour's ending from the plural rewrite.
  if (con_colore) Cancella_Tag_Categoria(stato[3]);
  if (cibo_odore) Cancella_Articolo(stato[5]);
  if (cibo_sapore) Cancella_Articolo(stato[7]);
  for (int slot = 0; slot <= 7; ++slot) {
    if ((slot == 3 && !con_colore) || (slot == 5 && !cibo_odore) || (slot == 7 && !cibo_sapore)) continue;
    Dato& dato = stato[slot];
    dato.valore_dato = In_Minuscolo(dato.valore_dato);
    Correzione_Sostantivi_Aggettivi_Verbi(dato);
    Cancella_Info_Programma(dato);
  }

  const auto s = [&stato](int slot) -> std::string_view { return stato[slot].valore_dato; };
  std::string& descrizione = stato.slot_nome.testo;
  Componi(descrizione, {s(8), " ", s(0), " è ", s(1), " ", s(2)});
  if (con_colore) Accoda(descrizione, {" ", s(3)});
  Accoda(descrizione, {", ha un odore ", s(4)});
  if (cibo_odore) Accoda(descrizione, {" di ", s(5)});
  Accoda(descrizione, {" e il sapore ", s(6)});
  if (cibo_sapore) Accoda(descrizione, {" di ", s(7)});
  descrizione += '.';
}

}  // namespace talewick
