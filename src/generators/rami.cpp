#include "generators/rami.hpp"

#include <array>

namespace talewick {
namespace {

constexpr std::array<std::string_view, 20> rami_spunti = {"soggetto: umani",
                                                          "soggetto: animali",
                                                          "verbo principale transitivo",
                                                          "verbo principale intransitivo",
                                                          "complemento con «di»",
                                                          "complemento con «a»",
                                                          "senza complemento",
                                                          "proposizione finale",
                                                          "senza proposizione finale",
                                                          "luogo: frase di Dove",
                                                          "luogo: nome con «in»",
                                                          "luogo: nome con «su»",
                                                          "finale: verbo transitivo",
                                                          "finale: verbo intransitivo",
                                                          "finale: complemento con «di»",
                                                          "finale: complemento con «a»",
                                                          "finale: senza complemento",
                                                          "finale: dopo «per»",
                                                          "finale: dopo «a»",
                                                          "finale: dopo «di»"};
constexpr std::array<std::string_view, 15> rami_edifici = {"schema 1: nome femminile e seguito",
                                                           "schema 2: nome maschile e seguito",
                                                           "schema 3: edificio, nome maschile e seguito",
                                                           "schema 4: edificio, nome femminile e seguito",
                                                           "schema 5: edificio e due nomi",
                                                           "seguito: nome maschile",
                                                           "seguito: nome femminile",
                                                           "seguito: aggettivo",
                                                           "seguito: participio",
                                                           "seguito: frase di Come",
                                                           "seguito: nome con «con»",
                                                           "seguito: nome con «senza»",
                                                           "seguito: luogo di Dove",
                                                           "seguito: luogo con «in»",
                                                           "seguito: luogo con «su»"};
constexpr std::array<std::string_view, 7> rami_oggetti_magici = {"oggetto: arma",
                                                                 "oggetto: oggetto",
                                                                 "complemento: astratto",
                                                                 "complemento: naturale [mag]",
                                                                 "complemento: altro [mag]",
                                                                 "qualificativo: aggettivo",
                                                                 "qualificativo: participio"};
constexpr std::array<std::string_view, 4> rami_oggetti_intelligenti = {
    "oggetto: arma", "oggetto: oggetto", "qualificativo: aggettivo", "qualificativo: participio"};
constexpr std::array<std::string_view, 9> rami_gruppi = {
    "gruppo: Clan", "gruppo: Gilda", "gruppo: Accademia",        "gruppo: Corporazione",     "gruppo: Tribù",
    "forma breve",  "forma lunga",   "qualificativo: aggettivo", "qualificativo: participio"};
constexpr std::array<std::string_view, 5> rami_divinita = {"titolo: Dio", "titolo: Dea", "titolo: Divinità",
                                                           "qualificativo: aggettivo", "qualificativo: participio"};
constexpr std::array<std::string_view, 12> rami_titoli = {"tipo 1: [1] e un plurale partitivo",
                                                          "tipo 2: [1] in una cornice con due nomi",
                                                          "cornice: Un Confronto",
                                                          "cornice: Le Differenze",
                                                          "cornice: modello in testa",
                                                          "cornice: Un Parallelo",
                                                          "tipo 3: [2] e un plurale determinativo",
                                                          "tipo 4: [3] e «sui»",
                                                          "tipo 5: [4] e un nome o due nomi propri",
                                                          "tipo 5: nome e aggettivo",
                                                          "tipo 5: due nomi propri e soprannome",
                                                          "tipo 6: [5] e «sul»"};
constexpr std::array<std::string_view, 6> rami_pozioni = {"con colore",       "senza colore",      "odore di un cibo",
                                                          "odore senza cibo", "sapore di un cibo", "sapore senza cibo"};

struct RamiTipo {
  std::string_view tipo;
  std::span<const std::string_view> rami;
};

constexpr std::array<RamiTipo, 8> rami_per_tipo = {{
    {"Spunti Avventure", rami_spunti},
    {"Nomi Edifici", rami_edifici},
    {"Nomi Oggetti Magici", rami_oggetti_magici},
    {"Nomi Oggetti Intelligenti", rami_oggetti_intelligenti},
    {"Nomi Gruppi", rami_gruppi},
    {"Nomi Divinità", rami_divinita},
    {"Titoli Libri", rami_titoli},
    {"Descrizione Pozioni", rami_pozioni},
}};

}  // namespace

std::span<const std::string_view> Rami_Del_Tipo(std::string_view tipo) {
  for (const auto& voce : rami_per_tipo) {
    if (voce.tipo == tipo) return voce.rami;
  }
  return {};
}

}  // namespace talewick
