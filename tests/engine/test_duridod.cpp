#include "engine/decline_command.h"
#include "engine/duridod.h"
#include "engine/stress_lookup.h"
#include "support/files.h"
#include "support/test_database.h"

#include <QTemporaryDir>
#include <algorithm>
#include <QtTest>

using namespace tornelis;
using namespace tornelis::test;

namespace {

class RecordingReporter : public ConnectionErrorReporter {
public:
    void ReportConnectionError(const QString &message) override { messages.append(message); }
    QStringList messages;
};

const RenderOptions kPlain{false, false, LetterCase::Lower};

QList<FormRow> Dictionary()
{
    QList<FormRow> rows;
    // стол: a noun, with an accent on its lemma.
    rows += Lexeme(1, {{"стол", "NOUN,inan,masc sing,nomn"},
                       {"стола", "NOUN,inan,masc sing,gent"},
                       {"столами", "NOUN,inan,masc plur,ablt"},
                       {"стол", "NOUN,inan,masc sing,accs"}});
    rows[0].accent = 1;
    // читать: finite forms first, then the infinitive.
    rows += Lexeme(10, {{"читаю", "VERB,impf,tran sing,1per,pres,indc"},
                        {"читает", "VERB,impf,tran sing,3per,pres,indc"},
                        {"читал", "VERB,impf,tran masc,sing,past,indc"},
                        {"читали", "VERB,impf,tran plur,past,indc"},
                        {"читать", "INFN,impf,tran"}});
    // мама: the variant form comes before the standard one, which stays.
    rows += Lexeme(20, {{"мама", "NOUN,anim,femn sing,nomn"},
                        {"мамою", "NOUN,anim,femn sing,ablt,V-oy"},
                        {"мамой", "NOUN,anim,femn sing,ablt"}});
    // стали: a form of two lemmas.
    rows += Lexeme(30, {{"сталь", "NOUN,inan,femn sing,nomn"}, {"стали", "NOUN,inan,femn sing,gent"}});
    rows += Lexeme(40, {{"стать", "INFN,perf,intr"}, {"стали", "VERB,perf,intr plur,past,indc"}});
    // ёлка and a lemma of an unknown part of speech.
    rows += Lexeme(50, {{"ёлка", "NOUN,inan,femn sing,nomn"}});
    rows += Lexeme(60, {{"ой", "XXXX"}});
    // Proper names, an abbreviation read letter by letter and a cut-short one.
    rows += Lexeme(200, {{"москва", "NOUN,inan,femn,Sgtm,Geox sing,nomn"}, {"москвы", "NOUN,inan,femn,Sgtm,Geox sing,gent"}});
    rows += Lexeme(210, {{"сша", "NOUN,inan,GNdr,Pltm,Fixd,Abbr,Geox plur,nomn"}});
    rows += Lexeme(220, {{"днк", "NOUN,inan,femn,Sgtm,Fixd,Abbr sing,nomn"}});
    rows += Lexeme(230, {{"тыс", "NOUN,inan,femn,Fixd,Abbr sing,nomn"}});
    rows += Lexeme(240, {{"г-н", "NOUN,anim,masc,Sgtm,Abbr sing,nomn"}});
    rows += Lexeme(242, {{"ростов-на-дону", "NOUN,inan,masc,Sgtm,Geox sing,nomn"},
                         {"ростова-на-дону", "NOUN,inan,masc,Sgtm,Geox sing,gent"}});
    rows += Lexeme(245, {{"авиаприбор-холдинг", "NOUN,inan,masc,Orgn sing,nomn"}});
    rows += Lexeme(247, {{"би-би-си", "NOUN,inan,femn,Sgtm,Fixd,Orgn sing,nomn"}});
    // тот: its two accusatives, the animate one delivered first.
    rows += Lexeme(250, {{"тот", "ADJF,Apro,Subx,Anph masc,sing,nomn"},
                         {"тех", "ADJF,Apro,Subx,Anph anim,plur,accs"},
                         {"те", "ADJF,Apro,Subx,Anph inan,plur,accs"},
                         {"тот", "ADJF,Apro,Subx,Anph inan,masc,sing,accs"},
                         {"того", "ADJF,Apro,Subx,Anph anim,masc,sing,accs"}});
    // много: the source's distorted cases are no words.
    rows += Lexeme(260, {{"многа", "NUMR gent,Dist"}, {"много", "NUMR nomn"}, {"многу", "NUMR datv,Dist"}}, 1);
    // Spelled with an apostrophe and without, two words.
    rows += Lexeme(80, {{"о'кей", "INTJ"}});
    rows += Lexeme(90, {{"окей", "PRCL"}});
    rows += Lexeme(100, {{"привет", "INTJ"}});
    // осел of осесть and осёл; брать (берёт) numbered before the noun берет.
    rows += Lexeme(110, {{"осел", "VERB,perf,intr masc,sing,past,indc"}, {"осесть", "INFN,perf,intr"}}, 1);
    rows += Lexeme(120, {{"осёл", "NOUN,anim,masc sing,nomn"}, {"осла", "NOUN,anim,masc sing,gent"}});
    rows += Lexeme(130, {{"берёт", "VERB,impf,tran sing,3per,pres,indc"}, {"брать", "INFN,impf,tran"}}, 1);
    rows += Lexeme(140, {{"берет", "NOUN,inan,masc sing,nomn"}});
    rows += Lexeme(150, {{"узнает", "VERB,perf,tran sing,3per,futr,indc"}, {"узнать", "INFN,perf,tran"}}, 1);
    rows += Lexeme(160, {{"узнаёт", "VERB,impf,tran sing,3per,pres,indc"}, {"узнавать", "INFN,impf,tran"}}, 1);
    // конечно: the short form of конечный numbered before the conjunction; порт:
    // the abbreviation of португальский numbered before the harbour.
    rows += Lexeme(300, {{"конечный", "ADJF,Qual masc,sing,nomn"}, {"конечно", "ADJS,Qual neut,sing"}});
    rows += Lexeme(310, {{"конечно", "CONJ,Prnt"}});
    rows += Lexeme(320, {{"португальский", "ADJF masc,sing,nomn"}, {"порт", "ADJF,Fixd,Abbr masc,sing,nomn"}});
    rows += Lexeme(330, {{"порт", "NOUN,inan,masc sing,nomn"}, {"порта", "NOUN,inan,masc sing,gent"}});
    return rows;
}

}  // namespace

