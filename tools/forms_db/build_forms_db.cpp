#include "build_forms_db.h"

#include "ending_table.h"
#include "forms_db_writer.h"
#include "lexeme_rank.h"
#include "listed_only_stress.h"
#include "lexeme_split.h"
#include "missing_forms.h"
#include "predicted_stress.h"
#include "reading_counts.h"
#include "stress_corrections.h"
#include "twin_lexemes.h"
#include "two_stresses.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <map>

namespace tornelis::formsdb {
namespace {

// A lexeme with its spelling mended and its accents, ready to be written.
struct PreparedLexeme {
    BuiltLexeme lexeme;
    QStringList tags;
    std::vector<int> accents;
    std::vector<int> predictedAccents;  // for running text only; 0 where none
};

PreparedLexeme Prepare(BuiltLexeme lexeme, const SourceLexeme &source, const BuildSources &sources,
                       const SharedSpellings &shared, StressCorrectionCounts &corrections)
{
    QStringList tags;
    for (const SourceForm &form : lexeme.forms)
        tags.append(sources.corpus.tags().at(form.tagId));
    DropAbsentForms(lexeme, tags, source.lemma, sources.lemmas, corrections.absentForms);
    corrections.absentForms.added += AddMissingForms(lexeme, tags, source.lemma, sources.corpus.tags());
    CorrectSpelling(lexeme, tags, source.lemma, corrections);
    const QStringList lemmas{lexeme.forms[lexeme.lemmaIndex].word, source.lemma};
    std::vector<QList<int>> listed;
    std::vector<int> accents;
    listed.reserve(lexeme.forms.size());
    accents.reserve(lexeme.forms.size());
    for (qsizetype i = 0; i < tags.size(); ++i) {
        const QString &form = lexeme.forms[std::size_t(i)].word;
        listed.push_back(sources.stress.Lookup(form, tags.at(i), lemmas));
        accents.push_back(ResolveAccent(listed.back(), form));
    }
    CorrectAccents(lexeme, tags, source.lemma, accents, corrections);
    corrections.twoStresses += SettleTwoStresses(lexeme, tags, listed, accents);
    StressPageForms(lexeme, tags, accents, corrections.pageForms);
    std::vector<int> predicted = PredictedAccents(lexeme, tags, listed, accents, shared);
    corrections.predicted += qint64(std::count_if(predicted.cbegin(), predicted.cend(), [](int accent) { return accent > 0; }));
    return {std::move(lexeme), tags, std::move(accents), std::move(predicted)};
}

// Notes the lexemes of every lemma more than one lexeme has (the two
// думать; вывешенный of вывесить and of вывешать), so that twins among them
// are written once.
void FindTwins(const BuildSources &sources, const LexemeSplitter &splitter, const SharedSpellings &shared,
               TwinLexemes &twins)
{
    QHash<QString, std::vector<TwinLexemes::Key>> lexemesOfLemma;
    for (std::size_t source = 0; source < sources.lexemes.size(); ++source) {
        const std::vector<BuiltLexeme> built = splitter.Split(sources.corpus.Expand(sources.lexemes[source]));
        for (std::size_t i = 0; i < built.size(); ++i)
            lexemesOfLemma[built[i].forms[built[i].lemmaIndex].word].push_back({source, i});
    }
    // Each source lexeme is split once more, for all its lexemes that have homonyms.
    std::map<std::size_t, std::vector<std::size_t>> homonymsOfSource;
    for (const std::vector<TwinLexemes::Key> &homonyms : std::as_const(lexemesOfLemma)) {
        if (homonyms.size() < 2)
            continue;
        for (const TwinLexemes::Key key : homonyms)
            homonymsOfSource[key.source].push_back(key.built);
    }
    StressCorrectionCounts uncounted;
    for (const auto &[source, builtIndexes] : homonymsOfSource) {
        const SourceLexeme &lexeme = sources.lexemes[source];
        std::vector<BuiltLexeme> built = splitter.Split(sources.corpus.Expand(lexeme));
        for (std::size_t i : builtIndexes) {
            const PreparedLexeme prepared = Prepare(std::move(built[i]), lexeme, sources, shared, uncounted);
            twins.Note({source, i}, prepared.lexeme, prepared.accents);
        }
    }
}

// Writes one prepared lexeme and counts it; returns its id.
qint64 WriteLexeme(const PreparedLexeme &prepared, FormsDbWriter &writer, BuildReport &report,
                 DictionaryForms &yoForms, EndingTableBuilder &endings)
{
    for (std::size_t i = 0; i < prepared.accents.size(); ++i) {
        report.accentedRows += prepared.accents[i] > 0 ? 1 : 0;
        yoForms.Add(prepared.lexeme.forms[i].word, prepared.tags.at(qsizetype(i)));
    }
    const qint64 lemmaId = writer.AddLexeme(prepared.lexeme, prepared.accents, prepared.predictedAccents);
    endings.Add(prepared.lexeme, prepared.accents, lemmaId);
    ++report.lexemes;
    return lemmaId;
}

// How often the corpus reads one of the lexeme's words as this lexeme, and
// the rank of that reading.
struct ReadingOfWord {
    QString eWord;
    LemmaReading reading;
    bool preferred;
};

// The lexeme's readings of the words the corpus counts or the table of
// preferred readings lists; the lexeme's tag ids still the source's.
QList<ReadingOfWord> ReadingsOf(const PreparedLexeme &prepared, LexemeRank rank, const LexemeRanker &ranker,
                                const LexemeFrequency &frequency)
{
    QHash<QString, double> occurrences = frequency.OfEachWord(prepared.lexeme);
    QSet<QString> preferred;
    for (std::size_t i = 0; i < prepared.lexeme.forms.size(); ++i) {
        const QString eWord = WithoutYo(prepared.lexeme.forms[i].word);
        const char *meant = PreferredReadingOf(eWord);
        if (!meant)
            continue;
        occurrences.insert(eWord, occurrences.value(eWord));
        if (prepared.tags.at(qsizetype(i)).startsWith(QLatin1String(meant)))
            preferred.insert(eWord);
    }
    QList<ReadingOfWord> readings;
    for (auto word = occurrences.cbegin(); word != occurrences.cend(); ++word) {
        const int readingRank = int(ranker.RankOfReading(prepared.lexeme, rank, word.key()));
        readings.append({word.key(), {0, readingRank, word.value()}, preferred.contains(word.key())});
    }
    return readings;
}

// A lexeme to write, and where it goes in the order of lexemes.
struct NumberedLexeme {
    std::size_t source;
    std::size_t built;
    LexemeRank rank;
    double frequency;
};

// The lexemes to write, in the order they are to be numbered: by rank, then
// the more frequent first, then in source order.
std::vector<NumberedLexeme> NumberLexemes(const BuildSources &sources, const LexemeSplitter &splitter,
                                          const TwinLexemes &twins, const LexemeRanker &ranker,
                                          LexemeFrequency &frequency)
{
    const auto forEachLexeme = [&](const auto &visit) {
        for (std::size_t source = 0; source < sources.lexemes.size(); ++source) {
            const std::vector<BuiltLexeme> built = splitter.Split(sources.corpus.Expand(sources.lexemes[source]));
            for (std::size_t i = 0; i < built.size(); ++i) {
                if (!twins.IsLeftOut({source, i}))
                    visit(source, i, built[i]);
            }
        }
    };
    forEachLexeme([&](std::size_t, std::size_t, const BuiltLexeme &lexeme) { frequency.Note(lexeme); });
    std::vector<NumberedLexeme> numbered;
    // The everyday lemmas the corpus cannot settle: the listed lexeme goes
    // before the others of its lemma.
    QHash<QString, double> mostOfLemma;
    std::vector<std::pair<std::size_t, QString>> preferred;
    forEachLexeme([&](std::size_t source, std::size_t i, const BuiltLexeme &lexeme) {
        numbered.push_back({source, i, ranker.Rank(lexeme), frequency.Of(lexeme)});
        const QString &lemma = lexeme.forms[lexeme.lemmaIndex].word;
        if (IsPreferredOfItsLemma(lexeme))
            preferred.emplace_back(numbered.size() - 1, lemma);
        else
            mostOfLemma[lemma] = std::max(mostOfLemma.value(lemma), numbered.back().frequency);
    });
    for (const auto &[index, lemma] : preferred)
        numbered[index].frequency = std::max(numbered[index].frequency, mostOfLemma.value(lemma) + 1);
    std::stable_sort(numbered.begin(), numbered.end(), [](const NumberedLexeme &a, const NumberedLexeme &b) {
        return a.rank != b.rank ? a.rank < b.rank : a.frequency > b.frequency;
    });
    return numbered;
}

// Each reading's occurrences, rounded to whole ones; a reading seen less
// than half a time is left out, as one never seen.
qint64 WriteCorpusCounts(const CorpusTagCounts &counts, FormsDbWriter &writer)
{
    qint64 rows = 0;
    for (auto word = counts.all().cbegin(); word != counts.all().cend(); ++word) {
        for (const CorpusTagCounts::Reading &reading : word.value()) {
            if (const int count = qRound(reading.count); count > 0) {
                writer.AddCorpusCount(word.key(), reading.tagId, count);
                ++rows;
            }
        }
    }
    return rows;
}

}  // namespace

BuildReport BuildFormsDb(const BuildSources &sources, const QString &target, const ProgressReporter &progress)
{
    const OpenCorpora &corpus = sources.corpus;
    const LexemeSplitter splitter(corpus.tags(), corpus.prefixes());
    progress(QStringLiteral("Looking for spellings several lexemes share..."));
    const SharedSpellings shared = SharedSpellings::Of(corpus, sources.lexemes);
    progress(QStringLiteral("Looking for lexemes with the same lemma and table..."));
    TwinLexemes twins(corpus.tags());
    FindTwins(sources, splitter, shared, twins);
    FormsDbWriter writer(target, twins.AllTags());
    EndingTableBuilder endings(twins.AllTags());
    BuildReport report;
    DictionaryForms yoForms;
    StressCorrectionCounts corrections;

    // Lexemes are numbered rank by rank, and within a rank the more frequent
    // first, so that a word's likely lemma is its first tab.
    progress(QStringLiteral("Ordering the lexemes..."));
    const LexemeRanker ranker(corpus.tags());
    const CorpusTagCounts noCounts;
    LexemeFrequency frequency(sources.tagCounts ? *sources.tagCounts : noCounts);
    ReadingCountTable readingCounts;
    for (const NumberedLexeme &numbered : NumberLexemes(sources, splitter, twins, ranker, frequency)) {
        const SourceLexeme &source = sources.lexemes[numbered.source];
        const std::vector<BuiltLexeme> built = splitter.Split(corpus.Expand(source));
        PreparedLexeme prepared = Prepare(built[numbered.built], source, sources, shared, corrections);
        QList<ReadingOfWord> readings = ReadingsOf(prepared, numbered.rank, ranker, frequency);
        twins.Widen({numbered.source, numbered.built}, prepared.lexeme);
        const qint64 lemmaId = WriteLexeme(prepared, writer, report, yoForms, endings);
        for (ReadingOfWord &read : readings) {
            read.reading.lemmaId = lemmaId;
            readingCounts.Add(read.eWord, read.reading, read.preferred);
        }
    }
    report.rows = writer.rowCount();

    progress(QStringLiteral("Collecting the ё spellings..."));
    const YoTableBuilder yo(sources.safeYo, sources.notSafeYo, yoForms);
    yo.ForEachRow([&writer](const QString &str, const QString &strYo) { writer.AddYo(str, strYo); });
    report.yoRows = yo.size();
    for (const QString &form : yoForms.all()) {
        if (form.contains(QChar(u'ё')))
            writer.AddYoSpelling(WithoutYo(form), form);
    }
    report.ruleCounts = corrections.Lines();
    report.ruleCounts << QStringLiteral("lexemes with the same lemma and table as another (transitivity aside), left out: %1")
                             .arg(twins.leftOutCount());
    report.ruleCounts << QStringLiteral("ё rows dropped: ё spelling no form %1, е spelling a form of a common word %2")
                             .arg(yo.drops().yoSpellingNoForm)
                             .arg(yo.drops().eSpellingCommonForm);

    if (sources.tagCounts) {
        progress(QStringLiteral("Writing the corpus counts of each reading..."));
        report.ruleCounts << QStringLiteral("corpus counts of readings: %1").arg(WriteCorpusCounts(*sources.tagCounts, writer));
    }

    progress(QStringLiteral("Writing how often the corpus reads a word as each of its lexemes..."));
    report.ruleCounts << QStringLiteral("words whose tabs the corpus orders otherwise than the lexeme numbers: %1")
                             .arg(readingCounts.Write(writer.database()));

    progress(QStringLiteral("Writing the ending table for words the dictionary lacks..."));
    report.ruleCounts << QStringLiteral("ending rows for words the dictionary lacks: %1").arg(endings.Write(writer.database()));

    if (!sources.stress.isEmpty()) {
        progress(QStringLiteral("Writing the stress of the listed forms the dictionary lacks..."));
        report.ruleCounts << QStringLiteral("listed forms the dictionary lacks, with their stress: %1")
                                 .arg(WriteListedOnlyStress(sources.stress, yoForms.all(), writer.database()));
    }

    progress(QStringLiteral("Building the indexes..."));
    writer.Finish();
    return report;
}

}  // namespace tornelis::formsdb
