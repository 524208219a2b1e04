#pragma once
// The window model every window of the program is written against, with no toolkit in it.
// A `Finestra` owns its `Controllo`s, built from a table of `DescrizioneControllo` rows in
// layout order. The logic reads and writes properties and binds handlers to events; a
// toolkit layer mirrors the model (it observes every property that really changes, through
// `Finestra::Osserva`) and feeds user input back through `Digita`, `Imposta_Posizione`,
// `Imposta_Valore` and `Scatena`. Operations that reach outside a window (message boxes,
// other windows, ending the program) go through `Piattaforma` (main_window/piattaforma.hpp).
//
// Behaviours callers rely on:
// - a setter stores and notifies only when the value changes, so re-applying the same state
//   many times a second costs a comparison per property;
// - writing the text of a text box raises its `Change` event at once, inside the write, and
//   the handler may write the text again (which raises it again);
// - setting the selected position of a list raises its `Click` event, even to the same place;
// - setting the value of a check box raises its `Click` event when the value changes;
// - `Carica` runs the window's `Load` event once; `Mostra` loads first if needed; hiding keeps
//   everything as it was;
// - on screen, rows later in the layout table lie above earlier ones, and a control placed over
//   a group lies above that group;
// - one control of a window has the keyboard focus; when it moves, the control that had it
//   receives `LostFocus` (after the new one holds it). Return presses the focused button, or
//   else the visible default button (none from a multi-line text box, where it breaks the
//   line); Esc presses the window's cancel button.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace talewick {

// Positions and sizes are twips (1440 to the inch).
inline constexpr int twips_per_pollice = 1440;

// The frame of a fixed window with a caption bar: outer size minus client size, in twips.
inline constexpr int bordo_larghezza = 240;
inline constexpr int bordo_altezza = 565;

enum class Tipo_Controllo : std::uint8_t {
  Etichetta,       // label: caption, colour, underline, pointer, click and pointer move
  Casella_Testo,   // text box: text and its Change event
  Elenco,          // drop-down list, pick only: items, selected position, Click event
  Casella_Spunta,  // check box: caption and value 0 or 1
  Pulsante,        // button: caption or picture, tooltip, Click event
  Cornice,         // group box: caption; carries the controls placed inside it
  Timer,           // repeating timer: interval, running while enabled, Timer event
  Linea,           // a straight rule from (left, top) spanning width and height
};

// Where a control lies: on the window, inside a group (positions from the group's corner), or
// over a group at window level (drawn above it).
enum class Collocazione : std::uint8_t { Finestra, Dentro, Sopra };

enum class Forma_Puntatore : std::uint8_t { Predefinita, Personalizzata };

enum class Immagine : std::uint8_t { Nessuna, Annulla, Ripeti };

enum class Evento : std::uint8_t { Click, Change, Timer, MouseMove, LostFocus };
inline constexpr std::size_t numero_eventi = 5;

enum class Evento_Finestra : std::uint8_t { Load, Chiusura };

// What changed, as told to an observer.
enum class Proprieta : std::uint8_t {
  Visibile,
  Abilitato,
  Testo,
  Sinistra,
  Alto,
  Larghezza,
  Altezza,
  Dimensione_Carattere,
  Corsivo,
  Colore_Testo,
  Sottolineato,
  Puntatore,
  Voci,
  Posizione,
  Valore,
  Suggerimento,
  Intervallo,
};

enum class Proprieta_Finestra : std::uint8_t { Didascalia, Larghezza, Altezza, Condizione, Visibile, Fuoco };

enum class Stato_Finestra : std::uint8_t { Normale, Ridotta, Ingrandita };

struct Colore {
  std::uint8_t rosso = 0;
  std::uint8_t verde = 0;
  std::uint8_t blu = 0;
  bool testo_menu = false;  // the system's menu-text colour instead of the three values
  friend bool operator==(const Colore&, const Colore&) = default;
};
inline constexpr Colore nero{};
inline constexpr Colore blu{0, 0, 255};
inline constexpr Colore giallo{255, 255, 0};
inline constexpr Colore colore_testo_menu{0, 0, 0, true};

