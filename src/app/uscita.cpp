#include "app/uscita.hpp"

#include <unistd.h>

#include <cerrno>
#include <ostream>
#include <string>
#include <string_view>

namespace talewick::cli {
namespace {

struct CausaErrno {
  int errore;
  std::string_view causa;
};

constexpr CausaErrno cause[] = {
    {EBADF, "l'uscita standard è chiusa"},
    {ENOSPC, "il disco è pieno"},
    {EDQUOT, "lo spazio concesso sul disco è finito"},
    {EFBIG, "il file di destinazione ha raggiunto la dimensione massima"},
    {EIO, "il dispositivo ha dato un errore di ingresso/uscita"},
    {EPIPE, "chi leggeva i risultati ha chiuso il collegamento"},
};

}  // namespace

bool UscitaDescrittore::Svuota() {
  const char* dati = pbase();
  auto resto = static_cast<std::size_t>(pptr() - pbase());
  while (resto > 0 && errore_ == 0) {
    const ssize_t n = ::write(fd_, dati, resto);
    if (n < 0) {
      if (errno == EINTR) continue;
      errore_ = errno;
      break;
    }
    dati += n;
    resto -= static_cast<std::size_t>(n);
  }
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return errore_ == 0;
}

UscitaDescrittore::int_type UscitaDescrittore::overflow(int_type c) {
  if (!Svuota()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int UscitaDescrittore::sync() { return Svuota() ? 0 : -1; }

int Errore_Di_Scrittura(const std::ostream& out) {
  const auto* descrittore = dynamic_cast<const UscitaDescrittore*>(out.rdbuf());
  return descrittore != nullptr && descrittore->Errore() != 0 ? descrittore->Errore() : EIO;
}

std::string Causa_Scrittura(int errore) {
  for (const auto& riga : cause) {
    if (riga.errore == errore) return std::string(riga.causa);
  }
  return "errore di sistema " + std::to_string(errore);
}

}  // namespace talewick::cli
