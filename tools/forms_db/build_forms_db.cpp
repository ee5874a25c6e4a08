#include "build_forms_db.h"

#include "forms_db_writer.h"
#include "lexeme_split.h"

#include <QSet>

namespace tornelis::formsdb {

BuildReport BuildFormsDb(const BuildSources &sources, const QString &target, const ProgressReporter &progress)
{
    const OpenCorpora &corpus = sources.corpus;
    const LexemeSplitter splitter(corpus.tags(), corpus.prefixes());
    FormsDbWriter writer(target, corpus.tags());
    BuildReport report;
    QSet<QString> dictionaryForms;

    const std::size_t total = sources.lexemes.size();
    std::size_t nextReport = total / 10;
    for (std::size_t done = 0; done < total; ++done) {
        const SourceLexeme &source = sources.lexemes[done];
        for (const BuiltLexeme &lexeme : splitter.Split(corpus.Expand(source))) {
            const QStringList lemmas{lexeme.forms[lexeme.lemmaIndex].word, source.lemma};
            std::vector<int> accents;
            accents.reserve(lexeme.forms.size());
            for (const SourceForm &form : lexeme.forms) {
                accents.push_back(ResolveAccent(sources.stress, form.word, corpus.tags().at(form.tagId), lemmas));
                report.accentedRows += accents.back() > 0 ? 1 : 0;
                dictionaryForms.insert(form.word);
            }
            writer.AddLexeme(lexeme, accents);
            ++report.lexemes;
        }
        if (done + 1 >= nextReport && total >= 10) {
            progress(QStringLiteral("  lexemes: %1 %").arg((done + 1) * 100 / total));
            nextReport += total / 10;
        }
    }
    report.rows = writer.rowCount();

    progress(QStringLiteral("Collecting the ё spellings..."));
    YoTableBuilder yo(sources.safeYo, sources.notSafeYo);
    yo.AddDictionaryForms(dictionaryForms);
    yo.ForEachRow([&writer](const QString &str, const QString &strYo) { writer.AddYo(str, strYo); });
    report.yoRows = yo.size();

    progress(QStringLiteral("Building the indexes..."));
    writer.Finish();
    return report;
}

}  // namespace tornelis::formsdb
