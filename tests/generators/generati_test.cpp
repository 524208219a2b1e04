// The generators with scripted draws against the rows of generati.tsv, and what rows cannot say:
// filters, messages and how often each pattern comes up.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <set>

#include "base/messaggi.hpp"
#include "dispatch/dispatcher.hpp"
#include "generators/comuni.hpp"
#include "prova_generatore.hpp"
#include "support/righe_dati.hpp"

namespace talewick {
namespace {

using prova::ProvaGeneratore;
using prova::Voci;

// Names are one-syllable dwarf names; an earlier result stands in the slot.
void Nomi_Nani(ProvaGeneratore& prova) {
  prova.stato.opzioni.TipoNomi = "Nano";
  prova.stato.opzioni.Min = "1";
  prova.stato.opzioni.Max = "1";
  prova.stato.slot_nome.testo = "Vecchio";
}

// Options of a row, as "Option=value" separated by ';'.
void Imposta(Opzioni& opzioni, const std::string& testo) {
  const std::map<std::string, std::string Opzioni::*, std::less<>> campi = {
      {"NomePers", &Opzioni::NomePers}, {"ComboOpzioni", &Opzioni::ComboOpzioni}, {"TipoNomi", &Opzioni::TipoNomi}};
  for (std::size_t inizio = 0; inizio < testo.size();) {
    const auto fine = std::min(testo.find(';', inizio), testo.size());
    const auto uguale = testo.find('=', inizio);
    opzioni.*campi.at(testo.substr(inizio, uguale - inizio)) = testo.substr(uguale + 1, fine - uguale - 1);
    inizio = fine + 1;
  }
}

prova::Regole::mapped_type Generatore(ProvaGeneratore::Generatore generatore, const Voci& voci, bool nomi_nani = false,
                                      const char* libri = nullptr) {
  return [=](const std::vector<std::string>& c) {
    ProvaGeneratore prova(generatore, voci);
    if (nomi_nani) Nomi_Nani(prova);
    if (libri != nullptr) prova.db.Scrivi("Libri", libri);
    if (c.size() > 2) Imposta(prova.stato.opzioni, c[2]);
    EXPECT_EQ(prova.Genera(prova::Numeri(c.at(0))), c.at(1));
  };
}

const prova::Regole generatori = {
    {"Edifici", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("Edifici"))},
    {"CorpiDelleInsegne", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("CorpiDelleInsegne"))},
    {"OggettiMagici", Generatore(Carica_Oggetto_Magico_Casuale, prova::Voci_Di("OggettiMagici"))},
    {"Divinita", Generatore(Carica_Dio_Casuale, prova::Voci_Di("Divinita"), true)},
    {"Gruppi", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("Gruppi"))},
    {"Emblemi", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("Emblemi"))},
    {"ProprietariEdifici", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("Proprietari"))},
    {"ProprietariArmi", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("ProprietariArmi"))},
    {"CoppieEdifici", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("Coppie"))},
    {"CoppieGemelleEdifici", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("CoppieGemelle"))},
    {"MareEdifici", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("BestieDiMare"))},
    {"ParticipiRuoliGruppi", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("ParticipiRuoli"))},
    {"ParticipiScarsiGruppi", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("ParticipiScarsi"))},
    {"CustodiEdifici", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("Custodi"))},
    {"PadroniEdifici", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("Padroni"))},
    {"PadroniCoseEdifici", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("PadroniCose"))},
    {"ComposteDivinita", Generatore(Carica_Dio_Casuale, prova::Voci_Di("EsseriComposti"), true)},
    {"ComposteEdifici", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("EsseriComposti"))},
    {"ComposteGruppi", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("EsseriComposti"))},
    {"NotevoliEdifici", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("Notevoli"))},
    {"MarcatiEdifici", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("Marcati"))},
    {"InsegneComposte", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("EmblemiComposti"))},
    {"MarcatiGruppi", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("Marcati"))},
    {"MarcatiMagici", Generatore(Carica_Oggetto_Magico_Casuale, prova::Voci_Di("Marcati"))},
    {"MarcatiDivinita", Generatore(Carica_Dio_Casuale, prova::Voci_Di("Marcati"))},
    {"EmblemiComposti", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("EmblemiComposti"))},
    {"Insegne", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("Insegne"))},
    {"InsegneGruppi", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("EmblemiInsegne"))},
    {"RuoliGruppi", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("EmblemiRuoli"))},
    {"InsegneEdifici", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("EmblemiInsegne"))},
    {"StemmiGruppi", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("Stemmi"))},
    {"StemmiEdifici", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("Stemmi"))},
    {"InsegneConDi", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("InsegneConDi"))},
    {"LuoghiEdifici", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("LuoghiInsegne"))},
    {"Ripetizioni", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("Ripetizioni"))},
    {"ComplementiDivinita", Generatore(Carica_Dio_Casuale, prova::Voci_Di("Complementi"), true)},
    {"ComplementiGruppi", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("Complementi"))},
    {"NobiliGruppi", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("Nobili"))},
    {"NobiliDivinita", Generatore(Carica_Dio_Casuale, prova::Voci_Di("Nobili"), true)},
    {"NobiliEdifici", Generatore(Carica_Nome_Locanda_Casuale, prova::Voci_Di("Nobili"))},
    {"MembriGruppi", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("MembriGruppi"))},
    {"MembriComposti", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("MembriComposti"))},
    {"MagiciComposti", Generatore(Carica_Oggetto_Magico_Casuale, prova::Voci_Di("MagiciComposti"))},
    {"MagiciIdee", Generatore(Carica_Oggetto_Magico_Casuale, prova::Voci_Di("MagiciIdee"))},
    {"Ripete",
     [](const std::vector<std::string>& c) { EXPECT_EQ(generatori::Ripete(c.at(0), c.at(1)), c.at(2) == "si"); }},
    {"Domini", Generatore(Carica_Dio_Casuale, prova::Voci_Di("Insegne"), true)},
    {"OggettiIntelligenti", Generatore(Carica_Oggetto_Casuale, prova::Voci_Di("OggettiIntelligenti"), true)},
    {"IntelligentiEpiteti", Generatore(Carica_Oggetto_Casuale, prova::Voci_Di("IntelligentiEpiteti"), true)},
    {"OggettiParlanti", Generatore(Carica_Oggetto_Casuale, prova::Voci_Di("OggettiParlanti"), true)},
    {"TitoliLibri", Generatore(Carica_Titolo_Libro_Casuale, prova::Voci_Di("TitoliLibri"), true)},
    {"TitoliLibriConArticolo",
     Generatore(Carica_Titolo_Libro_Casuale, prova::Voci_Di("TitoliLibri"), true, "La Tassonomia[1][an]")},
    {"TitoliCompagni", Generatore(Carica_Titolo_Libro_Casuale, prova::Voci_Di("TitoliCompagni"), true)},
    {"TitoliComposti", Generatore(Carica_Titolo_Libro_Casuale, prova::Voci_Di("TitoliComposti"), true)},
    {"TitoliSomiglianti", Generatore(Carica_Titolo_Libro_Casuale, prova::Voci_Di("TitoliSomiglianti"), true)},
    {"TitoliStessaParola", Generatore(Carica_Titolo_Libro_Casuale, prova::Voci_Di("TitoliStessaParola"), true)},
    {"TitoliRuoli", Generatore(Carica_Titolo_Libro_Casuale, prova::Voci_Di("TitoliRuoli"), true)},
    {"TitoliPerCategoria", Generatore(Carica_Titolo_Libro_Casuale, prova::Voci_Di("TitoliPerCategoria"), true)},
    {"TitoliNobili", Generatore(Carica_Titolo_Libro_Casuale, prova::Voci_Di("TitoliNobili"), true)},
    {"TitoliOpere", Generatore(Carica_Titolo_Libro_Casuale, prova::Voci_Di("TitoliOpere"), true)},
    {"Pozioni", Generatore(Carica_Descrizione_Fluidi_Casuale, prova::Voci_Di("Pozioni"))},
    {"PozioniDiverse", Generatore(Carica_Descrizione_Fluidi_Casuale, prova::Voci_Di("PozioniDiverse"))},
    {"PozioniRadici", Generatore(Carica_Descrizione_Fluidi_Casuale, prova::Voci_Di("PozioniRadici"))},
    {"PozioniFrasi", Generatore(Carica_Descrizione_Fluidi_Casuale, prova::Voci_Di("PozioniFrasi"))},
    {"Dominio", Generatore(Carica_Dio_Casuale, prova::Voci_Di("Dominio"), true)},
    {"SenzaParticipi", Generatore(Carica_Dio_Casuale, prova::Voci_Di("SenzaParticipi"), true)},
    {"DominiSelvaggi", Generatore(Carica_Dio_Casuale, prova::Voci_Di("DominiSelvaggi"), true)},
    {"DominiNotevoli", Generatore(Carica_Dio_Casuale, prova::Voci_Di("DominiNotevoli"), true)},
    {"DominiMagici", Generatore(Carica_Dio_Casuale, prova::Voci_Di("DominiMagici"), true)},
    {"Patroni", Generatore(Carica_Dio_Casuale, prova::Voci_Di("Patroni"), true)},
    {"ParticipiGruppi", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("Dominio"))},
    {"IntelligentiComposti", Generatore(Carica_Oggetto_Casuale, prova::Voci_Di("IntelligentiComposti"), true)},
    {"MagiciStessaParola", Generatore(Carica_Oggetto_Magico_Casuale, prova::Voci_Di("MagiciStessaParola"))},
    {"MagiciRipetuti", Generatore(Carica_Oggetto_Magico_Casuale, prova::Voci_Di("MagiciRipetuti"))},
    {"PerCategoriaOggettiMagici", Generatore(Carica_Oggetto_Magico_Casuale, prova::Voci_Di("AggettiviPerCategoria"))},
    {"PerCategoriaGruppi", Generatore(Carica_Gruppo_Casuale, prova::Voci_Di("AggettiviPerCategoria"))},
    {"PerCategoriaDivinita", Generatore(Carica_Dio_Casuale, prova::Voci_Di("AggettiviPerCategoria"), true)},
};