class TestDuridod : public QObject {
    Q_OBJECT

private slots:
    void init();
    void lookupCountsAndCaptions_data();
    void lookupCountsAndCaptions();
    void notConnectedFindsNothingAndCountsNothing();
    void restoreYoComparesExactlyAsTyped_data();
    void restoreYoComparesExactlyAsTyped();
    void lemmaIdsInDeliveredOrderAndMissingRowDropped();
    void fillsDeclensionPage();
    void fillsConjugationPageWithThirdPersonRows();
    void laterRowOnSameCellWins();
    void infinitiveFirstSelectsDeclension();
    void renderOptionsApply();
    void namesAsAReaderWritesThem_data();
    void namesAsAReaderWritesThem();
    void bothAccusativesInOneCell();
    void distortedFormsTakeNoCell();
    void declineCommandRestoresYoAndFallsBack();
    void mistypedWordIsReadAsMeant_data();
    void yoSpellingsFoundToo_data();
    void yoSpellingsFoundToo();
    void tabsInTheOrderReadersMeetThem_data();
    void tabsInTheOrderReadersMeetThem();
    void mistypedWordIsReadAsMeant();
    void connectsWhateverTheFolderIsCalled_data();
    void connectsWhateverTheFolderIsCalled();
    void connectionFailures_data();
    void connectionFailures();
    void statementFailureThrowsAndNextCommandStartsClean();
    void endlessViewIsReportedAsDamaged();
    void craftedDictionaryEndsTheCommandAsDamaged_data();
    void craftedDictionaryEndsTheCommandAsDamaged();
    void oversizedSchemaIsRefusedAsDamaged();
    void overLongWordIsNotFound();
    void yoRowWithoutItsSpellingLeavesTheWord();
    void dictionaryPutRightIsReadAgain();
    void anotherDictionaryIsReadAfterReconnecting();

private:
    QString writeDictionary(const QString &name = QStringLiteral("forms.db"));
    QTemporaryDir dir_;
};

void TestDuridod::init()
{
    QVERIFY(dir_.isValid());
}

QString TestDuridod::writeDictionary(const QString &name)
{
    const QString path = dir_.filePath(name);
    WriteTestDatabase(path, Dictionary(),
                      {{"елка", "ёлка"}, {"Елка", "Ёлка"}, {"еж", "ёж"}, {"еж", "ёжик"}});
    return path;
}

void TestDuridod::lookupCountsAndCaptions_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("lemma") << "стол" << QStringList{"стол (существительное)"};
    QTest::newRow("capitals looked up in lower case") << "СТОЛАМИ" << QStringList{"стол (существительное)"};
    QTest::newRow("verb") << "читает" << QStringList{"читаю (глагол)"};
    QTest::newRow("two lemmas") << "стали" << QStringList{"сталь (существительное)", "стать (глагол (инфинитив))"};
    QTest::newRow("no label") << "ой" << QStringList{"ой ()"};
    QTest::newRow("not trimmed") << "стол " << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("unknown") << "кот" << QStringList{};
}

void TestDuridod::lookupCountsAndCaptions()
{
    QFETCH(QString, word);
    QFETCH(QStringList, captions);
    DURIDOD engine;
    engine.Connect(writeDictionary());
    QVERIFY(engine.Connected);
    QCOMPARE(engine.FindLemmas(word), captions);
    QCOMPARE(engine.LemmaIds.size(), captions.size());
    QCOMPARE(engine.FoundCount, captions.isEmpty() ? 0 : 1);
    QCOMPARE(engine.NotFoundCount, captions.isEmpty() ? 1 : 0);
    engine.FindLemmas(word);
    QCOMPARE(engine.FoundCount + engine.NotFoundCount, 2);
}

void TestDuridod::notConnectedFindsNothingAndCountsNothing()
{
    DURIDOD engine;
    engine.Connect(dir_.filePath(QStringLiteral("missing.db")));
    QVERIFY(!engine.Connected);
    engine.LemmaIds = {QStringLiteral("1")};
    QCOMPARE(engine.FindLemmas(QStringLiteral("стол")), QStringList{});
    QVERIFY(engine.LemmaIds.isEmpty());
    QCOMPARE(engine.FoundCount, 0);
    QCOMPARE(engine.NotFoundCount, 0);
    QCOMPARE(engine.RestoreYo(QStringLiteral("елка")), QStringLiteral("елка"));
    QVERIFY(!engine.FillTables(0, kPlain).page.has_value());
}

void TestDuridod::restoreYoComparesExactlyAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("restored");
    QTest::newRow("lower case") << "елка" << "ёлка";
    QTest::newRow("capitalised, stored so") << "Елка" << "Ёлка";
    QTest::newRow("capitals, not stored so") << "ЕЛКА" << "ЕЛКА";
    QTest::newRow("blank kept") << "елка " << "елка ";
    QTest::newRow("first row of several") << "еж" << "ёж";
    QTest::newRow("absent") << "стол" << "стол";
}

void TestDuridod::restoreYoComparesExactlyAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, restored);
    DURIDOD engine;
    engine.Connect(writeDictionary());
    QCOMPARE(engine.RestoreYo(typed), restored);
}

void TestDuridod::lemmaIdsInDeliveredOrderAndMissingRowDropped()
{
    QList<FormRow> rows = Dictionary();
    // A form whose lemma row does not exist, between two real lemmas.
    rows.append({70, "стали", "NOUN,inan,femn plur,nomn", 0, 35});
    const QString path = dir_.filePath(QStringLiteral("orphan.db"));
    WriteTestDatabase(path, rows);
    DURIDOD engine;
    engine.Connect(path);
    QCOMPARE(engine.FindLemmas(QStringLiteral("стали")),
             QStringList({"сталь (существительное)", "стать (глагол (инфинитив))"}));
    QCOMPARE(engine.LemmaIds, QStringList({"30", "40"}));
    QCOMPARE(engine.FoundCount, 1);
    // Tab 1 stands for стать, not for the orphaned id.
    const ParadigmTables tables = engine.FillTables(1, kPlain);
    QCOMPARE(tables.page, ParadigmPage::Declension);
    QCOMPARE(engine.FillTables(5, kPlain).page, std::nullopt);
}

void TestDuridod::fillsDeclensionPage()
{
    DURIDOD engine;
    engine.Connect(writeDictionary());
    engine.FindLemmas(QStringLiteral("столами"));
    const ParadigmTables tables = engine.FillTables(0, kPlain);
    QCOMPARE(tables.page, ParadigmPage::Declension);
    QCOMPARE(tables.declension.at(1, 1), QStringLiteral("стол"));
    QCOMPARE(tables.declension.at(1, 2), QStringLiteral("стола"));
    QCOMPARE(tables.declension.at(1, 4), QStringLiteral("стол"));
    QCOMPARE(tables.declension.at(4, 5), QStringLiteral("столами"));
    QCOMPARE(tables.declensionTags.at(4, 5), QStringLiteral("NOUN,inan,masc plur,ablt"));
    QCOMPARE(tables.declension.at(2, 1), QString());
    QCOMPARE(tables.conjugation, ParadigmGrid(7, 9));
}

void TestDuridod::fillsConjugationPageWithThirdPersonRows()
{
    DURIDOD engine;
    engine.Connect(writeDictionary());
    engine.FindLemmas(QStringLiteral("читать"));
    const ParadigmTables tables = engine.FillTables(0, kPlain);
    QCOMPARE(tables.page, ParadigmPage::Conjugation);
    QCOMPARE(tables.conjugation.at(4, 1), QStringLiteral("читаю"));
    for (int row : {3, 4, 5}) {
        QCOMPARE(tables.conjugation.at(4, row), QStringLiteral("читает"));
        QCOMPARE(tables.conjugationTags.at(4, row), QStringLiteral("VERB,impf,tran sing,3per,pres,indc"));
    }
    QCOMPARE(tables.conjugation.at(5, 3), QStringLiteral("читал"));
    QCOMPARE(tables.conjugation.at(5, 4), QString());
    for (int row : {6, 7, 8})  // a plural past form has no person: it is everyone's
        QCOMPARE(tables.conjugation.at(5, row), QStringLiteral("читали"));
    QCOMPARE(tables.conjugation.at(4, 8), QString());
    QCOMPARE(tables.declension, ParadigmGrid(5, 7));
}

void TestDuridod::laterRowOnSameCellWins()
{
    DURIDOD engine;
    engine.Connect(writeDictionary());
    engine.FindLemmas(QStringLiteral("мамою"));
    const ParadigmTables tables = engine.FillTables(0, kPlain);
    QCOMPARE(tables.declension.at(2, 5), QStringLiteral("мамой"));
    QCOMPARE(tables.declensionTags.at(2, 5), QStringLiteral("NOUN,anim,femn sing,ablt"));
}

void TestDuridod::infinitiveFirstSelectsDeclension()
{
    DURIDOD engine;
    engine.Connect(writeDictionary());
    engine.FindLemmas(QStringLiteral("стали"));
    const ParadigmTables tables = engine.FillTables(1, kPlain);
    QCOMPARE(tables.page, ParadigmPage::Declension);
    QCOMPARE(tables.declension, ParadigmGrid(5, 7));
}

void TestDuridod::renderOptionsApply()
{
    DURIDOD engine;
    engine.Connect(writeDictionary());
    engine.FindLemmas(QStringLiteral("стол"));
    QCOMPARE(engine.FillTables(0, {true, true, LetterCase::Upper}).declension.at(1, 1), QStringLiteral("СТ'ОЛ"));
    QCOMPARE(engine.FillTables(0, {true, true, LetterCase::FirstCapital}).declension.at(1, 2),
             QStringLiteral("Сто-ла"));
    QCOMPARE(engine.FillTables(0, kPlain).declension.at(1, 1), QStringLiteral("стол"));
}

