// Every kind run on the word files the program ships with.
#include <gtest/gtest.h>

#include "core/stato.hpp"
#include "dispatch/dispatcher.hpp"
#include "support/database_prova.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

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

}  // namespace
}  // namespace talewick
