#include "ending_table.h"

#include "engine/other_forms.h"
#include "engine/prediction.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <climits>
#include <utility>
#include <tuple>

namespace tornelis::formsdb {
namespace {

constexpr int kShortestEnding = 3;
constexpr int kLongestEnding = 6;
// An ending with more paradigms than this keeps its best supported ones.
constexpr int kParadigmsPerEnding = 8;

bool IsStressVowel(QChar c)
{
    return QStringView(u"аяоуюеэиы").contains(c.toLower());
}

qsizetype StressVowelCount(const QString &word)
{
    return std::count_if(word.cbegin(), word.cend(), IsStressVowel);
}

// The parts of speech new words come in; abbreviations, initials and
// pronouns take none.
bool TakesNewWords(const QString &lemmaTags)
{
    const bool partOfSpeech = lemmaTags.startsWith(QLatin1String("NOUN")) ||
                              lemmaTags.startsWith(QLatin1String("ADJF")) ||
                              lemmaTags.startsWith(QLatin1String("INFN"));
    return partOfSpeech && !HasAnyGrammeme(lemmaTags, {u"Abbr", u"Init", u"Apro"});
}

QString CommonStem(const std::vector<SourceForm> &forms)
{
    QString stem = forms.front().word;
    for (const SourceForm &form : forms) {
        qsizetype same = 0;
        while (same < stem.size() && same < form.word.size() && stem[same] == form.word[same])
            ++same;
        stem.truncate(same);
    }
    return stem;
}

}  // namespace

EndingTableBuilder::EndingTableBuilder(const QStringList &tags)
    : tags_(tags)
{
}

int EndingTableBuilder::Intern(QHash<QString, int> &ids, QStringList &values, const QString &value)
{
    const auto found = ids.constFind(value);
    if (found != ids.cend())
        return found.value();
    values.append(value);
    ids.insert(value, int(values.size() - 1));
    return int(values.size() - 1);
}

void EndingTableBuilder::Add(const BuiltLexeme &lexeme, const std::vector<int> &accents, qint64 lemmaId)
{
    const SourceForm &lemma = lexeme.forms[lexeme.lemmaIndex];
    if (!TakesNewWords(tags_.at(lemma.tagId)))
        return;
    const QString stem = CommonStem(lexeme.forms);
    QStringList paradigm;
    QStringList stress;
    for (std::size_t i = 0; i < lexeme.forms.size(); ++i) {
        const SourceForm &form = lexeme.forms[i];
        paradigm.append(form.word.mid(stem.size()) + QLatin1Char('\t') + QString::number(form.tagId) +
                        QLatin1Char('\t') + QLatin1Char(i == lexeme.lemmaIndex ? '1' : '0'));
        const qsizetype vowels = StressVowelCount(form.word);
        const qsizetype fromEnd = accents[i] > 0 && accents[i] <= vowels ? vowels - accents[i] + 1 : 0;
        stress.append(QString::number(fromEnd));
    }
    const int paradigmId = Intern(paradigmIds_, paradigms_, paradigm.join(QLatin1Char('\n')));
    const bool stressKnown = std::any_of(accents.cbegin(), accents.cend(), [](int accent) { return accent > 0; });
    const int stressId = stressKnown ? Intern(stressIds_, stresses_, stress.join(QLatin1Char(','))) : -1;
    // A form found in several places is indexed at its first, the lemma before all.
    QSet<QString> indexed;
    const auto index = [&](std::size_t position) {
        const QString &word = lexeme.forms[position].word;
        if (indexed.contains(word))
            return;
        indexed.insert(word);
        for (int length = kShortestEnding; length <= kLongestEnding && length <= word.size(); ++length)
            entries_.push_back({position == lexeme.lemmaIndex, word.right(length), paradigmId, int(position), stressId,
                                int(lemma.word.size()), lemmaId, VerbPrefixOf(QStringView(word).chopped(length))});
    };
    index(lexeme.lemmaIndex);
    for (std::size_t i = 0; i < lexeme.forms.size(); ++i)
        index(i);
}

qint64 EndingTableBuilder::Write(SqliteDatabase &database)
{
    database.exec(kGuessTablesSchema);
    std::vector<Entry> &sorted = entries_;
    std::sort(sorted.begin(), sorted.end(), [](const Entry &a, const Entry &b) {
        return std::tie(a.lemma, a.ending, a.paradigm, a.position, a.stress, a.lemmaId) <
               std::tie(b.lemma, b.ending, b.paradigm, b.position, b.stress, b.lemmaId);
    });

    struct Row {
        int paradigm;
        int position;
        int support;
        qint64 model;
        int stress;
        int stressSupport;
        int stressKnown;  // the lexemes whose stress the dictionary knows
        std::array<int, 3> prefixed;  // the lexemes by the prefix before the ending
    };
    // A lexeme without any stressed form casts no vote on the stress.
    const int unknownStress = -1;
    SqliteStatement insertEnding(database, QStringLiteral("insert into guess_endings values(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    std::vector<bool> paradigmUsed(std::size_t(paradigms_.size()), false);
    qint64 written = 0;
    for (std::size_t first = 0; first < sorted.size();) {
        const bool lemma = sorted[first].lemma;
        const QString &ending = sorted[first].ending;
        const auto sameEnding = [&](std::size_t i) { return sorted[i].lemma == lemma && sorted[i].ending == ending; };
        std::vector<Row> rows;
        std::size_t next = first;
        while (next < sorted.size() && sameEnding(next)) {
            // One paradigm: its lexemes, by stress pattern. Its model is the
            // shortest lemma of the commonest known stress, a plain word
            // more likely than a long compound.
            Row row{sorted[next].paradigm, sorted[next].position, 0, 0, unknownStress, 0, 0, {0, 0, 0}};
            const auto sameRow = [&](std::size_t i) {
                return i < sorted.size() && sameEnding(i) && sorted[i].paradigm == row.paradigm &&
                       sorted[i].position == row.position;
            };
            std::pair<int, qint64> model{INT_MAX, 0};
            while (sameRow(next)) {
                const int stress = sorted[next].stress;
                int same = 0;
                std::pair<int, qint64> shortest{INT_MAX, 0};
                for (; sameRow(next) && sorted[next].stress == stress; ++next) {
                    ++same;
                    ++row.prefixed[std::size_t(sorted[next].prefix)];
                    shortest = std::min(shortest, {sorted[next].lemmaLength, sorted[next].lemmaId});
                }
                row.support += same;
                if (stress == unknownStress) {
                    model = shortest;  // the first run: replaced by any run of known stress
                    continue;
                }
                row.stressKnown += same;
                if (same > row.stressSupport) {
                    row.stressSupport = same;
                    row.stress = stress;
                    model = shortest;
                }
            }
            row.model = model.second;
            if (row.support >= 2)
                rows.push_back(row);
        }
        first = next;
        std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) { return a.support > b.support; });
        if (rows.size() > std::size_t(kParadigmsPerEnding))
            rows.resize(std::size_t(kParadigmsPerEnding));
        for (const Row &row : rows) {
            insertEnding.bindText(1, ending);
            insertEnding.bindInt64(2, lemma);
            insertEnding.bindInt64(3, row.support);
            insertEnding.bindInt64(4, row.paradigm);
            insertEnding.bindInt64(5, row.position);
            insertEnding.bindInt64(6, row.model);
            insertEnding.bindText(7, row.stress == unknownStress ? QString() : stresses_.at(row.stress));
            insertEnding.bindInt64(8, row.stressSupport);
            insertEnding.bindInt64(9, row.stressKnown);
            insertEnding.bindInt64(10, row.prefixed[std::size_t(VerbPrefix::Long)]);
            insertEnding.bindInt64(11, row.prefixed[std::size_t(VerbPrefix::Short)]);
            insertEnding.step();
            insertEnding.reset();
            paradigmUsed[std::size_t(row.paradigm)] = true;
            ++written;
        }
    }

    SqliteStatement insertForm(database, QStringLiteral("insert into guess_paradigms values(?, ?, ?, ?, ?)"));
    for (qsizetype paradigm = 0; paradigm < paradigms_.size(); ++paradigm) {
        if (!paradigmUsed[std::size_t(paradigm)])
            continue;
        const QStringList forms = paradigms_.at(paradigm).split(QLatin1Char('\n'));
        for (qsizetype position = 0; position < forms.size(); ++position) {
            const QStringList parts = forms.at(position).split(QLatin1Char('\t'));
            insertForm.bindInt64(1, paradigm);
            insertForm.bindInt64(2, position);
            insertForm.bindText(3, parts.at(0));
            insertForm.bindText(4, tags_.at(parts.at(1).toInt()));
            insertForm.bindInt64(5, parts.at(2).toInt());
            insertForm.step();
            insertForm.reset();
        }
    }
    database.exec(QStringLiteral("create index guess_endings_ending on guess_endings(ending);"));
    return written;
}

}  // namespace tornelis::formsdb