void TestDuridod::namesAsAReaderWritesThem_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("letterCase");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("cell");  // the first filled cell of the column of the lemma's gender or number
    QTest::newRow("name, lower") << "москвы" << int(LetterCase::Lower) << "Москва (существительное)" << "Москвы";
    QTest::newRow("name, upper") << "москва" << int(LetterCase::Upper) << "Москва (существительное)" << "МОСКВЫ";
    QTest::newRow("name, first capital") << "москва" << int(LetterCase::FirstCapital) << "Москва (существительное)"
                                         << "Москвы";
    QTest::newRow("abbreviated name") << "сша" << int(LetterCase::Lower) << "США (аббревиатура)" << "США";
    QTest::newRow("abbreviated name, first capital")
        << "сша" << int(LetterCase::FirstCapital) << "США (аббревиатура)" << "США";
    QTest::newRow("initialism") << "днк" << int(LetterCase::Lower) << "ДНК (аббревиатура)" << "ДНК";
    QTest::newRow("cut-short word") << "тыс" << int(LetterCase::Lower) << "тыс (аббревиатура)" << "тыс";
    QTest::newRow("cut-short with hyphen") << "г-н" << int(LetterCase::Lower) << "г-н (аббревиатура)" << "г-н";
    QTest::newRow("name of parts") << "ростова-на-дону" << int(LetterCase::Lower)
                                   << "Ростов-на-Дону (существительное)" << "Ростова-на-Дону";
    QTest::newRow("name of parts, upper") << "ростов-на-дону" << int(LetterCase::Upper)
                                          << "Ростов-на-Дону (существительное)" << "РОСТОВА-НА-ДОНУ";
    QTest::newRow("organisation of parts") << "авиаприбор-холдинг" << int(LetterCase::Lower)
                                           << "Авиаприбор-Холдинг (существительное)" << "Авиаприбор-Холдинг";
    QTest::newRow("letters spelt out") << "би-би-си" << int(LetterCase::Lower) << "Би-би-си (существительное)"
                                       << "Би-би-си";
    QTest::newRow("common word") << "стол" << int(LetterCase::Lower) << "стол (существительное)" << "стола";
}

void TestDuridod::namesAsAReaderWritesThem()
{
    QFETCH(QString, word);
    QFETCH(int, letterCase);
    QFETCH(QString, caption);
    QFETCH(QString, cell);
    DURIDOD engine;
    engine.Connect(writeDictionary());
    QCOMPARE(engine.FindLemmas(word), QStringList{caption});
    const ParadigmTables tables = engine.FillTables(0, {false, false, LetterCase(letterCase)});
    QString shown;
    for (int column = 1; column <= 4 && shown.isEmpty(); ++column) {
        for (int row : {2, 1}) {
            if (shown.isEmpty())
                shown = tables.declension.at(column, row);
        }
    }
    QCOMPARE(shown, cell);
}

void TestDuridod::bothAccusativesInOneCell()
{
    DURIDOD engine;
    engine.Connect(writeDictionary());
    QCOMPARE(engine.FindLemmas(QStringLiteral("того")), QStringList{"тот (местоимение)"});
    const ParadigmTables tables = engine.FillTables(0, {false, false, LetterCase::FirstCapital}, TypedForm(QStringLiteral("того"), false));
    QCOMPARE(tables.declension.at(1, 4), QStringLiteral("Тот / Того"));
    QCOMPARE(tables.declensionTags.at(1, 4),
             QStringLiteral("ADJF,Apro,Subx,Anph inan,masc,sing,accs / ADJF,Apro,Subx,Anph anim,masc,sing,accs"));
    QCOMPARE(tables.declension.at(4, 4), QStringLiteral("Те / Тех"));
    // Neither accusative is left for the page of other forms; the typed one marks its cell.
    QVERIFY(tables.other.isEmpty());
    QCOMPARE(tables.declensionTyped, QList<CellPosition>{CellPosition({1, 4})});
}

void TestDuridod::distortedFormsTakeNoCell()
{
    DURIDOD engine;
    engine.Connect(writeDictionary());
    QCOMPARE(engine.FindLemmas(QStringLiteral("много")), QStringList{"много (числительное)"});
    const ParadigmTables tables = engine.FillTables(0, kPlain);
    for (int column : {1, 2, 3}) {
        QCOMPARE(tables.declension.at(column, 1), QStringLiteral("много"));
        QCOMPARE(tables.declension.at(column, 2), QString());
        QCOMPARE(tables.declension.at(column, 3), QString());
    }
    QVERIFY(tables.other.isEmpty());
}

void TestDuridod::declineCommandRestoresYoAndFallsBack()
{
    DURIDOD engine;
    engine.Connect(QString());
    QVERIFY(!engine.Connected);
    const QString path = writeDictionary();
    DeclineOutcome outcome = RunDeclineCommand(engine, {QStringLiteral("елка"), path, true, kPlain});
    QVERIFY(engine.Connected);
    QCOMPARE(engine.Path, path);
    QCOMPARE(outcome.word, QStringLiteral("ёлка"));
    QCOMPARE(outcome.lemmaCaptions, QStringList{"ёлка (существительное)"});
    QCOMPARE(outcome.tables.declension.at(2, 1), QStringLiteral("ёлка"));

    outcome = RunDeclineCommand(engine, {QStringLiteral("елка"), QString(), false, kPlain});
    QCOMPARE(outcome.word, QStringLiteral("елка"));
    QVERIFY(outcome.lemmaCaptions.isEmpty());
    QCOMPARE(engine.FoundCount, 1);
    QCOMPARE(engine.NotFoundCount, 1);
}

