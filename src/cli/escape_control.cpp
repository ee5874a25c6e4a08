#include "cli/escape_control.h"

namespace tornelis {

QString EscapeControlCharacters(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar character : text) {
        const char16_t unit = character.unicode();
        if (unit < 0x20 || (unit >= 0x7F && unit <= 0x9F))
            escaped += QStringLiteral("\\x") + QString::number(unit, 16).toUpper().rightJustified(2, QLatin1Char('0'));
        else
            escaped += character;
    }
    return escaped;
}

}  // namespace tornelis
