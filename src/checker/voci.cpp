#include <algorithm>
#include <set>

#include "base/messaggi_controllo.hpp"
#include "checker/controllore.hpp"
#include "grammar/articoli.hpp"
#include "grammar/correzione.hpp"
#include "wordstore/liste.hpp"
#include "wordstore/sostantivi.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick::controllo {
namespace {

namespace m = messaggi::controllo;

bool Comincia_Con_Articolo(std::string_view testo) {
  constexpr std::array<std::string_view, 11> articoli = {"Il ", "Lo ", "La ",  "L'",   "I ", "Gli ",
                                                         "Le ", "Un ", "Uno ", "Una ", "Un'"};
  return std::any_of(articoli.begin(), articoli.end(), [&](std::string_view a) { return testo.starts_with(a); });
}

bool E_Tag_Lista(std::string_view gruppo) {
  return std::any_of(tipi_lista.begin(), tipi_lista.end(),
                     [&](const TipoLista& tipo) { return gruppo.starts_with(tipo.apertura); });
}

// The codes a list tag accepts, in the order of its table.
std::string Codici_Ammessi(const TipoLista& tipo) {
  std::string codici;
  for (const auto codice : tipo.codici) {
    if ((tipo.ammesse & Bit_Del_Codice(tipo, codice)) == 0) continue;
    if (!codici.empty()) codici += ' ';
    codici += codice;
  }
  return codici;
}

bool Finisce_In_Vocale_Che_Cambia(std::string_view parola) {
  return !parola.empty() && (parola.back() == 'a' || parola.back() == 'e' || parola.back() == 'o');
}

// The bracketed groups of an entry, and whether its brackets pair up.
struct Parentesi {
  bool bilanciate = true;
  std::vector<std::string> gruppi;
};
Parentesi Gruppi_Tra_Parentesi(std::string_view voce) {
  Parentesi esito;
  std::optional<std::size_t> aperta;
  for (std::size_t i = 0; i < voce.size(); ++i) {
    if (voce[i] == '[') {
      if (aperta) esito.bilanciate = false;
      aperta = i;
    } else if (voce[i] == ']') {
      if (!aperta) {
        esito.bilanciate = false;
        continue;
      }
      esito.gruppi.emplace_back(voce.substr(*aperta, i + 1 - *aperta));
      aperta.reset();
    }
  }
  if (aperta) esito.bilanciate = false;
  return esito;
}

bool Nel_Vocabolario(std::string_view tag) {
  return std::find(tag_vocabolario.begin(), tag_vocabolario.end(), tag) != tag_vocabolario.end();
}

template <std::size_t N>
bool Contiene_Uno(std::string_view voce, const std::array<std::string_view, N>& tag) {
  return std::any_of(tag.begin(), tag.end(), [&](std::string_view t) { return Contiene(voce, t); });
}

bool Ha_Tag_Di_Categoria(std::string_view voce) {
  return std::any_of(categorie_sostantivi.begin(), categorie_sostantivi.end(),
                     [&](const CategoriaSostantivo& categoria) { return Contiene(voce, categoria.tag); });
}

}  // namespace

