// The six encodings of the file dialogs: any bytes decode, and a text that
// an encoding can hold comes back from it unchanged.
#include "encodings/text_encoding.h"
#include "fuzz_input.h"

#include <cstdio>
#include <cstdlib>

using namespace tornelis;

namespace {

constexpr TextEncoding kEncodings[] = {TextEncoding::Ansi,    TextEncoding::Ascii,
                                       TextEncoding::Unicode, TextEncoding::BigEndianUnicode,
                                       TextEncoding::Utf8,    TextEncoding::Utf7};

// A lone surrogate is no character: no encoding but UTF-16 can hold it.
QString WellFormed(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pairStart = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (pairStart)
            ++i;
        else if (text.at(i).isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

// What the encoding keeps of text: "?" for each character it cannot hold
// (a surrogate pair being one character).
QString Held(const QString &text, TextEncoding encoding)
{
    if (encoding != TextEncoding::Ansi && encoding != TextEncoding::Ascii)
        return text;
    QString held;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size();
        const QString character = text.mid(i, pair ? 2 : 1);
        held += DecodeText(EncodeText(character, encoding), encoding) == character ? character : QStringLiteral("?");
        i += pair ? 1 : 0;
    }
    return held;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const TextEncoding encoding = kEncodings[input.TakeByte() % 6];
    const QByteArray bytes = input.Rest();
    DecodeText(bytes, encoding);
    DetectByteOrderMark(bytes);

    const QString text = WellFormed(input.RestAsUtf16());
    const QByteArray encoded = EncodeText(text, encoding);
    TORNELIS_FUZZ_CHECK(encoded.startsWith(ByteOrderMark(encoding)));
    TORNELIS_FUZZ_CHECK(DecodeText(encoded, encoding) == Held(text, encoding));
    return 0;
}
