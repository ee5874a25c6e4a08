#include "build_forms_db.h"
#include "engine/decline_command.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace tornelis;
using namespace tornelis::formsdb;

namespace {

const RenderOptions kStress{true, false, LetterCase::Lower};

}  // namespace

// Words the dictionary lacks, guessed from a dictionary of real lexemes: the
// verbs in -кать, the adjectives in -овый, the surnames in -еев and the
// nouns in -нар and -изация of the source.
class TestEndingTable : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void guessedTables_data();
    void guessedTables();
    void wordWithoutAnalogy();

private:
    QTemporaryDir dir_;
    std::optional<DURIDOD> engine_;
};

void TestEndingTable::initTestCase()
{
    QVERIFY2(QDir(QStringLiteral(TORNELIS_AZ_DICTS)).exists(), "run scripts/setup.sh to fetch the sources");
    const OpenCorpora corpus = OpenCorpora::Load(QStringLiteral(TORNELIS_AZ_DICTS));
    const StressDictionary stress = StressDictionary::Load(QStringLiteral(TORNELIS_STRESS_DIR));
    BuildSources sources{corpus, {}, stress, {}, {}};
    for (const SourceLexeme &lexeme : corpus.ReadLexemes()) {
        const QString &tags = corpus.tags().at(corpus.paradigms()[lexeme.paradigmId].tagIds[0]);
        const bool taken = (tags.startsWith(QLatin1String("INFN")) && lexeme.lemma.endsWith(QStringLiteral("кать"))) ||
                           (tags.startsWith(QLatin1String("ADJF")) && lexeme.lemma.endsWith(QStringLiteral("овый"))) ||
                           (tags.contains(QLatin1String("Surn")) && lexeme.lemma.endsWith(QStringLiteral("еев"))) ||
                           (tags.startsWith(QLatin1String("NOUN")) && lexeme.lemma.endsWith(QStringLiteral("нар"))) ||
                           (tags.startsWith(QLatin1String("NOUN")) && lexeme.lemma.endsWith(QStringLiteral("изация")));
        if (taken)
            sources.lexemes.push_back(lexeme);
    }
    const QString path = dir_.filePath(QStringLiteral("forms.db"));
    BuildFormsDb(sources, path, [](const QString &) {});
    engine_.emplace();
    engine_->Connect(path);
    QVERIFY(engine_->Connected);
}

void TestEndingTable::guessedTables_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("caption");  // the first tab's, up to its model
    QTest::addColumn<QList<QStringList>>("cells");  // column, row, form as shown

    QTest::newRow("verb, no stress") << "лайкать" << "лайкать (глагол (инфинитив), по образцу «"
                                     << QList<QStringList>{{"4", "1", "лайкаю"}, {"4", "8", "лайкают"}, {"5", "4", "лайкала"}};
    QTest::newRow("adjective") << "кринжовый" << "кринжовый (прилагательное, по образцу «"
                               << QList<QStringList>{{"1", "2", "кринжового"}, {"2", "5", "кринжовой"}, {"4", "1", "кринжовые"}};
    QTest::newRow("surname") << "Кащеев" << "Кащеев (существительное, по образцу «"
                             << QList<QStringList>{{"1", "2", "Кащеева"}, {"1", "5", "Кащеевым"}, {"1", "6", "Кащееве"}};
    QTest::newRow("noun, too few analogues to be sure of the stress")
        << "вебинар" << "вебинар (существительное, по образцу «"
        << QList<QStringList>{{"1", "2", "вебинара"}, {"4", "1", "вебинары"}, {"4", "2", "вебинаров"}};
    QTest::newRow("verb form") << "лайкаю" << "лайкать (глагол (инфинитив), по образцу «"
                               << QList<QStringList>{{"4", "1", "лайкаю"}, {"5", "4", "лайкала"}};
    QTest::newRow("verb with a prefix, perfective") << "залайкать" << "залайкать (глагол (инфинитив), по образцу «"
                                                    << QList<QStringList>{{"4", "1", ""}, {"6", "1", "залайкаю"}};
    QTest::newRow("adjective form") << "кринжового" << "кринжовый (прилагательное, по образцу «"
                                    << QList<QStringList>{{"1", "1", "кринжовый"}, {"2", "5", "кринжовой"}};
    QTest::newRow("surname form") << "Кащеевым" << "Кащеев (существительное, по образцу «"
                                  << QList<QStringList>{{"1", "1", "Кащеев"}, {"1", "2", "Кащеева"}};
    QTest::newRow("noun form, no stress") << "вебинаров" << "вебинар (существительное, по образцу «"
                                          << QList<QStringList>{{"1", "1", "вебинар"}, {"4", "2", "вебинаров"}};
    QTest::newRow("noun form, stress shown") << "цифровизацию" << "цифровизация (существительное, по образцу «"
                                             << QList<QStringList>{{"2", "1", "цифровиз'ация"}, {"2", "4", "цифровиз'ацию"}};
    QTest::newRow("noun, stress shown") << "цифровизация" << "цифровизация (существительное, по образцу «"
                                        << QList<QStringList>{{"2", "1", "цифровиз'ация"}, {"2", "2", "цифровиз'ации"},
                                                              {"4", "2", "цифровиз'аций"}};
}

void TestEndingTable::guessedTables()
{
    QFETCH(QString, word);
    QFETCH(QString, caption);
    QFETCH(QList<QStringList>, cells);
    const DeclineOutcome outcome = RunDeclineCommand(*engine_, {word, QString(), true, kStress});
    QVERIFY(!outcome.lemmaCaptions.isEmpty());
    QVERIFY2(outcome.lemmaCaptions.at(0).startsWith(caption), qPrintable(outcome.lemmaCaptions.at(0)));
    const ParadigmGrid &grid =
        outcome.tables.page == ParadigmPage::Conjugation ? outcome.tables.conjugation : outcome.tables.declension;
    for (const QStringList &cell : cells)
        QCOMPARE(grid.at(cell.at(0).toInt(), cell.at(1).toInt()), cell.at(2));
}

void TestEndingTable::wordWithoutAnalogy()
{
    // No lemma of the dictionary ends in -укс, nor a surname in -еев for a word in small letters.
    for (const QString &word : {QStringLiteral("кьюкс"), QStringLiteral("кащеев")})
        QVERIFY(RunDeclineCommand(*engine_, {word, QString(), true, kStress}).lemmaCaptions.isEmpty());
}

QTEST_GUILESS_MAIN(TestEndingTable)
#include "test_ending_table.moc"
