#include "shell/history_file.h"

#include "export/save_file.h"
#include "textmode/read_text_file.h"
#include "textmode/text_navigation.h"

#include <QFileInfo>

namespace tornelis {
namespace {

constexpr qsizetype kWrittenEntries = 100;

// A real list holds a few hundred words; a history file of gigabytes must
// neither take minutes nor exhaust memory at the start. What lies beyond is
// read as if the file ended there (a line cut at the limit is dropped).
constexpr qint64 kReadBytes = 16 * 1024 * 1024;
constexpr qsizetype kReadEntries = 10000;

// Do the bytes come back from their text, every one of them?
bool IsFaithful(const QByteArray &bytes, const QString &text, const History &history)
{
    QByteArray again = EncodeText(text, history.encoding);
    if (!history.byteOrderMark)
        again.remove(0, ByteOrderMark(history.encoding).size());
    return again == bytes;
}

}  // namespace

HistoryRead ReadHistory(const QString &path)
{
    HistoryRead read;
    const QFileInfo file(path);
    if (!file.isFile()) {
        read.history.rewritable = !file.exists();  // a folder of that name is no history either
        return read;
    }
    const FilePrefix prefix = ReadFilePrefix(path, kReadBytes);
    read.error = prefix.error;
    read.history = ParseHistory(prefix.bytes, prefix.whole);
    return read;
}

History ParseHistory(const QByteArray &bytes, bool whole)
{
    History history;
    history.encoding = DetectByteOrderMark(bytes);
    if (history.encoding == TextEncoding::Ansi) {
        // A cut file is judged up to its last line feed, never inside a character.
        const QByteArray judged = whole ? bytes : bytes.left(bytes.lastIndexOf('\n') + 1);
        history.encoding = EncodingForReading(judged, TextEncoding::Ansi);
        history.byteOrderMark = history.encoding != TextEncoding::Utf8;
    }
    const QString decoded = DecodeText(bytes, history.encoding);
    history.rewritable = whole && IsFaithful(bytes, decoded, history);
    QString text = WithLineFeeds(decoded);
    if (!whole)
        text.truncate(text.lastIndexOf(QLatin1Char('\n')) + 1);
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        const qsizetype lineEnd = end < 0 ? text.size() : end;
        if (lineEnd > start) {
            if (history.entries.size() == kReadEntries) {
                history.rewritable = false;
                break;
            }
            history.entries.append(text.sliced(start, lineEnd - start));
        }
        start = lineEnd + 1;
    }
    return history;
}

QString WriteHistory(const QString &path, const History &history)
{
    if (!history.rewritable)
        return {};
    QString text;
    for (const QString &entry : history.entries.mid(0, kWrittenEntries)) {
        if (!entry.isEmpty())
            text += entry + QLatin1String("\r\n");
    }
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    QByteArray bytes = EncodeText(text, history.encoding);
    if (!history.byteOrderMark)
        bytes.remove(0, ByteOrderMark(history.encoding).size());
    // A word the ANSI code page lacks (Cyrillic on a Western Windows) would
    // come back as "?": such a history goes in UTF-8 with its mark instead.
    if (history.encoding == TextEncoding::Ansi && DecodeText(bytes, TextEncoding::Ansi) != text)
        bytes = EncodeText(text, TextEncoding::Utf8);
    const SaveFailure failure = SaveWholeFile(fullPath, bytes);
    if (failure.failed())
        return QStringLiteral("Cannot create file \"%1\". %2").arg(fullPath, failure.reason);
    return {};
}

}  // namespace tornelis
