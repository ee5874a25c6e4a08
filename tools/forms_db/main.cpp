// build-forms-db: writes forms.db from OpenCorpora (the az package's dicts/),
// the eyo-kernel ё lists and, when given, the stress files.
#include "build_forms_db.h"
#include "forms_db_report.h"
#include "engine/sqlite_database.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>
#include <stdexcept>

using namespace tornelis::formsdb;

namespace {

// A fixed pick of a given share of the nouns, adjectives and verbs: a
// dictionary built without them shows how well their tables are guessed.
bool HeldOut(const OpenCorpora &corpus, const SourceLexeme &lexeme, int percent)
{
    const QString &tags = corpus.tags().at(corpus.paradigms()[lexeme.paradigmId].tagIds[0]);
    if (!tags.startsWith(QLatin1String("NOUN")) && !tags.startsWith(QLatin1String("ADJF")) &&
        !tags.startsWith(QLatin1String("INFN")))
        return false;
    quint32 hash = 2166136261U;  // FNV-1a, the same on every run
    for (const QChar c : lexeme.lemma + QString::number(lexeme.paradigmId))
        hash = (hash ^ c.unicode()) * 16777619U;
    return int(hash % 100) < percent;
}

void Say(const QString &line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Builds the Tornelis dictionary forms.db."));
    parser.addHelpOption();
    const QCommandLineOption azOption(QStringLiteral("az"), QStringLiteral("The az package's dicts folder."), QStringLiteral("DIR"));
    const QCommandLineOption eyoOption(QStringLiteral("eyo"), QStringLiteral("The eyo-kernel dictionary folder."), QStringLiteral("DIR"));
    const QCommandLineOption stressOption(QStringLiteral("stress"), QStringLiteral("The folder of the stress files (optional)."), QStringLiteral("DIR"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QStringLiteral("The forms.db to write."), QStringLiteral("FILE"));
    const QCommandLineOption reportOption(QStringLiteral("report"), QStringLiteral("Print the figures of the new dictionary."));
    const QCommandLineOption compareOption(QStringLiteral("compare"),
                                           QStringLiteral("With --report: count the lexemes whose tables show other forms than in FILE."),
                                           QStringLiteral("FILE"));
    const QCommandLineOption holdOutOption(QStringLiteral("hold-out"),
                                           QStringLiteral("Leave out PERCENT of the nouns, adjectives and verbs, listing their lemmas on stdout."),
                                           QStringLiteral("PERCENT"));
    parser.addOptions({azOption, eyoOption, stressOption, outputOption, reportOption, compareOption, holdOutOption});
    parser.process(app);
    if (!parser.isSet(azOption) || !parser.isSet(eyoOption) || !parser.isSet(outputOption)) {
        Say(QStringLiteral("build-forms-db: --az, --eyo and --output are required (see --help)"));
        return 2;
    }

    QElapsedTimer timer;
    timer.start();
    try {
        Say(QStringLiteral("Reading OpenCorpora from %1...").arg(parser.value(azOption)));
        const OpenCorpora corpus = OpenCorpora::Load(parser.value(azOption));
        std::size_t keyCount = 0;
        std::vector<SourceLexeme> lexemes = corpus.ReadLexemes(&keyCount);
        Say(QStringLiteral("  %1 keys, %2 source lexemes").arg(keyCount).arg(lexemes.size()));
        SourceLemmas lemmas = SourceLemmas::Of(corpus, lexemes);
        if (parser.isSet(holdOutOption)) {
            const int percent = parser.value(holdOutOption).toInt();
            std::vector<SourceLexeme> kept;
            for (const SourceLexeme &lexeme : lexemes) {
                if (HeldOut(corpus, lexeme, percent))
                    std::printf("%s\t%s\n", qPrintable(lexeme.lemma),
                                qPrintable(corpus.tags().at(corpus.paradigms()[lexeme.paradigmId].tagIds[0])));
                else
                    kept.push_back(lexeme);
            }
            Say(QStringLiteral("  %1 held out").arg(lexemes.size() - kept.size()));
            lexemes = std::move(kept);
        }

        StressDictionary stress;
        if (parser.isSet(stressOption)) {
            Say(QStringLiteral("Reading the stress files from %1...").arg(parser.value(stressOption)));
            stress = StressDictionary::Load(parser.value(stressOption));
            Say(QStringLiteral("  %1 forms").arg(stress.size()));
        } else {
            Say(QStringLiteral("No stress files given: accents come from the ё and one-vowel rules only."));
        }

        Say(QStringLiteral("Reading the corpus statistics..."));
        const CorpusTagCounts tagCounts = CorpusTagCounts::Load(
            QDir(parser.value(azOption)).filePath(QStringLiteral("p_t_given_w.intdawg")), corpus.tags());
        Say(QStringLiteral("  %1 words read more than one way").arg(tagCounts.wordCount()));

        const QDir eyo(parser.value(eyoOption));
        BuildSources sources{corpus, std::move(lexemes), stress,
                             ReadEyoList(eyo.filePath(QStringLiteral("safe.txt"))),
                             ReadEyoList(eyo.filePath(QStringLiteral("not_safe.txt"))), &tagCounts,
                             std::move(lemmas)};
        Say(QStringLiteral("Writing %1...").arg(parser.value(outputOption)));
        const BuildReport report = BuildFormsDb(sources, parser.value(outputOption), Say);
        Say(QStringLiteral("Done in %1 s: %2 lexemes, %3 rows, %4 with a stress mark, %5 ё spellings.")
                .arg(timer.elapsed() / 1000.0, 0, 'f', 1)
                .arg(report.lexemes)
                .arg(report.rows)
                .arg(report.accentedRows)
                .arg(report.yoRows));
        for (const QString &line : report.ruleCounts)
            Say(QStringLiteral("  ") + line);
        if (parser.isSet(reportOption)) {
            ReportDictionary(parser.value(outputOption), Say);
            if (parser.isSet(compareOption))
                ReportChangedWinners(parser.value(outputOption), parser.value(compareOption), Say);
        }
    } catch (const std::exception &error) {
        Say(QStringLiteral("build-forms-db: %1").arg(QString::fromUtf8(error.what())));
        return 1;
    }
    return 0;
}