// One row of a window's layout table. `testo` is the text of a text box, the caption of a
// label, button, check box or group, and ignored for lists (their text is the selected item).
struct DescrizioneControllo {
  std::string_view nome = {};
  Tipo_Controllo tipo = Tipo_Controllo::Etichetta;
  int indice = -1;  // place in a control array, -1 for a single control
  Collocazione collocazione = Collocazione::Finestra;
  std::string_view cornice = {};  // the group a control lies inside or over
  std::string_view testo = {};
  int sinistra = 0;
  int alto = 0;
  int larghezza = 0;
  int altezza = 0;
  bool visibile = true;
  bool abilitato = true;
  double dimensione_carattere = 8.25;
  std::string_view suggerimento = {};
  std::span<const std::string_view> voci = {};
  bool ordinato = false;         // lists: items kept in sorted order
  int valore = 0;                // check boxes: 1 ticked
  bool multilinea = false;       // text boxes
  bool barra_verticale = false;  // multi-line text boxes
  bool solo_cifre = false;       // text boxes: the user may type digits only
  int lunghezza_massima = 0;     // text boxes: most characters the user may type, 0 for no limit
  Immagine immagine = Immagine::Nessuna;
  int intervallo = 0;         // timers, milliseconds
  bool predefinito = false;   // buttons: pressed by Return while shown
  bool annullamento = false;  // buttons: pressed by Esc
  int ordine_tab = -1;        // place in the Tab order; -1 leaves it to the layout order
  // What a screen reader calls the control; empty for its caption (text boxes and lists need one).
  std::string_view nome_accessibile = {};
};

class Finestra;

class Controllo {
 public:
  Controllo(Finestra& finestra, const DescrizioneControllo& d, Controllo* cornice);
  Controllo(const Controllo&) = delete;
  Controllo& operator=(const Controllo&) = delete;

  // Identity and fixed traits.
  [[nodiscard]] const std::string& Nome() const { return nome_; }
  [[nodiscard]] int Indice() const { return indice_; }
  [[nodiscard]] Tipo_Controllo Tipo() const { return tipo_; }
  [[nodiscard]] Collocazione Posto() const { return collocazione_; }
  // The group the control lies inside or over; none on the window.
  [[nodiscard]] Controllo* Cornice() const { return cornice_; }
  [[nodiscard]] Finestra& Proprietaria() const { return finestra_; }
  [[nodiscard]] bool Multilinea() const { return multilinea_; }
  [[nodiscard]] bool Barra_Verticale() const { return barra_verticale_; }
  [[nodiscard]] bool Ordinato() const { return ordinato_; }
  [[nodiscard]] bool Solo_Cifre() const { return solo_cifre_; }
  [[nodiscard]] int Lunghezza_Massima() const { return lunghezza_massima_; }
  [[nodiscard]] Immagine Figura() const { return immagine_; }
  [[nodiscard]] bool Predefinito() const { return predefinito_; }
  [[nodiscard]] bool Annullamento() const { return annullamento_; }
  [[nodiscard]] int Ordine_Tab() const { return ordine_tab_; }
  // The given accessible name, or else the caption on one line; empty for an unnamed text box or list.
  [[nodiscard]] std::string Nome_Accessibile() const;
  [[nodiscard]] bool Ha_Fuoco() const;

  [[nodiscard]] bool Visibile() const { return visibile_; }
  void Imposta_Visibile(bool v) { Scrivi(visibile_, v, Proprieta::Visibile); }
  // True when this control and every group that carries it are visible.
  [[nodiscard]] bool Visibile_Sullo_Schermo() const;

  [[nodiscard]] bool Abilitato() const { return abilitato_; }
  void Imposta_Abilitato(bool v) { Scrivi(abilitato_, v, Proprieta::Abilitato); }

  // The text of a text box, the selected item of a list, the caption of anything else.
  [[nodiscard]] const std::string& Testo() const;
  // On a list, selects the item with exactly this text (raising Click); a text that is no item
  // changes nothing.
  void Imposta_Testo(std::string_view testo);

  [[nodiscard]] int Sinistra() const { return sinistra_; }
  [[nodiscard]] int Alto() const { return alto_; }
  [[nodiscard]] int Larghezza() const { return larghezza_; }
  [[nodiscard]] int Altezza() const { return altezza_; }
  void Imposta_Sinistra(int v) { Scrivi(sinistra_, v, Proprieta::Sinistra); }
  void Imposta_Alto(int v) { Scrivi(alto_, v, Proprieta::Alto); }
  void Imposta_Larghezza(int v) { Scrivi(larghezza_, v, Proprieta::Larghezza); }
  void Imposta_Altezza(int v) { Scrivi(altezza_, v, Proprieta::Altezza); }

