#pragma once
// Rule tables kept as data files, one named case a line: fields split by tabs, the first the
// case's name (letters, digits, '_'). Blank lines and lines starting with '#' are skipped. In a
// field \t \n \r \\ and \xHH stand for their bytes, and a field of exactly "" is empty.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace talewick::prova {

struct Riga {
  std::string nome;
  std::vector<std::string> campi;  // after the name
  std::string errore;              // why the file gave no rows; then this is the only row

  [[nodiscard]] const std::string& operator[](std::size_t i) const { return campi.at(i); }
  [[nodiscard]] int Intero(std::size_t i) const { return std::stoi(campi.at(i)); }
};

inline void PrintTo(const Riga& riga, std::ostream* uscita) { *uscita << riga.nome; }
inline std::string Nome_Riga(const testing::TestParamInfo<Riga>& info) { return info.param.nome; }

inline std::string Campo(std::string_view testo) {
  if (testo == "\"\"") return {};
  std::string campo;
  for (std::size_t i = 0; i < testo.size(); ++i) {
    if (testo[i] != '\\' || i + 1 == testo.size()) {
      campo += testo[i];
      continue;
    }
    const char c = testo[++i];
    if (c == 'x' && i + 2 < testo.size()) {
      campo += static_cast<char>(std::stoi(std::string(testo.substr(i + 1, 2)), nullptr, 16));
      i += 2;
    } else {
      campo += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
  }
  return campo;
}

// The rows of `percorso`, relative to the source tree (TALEWICK_SORGENTI, else the current folder).
inline std::vector<Riga> Leggi_Tabella(const std::string& percorso) {
  const char* sorgenti = std::getenv("TALEWICK_SORGENTI");
  std::ifstream file(std::filesystem::path(sorgenti != nullptr ? sorgenti : ".") / percorso);
  std::vector<Riga> righe;
  for (std::string linea; std::getline(file, linea);) {
    if (linea.empty() || linea[0] == '#') continue;
    Riga riga;
    for (std::size_t inizio = 0;;) {
      const auto fine = linea.find('\t', inizio);
      riga.campi.push_back(Campo(std::string_view(linea).substr(inizio, fine - inizio)));
      if (fine == std::string::npos) break;
      inizio = fine + 1;
    }
    riga.nome = riga.campi.front();
    riga.campi.erase(riga.campi.begin());
    if (riga.nome.empty() ||
        riga.nome.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_") !=
            std::string::npos) {
      return {{"nome_non_valido", {}, percorso + ": \"" + riga.nome + "\" non è un nome di caso"}};
    }
    righe.push_back(std::move(riga));
  }
  if (righe.empty()) return {{"tabella_mancante", {}, percorso + " manca o è vuota"}};
  return righe;
}

}  // namespace talewick::prova