void Controllore::Controlla_Voce(const std::string& voce, int riga, const Descrizione& descrizione) {
  Controlla_Tag(voce, riga);
  Controlla_Tag_Di_Uso(voce, riga, descrizione);
  const bool ha_barra = Contiene(voce, "|");
  if (ha_barra && descrizione.tipo != Tipo::sostantivo && descrizione.tipo != Tipo::aggettivo) {
    Avviso(riga, m::Barra_Inutile(voce));
  }
  // Blanks left once the tags are gone show in every result.
  std::string_view parti = voce;
  for (;;) {
    const auto barra = parti.find('|');
    const std::string testo = Senza_Tag(parti.substr(0, barra));
    if (testo.starts_with(' ') || testo.ends_with(' ') || Contiene(testo, "  ")) {
      Errore(riga, m::Spazi_Di_Troppo(voce, testo));
      break;
    }
    if (barra == std::string_view::npos) break;
    parti.remove_prefix(barra + 1);
  }

  bool infinito_segnalato = false;
  switch (descrizione.tipo) {
    case Tipo::sostantivo:
      Controlla_Sostantivo(voce, riga, descrizione);
      break;
    case Tipo::aggettivo:
      Controlla_Aggettivo(voce, riga);
      break;
    case Tipo::verbo:
      Controlla_Verbo(voce, riga, infinito_segnalato);
      break;
    case Tipo::libro:
      if (!Ha_Tag_Di_Categoria(voce)) Errore(riga, m::Modello_Senza_Categoria(voce));
      if (!Contiene_Uno(voce, tag_numeri)) Avviso(riga, m::Modello_Senza_Numero(voce));
      break;
    case Tipo::fluido:
      if (!Contiene(voce, "[m]") && !Contiene(voce, "[f]")) Errore(riga, m::Specificazione_Senza_Genere(voce));
      if (Contiene(voce, "[m]") && Contiene(voce, "[f]")) Avviso(riga, m::Specificazione_Con_Due_Generi(voce));
      break;
    case Tipo::frase:
    case Tipo::esente:
      break;
  }
  if (descrizione.tipo == Tipo::sostantivo || descrizione.tipo == Tipo::aggettivo) {
    Controlla_Desinenza(voce, riga, descrizione);
  }
  if (dizionario_ != nullptr && descrizione.tipo != Tipo::esente) {
    Controlla_Parole(voce, riga, descrizione, infinito_segnalato);
  }
}

void Controllore::Controlla_Tag(const std::string& voce, int riga) {
  if (Contiene(voce, "\"")) Errore(riga, m::Virgolette_Nella_Voce(voce));
  const auto parentesi = Gruppi_Tra_Parentesi(voce);
  if (!parentesi.bilanciate) Errore(riga, m::Parentesi_Sbilanciate(voce));
  std::set<std::string> visti;
  for (const auto& gruppo : parentesi.gruppi) {
    if (Nel_Vocabolario(gruppo) || E_Tag_Lista(gruppo) || !visti.insert(gruppo).second) continue;
    const std::string minuscolo = In_Minuscolo(gruppo);
    if (Nel_Vocabolario(minuscolo) || E_Tag_Lista(minuscolo)) {
      Errore(riga, m::Tag_Maiuscolo(voce, gruppo, minuscolo));
    } else {
      Errore(riga, m::Tag_Sconosciuto(voce, gruppo));
    }
  }
  if (std::count(voce.begin(), voce.end(), '|') > 1) Errore(riga, m::Troppe_Barre(voce));
}