void TestDuridod::mistypedWordIsReadAsMeant_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("wordBox");
    QTest::addColumn<QString>("readAs");
    QTest::addColumn<QString>("firstCaption");
    const QString table = QStringLiteral("стол (существительное)");
    QTest::newRow("acute accent") << "сто\u0301л" << "сто\u0301л" << "" << table;
    QTest::newRow("apostrophe after the stressed vowel") << "сто'лами" << "сто'лами" << "" << table;
    QTest::newRow("typographic apostrophe") << "сто\u2019л" << "сто\u2019л" << "" << table;
    QTest::newRow("stress mark and restored ё") << "е\u0301лка" << "ёлка" << "" << "ёлка (существительное)";
    QTest::newRow("apostrophe the dictionary spells") << "о'кей" << "о'кей" << "" << "о'кей (междометие)";
    QTest::newRow("apostrophe not between letters") << "'стол" << "'стол" << "" << "";
    QTest::newRow("Latin o") << "стoл" << "стол" << "стол" << table;
    QTest::newRow("Latin capitals") << "CТОЛ" << "СТОЛ" << "СТОЛ" << table;
    QTest::newRow("Latin lookalike and a stress mark") << "стo'лами" << "столами" << "столами" << table;
    QTest::newRow("Latin letter with no Cyrillic twin") << "стqл" << "стqл" << "" << "";
    QTest::newRow("Russian layout") << "cnjk" << "стол" << "стол" << table;
    QTest::newRow("Russian layout, keys of letters") << "ghbdtn" << "привет" << "привет" << "привет (междометие)";
    QTest::newRow("Russian layout, ё restored") << "tkrf" << "ёлка" << "ёлка" << "ёлка (существительное)";
    QTest::newRow("Latin word that reads as nothing") << "table" << "table" << "" << "";
    QTest::newRow("found as typed") << "стол" << "стол" << "" << table;
}

void TestDuridod::mistypedWordIsReadAsMeant()
{
    QFETCH(QString, typed);
    QFETCH(QString, wordBox);
    QFETCH(QString, readAs);
    QFETCH(QString, firstCaption);
    DURIDOD engine;
    engine.Connect(writeDictionary());
    const DeclineOutcome outcome = RunDeclineCommand(engine, {typed, QString(), true, kPlain});
    QCOMPARE(outcome.word, wordBox);
    QCOMPARE(outcome.readAs, readAs);
    QCOMPARE(outcome.lemmaCaptions.value(0), firstCaption);
    // One command, one count, whatever was tried.
    QCOMPARE(engine.FoundCount, firstCaption.isEmpty() ? 0 : 1);
    QCOMPARE(engine.NotFoundCount, firstCaption.isEmpty() ? 1 : 0);
    if (firstCaption.startsWith(QStringLiteral("стол")))
        QVERIFY(!outcome.tables.declensionTyped.isEmpty());
}

void TestDuridod::yoSpellingsFoundToo_data()
{
    QTest::addColumn<bool>("listed");  // the dictionary lists every ё spelling
    QTest::addColumn<bool>("restoreYo");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("captions");
    const QString osest = QStringLiteral("осесть (глагол (инфинитив))");
    const QString osyol = QStringLiteral("осёл (существительное)");
    QTest::newRow("both spellings") << true << true << "осел" << QStringList{osest, osyol};
    QTest::newRow("in the order of the lexemes, not of the spellings")
        << true << true << "Берет" << QStringList{"брать (глагол (инфинитив))", "берет (существительное)"};
    QTest::newRow("restoration off: as typed") << true << false << "осел" << QStringList{osest};
    QTest::newRow("a dictionary without the list: as typed") << false << true << "осел" << QStringList{osest};
    QTest::newRow("typed with ё: that spelling only") << true << true << "осёл" << QStringList{osyol};
}

void TestDuridod::tabsInTheOrderReadersMeetThem_data()
{
    QTest::addColumn<QString>("counts");  // how the dictionary counts the readings
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("captions");
    const QString konechnoConj = QStringLiteral("конечно (союз)");
    const QString konechny = QStringLiteral("конечный (прилагательное)");
    QTest::newRow("конечно: the reading met more often first") << "counted" << "конечно" << QStringList{konechnoConj, konechny};
    QTest::newRow("порт: a count does not lift an abbreviation over a full word")
        << "counted" << "порт" << QStringList{"порт (существительное)", "португальский (прилагательное)"};
    QTest::newRow("осел: counted under its е spelling, across both spellings")
        << "counted" << "осел" << QStringList{"осёл (существительное)", "осесть (глагол (инфинитив))"};
    QTest::newRow("узнает: узнать and узнавать (узнаёт), uncounted")
        << "counted" << "узнает" << QStringList{"узнать (глагол (инфинитив))", "узнавать (глагол (инфинитив))"};
    QTest::newRow("стали: a word the table does not list keeps the lexeme numbers")
        << "counted" << "стали" << QStringList{"сталь (существительное)", "стать (глагол (инфинитив))"};
    QTest::newRow("a dictionary without counts: the lexeme numbers") << "none" << "конечно" << QStringList{konechny, konechnoConj};
    QTest::newRow("a table that cannot be read: the lexeme numbers")
        << "unreadable" << "конечно" << QStringList{konechny, konechnoConj};
}

