#include "render/letter_case.h"

namespace tornelis {

QString ApplyLetterCase(const QString &text, LetterCase mode)
{
    if (text.isEmpty())
        return text;
    switch (mode) {
    case LetterCase::Upper:
        return text.toUpper();
    case LetterCase::Lower:
        return text.toLower();
    case LetterCase::FirstCapital: {
        const QString lower = text.toLower();
        const qsizetype capitals = lower.startsWith(QLatin1Char('\'')) ? 2 : 1;
        return lower.left(capitals).toUpper() + lower.mid(capitals);
    }
    }
    return text;
}

}  // namespace tornelis
