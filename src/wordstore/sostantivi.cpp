#include "wordstore/sostantivi.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "base/messaggi.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick {
namespace {

constexpr std::string_view maschile = "Mas";
constexpr std::string_view femminile = "Fem";

// A kind of place with a tag of its own, and the kind drawn when no place carries it.
struct LuogoConTag {
  Luogo luogo;
  std::string_view tag;
  Luogo ripiego;
};
constexpr std::array<LuogoConTag, 3> luoghi_con_tag = {{
    {Luogo::fortezza, marcatore_fortezza, Luogo::costruito},
    {Luogo::consacrato, marcatore_consacrato, Luogo::costruito},
    {Luogo::marino, marcatore_marino, Luogo::qualsiasi},
}};

const LuogoConTag* Con_Tag_Proprio(Luogo luogo) {
  const auto* const riga = std::find_if(luoghi_con_tag.begin(), luoghi_con_tag.end(),
                                        [luogo](const LuogoConTag& candidato) { return candidato.luogo == luogo; });
  return riga == luoghi_con_tag.end() ? nullptr : riga;
}

// Indices into `categorie_sostantivi`, in the order the related-noun draw looks for the tags.
constexpr std::array<std::size_t, 10> ordine_tag = {1, 0, 5, 4, 6, 2, 3, 7, 9, 8};

}  // namespace

const CategoriaSostantivo* Categoria_da_Tag(std::string_view valore) {
  // Keeps the last match: the last tag in lookup order wins.
  const CategoriaSostantivo* trovata = nullptr;
  for (const auto i : ordine_tag) {
    const auto& categoria = categorie_sostantivi[i];
    if (valore.find(categoria.tag) != std::string_view::npos) trovata = &categoria;
  }
  return trovata;
}

void Carica_Categoria_Sostantivo(Contesto& contesto, int valore_posizione_dato, Categorie ammesse) {
  Carica_Tutti_File(contesto.archivio);
  if ((ammesse & tutte_le_categorie) == 0) ammesse = tutte_le_categorie;
  const auto& conte = contesto.archivio.numero_vocaboli;
  const auto peso = [&](std::size_t i) -> std::int64_t {
    if ((ammesse & (1U << i)) == 0) return 0;
    const auto maschile_i = categorie_sostantivi[i].indice_maschile;
    return conte[maschile_i] + conte[maschile_i + 1];
  };
  std::int64_t totale = 0;
  for (std::size_t i = 0; i < categorie_sostantivi.size(); ++i) totale += peso(i);
  auto r = contesto.casuale.Estrai(totale);
  for (std::size_t i = 0; i < categorie_sostantivi.size(); ++i) {
    const auto& categoria = categorie_sostantivi[i];
    if (r <= peso(i)) {
      contesto[valore_posizione_dato].nome_file_dato += categoria.nome;
      return;
    }
    r -= peso(i);
  }
}

void Carica_Luogo(Contesto& contesto, int valore_posizione_dato, Luogo luogo) {
  Dato& dato = contesto[valore_posizione_dato];
  if (contesto.casuale.Estrai(2) == 1) {
    dato.nome_file_dato = "Dove";
    dato.forma_dato = "No";
    // A phrase tagged "[costruito]" is among buildings or walls: «nella sala del trono» is no place
    // to gallop, «oltre il mare delle nebbie» none to feast; one tagged "[fortezza]", "[consacrato]"
    // or "[marino]" in a stronghold, a holy place or by the sea, first for a verb that asks for one.
    const LuogoConTag* proprio = Con_Tag_Proprio(luogo);
    const Luogo generale = proprio != nullptr ? proprio->ripiego : luogo;
    const bool costruito = generale == Luogo::costruito;
    const auto del_tipo = [costruito](std::string_view frase) {
      return Contiene(frase, marcatore_costruito) == costruito;
    };
    const std::string_view tag = proprio != nullptr ? proprio->tag : std::string_view{};
    const auto del_suo_tipo = [tag](std::string_view frase) { return Contiene(frase, tag); };
    const bool trovata =
        (proprio != nullptr &&
         Carica_Filtrata(contesto, valore_posizione_dato, "frase " + std::string(tag), del_suo_tipo)) ||
        (generale != Luogo::qualsiasi &&
         Carica_Filtrata(contesto, valore_posizione_dato, costruito ? "frase costruita" : "frase selvaggia", del_tipo));
    if (!trovata) Carica(contesto, valore_posizione_dato);
  } else {
    Carica_Genere_Sostantivo(contesto, valore_posizione_dato);
    dato.nome_file_dato += "Luoghi";
    dato.forma_dato += "SingIn";
    Carica_Notevole(contesto, valore_posizione_dato, luogo);
  }
  Scegli_In_o_Su(dato);
}

