#pragma once

#include "encodings/text_encoding.h"

#include <QString>

namespace tornelis {

struct ReadText {
    QString text;   // with LF line breaks, as the text box holds it
    QString error;  // "Cannot open file "<path>". <reason>", or empty
};

// Reads a whole file in the chosen encoding (its byte-order mark skipped).
ReadText ReadTextFile(const QString &path, TextEncoding encoding);

}  // namespace tornelis
