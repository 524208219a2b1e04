#include "wordstore/archivio.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <unistd.h>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "base/messaggi.hpp"
#include "support/database_prova.hpp"
#include "wordstore/lettore_campi.hpp"

namespace talewick {
namespace {

using prova::DatabaseProva;

std::string Messaggio_Di(Archivio& archivio, std::string_view nome) {
  return prova::Messaggio_Di([&] { archivio.File(nome); });
}

TEST(Archivio, LeggeUnaVolta) {
  DatabaseProva db;
  db.Scrivi("Aggettivi", "Rosso\nVerde");
  Archivio archivio(db.Cartella());
  const FileParole& primo = archivio.File("Aggettivi");
  EXPECT_EQ(primo.voci, (std::vector<std::string>{"Rosso", "Verde"}));
  EXPECT_EQ(&archivio.File("Aggettivi"), &primo);
}

TEST(Archivio, UnFileModificatoSiVedeAllAzioneSuccessiva) {
  DatabaseProva db;
  db.Scrivi("Aggettivi", "Rosso");
  Archivio archivio(db.Cartella());
  EXPECT_EQ(archivio.File("Aggettivi").voci.front(), "Rosso");
  db.Scrivi("Aggettivi", "Verde");
  // The same size: only the modification time tells the edit apart.
  std::filesystem::last_write_time(db.Cartella() / "Aggettivi.txt",
                                   std::filesystem::file_time_type::clock::now() + std::chrono::seconds(5));
  archivio.Nuova_Azione();
  EXPECT_EQ(archivio.File("Aggettivi").voci.front(), "Verde");
}

// What a word file's path may lead to, one row per kind, each with the store's message; opening a
// FIFO would wait for a writer for ever, and a sparse file is refused by its size, before any read.
TEST(Archivio, CosaCeAlPostoDelFile) {
  DatabaseProva db;
  const auto cartella = db.Cartella();
  const auto percorso = [&](const char* nome) { return (cartella / nome).string(); };
  std::filesystem::create_symlink("Ciclo.txt", cartella / "Ciclo.txt");
  std::filesystem::create_symlink("/dev/zero", cartella / "Zero.txt");
  ASSERT_EQ(::mkfifo(percorso("Fifo.txt").c_str(), 0600), 0);
  std::filesystem::create_directory(cartella / "Cartella.txt");
  db.Scrivi("Vuoto", "");
  db.Scrivi("SoloRigheVuote", "\n\n\n");
  db.Scrivi("SillabeElfo Oscuro", "vel");
  for (const char* nome : {"Grande.txt", "AlLimite.txt"}) std::ofstream(cartella / nome) << "Rosso";
  std::filesystem::resize_file(cartella / "Grande.txt", static_cast<std::uintmax_t>(dimensione_massima_file) + 1);
  std::filesystem::resize_file(cartella / "AlLimite.txt", static_cast<std::uintmax_t>(dimensione_massima_file));
  const std::pair<const char*, std::string> righe[] = {
      {"Ciclo", messaggi::File_In_Ciclo(percorso("Ciclo.txt"))},
      {"Zero", messaggi::File_Non_Regolare(percorso("Zero.txt"))},
      {"Fifo", messaggi::File_Non_Regolare(percorso("Fifo.txt"))},
      {"Manca", messaggi::File_Mancante(percorso("Manca.txt"))},
      {"Cartella", messaggi::File_Cartella(percorso("Cartella.txt"))},
      {"Vuoto", messaggi::File_Vuoto(percorso("Vuoto.txt"))},
      {"SoloRigheVuote", messaggi::File_Vuoto(percorso("SoloRigheVuote.txt"))},
      {"Grande", "Il file di parole \"" + percorso("Grande.txt") +
                     "\" è troppo grande: supera il limite di 64 MiB e non viene letto."},
      {"SillabeElfo Oscuro", ""},
  };
  Archivio archivio(cartella);
  for (const auto& [nome, messaggio] : righe) EXPECT_EQ(Messaggio_Di(archivio, nome), messaggio) << nome;
  EXPECT_EQ(Esamina_File(cartella, cartella / "AlLimite.txt").natura, Natura_File::Regolare);
  EXPECT_EQ(messaggi::File_Mancante("Database/SillabeElfo.txt"),
            "Il file di parole \"Database/SillabeElfo.txt\" non esiste.");
}

// A folder that is a file or cannot be opened.
TEST(Archivio, CartellaSbagliata) {
  DatabaseProva db;
  const auto file = db.Cartella().parent_path() / "NonCartella";
  std::ofstream(file) << "ka";
  Archivio non_cartella(file);
  EXPECT_EQ(Messaggio_Di(non_cartella, "Aggettivi"),
            "\"" + file.string() + "\" è un file, non la cartella dei file di parole.");
  if (::geteuid() == 0) return;  // root opens every folder
  db.Scrivi("Aggettivi", "Rosso");
  std::filesystem::permissions(db.Cartella(), std::filesystem::perms::owner_read);
  Archivio archivio(db.Cartella());
  const auto messaggio = Messaggio_Di(archivio, "Aggettivi");
  std::filesystem::permissions(db.Cartella(), std::filesystem::perms::owner_all);
  EXPECT_EQ(messaggio, messaggi::Cartella_Non_Accessibile(db.Cartella().string()));
}

TEST(Archivio, LimiteAbbassato) {
  DatabaseProva db;
  db.Scrivi("Aggettivi", "Rosso\nVerde");
  Archivio archivio(db.Cartella(), 8);
  EXPECT_EQ(Messaggio_Di(archivio, "Aggettivi"),
            messaggi::File_Troppo_Grande((db.Cartella() / "Aggettivi.txt").string(), "8 byte"));
  EXPECT_EQ(Testo_Dimensione(2048), "2 KiB");
}

TEST(Archivio, FileInMemoriaNonToccaIlDisco) {
  Archivio archivio("/nessuna/cartella/Database");
  archivio.Metti_In_Memoria("Aggettivi", "Rosso\r\nVerde[col]");
  archivio.Metti_In_Memoria("Dove", "\n");
  archivio.Nuova_Azione();
  EXPECT_EQ(archivio.File("Aggettivi").voci, (std::vector<std::string>{"Rosso", "Verde[col]"}));
  EXPECT_EQ(Messaggio_Di(archivio, "Dove"), messaggi::File_Vuoto("/nessuna/cartella/Database/Dove.txt"));
  EXPECT_EQ(Messaggio_Di(archivio, "Come"), messaggi::Cartella_Mancante("/nessuna/cartella/Database"));
}

TEST(Archivio, IndiciDelleVociConTag) {
  DatabaseProva db;
  db.Scrivi("Aggettivi", "Rosso[col]\nDenso[liq]\nVerde[col][col]\nBlu[COL]");
  Archivio archivio(db.Cartella());
  EXPECT_EQ(archivio.File("Aggettivi").Con_Tag("[col]"), (std::vector<std::uint32_t>{0, 2}));
}

TEST(CaricaTuttiFile, ConteggiETagSuUnDatabaseDiProva) {
  DatabaseProva db;
  db.Completa({{"Aggettivi", "Rosso[col]\nDenso[liq][o]\nAcre[o][s]\nDolce[s][+]"},
               {"MasNaturale", "Il Fuoco[m][mag]\nIl Vento[mag]\nIl Sasso"},
               {"FemAltro", "L'Ombra[mag]"},
               {"Libri", "Trattato[1][an],Diario[4][um]"}});
  Archivio archivio(db.Cartella());
  Carica_Tutti_File(archivio);
  EXPECT_EQ(archivio.numero_vocaboli[1], 4);
  EXPECT_EQ(archivio.numero_vocaboli[20], 3);
  EXPECT_EQ(archivio.numero_vocaboli[28], 2);
  EXPECT_EQ(archivio.numero_vocaboli[0], 1);
  EXPECT_EQ(archivio.numero_vocaboli_tag, (std::array<std::int64_t, 6>{3, 1, 1, 2, 2, 0}));
}

TEST(CaricaTuttiFile, ConteggiOltreI16Bit) {
  DatabaseProva db;
  std::string molte;
  for (int i = 0; i < 40000; ++i) molte += "Il Drago" + std::to_string(i) + "\n";
  db.Completa({{"MasAltro", molte}});
  Archivio archivio(db.Cartella());
  Carica_Tutti_File(archivio);
  EXPECT_EQ(archivio.numero_vocaboli[2], 40000);
}

TEST(LettoreCampi, RigheDeiCampiEVirgoletteAperte) {
  const auto letti = Leggi_Campi("a\r\n\"b\nc,d\n");
  EXPECT_EQ(letti.righe, (std::vector<int>{1, 2, 3, 3}));
  EXPECT_EQ(letti.righe_virgolette_aperte, std::vector<int>{2});
}

}  // namespace
}  // namespace talewick
