#include "cli/annotate.h"

#include "engine/stress_lookup.h"
#include "render/letters.h"
#include "render/stress.h"
#include "render/syllables.h"

#include <QIODevice>

namespace tornelis {
namespace {

constexpr qint64 kPieceSize = 1 << 16;
// More letters than any form of the dictionary has (its longest has 37).
constexpr qsizetype kLongestWord = 64;

// The first byte of a Russian letter in UTF-8 (А-я, Ё, ё take two bytes).
bool IsRussianLetterAt(const QByteArray &bytes, qsizetype at)
{
    if (at + 1 >= bytes.size())
        return false;
    const auto lead = static_cast<unsigned char>(bytes[at]);
    const auto next = static_cast<unsigned char>(bytes[at + 1]);
    return (lead == 0xD0 && ((next >= 0x90 && next <= 0xBF) || next == 0x81)) ||
           (lead == 0xD1 && ((next >= 0x80 && next <= 0x8F) || next == 0x91));
}

// Could the bytes from at on begin a Russian letter once more bytes arrive?
bool MayStartLetter(const QByteArray &bytes, qsizetype at)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    return at + 1 == bytes.size() && (lead == 0xD0 || lead == 0xD1);
}

qsizetype SyllableVowelCount(const QString &word)
{
    return std::count_if(word.cbegin(), word.cend(), IsSyllableVowel);
}

}  // namespace

TextAnnotator::TextAnnotator(StressLookup &stress, AnnotateOptions options)
    : stress_(stress)
    , options_(options)
{
}

std::optional<qsizetype> TextAnnotator::StressedIndex(const QString &word)
{
    if (SyllableVowelCount(word) <= 1)
        return std::nullopt;
    const QString lower = word.toLower();
    if (const std::optional<int> accent = stress_.AgreedAccent(lower))
        return *accent > 0 ? StressVowelIndex(lower, *accent) : std::nullopt;
    if (!options_.restoreYo || lower.contains(u'ё'))
        return std::nullopt;
    // Written with "е" for "ё": the stress of the ё spelling, at the same place.
    const std::optional<QString> restored = stress_.RestoredYo(lower);
    if (!restored || restored->size() != lower.size())
        return std::nullopt;
    const std::optional<int> accent = stress_.AgreedAccent(*restored);
    if (!accent)
        return std::nullopt;
    if (*accent > 0)
        return StressVowelIndex(*restored, *accent);
    return restored->count(u'ё') == 1 ? std::optional<qsizetype>(restored->indexOf(u'ё')) : std::nullopt;
}

QString TextAnnotator::AnnotateWord(const QString &word)
{
    const std::optional<qsizetype> stressed = StressedIndex(word);
    const QString text = options_.syllables ? HyphenateWord(word) : word;
    if (!stressed)
        return text;
    // The word has no hyphens of its own, so its letters are text without the added ones.
    qsizetype letter = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'-' && options_.syllables)
            continue;
        if (letter++ == *stressed)
            return text.left(i) + QLatin1Char('\'') + text.mid(i);
    }
    return text;
}

qint64 TextAnnotator::Annotate(QIODevice &in, QIODevice &out, const std::function<void(qint64)> &progress)
{
    QByteArray pending;
    qint64 read = 0;
    qint64 words = 0;
    bool atEnd = false;
    bool inLongRun = false;  // letters that go on past any dictionary word
    while (!atEnd) {
        QByteArray piece(kPieceSize, Qt::Uninitialized);
        const qint64 got = in.read(piece.data(), kPieceSize);
        if (got < 0)
            throw StreamError(QStringLiteral("не прочитать текст: %1").arg(in.errorString()));
        piece.truncate(got);
        atEnd = piece.isEmpty();
        read += piece.size();
        pending += piece;

        QByteArray output;
        output.reserve(pending.size() + pending.size() / 8);
        qsizetype at = 0;
        while (at < pending.size()) {
            if (!IsRussianLetterAt(pending, at)) {
                if (!atEnd && MayStartLetter(pending, at))
                    break;  // the letter's second byte comes with the next piece
                inLongRun = false;
                output += pending[at++];
                continue;
            }
            qsizetype end = at;
            while (IsRussianLetterAt(pending, end))
                end += 2;
            if (inLongRun || end - at > 2 * kLongestWord) {
                // No word of the dictionary is this long: it streams through
                // unmarked, so that neither time nor memory grows with it.
                words += inLongRun ? 0 : 1;
                inLongRun = true;
                output += QByteArrayView(pending).sliced(at, end - at);
                at = end;
                continue;
            }
            if (!atEnd && (end == pending.size() || MayStartLetter(pending, end)))
                break;  // the word may go on in the next piece
            output += AnnotateWord(QString::fromUtf8(pending.constData() + at, end - at)).toUtf8();
            ++words;
            at = end;
        }
        if (out.write(output) != output.size())
            throw StreamError(QStringLiteral("не записать текст: %1").arg(out.errorString()));
        pending.remove(0, at);
        if (progress)
            progress(read);
    }
    return words;
}

}  // namespace tornelis
