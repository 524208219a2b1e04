#pragma once
// A fixture word folder and one generator, run with scripted draws (each run appends its draws
// to one scripted source; every draw after them gives 1) or with a seed for frequencies.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/stato.hpp"
#include "generators/generatori.hpp"
#include "support/casuale_scriptato.hpp"
#include "support/database_prova.hpp"
#include "support/righe_dati.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

namespace talewick::prova {

// The fixture word files of `gruppo` in voci.tsv, whose rows are "group<TAB>file<TAB>entries".
inline Voci Voci_Di(std::string_view gruppo) {
  Voci voci;
  for (const auto& riga : Leggi_Righe(TALEWICK_VOCI)) {
    if (riga.regola == gruppo) voci[riga.nome] = riga.colonne.at(0);
  }
  return voci;
}

class ProvaGeneratore {
 public:
  using Generatore = void (*)(Stato&);

  ProvaGeneratore(Generatore generatore, const Voci& voci) : genera_(generatore) { db.Completa(voci); }

  // One run with these draws; the slots keep what earlier runs left in them.
  std::string Genera(const std::vector<std::int64_t>& estrazioni) {
    for (const auto e : estrazioni) casuale.Aggiungi({e});
    genera_(stato);
    EXPECT_EQ(casuale.Rimaste(), 0U) << "the generator made fewer draws than scripted";
    return stato.slot_nome.testo;
  }

  // How often each label comes up over n seeded runs; `etichetta` maps a result to its label.
  template <class Etichetta>
  std::map<std::string, int> Frequenze(std::uint64_t seme, int n, Etichetta etichetta) {
    Motore_Casuale motore(seme);
    Stato seminato(archivio, motore);
    seminato.opzioni = stato.opzioni;
    std::map<std::string, int> conta;
    for (int i = 0; i < n; ++i) {
      genera_(seminato);
      ++conta[etichetta(seminato.slot_nome.testo)];
    }
    return conta;
  }

 private:
  Generatore genera_;

 public:
  DatabaseProva db;
  Archivio archivio{db.Cartella()};
  CasualeScriptato casuale{};
  Stato stato{archivio, casuale};
};

}  // namespace talewick::prova
