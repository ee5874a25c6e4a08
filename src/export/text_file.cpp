#include "export/text_file.h"

#include "render/stress.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tornelis {

QString WriteTextFile(const ChosenTextFile &file, const QString &text)
{
    const QString path = QFileInfo(file.path).absoluteFilePath();
    QSaveFile output(path);
    if (!output.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot create file \"%1\". %2").arg(path, output.errorString());
    // ANSI and ASCII have no combining accent: a stress mark is saved as the
    // apostrophe rather than as "?".
    const bool holdsAccents = file.encoding != TextEncoding::Ansi && file.encoding != TextEncoding::Ascii;
    const QByteArray bytes = EncodeText(holdsAccents ? text : WithApostropheMarks(text), file.encoding);
    if (output.write(bytes) != bytes.size() || !output.commit())
        return QStringLiteral("Cannot write file \"%1\". %2").arg(path, output.errorString());
    return {};
}

}  // namespace tornelis
