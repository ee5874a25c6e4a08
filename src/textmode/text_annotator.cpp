#include "textmode/text_annotator.h"

#include "encodings/system_reason.h"
#include "engine/stress_lookup.h"
#include "render/letters.h"
#include "render/stress.h"
#include "render/syllables.h"
#include "textmode/common_reading.h"

#include <QIODevice>

#include <algorithm>
#include <cctype>

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
// How many bytes after a word are read before the word is marked (a mark
// after it, the rest of its clause), and how many before it are kept (a
// mark, its sentence so far): see ByMood.
constexpr qsizetype kBytesAfter = 256;
constexpr qsizetype kBytesBefore = 1024;
static_assert(kBytesAfter > kMarkContext && kBytesBefore >= kMarkContext);

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

// A capital inside a sentence suggests a name; at a sentence's or a line's
// start, or in a word all in capitals, it says nothing.
WordCase CaseOf(const QString &word, bool sentenceStart)
{
    if (word.isEmpty() || word.front().isLower())
        return WordCase::Lower;
    const bool allCapitals = std::none_of(word.cbegin(), word.cend(), [](QChar letter) { return letter.isLower(); });
    return sentenceStart || allCapitals ? WordCase::Other : WordCase::CapitalInSentence;
}

// Whether a word after the byte at at starts a sentence, given whether one
// after the byte before it would: a full stop, !, ?, …, a colon (quoted
// speech follows) or a line end starts one; ASCII letters, digits, commas
// and semicolons continue one; blanks, quotes, dashes and brackets change
// nothing.
// A tab, a bar or a second blank in a row starts a table cell, which is
// no more a sentence's inside than a line's start is.
bool SentenceStartsAfter(const QByteArray &bytes, qsizetype at, bool before)
{
    const char byte = bytes[at];
    if (byte == '.' || byte == '!' || byte == '?' || byte == ':' || byte == '\n' || byte == '\t' || byte == '|')
        return true;
    if (byte == ' ' && at >= 1 && bytes[at - 1] == ' ')
        return true;
    if (QByteArrayView(bytes).first(at + 1).endsWith("\xE2\x80\xA6"))
        return true;
    const auto ascii = static_cast<unsigned char>(byte);
    if (ascii < 0x80 && (std::isalnum(ascii) || byte == ',' || byte == ';'))
        return false;
    return before;
}

bool IsAsciiLetter(char byte)
{
    const auto ascii = static_cast<unsigned char>(byte);
    return ascii < 0x80 && std::isalpha(ascii);
}

// Does a Latin letter touch the letters from at to end (pаза with a Latin р)?
// Such a word is no Russian word the dictionary could know.
bool TouchesLatin(const QByteArray &bytes, qsizetype at, qsizetype end)
{
    return (at >= 1 && IsAsciiLetter(bytes[at - 1])) || (end < bytes.size() && IsAsciiLetter(bytes[end]));
}

// An initial: one capital letter, as the "Н" of "Л. Н. Толстой".
bool IsInitial(QByteArrayView word)
{
    return word.size() == 2 && QString::fromUtf8(word).front().isUpper();
}

// What the byte at makes of what stands before the next word: blanks and
// line ends (text wraps) change nothing; a comma may stand inside a list
// that shares the words before it (в искреннем, я́рком).
WordBefore::Kind KindAfter(char byte, WordBefore::Kind before)
{
    if (byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n')
        return before;
    if (byte == '.' || byte == ';' || byte == ':' || byte == '!' || byte == '?')
        return WordBefore::Kind::Punctuation;
    return WordBefore::Kind::Unknown;
}

bool IsParticlePart(const QString &part)
{
    const QString lower = part.toLower();
    return lower == u"либо" || lower == u"нибудь" || lower == u"то" || lower == u"ка" || lower == u"таки";
}

// The end of the hyphenated word whose first run of letters ends at end
// (кто-нибудь, Ростов-на-Дону): runs joined by single hyphens, no longer
// than a dictionary word can be.
qsizetype HyphenatedWordEnd(const QByteArray &bytes, qsizetype start, qsizetype end)
{
    while (end < bytes.size() && bytes[end] == '-' && IsRussianLetterAt(bytes, end + 1)) {
        qsizetype next = end + 1;
        while (IsRussianLetterAt(bytes, next))
            next += 2;
        if (next - start > 2 * kLongestWord)
            break;
        end = next;
    }
    return end;
}

bool OnlyProperNames(const QList<StressReading> &readings)
{
    return std::all_of(readings.cbegin(), readings.cend(), [](const StressReading &reading) { return reading.properName; });
}

}  // namespace

