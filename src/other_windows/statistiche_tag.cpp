#include "other_windows/statistiche_tag.hpp"

namespace talewick {

std::int64_t Quota_Centesimi(std::int64_t parte, std::int64_t totale) {
  if (totale <= 0 || parte < 0) return 0;
  return (parte * 20000 + totale) / (2 * totale);
}

std::string Scrivi_Quota(std::int64_t centesimi, std::string_view separatore) {
  std::string testo = std::to_string(centesimi / 100);
  const std::int64_t decimi = centesimi % 100;
  if (decimi == 0) return testo;
  testo += separatore;
  testo += static_cast<char>('0' + decimi / 10);
  if (decimi % 10 != 0) testo += static_cast<char>('0' + decimi % 10);
  return testo;
}

std::int64_t Sostantivi_Totali(const Conteggi_File& c) {
  std::int64_t somma = 0;
  for (std::size_t i = 2; i <= 21; ++i) somma += c[i];
  return somma;
}

TestiStatistiche Testi_Statistiche(const Conteggi_File& c, const Conteggi_Tag& t, std::string_view separatore) {
  TestiStatistiche testi;
  std::int64_t totale = 0;
  for (std::size_t i = 0; i < numero_file; ++i) {
    testi.Conteggio[i] = std::string(nome_file[i]) + ": " + std::to_string(c[i]);
    totale += c[i];
  }
  const std::int64_t sostantivi = Sostantivi_Totali(c);
  testi.Categoria[10] = "Sostantivi Totali: " + std::to_string(sostantivi);
  for (std::size_t k = 0; k < etichette_categoria.size(); ++k) {
    const std::int64_t somma = c[2 + 2 * k] + c[3 + 2 * k];
    testi.Categoria[k] = std::string(etichette_categoria[k]) + std::to_string(somma) + " (" +
                         Scrivi_Quota(Quota_Centesimi(somma, sostantivi), separatore) + "%)";
  }
  testi.Totale = "Totale Assoluto Vocaboli: " + std::to_string(totale);
  for (std::size_t k = 0; k < etichette_tag.size(); ++k) {
    testi.TagNome[k] = std::string(etichette_tag[k]) + std::to_string(t[k]);
  }
  return testi;
}

}  // namespace talewick
