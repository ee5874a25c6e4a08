#include "textmode/read_text_file.h"

#include "textmode/text_navigation.h"

#include <QFile>
#include <QFileInfo>

namespace tornelis {

ReadBytes ReadWholeFile(const QString &path)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    QFile file(fullPath);
    if (QFileInfo(fullPath).isDir() || !file.open(QIODevice::ReadOnly)) {
        const QString reason = QFileInfo(fullPath).isDir() ? QStringLiteral("It is a directory") : file.errorString();
        return {{}, QStringLiteral("Cannot open file \"%1\". %2").arg(fullPath, reason)};
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, QStringLiteral("Cannot read file \"%1\". %2").arg(fullPath, file.errorString())};
    return {bytes, {}};
}

ReadText ReadTextFile(const QString &path, TextEncoding encoding)
{
    const ReadBytes read = ReadWholeFile(path);
    if (!read.error.isEmpty())
        return {{}, read.error};
    return {WithLineFeeds(DecodeText(read.bytes, encoding)), {}};
}

}  // namespace tornelis
