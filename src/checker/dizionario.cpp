#include "checker/dizionario.hpp"

#include <hunspell.hxx>

#include <algorithm>
#include <array>
#include <fstream>

#include "wordstore/testo.hpp"

namespace talewick::controllo {
namespace {

// Vowel-initial words that every elided article, preposition or adjective can stand before.
constexpr std::array<std::string_view, 6> parole_dopo_elisione = {"acqua", "uomo", "anno", "oro", "ora", "è"};

std::string_view Senza_Spazi(std::string_view testo) {
  while (!testo.empty() && (testo.front() == ' ' || testo.front() == '\t')) testo.remove_prefix(1);
  while (!testo.empty() && (testo.back() == ' ' || testo.back() == '\t' || testo.back() == '\r')) {
    testo.remove_suffix(1);
  }
  return testo;
}

// Drops what is neither a letter nor an apostrophe at both ends of a token ("(Vol." gives "Vol").
std::string Senza_Punteggiatura(std::string_view token) {
  const auto caratteri = Caratteri(token);
  std::size_t primo = 0;
  while (primo < caratteri.size() && !E_Lettera(caratteri[primo].cp)) ++primo;
  std::size_t ultimo = caratteri.size();
  while (ultimo > primo && !E_Lettera(caratteri[ultimo - 1].cp) && caratteri[ultimo - 1].cp != '\'') --ultimo;
  if (primo >= ultimo) return {};
  return std::string(token.substr(caratteri[primo].inizio, caratteri[ultimo - 1].fine - caratteri[primo].inizio));
}

}  // namespace

std::vector<ParolaAccettata> Leggi_Parole_Accettate(std::string_view testo) {
  std::vector<ParolaAccettata> parole;
  int riga = 0;
  while (!testo.empty()) {
    ++riga;
    const auto fine = testo.find('\n');
    std::string_view linea = testo.substr(0, fine);
    testo.remove_prefix(fine == std::string_view::npos ? testo.size() : fine + 1);
    linea = Senza_Spazi(linea);
    if (linea.empty() || linea.front() == '#') continue;
    const auto separatore = linea.find_first_of("\t#");
    ParolaAccettata parola;
    parola.parola = std::string(Senza_Spazi(linea.substr(0, separatore)));
    if (separatore != std::string_view::npos) {
      std::string_view motivo = Senza_Spazi(linea.substr(separatore + 1));
      while (!motivo.empty() && motivo.front() == '#') motivo = Senza_Spazi(motivo.substr(1));
      parola.motivo = std::string(motivo);
    }
    parola.riga = riga;
    parole.push_back(std::move(parola));
  }
  return parole;
}

std::unique_ptr<Dizionario> Dizionario::Apri(const std::filesystem::path& base, std::string_view parole_accettate) {
  const auto aff = std::filesystem::path(base.string() + ".aff");
  const auto dic = std::filesystem::path(base.string() + ".dic");
  // Hunspell does not say when it cannot read its files.
  if (!std::ifstream(aff) || !std::ifstream(dic)) return nullptr;
  auto hunspell = std::make_unique<Hunspell>(aff.string().c_str(), dic.string().c_str());
  std::unique_ptr<Dizionario> dizionario(new Dizionario(std::move(hunspell)));
  for (const auto& parola : Leggi_Parole_Accettate(parole_accettate)) {
    dizionario->accettate_.insert(In_Minuscolo(parola.parola));
  }
  return dizionario;
}

Dizionario::Dizionario(std::unique_ptr<Hunspell> hunspell) : hunspell_(std::move(hunspell)) {}
Dizionario::~Dizionario() = default;

bool Dizionario::Hunspell_Conosce(const std::string& parola) { return hunspell_->spell(parola); }

bool Dizionario::Conosce_Parola(const std::string& parola) {
  const auto trovata = risposte_.find(parola);
  if (trovata != risposte_.end()) return trovata->second;
  const std::string minuscola = In_Minuscolo(parola);
  std::string maiuscola = minuscola;
  Iniziale_Maiuscola(maiuscola);
  const bool nota = accettate_.contains(minuscola) || Hunspell_Conosce(parola) ||
                    (minuscola != parola && Hunspell_Conosce(minuscola)) ||
                    (maiuscola != parola && Hunspell_Conosce(maiuscola));
  risposte_.emplace(parola, nota);
  return nota;
}

bool Dizionario::Conosce_Elisione(const std::string& elisione) {
  const std::string chiave = elisione + "'";
  const auto trovata = risposte_.find(chiave);
  if (trovata != risposte_.end()) return trovata->second;
  const std::string minuscola = In_Minuscolo(elisione);
  bool nota = false;
  for (const auto parola : parole_dopo_elisione) {
    if (Hunspell_Conosce(minuscola + "'" + std::string(parola))) {
      nota = true;
      break;
    }
  }
  risposte_.emplace(chiave, nota);
  return nota;
}

std::string Dizionario::Parte_Ignota(std::string token) {
  Sostituisci_Tutto(token, "\xE2\x80\x99", "'");  // typographic apostrophe
  token = Senza_Punteggiatura(token);
  if (token.empty() || Conosce_Parola(token)) return {};
  if (token.find('\'') == std::string::npos) return token;
  std::vector<std::string> pezzi;
  std::size_t inizio = 0;
  for (;;) {
    const auto apostrofo = token.find('\'', inizio);
    pezzi.push_back(token.substr(inizio, apostrofo - inizio));
    if (apostrofo == std::string::npos) break;
    inizio = apostrofo + 1;
  }
  const std::string& parola = pezzi.back();
  if (parola.empty()) return token;  // a truncation such as "po'" is judged whole
  if (!Conosce_Parola(parola)) return parola;
  for (std::size_t i = 0; i + 1 < pezzi.size(); ++i) {
    if (pezzi[i].empty()) return token;
    if (!Conosce_Elisione(pezzi[i])) return pezzi[i] + "'";
  }
  return {};
}

bool Dizionario::Conosce(std::string_view parola) { return Parte_Ignota(std::string(parola)).empty(); }

std::vector<std::string> Dizionario::Parole_Ignote(std::string_view testo) {
  std::vector<std::string> ignote;
  // Tags and "|" left in a text are reported as tags, not as words.
  constexpr std::string_view separatori = " \t[]|";
  std::size_t pos = 0;
  while (pos < testo.size()) {
    const auto inizio = testo.find_first_not_of(separatori, pos);
    if (inizio == std::string_view::npos) break;
    auto fine = testo.find_first_of(separatori, inizio);
    if (fine == std::string_view::npos) fine = testo.size();
    const std::string token(testo.substr(inizio, fine - inizio));
    pos = fine;
    auto trovato = token_.find(token);
    if (trovato == token_.end()) trovato = token_.emplace(token, Parte_Ignota(token)).first;
    const std::string& ignota = trovato->second;
    if (!ignota.empty() && std::find(ignote.begin(), ignote.end(), ignota) == ignote.end()) ignote.push_back(ignota);
  }
  return ignote;
}

}  // namespace talewick::controllo
