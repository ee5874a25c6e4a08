#include "shell/history_file.h"

#include "textmode/text_navigation.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tornelis {
namespace {

constexpr qsizetype kWrittenEntries = 100;

}  // namespace

HistoryRead ReadHistory(const QString &path)
{
    HistoryRead read;
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    if (!QFileInfo::exists(fullPath))
        return read;
    QFile file(fullPath);
    if (QFileInfo(fullPath).isDir() || !file.open(QIODevice::ReadOnly)) {
        const QString reason = QFileInfo(fullPath).isDir() ? QStringLiteral("It is a directory") : file.errorString();
        read.error = QStringLiteral("Cannot open file \"%1\". %2").arg(fullPath, reason);
        return read;
    }
    const QByteArray bytes = file.readAll();
    read.history.encoding = DetectByteOrderMark(bytes);
    for (const QString &line : WithLineFeeds(DecodeText(bytes, read.history.encoding)).split(QLatin1Char('\n'))) {
        if (!line.isEmpty())
            read.history.entries.append(line);
    }
    return read;
}

QString WriteHistory(const QString &path, const History &history)
{
    QString text;
    for (const QString &entry : history.entries.mid(0, kWrittenEntries)) {
        if (!entry.isEmpty())
            text += entry + QLatin1String("\r\n");
    }
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    const QByteArray bytes = EncodeText(text, history.encoding);
    QSaveFile file(fullPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Cannot create file \"%1\". %2").arg(fullPath, file.errorString());
    return {};
}

}  // namespace tornelis