  [[nodiscard]] double Dimensione_Carattere() const { return dimensione_carattere_; }
  void Imposta_Dimensione_Carattere(double v) { Scrivi(dimensione_carattere_, v, Proprieta::Dimensione_Carattere); }
  [[nodiscard]] bool Corsivo() const { return corsivo_; }
  void Imposta_Corsivo(bool v) { Scrivi(corsivo_, v, Proprieta::Corsivo); }
  [[nodiscard]] Colore Colore_Testo() const { return colore_testo_; }
  void Imposta_Colore_Testo(Colore v) { Scrivi(colore_testo_, v, Proprieta::Colore_Testo); }
  [[nodiscard]] bool Sottolineato() const { return sottolineato_; }
  void Imposta_Sottolineato(bool v) { Scrivi(sottolineato_, v, Proprieta::Sottolineato); }
  [[nodiscard]] Forma_Puntatore Puntatore() const { return puntatore_; }
  void Imposta_Puntatore(Forma_Puntatore v) { Scrivi(puntatore_, v, Proprieta::Puntatore); }
  [[nodiscard]] const std::string& Suggerimento() const { return suggerimento_; }
  void Imposta_Suggerimento(std::string v) { Scrivi(suggerimento_, std::move(v), Proprieta::Suggerimento); }

  // Lists. Positions count from 0; -1 is no selection.
  [[nodiscard]] const std::vector<std::string>& Voci() const { return voci_; }
  void Imposta_Voci(std::vector<std::string> voci);
  void Aggiungi_Voce(std::string voce);
  [[nodiscard]] int Posizione() const { return posizione_; }
  // Selects a place (-1 for none; out-of-range places are refused) and raises Click.
  void Imposta_Posizione(int posizione);

  // Check boxes: 0 not ticked, 1 ticked.
  [[nodiscard]] int Valore() const { return valore_; }
  void Imposta_Valore(int valore);

  // Timers: the interval in milliseconds; the timer runs while it is enabled.
  [[nodiscard]] int Intervallo() const { return intervallo_; }
  void Imposta_Intervallo(int v) { Scrivi(intervallo_, v, Proprieta::Intervallo); }

  // Text typed by the user into a text box: refused (false, nothing changes) when the box
  // takes digits only or has a length limit that the text breaks; otherwise written.
  bool Digita(std::string_view testo);
  [[nodiscard]] bool Ammette(std::string_view testo) const;

  void Collega(Evento evento, std::function<void()> gestore);
  void Scatena(Evento evento);

 private:
  template <class T>
  void Scrivi(T& campo, T valore, Proprieta proprieta) {
    if (campo == valore) return;
    campo = std::move(valore);
    Notifica(proprieta);
  }
  void Notifica(Proprieta proprieta);
  friend class Finestra;

  Finestra& finestra_;
  std::string nome_;
  int indice_;
  Tipo_Controllo tipo_;
  Collocazione collocazione_;
  Controllo* cornice_;
  bool multilinea_;
  bool barra_verticale_;
  bool ordinato_;
  bool solo_cifre_;
  int lunghezza_massima_;
  Immagine immagine_;
  bool predefinito_;
  bool annullamento_;
  int ordine_tab_;
  std::string nome_accessibile_;

  bool visibile_;
  bool abilitato_;
  std::string testo_;
  int sinistra_, alto_, larghezza_, altezza_;
  double dimensione_carattere_;
  bool corsivo_ = false;
  Colore colore_testo_ = nero;
  bool sottolineato_ = false;
  Forma_Puntatore puntatore_ = Forma_Puntatore::Predefinita;
  std::string suggerimento_;
  std::vector<std::string> voci_;
  int posizione_ = -1;
  int valore_;
  int intervallo_;
  std::array<std::function<void()>, numero_eventi> gestori_{};
};

class Finestra {
 public:
  // A window whose client area measures `larghezza_interna` × `altezza_interna` twips; its
  // outer size adds the frame. The controls are built from `disposizione`, in order.
  Finestra(std::string nome, std::string didascalia, int larghezza_interna, int altezza_interna,
           std::span<const DescrizioneControllo> disposizione = {});
  virtual ~Finestra() = default;
  Finestra(const Finestra&) = delete;
  Finestra& operator=(const Finestra&) = delete;

  [[nodiscard]] const std::string& Nome() const { return nome_; }

