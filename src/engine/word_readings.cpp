#include "engine/word_readings.h"

#include <algorithm>

namespace tornelis {
namespace {

bool IsLatinLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsCyrillicLetter(QChar c)
{
    return (c >= u'А' && c <= u'я') || c == u'ё' || c == u'Ё';
}

// Latin letters and the Cyrillic letters they look like.
constexpr char16_t kLookalikeLatin[] = u"aeopcxykmthbAEOPCXYKMTHB";
constexpr char16_t kLookalikeCyrillic[] = u"аеорсхукмтнвАЕОРСХУКМТНВ";

// The keys of the Latin layout and the letters the Russian layout puts on them.
constexpr char16_t kLatinKeys[] = u"qwertyuiop[]asdfghjkl;'zxcvbnm,.`QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>~";
constexpr char16_t kRussianKeys[] = u"йцукенгшщзхъфывапролджэячсмитьбюёЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮЁ";
static_assert(sizeof(kLookalikeLatin) == sizeof(kLookalikeCyrillic));
static_assert(sizeof(kLatinKeys) == sizeof(kRussianKeys));

// c as the table from -> to maps it; -1 when from lacks it.
template <std::size_t N>
int IndexIn(const char16_t (&from)[N], QChar c)
{
    const auto end = from + N - 1;
    const auto found = std::find(from, end, c.unicode());
    return found == end ? -1 : int(found - from);
}

QString CyrillicLookalikesRead(const QString &word)
{
    bool cyrillic = false;
    bool latin = false;
    QString read;
    for (const QChar c : word) {
        cyrillic = cyrillic || IsCyrillicLetter(c);
        if (!IsLatinLetter(c)) {
            read.append(c);
            continue;
        }
        const int at = IndexIn(kLookalikeLatin, c);
        if (at < 0)
            return {};
        latin = true;
        read.append(QChar(kLookalikeCyrillic[at]));
    }
    return cyrillic && latin ? read : QString();
}

QString RussianLayoutRead(const QString &word)
{
    bool letter = false;
    QString read;
    for (const QChar c : word) {
        const int at = IndexIn(kLatinKeys, c);
        if (at < 0 && c != u'-')
            return {};
        letter = letter || IsLatinLetter(c);
        read.append(at < 0 ? c : QChar(kRussianKeys[at]));
    }
    return letter ? read : QString();
}

}  // namespace

QStringList SpellingsWithoutStressMarks(const QString &word)
{
    QString withoutAccents = word;
    withoutAccents.remove(QChar(0x0301));
    QString plain;
    plain.reserve(withoutAccents.size());
    for (qsizetype i = 0; i < withoutAccents.size(); ++i) {
        const QChar c = withoutAccents.at(i);
        const bool apostrophe = c == u'\'' || c == QChar(0x2019);
        if (apostrophe && i > 0 && i + 1 < withoutAccents.size() && withoutAccents.at(i - 1).isLetter() &&
            withoutAccents.at(i + 1).isLetter())
            continue;
        plain.append(c);
    }
    return plain == withoutAccents ? QStringList{plain} : QStringList{withoutAccents, plain};
}

QStringList OtherReadings(const QString &word)
{
    QStringList readings;
    for (const QString &read : {CyrillicLookalikesRead(SpellingsWithoutStressMarks(word).constLast()), RussianLayoutRead(word)}) {
        if (!read.isEmpty())
            readings.append(read);
    }
    return readings;
}

}  // namespace tornelis
