#include "engine/typed_form.h"

namespace tornelis {
namespace {

QString Comparable(const QString &text, bool yoAsE)
{
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\'' || c == u'-' || c == QChar(0x0301))
            continue;
        const QChar lower = c.toLower();
        plain.append(yoAsE && lower == u'ё' ? u'е' : lower);
    }
    return plain;
}

}  // namespace

bool TypedForm::Matches(const QString &form) const
{
    return !word.isEmpty() && Comparable(form, yoAsE) == Comparable(word, yoAsE);
}

}  // namespace tornelis