void TestDuridod::tabsInTheOrderReadersMeetThem()
{
    QFETCH(QString, counts);
    QFETCH(QString, word);
    QFETCH(QStringList, captions);
    const QString path = writeDictionary();
    AddYoSpellings(path, {{"осел", "осёл"}, {"узнает", "узнаёт"}});
    if (counts == QLatin1String("counted")) {
        // The abbreviation counted above the noun, as the source's smoothing may leave it.
        AddReadingCounts(path, QStringLiteral("insert into reading_counts values('конечно', 300, 0, 0), ('конечно', 310, 0, 3000),"
                                              " ('порт', 320, 3, 24000), ('порт', 330, 0, 15000),"
                                              " ('осел', 110, 0, 1000), ('осел', 120, 0, 5000);"));
    } else if (counts == QLatin1String("unreadable")) {
        SqliteDatabase database(path, SqliteDatabase::Mode::Create);
        database.exec(QStringLiteral("create table reading_counts(word text); insert into reading_counts values('конечно');"));
    }
    DURIDOD engine;
    engine.Connect(path);
    QVERIFY(engine.Connected);
    const DeclineOutcome outcome = RunDeclineCommand(engine, {word, QString(), true, kPlain});
    QCOMPARE(outcome.lemmaCaptions, captions);
    QCOMPARE(engine.LemmaIds.size(), captions.size());
    // Tab i still fills the lemma of caption i, the typed form marked in it.
    for (int tab = 0; tab < captions.size(); ++tab) {
        const ParadigmTables tables = engine.FillTables(tab, kPlain, outcome.typed);
        const bool typedOther =
            std::any_of(tables.other.cbegin(), tables.other.cend(), [](const OtherForm &form) { return form.typed; });
        QVERIFY(!tables.conjugationTyped.isEmpty() || !tables.declensionTyped.isEmpty() || typedOther);
    }
}

void TestDuridod::yoSpellingsFoundToo()
{
    QFETCH(bool, listed);
    QFETCH(bool, restoreYo);
    QFETCH(QString, word);
    QFETCH(QStringList, captions);
    const QString path = writeDictionary();
    if (listed)
        AddYoSpellings(path, {{"осел", "осёл"}, {"берет", "берёт"}, {"елка", "ёлка"}, {"узнает", "узнаёт"}});
    DURIDOD engine;
    engine.Connect(path);
    const DeclineOutcome outcome = RunDeclineCommand(engine, {word, QString(), restoreYo, kPlain});
    QCOMPARE(outcome.lemmaCaptions, captions);
    QCOMPARE(engine.LemmaIds.size(), captions.size());
    QCOMPARE(engine.FoundCount, 1);
    // The typed form stands out in the tables of both spellings.
    QCOMPARE(outcome.tables.conjugationTyped.isEmpty() && outcome.tables.declensionTyped.isEmpty(), false);
    for (int tab = 1; tab < captions.size(); ++tab) {
        const ParadigmTables tables = engine.FillTables(tab, kPlain, outcome.typed);
        QCOMPARE(tables.conjugationTyped.size() + tables.declensionTyped.size(), 1);
    }
}

void TestDuridod::connectsWhateverTheFolderIsCalled_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("question mark") << "a?immutable=0";
    QTest::newRow("hash") << "#словари";
    QTest::newRow("percent") << "100%20";
    QTest::newRow("blank and Cyrillic") << "мои словари";
}

// The file is opened through a URI; no character of its path may change
// which file that is.
void TestDuridod::connectsWhateverTheFolderIsCalled()
{
    QFETCH(QString, folder);
    if (!QDir(dir_.path()).mkpath(folder))
        QSKIP("this system allows no such folder name");
    const QString path = dir_.path() + QLatin1Char('/') + folder + QStringLiteral("/forms.db");
    WriteTestDatabase(path, Dictionary());
    QDir::setCurrent(dir_.path());
    QStringList spellings{path, folder + QStringLiteral("/forms.db")};
    if (path.startsWith(QLatin1Char('/')))
        spellings.append(QLatin1Char('/') + path);  // a second slash names the same file
    for (const QString &spelling : spellings) {
        DURIDOD engine;
        engine.Connect(spelling);
        QVERIFY2(engine.Connected, qPrintable(spelling));
        QCOMPARE(engine.FindLemmas(QStringLiteral("стол")), QStringList{"стол (существительное)"});
    }
}

void TestDuridod::connectionFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("reported");
    QTest::newRow("empty path") << "empty" << false;
    QTest::newRow("no file") << "missing" << false;
    QTest::newRow("directory") << "directory" << false;
    QTest::newRow("text file") << "text" << true;
    QTest::newRow("unreadable file") << "unreadable" << true;
}

void TestDuridod::connectionFailures()
{
    QFETCH(QString, kind);
    QFETCH(bool, reported);
    QString path;
    if (kind == QLatin1String("missing"))
        path = dir_.filePath(QStringLiteral("none.db"));
    else if (kind == QLatin1String("directory"))
        path = dir_.path();
    else if (kind == QLatin1String("text") || kind == QLatin1String("unreadable")) {
        path = dir_.filePath(QStringLiteral("forms.db"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("этот файл не база данных\n").repeated(100));
        file.close();
        if (kind == QLatin1String("unreadable")) {
            file.setPermissions(QFileDevice::Permissions());
            if (QFile(path).open(QIODevice::ReadOnly))
                QSKIP("running with permissions that read any file");
        }
    }
    RecordingReporter reporter;
    DURIDOD engine(&reporter);
    engine.Connect(writeDictionary(QStringLiteral("good.db")));
    QVERIFY(engine.Connected);
    engine.Connect(path);
    QVERIFY(!engine.Connected);
    QCOMPARE(reporter.messages, reported ? QStringList{kConnectionErrorMessage} : QStringList{});
    QCOMPARE(engine.FindLemmas(QStringLiteral("стол")), QStringList{});
}

void TestDuridod::statementFailureThrowsAndNextCommandStartsClean()
{
    const QString path = dir_.filePath(QStringLiteral("noview.db"));
    WriteTestDatabase(path, Dictionary(), {}, {false, true});
    DURIDOD engine;
    engine.Connect(path);
    QVERIFY(engine.Connected);
    try {
        engine.FindLemmas(QStringLiteral("стол"));
        QFAIL("a lookup without forms_view must fail");
    } catch (const DatabaseError &error) {
        QCOMPARE(error.message(), QStringLiteral("Словарь «%1» повреждён: его нельзя прочитать").arg(QDir::toNativeSeparators(path)));
    }
    QCOMPARE(engine.RestoreYo(QStringLiteral("елка")), QStringLiteral("елка"));

    const QString noYo = dir_.filePath(QStringLiteral("noyo.db"));
    WriteTestDatabase(noYo, Dictionary(), {}, {true, false});
    engine.Connect(noYo);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, engine.RestoreYo(QStringLiteral("елка")));
    QCOMPARE(engine.FindLemmas(QStringLiteral("стол")), QStringList{"стол (существительное)"});
}

