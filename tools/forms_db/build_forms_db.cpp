#include "build_forms_db.h"

#include "forms_db_writer.h"
#include "lexeme_rank.h"
#include "lexeme_split.h"
#include "stress_corrections.h"
#include "two_stresses.h"

namespace tornelis::formsdb {
namespace {

// Writes one lexeme with its spelling mended and its accents, and counts it.
void WriteLexeme(BuiltLexeme lexeme, const SourceLexeme &source, const BuildSources &sources,
                 FormsDbWriter &writer, BuildReport &report, DictionaryForms &yoForms,
                 StressCorrectionCounts &corrections)
{
    QStringList tags;
    for (const SourceForm &form : lexeme.forms)
        tags.append(sources.corpus.tags().at(form.tagId));
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
    for (std::size_t i = 0; i < accents.size(); ++i) {
        report.accentedRows += accents[i] > 0 ? 1 : 0;
        yoForms.Add(lexeme.forms[i].word, tags.at(qsizetype(i)));
    }
    writer.AddLexeme(lexeme, accents);
    ++report.lexemes;
}

}  // namespace

BuildReport BuildFormsDb(const BuildSources &sources, const QString &target, const ProgressReporter &progress)
{
    const OpenCorpora &corpus = sources.corpus;
    const LexemeSplitter splitter(corpus.tags(), corpus.prefixes());
    FormsDbWriter writer(target, corpus.tags());
    BuildReport report;
    DictionaryForms yoForms;
    StressCorrectionCounts corrections;

    // Lexemes are numbered rank by rank, so that a word's likely lemma is its
    // first tab. The first pass writes the standard lexemes and notes which
    // source lexemes hold lexemes of the other ranks for the later passes.
    const LexemeRanker ranker(corpus.tags());
    const std::size_t total = sources.lexemes.size();
    std::vector<std::uint8_t> ranksHeld(total, 0);
    for (int rank = 0; rank < kLexemeRanks; ++rank) {
        std::size_t nextReport = total / 10;
        for (std::size_t done = 0; done < total; ++done) {
            if (rank > 0 && !(ranksHeld[done] & (1U << rank)))
                continue;
            const SourceLexeme &source = sources.lexemes[done];
            for (const BuiltLexeme &lexeme : splitter.Split(corpus.Expand(source))) {
                const int lexemeRank = int(ranker.Rank(lexeme));
                ranksHeld[done] |= std::uint8_t(1U << lexemeRank);
                if (lexemeRank == rank)
                    WriteLexeme(lexeme, source, sources, writer, report, yoForms, corrections);
            }
            if (rank == 0 && done + 1 >= nextReport && total >= 10) {
                progress(QStringLiteral("  lexemes: %1 %").arg((done + 1) * 100 / total));
                nextReport += total / 10;
            }
        }
    }
    report.rows = writer.rowCount();

    progress(QStringLiteral("Collecting the ё spellings..."));
    const YoTableBuilder yo(sources.safeYo, sources.notSafeYo, yoForms);
    yo.ForEachRow([&writer](const QString &str, const QString &strYo) { writer.AddYo(str, strYo); });
    report.yoRows = yo.size();
    report.ruleCounts = corrections.Lines();
    report.ruleCounts << QStringLiteral("ё rows dropped: ё spelling no form %1, е spelling a form of a common word %2")
                             .arg(yo.drops().yoSpellingNoForm)
                             .arg(yo.drops().eSpellingCommonForm);

    progress(QStringLiteral("Building the indexes..."));
    writer.Finish();
    return report;
}

}  // namespace tornelis::formsdb
