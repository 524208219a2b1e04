#include <algorithm>
#include <array>

#include "generators/comuni.hpp"
#include "generators/generatori.hpp"
#include "grammar/correzione.hpp"
#include "grammar/flessione.hpp"
#include "grammar/ordine.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/sostantivi.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick {

using namespace generatori;

namespace {

constexpr std::array<std::string_view, 3> titoli_divini = {", Dio ", ", Dea ", ", Divinità "};
// What a deity can hold sway over: not parts of the body («Dea delle Spine Dorsali»), food («Dio
// delle Pagnotte») or things made by hand, too small for a god («Dio delle Collane», «dei Falcioni»).
constexpr Categorie domini = Categorie_Di({"Altro", "Animali", "Umani", "Luoghi", "Naturale", "Astratto"});

constexpr std::array<std::string_view, 3> rami_titolo = {"titolo: Dio", "titolo: Dea", "titolo: Divinità"};

// The head of a noun entry: without article, tags and plural («La Filibustiera[f]|…» gives
// «Filibustiera»).
std::string_view Testa(std::string_view voce) {
  return Senza_Articolo(voce.substr(0, std::min(voce.find_first_of("[|"), voce.size())));
}

// Draws a feminine group for a goddess among the actors named only in the feminine («Dea delle
// Streghe», «delle Valchirie»): where the masculine people hold the same group («Filibustiere»
// beside «Filibustiera»), or the noun names men too («Negromante»), the feminine plural reads as a
// slip, not a cult. Among all actors when every one has a masculine beside it.
void Carica_Patrona(Contesto& contesto) {
  const FileParole& maschi = contesto.archivio.File("MasUmani");
  // Among the actors, as Carica_Notevole, or among all when the file marks none.
  const bool marcate = !contesto.archivio.File(contesto[0].nome_file_dato).Con_Tag(marcatore_attore).empty();
  const auto sola = [&maschi, marcate](std::string_view voce) {
    if (marcate && !Contiene(voce, marcatore_attore)) return false;
    if (Di_Genere_Comune(Testa(voce))) return false;
    const auto maschili = Maschili_Di(Testa(voce));
    return std::none_of(maschi.voci.begin(), maschi.voci.end(), [&maschili](const std::string& maschio) {
      return std::find(maschili.begin(), maschili.end(), Testa(maschio)) != maschili.end();
    });
  };
  // The answers hold for this reading of the masculine file, so its number is part of the key.
  const std::string chiave = "patrona senza maschile " + std::to_string(maschi.lettura);
  if (!Carica_Filtrata(contesto, 0, chiave, sola)) Carica_Notevole(contesto, 0);
}

}  // namespace

void Carica_Dio_Casuale(Stato& stato) {
  Contesto& contesto = stato.contesto;
  Casuale& casuale = contesto.casuale;
  Dato& dominio = stato[0];
  Dato& qualificativo = stato[1];

  const auto q = casuale.Estrai(2);
  Carica_Genere_Sostantivo(contesto, 0);
  Imposta_Qualificativo(qualificativo, q, Genere(dominio), plurale);
  Carica_Categoria_Sostantivo(contesto, 0, domini);
  const std::string_view file = dominio.nome_file_dato;
  // A god of people is their patron, and takes no trait («Dea delle Cacciatrici», not «Dea delle
  // Ciarlatane Avare»); beasts and the rest take the adjectives of a power («Dio dei Lupi
  // Primordiali», «Dio delle Tempeste Infuriate»): a story's read small on a god («Dio dei Cinocefali
  // Feriti», «delle Coccatrici Sperdute»).
  const bool patrono = file.ends_with("Umani");
  const bool bestie = file.ends_with("Animali");
  // A group named only in the feminine has a goddess or a divinity for patron: «Dea delle Streghe»,
  // not «Dio delle Apostate».
  const bool patrona = patrono && Genere(dominio) == femminile;
  if (file.ends_with("Luoghi")) {
    // A god holds sway over wild places, not over taverns and aqueducts, and over the notable ones
    // among them: volcanoes rather than undergrowth.
    Carica_Notevole(contesto, 0, Luogo::selvaggio);
  } else if (patrona) {
    Carica_Patrona(contesto);
  } else if (patrono || bestie) {
    Carica_Notevole(contesto, 0);
  } else {
    // Of nature, rites and ideas, those fit for a legend: «Tempeste», «Vendette», not «Felci».
    Carica_Marcata(contesto, 0, marcatore_magico);
  }
  dominio.forma_dato += "PlurPart";
  if (patrono) {
    stato.Ramo("qualificativo: nessuno, patrono di persone");
    qualificativo.valore_dato.clear();
  } else {
    Ramo_Qualificativo(stato, q);
    Carica_Qualificativo(contesto, 1, 0, {}, marcatore_magico);
  }

  Carica_Nome_Proprio(stato, 2);

  Pulisci_Dato(dominio);
  Pulisci_Dato(qualificativo);
  Iniziale_Stringa_Minuscola(dominio);

  const auto d =
      patrona ? static_cast<std::size_t>(casuale.Estrai(2)) : static_cast<std::size_t>(casuale.Estrai(3) - 1);
  const auto titolo = titoli_divini[d];
  stato.Ramo(rami_titolo[d]);
  // A realm with a complement of its own takes no epithet: «Dio dei Valichi dei Lupi», not «dei
  // Valichi Oscuri dei Lupi».
  const bool nudo = patrono || Con_Complemento(dominio.valore_dato);
  Componi(stato.slot_nome.testo,
          {stato[2].valore_dato, titolo,
           nudo ? dominio.valore_dato : Nome_Con_Qualificativo(dominio, qualificativo.valore_dato)});
}

}  // namespace talewick