// The tags that work in one file only, and the list tags' codes.
void Controllore::Controlla_Tag_Di_Uso(const std::string& voce, int riga, const Descrizione& descrizione) {
  const auto liste = Leggi_Tag_Lista(voce);
  std::set<const TipoLista*> viste;
  const bool oggetti_e_armi = descrizione.cose && !descrizione.luoghi && !descrizione.corpo;
  for (const auto& tag : liste) {
    const std::string testo = voce.substr(tag.inizio, tag.lunghezza);
    const bool al_suo_posto =
        tag.tipo->lista == Lista::ruolo
            ? descrizione.attori || (descrizione.cose && !descrizione.luoghi)
            : descrizione.tipo == Tipo::verbo ||
                  (tag.tipo->lista == Lista::qualificato &&
                   (descrizione.tipo == Tipo::aggettivo || descrizione.modi || descrizione.corpo)) ||
                  (tag.tipo->lista == Lista::materia && oggetti_e_armi) ||
                  (tag.tipo->lista == Lista::chi && descrizione.tipo == Tipo::aggettivo);
    if (!al_suo_posto) {
      Errore(riga, m::Lista_Fuori_Posto(voce, testo, tag.tipo->voci));
      continue;
    }
    if (!viste.insert(tag.tipo).second) {
      Errore(riga, m::Lista_Ripetuta(voce, tag.tipo->nome));
      continue;
    }
    if (tag.vuota) Errore(riga, m::Lista_Vuota(voce, testo));
    if (tag.nessuna && descrizione.tipo != Tipo::verbo) Errore(riga, m::Nessun_Nome_Fuori_Dai_Verbi(voce));
    for (const auto& codice : tag.codici_ignoti) {
      Errore(riga, m::Codice_Ignoto(voce, codice, testo, Codici_Ammessi(*tag.tipo)));
    }
  }
  for (auto pos = voce.find("[np]"); pos != std::string::npos; pos = voce.find("[np]", pos + 1)) {
    const auto prima = Caratteri(voce.substr(pos >= 4 ? pos - 4 : 0, pos >= 4 ? 4 : pos));
    if (prima.empty() || !E_Lettera(prima.back().cp)) {
      Errore(riga, m::Np_Non_Dopo_Parola(voce));
    } else if (!descrizione.dove) {
      Avviso(riga, m::Np_Fuori_Da_Dove(voce));
    }
  }
  if (Contiene(voce, "[su]") && !descrizione.luoghi) Avviso(riga, m::Su_Fuori_Dai_Luoghi(voce));
  if (Contiene(voce, "[attore]") && !descrizione.attori) Avviso(riga, m::Attore_Fuori_Posto(voce));
  if (Contiene(voce, marcatore_notevole) && !descrizione.cose) Avviso(riga, m::Notevole_Fuori_Posto(voce));
  for (const std::string_view tag : {"[stirpe]", "[mestiere]", "[dotto]"}) {
    if (Contiene(voce, tag) && !descrizione.umani) Avviso(riga, m::Membri_Fuori_Posto(voce, tag));
  }
  for (const std::string_view tag : {marcatore_opera, marcatore_differenze}) {
    if (Contiene(voce, tag) && descrizione.tipo != Tipo::aggettivo) Avviso(riga, m::Solo_Negli_Aggettivi(voce, tag));
  }
  for (const std::string_view tag : {marcatore_participio, marcatore_aperto, marcatore_alleato, marcatore_folla,
                                     marcatore_stesso, marcatore_schiera, marcatore_regge_a, marcatore_regge_di}) {
    if (Contiene(voce, tag) && descrizione.tipo != Tipo::verbo) Avviso(riga, m::Solo_Nei_Verbi(voce, tag));
  }
  if (descrizione.tipo == Tipo::verbo && Contiene(voce, marcatore_participio) && !Participio_Aggettivo(voce)) {
    Avviso(riga, m::Participio_Senza_Participio(voce));
  }
  if (Contiene(voce, marcatore_spunto) && descrizione.tipo != Tipo::aggettivo) {
    Avviso(riga, m::Spunto_Fuori_Posto(voce));
  }
  const bool qualificativo = descrizione.tipo == Tipo::aggettivo || descrizione.tipo == Tipo::verbo;
  for (const std::string_view tag : {marcatore_gruppo, marcatore_stemma}) {
    if (Contiene(voce, tag) && !qualificativo) Avviso(riga, m::Qualificativo_Fuori_Posto(voce, tag));
  }
  const bool in_insegna = descrizione.attori || (descrizione.cose && !descrizione.luoghi);
  if (Contiene(voce, marcatore_insegna) && !qualificativo && !in_insegna) {
    Avviso(riga, m::Insegna_Fuori_Posto(voce));
  }
  for (const std::string_view tag : marcatori_bersaglio) {
    if (Contiene(voce, tag) && !descrizione.attori && descrizione.tipo != Tipo::verbo) {
      Avviso(riga, m::Bersaglio_Fuori_Posto(voce, tag));
    }
  }
  if (descrizione.tipo == Tipo::verbo && Contiene(voce, marcatore_aperto) && Contiene(voce, marcatore_costruito)) {
    Avviso(riga, m::Aperto_E_Costruito(voce));
  }
  for (const std::string_view tag : {marcatore_costruito, marcatore_fortezza, marcatore_consacrato}) {
    if (Contiene(voce, tag) && !descrizione.luoghi && descrizione.tipo != Tipo::verbo && !descrizione.dove) {
      Avviso(riga, m::Luogo_Fuori_Posto(voce, tag));
    }
  }
  if (Contiene(voce, marcatore_marino) && !descrizione.luoghi && !descrizione.dove) {
    Avviso(riga, m::Marino_Fuori_Posto(voce));
  }
  if (descrizione.tipo == Tipo::verbo) {
    const auto ha = [&](Lista lista) {
      return std::any_of(liste.begin(), liste.end(), [&](const TagLista& t) { return t.tipo->lista == lista; });
    };
    const auto luoghi = Categorie_Di({"Luoghi"});
    const bool con_complemento = Contiene(voce, "[spec]") || Contiene(voce, "[term]");
    const bool senza_luoghi = E_Transitivo(voce) && (Categorie_Ammesse(voce, Lista::oggetto) & luoghi) == 0 &&
                              (!con_complemento || (Categorie_Ammesse(voce, Lista::complemento) & luoghi) == 0);
    for (const std::string_view tag : {marcatore_costruito, marcatore_fortezza, marcatore_consacrato}) {
      if (senza_luoghi && Contiene(voce, tag)) Avviso(riga, m::Luogo_Senza_Luoghi(voce, tag));
    }
    if (E_Transitivo(voce) && !ha(Lista::oggetto)) Avviso(riga, m::Transitivo_Senza_Oggetto(voce));
    if ((Contiene(voce, "[spec]") || Contiene(voce, "[term]")) && !ha(Lista::complemento)) {
      Avviso(riga, m::Complemento_Senza_Categorie(voce));
    }
    if (ha(Lista::fine) && !Contiene(voce, "[scopo]")) Avviso(riga, m::Fine_Senza_Scopo(voce));
    if (ha(Lista::meta) && Contiene(voce, "[meta]")) Avviso(riga, m::Meta_Due_Volte(voce));
    const bool regge_a = Contiene(voce, marcatore_regge_a);
    const bool regge_di = Contiene(voce, marcatore_regge_di);
    if (regge_a && regge_di) {
      Avviso(riga, m::Regge_Due_Volte(voce));
    } else if ((regge_a || regge_di) && !Contiene(voce, "[scopo]")) {
      Avviso(riga, m::Regge_Senza_Scopo(voce, regge_a ? marcatore_regge_a : marcatore_regge_di));
    }
  }
  if (descrizione.tipo == Tipo::libro && Contiene(voce, "[1]") && !Comincia_Con_Articolo(voce)) {
    std::string letto = Senza_Tag(voce);
    Iniziale_Minuscola(letto);
    Avviso(riga, m::Modello_Senza_Articolo(voce, "tra " + letto));
  }
}

