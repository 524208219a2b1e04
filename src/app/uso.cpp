#include "app/uso.hpp"

#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

#include "base/messaggi.hpp"
#include "core/opzioni.hpp"

namespace talewick::cli {
namespace {

namespace m = messaggi::cli;

bool Solo_Cifre(std::string_view testo) {
  return !testo.empty() && std::all_of(testo.begin(), testo.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The value of a text of digits, or nothing beyond `massimo`.
std::optional<std::uint64_t> Valore(std::string_view cifre, std::uint64_t massimo) {
  std::uint64_t valore = 0;
  for (const char c : cifre) {
    const auto cifra = static_cast<std::uint64_t>(c - '0');
    if (valore > (massimo - cifra) / 10) return std::nullopt;
    valore = valore * 10 + cifra;
  }
  return valore;
}

constexpr auto massimo_64 = std::numeric_limits<std::uint64_t>::max();

// Every option and positional of `app` and its subcommands.
void Raccogli(const CLI::App& app, std::vector<const CLI::Option*>& opzioni) {
  for (const auto* o : app.get_options()) opzioni.push_back(o);
  for (const auto* sub : app.get_subcommands([](const CLI::App*) { return true; })) Raccogli(*sub, opzioni);
}

// How the user writes an option: "-n", "--min", or a positional's name in capitals.
std::string Nome(const CLI::Option& o) {
  if (!o.get_positional() || !o.get_lnames().empty() || !o.get_snames().empty()) return o.get_name();
  std::string nome = o.get_name();
  std::transform(nome.begin(), nome.end(), nome.begin(), [](char c) { return static_cast<char>(std::toupper(c)); });
  return nome;
}

// The option a CLI11 message begins with ("--min: 1 required TEXT missing"), the longest name.
const CLI::Option* Opzione_In_Testa(const CLI::App& app, std::string_view testo) {
  std::vector<const CLI::Option*> opzioni;
  Raccogli(app, opzioni);
  const CLI::Option* trovata = nullptr;
  std::size_t lunghezza = 0;
  for (const auto* o : opzioni) {
    // Some messages name a flag without its dashes ("json was given a disallowed flag override").
    std::vector<std::string> nomi = o->get_lnames();
    nomi.push_back(o->get_name());
    for (const auto& nome : nomi) {
      if (testo.starts_with(nome) && testo.size() > nome.size() &&
          (testo[nome.size()] == ':' || testo[nome.size()] == ' ') && nome.size() > lunghezza) {
        trovata = o;
        lunghezza = nome.size();
      }
    }
  }
  return trovata;
}

std::string Elenco_Comandi(const CLI::App& app) {
  std::string elenco;
  for (const auto* sub : app.get_subcommands([](const CLI::App*) { return true; })) {
    elenco += (elenco.empty() ? "" : ", ") + sub->get_name();
  }
  return elenco;
}

// The subcommand the parse was in when it stopped, or the app.
const CLI::App& Comando_In_Corso(const CLI::App& app) {
  const auto* corrente = &app;
  for (;;) {
    const auto sub = corrente->get_subcommands();
    if (sub.empty()) return *corrente;
    corrente = sub.back();
  }
}

std::string Messaggio_Mancante(const CLI::App& app) {
  const CLI::App& comando = Comando_In_Corso(app);
  if (&comando == &app) {
    const auto resto = app.remaining(true);
    if (resto.empty()) return m::Comando_Mancante(Elenco_Comandi(app));
    return m::Comando_Sconosciuto(resto.front(), Elenco_Comandi(app));
  }
  std::string mancanti;
  for (const auto* o : comando.get_options()) {
    if (o->get_required() && o->count() == 0) mancanti += (mancanti.empty() ? "" : " ") + Nome(*o);
  }
  if (!mancanti.empty()) return m::Argomento_Mancante(comando.get_name(), mancanti);
  // A group of which at least one is needed.
  std::string gruppo;
  for (const auto* o : comando.get_options()) {
    if (o->get_expected_max() == 0) continue;  // flags such as --help
    gruppo += (gruppo.empty() ? "" : ", ") + Nome(*o);
  }
  return m::Uno_Degli_Argomenti(comando.get_name(), gruppo);
}

}  // namespace

CLI::Validator Numero_Da_Uno() {
  return {[](std::string& testo) {
            const auto valore = Solo_Cifre(testo) ? Valore(testo, massimo_64) : std::optional<std::uint64_t>{};
            if (!Solo_Cifre(testo) || (valore && *valore == 0)) throw ErroreUso(m::Numero_Da_Uno("-n", testo));
            if (!valore) testo = std::to_string(massimo_64);
            return std::string();
          },
          ""};
}

CLI::Validator Seme_Valido() {
  return {[](std::string& testo) {
            if (!Solo_Cifre(testo) || !Valore(testo, massimo_64)) {
              throw ErroreUso(m::Numero_Tra("--seed", 0, std::to_string(massimo_64), testo));
            }
            return std::string();
          },
          ""};
}

CLI::Validator Lunghezza_Valida(const std::string& opzione) {
  return {[opzione](std::string& testo) {
            const auto valore = Solo_Cifre(testo) ? Valore(testo, lunghezza_massima) : std::nullopt;
            if (!valore || *valore == 0) throw ErroreUso(messaggi::Lunghezza_Non_Valida(opzione, testo));
            return std::string();
          },
          ""};
}

std::string Messaggio_Uso(const CLI::ParseError& errore, const CLI::App& app) {
  if (dynamic_cast<const ErroreUso*>(&errore) != nullptr) return errore.what();
  const std::string_view testo = errore.what();
  const CLI::Option* opzione = Opzione_In_Testa(app, testo);
  if (dynamic_cast<const CLI::RequiredError*>(&errore) != nullptr) return Messaggio_Mancante(app);
  if (dynamic_cast<const CLI::ExtrasError*>(&errore) != nullptr) return m::Argomenti_Inattesi(app.remaining(true));
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&errore) != nullptr && opzione != nullptr) {
    if (opzione->get_expected_max() == 0) return m::Opzione_Senza_Valore(opzione->get_name());
    if (opzione->count() > 1) return m::Opzione_Ripetuta(opzione->get_name());
    return m::Valore_Mancante(opzione->get_name());
  }
  if (dynamic_cast<const CLI::RequiresError*>(&errore) != nullptr ||
      dynamic_cast<const CLI::ExcludesError*>(&errore) != nullptr) {
    std::vector<const CLI::Option*> opzioni;
    Raccogli(app, opzioni);
    for (const auto* o : opzioni) {
      if (o->count() == 0) continue;
      for (const auto* altra : o->get_needs()) {
        if (altra->count() == 0) return m::Opzione_Che_Vuole(Nome(*o), Nome(*altra));
      }
      for (const auto* altra : o->get_excludes()) {
        if (altra->count() > 0) return m::Opzioni_Incompatibili(Nome(*o), Nome(*altra));
      }
    }
  }
  if (dynamic_cast<const CLI::ConversionError*>(&errore) != nullptr) {
    // Only flags are converted by CLI11: "--json=3".
    std::vector<const CLI::Option*> opzioni;
    Raccogli(app, opzioni);
    for (const auto* o : opzioni) {
      if (testo.find(" " + o->get_name() + " ") != std::string_view::npos)
        return m::Opzione_Senza_Valore(o->get_name());
    }
  }
  return m::Riga_Non_Valida(testo);
}

void Aiuto_In_Italiano(CLI::App& app) {
  app.option_defaults()->group("Opzioni");
  auto formato = std::make_shared<CLI::Formatter>();
  formato->label("Usage", "Uso");
  formato->label("OPTIONS", "OPZIONI");
  formato->label("SUBCOMMAND", "COMANDO");
  formato->label("SUBCOMMANDS", "COMANDI");
  formato->label("Options", "Opzioni");
  formato->label("Positionals", "Argomenti");
  formato->label("Subcommands", "Comandi");
  formato->label("REQUIRED", "OBBLIGATORIO");
  formato->label("Needs", "Vuole");
  formato->label("Excludes", "Esclude");
  formato->label("TEXT", "TESTO");
  formato->label("INT", "NUMERO");
  formato->label("UINT", "NUMERO");
  app.formatter(formato);
  app.set_help_flag("-h,--help", "Mostra questo aiuto ed esce");
}

}  // namespace talewick::cli
