#include "wordstore/lettore_campi.hpp"

#include <array>

#include "wordstore/testo.hpp"

namespace talewick {
namespace {

// Code points of 0x80..0x9F in Windows-1252; 0 marks the five bytes it leaves undefined.
constexpr std::array<char32_t, 32> windows_1252_alto = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void Aggiungi_Utf8(std::string& uscita, char32_t cp) {
  if (cp < 0x80) {
    uscita.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    uscita.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    uscita.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    uscita.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    uscita.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    uscita.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

bool E_Fine_Riga(char c) { return c == '\n' || c == '\r'; }
bool E_Blank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

TestoDecodificato Decodifica_File_Parole(std::string_view byte) {
  TestoDecodificato esito;
  if (byte.starts_with("\xEF\xBB\xBF")) {
    byte.remove_prefix(3);
    esito.codifica = Codifica::Utf8_Con_Bom;
  }
  const bool utf8 = E_Utf8_Valido(byte);
  if (!utf8) esito.codifica = Codifica::Windows_1252;
  esito.testo.reserve(byte.size());
  for (const char c : byte) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0) {
      esito.conteneva_nul = true;
    } else if (utf8 || b < 0x80) {
      esito.testo.push_back(c);
    } else if (b < 0xA0) {
      const char32_t cp = windows_1252_alto[b - 0x80];
      Aggiungi_Utf8(esito.testo, cp == 0 ? U'\uFFFD' : cp);
    } else {
      Aggiungi_Utf8(esito.testo, b);
    }
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
