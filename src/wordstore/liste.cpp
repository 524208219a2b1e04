#include "wordstore/liste.hpp"

#include "wordstore/sostantivi.hpp"

namespace talewick {
namespace {

constexpr std::array<std::string_view, categorie_sostantivi.size()> codici_categorie = [] {
  std::array<std::string_view, categorie_sostantivi.size()> codici{};
  for (std::size_t i = 0; i < codici.size(); ++i) {
    const auto tag = categorie_sostantivi.at(i).tag;
    codici.at(i) = tag.substr(1, tag.size() - 2);
  }
  return codici;
}();

// The tag at `inizio` when one starts there, or nullptr; `fine` is then the position after "]".
const TipoLista* Tag_A(std::string_view voce, std::size_t inizio, std::size_t& fine) {
  for (const auto& tipo : tipi_lista) {
    if (voce.substr(inizio).starts_with(tipo.apertura)) {
      const auto chiusa = voce.find(']', inizio);
      if (chiusa == std::string_view::npos) return nullptr;
      fine = chiusa + 1;
      return &tipo;
    }
  }
  return nullptr;
}

}  // namespace

constexpr std::string_view verbi = "i verbi di VerbiPassatoProssimo.txt";

const std::array<TipoLista, 10> tipi_lista = {{
    {Lista::oggetto, "[ogg:", "[ogg:…]", tutte_le_categorie, verbi, codici_categorie},
    {Lista::complemento, "[compl:", "[compl:…]", tutte_le_categorie, verbi, codici_categorie},
    {Lista::soggetto, "[sogg:", "[sogg:…]", static_cast<Categorie>(categoria_umani | categoria_animali), verbi,
     codici_categorie},
    {Lista::qualificato, "[per:", "[per:…]", tutte_le_categorie,
     "gli aggettivi di Aggettivi.txt, i verbi di VerbiPassatoProssimo.txt, le frasi di Come.txt e le parti "
     "del corpo di Corpo (Mas e Fem)",
     codici_categorie},
    {Lista::meta, "[meta:", "[meta:…]", tutte_le_famiglie, verbi, famiglie_mete},
    {Lista::fine, "[fine:", "[fine:…]", tutte_le_famiglie, verbi, famiglie_mete},
    {Lista::ruolo, "[ruolo:", "[ruolo:…]", tutti_i_ruoli,
     "le persone, gli animali e le cose di Umani, Animali, Oggetti, Armi e Corpo (Mas e Fem)", ruoli},
    {Lista::chi, "[chi:", "[chi:…]", tutti_i_ruoli,
     "i verbi di VerbiPassatoProssimo.txt e gli aggettivi di Aggettivi.txt", ruoli},
    {Lista::contro, "[contro:", "[contro:…]", tutti_i_ruoli, verbi, ruoli},
    {Lista::materia, "[mat:", "[mat:…]", tutte_le_materie,
     "le cose di Oggetti e Armi (Mas e Fem) e i verbi di VerbiPassatoProssimo.txt", materie},
}};

const TipoLista& Tipo_Lista(Lista lista) { return tipi_lista[static_cast<std::size_t>(lista)]; }

Categorie Bit_Del_Codice(const TipoLista& tipo, std::string_view codice) {
  for (std::size_t i = 0; i < tipo.codici.size(); ++i) {
    if (tipo.codici[i] == codice) return static_cast<Categorie>(1U << i);
  }
  return 0;
}

std::string_view Codice_Categoria(std::size_t indice) { return codici_categorie.at(indice); }

Categorie Categoria_Del_Codice(std::string_view codice) { return Bit_Del_Codice(Tipo_Lista(Lista::oggetto), codice); }

std::vector<TagLista> Leggi_Tag_Lista(std::string_view voce) {
  std::vector<TagLista> trovati;
  for (auto pos = voce.find('['); pos != std::string_view::npos; pos = voce.find('[', pos + 1)) {
    std::size_t fine = 0;
    const TipoLista* tipo = Tag_A(voce, pos, fine);
    if (tipo == nullptr) continue;
    TagLista tag;
    tag.tipo = tipo;
    tag.inizio = pos;
    tag.lunghezza = fine - pos;
    std::string_view codici = voce.substr(pos + tipo->apertura.size(), fine - 1 - pos - tipo->apertura.size());
    tag.vuota = codici.empty();
    tag.nessuna = tipo->lista == Lista::qualificato && codici == nessuna_categoria;
    while (!tag.vuota && !tag.nessuna) {
      const auto barra = codici.find('/');
      const auto codice = codici.substr(0, barra);
      const Categorie bit = Bit_Del_Codice(*tipo, codice);
      if ((bit & tipo->ammesse) != 0) {
        tag.categorie |= bit;
      } else {
        tag.codici_ignoti.emplace_back(codice);
      }
      if (barra == std::string_view::npos) break;
      codici.remove_prefix(barra + 1);
    }
    trovati.push_back(std::move(tag));
    pos = fine - 1;
  }
  return trovati;
}

Categorie Categorie_Ammesse(std::string_view voce, Lista lista) {
  // Reads the first tag of the kind in place: the draws ask this of every entry they filter.
  const TipoLista& tipo = Tipo_Lista(lista);
  const auto inizio = voce.find(tipo.apertura);
  if (inizio == std::string_view::npos) return tipo.ammesse;
  const auto chiusa = voce.find(']', inizio);
  if (chiusa == std::string_view::npos) return tipo.ammesse;
  std::string_view codici = voce.substr(inizio + tipo.apertura.size(), chiusa - inizio - tipo.apertura.size());
  if (lista == Lista::qualificato && codici == nessuna_categoria) return 0;
  Categorie categorie = 0;
  while (!codici.empty()) {
    const auto barra = codici.find('/');
    categorie |= static_cast<Categorie>(Bit_Del_Codice(tipo, codici.substr(0, barra)) & tipo.ammesse);
    if (barra == std::string_view::npos) break;
    codici.remove_prefix(barra + 1);
  }
  return categorie != 0 ? categorie : tipo.ammesse;
}

namespace {

// The codes of the entry's first tag of this kind; none without one.
Categorie Codici_Del_Tag(std::string_view voce, Lista lista) {
  if (voce.find(Tipo_Lista(lista).apertura) == std::string_view::npos) return 0;
  return Categorie_Ammesse(voce, lista);
}

// Whether the entry has no tag of this kind, or its codes share one with `codici`.
bool Ammette(std::string_view voce, Lista lista, Categorie codici) {
  return voce.find(Tipo_Lista(lista).apertura) == std::string_view::npos ||
         (Categorie_Ammesse(voce, lista) & codici) != 0;
}

}  // namespace

Categorie Ruoli_Di(std::string_view persona) { return Codici_Del_Tag(persona, Lista::ruolo); }

bool Ruolo_Adatto(std::string_view verbo, Categorie ruoli_soggetto) {
  return Ammette(verbo, Lista::chi, ruoli_soggetto);
}

bool Ruolo_Colpito(std::string_view verbo, Categorie ruoli_colpito) {
  return Ammette(verbo, Lista::contro, ruoli_colpito);
}

Categorie Materie_Di(std::string_view cosa) { return Codici_Del_Tag(cosa, Lista::materia); }

void Cancella_Tag_Lista(std::string& testo) {
  if (testo.find(':') == std::string::npos) return;
  std::string uscita;
  uscita.reserve(testo.size());
  std::size_t da = 0;
  for (auto pos = testo.find('['); pos != std::string::npos; pos = testo.find('[', pos + 1)) {
    std::size_t fine = 0;
    if (Tag_A(testo, pos, fine) == nullptr) continue;
    uscita.append(testo, da, pos - da);
    da = fine;
    pos = fine - 1;
  }
  uscita.append(testo, da, std::string::npos);
  testo = std::move(uscita);
}

}  // namespace talewick
