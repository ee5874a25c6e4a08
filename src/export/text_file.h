#pragma once

#include "encodings/text_encoding.h"

#include <QString>

namespace tornelis {

// A file chosen in an open or save dialog, with the encoding chosen there.
struct ChosenTextFile {
    QString path;
    TextEncoding encoding = TextEncoding::Ansi;
};

// Writes text to the file in its encoding through a temporary file beside
// it, so a failed write leaves the file that was there untouched. Returns
// the error to report ("Cannot create file "<path>". <reason>", or "Cannot
// write file ..." when writing failed) or an empty text on success.
QString WriteTextFile(const ChosenTextFile &file, const QString &text);

}  // namespace tornelis