RIGHE_DATI(Generati, TALEWICK_DATI, generatori);

TEST(Pozione, NienteResteDiUnaGenerazionePrecedente) {
  ProvaGeneratore prova(Carica_Descrizione_Fluidi_Casuale, prova::Voci_Di("Pozioni"));
  // Markers and values an earlier generator could have left in the slots this one uses.
  prova.stato[2].forma_dato = "FemSingCon";
  prova.stato[3].valore_dato = "Vecchio";
  prova.stato[3].forma_dato = "AggFemPlur";
  prova.stato[5].valore_dato = "Il Vecchio";
  prova.stato[7].valore_dato = "La Vecchia";
  EXPECT_EQ(prova.Genera({1, 1, 1, 3, 1, 1}),
            "La pozione densa è dorata con bolle, ha un odore acre e il sapore dolce.");
}

TEST(Divinita, UnaPatronaSegueIUominiDopoUnaModifica) {
  ProvaGeneratore prova(Carica_Dio_Casuale, prova::Voci_Di("Patroni"));
  Nomi_Nani(prova);
  EXPECT_EQ(prova.Genera({1, 2, 5, 1}), "Xar, Dea delle Streghe");
  // Without the monk, the nuns are women only: the kept draw must see the men's file change.
  prova.db.Scrivi("MasUmani", "Il Frate");
  std::filesystem::last_write_time(prova.db.Cartella() / "MasUmani.txt",
                                   std::filesystem::file_time_type::clock::now() + std::chrono::seconds(5));
  prova.archivio.Nuova_Azione();
  EXPECT_EQ(prova.Genera({1, 2, 5, 1}), "Xar, Dea delle Monache");
}

