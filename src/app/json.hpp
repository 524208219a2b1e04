#pragma once
#include <string>
#include <string_view>

namespace talewick::cli {

// A JSON string literal for UTF-8 text, quotes included.
inline std::string Stringa_Json(std::string_view testo) {
  std::string uscita = "\"";
  for (const char c : testo) {
    const auto b = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        uscita += "\\\"";
        break;
      case '\\':
        uscita += "\\\\";
        break;
      case '\n':
        uscita += "\\n";
        break;
      case '\r':
        uscita += "\\r";
        break;
      case '\t':
        uscita += "\\t";
        break;
      default:
        if (b < 0x20) {
          static constexpr char esadecimali[] = "0123456789abcdef";
          uscita += "\\u00";
          uscita += esadecimali[b >> 4U];
          uscita += esadecimali[b & 0xFU];
        } else {
          uscita += c;
        }
    }
  }
  return uscita + "\"";
}

}  // namespace talewick::cli
