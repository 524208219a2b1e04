#include "checker/controllo.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include <sys/stat.h>
#include <unistd.h>

#include "base/messaggi_controllo.hpp"
#include "checker/dizionario.hpp"
#include "support/cli_prova.hpp"
#include "support/database_prova.hpp"
#include "support/righe_dati.hpp"
#include "wordstore/archivio.hpp"

namespace talewick::controllo {

void PrintTo(const Segnalazione& s, std::ostream* os) { *os << Testo_Segnalazione(s); }

namespace {

namespace m = messaggi::controllo;
using prova::DatabaseProva;
using namespace std::string_literals;

using prova::Voci;

// The plain fixture's masculine noun wants its hint ("I Dragi" otherwise).
Voci Con_Maschili(Voci voci) {
  for (const auto nome : nome_file) {
    if (nome.starts_with("Mas")) voci.try_emplace(std::string(nome), "Il Drago[m]");
  }
  return voci;
}

// The fixture of valide.tsv, on which the checker has nothing to report.
const Voci voci_valide = [] {
  Voci voci;
  for (const auto& riga : prova::Leggi_Righe(TALEWICK_PROVE_CONTROLLO "/valide.tsv"))
    voci[riga.nome] = riga.colonne.at(0);
  return voci;
}();

// One dictionary for all tests, with the shipped accepted words: opening it is the slow part.
Dizionario* Dizionario_Italiano() {
  static const auto dizionario = [] {
    const auto opzioni = Opzioni_Predefinite();
    return Dizionario::Apri(opzioni.dizionario, opzioni.parole_accettate);
  }();
  return dizionario.get();
}
bool Dizionario_Presente() { return Dizionario_Italiano() != nullptr; }

// A valid fixture folder and the checker's findings on it.
struct ProvaControllo {
  ProvaControllo() { db.Completa(voci_valide); }

