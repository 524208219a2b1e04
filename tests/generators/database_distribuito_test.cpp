// Every kind run on the word files the program ships with.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>

#include "core/stato.hpp"
#include "dispatch/dispatcher.hpp"
#include "support/database_prova.hpp"
#include "support/righe_dati.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/testo.hpp"

namespace talewick {
namespace {

class DatabaseDistribuito : public testing::TestWithParam<const char*> {};

TEST_P(DatabaseDistribuito, RisultatiPuliti) {
  Archivio archivio(prova::Database_Distribuito());
  Motore_Casuale casuale(20240601);
  Stato stato(archivio, casuale);
  stato.opzioni.CosaGenerare = GetParam();
  for (int i = 0; i < 200; ++i) {
    const auto errore = Genera_Altro_Valore(stato);
    ASSERT_FALSE(errore) << *errore;
    const std::string& r = stato.slot_nome.testo;
    SCOPED_TRACE(r);
    EXPECT_FALSE(r.empty());
    EXPECT_EQ(r.find('['), std::string::npos);
    EXPECT_EQ(r.find('|'), std::string::npos);
    EXPECT_EQ(r.find("  "), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(OgniTipo, DatabaseDistribuito,
                         testing::Values("Nomi Edifici", "Nomi Oggetti Magici", "Nomi Oggetti Intelligenti",
                                         "Nomi Gruppi", "Nomi Divinità", "Titoli Libri", "Spunti Avventure",
                                         "Descrizione Pozioni"),
                         [](const testing::TestParamInfo<const char*>& tipo) {
                           std::string nome;
                           for (const char c : std::string_view(tipo.param)) {
                             if (std::isalpha(static_cast<unsigned char>(c))) nome += c;
                           }
                           return nome;
                         });

// Whether `scritta` is `parola` or its regular plural: «bambino» bars «bambini» too.
bool Stessa_Parola(std::string_view scritta, std::string_view parola) {
  if (Uguali_Senza_Maiuscole(scritta, parola)) return true;
  if (scritta.size() != parola.size() || parola.empty()) return false;
  const char plurale = parola.back() == 'o' || parola.back() == 'e' ? 'i' : parola.back() == 'a' ? 'e' : '\0';
  return plurale != '\0' && std::tolower(static_cast<unsigned char>(scritta.back())) == plurale &&
         Uguali_Senza_Maiuscole(scritta.substr(0, scritta.size() - 1), parola.substr(0, parola.size() - 1));
}

// Whether `riga` holds `parola` as a whole word, singular or plural, outside tags and whatever the case.
bool Contiene_Parola(std::string_view riga, std::string_view parola) {
  std::string_view resto = riga;
  bool nel_tag = false;
  std::size_t inizio = 0;
  for (std::size_t i = 0; i <= resto.size(); ++i) {
    const char c = i < resto.size() ? resto[i] : ' ';
    if (c == '[' || c == ']' || c == ' ' || c == '|' || c == '\'' || c == ',') {
      if (!nel_tag && Stessa_Parola(resto.substr(inizio, i - inizio), parola)) return true;
      if (c == '[' || c == ']') nel_tag = c == '[';
      inizio = i + 1;
    }
  }
  return false;
}

const prova::Regole escluse = {
    {"esclusa",
     [](const std::vector<std::string>& c) {
       const auto& parola = c.at(0);
       for (const auto& voce : std::filesystem::directory_iterator(prova::Database_Distribuito())) {
         if (voce.path().extension() != ".txt") continue;
         std::ifstream file(voce.path());
         for (std::string riga; std::getline(file, riga);) {
           EXPECT_FALSE(Contiene_Parola(riga, parola)) << voce.path().filename().string() << ": " << riga;
         }
       }
     }},
    {"nel_nome",
     [](const std::vector<std::string>& c) {
       const auto& parola = c.at(0);
       for (const auto& voce : std::filesystem::directory_iterator(prova::Database_Distribuito())) {
         if (!voce.path().filename().string().starts_with("Sillabe")) continue;
         std::ifstream file(voce.path());
         std::vector<std::string> sillabe;
         for (std::string riga; std::getline(file, riga);) sillabe.push_back(In_Minuscolo(riga));
         for (const auto& prima : sillabe) {
           for (const auto& seconda : sillabe) {
             EXPECT_EQ((prima + seconda).find(parola), std::string::npos)
                 << voce.path().filename().string() << ": " << prima << " " << seconda;
           }
         }
       }
     }},
};

RIGHE_DATI(ParoleEscluse, TALEWICK_DATI, escluse);

}  // namespace
}  // namespace talewick