void Scegli_In_o_Su(Dato& dato) {
  std::string& forma = dato.forma_dato;
  if (!forma.ends_with("SingIn") && !forma.ends_with("SingSu")) return;
  forma.replace(forma.size() - 2, 2, dato.valore_dato.find("[su]") != std::string::npos ? "Su" : "In");
}

bool Ha_Il_Mare(const Contesto& contesto) {
  constexpr std::array<std::string_view, 3> con_luoghi = {"Dove", "MasLuoghi", "FemLuoghi"};
  return std::any_of(con_luoghi.begin(), con_luoghi.end(), [&contesto](std::string_view file) {
    return !contesto.archivio.File(file).Con_Tag(marcatore_marino).empty();
  });
}

void Carica_Categoria_SulNel(Contesto& contesto, int valore_posizione_dato, Categorie ammesse) {
  Casuale& casuale = contesto.casuale;
  const auto a = casuale.Estrai(3);
  const auto b = casuale.Estrai(2);
  const auto c = casuale.Estrai(2);
  const auto d = casuale.Estrai(2);
  Dato& dato = contesto[valore_posizione_dato];
  // With no noun admitted the sign is a thing, which stands nowhere either: «La Chiave d'Oro senza
  // Padrone», not «Il Martello da Guerra nel Regno».
  switch (ammesse == 0 ? 1 : a) {
    case 1:
      dato.nome_file_dato = "Come";
      dato.forma_dato = "No";
      break;
    case 2: {
      const auto genere = b == 2 ? maschile : femminile;
      dato.nome_file_dato = genere;
      Carica_Categoria_Sostantivo(contesto, valore_posizione_dato, ammesse);
      dato.forma_dato = genere;
      dato.forma_dato += c == 2 ? "Plur" : "Sing";
      dato.forma_dato += d == 2 ? "Senza" : "Con";
      break;
    }
    default:
      // A sign stands in the wild: «Il Drago sulla Vetta», not «La Spada nella Locanda».
      Carica_Luogo(contesto, valore_posizione_dato, Luogo::selvaggio);
      break;
  }
}

void Carica_Notevole(Contesto& contesto, int valore_posizione_dato, Luogo luogo) {
  const std::string& file = contesto[valore_posizione_dato].nome_file_dato;
  const bool selvaggio = luogo == Luogo::selvaggio;
  if (file.ends_with("Animali") || file.ends_with("Umani")) {
    Carica_Marcata(contesto, valore_posizione_dato, marcatore_attore);
  } else if (const LuogoConTag* proprio = Con_Tag_Proprio(luogo); file.ends_with("Luoghi") && proprio != nullptr) {
    const auto del_tipo = [tag = proprio->tag](std::string_view voce) { return Contiene(voce, tag); };
    if (!Carica_Filtrata(contesto, valore_posizione_dato, proprio->tag, del_tipo)) {
      Carica_Notevole(contesto, valore_posizione_dato, proprio->ripiego);
    }
  } else if (file.ends_with("Luoghi") && luogo != Luogo::qualsiasi) {
    const auto del_tipo = [selvaggio](std::string_view voce) {
      return Contiene(voce, marcatore_costruito) != selvaggio;
    };
    const auto notevole = [&del_tipo](std::string_view voce) {
      return del_tipo(voce) && Contiene(voce, marcatore_notevole);
    };
    const std::string tipo = selvaggio ? "luogo selvaggio" : "luogo costruito";
    if (!Carica_Filtrata(contesto, valore_posizione_dato, tipo + " notevole", notevole) &&
        !Carica_Filtrata(contesto, valore_posizione_dato, tipo, del_tipo)) {
      Carica(contesto, valore_posizione_dato);
    }
  } else if (file.ends_with("Oggetti") || file.ends_with("Armi") || file.ends_with("Corpo") ||
             file.ends_with("Luoghi")) {
    Carica_Marcata(contesto, valore_posizione_dato, marcatore_notevole);
  } else {
    Carica(contesto, valore_posizione_dato);
  }
}

void Carica_Insegna(Contesto& contesto, int valore_posizione_dato) {
  const auto insegna = [](std::string_view voce) { return Contiene(voce, marcatore_insegna); };
  if (!Carica_Filtrata(contesto, valore_posizione_dato, marcatore_insegna, insegna)) {
    Carica_Notevole(contesto, valore_posizione_dato);
  }
}

