#include "app/cli.hpp"
#include "support/cli_prova.hpp"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <sstream>

#include "app/uscita.hpp"

#include "base/messaggi.hpp"
#include "support/database_prova.hpp"

namespace talewick::cli {
namespace {

using prova::DatabaseProva;

using prova::Esegui_Con;
using prova::Uscita;

class Cli : public testing::Test {
 protected:
  Cli() { db.Completa({{"SillabeElfo", "ael\nrien\nthal\nsyl"}}); }
  std::string Db() const { return db.Cartella().string(); }
  DatabaseProva db;
};

TEST_F(Cli, GeneraVentiNomiDiDueParole) {
  const auto u = Esegui_Con({"--database", Db(), "genera", "Nomi Personaggi", "-n", "20", "--tipo-nomi", "Elfo"});
  ASSERT_EQ(u.codice, esito_ok) << u.err;
  std::istringstream righe(u.out);
  std::string riga;
  int conta = 0;
  while (std::getline(righe, riga)) {
    ++conta;
    const auto spazio = riga.find(' ');
    ASSERT_NE(spazio, std::string::npos) << riga;
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(riga[0])) &&
                std::isupper(static_cast<unsigned char>(riga[spazio + 1])))
        << riga;
  }
  EXPECT_EQ(conta, 20);
}

TEST_F(Cli, StessoSemeStessiNomi) {
  const std::vector<std::string> argomenti = {"--database",      Db(), "--seed", "7",           "genera",
                                              "Nomi Personaggi", "-n", "20",     "--tipo-nomi", "Elfo"};
  const auto a = Esegui_Con(argomenti);
  const auto b = Esegui_Con(argomenti);
  EXPECT_EQ(a.codice, esito_ok);
  EXPECT_EQ(a.out, b.out);
}

TEST_F(Cli, FileMancanteEsito1ConIlNome) {
  db.Cancella("SillabeElfo");
  const auto u = Esegui_Con({"--database", Db(), "genera", "Nomi Personaggi", "--tipo-nomi", "Elfo"});
  EXPECT_EQ(u.codice, esito_fallito);
  EXPECT_EQ(u.out, "");
  EXPECT_EQ(u.err, messaggi::File_Mancante((db.Cartella() / "SillabeElfo.txt").string()) + "\n");
}

TEST_F(Cli, TipoSconosciutoEsito2EdElencaINove) {
  const auto u = Esegui_Con({"--database", Db(), "genera", "Nomi Draghi"});
  EXPECT_EQ(u.codice, esito_uso);
  EXPECT_NE(u.err.find("\"Titoli Libri\""), std::string::npos) << u.err;
  EXPECT_NE(u.err.find("\"Descrizione Pozioni\""), std::string::npos) << u.err;
}

struct CasoUso {
  const char* nome;
  std::vector<std::string> argomenti;  // after "--database DIR"
  std::string messaggio;
};

class ErroriDUso : public testing::TestWithParam<CasoUso> {
 protected:
  DatabaseProva db;
};

// Every usage error: exit status 2, nothing on standard output, one Italian line naming the word.
TEST_P(ErroriDUso, InItalianoConEsito2) {
  db.Completa_Generabile();
  std::vector<std::string> argomenti = {"--database", db.Cartella().string()};
  argomenti.insert(argomenti.end(), GetParam().argomenti.begin(), GetParam().argomenti.end());
  const auto u = Esegui_Con(argomenti);
  EXPECT_EQ(u.codice, 2);
  EXPECT_EQ(u.out, "");
  EXPECT_EQ(u.err, GetParam().messaggio + "\n");
}

const std::string comandi = "I comandi sono: genera, forma, controlla, riepilogo, copertura.";
const std::string seme = "--seed deve essere un numero intero da 0 a 18446744073709551615, non ";