TEST(TitoloLibro, MessaggiCheFermanoLaGenerazione) {
  ProvaGeneratore prova(Carica_Titolo_Libro_Casuale, {{"Libri", "Trattato[1]"}});
  const auto libri = (prova.db.Cartella() / "Libri.txt").string();
  prova.stato.opzioni.CosaGenerare = "Titoli Libri";
  prova.stato.slot_nome.testo = "Vecchio";
  prova.casuale.Aggiungi({1});
  EXPECT_EQ(Genera_Altro_Valore(prova.stato), messaggi::Titolo_Senza_Categoria(libri, "Trattato[1]"));
  EXPECT_EQ(prova.stato.slot_nome.testo, "");
  // No template carries the number drawn.
  prova.db.Scrivi("Libri", "Trattato[1][an]\nCome Addestrare[2][an]");
  prova.archivio.Nuova_Azione();
  prova.stato.slot_nome.testo = "Vecchio";
  prova.casuale.Aggiungi({4});
  EXPECT_EQ(Genera_Altro_Valore(prova.stato), messaggi::Tag_Assente(libri, "[3]"));
  EXPECT_EQ(prova.stato.slot_nome.testo, "");
}

// What a sign shows «con» or «senza» suits it: a person anything it can carry, a beast only its
// own body, a thing or a tale no noun at all.
TEST(Insegna, MostraSoloCioCheLeSiAddice) {
  const std::vector<std::pair<std::string_view, char>> radici = {
      {"Re", 'u'},   {"Regin", 'u'}, {"Lup", 'a'},  {"Volp", 'a'}, {"Calic", 'o'}, {"Lantern", 'o'}, {"Scud", 'r'},
      {"Lanc", 'r'}, {"Vent", 'x'},  {"Fiab", 'x'}, {"Sass", 'x'}, {"Querc", 'x'}, {"Tesch", 'c'},   {"Man", 'h'}};
  const std::map<char, std::string_view> ammessi = {{'u', "chor"}, {'a', "c"}, {'o', ""}, {'r', ""}, {'x', ""}};
  const auto tipo = [&](std::string_view parola) {
    for (const auto& [radice, t] : radici) {
      if (parola.starts_with(radice) && parola.size() <= radice.size() + 2) return t;
    }
    ADD_FAILURE() << "parola inattesa: " << parola;
    return '?';
  };
  const auto ultima = [](std::string_view testo) { return testo.substr(testo.rfind(' ') + 1); };
  ProvaGeneratore prova(Carica_Nome_Locanda_Casuale, prova::Voci_Di("Accompagnamenti"));
  std::set<std::string> coppie;
  for (const auto& [risultato, volte] : prova.Frequenze(7, 4000, [](const std::string& r) { return r; })) {
    for (const std::string_view parola : {" con ", " senza "}) {
      const auto dove = risultato.find(parola);
      if (dove == std::string::npos || risultato.ends_with("sotto la Luna")) continue;
      const char testa = tipo(ultima(std::string_view(risultato).substr(0, dove)));
      const char mostrato = tipo(ultima(risultato));
      EXPECT_NE(ammessi.at(testa).find(mostrato), std::string_view::npos) << risultato;
      coppie.insert(std::string{testa, mostrato});
    }
  }
  EXPECT_EQ(coppie, (std::set<std::string>{"uc", "uh", "uo", "ur", "ac"}));
}