TextAnnotator::TextAnnotator(StressLookup &stress, AnnotateOptions options)
    : stress_(stress)
    , options_(options)
    , seldomMeant_(stress)
    , worthDoing_(stress)
{
}

std::optional<qsizetype> TextAnnotator::StressedIndex(const QString &word, WordCase wordCase)
{
    const QString lower = word.toLower();
    const QList<StressReading> readings = stress_.Readings(lower);
    const QList<StressReading> likely = LikelyReadings(readings, wordCase, seldomMeant_);
    // A word the dictionary lacks tells nothing of the next one.
    word_ = {likely.isEmpty() ? WordBefore::Kind::Unknown : WordBefore::Kind::Word, lower, likely};
    if (SyllableCount(word) <= 1)
        return std::nullopt;
    // Written with "е" for "ё": елка, and нее, whose е spelling is only a place name.
    const bool tryYo = readings.isEmpty() || (wordCase == WordCase::Lower && OnlyProperNames(readings));
    if (options_.restoreYo && tryYo && !lower.contains(u'ё')) {
        if (const std::optional<qsizetype> restored = RestoredYoIndex(lower, wordCase))
            return restored;
    }
    if (readings.isEmpty()) {
        // A word the stress lists know but the dictionary lacks (полужи́рным);
        // not a name inside a sentence, which the lists may know only as
        // another word (Роде́н, not ро́ден).
        const int listed = wordCase == WordCase::CapitalInSentence ? 0 : stress_.ListedAccent(lower);
        return listed > 0 ? StressVowelIndex(lower, listed) : std::nullopt;
    }
    std::optional<int> accent = AgreedAccent(likely);
    if (!accent) {
        const QList<StressReading> after =
            ByMood(stress_, around_, worthDoing_.Readings(around_.after, ReadingsAfter(before_, lower, likely)));
        accent = AgreedAccent(after);
        if (!accent && wordCase == WordCase::Lower)
            accent = AgreedAccent(AsGenitiveAttribute(before_, after));
        // A capital inside a sentence may mean another word than the common one (Го́спода).
        if (!accent && wordCase != WordCase::CapitalInSentence)
            accent = CommonAccent(after);
    }
    if (!accent || *accent == 0)
        return std::nullopt;
    const std::optional<qsizetype> index = StressVowelIndex(lower, *accent);
    // A preposition is never written with ё: перед is пе́ред, whatever перёд means.
    const bool preposition = std::all_of(likely.cbegin(), likely.cend(),
                                         [](const StressReading &reading) { return reading.has(kPreposition); });
    if (index && !preposition && YoTwinStressedElsewhere(lower, *index, wordCase))
        return std::nullopt;
    return index;
}

// The stress of the ё spelling the dictionary restores, at the same place;
// without one, of the ё spellings the word may stand for, where they all
// put it on the same letter (твердо: твёрдо).
std::optional<qsizetype> TextAnnotator::RestoredYoIndex(const QString &lower, WordCase wordCase)
{
    if (const std::optional<QString> restored = stress_.RestoredYo(lower))
        return YoSpellingIndex(*restored, lower, wordCase);
    std::optional<qsizetype> agreed;
    for (const QString &spelling : stress_.YoSpellings(lower)) {
        const std::optional<qsizetype> index = YoSpellingIndex(spelling, lower, wordCase);
        if (!index || (agreed && *agreed != *index))
            return std::nullopt;
        agreed = index;
    }
    return agreed;
}

// The stressed letter of spelling, the word lower written with ё.
std::optional<qsizetype> TextAnnotator::YoSpellingIndex(const QString &spelling, const QString &lower, WordCase wordCase)
{
    if (spelling.size() != lower.size())
        return std::nullopt;
    const QList<StressReading> likely = LikelyReadings(stress_.Readings(spelling), wordCase, seldomMeant_);
    word_ = {likely.isEmpty() ? WordBefore::Kind::Unknown : WordBefore::Kind::Word, spelling, likely};
    const std::optional<int> accent = AgreedAccent(likely);
    if (!accent)
        return std::nullopt;
    if (*accent > 0)
        return StressVowelIndex(spelling, *accent);
    return spelling.count(u'ё') == 1 ? std::optional<qsizetype>(spelling.indexOf(u'ё')) : std::nullopt;
}

