#pragma once

#include <QChar>

namespace tornelis {

// True for the 31 characters that end a chunk of word characters: white space,
// ASCII punctuation that cannot occur inside a word form, the guillemets,
// typographic quotes, the ellipsis and the em dash. The hyphen-minus, digits
// and all letters are word characters.
bool IsSeparator(QChar c);

}  // namespace tornelis