// The pair of a sign with «e» is two beasts, never a person.
TEST(Insegna, LaCoppiaEDiDueBestie) {
  ProvaGeneratore prova(Carica_Nome_Locanda_Casuale, prova::Voci_Di("Accompagnamenti"));
  int coppie = 0;
  for (const auto& [risultato, volte] : prova.Frequenze(11, 2000, [](const std::string& r) { return r; })) {
    const auto e = risultato.find(" e ");
    if (e == std::string::npos) continue;
    ++coppie;
    for (const std::string_view persona : {" Re", " Regin"}) {
      EXPECT_EQ(risultato.find(persona), std::string::npos) << risultato;
    }
  }
  EXPECT_GT(coppie, 0);
}

// Each pattern, title, group word and family comes up about equally often.
struct CasoFrequenze {
  const char* nome;
  ProvaGeneratore::Generatore generatore;
  Voci voci;
  std::string (*etichetta)(const std::string&);
  std::size_t etichette;
  int n, minimo, massimo;
};

std::string Schema_Edificio(const std::string& r) {
  const std::string nome = "La Locanda ";
  if (!r.starts_with(nome)) return r.starts_with("La ") || r.starts_with("Le ") ? "1" : "2";
  if (r.find(" e ") != std::string::npos) return "5";
  return r.starts_with(nome + "della ") || r.starts_with(nome + "delle ") ? "4" : "3";
}
std::string Titolo_Divino(const std::string& r) {
  const auto inizio = r.find(", ") + 2;
  return r.substr(inizio, r.find(' ', inizio) - inizio);
}
std::string Prima_Parola(const std::string& r) { return r.substr(0, r.find(' ')); }
std::string Forma_Gruppo(const std::string& r) { return r.find(" da") != std::string::npos ? "lunga" : "breve"; }
std::string Famiglia(const std::string& r) {
  if (r.find("Sasso") != std::string::npos || r.find("Pietra") != std::string::npos) return "non magico";
  return r.starts_with("Lo Scudo ") || r.starts_with("La Spada ") ? "armi" : "oggetti";
}

