#include "wordstore/tag.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "base/messaggi.hpp"
#include "support/casuale_scriptato.hpp"
#include "support/database_prova.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

namespace talewick {
namespace {

using prova::CasualeScriptato;
using prova::DatabaseProva;

struct CasoPulizia {
  const char* nome;
  const char* voce;
  const char* dopo_categoria;
  const char* dopo_tutto;
};

class Pulizia : public testing::TestWithParam<CasoPulizia> {};

TEST_P(Pulizia, TogliIlGiustoTag) {
  Dato dato;
  dato.valore_dato = GetParam().voce;
  Cancella_Tag_Categoria(dato);
  EXPECT_EQ(dato.valore_dato, GetParam().dopo_categoria);
  dato.valore_dato = GetParam().voce;
  Cancella_Info_Programma(dato);
  EXPECT_EQ(dato.valore_dato, GetParam().dopo_tutto);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Pulizia,
    testing::Values(
        CasoPulizia{"genere_arma_magica", "La Lancia[f][ar][mag]", "La Lancia[f]", "La Lancia"},
        CasoPulizia{"usi_degli_aggettivi", "Acre[o][s][+][liq][col]", "Acre", "Acre"},
        CasoPulizia{"tag_dei_verbi_restano_al_passo", "ha scritto[1][tr][spec][term][scopo][causa]",
                    "ha scritto[1][tr][spec][term][scopo][causa]", "ha scritto"},
        CasoPulizia{"plurale_irregolare_tiene_il_singolare", "L'Uomo[um]|Gli Uomini", "L'Uomo|Gli Uomini", "L'Uomo"},
        CasoPulizia{"tag_senza_effetto", "Il Sasso[v][t][u][6]", "Il Sasso[6]", "Il Sasso"},
        CasoPulizia{"tag_in_maiuscolo_resta", "Il Drago[M][Mag]", "Il Drago[M][Mag]", "Il Drago[M][Mag]"},
        CasoPulizia{"parola_ignota_tra_parentesi_resta", "Il Drago[xx]", "Il Drago[xx]", "Il Drago[xx]"},
        CasoPulizia{"spazi_attorno_al_tag_restano", "Il [an] Lupo", "Il  Lupo", "Il  Lupo"},
        CasoPulizia{"ogni_occorrenza", "[m]a[m]b[m]", "[m]a[m]b[m]", "ab"},
        CasoPulizia{"su_e_np_vanno_con_le_categorie", "La Vetta[su][lu]", "La Vetta", "La Vetta"},
        CasoPulizia{"nome_proprio", "oltre i Monti di Tharnak[np]", "oltre i Monti di Tharnak",
                    "oltre i Monti di Tharnak"},
        CasoPulizia{"liste_da_entrambe", "ha venduto[tr][ogg:og/ar/ci][term][compl:um][sogg:um]",
                    "ha venduto[tr][term]", "ha venduto"},
        CasoPulizia{"lista_con_codice_ignoto_va_via_lo_stesso", "ha visto[tr][ogg:zz]", "ha visto[tr]", "ha visto"},
        CasoPulizia{"lista_in_maiuscolo_resta", "ha visto[OGG:og]", "ha visto[OGG:og]", "ha visto[OGG:og]"},
        CasoPulizia{"lista_non_chiusa_resta", "ha visto[ogg:og", "ha visto[ogg:og", "ha visto[ogg:og"}),
    [](const testing::TestParamInfo<CasoPulizia>& info) { return std::string(info.param.nome); });

struct CasoNomiPropri {
  const char* nome;
  const char* voce;
  const char* minuscolo;
  const char* senza;  // without the proper names, as the dictionary check reads it
};

class NomiPropri : public testing::TestWithParam<CasoNomiPropri> {};

TEST_P(NomiPropri, RestanoComeScritti) {
  EXPECT_EQ(Minuscolo_Tranne_Nomi_Propri(GetParam().voce), GetParam().minuscolo);
}

TEST_P(NomiPropri, SparisconoPerIlDizionario) { EXPECT_EQ(Senza_Nomi_Propri(GetParam().voce), GetParam().senza); }

INSTANTIATE_TEST_SUITE_P(
    Tabella, NomiPropri,
    testing::Values(CasoNomiPropri{"senza_tag_tutto_minuscolo", "Oltre il Fiume Nero", "oltre il fiume nero",
                                   "Oltre il Fiume Nero"},
                    CasoNomiPropri{"parola_prima_del_tag", "oltre i Monti di Tharnak[np]",
                                   "oltre i monti di Tharnak[np]", "oltre i Monti di "},
                    CasoNomiPropri{"due_nomi", "tra Ulm[np] e Vask[np]", "tra Ulm[np] e Vask[np]", "tra  e "},
                    CasoNomiPropri{"dopo_l_apostrofo_solo_il_nome", "nell'Isola di Ëlda[np]", "nell'isola di Ëlda[np]",
                                   "nell'Isola di "},
                    CasoNomiPropri{"maiuscole_interne_restano", "presso McDuff[np] il Vecchio",
                                   "presso McDuff[np] il vecchio", "presso  il Vecchio"},
                    CasoNomiPropri{"gli_altri_tag_restano", "nel Regno[lu] di Oth[np]", "nel regno[lu] di Oth[np]",
                                   "nel Regno[lu] di "}),
    [](const testing::TestParamInfo<CasoNomiPropri>& info) { return std::string(info.param.nome); });

struct CasoCancellaTag {
  const char* nome;
  const char* prima;
  const char* dopo;
};

class CancellaTag : public testing::TestWithParam<CasoCancellaTag> {};

// The list: two exact tags and one family, as the strip lists write them.
TEST_P(CancellaTag, UnaPassata) {
  constexpr std::array<std::string_view, 3> elenco = {"[f]", "[o]", "[ogg:"};
  std::string testo = GetParam().prima;
  Cancella_Tag(testo, elenco);
  EXPECT_EQ(testo, GetParam().dopo);
}

INSTANTIATE_TEST_SUITE_P(Tabella, CancellaTag,
                         testing::Values(CasoCancellaTag{"senza_parentesi", "La Spada", "La Spada"},
                                         CasoCancellaTag{"ogni_occorrenza", "a[f]b[o]c[f]", "abc"},
                                         CasoCancellaTag{"tag_non_in_elenco_resta", "a[m][f]", "a[m]"},
                                         CasoCancellaTag{"famiglia_con_il_suo_elenco", "ha rubato[ogg:og/ar][f]",
                                                         "ha rubato"},
                                         CasoCancellaTag{"famiglia_vuota", "x[ogg:]", "x"},
                                         CasoCancellaTag{"famiglia_non_e_un_tag_esatto", "x[ogg]", "x[ogg]"},
                                         CasoCancellaTag{"tag_riunito_dalla_rimozione", "a[[f]o]b", "ab"},
                                         CasoCancellaTag{"maiuscole_restano", "a[F]", "a[F]"},
                                         CasoCancellaTag{"parentesi_aperta_sola", "a[f", "a[f"},
                                         CasoCancellaTag{"parentesi_chiusa_sola", "a]f]", "a]f]"},
                                         CasoCancellaTag{"dopo_una_chiusa_che_resta", "[x][f]]", "[x]]"},
                                         CasoCancellaTag{"aperte_in_fila", "[[[f]", "[["}),
                         [](const testing::TestParamInfo<CasoCancellaTag>& i) { return std::string(i.param.nome); });

TEST(IndividuaPluraliIrregolari, PosizioneEParti) {
  Dato dato;
  dato.valore_dato = "Il Dio|Gli Dei|x";
  const auto p = Individua_Plurali_Irregolari(dato);
  EXPECT_EQ(p.posizione_barra, 7U);
  EXPECT_EQ(p.parti_plurale, (std::vector<std::string>{"Il Dio", "Gli Dei", "x"}));
  dato.valore_dato = "Il Drago";
  EXPECT_EQ(Individua_Plurali_Irregolari(dato).posizione_barra, 0U);
}

TEST(CaricaTag, EstraeSoloTraLeVociColTag) {
  DatabaseProva db;
  db.Scrivi("Aggettivi", "Rosso[col]\nDenso\nVerde[col]\nAcre");
  Archivio archivio(db.Cartella());
  CasualeScriptato casuale{1, 2};
  Contesto contesto(archivio, casuale);
  contesto[3].nome_file_dato = "Aggettivi";
  contesto[3].tag_dato = "[col]";
  Carica_Tag(contesto, 3);
  EXPECT_EQ(contesto[3].valore_dato, "Rosso[col]");
  Carica_Tag(contesto, 3);
  EXPECT_EQ(contesto[3].valore_dato, "Verde[col]");
}

TEST(CaricaTag, NessunaVoceColTagFermaLaGenerazione) {
  DatabaseProva db;
  db.Scrivi("Libri", "Trattato[1][an]");
  Archivio archivio(db.Cartella());
  Motore_Casuale casuale(1);
  Contesto contesto(archivio, casuale);
  contesto[0].nome_file_dato = "Libri";
  contesto[0].tag_dato = "[3]";
  try {
    Carica_Tag(contesto, 0);
    FAIL() << "a tagged draw with no tagged entry must stop";
  } catch (const ErroreGenerazione& e) {
    EXPECT_EQ(std::string(e.what()), messaggi::Tag_Assente((db.Cartella() / "Libri.txt").string(), "[3]"));
  }
}

TEST(Carica, UnaSolaVoceSempreQuella_EAltriSlotIntatti) {
  DatabaseProva db;
  db.Scrivi("Dove", "nel Bosco");
  Archivio archivio(db.Cartella());
  Motore_Casuale casuale(3);
  Contesto contesto(archivio, casuale);
  contesto[5].valore_dato = "intatto";
  contesto[6].nome_file_dato = "Dove";
  for (int i = 0; i < 5; ++i) {
    Carica(contesto, 6);
    EXPECT_EQ(contesto[6].valore_dato, "nel Bosco");
  }
  EXPECT_EQ(contesto[5].valore_dato, "intatto");
}

TEST(CaricaGenereSostantivo, FileEFormaUguali) {
  DatabaseProva db;
  Archivio archivio(db.Cartella());
  CasualeScriptato casuale{1, 2};
  Contesto contesto(archivio, casuale);
  Carica_Genere_Sostantivo(contesto, 4);
  EXPECT_EQ(contesto[4].nome_file_dato, "Mas");
  EXPECT_EQ(contesto[4].forma_dato, "Mas");
  Carica_Genere_Sostantivo(contesto, 4);
  EXPECT_EQ(contesto[4].nome_file_dato, "Fem");
  EXPECT_EQ(contesto[4].forma_dato, "Fem");
}

}  // namespace
}  // namespace talewick
