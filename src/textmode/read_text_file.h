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

// The first limit bytes of the file at path, or the error to report with its
// full path. Only a regular file (links followed) is read: a FIFO would block
// and a device might never end. whole is false when the file holds more.
struct FilePrefix : ReadBytes {
    bool whole = true;
};
FilePrefix ReadFilePrefix(const QString &path, qint64 limit);

// The whole content of a regular file, or the error to report with its full path.
ReadBytes ReadWholeFile(const QString &path);

// Reads a whole file in the chosen encoding (its byte-order mark skipped);
// ANSI that is valid UTF-8 is read as UTF-8 (EncodingForReading).
ReadText ReadTextFile(const QString &path, TextEncoding encoding);

}  // namespace tornelis