void Controlla_Categoria_e_Carica_Sostantivo_Correlato(Contesto& contesto, int valore_posizione_dato) {
  const auto genere = contesto.casuale.Estrai(2) == 1 ? maschile : femminile;
  const CategoriaSostantivo* categoria = Categoria_da_Tag(contesto[0].valore_dato);
  if (categoria == nullptr) return;
  Dato& dato = contesto[valore_posizione_dato];
  dato.nome_file_dato = genere;
  dato.nome_file_dato += categoria->nome;
  // A manual or an inventory may be about nails as well as crowns: things come from all entries.
  const std::string_view nome = categoria->nome;
  if (nome == "Oggetti" || nome == "Armi" || nome == "Corpo") {
    Carica(contesto, valore_posizione_dato);
  } else {
    Carica_Notevole(contesto, valore_posizione_dato);
  }
  dato.forma_dato.insert(0, genere);
}

void Controlla_Complemento(Contesto& contesto, int valore_posizione_dato) {
  Dato& dato = contesto[valore_posizione_dato];
  const std::string_view valore = dato.valore_dato;
  const auto ha = [valore](std::string_view tag) { return valore.find(tag) != std::string_view::npos; };
  dato.ha_spec_dato = ha("[spec]");
  dato.ha_term_dato = ha("[term]");
  dato.ha_scopo_dato = ha("[scopo]");
  dato.transitivo_dato = E_Transitivo(valore);
}

bool E_Transitivo(std::string_view verbo) {
  return verbo.find("[tr]") != std::string_view::npos && verbo.find("[intr]") == std::string_view::npos;
}

bool Participio_Aggettivo(std::string_view verbo) {
  if (Contiene(verbo, Tipo_Lista(Lista::qualificato).apertura) && Categorie_Ammesse(verbo, Lista::qualificato) == 0) {
    return false;
  }
  return verbo.starts_with("è ") || E_Transitivo(verbo);
}

Categorie Categoria_Del_File(std::string_view nome) {
  if (nome.starts_with(maschile) || nome.starts_with(femminile)) nome.remove_prefix(maschile.size());
  for (std::size_t i = 0; i < categorie_sostantivi.size(); ++i) {
    if (categorie_sostantivi[i].nome == nome) return static_cast<Categorie>(1U << i);
  }
  return tutte_le_categorie;
}

bool Participio_Adatto(std::string_view verbo, Categorie categoria) {
  if (Contiene(verbo, Tipo_Lista(Lista::qualificato).apertura)) {
    return Participio_Aggettivo(verbo) && (Categorie_Ammesse(verbo, Lista::qualificato) & categoria) != 0;
  }
  if (verbo.starts_with("è ")) {
    const bool con_soggetto = verbo.find(Tipo_Lista(Lista::soggetto).apertura) != std::string_view::npos;
    return !con_soggetto || (Categorie_Ammesse(verbo, Lista::soggetto) & categoria) != 0;
  }
  return E_Transitivo(verbo) && (Categorie_Ammesse(verbo, Lista::oggetto) & categoria) != 0;
}

namespace {

constexpr std::string_view chiave_participi = "participio aggettivo";
// The fewest tagged participles fit for a person's roles that are drawn among.
constexpr std::size_t participi_marcati_minimi = 3;

[[noreturn]] void Nessun_Participio(Contesto& contesto, int valore_posizione_dato) {
  const auto& nome = contesto[valore_posizione_dato].nome_file_dato;
  throw ErroreGenerazione(messaggi::Nessun_Participio_Aggettivo(contesto.archivio.Percorso(nome).string()));
}

// Whether the participle fits a noun of `categoria`; for a `naturale` place, none tagged "[costruito]".
bool Participio_Per(std::string_view verbo, Categorie categoria, bool naturale) {
  return Participio_Adatto(verbo, categoria) && !(naturale && Contiene(verbo, marcatore_costruito));
}

std::string Chiave_Participi(Categorie categoria, bool naturale) {
  return std::string(chiave_participi) + " " + std::to_string(categoria) + (naturale ? " naturale" : "");
}

}  // namespace