  // Adds a control after the others; a group named in `cornice` must already exist. (A layout
  // table given to the constructor may name a group of a later row.)
  Controllo& Aggiungi(const DescrizioneControllo& d);
  [[nodiscard]] Controllo* Cerca(std::string_view nome, int indice = -1) const;
  // The control of that name; throws std::out_of_range when there is none.
  Controllo& operator[](std::string_view nome) const;
  Controllo& operator()(std::string_view nome, int indice) const;
  [[nodiscard]] const std::vector<std::unique_ptr<Controllo>>& Controlli() const { return controlli_; }

  [[nodiscard]] const std::string& Didascalia() const { return didascalia_; }
  void Imposta_Didascalia(std::string v) { Scrivi(didascalia_, std::move(v), Proprieta_Finestra::Didascalia); }
  // Outer size, frame included.
  [[nodiscard]] int Larghezza() const { return larghezza_; }
  [[nodiscard]] int Altezza() const { return altezza_; }
  void Imposta_Larghezza(int v) { Scrivi(larghezza_, v, Proprieta_Finestra::Larghezza); }
  void Imposta_Altezza(int v) { Scrivi(altezza_, v, Proprieta_Finestra::Altezza); }
  [[nodiscard]] int Larghezza_Interna() const { return larghezza_ - bordo_larghezza; }
  [[nodiscard]] int Altezza_Interna() const { return altezza_ - bordo_altezza; }
  [[nodiscard]] Stato_Finestra Condizione() const { return condizione_; }
  void Imposta_Condizione(Stato_Finestra v) { Scrivi(condizione_, v, Proprieta_Finestra::Condizione); }

  [[nodiscard]] bool Caricata() const { return caricata_; }
  [[nodiscard]] bool Visibile() const { return visibile_; }
  // Runs the Load event the first time; later calls do nothing.
  void Carica();
  // Loads the window if needed and shows it, without blocking other windows.
  void Mostra();
  void Nascondi() { Scrivi(visibile_, false, Proprieta_Finestra::Visibile); }
  // The user asked to close the window with its close box: the Chiusura handler decides; a
  // window without one is hidden.
  void Chiudi_Dal_Bordo();

  void Collega(Evento_Finestra evento, std::function<void()> gestore);

  // The control with the keyboard focus; none before any has it.
  [[nodiscard]] Controllo* Fuoco() const { return fuoco_; }
  // Moves the focus (the logic, or the mirror telling where the user put it); the control that
  // had it then receives LostFocus.
  void Imposta_Fuoco(Controllo* controllo);
  // The shown, enabled button marked default; none when no such button is shown.
  [[nodiscard]] Controllo* Pulsante_Predefinito() const;
  // The user pressed Return or Esc. False when the key did nothing.
  bool Premi_Invio();
  bool Premi_Esc();
  // The controls with a place in the Tab order, in that order.
  [[nodiscard]] std::vector<Controllo*> Ordine_Tab() const;

  // One observer per window, told of every property that really changes (the toolkit mirror).
  void Osserva(std::function<void(Controllo&, Proprieta)> su_controllo,
               std::function<void(Proprieta_Finestra)> su_finestra);
  // Grows at every change of any property of the window or its controls.
  [[nodiscard]] std::uint64_t Revisione() const { return revisione_; }

 private:
  friend class Controllo;
  [[nodiscard]] Controllo* Cornice_Di(const DescrizioneControllo& d) const;
  template <class T>
  void Scrivi(T& campo, T valore, Proprieta_Finestra proprieta) {
    if (campo == valore) return;
    campo = std::move(valore);
    ++revisione_;
    if (su_finestra_) su_finestra_(proprieta);
  }
  void Notifica(Controllo& controllo, Proprieta proprieta) {
    ++revisione_;
    if (su_controllo_) su_controllo_(controllo, proprieta);
  }

  std::string nome_;
  std::string didascalia_;
  int larghezza_;
  int altezza_;
  Stato_Finestra condizione_ = Stato_Finestra::Normale;
  bool caricata_ = false;
  bool visibile_ = false;
  Controllo* fuoco_ = nullptr;
  std::vector<std::unique_ptr<Controllo>> controlli_;
  std::function<void()> su_load_;
  std::function<void()> su_chiusura_;
  std::function<void(Controllo&, Proprieta)> su_controllo_;
  std::function<void(Proprieta_Finestra)> su_finestra_;
  std::uint64_t revisione_ = 0;
};

}  // namespace talewick
