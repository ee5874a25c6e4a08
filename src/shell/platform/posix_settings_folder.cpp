#include "shell/platform/settings_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace tornelis {

QString SettingsFolder(const QString &programDirectory, bool programDirectoryOwn)
{
    if (programDirectoryOwn)
        return programDirectory;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Tornelis"));
}

bool IsOwnFolder(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    struct stat status {};
    return stat(name.constData(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == geteuid() &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) == 0 && access(name.constData(), W_OK | X_OK) == 0;
}

}  // namespace tornelis
