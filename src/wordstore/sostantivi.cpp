#include "wordstore/sostantivi.hpp"

#include <cstdint>

#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/tag.hpp"

namespace talewick {
namespace {

constexpr std::string_view maschile = "Mas";
constexpr std::string_view femminile = "Fem";

// Indices into `categorie_sostantivi`, in the order the related-noun draw looks for the tags.
constexpr std::array<std::size_t, 10> ordine_tag = {1, 0, 5, 4, 6, 2, 3, 7, 9, 8};

}  // namespace

const std::array<CategoriaSostantivo, 10> categorie_sostantivi = {{
    {"Altro", "[al]", 2},
    {"Animali", "[an]", 4},
    {"Cibi", "[ci]", 6},
    {"Corpo", "[co]", 8},
    {"Umani", "[um]", 14},
    {"Oggetti", "[og]", 12},
    {"Luoghi", "[lu]", 10},
    {"Armi", "[ar]", 16},
    {"Naturale", "[na]", 20},
    {"Astratto", "[as]", 18},
}};

const CategoriaSostantivo* Categoria_da_Tag(std::string_view valore) {
  // Look from the end: the last tag in lookup order wins.
  for (auto i = ordine_tag.rbegin(); i != ordine_tag.rend(); ++i) {
    const auto& categoria = categorie_sostantivi[*i];
    if (valore.find(categoria.tag) != std::string_view::npos) return &categoria;
  }
  return nullptr;
}

void Carica_Categoria_Sostantivo(Contesto& contesto, int valore_posizione_dato) {
  Carica_Tutti_File(contesto.archivio);
  const auto& conte = contesto.archivio.numero_vocaboli;
  std::int64_t totale = 0;
  for (const auto& categoria : categorie_sostantivi) {
    totale += conte[categoria.indice_maschile] + conte[categoria.indice_maschile + 1];
  }
  auto r = contesto.casuale.Estrai(totale);
  for (const auto& categoria : categorie_sostantivi) {
    const auto peso = conte[categoria.indice_maschile] + conte[categoria.indice_maschile + 1];
    if (r <= peso) {
      contesto[valore_posizione_dato].nome_file_dato += categoria.nome;
      return;
    }
    r -= peso;
  }
}

void Carica_Luogo(Contesto& contesto, int valore_posizione_dato) {
  Dato& dato = contesto[valore_posizione_dato];
  if (contesto.casuale.Estrai(2) == 1) {
    dato.nome_file_dato = "Dove";
    dato.forma_dato = "No";
  } else {
    Carica_Genere_Sostantivo(contesto, valore_posizione_dato);
    dato.nome_file_dato += "Luoghi";
    dato.forma_dato += "SingIn";
  }
  Carica(contesto, valore_posizione_dato);
}

void Carica_Categoria_SulNel(Contesto& contesto, int valore_posizione_dato) {
  Casuale& casuale = contesto.casuale;
  const auto a = casuale.Estrai(3);
  const auto b = casuale.Estrai(2);
  const auto c = casuale.Estrai(2);
  const auto d = casuale.Estrai(2);
  Dato& dato = contesto[valore_posizione_dato];
  switch (a) {
    case 1:
      dato.nome_file_dato = "Come";
      dato.forma_dato = "No";
      break;
    case 2: {
      const auto genere = b == 2 ? maschile : femminile;
      dato.nome_file_dato = genere;
      Carica_Categoria_Sostantivo(contesto, valore_posizione_dato);
      dato.forma_dato = genere;
      dato.forma_dato += c == 2 ? "Plur" : "Sing";
      dato.forma_dato += d == 2 ? "Senza" : "Con";
      break;
    }
    default:
      Carica_Luogo(contesto, valore_posizione_dato);
      break;
  }
}

void Controlla_Categoria_e_Carica_Sostantivo_Correlato(Contesto& contesto, int valore_posizione_dato) {
  const auto genere = contesto.casuale.Estrai(2) == 1 ? maschile : femminile;
  const CategoriaSostantivo* categoria = Categoria_da_Tag(contesto[0].valore_dato);
  if (categoria == nullptr) return;
  Dato& dato = contesto[valore_posizione_dato];
  dato.nome_file_dato = genere;
  dato.nome_file_dato += categoria->nome;
  Carica(contesto, valore_posizione_dato);
  dato.forma_dato.insert(0, genere);
}

void Controlla_Complemento(Contesto& contesto, int valore_posizione_dato) {
  Dato& dato = contesto[valore_posizione_dato];
  const std::string_view valore = dato.valore_dato;
  const auto ha = [valore](std::string_view tag) { return valore.find(tag) != std::string_view::npos; };
  dato.ha_spec_dato = ha("[spec]");
  dato.ha_term_dato = ha("[term]");
  dato.ha_scopo_dato = ha("[scopo]");
  dato.transitivo_dato = ha("[tr]") && !ha("[intr]");
}

}  // namespace talewick
