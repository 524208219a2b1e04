// Participles that qualify a noun come only from verbs whose participle can be an adjective,
// in every generator that uses them.
#include <gtest/gtest.h>

#include <array>

#include "base/messaggi.hpp"
#include "dispatch/dispatcher.hpp"
#include "prova_generatore.hpp"
#include "wordstore/testo.hpp"

namespace talewick {
namespace {

using prova::ProvaGeneratore;

struct CasoParticipio {
  const char* nome;
  ProvaGeneratore::Generatore generatore;
  const char* tipo;
};

std::string Nome(const testing::TestParamInfo<CasoParticipio>& info) { return info.param.nome; }

const std::array<CasoParticipio, 6> casi = {
    {{"edifici", Carica_Nome_Locanda_Casuale, "Nomi Edifici"},
     {"oggetti_magici", Carica_Oggetto_Magico_Casuale, "Nomi Oggetti Magici"},
     {"oggetti_intelligenti", Carica_Oggetto_Casuale, "Nomi Oggetti Intelligenti"},
     {"gruppi", Carica_Gruppo_Casuale, "Nomi Gruppi"},
     {"divinita", Carica_Dio_Casuale, "Nomi Divinità"},
     {"spunti", Carica_Spunto_Avventura_Casuale, "Spunti Avventure"}}};

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

INSTANTIATE_TEST_SUITE_P(Tabella, Participi, testing::ValuesIn(casi.begin(), casi.begin() + 5), Nome);

// A deity's participle suits its domain: weapons are forged, kings are slain.
TEST(ParticipiDelDominio, SecondoLaCategoria) {
  ProvaGeneratore prova(Carica_Dio_Casuale, prova::Voci_Di("Dominio"));
  const auto conta = prova.Frequenze(5, 600, [](const std::string& r) -> std::string {
    const bool armi = r.find("Stocc") != std::string::npos || r.find("Lanc") != std::string::npos;
    const bool umani = r.find(" Re ") != std::string::npos || r.find("Regine") != std::string::npos;
    const bool forgiati = r.find("Forgiat") != std::string::npos;
    const bool uccisi = r.find("Uccis") != std::string::npos;
    if (!forgiati && !uccisi) return "aggettivo";
    if (armi) return forgiati ? "armi forgiate" : "armi uccise";
    if (umani) return uccisi ? "umani uccisi" : "umani forgiati";
    return "altro";
  });
  EXPECT_EQ(conta.count("armi uccise"), 0U);
  EXPECT_EQ(conta.count("umani forgiati"), 0U);
  EXPECT_GT(conta.count("armi forgiate"), 0U);
  EXPECT_GT(conta.count("umani uccisi"), 0U);
}

// An adjective tagged "[per:um]" qualifies people only, in every generator that puts one on a noun.
class AggettiviPerCategoria : public testing::TestWithParam<CasoParticipio> {};

TEST_P(AggettiviPerCategoria, SoloSuiNomiAmmessi) {
  ProvaGeneratore prova(GetParam().generatore, prova::Voci_Di("AggettiviPerCategoria"));
  prova.stato.opzioni.Aggettivi = true;
  const auto conta = prova.Frequenze(11, 600, [](const std::string& r) -> std::string {
    const std::string minuscolo = In_Minuscolo(r);
    for (auto pos = minuscolo.find("avid"); pos != std::string::npos; pos = minuscolo.find("avid", pos + 1)) {
      const auto inizio = minuscolo.rfind(' ', pos - 2);
      const auto prima = minuscolo.substr(inizio == std::string::npos ? 0 : inizio + 1);
      if (!prima.starts_with("bard") && !prima.starts_with("badess")) return "fuori posto";
    }
    return minuscolo.find("avid") != std::string::npos ? "su una persona" : "altro";
  });
  EXPECT_EQ(conta.count("fuori posto"), 0U);
  if (GetParam().tipo != std::string_view("Nomi Oggetti Magici")) {
    EXPECT_GT(conta.count("su una persona"), 0U);
  }
}

INSTANTIATE_TEST_SUITE_P(Tabella, AggettiviPerCategoria, testing::Values(casi[1], casi[3], casi[4], casi[5]), Nome);

// The purpose of a hook is a goal ("[meta]") whenever one admits the subject, and not the main verb.
TEST(SpuntiConParticipi, LoScopoEUnaMetaDiversaDalVerbo) {
  ProvaGeneratore prova(Carica_Spunto_Avventura_Casuale, prova::Voci_Di("Mete"));
  const auto conta = prova.Frequenze(3, 300, [](const std::string& r) {
    const auto per = r.find(" per ");
    if (per == std::string::npos) return "senza scopo";
    if (r.find("salvat") < per && r.find("salvare", per) != std::string::npos) return "ripetuto";
    const bool meta = r.find("salvare", per) != std::string::npos || r.find("liberare", per) != std::string::npos;
    return meta ? "meta" : "altro";
  });
  EXPECT_EQ(conta.count("altro"), 0U);
  EXPECT_EQ(conta.count("ripetuto"), 0U);
  EXPECT_GT(conta.count("meta"), 0U);
}

}  // namespace
}  // namespace talewick
