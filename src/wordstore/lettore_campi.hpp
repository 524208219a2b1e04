#pragma once
// Turns the bytes of a word file into its entries: decoding first, then the sequential
// field reader (a comma or a line end closes a field; a double-quoted field may hold commas).
#include <string>
#include <string_view>
#include <vector>

namespace talewick {

// Mista: some lines are UTF-8 with accents, others Windows-1252.
enum class Codifica { Utf8, Utf8_Con_Bom, Windows_1252, Mista, Utf16 };

struct TestoDecodificato {
  std::string testo;  // always UTF-8
  Codifica codifica = Codifica::Utf8;
  bool conteneva_nul = false;           // NUL bytes are dropped while decoding
  int riga_nul = 0;                     // 1-based line of the first NUL
  std::vector<int> righe_windows_1252;  // 1-based lines read as Windows-1252
};

// UTF-16 with its byte-order mark is decoded as such. Otherwise each line on its own: a line that
// is valid UTF-8 is UTF-8 (a leading BOM is skipped), any other line is Windows-1252.
TestoDecodificato Decodifica_File_Parole(std::string_view byte);

struct CampiLetti {
  std::vector<std::string> campi;
  std::vector<int> righe;                    // 1-based line where each field starts
  std::vector<int> righe_virgolette_aperte;  // lines of a quote that never closes
};

// Blanks and tabs around an unquoted field are dropped; an empty line is one empty field;
// a final line end does not open a further field. An unclosed quote runs to its line's end.
CampiLetti Leggi_Campi(std::string_view testo);

}  // namespace talewick
