#include "textmode/text_annotator.h"

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

// The UTF-8 bytes of the combining acute accent U+0301.
const QByteArray kAcuteBytes("\xCC\x81");
// The bytes that may stand next to a word and say it is marked already,
// and the most of them that need looking at on either side.
constexpr qsizetype kMarkContext = 2;

// Does a mark stand right before the word that starts at at, or right after
// the one that ends before end? Such a word is marked already: мол'око is
// two runs of letters around an apostrophe, молоко́ one run before an accent.
bool MarkBefore(const QByteArray &bytes, qsizetype at)
{
    return (at >= 1 && bytes[at - 1] == '\'') || QByteArrayView(bytes).first(at).endsWith(kAcuteBytes);
}

bool MarkAfter(const QByteArray &bytes, qsizetype end)
{
    return (end < bytes.size() && bytes[end] == '\'') || QByteArrayView(bytes).sliced(end).startsWith(kAcuteBytes);
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
            return MarkVowelAt(text, i, options_.mark);
    }
    return text;
}

qint64 TextAnnotator::Annotate(QIODevice &in, QIODevice &out, const std::function<void(qint64)> &progress)
{
    // pending starts with up to kMarkContext bytes written out already, kept
    // to tell whether a mark stands before the next word.
    QByteArray pending;
    qsizetype context = 0;
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
        qsizetype at = context;
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
            if (!atEnd && (end + kMarkContext > pending.size() || MayStartLetter(pending, end)))
                break;  // the word, or a mark after it, may go on in the next piece
            const QByteArrayView word = QByteArrayView(pending).sliced(at, end - at);
            if (MarkBefore(pending, at) || MarkAfter(pending, end))
                output += word;
            else
                output += AnnotateWord(QString::fromUtf8(word)).toUtf8();
            ++words;
            at = end;
        }
        if (out.write(output) != output.size())
            throw StreamError(QStringLiteral("не записать текст: %1").arg(out.errorString()));
        context = std::min(at, kMarkContext);
        pending.remove(0, at - context);
        if (progress)
            progress(read);
    }
    return words;
}

}  // namespace tornelis
