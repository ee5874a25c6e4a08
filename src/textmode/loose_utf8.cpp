#include "textmode/loose_utf8.h"

namespace tornelis {
namespace {

void AppendCodePoint(QByteArray &bytes, char32_t point)
{
    if (point < 0x80) {
        bytes += char(point);
    } else if (point < 0x800) {
        bytes += char(0xC0 | (point >> 6));
        bytes += char(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        bytes += char(0xE0 | (point >> 12));
        bytes += char(0x80 | ((point >> 6) & 0x3F));
        bytes += char(0x80 | (point & 0x3F));
    } else {
        bytes += char(0xF0 | (point >> 18));
        bytes += char(0x80 | ((point >> 12) & 0x3F));
        bytes += char(0x80 | ((point >> 6) & 0x3F));
        bytes += char(0x80 | (point & 0x3F));
    }
}

// The length of the sequence a lead byte starts, and its first bits; 0 for
// a byte that starts none.
int SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead < 0xE0)
        return 2;
    if (lead >= 0xE0 && lead < 0xF0)
        return 3;
    if (lead >= 0xF0 && lead < 0xF5)
        return 4;
    return 0;
}

}  // namespace

QByteArray ToLooseUtf8(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            AppendCodePoint(bytes, QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            ++i;
        } else {
            AppendCodePoint(bytes, unit);
        }
    }
    return bytes;
}

QString FromLooseUtf8(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = SequenceLength(data[i]);
        bool whole = length > 0 && i + length <= bytes.size();
        char32_t point = length == 1 ? data[i] : length > 0 ? data[i] & (0x7F >> length) : 0;
        for (int k = 1; whole && k < length; ++k) {
            whole = (data[i + k] & 0xC0) == 0x80;
            point = (point << 6) | (data[i + k] & 0x3F);
        }
        // Overlong forms and points past Unicode are no sequence.
        static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        whole = whole && point >= kLeast[length] && point <= 0x10FFFF;
        if (!whole) {
            text += QChar(QChar::ReplacementCharacter);
            ++i;
            continue;
        }
        if (point >= 0x10000)
            text += QChar::fromUcs4(point);
        else
            text += QChar(char16_t(point));
        i += length;
    }
    return text;
}

}  // namespace tornelis
