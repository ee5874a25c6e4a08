#include "engine/nth_field.h"

namespace tornelis {

QString NthField(const QString &text, int n, const QString &separator)
{
    if (separator.isEmpty())
        return n == 0 ? text : QString();
    qsizetype start = 0;
    for (int field = 0; field < n; ++field) {
        const qsizetype next = text.indexOf(separator, start);
        if (next < 0)
            return {};
        start = next + separator.size();
    }
    if (start >= text.size())
        return {};
    const qsizetype end = text.indexOf(separator, start);
    return text.mid(start, end < 0 ? -1 : end - start);
}

}  // namespace tornelis
