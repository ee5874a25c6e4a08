#include "engine/decline_command.h"
#include "engine/duridod.h"
#include "support/test_database.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tornelis;
using namespace tornelis::test;

namespace {

const RenderOptions kStress{true, false, LetterCase::Lower};

// A dictionary of a few lexemes and an ending table over them, as the
// builder writes it: per ending the paradigms with their support and stress
// (places counted from the word's end), per paradigm its suffixes and tags.
void WriteDictionary(const QString &path, bool endingTable)
{
    QList<FormRow> rows;
    rows += Lexeme(1, {{"макаю", "VERB,impf,tran sing,1per,pres,indc"},
                       {"макал", "VERB,impf,tran masc,sing,past,indc"},
                       {"макать", "INFN,impf,tran"}}, 2);
    rows += Lexeme(10, {{"сосновый", "ADJF masc,sing,nomn"}, {"сосновой", "ADJF femn,sing,gent"}});
    rows += Lexeme(20, {{"сергеев", "NOUN,anim,masc,Sgtm,Surn sing,nomn"},
                        {"сергеева", "NOUN,anim,masc,Sgtm,Surn sing,gent"},
                        {"сергеевым", "NOUN,anim,masc,Sgtm,Surn sing,ablt"}});
    rows += Lexeme(30, {{"семинар", "NOUN,inan,masc sing,nomn"}, {"семинару", "NOUN,inan,masc sing,datv"},
                        {"семинары", "NOUN,inan,masc plur,nomn"}});
    rows += Lexeme(40, {{"колос", "NOUN,inan,masc sing,nomn"}, {"колосу", "NOUN,inan,masc sing,datv"}});
    WriteTestDatabase(path, rows);
    if (!endingTable)
        return;
    AddEndingTable(path, QStringLiteral(
        "insert into guess_paradigms values"
        " (1, 0, 'аю', 'VERB,impf,tran sing,1per,pres,indc', 0), (1, 1, 'ал', 'VERB,impf,tran masc,sing,past,indc', 0),"
        " (1, 2, 'ать', 'INFN,impf,tran', 1),"
        " (2, 0, 'ый', 'ADJF masc,sing,nomn', 1), (2, 1, 'ой', 'ADJF femn,sing,gent', 0),"
        " (3, 0, '', 'NOUN,anim,masc,Sgtm,Surn sing,nomn', 1), (3, 1, 'а', 'NOUN,anim,masc,Sgtm,Surn sing,gent', 0),"
        " (3, 2, 'ым', 'NOUN,anim,masc,Sgtm,Surn sing,ablt', 0),"
        " (4, 0, '', 'NOUN,inan,masc sing,nomn', 1), (4, 1, 'у', 'NOUN,inan,masc sing,datv', 0),"
        " (4, 2, 'ы', 'NOUN,inan,masc plur,nomn', 0),"
        // A second, weaker verb paradigm: a second tab.
        " (5, 0, 'ал', 'VERB,perf,tran masc,sing,past,indc', 0), (5, 1, 'ать', 'INFN,perf,tran', 1),"
        " (6, 0, '', 'NOUN,inan,masc sing,nomn', 1), (6, 1, 'у', 'NOUN,inan,masc sing,datv', 0);"
        // Lemma endings (lemma 1) and those of other forms (lemma 0) with
        // the form's place in the paradigm.
        // Verbs in -кать: five lexemes stress alike, but a verb's guessed
        // stress is never sure enough. None of the five starts with a
        // prefix before -кать; of the two perfectives one does, with за-.
        "insert into guess_endings values ('кать', 1, 5, 1, 2, 3, '2,1,1', 5, 5, 0, 0),"
        " ('кать', 1, 2, 5, 1, 3, '1,1', 1, 2, 1, 0), ('каю', 0, 5, 1, 0, 3, '2,1,1', 5, 5, 0, 0),"
        // Adjectives in -овый: the lexemes of known stress disagree.
        " ('овый', 1, 4, 2, 0, 10, '2,2', 3, 4, 0, 0), ('овой', 0, 4, 2, 1, 10, '2,2', 3, 4, 0, 0),"
        // Surnames in -еев: no stress known.
        " ('еев', 1, 2, 3, 0, 20, '', 0, 0, 0, 0), ('еевым', 0, 2, 3, 2, 20, '', 0, 0, 0, 0),"
        // Nouns in -нар, stressed on the ending's last vowel; nouns in -лос,
        // stressed on a vowel before the shared ending; nouns in -вар, too
        // few to be sure. A word read as another form than the lemma needs
        // fifty: enough for -нары, too few for -вары.
        " ('нар', 1, 25, 4, 0, 30, '1,2,2', 25, 25, 0, 0), ('нары', 0, 50, 4, 2, 30, '1,2,2', 50, 50, 0, 0),"
        " ('лос', 1, 30, 6, 0, 40, '2,2', 30, 30, 0, 0), ('вар', 1, 24, 4, 0, 30, '1,2,2', 24, 24, 0, 0),"
        " ('вары', 0, 49, 4, 2, 30, '1,2,2', 49, 49, 0, 0),"
        // A form ending longer than any lemma ending of the word: вебинару
        // is read as a form of a noun in -ар before a lemma in -ару.
        " ('ару', 1, 3, 6, 0, 40, '', 0, 0, 0, 0), ('нару', 0, 50, 4, 1, 30, '1,2,2', 50, 50, 0, 0);"));
}

QStringList NonEmpty(const ParadigmGrid &grid)
{
    QStringList cells;
    for (int row = 0; row < grid.rows(); ++row) {
        for (int column = 0; column < grid.columns(); ++column) {
            if (!grid.at(column, row).isEmpty())
                cells.append(grid.at(column, row));
        }
    }
    return cells;
}

}  // namespace

