#include "shell/platform/settings_folder.h"

#include <QDir>
#include <QTemporaryFile>

#include <windows.h>
#include <shlobj.h>

namespace tornelis {

QString SettingsFolder(const QString &programDirectory, bool programDirectoryWritable)
{
    if (programDirectoryWritable)
        return programDirectory;
    QString roaming;
    wchar_t *path = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &path) == S_OK)
        roaming = QDir::fromNativeSeparators(QString::fromWCharArray(path));
    CoTaskMemFree(path);
    return QDir(roaming).filePath(QStringLiteral("Tornelis"));
}

bool IsWritableFolder(const QString &folder)
{
    // The folder's access list decides, and only a try tells it (a copy
    // under Program Files may be read but not written by its user).
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("Tornelis-XXXXXX.tmp")));
    return probe.open();
}

}  // namespace tornelis
