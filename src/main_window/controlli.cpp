#include "main_window/controlli.hpp"

#include <algorithm>
#include <stdexcept>

#include "wordstore/testo.hpp"

namespace talewick {
namespace {

const std::string testo_vuoto;

std::size_t Conta_Caratteri(std::string_view testo) { return Caratteri(testo).size(); }

}  // namespace

Controllo::Controllo(Finestra& finestra, const DescrizioneControllo& d, Controllo* cornice)
    : finestra_(finestra),
      nome_(d.nome),
      indice_(d.indice),
      tipo_(d.tipo),
      collocazione_(d.collocazione),
      cornice_(cornice),
      multilinea_(d.multilinea),
      barra_verticale_(d.barra_verticale),
      ordinato_(d.ordinato),
      solo_cifre_(d.solo_cifre),
      lunghezza_massima_(d.lunghezza_massima),
      immagine_(d.immagine),
      predefinito_(d.predefinito),
      annullamento_(d.annullamento),
      ordine_tab_(d.ordine_tab),
      nome_accessibile_(d.nome_accessibile),
      visibile_(d.visibile),
      abilitato_(d.abilitato),
      testo_(d.testo),
      sinistra_(d.sinistra),
      alto_(d.alto),
      larghezza_(d.larghezza),
      altezza_(d.altezza),
      dimensione_carattere_(d.dimensione_carattere),
      suggerimento_(d.suggerimento),
      voci_(d.voci.begin(), d.voci.end()),
      valore_(d.valore),
      intervallo_(d.intervallo) {
  if (ordinato_) std::sort(voci_.begin(), voci_.end());
}

bool Controllo::Visibile_Sullo_Schermo() const {
  // A control over a group is drawn above it but not carried by it.
  for (const Controllo* c = this;; c = c->cornice_) {
    if (!c->visibile_) return false;
    if (c->collocazione_ != Collocazione::Dentro) return true;
  }
}

std::string Controllo::Nome_Accessibile() const {
  if (!nome_accessibile_.empty()) return nome_accessibile_;
  if (tipo_ == Tipo_Controllo::Casella_Testo || tipo_ == Tipo_Controllo::Elenco) return {};
  std::string nome = testo_;
  std::replace(nome.begin(), nome.end(), '\n', ' ');
  std::erase(nome, '\r');
  return nome;
}

bool Controllo::Ha_Fuoco() const { return finestra_.Fuoco() == this; }

const std::string& Controllo::Testo() const {
  if (tipo_ != Tipo_Controllo::Elenco) return testo_;
  if (posizione_ < 0) return testo_vuoto;
  return voci_[static_cast<std::size_t>(posizione_)];
}

void Controllo::Imposta_Testo(std::string_view testo) {
  if (tipo_ == Tipo_Controllo::Elenco) {
    const auto trovata = std::find(voci_.begin(), voci_.end(), testo);
    if (trovata != voci_.end()) Imposta_Posizione(static_cast<int>(trovata - voci_.begin()));
    return;
  }
  if (testo_ == testo) return;
  testo_ = testo;
  Notifica(Proprieta::Testo);
  if (tipo_ == Tipo_Controllo::Casella_Testo) Scatena(Evento::Change);
}

void Controllo::Imposta_Voci(std::vector<std::string> voci) {
  if (ordinato_) std::sort(voci.begin(), voci.end());
  if (voci == voci_) return;
  voci_ = std::move(voci);
  Notifica(Proprieta::Voci);
  if (posizione_ >= static_cast<int>(voci_.size())) {
    posizione_ = -1;
    Notifica(Proprieta::Posizione);
  }
}

void Controllo::Aggiungi_Voce(std::string voce) {
  auto dove = ordinato_ ? std::upper_bound(voci_.begin(), voci_.end(), voce) : voci_.end();
  const int posto = static_cast<int>(dove - voci_.begin());
  voci_.insert(dove, std::move(voce));
  Notifica(Proprieta::Voci);
  if (posizione_ >= posto) {
    ++posizione_;
    Notifica(Proprieta::Posizione);
  }
}

void Controllo::Imposta_Posizione(int posizione) {
  if (posizione < -1 || posizione >= static_cast<int>(voci_.size())) return;
  if (posizione_ != posizione) {
    posizione_ = posizione;
    Notifica(Proprieta::Posizione);
  }
  Scatena(Evento::Click);
}

void Controllo::Imposta_Valore(int valore) {
  if (valore_ == valore) return;
  valore_ = valore;
  Notifica(Proprieta::Valore);
  Scatena(Evento::Click);
}

bool Controllo::Ammette(std::string_view testo) const {
  if (tipo_ != Tipo_Controllo::Casella_Testo) return false;
  if (solo_cifre_ && !std::all_of(testo.begin(), testo.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  return lunghezza_massima_ <= 0 || Conta_Caratteri(testo) <= static_cast<std::size_t>(lunghezza_massima_);
}

bool Controllo::Digita(std::string_view testo) {
  if (!abilitato_ || !Ammette(testo)) return false;
  Imposta_Testo(testo);
  return true;
}

void Controllo::Collega(Evento evento, std::function<void()> gestore) {
  gestori_[static_cast<std::size_t>(evento)] = std::move(gestore);
}

void Controllo::Scatena(Evento evento) {
  // A copy, so that a handler that rebinds its own event finishes as it began.
  const auto gestore = gestori_[static_cast<std::size_t>(evento)];
  if (gestore) gestore();
}

void Controllo::Notifica(Proprieta proprieta) { finestra_.Notifica(*this, proprieta); }

Finestra::Finestra(std::string nome, std::string didascalia, int larghezza_interna, int altezza_interna,
                   std::span<const DescrizioneControllo> disposizione)
    : nome_(std::move(nome)),
      didascalia_(std::move(didascalia)),
      larghezza_(larghezza_interna + bordo_larghezza),
      altezza_(altezza_interna + bordo_altezza) {
  controlli_.reserve(disposizione.size());
  for (const auto& d : disposizione) {
    if (Cerca(d.nome, d.indice) != nullptr) throw std::logic_error("controllo ripetuto: " + std::string(d.nome));
    controlli_.push_back(std::make_unique<Controllo>(*this, d, nullptr));
  }
  for (std::size_t i = 0; i < disposizione.size(); ++i) controlli_[i]->cornice_ = Cornice_Di(disposizione[i]);
}

Controllo* Finestra::Cornice_Di(const DescrizioneControllo& d) const {
  if (d.collocazione == Collocazione::Finestra) return nullptr;
  Controllo* cornice = Cerca(d.cornice);
  if (cornice == nullptr || cornice->Tipo() != Tipo_Controllo::Cornice) {
    throw std::logic_error("cornice sconosciuta per " + std::string(d.nome) + ": " + std::string(d.cornice));
  }
  return cornice;
}

Controllo& Finestra::Aggiungi(const DescrizioneControllo& d) {
  if (Cerca(d.nome, d.indice) != nullptr) {
    throw std::logic_error("controllo ripetuto: " + std::string(d.nome));
  }
  Controllo* cornice = Cornice_Di(d);
  return *controlli_.emplace_back(std::make_unique<Controllo>(*this, d, cornice));
}

Controllo* Finestra::Cerca(std::string_view nome, int indice) const {
  for (const auto& c : controlli_) {
    if (c->Nome() == nome && c->Indice() == indice) return c.get();
  }
  return nullptr;
}

Controllo& Finestra::operator[](std::string_view nome) const { return (*this)(nome, -1); }

Controllo& Finestra::operator()(std::string_view nome, int indice) const {
  Controllo* c = Cerca(nome, indice);
  if (c == nullptr) {
    throw std::out_of_range(nome_ + " non ha il controllo " + std::string(nome) +
                            (indice >= 0 ? "(" + std::to_string(indice) + ")" : ""));
  }
  return *c;
}

void Finestra::Carica() {
  if (caricata_) return;
  caricata_ = true;
  if (su_load_) su_load_();
}

void Finestra::Mostra() {
  Carica();
  Scrivi(visibile_, true, Proprieta_Finestra::Visibile);
}

void Finestra::Chiudi_Dal_Bordo() {
  if (su_chiusura_) {
    const auto gestore = su_chiusura_;
    gestore();
  } else {
    Nascondi();
  }
}

void Finestra::Collega(Evento_Finestra evento, std::function<void()> gestore) {
  (evento == Evento_Finestra::Load ? su_load_ : su_chiusura_) = std::move(gestore);
}

void Finestra::Imposta_Fuoco(Controllo* controllo) {
  if (controllo == fuoco_) return;
  Controllo* lasciato = fuoco_;
  fuoco_ = controllo;
  ++revisione_;
  if (su_finestra_) su_finestra_(Proprieta_Finestra::Fuoco);
  if (lasciato != nullptr) lasciato->Scatena(Evento::LostFocus);
}

Controllo* Finestra::Pulsante_Predefinito() const {
  for (const auto& c : controlli_) {
    if (c->Predefinito() && c->Abilitato() && c->Visibile_Sullo_Schermo()) return c.get();
  }
  return nullptr;
}

bool Finestra::Premi_Invio() {
  const auto usabile = [](const Controllo* c) { return c != nullptr && c->Abilitato() && c->Visibile_Sullo_Schermo(); };
  if (usabile(fuoco_) && fuoco_->Tipo() == Tipo_Controllo::Casella_Testo && fuoco_->Multilinea()) return false;
  Controllo* pulsante = usabile(fuoco_) && fuoco_->Tipo() == Tipo_Controllo::Pulsante ? fuoco_ : Pulsante_Predefinito();
  if (pulsante == nullptr) return false;
  pulsante->Scatena(Evento::Click);
  return true;
}

bool Finestra::Premi_Esc() {
  for (const auto& c : controlli_) {
    if (c->Annullamento() && c->Abilitato() && c->Visibile_Sullo_Schermo()) {
      c->Scatena(Evento::Click);
      return true;
    }
  }
  return false;
}

std::vector<Controllo*> Finestra::Ordine_Tab() const {
  std::vector<Controllo*> ordine;
  for (const auto& c : controlli_) {
    if (c->Ordine_Tab() >= 0) ordine.push_back(c.get());
  }
  std::stable_sort(ordine.begin(), ordine.end(),
                   [](const Controllo* a, const Controllo* b) { return a->Ordine_Tab() < b->Ordine_Tab(); });
  return ordine;
}

void Finestra::Osserva(std::function<void(Controllo&, Proprieta)> su_controllo,
                       std::function<void(Proprieta_Finestra)> su_finestra) {
  su_controllo_ = std::move(su_controllo);
  su_finestra_ = std::move(su_finestra);
}

}  // namespace talewick