class TestPrediction : public QObject {
    Q_OBJECT

private slots:
    void init();
    void guessesTablesByEnding_data();
    void guessesTablesByEnding();
    void guessesAreMarkedAndCountedAsNotFound();
    void secondTabAndItsTable();
    void dictionaryWordsAreNeverGuessed();
    void noTableNoGuess();

private:
    DeclineOutcome decline(const QString &word) { return RunDeclineCommand(engine_, {word, QString(), true, kStress}); }

    QTemporaryDir dir_;
    DURIDOD engine_;
};

void TestPrediction::init()
{
    // The last test's connection is closed first: Windows keeps an open file.
    engine_ = DURIDOD();
    const QString path = dir_.filePath(QStringLiteral("forms.db"));
    QFile::remove(path);
    WriteDictionary(path, true);
    engine_.Connect(path);
    QVERIFY(engine_.Connected);
}

void TestPrediction::guessesTablesByEnding_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("cells");  // the first tab's cells, stress marks as shown

    QTest::newRow("verb, stress withheld") << "лайкать"
                                           << QStringList{"лайкать (глагол (инфинитив), по образцу «макать»)",
                                                          "лайкать (глагол (инфинитив), по образцу «макать»)"}
                                           << QStringList{"лайкаю", "лайкал"};
    QTest::newRow("adjective, stress withheld") << "кринжовый"
                                                << QStringList{"кринжовый (прилагательное, по образцу «сосновый»)"}
                                                << QStringList{"кринжовый", "кринжовой"};
    QTest::newRow("surname, typed with a capital") << "Кащеев"
                                                   << QStringList{"Кащеев (существительное, по образцу «Сергеев»)"}
                                                   << QStringList{"Кащеев", "Кащеева", "Кащеевым"};
    QTest::newRow("surname ending, typed in small letters") << "кащеев" << QStringList{} << QStringList{};
    QTest::newRow("noun, stress within the shared letters") << "вебинар"
                                                            << QStringList{"вебинар (существительное, по образцу «семинар»)"}
                                                            << QStringList{"вебин'ар", "вебин'ары", "вебин'ару"};
    QTest::newRow("noun, stress before the shared letters") << "пуголос"
                                                            << QStringList{"пуголос (существительное, по образцу «колос»)"}
                                                            << QStringList{"пуголос", "пуголосу"};
    QTest::newRow("noun, too few lexemes to be sure of the stress")
        << "самовар" << QStringList{"самовар (существительное, по образцу «семинар»)"}
        << QStringList{"самовар", "самовары", "самовару"};
    QTest::newRow("verb form") << "лайкаю"
                               << QStringList{"лайкать (глагол (инфинитив), по образцу «макать»)"}
                               << QStringList{"лайкаю", "лайкал"};
    QTest::newRow("verb with a prefix, perfective") << "залайкать"
                                                    << QStringList{"залайкать (глагол (инфинитив), по образцу «макать»)"}
                                                    << QStringList{"залайкал"};
    QTest::newRow("adjective form") << "кринжовой"
                                    << QStringList{"кринжовый (прилагательное, по образцу «сосновый»)"}
                                    << QStringList{"кринжовый", "кринжовой"};
    QTest::newRow("surname form") << "Кащеевым" << QStringList{"Кащеев (существительное, по образцу «Сергеев»)"}
                                  << QStringList{"Кащеев", "Кащеева", "Кащеевым"};
    QTest::newRow("noun form, stress shown") << "вебинары"
                                             << QStringList{"вебинар (существительное, по образцу «семинар»)"}
                                             << QStringList{"вебин'ар", "вебин'ары", "вебин'ару"};
    QTest::newRow("noun form, too few lexemes to be sure of the stress")
        << "самовары" << QStringList{"самовар (существительное, по образцу «семинар»)"}
        << QStringList{"самовар", "самовары", "самовару"};
    QTest::newRow("noun form before a shorter lemma ending")
        << "вебинару"
        << QStringList{"вебинар (существительное, по образцу «семинар»)",
                       "вебинару (существительное, по образцу «колос»)"}
        << QStringList{"вебин'ар", "вебин'ары", "вебин'ару"};
    QTest::newRow("no ending of three letters shared") << "кьюкс" << QStringList{} << QStringList{};
    QTest::newRow("no run of Russian letters") << "лайкать1" << QStringList{} << QStringList{};
    QTest::newRow("lemma ending the word lacks") << "ать" << QStringList{} << QStringList{};
}

