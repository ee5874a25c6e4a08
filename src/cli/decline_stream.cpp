#include "cli/decline_stream.h"

#include <QJsonDocument>

namespace tornelis {
namespace {

// A word's object as an element of the indented array: one level deeper,
// without the document's last line feed. JSON strings hold no raw line
// feed, so every line of the text is a line of the layout.
QByteArray ArrayElement(const QJsonObject &object)
{
    QByteArray element;
    for (const QByteArray &line : QJsonDocument(object).toJson(QJsonDocument::Indented).split('\n')) {
        if (line.isEmpty())
            continue;
        if (!element.isEmpty())
            element += '\n';
        element += "    " + line;
    }
    return element;
}

}  // namespace

DeclineStream::DeclineStream(FILE *stream, bool json)
    : stream_(stream)
    , json_(json)
{
}

bool DeclineStream::Write(const DeclinedWord &declined)
{
    if (json_) {
        const bool first = !anyWritten_;
        anyWritten_ = true;
        return Put((first ? "[\n" : ",\n") + ArrayElement(DeclinedWordJson(declined)));
    }
    if (declined.lemmas.isEmpty())
        return true;
    const bool first = !anyWritten_;
    anyWritten_ = true;
    return Put((first ? QString() : QStringLiteral("\n")).toUtf8() + DeclinedWordText(declined).toUtf8());
}

bool DeclineStream::Finish()
{
    if (!json_)
        return true;
    return Put(anyWritten_ ? "\n]\n" : "[\n]\n");
}

bool DeclineStream::Put(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream_);
    return !std::ferror(stream_);
}

}  // namespace tornelis
