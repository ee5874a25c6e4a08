#include "shell/platform/profile_file.h"

#include "textmode/read_text_file.h"

#include <QList>

namespace tornelis {
namespace {

// No real profile file comes near this.
constexpr qint64 kLongestProfile = 1024 * 1024;

// The section a line opens ("[VIEW]" -> "VIEW"), if it opens one.
std::optional<QString> SectionOf(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']')))
        return trimmed.mid(1, trimmed.size() - 2).trimmed();
    return std::nullopt;
}

bool IsKeyLine(const QString &line, const QString &key)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals > 0 && line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0 &&
           !line.trimmed().startsWith(QLatin1Char(';'));
}

QList<QByteArray> SplitKeepingEnds(const QByteArray &content)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < content.size()) {
        const qsizetype end = content.indexOf('\n', start);
        const qsizetype next = end < 0 ? content.size() : end + 1;
        lines.append(content.mid(start, next - start));
        start = next;
    }
    return lines;
}

QByteArray LineEnding(const QByteArray &content)
{
    return content.contains("\r\n") || !content.contains('\n') ? QByteArray("\r\n") : QByteArray("\n");
}

}  // namespace

std::optional<QByteArray> ReadProfileContent(const QString &path)
{
    const FilePrefix read = ReadFilePrefix(path, kLongestProfile);
    if (!read.error.isEmpty() || !read.whole)
        return std::nullopt;
    return read.bytes;
}

std::optional<QString> ReadProfileString(const QByteArray &content, const QString &section, const QString &key)
{
    bool inSection = false;
    for (const QByteArray &raw : SplitKeepingEnds(content)) {
        const QString line = QString::fromUtf8(raw);
        if (const std::optional<QString> opened = SectionOf(line)) {
            inSection = opened->compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (inSection && IsKeyLine(line, key))
            return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    }
    return std::nullopt;
}

QByteArray WriteProfileString(const QByteArray &content, const QString &section, const QString &key,
                              const QString &value)
{
    const QByteArray ending = LineEnding(content);
    const QByteArray entry = (key + QLatin1Char('=') + value).toUtf8();
    QList<QByteArray> lines = SplitKeepingEnds(content);
    qsizetype sectionEnd = -1;  // where the section's last key line ends
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines.at(i));
        if (const std::optional<QString> opened = SectionOf(line)) {
            inSection = opened->compare(section, Qt::CaseInsensitive) == 0;
            if (inSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (IsKeyLine(line, key)) {
            const QByteArray &old = lines.at(i);
            const QByteArray keptEnding = old.endsWith("\r\n") ? "\r\n" : old.endsWith('\n') ? "\n" : "";
            lines[i] = entry + keptEnding;
            return lines.join();
        }
        if (!line.trimmed().isEmpty())
            sectionEnd = i + 1;
    }
    if (sectionEnd < 0) {
        QByteArray result = content;
        if (!result.isEmpty() && !result.endsWith('\n'))
            result += ending;
        return result + '[' + section.toUtf8() + ']' + ending + entry + ending;
    }
    if (!lines.at(sectionEnd - 1).endsWith('\n'))
        lines[sectionEnd - 1] += ending;
    lines.insert(sectionEnd, entry + ending);
    return lines.join();
}

std::optional<qint64> ParseProfileNumber(const QString &value)
{
    const QString trimmed = value.trimmed();
    bool ok = false;
    qint64 number = 0;
    if (trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        number = trimmed.mid(2).toLongLong(&ok, 16);
    else
        number = trimmed.toLongLong(&ok, 10);
    return ok ? std::optional<qint64>(number) : std::nullopt;
}

}  // namespace tornelis
