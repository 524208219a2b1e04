// Participles that qualify a noun come only from verbs whose participle can be an adjective,
// in every generator that uses them.
#include <gtest/gtest.h>

#include <array>

#include "base/messaggi.hpp"
#include "dispatch/dispatcher.hpp"
#include "prova_generatore.hpp"

namespace talewick {
namespace {

using prova::ProvaGeneratore;

struct CasoParticipio {
  const char* nome;
  ProvaGeneratore::Generatore generatore;
  const char* tipo;
};

std::string Nome(const testing::TestParamInfo<CasoParticipio>& info) { return info.param.nome; }

const std::array<CasoParticipio, 5> casi = {
    {{"edifici", Carica_Nome_Locanda_Casuale, "Nomi Edifici"},
     {"oggetti_magici", Carica_Oggetto_Magico_Casuale, "Nomi Oggetti Magici"},
     {"oggetti_intelligenti", Carica_Oggetto_Casuale, "Nomi Oggetti Intelligenti"},
     {"gruppi", Carica_Gruppo_Casuale, "Nomi Gruppi"},
     {"divinita", Carica_Dio_Casuale, "Nomi Divinità"}}};

class Participi : public testing::TestWithParam<CasoParticipio> {
 protected:
  static prova::Voci Voci(const char* verbi) {
    auto voci = prova::Voci_Di("Participi");
    voci["VerbiPassatoProssimo"] = verbi;
    return voci;
  }
};

TEST_P(Participi, NessunVerboAdattoFermaConUnMessaggio) {
  ProvaGeneratore prova(GetParam().generatore, Voci("ha dormito[intr]\nha mosso[tr][intr]"));
  Motore_Casuale motore(8);
  Stato stato(prova.archivio, motore);
  stato.opzioni.CosaGenerare = GetParam().tipo;
  std::optional<std::string> errore;
  for (int i = 0; i < 200 && !errore; ++i) errore = Genera_Altro_Valore(stato);
  ASSERT_TRUE(errore.has_value());
  EXPECT_EQ(*errore,
            messaggi::Nessun_Participio_Aggettivo((prova.db.Cartella() / "VerbiPassatoProssimo.txt").string()));
}

INSTANTIATE_TEST_SUITE_P(Tabella, Participi, testing::ValuesIn(casi), Nome);

}  // namespace
}  // namespace talewick
