#include "wordstore/testo.hpp"

#include <utf8proc.h>

#include <algorithm>
#include <array>

namespace talewick {
namespace {

// Decodes one code point at `pos`; an invalid byte is taken as itself so that nothing is lost.
utf8proc_int32_t Leggi(std::string_view testo, std::size_t pos, std::size_t& lunghezza) {
  utf8proc_int32_t cp = 0;
  const auto* inizio = reinterpret_cast<const utf8proc_uint8_t*>(testo.data() + pos);
  const auto n = utf8proc_iterate(inizio, static_cast<utf8proc_ssize_t>(testo.size() - pos), &cp);
  if (n <= 0) {
    lunghezza = 1;
    return -1;
  }
  lunghezza = static_cast<std::size_t>(n);
  return cp;
}

void Scrivi(std::string& uscita, utf8proc_int32_t cp) { Accoda_Carattere(uscita, static_cast<char32_t>(cp)); }

void Cambia_Iniziale(std::string& testo, utf8proc_int32_t (*mappa)(utf8proc_int32_t)) {
  if (testo.empty()) return;
  std::size_t lunghezza = 0;
  const auto cp = Leggi(testo, 0, lunghezza);
  if (cp < 0) return;
  const auto nuovo = mappa(cp);
  if (nuovo == cp) return;
  std::string iniziale;
  Scrivi(iniziale, nuovo);
  testo.replace(0, lunghezza, iniziale);
}

bool E_Spazio(utf8proc_int32_t cp) {
  return cp == ' ' || cp == '\t' || cp == '\n' || cp == '\r' || cp == '\v' || cp == '\f' ||
         utf8proc_category(cp) == UTF8PROC_CATEGORY_ZS;
}

}  // namespace

std::vector<Carattere> Caratteri(std::string_view testo) {
  std::vector<Carattere> caratteri;
  caratteri.reserve(testo.size());
  for (std::size_t pos = 0; pos < testo.size();) {
    std::size_t lunghezza = 0;
    const auto cp = Leggi(testo, pos, lunghezza);
    caratteri.push_back({cp, pos, pos + lunghezza});
    pos += lunghezza;
  }
  return caratteri;
}

void Accoda_Carattere(std::string& testo, char32_t cp) {
  std::array<utf8proc_uint8_t, 4> buffer{};
  const auto n = utf8proc_encode_char(static_cast<utf8proc_int32_t>(cp), buffer.data());
  testo.append(reinterpret_cast<const char*>(buffer.data()), static_cast<std::size_t>(n));
}

bool E_Lettera(std::int32_t cp) {
  if (cp < 0) return false;
  const auto categoria = utf8proc_category(cp);
  return categoria >= UTF8PROC_CATEGORY_LU && categoria <= UTF8PROC_CATEGORY_LO;
}
bool E_Maiuscola(std::int32_t cp) { return cp >= 0 && utf8proc_category(cp) == UTF8PROC_CATEGORY_LU; }
bool E_Minuscola(std::int32_t cp) { return cp >= 0 && utf8proc_category(cp) == UTF8PROC_CATEGORY_LL; }

std::size_t Sostituisci_Tutto(std::string& testo, std::string_view da, std::string_view a) {
  if (da.empty()) return 0;
  std::size_t conta = 0;
  for (auto pos = testo.find(da); pos != std::string::npos; pos = testo.find(da, pos + a.size())) {
    testo.replace(pos, da.size(), a);
    ++conta;
  }
  return conta;
}

bool Contiene(std::string_view testo, std::string_view parte) { return testo.find(parte) != std::string_view::npos; }

std::size_t Lunghezza_Primo_Carattere(std::string_view testo) {
  if (testo.empty()) return 0;
  std::size_t lunghezza = 0;
  Leggi(testo, 0, lunghezza);
  return lunghezza;
}

std::size_t Lunghezza_Ultimo_Carattere(std::string_view testo) {
  if (testo.empty()) return 0;
  std::size_t inizio = testo.size() - 1;
  // Step back over continuation bytes, at most three of them.
  while (inizio > 0 && testo.size() - inizio < 4 && (static_cast<unsigned char>(testo[inizio]) & 0xC0U) == 0x80U) {
    --inizio;
  }
  std::size_t lunghezza = 0;
  Leggi(testo, inizio, lunghezza);
  return inizio + lunghezza == testo.size() ? lunghezza : 1;
}

void Iniziale_Maiuscola(std::string& testo) { Cambia_Iniziale(testo, utf8proc_toupper); }
void Iniziale_Minuscola(std::string& testo) { Cambia_Iniziale(testo, utf8proc_tolower); }

std::string_view Senza_Articolo(std::string_view nome) {
  for (const std::string_view articolo : {"Il ", "Lo ", "La ", "L'", "I ", "Gli ", "Le "}) {
    if (nome.starts_with(articolo)) return nome.substr(articolo.size());
  }
  return nome;
}

std::string In_Minuscolo(std::string_view testo) {
  std::string uscita;
  uscita.reserve(testo.size());
  for (std::size_t pos = 0; pos < testo.size();) {
    std::size_t lunghezza = 0;
    const auto cp = Leggi(testo, pos, lunghezza);
    if (cp < 0) {
      uscita.append(testo.substr(pos, lunghezza));
    } else if (cp < 0x80) {
      uscita.push_back(static_cast<char>(cp >= 'A' && cp <= 'Z' ? cp + ('a' - 'A') : cp));
    } else {
      Scrivi(uscita, utf8proc_tolower(cp));
    }
    pos += lunghezza;
  }
  return uscita;
}

std::string In_Caso_Proprio(std::string_view testo) {
  std::string uscita;
  uscita.reserve(testo.size());
  bool inizio_parola = true;
  for (std::size_t pos = 0; pos < testo.size();) {
    std::size_t lunghezza = 0;
    const auto cp = Leggi(testo, pos, lunghezza);
    if (cp < 0) {
      uscita.append(testo.substr(pos, lunghezza));
      inizio_parola = false;
    } else {
      Scrivi(uscita, inizio_parola ? utf8proc_toupper(cp) : utf8proc_tolower(cp));
      inizio_parola = E_Spazio(cp);
    }
    pos += lunghezza;
  }
  return uscita;
}

bool E_Utf8_Valido(std::string_view testo) {
  for (std::size_t pos = 0; pos < testo.size();) {
    std::size_t lunghezza = 0;
    if (Leggi(testo, pos, lunghezza) < 0) return false;
    pos += lunghezza;
  }
  return true;
}

std::string Testo_Stampabile(std::string_view testo) {
  static constexpr char esadecimali[] = "0123456789ABCDEF";
  std::string uscita;
  uscita.reserve(testo.size());
  for (std::size_t pos = 0; pos < testo.size();) {
    std::size_t lunghezza = 0;
    const auto cp = Leggi(testo, pos, lunghezza);
    if (cp < 0 || cp < 0x20 || cp == 0x7F) {
      const auto b = static_cast<unsigned char>(testo[pos]);
      uscita += "\\x";
      uscita += esadecimali[b >> 4U];
      uscita += esadecimali[b & 0xFU];
    } else if (cp >= 0x80 && cp < 0xA0) {
      uscita += "\\u00";
      uscita += esadecimali[static_cast<unsigned>(cp) >> 4U];
      uscita += esadecimali[static_cast<unsigned>(cp) & 0xFU];
    } else {
      uscita.append(testo.substr(pos, lunghezza));
    }
    pos += lunghezza;
  }
  return uscita;
}

bool Uguali_Senza_Maiuscole(std::string_view a, std::string_view b) {
  const auto minuscola = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return minuscola(x) == minuscola(y); });
}

}  // namespace talewick
