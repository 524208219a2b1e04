#include <algorithm>
#include <array>
#include <map>

#include "base/messaggi_controllo.hpp"
#include "checker/controllore.hpp"
#include "wordstore/liste.hpp"
#include "wordstore/sostantivi.hpp"
#include "wordstore/testo.hpp"

namespace talewick::controllo {
namespace {

namespace m = messaggi::controllo;

// A category whose feminine file holds fewer than this share of the masculine one's entries, or
// the other way round, is out of balance.
constexpr double equilibrio_minimo = 0.8;

std::size_t Indice_Di(std::string_view nome) {
  return static_cast<std::size_t>(std::find(nome_file.begin(), nome_file.end(), nome) - nome_file.begin());
}

// A noun as two noun files could both hold it: no tags, no plural, no article, lower case.
std::string Nome_Nudo(std::string_view voce) {
  return In_Minuscolo(Senza_Articolo(Senza_Tag(voce.substr(0, voce.find('|')))));
}

}  // namespace

void Controllore::Controlla_Tra_File() {
  Nomi_In_Due_File();
  Equilibrio_Categorie();
  Inglese_In_Due_File();
  Materie_Senza_Cose();
}

void Controllore::Nomi_In_Due_File() {
  struct Primo {
    std::size_t file;
    int riga;
    std::string voce;
  };
  std::map<std::string, Primo, std::less<>> visti;
  for (std::size_t i = 0; i < numero_file; ++i) {
    if (Descrivi(nome_file[i]).tipo != Tipo::sostantivo || !letti_[i]) continue;
    const FileParole& file = *letti_[i];
    indice_ = i;
    for (std::size_t v = 0; v < file.voci.size(); ++v) {
      const std::string nome = Nome_Nudo(file.voci[v]);
      if (nome.empty()) continue;
      const auto [visto, nuovo] = visti.try_emplace(nome, Primo{i, file.righe[v], file.voci[v]});
      if (nuovo || visto->second.file == i) continue;
      Avviso(file.righe[v], m::Nome_In_Due_File(file.voci[v], nome, Mostrato(visto->second.file), visto->second.riga,
                                                visto->second.voce));
    }
  }
}

void Controllore::Equilibrio_Categorie() {
  for (const auto& categoria : categorie_sostantivi) {
    const std::size_t maschile = categoria.indice_maschile;
    const std::size_t femminile = maschile + 1;
    if (!letti_[maschile] || !letti_[femminile]) continue;
    const auto voci_m = letti_[maschile]->voci.size();
    const auto voci_f = letti_[femminile]->voci.size();
    const bool meno_femminili = voci_f < voci_m;
    const std::size_t piccolo = meno_femminili ? femminile : maschile;
    const std::size_t grande = meno_femminili ? maschile : femminile;
    const auto n_piccolo = std::min(voci_m, voci_f);
    const auto n_grande = std::max(voci_m, voci_f);
    if (static_cast<double>(n_piccolo) >= equilibrio_minimo * static_cast<double>(n_grande)) continue;
    indice_ = piccolo;
    Avviso(0, m::Categoria_Squilibrata(n_piccolo, Mostrato(grande), n_grande));
  }
}

void Controllore::Inglese_In_Due_File() {
  const std::size_t vocaboli = Indice_Di("IngleseVocaboli");
  const std::size_t soggetti = Indice_Di("IngleseSoggetti");
  if (!letti_[vocaboli] || !letti_[soggetti]) return;
  std::map<std::string, int, std::less<>> parole;
  const FileParole& primo = *letti_[vocaboli];
  for (std::size_t v = 0; v < primo.voci.size(); ++v)
    parole.try_emplace(In_Minuscolo(Senza_Tag(primo.voci[v])), primo.righe[v]);
  const FileParole& secondo = *letti_[soggetti];
  indice_ = soggetti;
  for (std::size_t v = 0; v < secondo.voci.size(); ++v) {
    const auto trovata = parole.find(In_Minuscolo(Senza_Tag(secondo.voci[v])));
    if (trovata == parole.end() || trovata->first.empty()) continue;
    Avviso(secondo.righe[v], m::Inglese_In_Due_File(secondo.voci[v], Mostrato(vocaboli), trovata->second));
  }
}

void Controllore::Materie_Senza_Cose() {
  const std::size_t verbi = Indice_Di("VerbiPassatoProssimo");
  if (!letti_[verbi]) return;
  // The materials the things of each category hold, both genders together.
  std::array<Categorie, categorie_sostantivi.size()> materie{};
  std::array<bool, categorie_sostantivi.size()> di_cose{};
  for (std::size_t i = 0; i < categorie_sostantivi.size(); ++i) {
    const auto& categoria = categorie_sostantivi[i];
    di_cose[i] = categoria.nome == "Oggetti" || categoria.nome == "Armi";
    for (const std::size_t f : {categoria.indice_maschile, categoria.indice_maschile + 1}) {
      if (!di_cose[i] || !letti_[f]) continue;
      for (const auto& voce : letti_[f]->voci) materie[i] |= Materie_Di(voce);
    }
  }
  const FileParole& file = *letti_[verbi];
  indice_ = verbi;
  for (std::size_t v = 0; v < file.voci.size(); ++v) {
    const std::string& voce = file.voci[v];
    const auto liste = Leggi_Tag_Lista(voce);
    const auto del_verbo =
        std::find_if(liste.begin(), liste.end(), [](const TagLista& t) { return t.tipo->lista == Lista::materia; });
    if (del_verbo == liste.end()) continue;
    const std::string tag = voce.substr(del_verbo->inizio, del_verbo->lunghezza);
    const Categorie codici = Categorie_Ammesse(voce, Lista::materia);
    const Categorie oggetti = E_Transitivo(voce) ? Categorie_Ammesse(voce, Lista::oggetto) : Categorie{0};
    bool su_cose = false;
    for (std::size_t i = 0; i < categorie_sostantivi.size(); ++i) {
      if (!di_cose[i] || (oggetti & (1U << i)) == 0) continue;
      su_cose = true;
      if ((materie[i] & codici) == 0) {
        Avviso(file.righe[v], m::Materie_Senza_Cose(voce, tag, categorie_sostantivi[i].nome));
      }
    }
    if (!su_cose) Avviso(file.righe[v], m::Materie_Senza_Oggetto(voce, tag));
  }
}

}  // namespace talewick::controllo
