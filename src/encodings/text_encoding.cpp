#include "encodings/text_encoding.h"

#include "encodings/utf7.h"
#include "encodings/ansi_code_page.h"

#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>

namespace tornelis {
namespace {

QString DecodeUtf16(QByteArrayView bytes, bool bigEndian)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(bigEndian ? qFromBigEndian<quint16>(data + 2 * i) : qFromLittleEndian<quint16>(data + 2 * i));
    if (bytes.size() % 2 != 0)
        text.append(QChar::ReplacementCharacter);  // a half code unit at the end
    return text;
}

QByteArray EncodeUtf16(QStringView text, bool bigEndian)
{
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    auto *data = reinterpret_cast<uchar *>(bytes.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (bigEndian)
            qToBigEndian<quint16>(text[i].unicode(), data + 2 * i);
        else
            qToLittleEndian<quint16>(text[i].unicode(), data + 2 * i);
    }
    return bytes;
}

QByteArray EncodeAscii(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;  // one character, one "?"
        bytes.append(c.unicode() < 0x80 ? char(c.unicode()) : '?');
    }
    return bytes;
}

QString DecodeAscii(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = byte < 0x80 ? QChar(byte) : QLatin1Char('?');
    }
    return text;
}

}  // namespace

QStringList TextEncodingNames()
{
    return {QStringLiteral("ANSI"), QStringLiteral("ASCII"), QStringLiteral("Unicode"),
            QStringLiteral("Big Endian Unicode"), QStringLiteral("UTF-8"), QStringLiteral("UTF-7")};
}

QByteArray ByteOrderMark(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Unicode:
        return QByteArray("\xFF\xFE", 2);
    case TextEncoding::BigEndianUnicode:
        return QByteArray("\xFE\xFF", 2);
    case TextEncoding::Utf8:
        return QByteArray("\xEF\xBB\xBF", 3);
    default:
        return {};
    }
}

QString DecodeText(const QByteArray &bytes, TextEncoding encoding)
{
    const QByteArray mark = ByteOrderMark(encoding);
    const QByteArrayView body =
        !mark.isEmpty() && bytes.startsWith(mark) ? QByteArrayView(bytes).sliced(mark.size()) : QByteArrayView(bytes);
    switch (encoding) {
    case TextEncoding::Ansi:
        return CurrentAnsiCodePage().decode(body);
    case TextEncoding::Ascii:
        return DecodeAscii(body);
    case TextEncoding::Unicode:
        return DecodeUtf16(body, false);
    case TextEncoding::BigEndianUnicode:
        return DecodeUtf16(body, true);
    case TextEncoding::Utf8:
        // The mark is gone already: a U+FEFF after it is the text's own.
        return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)(body);
    case TextEncoding::Utf7:
        return DecodeUtf7(body);
    }
    return {};
}

QByteArray EncodeText(const QString &text, TextEncoding encoding)
{
    QByteArray bytes = ByteOrderMark(encoding);
    switch (encoding) {
    case TextEncoding::Ansi:
        return bytes + CurrentAnsiCodePage().encode(text);
    case TextEncoding::Ascii:
        return bytes + EncodeAscii(text);
    case TextEncoding::Unicode:
        return bytes + EncodeUtf16(text, false);
    case TextEncoding::BigEndianUnicode:
        return bytes + EncodeUtf16(text, true);
    case TextEncoding::Utf8:
        return bytes + text.toUtf8();
    case TextEncoding::Utf7:
        return bytes + EncodeUtf7(text);
    }
    return bytes;
}

TextEncoding EncodingForReading(const QByteArray &bytes, TextEncoding chosen)
{
    if (chosen != TextEncoding::Ansi)
        return chosen;
    const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(), [](char byte) { return uchar(byte) < 0x80; });
    if (ascii)
        return chosen;
    // Decoding is what tells: the decoder notes any byte that is no UTF-8.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    [[maybe_unused]] const QString decoded = utf8(bytes);
    return utf8.hasError() ? chosen : TextEncoding::Utf8;
}

TextEncoding DetectByteOrderMark(const QByteArray &bytes)
{
    for (TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Unicode, TextEncoding::BigEndianUnicode}) {
        if (bytes.startsWith(ByteOrderMark(encoding)))
            return encoding;
    }
    return TextEncoding::Ansi;
}

}  // namespace tornelis