void Controllore::Controlla_Sostantivo(const std::string& voce, int riga, const Descrizione& descrizione) {
  const bool maschile = descrizione.genere == "Mas";
  const auto barra = voce.find('|');
  const std::string_view singolare = std::string_view(voce).substr(0, barra);
  std::string_view articolo;
  for (const std::string_view a : {"Il ", "Lo ", "La ", "L'"}) {
    if (singolare.starts_with(a)) articolo = a;
  }
  if (articolo.empty()) {
    const std::string minuscola = In_Minuscolo(singolare.substr(0, 4));
    const bool minuscolo = minuscola.starts_with("il ") || minuscola.starts_with("lo ") ||
                           minuscola.starts_with("la ") || minuscola.starts_with("l'");
    if (minuscolo) return Errore(riga, m::Articolo_Minuscolo(voce));
    for (const std::string_view plurale : {"I ", "Gli ", "Le "}) {
      if (singolare.starts_with(plurale)) return Errore(riga, m::Articolo_Plurale(voce));
    }
    return Errore(riga, m::Articolo_Mancante(voce, maschile ? "«Il », «Lo » o «L'»" : "«La » o «L'»"));
  }
  const std::string_view resto = singolare.substr(articolo.size());
  if (articolo == "L'" && resto.starts_with(' ')) return Errore(riga, m::Spazio_Dopo_Apostrofo(voce));
  const std::string nome = Senza_Tag(resto);
  const std::string parola = nome.substr(0, nome.find(' '));
  if (parola.empty()) return Errore(riga, m::Nome_Mancante(voce));
  const bool del_genere = articolo == "L'" || (articolo == "La ") != maschile;
  if (!del_genere) {
    return Errore(riga, m::Articolo_Di_Altro_Genere(voce, articolo, maschile));
  }
  const std::string_view atteso = Articolo_Determinativo(parola, maschile);
  if (atteso != articolo) {
    Errore(riga, m::Articolo_Sbagliato(voce, parola, atteso, std::string(atteso) + std::string(resto)));
  }
  if (Comincia_Minuscola(nome)) Avviso(riga, m::Nome_Minuscolo(voce));

  if (barra == std::string::npos) {
    if (Contiene(nome, " ")) Errore(riga, m::Nome_Di_Piu_Parole(voce));
    if (!maschile && Ultima_Parola(nome).ends_with("one") && !Contiene(voce, "[-]")) {
      std::string plurale = Senza_Tag(singolare);
      plurale.replace(0, articolo.size(), "Le ");
      plurale.replace(plurale.size() - 3, 3, "oni");
      Errore(riga, m::Femminile_In_One(voce, Forma(voce, "FemPlurDet"), voce + "|" + plurale));
    }
  } else {
    const std::string_view plurale = std::string_view(voce).substr(barra + 1);
    const bool ha_articolo =
        maschile ? plurale.starts_with("I ") || plurale.starts_with("Gli ") : plurale.starts_with("Le ");
    if (!ha_articolo) Errore(riga, m::Plurale_Senza_Articolo(voce, maschile ? "«I » o «Gli »" : "«Le »"));
  }
}

