#pragma once
// The credits window `Form3`: who made the program and its word lists, a contact address and
// a link to the web site. The link lights up under the pointer, goes plain again when the
// pointer crosses the invisible band `Label4` around it, and opens the site when clicked.
#include <span>
#include <string_view>

#include "main_window/aggiornamento.hpp"
#include "main_window/controlli.hpp"

namespace talewick {

inline constexpr int larghezza_interna_form3 = 5910;
inline constexpr int altezza_interna_form3 = 3165;

namespace crediti {
inline constexpr std::string_view autore = "- Realizzato da Squadra Talewick";
inline constexpr std::string_view vocaboli = "- Vocaboli inseriti da Redazione Talewick e Amici di Talewick";
inline constexpr std::string_view inizio = "- Data di inizio programmazione: 01/03/2011";
inline constexpr std::string_view contatto =
    "Per dubbi, consigli o segnalazioni non esitate a contattarmi via mail: talewick@example.org";
inline constexpr std::string_view invito_sito = "Visita il mio sito web:";
inline constexpr std::string_view sito = "http://www.example.org/talewick";
}  // namespace crediti

std::span<const DescrizioneControllo> Disposizione_Form3();

class Form3 : public Finestra {
 public:
  explicit Form3(Navigatore& navigatore);

  void Label3_MouseMove();
  void Label4_MouseMove();
  void Label3_Click();
  void Command1_Click();

 private:
  Navigatore& navigatore_;
};

}  // namespace talewick