void TestPrediction::guessesTablesByEnding()
{
    QFETCH(QString, word);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, cells);
    const DeclineOutcome outcome = decline(word);
    QCOMPARE(outcome.lemmaCaptions, captions);
    const bool verb = outcome.tables.page == ParadigmPage::Conjugation;
    QCOMPARE(NonEmpty(verb ? outcome.tables.conjugation : outcome.tables.declension), cells);
}

void TestPrediction::guessesAreMarkedAndCountedAsNotFound()
{
    const DeclineOutcome outcome = decline(QStringLiteral("лайкать"));
    QCOMPARE(engine_.FoundCount, 0);
    QCOMPARE(engine_.NotFoundCount, 1);
    QVERIFY(engine_.LemmaIds.isEmpty());
    const PredictedLexeme *guess = engine_.PredictedAt(0);
    QVERIFY(guess);
    QCOMPARE(guess->model, QStringLiteral("макать"));
    QCOMPARE(guess->support, 5);
    // The infinitive has no cell: it is among the other forms, typed.
    QCOMPARE(outcome.tables.other.size(), 1);
    QCOMPARE(outcome.tables.other.at(0).text, QStringLiteral("лайкать"));
    QVERIFY(outcome.tables.other.at(0).typed);
    QCOMPARE(outcome.tables.other.at(0).tags, QStringLiteral("INFN,impf,tran"));
}

void TestPrediction::secondTabAndItsTable()
{
    decline(QStringLiteral("лайкать"));
    const ParadigmTables second = engine_.FillTables(1, kStress, TypedForm(QStringLiteral("лайкал"), false));
    QCOMPARE(NonEmpty(second.conjugation), QStringList{"лайкал"});
    QCOMPARE(NonEmpty(second.conjugationTags), QStringList{"VERB,perf,tran masc,sing,past,indc"});
    QCOMPARE(second.conjugationTyped.size(), 1);
    QVERIFY(!engine_.PredictedAt(2));
}

void TestPrediction::dictionaryWordsAreNeverGuessed()
{
    decline(QStringLiteral("лайкать"));
    const DeclineOutcome found = decline(QStringLiteral("макаю"));
    QCOMPARE(found.lemmaCaptions, QStringList{"макать (глагол (инфинитив))"});
    QCOMPARE(engine_.FoundCount, 1);
    QVERIFY(!engine_.PredictedAt(0));
    // Nothing found and nothing guessed: the earlier guesses are gone too.
    QVERIFY(decline(QStringLiteral("кьюкс")).lemmaCaptions.isEmpty());
    QVERIFY(!engine_.PredictedAt(0));
    QVERIFY(NonEmpty(engine_.FillTables(0, kStress).declension).isEmpty());
}

void TestPrediction::noTableNoGuess()
{
    const QString path = dir_.filePath(QStringLiteral("plain.db"));
    WriteDictionary(path, false);
    engine_.Connect(path);
    QVERIFY(engine_.Connected);
    QVERIFY(decline(QStringLiteral("лайкать")).lemmaCaptions.isEmpty());
    QCOMPARE(engine_.NotFoundCount, 1);

    // An ending table of lemma endings only, as older dictionaries have: no guess, no error.
    const QString older = dir_.filePath(QStringLiteral("older.db"));
    WriteDictionary(older, false);
    SqliteDatabase(older, SqliteDatabase::Mode::Create)
        .exec(QStringLiteral("create table guess_endings(ending text, support integer, paradigm_id integer,"
                             " model_id integer, stress text, stress_support integer, stress_known integer);"
                             "insert into guess_endings values ('кать', 5, 1, 3, '', 0, 0);"));
    engine_.Connect(older);
    QVERIFY(engine_.Connected);
    QVERIFY(decline(QStringLiteral("лайкать")).lemmaCaptions.isEmpty());
    QCOMPARE(engine_.NotFoundCount, 2);
}

QTEST_GUILESS_MAIN(TestPrediction)
#include "test_prediction.moc"
