#include "shell/history_file.h"

#include "textmode/read_text_file.h"
#include "textmode/text_navigation.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tornelis {
namespace {

constexpr qsizetype kWrittenEntries = 100;

}  // namespace

HistoryRead ReadHistory(const QString &path)
{
    HistoryRead read;
    if (!QFileInfo(path).isFile())
        return read;  // a folder of that name is no history either
    const ReadBytes file = ReadWholeFile(path);
    read.error = file.error;
    read.history = ParseHistory(file.bytes);
    return read;
}

History ParseHistory(const QByteArray &bytes)
{
    History history;
    history.encoding = DetectByteOrderMark(bytes);
    for (const QString &line : WithLineFeeds(DecodeText(bytes, history.encoding)).split(QLatin1Char('\n'))) {
        if (!line.isEmpty())
            history.entries.append(line);
    }
    return history;
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
