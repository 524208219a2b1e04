#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "prova_generatore.hpp"
#include "support/righe_dati.hpp"

namespace talewick {
namespace {

using prova::ProvaGeneratore;

// The choices of one hook, in the order they are drawn, with their defaults; a lone "1" stands for
// a draw the cases leave alone (entries). The adjectives differ, as a hook wants them. Genders: 1 masculine, 2
// feminine; numbers: 1 plural, 2 singular; people or animals: 0 (no draw) when the verb's "[sogg:…]" leaves no choice;
// categories as the weighted draw walks them with one entry per file but three place nouns (1 "Altro", 3 "Animali", 9
// "Umani", 20 "Astratto"), or among the categories a verb lists; a place is 1,1 for the first "Dove" phrase or
// 2,gender,1 for a place noun. The purpose verb is numbered among the verbs that admit the subject.
std::vector<std::int64_t> Estrazioni(const std::string& modifiche) {
  constexpr const char* predefinite =
      "genere_soggetto=1 verbo=4 umani_o_animali=1 numero_soggetto=2 1 genere_oggetto=2 numero_oggetto=2 "
      "categoria_oggetto=1 1 genere_complemento=1 numero_complemento=2 categoria_complemento=3 1 "
      "aggettivo_complemento=2 aggettivo_soggetto=1 aggettivo_oggetto=2 luogo=1,1 "
      "verbo_scopo=4 genere_oggetto_scopo=2 numero_oggetto_scopo=2 categoria_oggetto_scopo=9 1 1 "
      "genere_complemento_scopo=1 numero_complemento_scopo=2 categoria_complemento_scopo=1 1 1 luogo_scopo=1,1";
  std::map<std::string, std::string, std::less<>> scelte;
  // Reads "name=1,2" or a lone "1"; a changed choice must be one of the defaults.
  const auto leggi = [&scelte](const std::string& elenco, bool predefinita) {
    std::istringstream testo(elenco);
    for (std::string scelta; testo >> scelta;) {
      const auto uguale = std::min(scelta.find('='), scelta.size());
      auto valore = uguale < scelta.size() ? scelta.substr(uguale + 1) : scelta;
      std::replace(valore.begin(), valore.end(), ',', ' ');
      (predefinita ? scelte[scelta.substr(0, uguale)] : scelte.at(scelta.substr(0, uguale))) = valore;
    }
  };
  leggi(predefinite, true);
  leggi(modifiche, false);
  std::vector<std::int64_t> estrazioni;
  std::istringstream ordine(predefinite);
  for (std::string scelta; ordine >> scelta;) {
    for (const auto n : prova::Numeri(scelte.at(scelta.substr(0, scelta.find('='))))) {
      if (n != 0) estrazioni.push_back(n);
    }
  }
  return estrazioni;
}

// Over the word files of `gruppo` in voci.tsv, the draws in order (every draw after them gives 1).
void Grezzo(std::string_view gruppo, const std::vector<std::string>& c) {
  ProvaGeneratore prova(Carica_Spunto_Avventura_Casuale, prova::Voci_Di(gruppo));
  prova.stato.opzioni.Aggettivi = c.at(1) == "si";
  EXPECT_EQ(prova.Genera(prova::Numeri(c.at(0))), c.at(2));
}

// Columns: the choices, whether adjectives are on ("si"), the hook.
const prova::Regole regole = {
    {"spunto",
     [](const std::vector<std::string>& c) {
       ProvaGeneratore prova(Carica_Spunto_Avventura_Casuale, prova::Voci_Di("Spunti"));
       prova.stato.opzioni.Aggettivi = c.at(1) == "si";
       EXPECT_EQ(prova.Genera(Estrazioni(c.at(0))), c.at(2));
     }},
    {"mete", [](const std::vector<std::string>& c) { Grezzo("Mete", c); }},
    {"famiglie", [](const std::vector<std::string>& c) { Grezzo("Famiglie", c); }},
    {"luoghi_notevoli", [](const std::vector<std::string>& c) { Grezzo("LuoghiNotevoli", c); }},
    {"prede_bestie", [](const std::vector<std::string>& c) { Grezzo("PredeBestie", c); }},
    {"famiglie_senza_affini", [](const std::vector<std::string>& c) { Grezzo("FamiglieSenzaAffini", c); }},
    {"per_categoria", [](const std::vector<std::string>& c) { Grezzo("AggettiviPerCategoria", c); }},
    {"aggettivi_spunto", [](const std::vector<std::string>& c) { Grezzo("AggettiviSpunto", c); }},
    {"attori", [](const std::vector<std::string>& c) { Grezzo("Attori", c); }},
    {"ripetizioni", [](const std::vector<std::string>& c) { Grezzo("RipetizioniSpunti", c); }},
    {"composti", [](const std::vector<std::string>& c) { Grezzo("SpuntiComposti", c); }},
    {"costruiti", [](const std::vector<std::string>& c) { Grezzo("Costruiti", c); }},
    {"poste_in_gioco", [](const std::vector<std::string>& c) { Grezzo("PosteInGioco", c); }},
    {"prede", [](const std::vector<std::string>& c) { Grezzo("PredeAnimali", c); }},
    {"nemici", [](const std::vector<std::string>& c) { Grezzo("Nemici", c); }},
    {"ruoli", [](const std::vector<std::string>& c) { Grezzo("Ruoli", c); }},
    {"cose_notevoli", [](const std::vector<std::string>& c) { Grezzo("CoseNotevoli", c); }},
    {"solo_participi", [](const std::vector<std::string>& c) { Grezzo("SoloParticipi", c); }},
    {"luoghi_aperti", [](const std::vector<std::string>& c) { Grezzo("LuoghiAperti", c); }},
    {"fortezze", [](const std::vector<std::string>& c) { Grezzo("Fortezze", c); }},
    {"bestie_di_mare", [](const std::vector<std::string>& c) { Grezzo("BestieDiMare", c); }},
    {"bestie_senza_mare", [](const std::vector<std::string>& c) { Grezzo("BestieSenzaMare", c); }},
    {"materie", [](const std::vector<std::string>& c) { Grezzo("Materie", c); }},
    {"bestie_selvatiche", [](const std::vector<std::string>& c) { Grezzo("BestieSelvatiche", c); }},
    {"possessori", [](const std::vector<std::string>& c) { Grezzo("PossessoriSpunti", c); }},
    {"aggettivi_ruoli", [](const std::vector<std::string>& c) { Grezzo("AggettiviRuoli", c); }},
    {"alleati", [](const std::vector<std::string>& c) { Grezzo("Alleati", c); }},
    {"reggenze", [](const std::vector<std::string>& c) { Grezzo("Reggenze", c); }},
    {"folle", [](const std::vector<std::string>& c) { Grezzo("Folle", c); }},
    {"mezzi_luoghi", [](const std::vector<std::string>& c) { Grezzo("MezziLuoghi", c); }},
    {"stessi", [](const std::vector<std::string>& c) { Grezzo("Stessi", c); }},
    {"frasi_dove", [](const std::vector<std::string>& c) { Grezzo("FrasiDove", c); }},
    {"soggetto_nel_verbo", [](const std::vector<std::string>& c) { Grezzo("SoggettoNelVerbo", c); }},
    {"mezzi", [](const std::vector<std::string>& c) { Grezzo("Mezzi", c); }},
    {"nemici_senza_soccorso", [](const std::vector<std::string>& c) { Grezzo("NemiciSenzaSoccorso", c); }},
};

RIGHE_DATI(SpuntiAvventure, TALEWICK_DATI, regole);

// An animal subject leaves nine of the ten verbs for the purpose clause: the tenth is refused.
TEST(SpuntoAvventura, LoScopoSiEstraeSoloTraIVerbiAmmessi) {
  ProvaGeneratore prova(Carica_Spunto_Avventura_Casuale, prova::Voci_Di("Spunti"));
  for (const auto e : Estrazioni("umani_o_animali=0 verbo=10 verbo_scopo=10")) prova.casuale.Aggiungi({e});
  EXPECT_THROW(Carica_Spunto_Avventura_Casuale(prova.stato), std::logic_error);
}

}  // namespace
}  // namespace talewick