INSTANTIATE_TEST_SUITE_P(
    Tabella, ErroriDUso,
    testing::Values(
        CasoUso{"nessun_comando", {}, "Manca il comando. " + comandi},
        CasoUso{"comando_sconosciuto", {"rosso"}, "Comando sconosciuto: \"rosso\". " + comandi},
        CasoUso{"manca_il_tipo", {"genera"}, "Al comando genera manca TIPO."},
        CasoUso{"tipo_sconosciuto",
                {"genera", "Nomi Draghi"},
                messaggi::Tipo_Sconosciuto("Nomi Draghi",
                                           "\"Descrizione Pozioni\", \"Nomi Divinità\", \"Nomi Edifici\", "
                                           "\"Nomi Gruppi\", \"Nomi Oggetti Intelligenti\", \"Nomi "
                                           "Oggetti Magici\", \"Nomi Personaggi\", \"Spunti Avventure\", "
                                           "\"Titoli Libri\"")},
        CasoUso{"argomenti_inattesi_nel_loro_ordine",
                {"genera", "Nomi Personaggi", "rosso", "--colore"},
                "Argomenti inattesi: \"rosso\", \"--colore\"."},
        CasoUso{"un_argomento_inatteso", {"forma", "a", "b", "c"}, "Argomento inatteso: \"c\"."},
        CasoUso{"n_zero",
                {"genera", "Nomi Personaggi", "-n", "0"},
                "-n deve essere un numero intero da 1 in su, non \"0\"."},
        CasoUso{"n_negativo",
                {"genera", "Nomi Personaggi", "-n", "-5"},
                "-n deve essere un numero intero da 1 in su, non \"-5\"."},
        CasoUso{"n_vuoto",
                {"genera", "Nomi Personaggi", "-n", ""},
                "-n deve essere un numero intero da 1 in su, non \"\"."},
        CasoUso{"n_con_virgola",
                {"genera", "Nomi Personaggi", "-n", "2.5"},
                "-n deve essere un numero intero da 1 in su, non \"2.5\"."},
        CasoUso{"n_senza_valore", {"genera", "Nomi Personaggi", "-n"}, "Manca il valore dell'opzione -n."},
        CasoUso{
            "n_due_volte", {"genera", "Nomi Personaggi", "-n", "1", "-n", "2"}, "L'opzione -n va data una volta sola."},
        CasoUso{"seme_negativo", {"--seed", "-2", "genera", "Nomi Personaggi"}, seme + "\"-2\"."},
        CasoUso{"seme_oltre_64_bit",
                {"--seed", "18446744073709551616", "genera", "Nomi Personaggi"},
                seme + "\"18446744073709551616\"."},
        CasoUso{"seme_enorme",
                {"--seed", "100000000000000000000000", "genera", "Nomi Personaggi"},
                seme + "\"100000000000000000000000\"."},
        CasoUso{"seme_vuoto", {"--seed", "", "genera", "Nomi Personaggi"}, seme + "\"\"."},
        CasoUso{"seme_non_numero", {"--seed", "abc", "genera", "Nomi Personaggi"}, seme + "\"abc\"."},
        CasoUso{"min_non_numero",
                {"genera", "Nomi Personaggi", "--min", "abc"},
                "La lunghezza \"--min\" deve essere un numero intero da 1 a 1000, non \"abc\"."},
        CasoUso{"min_oltre_mille",
                {"genera", "Nomi Personaggi", "--min", "100000"},
                "La lunghezza \"--min\" deve essere un numero intero da 1 a 1000, non \"100000\"."},
        CasoUso{"max_zero",
                {"genera", "Nomi Personaggi", "--max", "0"},
                "La lunghezza \"--max\" deve essere un numero intero da 1 a 1000, non \"0\"."},
        CasoUso{"max_vuoto",
                {"genera", "Nomi Personaggi", "--max", ""},
                "La lunghezza \"--max\" deve essere un numero intero da 1 a 1000, non \"\"."},
        CasoUso{"min_maggiore_di_max",
                {"genera", "Nomi Personaggi", "--min", "5", "--max", "2"},
                "La lunghezza minima (--min 5) non deve essere maggiore di quella massima (--max 2)."},
        CasoUso{"min_senza_valore", {"genera", "Nomi Personaggi", "--min"}, "Manca il valore dell'opzione --min."},
        CasoUso{"popolo_sconosciuto",
                {"genera", "Nomi Personaggi", "--tipo-nomi", "Drago"},
                messaggi::Valore_Non_Ammesso("--tipo-nomi", "Drago",
                                             "\"Demone\", \"Elfo\", \"Elfo Oscuro\", \"Generico\", \"Gnomo\", "
                                             "\"Inglese Composto\", \"Mezzuomo\", \"Nano\", \"Orco\", \"Orientale\", "
                                             "\"Troll\"")},
        CasoUso{
            "opzioni_sconosciute",
            {"genera", "Nomi Oggetti Magici", "--opzioni", "armi"},
            messaggi::Valore_Non_Ammesso("--opzioni", "armi",
                                         "\"Genera qualsiasi oggetto\", \"Genera solo nomi di armi\", \"Genera solo "
                                         "nomi di oggetti\"")},
        CasoUso{"flag_con_valore", {"genera", "Nomi Personaggi", "--json=3"}, "L'opzione --json non vuole un valore."},
        CasoUso{"flag_negato_con_valore",
                {"genera", "Nomi Personaggi", "--aggettivi=forse"},
                "L'opzione --aggettivi non vuole un valore."},
        CasoUso{"copertura_n_zero",
                {"copertura", "Spunti Avventure", "-n", "0"},
                "-n deve essere un numero intero da 1 in su, non \"0\"."},
        CasoUso{"copertura_min_maggiore_di_max",
                {"copertura", "Nomi Personaggi", "--min", "3", "--max", "2"},
                "La lunghezza minima (--min 3) non deve essere maggiore di quella massima (--max 2)."},
        CasoUso{"copertura_tipo_sconosciuto",
                {"copertura", "Nomi Draghi"},
                messaggi::Tipo_Sconosciuto("Nomi Draghi",
                                           "\"Descrizione Pozioni\", \"Nomi Divinità\", \"Nomi Edifici\", "
                                           "\"Nomi Gruppi\", \"Nomi Oggetti Intelligenti\", \"Nomi "
                                           "Oggetti Magici\", \"Nomi Personaggi\", \"Spunti Avventure\", "
                                           "\"Titoli Libri\"")},
        CasoUso{"copertura_json_con_valore",
                {"copertura", "Spunti Avventure", "--json=1"},
                "L'opzione --json non vuole un valore."},
        CasoUso{"database_senza_valore", {"controlla", "--database"}, "Manca il valore dell'opzione --database."},
        CasoUso{"forma_senza_argomenti",
                {"forma"},
                "Al comando forma manca uno di questi argomenti: --tutte, MARCATORE, VALORE."},
        CasoUso{"forma_senza_valore", {"forma", "FemPlurSu"}, "MARCATORE vuole anche VALORE."},
        CasoUso{
            "forma_tutte_e_marcatore", {"forma", "--tutte", "x", "a", "b"}, "--tutte e MARCATORE non vanno insieme."},
        CasoUso{"argomento_non_utf8",
                {"genera", "Nomi Edifici", "--nome-pers",
                 "La \xFF"
                 "Fucina",
                 "--json"},
                "L'argomento \"La \\xFFFucina\" non è testo UTF-8: scrivilo in UTF-8."},
        CasoUso{"caratteri_di_controllo_non_stampati",
                {"genera", "Nomi \x1B[2J"},
                messaggi::Tipo_Sconosciuto("Nomi \\x1B[2J",
                                           "\"Descrizione Pozioni\", \"Nomi Divinità\", \"Nomi Edifici\", "
                                           "\"Nomi Gruppi\", \"Nomi Oggetti Intelligenti\", \"Nomi "
                                           "Oggetti Magici\", \"Nomi Personaggi\", \"Spunti Avventure\", "
                                           "\"Titoli Libri\"")}),
    [](const testing::TestParamInfo<CasoUso>& i) { return std::string(i.param.nome); });