  // Writes `nome` as the valid entries of the fixture followed by `righe`.
  void Aggiungi(const std::string& nome, const std::string& righe) const {
    const auto valida = voci_valide.find(nome);
    db.Scrivi(nome, (valida != voci_valide.end() ? valida->second : Predefinita(nome)) + "\n" + righe);
  }
  static std::string Predefinita(std::string_view nome) {
    DatabaseProva altro;
    altro.Completa();
    std::ifstream file(altro.Cartella() / (std::string(nome) + ".txt"));
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  // The line `Aggiungi` writes its first entry on.
  static int Riga_Aggiunta(const std::string& nome) {
    const auto valida = voci_valide.find(nome);
    const std::string prima = valida != voci_valide.end() ? valida->second : Predefinita(nome);
    return 2 + static_cast<int>(std::count(prima.begin(), prima.end(), '\n'));
  }
  [[nodiscard]] std::string Percorso(std::string_view nome) const {
    return (db.Cartella() / (std::string(nome) + ".txt")).string();
  }
  [[nodiscard]] Segnalazione Errore(std::string_view nome, int riga, std::string messaggio) const {
    return {Percorso(nome), riga, Gravita::errore, std::move(messaggio)};
  }
  [[nodiscard]] Segnalazione Avviso(std::string_view nome, int riga, std::string messaggio) const {
    return {Percorso(nome), riga, Gravita::avviso, std::move(messaggio)};
  }
  // Without the balance warnings: the tests of other findings add one entry to a one-entry file.
  [[nodiscard]] std::vector<Segnalazione> Controlla() const {
    auto tutte = Controlla_Con_Equilibrio();
    std::erase_if(tutte, [](const Segnalazione& s) {
      return s.riga == 0 && s.messaggio.find("meno dell'80%") != std::string::npos;
    });
    return tutte;
  }
  [[nodiscard]] std::vector<Segnalazione> Controlla_Con_Equilibrio() const {
    return Dizionario_Presente() ? Controlla_Database(db.Cartella(), *Dizionario_Italiano())
                                 : Controlla_Database(db.Cartella());
  }

  DatabaseProva db;
};
class Controllo : public testing::Test, public ProvaControllo {};

using testing::ElementsAre;
using testing::IsEmpty;

TEST_F(Controllo, IlDatabaseValidoNonHaSegnalazioni) {
  if (!Dizionario_Presente()) GTEST_SKIP() << "dizionario italiano assente";
  EXPECT_THAT(Controlla(), IsEmpty());
}

// With one entry a file every tag some generator must find is missing but "[1]".
TEST_F(Controllo, SenzaLeVociConTagRichiesteUnErrorePerTag) {
  DatabaseProva semplice;
  semplice.Completa(Con_Maschili({}));
  std::vector<std::string> mancanti;
  const auto segnalazioni = Dizionario_Presente() ? Controlla_Database(semplice.Cartella(), *Dizionario_Italiano())
                                                  : Controlla_Database(semplice.Cartella());
  for (const auto& s : segnalazioni) {
    if (s.gravita == Gravita::avviso) continue;  // the plain fixture repeats its nouns
    EXPECT_EQ(s.riga, 0) << Testo_Segnalazione(s);
    EXPECT_EQ(s.gravita, Gravita::errore);
    const auto inizio = s.messaggio.find('[');
    mancanti.push_back(std::filesystem::path(s.file).stem().string() + " " +
                       s.messaggio.substr(inizio, s.messaggio.find(']') + 1 - inizio));
  }
  EXPECT_THAT(mancanti, ElementsAre("Aggettivi [liq]", "Aggettivi [col]", "Aggettivi [o]", "Aggettivi [s]",
                                    "MasAltro [mag]", "FemAltro [mag]", "MasNaturale [mag]", "FemNaturale [mag]",
                                    "Libri [2]", "Libri [3]", "Libri [4]", "Libri [5]"));
}

// A folder that is missing, is a file or cannot be opened: one finding, on the folder.
TEST_F(Controllo, CartellaSbagliataUnaSolaSegnalazione) {
  const auto unica = [](const std::filesystem::path& cartella, std::string_view messaggio) {
    EXPECT_THAT(Controlla_Database(cartella),
                ElementsAre(Segnalazione{cartella.string(), 0, Gravita::errore, std::string(messaggio)}));
  };
  unica(db.Cartella() / "nessuna", m::cartella_mancante);
  std::ofstream(db.Cartella().parent_path() / "File") << "ka";
  unica(db.Cartella().parent_path() / "File", m::cartella_non_cartella);
  if (::geteuid() == 0) return;  // root opens every folder
  std::filesystem::permissions(db.Cartella(), std::filesystem::perms::owner_read);
  unica(db.Cartella(), m::cartella_non_accessibile);
  std::filesystem::permissions(db.Cartella(), std::filesystem::perms::owner_all);
}

// What a word file's name may point to, checked before anything opens it; none may hang.
TEST_F(Controllo, CosaCeAlPostoDelFile) {
  const auto percorso = [&](std::string_view nome) { return db.Cartella() / (std::string(nome) + ".txt"); };
  db.Cancella("Dove");
  ASSERT_EQ(::mkfifo(percorso("Dove").c_str(), 0600), 0);
  db.Cancella("Come");
  std::filesystem::create_symlink("/dev/zero", percorso("Come"));
  db.Cancella("Libri");
  std::filesystem::create_symlink("Libri.txt", percorso("Libri"));
  db.Cancella("SillabeOrco");
  std::filesystem::create_directory(percorso("SillabeOrco"));
  std::ofstream(percorso("SillabeNano")) << "ka";
  std::filesystem::resize_file(percorso("SillabeNano"), static_cast<std::uintmax_t>(dimensione_massima_file) + 1);
  EXPECT_THAT(Controlla(), ElementsAre(Errore("Come", 0, std::string(m::file_speciale)),
                                       Errore("Dove", 0, std::string(m::file_speciale)),
                                       Errore("Libri", 0, std::string(m::file_in_ciclo)),
                                       Errore("SillabeNano", 0, m::File_Troppo_Grande("64 MiB")),
                                       Errore("SillabeOrco", 0, std::string(m::file_cartella))));
}

// Sixty empty entries: fifty are shown, a count stands for the rest, and the summary counts all.
TEST_F(Controllo, CinquantaSegnalazioniPerFilePoiUnConteggio) {
  std::string righe = "nel Bosco";
  for (int i = 0; i < 60; ++i) righe += "\n\"\"";
  db.Scrivi("Dove", righe + "\nnel Fosso");
  const auto s = Controlla();
  ASSERT_EQ(s.size(), massimo_segnalazioni_per_file + 1);
  EXPECT_EQ(s[49], Errore("Dove", 51, std::string(m::voce_vuota)));
  Segnalazione conteggio = Errore("Dove", 0, "altri 10 errori in questo file non sono mostrati");
  conteggio.nascoste = 10;
  EXPECT_EQ(s[50], conteggio);
  EXPECT_EQ(Riepilogo(s), "60 errori, 0 avvisi");
  EXPECT_EQ(m::Altre_Segnalazioni(1, false), "un altro avviso in questo file non è mostrato");
}

TEST_F(Controllo, ParoleAccettateDelControllo) {
  if (!Dizionario_Presente()) GTEST_SKIP() << "dizionario italiano assente";
  Aggiungi("FemAnimali", "La Viverna\nLa Manticora");
  EXPECT_THAT(Controlla(), IsEmpty());
  db.Completa(voci_valide);
  auto opzioni = Opzioni_Predefinite();
  opzioni.parole_accettate = "bsoco\tper prova\n";
  Aggiungi("Dove", "nel Bsoco");
  EXPECT_THAT(Controlla_Database(db.Cartella(), opzioni), IsEmpty());
}

// The rows of voci.tsv, each on a fresh valid fixture.
void Riga_Voce(const std::vector<std::string>& c) {
  if (!Dizionario_Presente()) GTEST_SKIP() << "dizionario italiano assente";
  ProvaControllo prova;
  prova.Aggiungi(c.at(0), c.at(1));
  const int riga = ProvaControllo::Riga_Aggiunta(c[0]);
  std::vector<std::string> sulla_riga;
  for (const auto& s : prova.Controlla()) {
    if (s.file == prova.Percorso(c[0]) && s.riga == riga) sulla_riga.push_back(Testo_Segnalazione(s));
  }
  if (c.at(2) == "-") {
    EXPECT_THAT(sulla_riga, IsEmpty());
  } else {
    EXPECT_THAT(sulla_riga,
                testing::Contains(prova.Percorso(c[0]) + ":" + std::to_string(riga) + ": " + c[2] + ": " + c.at(3)));
  }
}

void Riga_File(const std::vector<std::string>& c, bool equilibrio) {
  ProvaControllo prova;
  for (std::size_t i = 0; i + 1 < c.size(); i += 2) {
    if (c[i + 1] == "(nessuno)") {
      prova.db.Cancella(c[i]);
    } else {
      prova.db.Scrivi(c[i], c[i + 1]);
    }
  }
  const auto cartella = prova.db.Cartella().string() + "/";
  std::string trovate;
  for (const auto& s : equilibrio ? prova.Controlla_Con_Equilibrio() : prova.Controlla()) {
    auto testo = Testo_Segnalazione(s);
    for (auto posto = testo.find(cartella); posto != std::string::npos; posto = testo.find(cartella)) {
      testo.erase(posto, cartella.size());
    }
    trovate += testo + "\n";
  }
  EXPECT_EQ(trovate, c.back() + "\n");
}

const prova::Regole regole = {{"voce", Riga_Voce},
                              {"file", [](const auto& c) { Riga_File(c, false); }},
                              {"equilibrio", [](const auto& c) { Riga_File(c, true); }}};
RIGHE_DATI(Righe, TALEWICK_PROVE_CONTROLLO "/voci.tsv", regole);

TEST_F(Controllo, DizionarioMancanteEErrore) {
  auto opzioni = Opzioni_Predefinite();
  opzioni.dizionario = db.Cartella() / "xx_XX";
  const auto s = Controlla_Database(db.Cartella(), opzioni);
  ASSERT_EQ(s.size(), 1U);
  EXPECT_EQ(s[0].gravita, Gravita::errore);
  EXPECT_EQ(s[0].messaggio, m::Dizionario_Mancante((db.Cartella() / "xx_XX").string()));
}

TEST(Segnalazioni, CaratteriDiControlloNonArrivanoAlTerminale) {
  const Segnalazione con_escape{"Database/Dove.txt", 2, Gravita::errore, m::Voce_Ripetuta("nel \x1B[31mBosco\x7F", 1)};
  EXPECT_EQ(Testo_Segnalazione(con_escape), "Database/Dove.txt:2: errore: «nel \\x1B[31mBosco\\x7F» è già alla riga 1");
}

TEST(ParoleAccettate, LetturaDelleRighe) {
  const auto parole = Leggi_Parole_Accettate("# commento\n\nviverna\tdrago alato\nroc # uccello\nkraken\n");
  ASSERT_EQ(parole.size(), 3U);
  EXPECT_EQ(parole[0].parola, "viverna");
  EXPECT_EQ(parole[0].motivo, "drago alato");
  EXPECT_EQ(parole[0].riga, 3);
  EXPECT_EQ(parole[1].parola, "roc");
  EXPECT_EQ(parole[1].motivo, "uccello");
  EXPECT_EQ(parole[2].motivo, "");
}

// The list holds only words the dictionary really lacks, each once, each with its reason.
TEST(ParoleAccettate, ElencoDistribuitoOnesto) {
  const auto dizionario = Dizionario::Apri(Opzioni_Predefinite().dizionario, "");
  if (!dizionario) GTEST_SKIP() << "dizionario italiano assente";
  std::set<std::string> viste;
  for (const auto& parola : Leggi_Parole_Accettate(Parole_Accettate_Distribuite())) {
    SCOPED_TRACE(parola.parola);
    EXPECT_FALSE(parola.motivo.empty());
    EXPECT_TRUE(viste.insert(parola.parola).second);
    EXPECT_EQ(parola.parola.find(' '), std::string::npos);
    EXPECT_FALSE(dizionario->Conosce(parola.parola));
  }
  EXPECT_LE(viste.size(), 60U);
}

TEST(Dizionario, ParoleConApostrofoEPunteggiatura) {
  const auto dizionario = Dizionario::Apri(Opzioni_Predefinite().dizionario, "viverna\tprova");
  if (!dizionario) GTEST_SKIP() << "dizionario italiano assente";
  EXPECT_THAT(dizionario->Parole_Ignote("dell'Acqua sull'Isola Un'Ascia all'ombra, d'oro (e un po')."), IsEmpty());
  EXPECT_THAT(dizionario->Parole_Ignote("dell'Viverna"), IsEmpty());
  EXPECT_THAT(dizionario->Parole_Ignote("Degli Viverne"), IsEmpty());
  EXPECT_THAT(dizionario->Parole_Ignote("zull'Isola nel Bsoco"), ElementsAre("zull'", "Bsoco"));
}

TEST_F(Controllo, ComandoControlla) {
  if (!Dizionario_Presente()) GTEST_SKIP() << "dizionario italiano assente";
  const std::string cartella = db.Cartella().string();
  EXPECT_EQ(prova::Esegui_Con({"--database", cartella, "controlla"}).out, "Nessun problema trovato.\n");
  Aggiungi("MasArmi", "Il Scudo");
  Aggiungi("FemArmi", "La Lancia[f]");
  Aggiungi("Aggettivi", "verde");
  const auto u = prova::Esegui_Con({"controlla", "--database", cartella});
  EXPECT_EQ(u.codice, cli::esito_fallito);
  EXPECT_EQ(u.out, Testo_Segnalazione(Avviso("Aggettivi", 5, m::Aggettivo_Minuscolo("verde"))) + "\n" +
                       Testo_Segnalazione(
                           Errore("MasArmi", 2, m::Articolo_Sbagliato("Il Scudo", "Scudo", "Lo ", "Lo Scudo"))) +
                       "\n1 errore, 1 avviso\n");
  db.Completa(voci_valide);
  Aggiungi("Aggettivi", "verde");
  EXPECT_EQ(prova::Esegui_Con({"controlla", "--database", cartella}).codice, cli::esito_ok);
}

}  // namespace
}  // namespace talewick::controllo
