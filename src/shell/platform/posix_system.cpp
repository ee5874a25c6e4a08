#include "shell/platform/system.h"

#include "shell/platform/posix_single_instance.h"

#include <QDesktopServices>
#include <QUrl>

namespace tornelis {

std::unique_ptr<SingleInstance> CreateSingleInstance()
{
    return std::make_unique<PosixSingleInstance>();
}

QStringList CommandLineArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void ShellOpen(const QString &addressOrFile, bool isFile)
{
    // A word stands in an address unencoded; QUrl encodes it for the handler.
    QDesktopServices::openUrl(isFile ? QUrl::fromLocalFile(addressOrFile) : QUrl(addressOrFile, QUrl::TolerantMode));
}

void UseSystemAnsiCodePage()
{
    // No ANSI code page here: Windows-1251 stays.
}

}  // namespace tornelis