TEST_F(Cli, SemeAiDueEstremi) {
  for (const char* seme : {"0", "18446744073709551615"}) {
    const auto u = Esegui_Con({"--database", Db(), "--seed", seme, "genera", "Nomi Personaggi", "--tipo-nomi", "Elfo"});
    EXPECT_EQ(u.codice, 0) << seme << u.err;
  }
  // 2^64 - 2 is not -2: two seeds, two different runs.
  const auto a = Esegui_Con({"--database", Db(), "--seed", "18446744073709551614", "genera", "Nomi Personaggi", "-n",
                             "20", "--tipo-nomi", "Elfo"});
  const auto b = Esegui_Con({"--database", Db(), "--seed", "18446744073709551615", "genera", "Nomi Personaggi", "-n",
                             "20", "--tipo-nomi", "Elfo"});
  EXPECT_NE(a.out, b.out);
}

// One syllable per draw, so the length of a name is its count of "ka".
TEST_F(Cli, UnSoloEstremoTrascinaLAltroDelPopolo) {
  db.Completa({{"SillabeNano", "ka"}, {"SillabeGenerico", "ka"}});
  struct Riga {
    std::vector<std::string> opzioni;
    const char* nome;
  };
  const Riga righe[] = {{{"--tipo-nomi", "Nano", "--min", "3"}, "Kakaka Kakaka"},
                        {{"--tipo-nomi", "Generico", "--max", "1"}, "Ka Ka"},
                        {{"--tipo-nomi", "Nano", "--min", "1", "--max", "1"}, "Ka Ka"}};
  for (const auto& riga : righe) {
    std::vector<std::string> argomenti = {"--database", Db(), "genera", "Nomi Personaggi", "-n", "5"};
    argomenti.insert(argomenti.end(), riga.opzioni.begin(), riga.opzioni.end());
    const auto u = Esegui_Con(argomenti);
    ASSERT_EQ(u.codice, 0) << u.err;
    std::string attesi;
    for (int i = 0; i < 5; ++i) attesi += std::string(riga.nome) + "\n";
    EXPECT_EQ(u.out, attesi) << riga.opzioni[1];
  }
}

