#include "textmode/verb_mood.h"

#include "textmode/clause_words.h"

#include <QSet>
#include <QString>

#include <algorithm>
#include <optional>

namespace tornelis {
namespace {

const QString kYou = QStringLiteral("вы");

bool IsSubordinating(const QString &lower)
{
    static const QSet<QString> kWords = [] {
        QSet<QString> words;
        for (const char16_t *word : {u"если", u"когда", u"пока", u"то", u"раз", u"хотя", u"ибо", u"чтобы", u"будто",
                                     u"словно", u"ли", u"что", u"чё", u"чего", u"чему", u"чем", u"кто", u"кого",
                                     u"кому", u"кем", u"ком", u"где", u"куда", u"откуда", u"зачем", u"почему",
                                     u"отчего", u"сколько", u"чей", u"чья", u"чьё", u"чье", u"чьи"})
            words.insert(QString::fromUtf16(word));
        return words;
    }();
    // как, какой and который in all their forms.
    return kWords.contains(lower) || lower.startsWith(u"как") || lower.startsWith(u"котор");
}

bool IsSecondPersonPlural(const StressReading &reading)
{
    return reading.has(kSecondPerson) && reading.has(kPlural) && !reading.has(kImperative);
}

bool IsPluralImperative(const StressReading &reading)
{
    return reading.has(kImperative) && reading.has(kPlural);
}

// What the words of a clause, and the clauses of its sentence before it, say
// of the mood of a verb form that follows.
struct ClauseSoFar {
    bool open = false;          // a conjunction, a relative or question word, or а вы
    bool secondPerson = false;  // вы, or a verb only in the second person plural
    bool secondPersonBefore = false;  // a main clause before it, after a comma, had one
    bool afterA = false;        // the word before was а

    void Add(const QString &lower, const QList<StressReading> &readings)
    {
        const bool you = lower == kYou;
        open = open || IsSubordinating(lower) || (you && afterA);
        secondPerson = secondPerson || you ||
                       (!readings.isEmpty() && std::all_of(readings.cbegin(), readings.cend(), IsSecondPersonPlural));
        afterA = lower == u"а";
    }

    // At a comma the sentence goes on; at any other end it may not.
    void End(bool comma)
    {
        secondPersonBefore = comma && (secondPersonBefore || (secondPerson && !open));
        open = false;
        secondPerson = false;
        afterA = false;
    }
};

// The clause the text before a word ends with, and what the clauses of its
// sentence before it tell, read from the start of the text or from the
// last end of a clause but a comma; nothing when neither is at hand.
std::optional<ClauseSoFar> ClauseBefore(StressLookup &stress, const TextAround &around)
{
    // Most sentences start within the last few lines: those are decoded first.
    QString text;
    qsizetype start = 0;
    for (const qsizetype tail : {qsizetype(256), around.before.size()}) {
        const bool whole = tail >= around.before.size();
        // A piece of the text may start inside a word or a letter: its first
        // character tells nothing.
        const qsizetype first = whole && around.textStart ? 0 : 1;
        text = QString::fromUtf8(around.before.last(std::min(tail, around.before.size())));
        start = text.size();
        while (start > first && (!EndsClauseAt(text, start - 1) || text.at(start - 1) == u','))
            --start;
        if (start > first || first == 0)
            break;
        if (whole)
            return std::nullopt;
    }
    ClauseSoFar clause;
    ForEachWordAndEnd(
        text, start,
        [&](const QString &lower) {
            clause.Add(lower, stress.Readings(lower));
            return true;
        },
        [&](QChar end) {
            clause.End(end == u',');
            return true;
        });
    return clause;
}

// Is не the word right before (вы не смотрите)?
bool AfterNe(QByteArrayView before)
{
    const QString text = QString::fromUtf8(before.last(std::min<qsizetype>(before.size(), 64))).trimmed();
    return text.endsWith(u"не", Qt::CaseInsensitive) &&
           (text.size() == 2 || !IsTextLetter(text.at(text.size() - 3)));
}

// Does the clause the word ends with ask a question, or name its subject
// after the verb (смотрите ли вы, проходите вы)?
bool QuestionOrSubjectAfter(QByteArrayView after)
{
    bool found = false;
    ForEachWordAndEnd(
        QString::fromUtf8(after), 0,
        [&](const QString &lower) {
            found = lower == kYou || lower == u"ли";
            return !found;
        },
        [&](QChar end) {
            found = end == u'?';
            return false;
        });
    return found;
}

}  // namespace

QList<StressReading> ByMood(StressLookup &stress, const TextAround &around, QList<StressReading> readings)
{
    const bool bothMoods = std::all_of(readings.cbegin(), readings.cend(),
                                       [](const StressReading &reading) {
                                           return IsSecondPersonPlural(reading) || IsPluralImperative(reading);
                                       }) &&
                           std::any_of(readings.cbegin(), readings.cend(), IsSecondPersonPlural) &&
                           std::any_of(readings.cbegin(), readings.cend(), IsPluralImperative);
    if (!bothMoods)
        return readings;
    const std::optional<ClauseSoFar> clause = ClauseBefore(stress, around);
    if (!clause || clause->open)
        return readings;
    if (clause->secondPerson) {
        if (!AfterNe(around.before))
            readings.removeIf(IsPluralImperative);
        return readings;
    }
    if (!clause->secondPersonBefore && !QuestionOrSubjectAfter(around.after))
        readings.removeIf(IsSecondPersonPlural);
    return readings;
}

}  // namespace tornelis
