#include "shell/document_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tornelis {

void DesktopOpener::OpenAddress(const QString &address)
{
    // The word stands in the address unencoded; QUrl encodes it for the handler.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void DesktopOpener::OpenFile(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace tornelis
