#include "shell/platform/settings_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <unistd.h>

namespace tornelis {

QString SettingsFolder(const QString &programDirectory, bool programDirectoryWritable)
{
    if (programDirectoryWritable)
        return programDirectory;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Tornelis"));
}

bool IsWritableFolder(const QString &folder)
{
    return access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

}  // namespace tornelis