TEST_F(Cli, Json) {
  db.Scrivi("SillabeGenerico", "k\"a");
  const auto u =
      Esegui_Con({"--database", Db(), "genera", "Nomi Personaggi", "-n", "2", "--min", "1", "--max", "1", "--json"});
  ASSERT_EQ(u.codice, esito_ok) << u.err;
  EXPECT_EQ(u.out,
            "[\n  {\"tipo\": \"Nomi Personaggi\", \"testo\": \"K\\\"a K\\\"a\"},\n"
            "  {\"tipo\": \"Nomi Personaggi\", \"testo\": \"K\\\"a K\\\"a\"}\n]\n");
}

// A generation that fails part-way: what was written stays one closed JSON array, and the
// exit status says it failed.
TEST_F(Cli, JsonChiusoAncheSeUnaGenerazioneFallisce) {
  db.Completa_Generabile();
  db.Scrivi("MasArmi", "");
  bool a_meta = false;
  for (int seme = 1; seme <= 30; ++seme) {
    const auto u = Esegui_Con(
        {"--database", Db(), "--seed", std::to_string(seme), "genera", "Nomi Oggetti Magici", "-n", "8", "--json"});
    SCOPED_TRACE(u.out);
    ASSERT_TRUE(u.out.starts_with("[\n")) << seme;
    ASSERT_TRUE(u.out.ends_with("\n]\n")) << seme;
    const auto oggetti = std::count(u.out.begin(), u.out.end(), '{');
    EXPECT_EQ(std::count(u.out.begin(), u.out.end(), '}'), oggetti);
    if (u.codice == 1) {
      EXPECT_EQ(u.err, messaggi::File_Vuoto((db.Cartella() / "MasArmi.txt").string()) + "\n");
      a_meta = a_meta || oggetti > 0;
      if (oggetti > 0) {
        EXPECT_NE(u.out.find("}\n]\n"), std::string::npos);
      }
    } else {
      EXPECT_EQ(u.codice, 0);
      EXPECT_EQ(oggetti, 8);
    }
  }
  EXPECT_TRUE(a_meta);
  db.Cancella("SillabeGenerico");
  const auto nessuno = Esegui_Con({"--database", Db(), "genera", "Nomi Personaggi", "--json"});
  EXPECT_EQ(nessuno.codice, 1);
  EXPECT_EQ(nessuno.out, "[\n]\n");
}