bool Carica_Participio_Adatto(Contesto& contesto, int valore_posizione_dato, Categorie categoria, bool naturale,
                              Categorie ruoli_nome) {
  const auto colpito = [categoria, naturale, ruoli_nome](std::string_view verbo) {
    return Participio_Per(verbo, categoria, naturale) && Ruolo_Colpito(verbo, ruoli_nome);
  };
  if (ruoli_nome != tutti_i_ruoli &&
      Carica_Filtrata(contesto, valore_posizione_dato,
                      Chiave_Participi(categoria, naturale) + " ruoli " + std::to_string(ruoli_nome), colpito)) {
    return true;
  }
  const auto adatto = [categoria, naturale](std::string_view verbo) {
    return Participio_Per(verbo, categoria, naturale);
  };
  if (Carica_Filtrata(contesto, valore_posizione_dato, Chiave_Participi(categoria, naturale), adatto)) return true;
  const auto& file = contesto.archivio.File(contesto[valore_posizione_dato].nome_file_dato);
  if (file.Filtrate(chiave_participi, Participio_Aggettivo).empty()) Nessun_Participio(contesto, valore_posizione_dato);
  return false;
}

bool Carica_Participio_Marcato(Contesto& contesto, int valore_posizione_dato, Categorie categoria, bool naturale,
                               std::string_view marcatore, Categorie ruoli_nome) {
  const auto marcato_e_basta = [categoria, naturale, marcatore](std::string_view verbo) {
    return Contiene(verbo, marcatore) && Participio_Per(verbo, categoria, naturale);
  };
  const auto marcato = [&marcato_e_basta, ruoli_nome](std::string_view verbo) {
    return marcato_e_basta(verbo) && Ruolo_Colpito(verbo, ruoli_nome);
  };
  const std::string chiave =
      Chiave_Participi(categoria, naturale) + std::string(marcatore) + " ruoli " + std::to_string(ruoli_nome);
  // When its roles leave only one or two of many tagged participles, these would come back on most
  // of its results («Clan delle Nereidi Maledette»): none is drawn, and the caller turns to adjectives.
  if (ruoli_nome != tutti_i_ruoli) {
    const auto& file = contesto.archivio.File(contesto[valore_posizione_dato].nome_file_dato);
    const std::size_t adatti = file.Filtrate(chiave, marcato).size();
    if (adatti < participi_marcati_minimi &&
        adatti <
            file.Filtrate(Chiave_Participi(categoria, naturale) + std::string(marcatore), marcato_e_basta).size()) {
      return false;
    }
  }
  return Carica_Filtrata(contesto, valore_posizione_dato, chiave, marcato);
}

void Carica_Participio(Contesto& contesto, int valore_posizione_dato, Categorie categoria, bool naturale) {
  if (categoria != tutte_le_categorie &&
      Carica_Participio_Adatto(contesto, valore_posizione_dato, categoria, naturale)) {
    return;
  }
  if (!Carica_Filtrata(contesto, valore_posizione_dato, chiave_participi, Participio_Aggettivo)) {
    Nessun_Participio(contesto, valore_posizione_dato);
  }
}

bool Carica_Aggettivo_Marcato(Contesto& contesto, int valore_posizione_dato, Categorie categoria,
                              std::string_view marcatore, Categorie ruoli_nome) {
  const std::string chiave =
      "aggettivo per " + std::to_string(categoria) + std::string(marcatore) + " ruoli " + std::to_string(ruoli_nome);
  const auto adatto = [categoria, marcatore, ruoli_nome](std::string_view aggettivo) {
    return Contiene(aggettivo, marcatore) && (Categorie_Ammesse(aggettivo, Lista::qualificato) & categoria) != 0 &&
           Ruolo_Adatto(aggettivo, ruoli_nome);
  };
  return Carica_Filtrata(contesto, valore_posizione_dato, chiave, adatto);
}

void Carica_Aggettivo(Contesto& contesto, int valore_posizione_dato, Categorie categoria, std::string_view marcatore,
                      Categorie ruoli_nome) {
  if (!marcatore.empty() &&
      Carica_Aggettivo_Marcato(contesto, valore_posizione_dato, categoria, marcatore, ruoli_nome)) {
    return;
  }
  const auto adatto_a = [&](Categorie suoi_ruoli) {
    const std::string chiave = "aggettivo per " + std::to_string(categoria) + " ruoli " + std::to_string(suoi_ruoli);
    const auto adatto = [categoria, suoi_ruoli](std::string_view aggettivo) {
      return (Categorie_Ammesse(aggettivo, Lista::qualificato) & categoria) != 0 && Ruolo_Adatto(aggettivo, suoi_ruoli);
    };
    return Carica_Filtrata(contesto, valore_posizione_dato, chiave, adatto);
  };
  if (ruoli_nome != tutti_i_ruoli && adatto_a(ruoli_nome)) return;
  if (categoria != tutte_le_categorie && adatto_a(tutti_i_ruoli)) return;
  Carica(contesto, valore_posizione_dato);
}

}  // namespace talewick
