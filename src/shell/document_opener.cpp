#include "shell/document_opener.h"

#include "shell/platform/system.h"

namespace tornelis {

void DesktopOpener::OpenAddress(const QString &address)
{
    ShellOpen(address, false);
}

void DesktopOpener::OpenFile(const QString &path)
{
    ShellOpen(path, true);
}

}  // namespace tornelis
