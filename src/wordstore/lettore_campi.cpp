#include "wordstore/lettore_campi.hpp"

#include <algorithm>
#include <array>

#include "wordstore/testo.hpp"

namespace talewick {
namespace {

// Code points of 0x80..0x9F in Windows-1252; 0 marks the five bytes it leaves undefined.
constexpr std::array<char32_t, 32> windows_1252_alto = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool E_Fine_Riga(char c) { return c == '\n' || c == '\r'; }
bool E_Blank(char c) { return c == ' ' || c == '\t'; }

void Aggiungi_Windows_1252(std::string& uscita, std::string_view riga) {
  for (const char c : riga) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      uscita.push_back(c);
    } else if (b < 0xA0) {
      const char32_t cp = windows_1252_alto[b - 0x80];
      Accoda_Carattere(uscita, cp == 0 ? U'\uFFFD' : cp);
    } else {
      Accoda_Carattere(uscita, b);
    }
  }
}

void Decodifica_Utf16(std::string_view byte, bool little_endian, TestoDecodificato& esito) {
  const auto unita = [&](std::size_t i) {
    const auto a = static_cast<unsigned char>(byte[i]);
    const auto b = static_cast<unsigned char>(byte[i + 1]);
    return static_cast<char32_t>(little_endian ? (a | (b << 8U)) : ((a << 8U) | b));
  };
  std::size_t i = 0;
  for (; i + 1 < byte.size(); i += 2) {
    char32_t cp = unita(i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < byte.size() && unita(i + 2) >= 0xDC00 && unita(i + 2) <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10U) + (unita(i + 2) - 0xDC00);
      i += 2;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = U'\uFFFD';
    }
    if (cp == 0) {
      if (!esito.conteneva_nul) {
        esito.riga_nul = 1 + static_cast<int>(std::count(esito.testo.begin(), esito.testo.end(), '\n'));
      }
      esito.conteneva_nul = true;
    } else {
      Accoda_Carattere(esito.testo, cp);
    }
  }
  if (i < byte.size()) Accoda_Carattere(esito.testo, U'\uFFFD');
}

bool E_Ascii(std::string_view riga) {
  for (const char c : riga) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

TestoDecodificato Decodifica_File_Parole(std::string_view byte) {
  TestoDecodificato esito;
  esito.testo.reserve(byte.size());
  if (byte.starts_with("\xFF\xFE") || byte.starts_with("\xFE\xFF")) {
    esito.codifica = Codifica::Utf16;
    Decodifica_Utf16(byte.substr(2), byte[0] == '\xFF', esito);
    return esito;
  }
  const bool bom = byte.starts_with("\xEF\xBB\xBF");
  if (bom) byte.remove_prefix(3);
  bool utf8_accentato = false;
  int numero_riga = 1;
  std::size_t pos = 0;
  while (pos < byte.size()) {
    const std::size_t fine = std::min(byte.find_first_of("\r\n", pos), byte.size());
    std::string_view riga = byte.substr(pos, fine - pos);
    if (!esito.conteneva_nul && riga.find('\0') != std::string_view::npos) {
      esito.conteneva_nul = true;
      esito.riga_nul = numero_riga;
    }
    if (E_Ascii(riga)) {
      esito.testo.append(riga);
    } else if (E_Utf8_Valido(riga)) {
      utf8_accentato = true;
      esito.testo.append(riga);
    } else {
      esito.righe_windows_1252.push_back(numero_riga);
      Aggiungi_Windows_1252(esito.testo, riga);
    }
    pos = fine;
    if (pos < byte.size()) {
      const bool crlf = byte[pos] == '\r' && pos + 1 < byte.size() && byte[pos + 1] == '\n';
      esito.testo.append(byte.substr(pos, crlf ? 2 : 1));
      pos += crlf ? 2 : 1;
      ++numero_riga;
    }
  }
  if (esito.conteneva_nul) std::erase(esito.testo, '\0');
  if (!esito.righe_windows_1252.empty()) {
    esito.codifica = utf8_accentato ? Codifica::Mista : Codifica::Windows_1252;
  } else if (bom) {
    esito.codifica = Codifica::Utf8_Con_Bom;
  }
  return esito;
}

CampiLetti Leggi_Campi(std::string_view testo) {
  CampiLetti esito;
  int riga = 1;
  std::size_t pos = 0;
  const std::size_t n = testo.size();
  auto salta_fine_riga = [&] {
    if (testo[pos] == '\r' && pos + 1 < n && testo[pos + 1] == '\n') ++pos;
    ++pos;
    ++riga;
  };
  while (pos < n) {
    const int riga_campo = riga;
    std::string campo;
    while (pos < n && E_Blank(testo[pos])) ++pos;
    if (pos < n && testo[pos] == '"') {
      const std::size_t chiusa = testo.find('"', pos + 1);
      const std::size_t fine_riga = testo.find_first_of("\r\n", pos + 1);
      if (chiusa == std::string_view::npos || (fine_riga != std::string_view::npos && fine_riga < chiusa)) {
        esito.righe_virgolette_aperte.push_back(riga);
        const std::size_t fine = fine_riga == std::string_view::npos ? n : fine_riga;
        campo.assign(testo.substr(pos + 1, fine - pos - 1));
        pos = fine;
      } else {
        campo.assign(testo.substr(pos + 1, chiusa - pos - 1));
        pos = chiusa + 1;
        // What stands between the closing quote and the next separator is not part of the field.
        while (pos < n && testo[pos] != ',' && !E_Fine_Riga(testo[pos])) ++pos;
      }
    } else {
      const std::size_t inizio = pos;
      while (pos < n && testo[pos] != ',' && !E_Fine_Riga(testo[pos])) ++pos;
      std::size_t fine = pos;
      while (fine > inizio && E_Blank(testo[fine - 1])) --fine;
      campo.assign(testo.substr(inizio, fine - inizio));
    }
    esito.campi.push_back(std::move(campo));
    esito.righe.push_back(riga_campo);
    if (pos < n) {
      if (testo[pos] == ',') {
        ++pos;
        // A comma at the end of the text still closes a field, so an empty one follows.
        if (pos == n) {
          esito.campi.emplace_back();
          esito.righe.push_back(riga);
        }
      } else {
        salta_fine_riga();
      }
    }
  }
  return esito;
}

}  // namespace talewick
