#include "engine/dictionary_error.h"

#include <QDir>
#include <QFileInfo>

namespace tornelis {

DatabaseError DictionaryError(const QString &path, const DatabaseError &error)
{
    const QString file = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const QString text = error.isBusy() ? QStringLiteral("Словарь «%1» занят другой программой")
                                        : QStringLiteral("Словарь «%1» повреждён: его нельзя прочитать");
    return DatabaseError(text.arg(file), error.code());
}

}  // namespace tornelis
