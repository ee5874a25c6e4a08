#include "encodings/utf7.h"

namespace tornelis {
namespace {

const char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Characters written as themselves: RFC 2152's set D and white space.
bool IsDirect(char16_t c)
{
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
        return true;
    switch (c) {
    case u'\'': case u'(': case u')': case u',': case u'-': case u'.': case u'/': case u':': case u'?':
    case u' ': case u'\t': case u'\r': case u'\n':
        return true;
    default:
        return false;
    }
}

int Base64Value(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

}  // namespace

QByteArray EncodeUtf7(QStringView text)
{
    QByteArray bytes;
    quint32 bits = 0;
    int bitCount = 0;
    bool inBase64 = false;
    const auto closeRun = [&] {
        if (bitCount > 0)
            bytes.append(kBase64[(bits << (6 - bitCount)) & 0x3F]);
        bytes.append('-');
        bits = 0;
        bitCount = 0;
        inBase64 = false;
    };
    for (QChar character : text) {
        const char16_t c = character.unicode();
        if (IsDirect(c) || c == u'+') {
            if (inBase64)
                closeRun();
            if (c == u'+')
                bytes.append("+-");
            else
                bytes.append(char(c));
            continue;
        }
        if (!inBase64) {
            bytes.append('+');
            inBase64 = true;
        }
        bits = (bits << 16) | c;
        bitCount += 16;
        while (bitCount >= 6) {
            bitCount -= 6;
            bytes.append(kBase64[(bits >> bitCount) & 0x3F]);
        }
        bits &= (1u << bitCount) - 1;
    }
    if (inBase64)
        closeRun();
    return bytes;
}

QString DecodeUtf7(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i++];
        if (c != '+') {
            text.append(static_cast<unsigned char>(c) < 0x80 ? QChar(c) : QChar::ReplacementCharacter);
            continue;
        }
        if (i < bytes.size() && bytes[i] == '-') {
            text.append(QLatin1Char('+'));
            ++i;
            continue;
        }
        quint32 bits = 0;
        int bitCount = 0;
        for (; i < bytes.size() && Base64Value(bytes[i]) >= 0; ++i) {
            bits = (bits << 6) | quint32(Base64Value(bytes[i]));
            bitCount += 6;
            if (bitCount >= 16) {
                bitCount -= 16;
                text.append(QChar(char16_t((bits >> bitCount) & 0xFFFF)));
                bits &= (1u << bitCount) - 1;
            }
        }
        if (i < bytes.size() && bytes[i] == '-')
            ++i;  // the run's terminator is absorbed
    }
    return text;
}

}  // namespace tornelis
