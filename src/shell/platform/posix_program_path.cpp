#include "shell/platform/program_path.h"

#include "shell/platform/profile_file.h"

#include <QDir>
#include <QStandardPaths>

namespace tornelis {
namespace {

const QString kExecutableName = QStringLiteral("tornelis");

}  // namespace

QString ProgramPathFile()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("Quillon Software/Tornelis.conf"));
}

bool PublishProgramPath(const QString &programDirectory)
{
    // Nothing reads this file: a folder or file that cannot be written costs
    // the start nothing.
    const QString file = ProgramPathFile();
    if (QDir().mkpath(QFileInfo(file).path())) {
        WriteProfileFile(file, QStringLiteral("Tornelis"), QStringLiteral("Path"),
                         QDir(programDirectory).filePath(kExecutableName));
    }
    return true;
}

}  // namespace tornelis