void Controllore::Controlla_Aggettivo(const std::string& voce, int riga) {
  if (!Comincia_Maiuscola(voce)) Avviso(riga, m::Aggettivo_Minuscolo(voce));
}

void Controllore::Controlla_Verbo(const std::string& voce, int riga, bool& infinito_segnalato) {
  if (!Contiene(voce, "[tr]") && !Contiene(voce, "[intr]")) Errore(riga, m::Verbo_Senza_Transitivita(voce));
  if (Contiene(voce, "[tr]") && Contiene(voce, "[intr]")) Avviso(riga, m::Verbo_Transitivo_E_Intransitivo(voce));
  std::string_view resto;
  if (voce.starts_with("ha ")) {
    resto = std::string_view(voce).substr(3);
  } else if (voce.starts_with("è ")) {
    resto = std::string_view(voce).substr(std::string_view("è ").size());
  } else {
    return Errore(riga, m::Verbo_Senza_Ausiliare(voce));
  }
  const std::string participio = Senza_Tag(resto.substr(0, resto.find('|')));
  if (participio.empty() || Contiene(participio, " ") ||
      Senza_Tag(resto) != Senza_Tag(resto.substr(0, resto.find('[')))) {
    return Errore(riga, m::Participio_Di_Piu_Parole(voce));
  }
  if (!participio.ends_with('o')) return Errore(riga, m::Participio_Non_In_O(voce, participio));
  if (!Comincia_Minuscola(participio)) Avviso(riga, m::Participio_Maiuscolo(voce));
  const std::string infinito = Forma(voce, "Infinito");
  if (!infinito.ends_with("re")) {
    Errore(riga, m::Infinito_Non_Valido(voce, infinito, Consiglio_Infinito(voce)));
    infinito_segnalato = true;
  }
}

// A plural that leaves a changing ending as it was: a tag behind the word hid it from the rules.
void Controllore::Controlla_Desinenza(const std::string& voce, int riga, const Descrizione& descrizione) {
  if (Contiene(voce, "|") || Contiene(voce, "[-]")) return;
  const bool sostantivo = descrizione.tipo == Tipo::sostantivo;
  const std::string base = Ultima_Parola(Senza_Tag(voce));
  if (!Finisce_In_Vocale_Che_Cambia(base)) return;
  std::vector<std::string> plurali;
  if (sostantivo) {
    plurali.push_back(std::string(descrizione.genere) + "PlurDet");
  } else {
    plurali = {"AggMasPlur", "AggFemPlur"};
  }
  for (const auto& marcatore : plurali) {
    // A feminine "-one" keeps its ending: right for adjectives, reported on its own for nouns.
    if (base.ends_with("one") && (marcatore == "FemPlurDet" || marcatore == "AggFemPlur")) continue;
    const std::string forma = Forma(voce, marcatore);
    if (Ultima_Parola(forma) == base) return Errore(riga, m::Desinenza_Nascosta(voce, marcatore, forma));
  }
}

}  // namespace talewick::controllo