// A damaged dictionary whose view never stops delivering rows: the lookup
// ends with an error instead of running for ever.
void TestDuridod::endlessViewIsReportedAsDamaged()
{
    const QString path = dir_.filePath(QStringLiteral("endless.db"));
    WriteTestDatabase(path, Dictionary(), {}, {false, true});
    SqliteDatabase(path, SqliteDatabase::Mode::Create)
        .exec(QStringLiteral("create view forms_view as with recursive r(n) as (select 1 union all select n + 1 from r)"
                             " select n as id, 'стол' as word, 'NOUN' as prop, 0 as accent, n as initform_id from r"));
    DURIDOD engine;
    engine.Connect(path);
    QVERIFY(engine.Connected);
    try {
        engine.FindLemmas(QStringLiteral("стол"));
        QFAIL("an endless lookup must stop");
    } catch (const DatabaseError &error) {
        QVERIFY2(error.message().startsWith(QStringLiteral("Словарь «%1» повреждён").arg(QDir::toNativeSeparators(path))), qPrintable(error.message()));
        QVERIFY(!error.isBusy());
    }
    QCOMPARE(engine.RestoreYo(QStringLiteral("елка")), QStringLiteral("елка"));
}

// Small files that would make one command take minutes or gigabytes: the
// command ends with the damaged-dictionary error instead, quickly.
void TestDuridod::craftedDictionaryEndsTheCommandAsDamaged_data()
{
    QTest::addColumn<QString>("view");
    // The command: a word's decline, or the stress marks' readings of a word.
    QTest::addColumn<bool>("stressReadings");
    // More lemmas for one word than any real word has.
    QTest::newRow("thousands of lemmas")
        << "with recursive r(n) as (select 1 union all select n + 1 from r where n < 5000)"
           " select n as id, 'стол' as word, 'NOUN' as prop, 0 as accent, n as initform_id from r" << false;
    // Each statement within its bounds, the lookup of 400 lemmas far beyond them.
    QTest::newRow("costly rows of many lemmas")
        << "with recursive r(n) as (select 1 union all select n + 1 from r where n < 400),"
           " big(m) as (select 1 union all select m + 1 from big where m < 100000)"
           " select '' || n as id, 'стол' || substr((select count(*) from big), 1, 0) as word, 'NOUN' as prop,"
           " 0 as accent, '' || n as initform_id from r" << false;
    // One lemma of more forms than any lemma has, every one for the page of
    // other forms.
    QTest::newRow("100,000 forms of one lemma")
        << "with recursive r(n) as (select 1 union all select n + 1 from r where n < 100000)"
           " select '' || n as id, case n when 1 then 'стол' else 'форма' || n end as word,"
           " case n when 1 then 'NOUN,inan,masc sing,nomn' else 'INFN,perf,intr' end as prop, 0 as accent,"
           " '1' as initform_id from r" << false;
    // Tag strings each within the longest value, too long together.
    QTest::newRow("1,000,000 tags of 99 KB")
        << "with recursive r(n) as (select 1 union all select n + 1 from r where n < 1000000)"
           " select '' || n as id, 'стол' as word, 'NOUN,inan,masc sing,nomn' || printf('%.*c', 99000, ' ') as prop,"
           " 0 as accent, '1' as initform_id from r" << false;
    // A tag string of 400 MB built from a few bytes.
    QTest::newRow("huge value")
        << "select 1 as id, 'стол' as word, printf('%.*c', 400000000, 'N') as prop, 0 as accent, 1 as initform_id" << false;
    // Few steps a row, each building a value near the longest: the bytes
    // built end the lookup, long before the steps would.
    QTest::newRow("readings of 20,000 tags of 99 KB")
        << "with recursive r(n) as (select 1 union all select n + 1 from r where n < 20000)"
           " select n as id, 'стол' as word, 'NOUN,inan,masc sing,nomn' || printf('%.*c', 99000, ' ') as prop,"
           " 0 as accent, 1 as initform_id from r" << true;
}

void TestDuridod::craftedDictionaryEndsTheCommandAsDamaged()
{
    QFETCH(QString, view);
    QFETCH(bool, stressReadings);
    const QString path = dir_.filePath(QStringLiteral("crafted.db"));
    QFile::remove(path);
    WriteTestDatabase(path, Dictionary(), {}, {false, true});
    SqliteDatabase(path, SqliteDatabase::Mode::Create).exec(QStringLiteral("create view forms_view as ") + view);
    try {
        if (stressReadings) {
            StressLookup(path).Readings(QStringLiteral("стол"));
        } else {
            DURIDOD engine;
            engine.Connect(path);
            QVERIFY(engine.Connected);
            RunDeclineCommand(engine, {QStringLiteral("стол"), QString(), false, kPlain});
        }
        QFAIL("the command must end as damaged");
    } catch (const DatabaseError &error) {
        QVERIFY2(error.message().startsWith(QStringLiteral("Словарь «%1» повреждён").arg(QDir::toNativeSeparators(path))), qPrintable(error.message()));
    }
}

