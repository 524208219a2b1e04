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

// In hooks the composition writes its place once, and the purpose verb's complement only
// inside the purpose clause.
TEST(SpuntiDistribuiti, LuogoUnaVoltaENessunComplementoSciolto) {
  Archivio archivio(prova::Database_Distribuito());
  Motore_Casuale casuale(7);
  Stato stato(archivio, casuale);
  stato.opzioni.CosaGenerare = "Spunti Avventure";
  int finali = 0;
  for (int i = 0; i < 10000; ++i) {
    ASSERT_FALSE(Genera_Altro_Valore(stato));
    std::string spunto = stato.slot_nome.testo;
    SCOPED_TRACE(spunto);
    const Dato& verbo = stato[1];
    const Dato& scopo = stato[7];
    const std::string& luogo = stato[6].valore_dato;
    // A place of the purpose clause may be drawn the same by chance: leave it out of the count.
    if (verbo.ha_scopo_dato && !scopo.transitivo_dato) {
      const auto pos = spunto.rfind(stato[10].valore_dato);
      if (pos != std::string::npos) spunto.erase(pos, stato[10].valore_dato.size());
    }
    const auto prima = spunto.find(luogo);
    EXPECT_EQ(spunto.find(luogo, prima == std::string::npos ? 0 : prima + 1), std::string::npos);
    if (verbo.ha_scopo_dato) {
      ++finali;
    } else if ((scopo.ha_spec_dato || scopo.ha_term_dato) && stato[11].valore_dato != stato[5].valore_dato) {
      EXPECT_EQ(spunto.find(stato[11].valore_dato), std::string::npos);
    }
  }
  EXPECT_GT(finali, 0);
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
