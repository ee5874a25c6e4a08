#pragma once

#include "encodings/text_encoding.h"

#include <QString>

namespace tornelis {

struct ReadText {
    QString text;   // with LF line breaks, as the text box holds it
    QString error;  // "Cannot open file "<path>". <reason>", or empty
};

struct ReadBytes {
    QByteArray bytes;
    QString error;  // "Cannot open file "<path>". <reason>" (or "Cannot read"), or empty
};

// The whole content of a file, or the error to report with its full path.
ReadBytes ReadWholeFile(const QString &path);

// Reads a whole file in the chosen encoding (its byte-order mark skipped).
ReadText ReadTextFile(const QString &path, TextEncoding encoding);

}  // namespace tornelis