// Is the word, written with "е", also a form with "ё" in another place than
// its stress (слезы́ and слёзы)? The text cannot tell which is meant, unless
// the ё form is one a writer seldom means.
bool TextAnnotator::YoTwinStressedElsewhere(const QString &lower, qsizetype stressed, WordCase wordCase)
{
    for (qsizetype i = lower.indexOf(u'е'); i >= 0; i = lower.indexOf(u'е', i + 1)) {
        if (i == stressed)
            continue;
        QString twin = lower;
        twin[i] = u'ё';
        const QList<StressReading> twinReadings = stress_.Readings(twin);
        if (!twinReadings.isEmpty() && !AllRare(twinReadings, wordCase))
            return true;
    }
    return false;
}

QString TextAnnotator::AnnotateWord(const QString &word, bool sentenceStart)
{
    const WordCase wordCase = CaseOf(word, sentenceStart);
    if (!word.contains(u'-'))
        return Marked(word, StressedIndex(word, wordCase));

    // A hyphenated word: whole where the dictionary has it (по-мо́ему,
    // все-таки as всё-таки), else part by part, a particle part (-либо,
    // -нибудь, -то, -ка, -таки) taking no mark.
    const std::optional<qsizetype> stressed = StressedIndex(word, wordCase);
    const WordBefore whole = word_;
    const QStringList parts = word.split(u'-');
    QStringList marked;
    qsizetype start = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        std::optional<qsizetype> inPart;
        if (stressed) {
            if (*stressed >= start && *stressed < start + part.size())
                inPart = *stressed - start;
        } else if (i == 0 || !IsParticlePart(part)) {
            inPart = StressedIndex(part, i == 0 ? wordCase : CaseOf(part, false));
        }
        marked.append(Marked(part, inPart));
        start += part.size() + 1;
        before_.kind = WordBefore::Kind::Unknown;
    }
    word_ = whole;
    return marked.join(u'-');
}

QString TextAnnotator::Marked(const QString &word, std::optional<qsizetype> stressed) const
{
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
    // pending starts with up to kBytesBefore bytes written out already, kept
    // to tell whether a mark stands before the next word and what its
    // sentence says; dropped: the bytes before them.
    QByteArray pending;
    qsizetype context = 0;
    qint64 dropped = 0;
    qint64 read = 0;
    qint64 words = 0;
    bool atEnd = false;
    bool inLongRun = false;  // letters that go on past any dictionary word
    bool sentenceStart = true;
    bool afterInitial = false;  // the full stop after an initial ends no sentence
    before_ = {};
    while (!atEnd) {
        QByteArray piece(kPieceSize, Qt::Uninitialized);
        const qint64 got = in.read(piece.data(), kPieceSize);
        if (got < 0)
            throw StreamError(QStringLiteral("не прочитать текст: %1").arg(RussianSystemReason(in.errorString())));
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
                if (!(afterInitial && pending[at] == '.'))
                    sentenceStart = SentenceStartsAfter(pending, at, sentenceStart);
                afterInitial = false;
                before_.kind = KindAfter(pending[at], before_.kind);
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
                sentenceStart = false;
                afterInitial = false;
                before_.kind = WordBefore::Kind::Unknown;
                output += QByteArrayView(pending).sliced(at, end - at);
                at = end;
                continue;
            }
            end = HyphenatedWordEnd(pending, at, end);
            // The word, a hyphen and more letters, or what ByMood reads after
            // it, may go on in the next piece.
            if (!atEnd && (end + kBytesAfter > pending.size() || MayStartLetter(pending, end)))
                break;
            const QByteArrayView word = QByteArrayView(pending).sliced(at, end - at);
            if (MarkBefore(pending, at) || MarkAfter(pending, end) || TouchesLatin(pending, at, end)) {
                output += word;
                before_.kind = WordBefore::Kind::Unknown;
            } else {
                const qsizetype from = std::max<qsizetype>(0, at - kBytesBefore);
                around_ = {QByteArrayView(pending).sliced(from, at - from), dropped == 0 && from == 0,
                           QByteArrayView(pending).sliced(end, std::min(kBytesAfter, pending.size() - end))};
                output += AnnotateWord(QString::fromUtf8(word), sentenceStart).toUtf8();
                before_ = Following(before_, word_);
            }
            sentenceStart = false;
            afterInitial = IsInitial(word);
            words += word.count('-') + 1;
            at = end;
        }
        if (out.write(output) != output.size())
            throw StreamError(QStringLiteral("не записать текст: %1").arg(RussianSystemReason(out.errorString())));
        context = std::min(at, kBytesBefore);
        dropped += at - context;
        pending.remove(0, at - context);
        if (progress)
            progress(read);
    }
    return words;
}

}  // namespace tornelis
