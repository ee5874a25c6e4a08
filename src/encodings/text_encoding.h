#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tornelis {

// The six encodings of the open and save dialogs, in their order there.
enum class TextEncoding { Ansi, Ascii, Unicode, BigEndianUnicode, Utf8, Utf7 };

// "ANSI", "ASCII", "Unicode", "Big Endian Unicode", "UTF-8", "UTF-7".
QStringList TextEncodingNames();

// The byte-order mark written before text in this encoding (empty for
// ANSI, ASCII and UTF-7).
QByteArray ByteOrderMark(TextEncoding encoding);

// Bytes decoded in the encoding; a leading byte-order mark of that encoding
// is skipped. Invalid bytes never stop the decoding. ANSI is the code page
// of CurrentAnsiCodePage().
QString DecodeText(const QByteArray &bytes, TextEncoding encoding);

// Text encoded with the encoding's byte-order mark in front. A character the
// encoding cannot hold becomes "?" (ANSI, ASCII).
QByteArray EncodeText(const QString &text, TextEncoding encoding);

// The encoding to read bytes in when the user (or the history's lack of a
// mark) says chosen: ANSI bytes that are valid UTF-8 and not plain ASCII are
// read as UTF-8, since Windows-1251 text practically never is valid UTF-8,
// while most text files without a mark today are UTF-8. Else chosen.
TextEncoding EncodingForReading(const QByteArray &bytes, TextEncoding chosen);

// The encoding announced by a byte-order mark at the start of bytes (UTF-8,
// UTF-16 little- or big-endian), else ANSI.
TextEncoding DetectByteOrderMark(const QByteArray &bytes);

}  // namespace tornelis
