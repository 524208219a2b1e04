#pragma once
// Standard output as the command line writes it: a buffer over a file descriptor that keeps
// the errno of a failed write, so that a closed pipe (EPIPE) ends a run quietly and any other
// failure (a full disk, a closed descriptor) is reported.
#include <array>
#include <iosfwd>
#include <streambuf>

namespace talewick::cli {

class UscitaDescrittore final : public std::streambuf {
 public:
  explicit UscitaDescrittore(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }
  // errno of the first failed write; 0 while every write succeeded.
  [[nodiscard]] int Errore() const { return errore_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool Svuota();
  int fd_;
  int errore_ = 0;
  std::array<char, 1 << 16> buffer_{};
};

// The errno behind a failed `out`: its UscitaDescrittore's, or EIO for any other stream.
int Errore_Di_Scrittura(const std::ostream& out);
// "il disco è pieno": the cause of a write error, in Italian.
std::string Causa_Scrittura(int errore);

}  // namespace talewick::cli
