#pragma once
// Rule tables kept as data files, one named case a row: "rule<TAB>name<TAB>column...". Blank lines
// and lines starting with '#' are skipped; \n, \r, \t, \\ and \xHH in a column stand for that byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <map>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace talewick::prova {

struct RigaDati {
  std::string regola;
  std::string nome;
  std::vector<std::string> colonne;
};

inline std::string Senza_Escape(std::string_view testo) {
  std::string uscita;
  for (std::size_t i = 0; i < testo.size(); ++i) {
    if (testo[i] != '\\' || i + 1 == testo.size()) {
      uscita += testo[i];
      continue;
    }
    const char c = testo[++i];
    if (c == 'x' && i + 2 < testo.size()) {
      uscita += static_cast<char>(std::stoi(std::string(testo.substr(i + 1, 2)), nullptr, 16));
      i += 2;
    } else {
      uscita += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
    }
  }
  return uscita;
}

inline std::vector<RigaDati> Leggi_Righe(const std::string& percorso) {
  std::ifstream file(percorso, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read rule table " + percorso);
  std::vector<RigaDati> righe;
  for (std::string linea; std::getline(file, linea);) {
    if (linea.empty() || linea.front() == '#') continue;
    std::vector<std::string> colonne;
    for (std::size_t inizio = 0;;) {
      const auto tab = linea.find('\t', inizio);
      colonne.push_back(Senza_Escape(std::string_view(linea).substr(inizio, tab - inizio)));
      if (tab == std::string::npos) break;
      inizio = tab + 1;
    }
    if (colonne.size() < 2) throw std::runtime_error("row without a name in " + percorso + ": " + linea);
    righe.push_back({colonne[0], colonne[1], {colonne.begin() + 2, colonne.end()}});
  }
  return righe;
}

// The numbers of a column such as "2 1 1", as scripted draws.
inline std::vector<std::int64_t> Numeri(const std::string& colonna) {
  std::vector<std::int64_t> numeri;
  std::istringstream testo(colonna);
  for (std::int64_t n = 0; testo >> n;) numeri.push_back(n);
  return numeri;
}

// A column with each "@" replaced by `radice` (the scratch folder of a test).
inline std::string Espandi(std::string testo, const std::string& radice) {
  for (auto posto = testo.find('@'); posto != std::string::npos; posto = testo.find('@', posto + radice.size())) {
    testo.replace(posto, 1, radice);
  }
  return testo;
}

inline void PrintTo(const RigaDati& riga, std::ostream* uscita) { *uscita << riga.regola << ' ' << riga.nome; }

// What a rule checks on the columns of one of its rows.
using Regole = std::map<std::string, std::function<void(const std::vector<std::string>&)>, std::less<>>;

}  // namespace talewick::prova

// One test per row of the data file at `percorso`, named "rule_name", run by its rule in `regole`.
#define RIGHE_DATI(Suite, percorso, regole)                                                          \
  class Suite : public testing::TestWithParam<::talewick::prova::RigaDati> {};                       \
  TEST_P(Suite, Riga) {                                                                              \
    const auto regola = (regole).find(GetParam().regola);                                            \
    ASSERT_NE(regola, (regole).end()) << "no rule " << GetParam().regola;                            \
    regola->second(GetParam().colonne);                                                              \
  }                                                                                                  \
  INSTANTIATE_TEST_SUITE_P(File, Suite, testing::ValuesIn(::talewick::prova::Leggi_Righe(percorso)), \
                           [](const testing::TestParamInfo<::talewick::prova::RigaDati>& riga) {     \
                             return riga.param.regola + "_" + riga.param.nome;                       \
                           })
