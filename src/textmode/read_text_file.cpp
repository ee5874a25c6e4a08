#include "textmode/read_text_file.h"

#include "encodings/system_reason.h"
#include "textmode/text_navigation.h"

#include <QFile>
#include <QFileInfo>

#include <limits>

namespace tornelis {

FilePrefix ReadFilePrefix(const QString &path, qint64 limit)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    const QFileInfo info(fullPath);
    FilePrefix read;
    if (info.exists() && !info.isFile()) {
        const QString reason = info.isDir() ? IsFolderReason() : IsNoRegularFileReason();
        read.error = QStringLiteral("Cannot open file \"%1\". %2").arg(fullPath, reason);
        return read;
    }
    QFile file(fullPath);
    if (!file.open(QIODevice::ReadOnly)) {
        read.error = QStringLiteral("Cannot open file \"%1\". %2").arg(fullPath, RussianSystemReason(file.errorString()));
        return read;
    }
    constexpr qint64 kChunk = 1 << 20;
    while (read.bytes.size() < limit) {
        const QByteArray chunk = file.read(std::min(kChunk, limit - read.bytes.size()));
        if (chunk.isEmpty())
            break;
        read.bytes += chunk;
    }
    read.whole = file.atEnd();
    if (file.error() != QFileDevice::NoError)
        return {{{}, QStringLiteral("Cannot read file \"%1\". %2").arg(fullPath, RussianSystemReason(file.errorString()))}, true};
    return read;
}

ReadBytes ReadWholeFile(const QString &path)
{
    return ReadFilePrefix(path, std::numeric_limits<qint64>::max());
}

ReadText ReadTextFile(const QString &path, TextEncoding encoding)
{
    const ReadBytes read = ReadWholeFile(path);
    if (!read.error.isEmpty())
        return {{}, read.error};
    return {WithLineFeeds(DecodeText(read.bytes, EncodingForReading(read.bytes, encoding))), {}};
}

}  // namespace tornelis
