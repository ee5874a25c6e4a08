#include "support/user_directories.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tornelis::test {

QString IsolateUserDirectories()
{
    static QTemporaryDir root;
    const QDir folder(root.path());
    folder.mkpath(QStringLiteral("runtime"));
    folder.mkpath(QStringLiteral("config"));
    folder.mkpath(QStringLiteral("cache"));
    QFile::setPermissions(folder.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder.filePath(QStringLiteral("runtime"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath(QStringLiteral("config"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(folder.filePath(QStringLiteral("cache"))));
    return root.path();
}

}  // namespace tornelis::test
