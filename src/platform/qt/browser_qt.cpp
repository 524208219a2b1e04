#include "platform/qt/browser_qt.hpp"

#include <QDesktopServices>
#include <QUrl>

namespace talewick::qt {

int NavigatoreQt::GoURL(std::string_view indirizzo_url) {
  const QUrl url(QString::fromUtf8(indirizzo_url.data(), static_cast<qsizetype>(indirizzo_url.size())),
                 QUrl::StrictMode);
  if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) return 0;
  return QDesktopServices::openUrl(url) ? 1 : 0;
}

}  // namespace talewick::qt
