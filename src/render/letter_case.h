#pragma once

#include <QString>

namespace tornelis {

// The modes of the menu "Регистр".
enum class LetterCase { Upper, Lower, FirstCapital };

// text in the given letter case. FirstCapital capitalises the first letter,
// also when a leading stress mark stands before it.
QString ApplyLetterCase(const QString &text, LetterCase mode);

}  // namespace tornelis