TEST(Frequenze, UgualiPerOgniScelta) {
  const CasoFrequenze casi[] = {
      {"schemi_edifici", Carica_Nome_Locanda_Casuale, {{"MasAltro", "Il Drago"}}, Schema_Edificio, 5, 5000, 850, 1150},
      {"titoli_divini", Carica_Dio_Casuale, prova::Voci_Di("Divinita"), Titolo_Divino, 3, 1500, 400, 600},
      {"parole_gruppi", Carica_Gruppo_Casuale, prova::Voci_Di("Gruppi"), Prima_Parola, 5, 2500, 400, 600},
      {"forme_gruppi", Carica_Gruppo_Casuale, prova::Voci_Di("Gruppi"), Forma_Gruppo, 2, 1000, 400, 600},
      {"famiglie_magiche_solo_voci_mag", Carica_Oggetto_Magico_Casuale, prova::Voci_Di("OggettiMagici"), Famiglia, 2,
       2000, 900, 1100},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    ProvaGeneratore prova(caso.generatore, caso.voci);
    Nomi_Nani(prova);
    const auto conta = prova.Frequenze(7, caso.n, caso.etichetta);
    EXPECT_EQ(conta.size(), caso.etichette);
    for (const auto& [etichetta, volte] : conta) {
      EXPECT_GT(volte, caso.minimo) << etichetta;
      EXPECT_LT(volte, caso.massimo) << etichetta;
    }
  }
}

// A guild or a school bears no weapon as its sign; a clan or a tribe may.
TEST(Frequenze, SegniInArmiSoloPerClanETribu) {
  ProvaGeneratore prova(Carica_Gruppo_Casuale, prova::Voci_Di("SegniDiPace"));
  const auto conta = prova.Frequenze(7, 2000, [](const std::string& r) {
    const bool arma = r.find("Martell") != std::string::npos || r.find("Lanc") != std::string::npos;
    return Prima_Parola(r) + (arma ? " in armi" : " in pace");
  });
  for (const std::string parola : {"Gilda", "Accademia", "Corporazione"}) {
    EXPECT_EQ(conta.count(parola + " in armi"), 0U) << parola;
    EXPECT_GT(conta.count(parola + " in pace"), 0U) << parola;
  }
  for (const std::string parola : {"Clan", "Tribù"}) EXPECT_GT(conta.count(parola + " in armi"), 0U) << parola;
}

}  // namespace
}  // namespace talewick
