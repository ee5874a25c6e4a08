#pragma once

#include <QString>

namespace tornelis {

// text with every control character (U+0000-U+001F, U+007F-U+009F) written
// as \xNN, so that a word or a file name shown on a terminal cannot move its
// cursor, change its colours or its title.
QString EscapeControlCharacters(const QString &text);

}  // namespace tornelis