// A schema of tens of thousands of objects (the dictionary has a handful)
// is refused when the dictionary is opened, as a damaged file.
void TestDuridod::oversizedSchemaIsRefusedAsDamaged()
{
    const QString path = dir_.filePath(QStringLiteral("schema.db"));
    WriteTestDatabase(path, Dictionary());
    {
        SqliteDatabase database(path, SqliteDatabase::Mode::Create);
        database.exec(QStringLiteral("pragma writable_schema = on; begin;"
                                     " with recursive r(n) as (select 1 union all select n + 1 from r where n < 20000)"
                                     " insert into sqlite_master select 'view', 'v' || n, 'v' || n, 0,"
                                     " 'create view v' || n || ' as select word from forms' from r; commit;"));
    }
    RecordingReporter reporter;
    DURIDOD engine(&reporter);
    engine.Connect(path);
    QVERIFY(!engine.Connected);
    QCOMPARE(reporter.messages, QStringList{kConnectionErrorMessage});
    QVERIFY_THROWS_EXCEPTION(DatabaseError, StressLookup{path});
}

// A word longer than SQLite binds is no word of the dictionary.
void TestDuridod::overLongWordIsNotFound()
{
    DURIDOD engine;
    engine.Connect(writeDictionary(QStringLiteral("good.db")));
    const QString word = QStringLiteral("стол").repeated(20000);
    QCOMPARE(engine.RestoreYo(word), word);
    QCOMPARE(engine.FindLemmas(word), QStringList{});
    QCOMPARE(engine.NotFoundCount, 1);
    QCOMPARE(engine.FindLemmas(QStringLiteral("стол")), QStringList{"стол (существительное)"});
}

void TestDuridod::yoRowWithoutItsSpellingLeavesTheWord()
{
    const QString path = dir_.filePath(QStringLiteral("nullyo.db"));
    WriteTestDatabase(path, Dictionary(), {}, {true, false});
    SqliteDatabase(path, SqliteDatabase::Mode::Create)
        .exec(QStringLiteral("create table yo(str text, str_yo text); insert into yo values('елка', null), ('еж', '')"));
    DURIDOD engine;
    engine.Connect(path);
    QCOMPARE(engine.RestoreYo(QStringLiteral("елка")), QStringLiteral("елка"));
    QCOMPARE(engine.RestoreYo(QStringLiteral("еж")), QStringLiteral("еж"));
}

// A dictionary overwritten in place while the program runs, then put right:
// the command after the failure connects afresh and finds the words again.
void TestDuridod::dictionaryPutRightIsReadAgain()
{
    const QString path = writeDictionary();
    const QByteArray good = ReadBytes(path);
    DURIDOD engine;
    engine.Connect(path);
    // Connecting has read the schema only: the lookup reads the other pages.
    QVERIFY(WriteBytes(path, good.left(4096) + QByteArray(good.size() - 4096, 'x')));
    const DeclineRequest request{QStringLiteral("стол"), QString(), false, kPlain};
    QVERIFY_THROWS_EXCEPTION(DatabaseError, RunDeclineCommand(engine, request));
    QVERIFY(WriteBytes(path, good));
    QCOMPARE(RunDeclineCommand(engine, request).lemmaCaptions, QStringList{"стол (существительное)"});
}

// The engine keeps its statements prepared while a connection is open: the
// next connection, to another file, answers from that file, and a failed one
// leaves the engine finding nothing.
void TestDuridod::anotherDictionaryIsReadAfterReconnecting()
{
    const QString first = writeDictionary();
    const QString second = dir_.filePath(QStringLiteral("other.db"));
    WriteTestDatabase(second,
                      Lexeme(7, {{"столик", "NOUN,inan,masc sing,nomn"}, {"стол", "NOUN,inan,masc sing,gent,Dist"}}),
                      {{"елка", "ёлочка"}});
    const DeclineRequest request{QStringLiteral("елка"), QString(), true, kPlain};
    DURIDOD engine;
    engine.Connect(first);
    QCOMPARE(engine.FindLemmas(QStringLiteral("стол")), QStringList{"стол (существительное)"});
    QCOMPARE(RunDeclineCommand(engine, request).word, QStringLiteral("ёлка"));

    engine.Connect(second);
    QVERIFY(engine.Connected);
    QCOMPARE(engine.FindLemmas(QStringLiteral("стол")), QStringList{"столик (существительное)"});
    QCOMPARE(engine.LemmaIds, QStringList{"7"});
    QCOMPARE(engine.FillTables(0, kPlain).declension.at(1, 1), QStringLiteral("столик"));
    QCOMPARE(engine.RestoreYo(QStringLiteral("елка")), QStringLiteral("ёлочка"));

    engine.Connect(dir_.filePath(QStringLiteral("missing.db")));
    QVERIFY(!engine.Connected);
    QCOMPARE(engine.FindLemmas(QStringLiteral("стол")), QStringList{});
    QCOMPARE(engine.RestoreYo(QStringLiteral("елка")), QStringLiteral("елка"));
    QVERIFY(!engine.FillTables(0, kPlain).page.has_value());

    engine.Connect(first);
    QCOMPARE(RunDeclineCommand(engine, request).lemmaCaptions, QStringList{"ёлка (существительное)"});
    QCOMPARE(engine.FindLemmas(QStringLiteral("стол")), QStringList{"стол (существительное)"});
}

QTEST_APPLESS_MAIN(TestDuridod)
#include "test_duridod.moc"
