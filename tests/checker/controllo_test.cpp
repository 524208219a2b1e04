#include "checker/controllo.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

#include "app/cli.hpp"
#include "checker/dizionario.hpp"
#include "base/messaggi_controllo.hpp"
#include "support/database_prova.hpp"
#include "wordstore/archivio.hpp"

namespace talewick::controllo {

void PrintTo(const Segnalazione& s, std::ostream* os) { *os << Testo_Segnalazione(s); }

namespace {

namespace m = messaggi::controllo;
using prova::DatabaseProva;
using namespace std::string_literals;

using Voci = std::map<std::string, std::string, std::less<>>;

// The plain fixture's masculine noun wants its hint ("I Dragi" otherwise).
Voci Con_Maschili(Voci voci) {
  for (const auto nome : nome_file) {
    if (nome.starts_with("Mas")) voci.try_emplace(std::string(nome), "Il Drago[m]");
  }
  return voci;
}

// Also the tagged entries the generators need: a fixture with these has nothing to report.
// Every noun file holds a noun of its own, every verb lists its partners.
const Voci voci_valide = {
    {"MasNaturale", "Il Vento[mag]"},
    {"FemNaturale", "La Luna[mag]"},
    {"MasAltro", "Il Sigillo[mag]"},
    {"FemAltro", "La Runa[mag]"},
    {"MasAnimali", "Il Lupo"},
    {"FemAnimali", "La Volpe"},
    {"MasCibi", "Il Pane"},
    {"FemCibi", "La Mela"},
    {"MasCorpo", "Il Dente"},
    {"FemCorpo", "La Spalla"},
    {"MasLuoghi", "Il Castello"},
    {"FemLuoghi", "La Torre"},
    {"MasOggetti", "Il Martello"},
    {"FemOggetti", "La Corona"},
    {"MasUmani", "Il Guerriero"},
    {"FemUmani", "La Regina"},
    {"MasArmi", "Il Pugnale"},
    {"FemArmi", "La Spada"},
    {"MasAstratto", "Il Destino"},
    {"FemAstratto", "La Paura"},
    {"VerbiPassatoProssimo", "ha rubato[tr][ogg:og]"},
    {"IngleseSoggetti", "Wolf"},
    {"Aggettivi", "Rosso[col]\nDenso[liq]\nAcre[o]\nDolce[s]"},
    {"Libri", "Il Trattato[1][an]\nCome Addestrare[2][an]\nRiflessioni[3][as]\nIl Libro[4][og]\nDiscorso[5][lu]"},
};

// One dictionary for all tests, with the shipped accepted words: opening it is the slow part.
Dizionario* Dizionario_Italiano() {
  static const auto dizionario = [] {
    const auto opzioni = Opzioni_Predefinite();
    return Dizionario::Apri(opzioni.dizionario, opzioni.parole_accettate);
  }();
  return dizionario.get();
}
bool Dizionario_Presente() { return Dizionario_Italiano() != nullptr; }

class Controllo : public testing::Test {
 protected:
  void SetUp() override { db.Completa(voci_valide); }

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

TEST_F(Controllo, FileMancante) {
  db.Cancella("SillabeTroll");
  EXPECT_THAT(Controlla(), ElementsAre(Errore("SillabeTroll", 0, std::string(m::file_mancante))));
}

TEST_F(Controllo, CartellaMancanteUnaSolaSegnalazione) {
  const auto s = Controlla_Database(db.Cartella() / "nessuna");
  ASSERT_EQ(s.size(), 1U);
  EXPECT_EQ(s[0].messaggio, m::cartella_mancante);
}

TEST_F(Controllo, FileSenzaVoci) {
  db.Scrivi("Come", "");
  EXPECT_THAT(Controlla(), ElementsAre(Errore("Come", 0, std::string(m::file_senza_voci))));
}

TEST_F(Controllo, RigaVuotaInMezzoEAllaFine) {
  db.Scrivi("MasArmi", "Il Pugnale\n\nLo Scudo\n\n");
  EXPECT_THAT(Controlla(), ElementsAre(Errore("MasArmi", 2, std::string(m::voce_vuota)),
                                       Errore("MasArmi", 4, std::string(m::riga_vuota_finale))));
}

TEST_F(Controllo, FileInWindows1252LettoLoStesso) {
  db.Scrivi("FemLuoghi", "La Foresta\nLa Citt\xE0|Le Citt\xE0");
  // "Città" decodes right: no word is unknown, only the encoding is reported, where it goes wrong.
  EXPECT_THAT(Controlla(), ElementsAre(Errore("FemLuoghi", 2, std::string(m::non_utf8))));
}

TEST_F(Controllo, UnaRigaWindows1252InUnFileUtf8EUnAvvisoConLeRighe) {
  db.Scrivi("Dove", "nel Bosco\nnella Città\nnella Citt\xE0 Alta\nsulla Torre\nsulla Citt\xE0");
  EXPECT_THAT(Controlla(), ElementsAre(Avviso("Dove", 3, m::Codifica_Mista("3 e 5", false))));
  db.Scrivi("Dove", "nella Città\nnella Citt\xE0 Alta");
  EXPECT_THAT(Controlla(), ElementsAre(Avviso("Dove", 2, m::Codifica_Mista("2", true))));
  EXPECT_EQ(m::Codifica_Mista("2", true),
            "il file mescola UTF-8 e Windows-1252: la riga 2 è stata letta come Windows-1252, le altre come UTF-8; "
            "salvalo tutto in UTF-8");
}

TEST_F(Controllo, FileUtf16ConBomLetto) {
  const std::string utf16("\xFF\xFEn\0e\0l\0 \0B\0o\0s\0c\0o\0", 20);
  db.Scrivi("Dove", utf16);
  EXPECT_THAT(Controlla(), ElementsAre(Avviso("Dove", 1, std::string(m::utf16))));
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

TEST_F(Controllo, DatabaseCheEUnFile) {
  const auto file = db.Cartella().parent_path() / "File";
  std::ofstream(file) << "ka";
  EXPECT_THAT(Controlla_Database(file),
              ElementsAre(Segnalazione{file.string(), 0, Gravita::errore, std::string(m::cartella_non_cartella)}));
}

TEST_F(Controllo, CartellaChiusaUnaSolaSegnalazione) {
  if (::geteuid() == 0) GTEST_SKIP() << "root apre ogni cartella";
  std::filesystem::permissions(db.Cartella(), std::filesystem::perms::owner_read);
  const auto s = Controlla_Database(db.Cartella());
  std::filesystem::permissions(db.Cartella(), std::filesystem::perms::owner_all);
  EXPECT_THAT(s, ElementsAre(Segnalazione{db.Cartella().string(), 0, Gravita::errore,
                                          std::string(m::cartella_non_accessibile)}));
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

TEST_F(Controllo, VirgoletteApertaEByteNul) {
  db.Scrivi("Dove", "nel Bosco\n\"nella Foresta\nnel Fos\0so"s);
  EXPECT_THAT(Controlla(), ElementsAre(Errore("Dove", 2, std::string(m::virgolette_aperte)),
                                       Errore("Dove", 3, std::string(m::byte_nul))));
}

TEST_F(Controllo, VirgolaERipetizioneSonoAvvisi) {
  db.Scrivi("Dove", "nel Bosco\nnel Bosco,nella Foresta");
  EXPECT_THAT(Controlla(),
              ElementsAre(Avviso("Dove", 2, m::Virgola(2)), Avviso("Dove", 2, m::Voce_Ripetuta("nel Bosco", 1))));
}

TEST_F(Controllo, FileEstraneoAvviso) {
  db.Scrivi("MasArmi ", "Lo Scudo");
  EXPECT_THAT(Controlla(), ElementsAre(Avviso("MasArmi ", 0, std::string(m::file_sconosciuto))));
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

// Each row of voci.tsv: one entry added to a valid fixture, and the finding on its line.
struct CasoVoce {
  std::string nome, file, voce, gravita, messaggio;
};
void PrintTo(const CasoVoce& caso, std::ostream* os) { *os << caso.nome; }

std::vector<CasoVoce> Casi_Voci() {
  std::ifstream tabella(std::filesystem::path(TALEWICK_PROVE_CONTROLLO) / "voci.tsv");
  std::vector<CasoVoce> casi;
  for (std::string riga; std::getline(tabella, riga);) {
    if (riga.empty() || riga.starts_with('#')) continue;
    std::vector<std::string> campi;
    for (std::size_t inizio = 0;;) {
      const auto tab = riga.find('\t', inizio);
      campi.push_back(riga.substr(inizio, tab - inizio));
      if (tab == std::string::npos) break;
      inizio = tab + 1;
    }
    if (campi.size() == 5) casi.push_back({campi[0], campi[1], campi[2], campi[3], campi[4]});
  }
  return casi;
}

class VociControllate : public Controllo, public testing::WithParamInterface<CasoVoce> {};

TEST_P(VociControllate, SegnalazioneSullaRigaDellaVoce) {
  if (!Dizionario_Presente()) GTEST_SKIP() << "dizionario italiano assente";
  const auto& caso = GetParam();
  Aggiungi(caso.file, caso.voce);
  const int riga = Riga_Aggiunta(caso.file);
  std::vector<std::string> sulla_riga;
  for (const auto& s : Controlla()) {
    if (s.file == Percorso(caso.file) && s.riga == riga) sulla_riga.push_back(Testo_Segnalazione(s));
  }
  if (caso.gravita == "-") {
    EXPECT_THAT(sulla_riga, IsEmpty());
  } else {
    EXPECT_THAT(sulla_riga, testing::Contains(Percorso(caso.file) + ":" + std::to_string(riga) + ": " + caso.gravita +
                                              ": " + caso.messaggio));
  }
}

INSTANTIATE_TEST_SUITE_P(Tabella, VociControllate, testing::ValuesIn(Casi_Voci()),
                         [](const testing::TestParamInfo<CasoVoce>& info) {
                           std::string nome;
                           for (const char c : info.param.nome) nome += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return nome + "_" + std::to_string(info.index);
                         });

TEST_F(Controllo, NomeInDueFileDiNomi) {
  Aggiungi("FemAltro", "La Volpe[mag]");
  Aggiungi("MasUmani", "L'Alchimista|Gli Alchimisti");
  Aggiungi("FemUmani", "L'alchimista");
  EXPECT_THAT(
      Controlla(),
      testing::IsSupersetOf(
          {Avviso("FemAnimali", 1, m::Nome_In_Due_File("La Volpe", "volpe", Percorso("FemAltro"), 2, "La Volpe[mag]")),
           Avviso("FemUmani", 2,
                  m::Nome_In_Due_File("L'alchimista", "alchimista", Percorso("MasUmani"), 2,
                                      "L'Alchimista|Gli Alchimisti"))}));
}

TEST_F(Controllo, CategoriaSquilibrataSottoL80PerCento) {
  Aggiungi("MasArmi", "Lo Stocco[m]\nIl Gladio\nLo Spadone\nIl Mazzafrusto");  // 5 against 1
  Aggiungi("MasCibi", "Il Formaggio");                                         // 2 against 1: 50%
  Aggiungi("FemOggetti", "La Lanterna\nLa Chiave\nLa Fiaccola");               // 4 against 1
  Aggiungi("MasOggetti", "Il Forziere\nIl Barile");                            // 3 against 4: 75%
  Aggiungi("MasAstratto", "Il Dubbio\nIl Rimorso\nIl Timore\nIl Sospetto");    // 5
  Aggiungi("FemAstratto", "La Gioia\nLa Speranza\nLa Gloria");                 // 4 against 5: 80%, no finding
  const auto s = Controlla_Con_Equilibrio();
  std::vector<Segnalazione> squilibri;
  std::copy_if(s.begin(), s.end(), std::back_inserter(squilibri), [](const Segnalazione& x) { return x.riga == 0; });
  EXPECT_THAT(squilibri, ElementsAre(Avviso("FemCibi", 0, m::Categoria_Squilibrata(1, Percorso("MasCibi"), 2)),
                                     Avviso("MasOggetti", 0, m::Categoria_Squilibrata(3, Percorso("FemOggetti"), 4)),
                                     Avviso("FemArmi", 0, m::Categoria_Squilibrata(1, Percorso("MasArmi"), 5))));
}

TEST_F(Controllo, ParolaIngleseInEntrambiIFile) {
  db.Scrivi("IngleseVocaboli", "Storm\nRaven");
  db.Scrivi("IngleseSoggetti", "Wolf\nraven\nStorm[v]");
  EXPECT_THAT(
      Controlla(),
      ElementsAre(Avviso("IngleseSoggetti", 2, m::Inglese_In_Due_File("raven", Percorso("IngleseVocaboli"), 2)),
                  Avviso("IngleseSoggetti", 3, m::Inglese_In_Due_File("Storm[v]", Percorso("IngleseVocaboli"), 1))));
}

TEST_F(Controllo, NessunParticipioCheFacciaDaAggettivo) {
  db.Scrivi("VerbiPassatoProssimo", "ha dormito[intr]");
  EXPECT_THAT(Controlla(),
              testing::Contains(Errore("VerbiPassatoProssimo", 0, std::string(m::nessun_participio_aggettivo))));
}

TEST_F(Controllo, DizionarioMancanteEErrore) {
  auto opzioni = Opzioni_Predefinite();
  opzioni.dizionario = db.Cartella() / "xx_XX";
  const auto s = Controlla_Database(db.Cartella(), opzioni);
  ASSERT_EQ(s.size(), 1U);
  EXPECT_EQ(s[0].gravita, Gravita::errore);
  EXPECT_EQ(s[0].messaggio, m::Dizionario_Mancante((db.Cartella() / "xx_XX").string()));
}

TEST(Segnalazioni, TestoERiepilogo) {
  const Segnalazione errore{"Database/MasArmi.txt", 12, Gravita::errore, "x"};
  const Segnalazione avviso{"Database/Libri.txt", 0, Gravita::avviso, "y"};
  EXPECT_EQ(Testo_Segnalazione(errore), "Database/MasArmi.txt:12: errore: x");
  EXPECT_EQ(Testo_Segnalazione(avviso), "Database/Libri.txt: avviso: y");
  EXPECT_EQ(Riepilogo({}), "Nessun problema trovato.");
  EXPECT_EQ(Riepilogo({errore, errore, errore, avviso}), "3 errori, 1 avviso");
  EXPECT_EQ(Riepilogo({errore}), "1 errore, 0 avvisi");
  EXPECT_EQ(Riepilogo({avviso, avviso}), "0 errori, 2 avvisi");
  EXPECT_FALSE(Ci_Sono_Errori({avviso}));
  EXPECT_TRUE(Ci_Sono_Errori({avviso, errore}));
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

struct UscitaCli {
  int codice;
  std::string out;
};
UscitaCli Esegui_Cli(const std::vector<std::string>& argomenti) {
  std::ostringstream out;
  std::ostringstream err;
  const int codice = cli::Esegui(argomenti, out, err);
  return {codice, out.str()};
}

TEST_F(Controllo, ComandoControlla) {
  if (!Dizionario_Presente()) GTEST_SKIP() << "dizionario italiano assente";
  const std::string cartella = db.Cartella().string();
  EXPECT_EQ(Esegui_Cli({"--database", cartella, "controlla"}).out, "Nessun problema trovato.\n");
  Aggiungi("MasArmi", "Il Scudo");
  Aggiungi("FemArmi", "La Lancia[f]");
  Aggiungi("Aggettivi", "verde");
  const auto u = Esegui_Cli({"controlla", "--database", cartella});
  EXPECT_EQ(u.codice, cli::esito_fallito);
  EXPECT_EQ(u.out, Testo_Segnalazione(Avviso("Aggettivi", 5, m::Aggettivo_Minuscolo("verde"))) + "\n" +
                       Testo_Segnalazione(
                           Errore("MasArmi", 2, m::Articolo_Sbagliato("Il Scudo", "Scudo", "Lo ", "Lo Scudo"))) +
                       "\n1 errore, 1 avviso\n");
  db.Completa(voci_valide);
  Aggiungi("Aggettivi", "verde");
  EXPECT_EQ(Esegui_Cli({"controlla", "--database", cartella}).codice, cli::esito_ok);
}

}  // namespace
}  // namespace talewick::controllo
