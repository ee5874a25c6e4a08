#pragma once

#include "encodings/text_encoding.h"

#include <QString>
#include <QStringList>

namespace tornelis {

// The word history of the word box's drop-down list.
struct History {
    QStringList entries;                          // the non-empty lines, in file order
    TextEncoding encoding = TextEncoding::Ansi;   // written back the way it was read
    bool byteOrderMark = true;                    // false for UTF-8 read without its mark
    // False when the file was read only in part (too long, too many lines,
    // no regular file) or its bytes do not all decode (invalid UTF-8, an odd
    // byte of UTF-16): what would be written back is not what was read, so
    // the file is left as it is.
    bool rewritable = true;
};

struct HistoryRead {
    History history;
    QString error;  // "Cannot open file "<path>". <reason>", or empty
};

// Reads the history file: a byte-order mark selects UTF-8 or UTF-16, else
// Windows-1251, or UTF-8 without a mark when the bytes are valid UTF-8 and
// not plain ASCII; lines end at CR LF, CR or LF. A missing file (or a folder of
// that name, or anything else that is no regular file) is an empty history.
// At most the first 10,000 non-empty lines of the first 16 MiB are read.
HistoryRead ReadHistory(const QString &path);

// The history held by the bytes of a history file (its first 10,000
// entries); whole is false for the start of a longer file, whose last line
// may be cut and is dropped.
History ParseHistory(const QByteArray &bytes, bool whole = true);

// Unless the history is not rewritable (it is then left as it is), writes
// the first 100 non-empty entries, each followed by CR LF, in the
// history's encoding with its mark (none where it was read without one), or
// in UTF-8 with its mark where the ANSI code page cannot hold every entry,
// through a temporary file so that a failed write keeps the old file.
// Returns the error to report, or an empty text.
QString WriteHistory(const QString &path, const History &history);

}  // namespace tornelis
