#pragma once

#include <QString>

namespace tornelis {

// Field n (from 0) of text cut at every occurrence of separator; the empty
// text when text has fewer than n + 1 fields.
QString NthField(const QString &text, int n, const QString &separator);

}  // namespace tornelis
