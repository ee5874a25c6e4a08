#include "export/text_file.h"

#include "export/save_file.h"
#include "render/stress.h"

#include <QFileInfo>

namespace tornelis {

QString WriteTextFile(const ChosenTextFile &file, const QString &text)
{
    const QString path = QFileInfo(file.path).absoluteFilePath();
    // ANSI and ASCII have no combining accent: a stress mark is saved as the
    // apostrophe rather than as "?".
    const bool holdsAccents = file.encoding != TextEncoding::Ansi && file.encoding != TextEncoding::Ascii;
    const QByteArray bytes = EncodeText(holdsAccents ? text : WithApostropheMarks(text), file.encoding);
    const SaveFailure failure = SaveWholeFile(path, bytes);
    if (!failure.failed())
        return {};
    const QString message = failure.whileWriting ? QStringLiteral("Cannot write file \"%1\". %2")
                                                 : QStringLiteral("Cannot create file \"%1\". %2");
    return message.arg(path, failure.reason);
}

}  // namespace tornelis