// The base form ("AggMasSing", "No") on purpose, or a keyword mistyped: the value as it is, and a note.
TEST_F(Cli, FormaConUnMarcatoreCheNonEUnaParolaChiave) {
  for (const char* marcatore : {"No", "AggMasSing", "femplursu", "FemPlurSu "}) {
    const auto u = Esegui_Con({"forma", marcatore, "La Spada[f][mag]"});
    EXPECT_EQ(u.codice, 0);
    EXPECT_EQ(u.out, "La Spada\n");
    EXPECT_EQ(u.err, "Nota: il marcatore \"" + std::string(marcatore) +
                         "\" non è una parola chiave, quindi il valore resta com'è (senza i tag).\n");
  }
  const auto u = Esegui_Con({"forma", "FemPlurDet", "La Spada[mag]"});
  EXPECT_EQ(u.out, "Le Spade\n");
  EXPECT_EQ(u.err, "");
}

// Standard output over a real descriptor: a reader that has gone ends the run quietly with 0,
// a full disk or a closed descriptor is reported with 1.
TEST_F(Cli, ErroriDiScrittura) {
  std::signal(SIGPIPE, SIG_IGN);
  const auto esegui_su = [](int fd, const std::vector<std::string>& argomenti) {
    UscitaDescrittore uscita(fd);
    std::ostream out(&uscita);
    std::ostringstream err;
    const int codice = Esegui(argomenti, out, err);
    return prova::Uscita{codice, "", err.str()};
  };
  int tubo[2];
  ASSERT_EQ(::pipe(tubo), 0);
  ::close(tubo[0]);
  const std::vector<std::string> molti = {"--database",  Db(),   "genera", "Nomi Personaggi",
                                          "--tipo-nomi", "Elfo", "-n",     "100000"};
  auto u = esegui_su(tubo[1], molti);
  ::close(tubo[1]);
  EXPECT_EQ(u.codice, 0);
  EXPECT_EQ(u.err, "");

  const int pieno = ::open("/dev/full", O_WRONLY);
  ASSERT_GE(pieno, 0);
  u = esegui_su(pieno, molti);
  EXPECT_EQ(u.codice, 1);
  EXPECT_EQ(u.err, "Non si possono scrivere i risultati sull'uscita standard: il disco è pieno.\n");
  u = esegui_su(pieno, {"forma", "--tutte", "La Spada"});
  EXPECT_EQ(u.codice, 1);
  EXPECT_EQ(u.err, "Non si possono scrivere i risultati sull'uscita standard: il disco è pieno.\n");
  ::close(pieno);

  u = esegui_su(-1, molti);
  EXPECT_EQ(u.codice, 1);
  EXPECT_EQ(u.err, "Non si possono scrivere i risultati sull'uscita standard: l'uscita standard è chiusa.\n");
}

TEST_F(Cli, Versione) {
  const auto u = Esegui_Con({"--version"});
  EXPECT_EQ(u.codice, esito_ok);
  EXPECT_EQ(u.out, "talewick-cli 1.12.0\n");
}

}  // namespace
}  // namespace talewick::cli
