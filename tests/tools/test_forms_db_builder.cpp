#include "build_forms_db.h"
#include "engine/decline_command.h"
#include "engine/sqlite_database.h"
#include "engine/stress_lookup.h"
#include "lexeme_rank.h"
#include "support/files.h"
#include "support/full_disk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <optional>

using namespace tornelis;
using namespace tornelis::formsdb;

namespace {

const RenderOptions kPlain{false, false, LetterCase::Lower};

QStringList Words(const std::vector<SourceForm> &forms)
{
    QStringList words;
    for (const SourceForm &form : forms)
        words.append(form.word);
    return words;
}

QStringList GridRow(const ParadigmGrid &grid, int row, int firstColumn)
{
    QStringList cells;
    for (int column = firstColumn; column < grid.columns(); ++column)
        cells.append(grid.at(column, row));
    return cells;
}

}  // namespace

// The builder on the real sources: the az package fetched by scripts/setup.sh
// and the stress lists of data/stress.
class TestFormsDbBuilder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void decoderReadsEveryKey();
    void decoderExpandsParadigms_data();
    void decoderExpandsParadigms();
    void lookupsThroughTheEngine_data();
    void lookupsThroughTheEngine();
    void verbTableHasThirdPersonAndNoParticiple();
    void participleAndAdjectiveTables();
    void accentsFromFilesAndRules_data();
    void accentsFromFilesAndRules();
    void standardFormsWinTheirCells_data();
    void standardFormsWinTheirCells();
    void oneTabPerLexemeAndItsOwnLemma_data();
    void oneTabPerLexemeAndItsOwnLemma();
    void twinsNameBothTransitivities();
    void lexemeRanks_data();
    void lexemeRanks();
    void likelyLemmaFirst_data();
    void likelyLemmaFirst();
    void yoSpellingsFoundToo_data();
    void yoSpellingsFoundToo();
    void otherFormsOfEverydayWords_data();
    void otherFormsOfEverydayWords();
    void typedFormInEveryLemma();
    void misspellingsAreGone();
    void absentShortFormsAndComparativesAreLeftOut();
    void missingEverydayFormsAreAdded();
    void casesOfIndefiniteNumerals_data();
    void casesOfIndefiniteNumerals();
    void stressCorrections_data();
    void stressCorrections();
    void yoRules();
    void corpusCountsOfReadings();
    void listedFormsTheDictionaryLacks();
    void stressPredictedForRunningText_data();
    void stressPredictedForRunningText();
    void statementsAreIndexSearches();
    void failedBuildLeavesTargetUntouched();
    void fullDiskLeavesTargetUntouched();
    void malformedSourceIsReported();

private:
    const SourceLexeme &lexemeOf(const QString &lemma, const QString &partOfSpeech) const;
    DeclineOutcome decline(const QString &word);

    std::optional<OpenCorpora> corpus_;
    std::optional<CorpusTagCounts> tagCounts_;
    std::vector<SourceLexeme> lexemes_;
    std::size_t keyCount_ = 0;
    StressDictionary stress_;
    QTemporaryDir dir_;
    QString smallDb_;
    std::optional<DURIDOD> engine_;
};

const SourceLexeme &TestFormsDbBuilder::lexemeOf(const QString &lemma, const QString &partOfSpeech) const
{
    for (const SourceLexeme &lexeme : lexemes_) {
        if (lexeme.lemma == lemma &&
            corpus_->tags().at(corpus_->paradigms()[lexeme.paradigmId].tagIds[0]).startsWith(partOfSpeech))
            return lexeme;
    }
    qFatal("no lexeme %s", qPrintable(lemma));
}

DeclineOutcome TestFormsDbBuilder::decline(const QString &word)
{
    return RunDeclineCommand(*engine_, {word, QString(), true, kPlain});
}

void TestFormsDbBuilder::initTestCase()
{
    QVERIFY2(QDir(QStringLiteral(TORNELIS_AZ_DICTS)).exists(), "run scripts/setup.sh to fetch the sources");
    corpus_ = OpenCorpora::Load(QStringLiteral(TORNELIS_AZ_DICTS));
    lexemes_ = corpus_->ReadLexemes(&keyCount_);
    tagCounts_ = CorpusTagCounts::Load(QDir(QStringLiteral(TORNELIS_AZ_DICTS)).filePath(QStringLiteral("p_t_given_w.intdawg")),
                                       corpus_->tags());
    if (QDir(QStringLiteral(TORNELIS_STRESS_DIR)).exists())
        stress_ = StressDictionary::Load(QStringLiteral(TORNELIS_STRESS_DIR));

    // A small dictionary of a handful of lexemes, built as the real one is.
    BuildSources sources{*corpus_, {}, stress_,
                         ReadEyoList(QDir(QStringLiteral(TORNELIS_EYO_DIR)).filePath(QStringLiteral("safe.txt"))),
                         ReadEyoList(QDir(QStringLiteral(TORNELIS_EYO_DIR)).filePath(QStringLiteral("not_safe.txt"))),
                         &*tagCounts_, SourceLemmas::Of(*corpus_, lexemes_)};
    for (const auto &[lemma, pos] : QList<QPair<QString, QString>>{
             {"стол", "NOUN"},    {"читать", "INFN"},   {"идти", "INFN"},    {"красивый", "ADJF"},
             {"город", "NOUN"},   {"мама", "NOUN"},     {"ёлка", "NOUN"},    {"весь", "ADJF"},
             {"другой", "ADJF"},  {"год", "NOUN"},      {"умереть", "INFN"}, {"быть", "INFN"},
             {"что", "NPRO"},     {"он", "NPRO"},       {"гектар", "NOUN"},  {"человек", "NOUN"},
             {"зуб", "NOUN"},     {"сша", "NOUN"},      {"хороший", "ADJF"}, {"жевать", "INFN"},
             {"гражданин", "NOUN"}, {"вынести", "INFN"}, {"должный", "ADJF"}, {"дать", "INFN"},
             {"сталь", "NOUN"},   {"стать", "INFN"},    {"сто", "NOUN"},     {"сто", "NUMR"},
             {"того", "NOUN"},    {"тот", "ADJF"},      {"равный", "ADJF"},  {"больной", "ADJF"},
             {"лёгкий", "ADJF"},  {"любить", "INFN"},   {"родиться", "INFN"}, {"лёт", "NOUN"},
             {"один", "ADJF"},    {"пол", "NOUN,inan,masc"}, {"лекарство", "NOUN"},
             {"ветер", "NOUN"},   {"написать", "INFN"},
             {"целить", "INFN"},  {"ниже", "ADVB"},     {"ниже", "PREP"},    {"ниже", "CONJ"},
             {"свойство", "NOUN"}, {"пора", "NOUN"},     {"деньга", "NOUN"},
             {"ужин", "NOUN"},    {"пробел", "NOUN"},   {"правильный", "ADJF"}, {"нужный", "ADJF"},
             {"адрес", "NOUN"},   {"перед", "PREP"},    {"из", "PREP"},
             {"раскрошить", "INFN"}, {"мир", "NOUN,inan,masc"}, {"сказать", "INFN"}, {"мнение", "NOUN"},
             {"плохой", "ADJF"},  {"правый", "ADJF"},   {"последний", "ADJF"}, {"настоящий", "ADJF"},
             {"прошлый", "ADJF"}, {"никто", "NPRO"},    {"ничто", "NPRO"},    {"много", "NUMR"},
             {"немного", "NUMR"}, {"мало", "NUMR"},    {"системный", "ADJF"}, {"газовый", "ADJF"},
             {"куриный", "ADJF"}, {"лесной", "ADJF"},   {"ранний", "ADJF"},  {"готовый", "ADJF"},
             {"новый", "ADJF"},   {"родной", "ADJF"},   {"покрывной", "ADJF"},
             {"поляков", "NOUN"}, {"подобный", "ADJF"}, {"байт", "NOUN"},      {"маркер", "NOUN"},
             {"стих", "NOUN"},     {"жук", "NOUN"},      {"несмотря", "PREP"}, {"планироваться", "INFN"},
             {"планировать", "INFN"}})
        sources.lexemes.push_back(lexemeOf(lemma, pos));
    // думать twice: the source has a transitive and an intransitive lexeme;
    // стоить also as the impersonal стоит; every lexeme of the words whose
    // tabs the corpus orders.
    const QStringList everyLexemeOf{"думать", "стоить", "три",   "тереть", "на",       "посол", "язык", "писать",
                                    "муж",    "осесть", "осёл", "брать",  "берет", "узнать", "узнавать", "всё",
                                    "конечный", "конечно", "порт", "португальский", "несколько", "жуков"};
    for (const SourceLexeme &lexeme : lexemes_) {
        if (everyLexemeOf.contains(lexeme.lemma))
            sources.lexemes.push_back(lexeme);
    }
    smallDb_ = dir_.filePath(QStringLiteral("forms.db"));
    const BuildReport report = BuildFormsDb(sources, smallDb_, [](const QString &) {});
    QCOMPARE(report.lexemes > qint64(sources.lexemes.size()), true);
    engine_.emplace();
    engine_->Connect(smallDb_);
    QVERIFY(engine_->Connected);
}

void TestFormsDbBuilder::decoderReadsEveryKey()
{
    QCOMPARE(keyCount_, std::size_t(5094147));
    QCOMPARE(lexemes_.size(), std::size_t(174756));
    QCOMPARE(corpus_->tags().size(), 4880);
    QCOMPARE(corpus_->paradigms().size(), std::size_t(3256));
}

void TestFormsDbBuilder::decoderExpandsParadigms_data()
{
    QTest::addColumn<QString>("lemma");
    QTest::addColumn<QString>("partOfSpeech");
    QTest::addColumn<QStringList>("someForms");
    QTest::addColumn<QStringList>("someTags");
    QTest::newRow("стол") << "стол" << "NOUN"
                          << QStringList{"стол", "стола", "столу", "столом", "столе", "столы", "столов", "столам",
                                         "столами", "столах"}
                          << QStringList{"NOUN,inan,masc sing,nomn", "NOUN,inan,masc plur,ablt"};
    QTest::newRow("читать") << "читать" << "INFN"
                            << QStringList{"читать", "читаю", "читает", "читал", "читая", "читающий", "читаемый",
                                           "читанный", "читан"}
                            << QStringList{"INFN,impf,tran", "VERB,impf,tran sing,3per,pres,indc", "GRND,impf,tran pres"};
    QTest::newRow("идти, empty stem") << "идти" << "INFN" << QStringList{"идти", "иду", "идёт", "шёл", "шла", "шли"}
                                      << QStringList{"INFN,impf,intr"};
    QTest::newRow("красивый") << "красивый" << "ADJF"
                              << QStringList{"красивый", "красивейший", "наикрасивейший", "красив", "красива",
                                             "красивее", "покрасивее"}
                              << QStringList{"ADJF,Qual masc,sing,nomn", "ADJF,Supr,Qual masc,sing,nomn"};
}

void TestFormsDbBuilder::decoderExpandsParadigms()
{
    QFETCH(QString, lemma);
    QFETCH(QString, partOfSpeech);
    QFETCH(QStringList, someForms);
    QFETCH(QStringList, someTags);
    const std::vector<SourceForm> forms = corpus_->Expand(lexemeOf(lemma, partOfSpeech));
    QCOMPARE(forms.front().word, lemma);
    const QStringList words = Words(forms);
    for (const QString &form : someForms)
        QVERIFY2(words.contains(form), qPrintable(form));
    QStringList tags;
    for (const SourceForm &form : forms)
        tags.append(corpus_->tags().at(form.tagId));
    for (const QString &tag : someTags)
        QVERIFY2(tags.contains(tag), qPrintable(tag));
}

void TestFormsDbBuilder::lookupsThroughTheEngine_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("page");
    QTest::newRow("a finite form: one verb tab") << "читаю" << QStringList{"читать (глагол (инфинитив))"} << 1;
    QTest::newRow("the infinitive") << "читать" << QStringList{"читать (глагол (инфинитив))"} << 1;
    QTest::newRow("a gerund") << "читая" << QStringList{"читать (глагол (инфинитив))"} << 1;
    QTest::newRow("a participle") << "читающая" << QStringList{"читающий (полное причастие)"} << 0;
    QTest::newRow("a short participle") << "читаем" << QStringList{"читать (глагол (инфинитив))", "читаемый (полное причастие)"} << 1;
    QTest::newRow("a superlative") << "красивейший" << QStringList{"красивейший (прилагательное)"} << 0;
    QTest::newRow("a short form") << "красива" << QStringList{"красивый (прилагательное)"} << 0;
    QTest::newRow("наи-") << "наикрасивейшая" << QStringList{"наикрасивейший (прилагательное)"} << 0;
    QTest::newRow("noun, not its abbreviation") << "города" << QStringList{"город (существительное)"} << 0;
    QTest::newRow("suppletive past") << "шёл" << QStringList{"идти (глагол (инфинитив))"} << 1;
}

void TestFormsDbBuilder::lookupsThroughTheEngine()
{
    QFETCH(QString, word);
    QFETCH(QStringList, captions);
    QFETCH(int, page);
    const DeclineOutcome outcome = decline(word);
    QCOMPARE(outcome.lemmaCaptions, captions);
    QCOMPARE(int(outcome.tables.page.value()), page);
}

void TestFormsDbBuilder::verbTableHasThirdPersonAndNoParticiple()
{
    const ParadigmTables tables = decline(QStringLiteral("читать")).tables;
    QCOMPARE(GridRow(tables.conjugation, 1, 4), QStringList({"читаю", "", ""}));
    for (int row : {3, 4, 5})
        QCOMPARE(tables.conjugation.at(4, row), QStringLiteral("читает"));
    QCOMPARE(GridRow(tables.conjugation, 3, 5), QStringList({"читал", ""}));
    QCOMPARE(tables.conjugation.at(5, 4), QStringLiteral("читала"));
    QCOMPARE(tables.conjugation.at(4, 8), QStringLiteral("читают"));
    QCOMPARE(tables.declension, ParadigmGrid(5, 7));  // no participle lands anywhere
}

void TestFormsDbBuilder::participleAndAdjectiveTables()
{
    ParadigmTables tables = decline(QStringLiteral("читающая")).tables;
    QCOMPARE(GridRow(tables.declension, 1, 1), QStringList({"читающий", "читающая", "читающее", "читающие"}));
    QCOMPARE(GridRow(tables.declension, 5, 1), QStringList({"читающим", "читающей", "читающим", "читающими"}));

    tables = decline(QStringLiteral("города")).tables;
    QCOMPARE(tables.declension.at(1, 1), QStringLiteral("город"));
    QCOMPARE(tables.declension.at(4, 1), QStringLiteral("города"));

    tables = decline(QStringLiteral("мамою")).tables;
    QCOMPARE(tables.declension.at(2, 5), QStringLiteral("мамой"));
    QCOMPARE(tables.declensionTags.at(2, 5), QStringLiteral("NOUN,anim,femn sing,ablt"));

    tables = decline(QStringLiteral("красивый")).tables;
    QCOMPARE(GridRow(tables.declension, 1, 1), QStringList({"красивый", "красивая", "красивое", "красивые"}));
}

void TestFormsDbBuilder::accentsFromFilesAndRules_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("tags");
    QTest::addColumn<QString>("lemma");
    QTest::addColumn<bool>("needsFiles");
    QTest::addColumn<int>("accent");
    QTest::newRow("стол") << "стол" << "NOUN,inan,masc sing,nomn" << "стол" << true << 1;
    QTest::newRow("столами") << "столами" << "NOUN,inan,masc plur,ablt" << "стол" << true << 2;
    QTest::newRow("молоко") << "молоко" << "NOUN,inan,neut,Sgtm sing,nomn" << "молоко" << true << 3;
    QTest::newRow("города, genitive singular") << "города" << "NOUN,inan,masc sing,gent" << "город" << true << 1;
    QTest::newRow("города, nominative plural") << "города" << "NOUN,inan,masc plur,nomn" << "город" << true << 3;
    QTest::newRow("замок: readings disagree") << "замок" << "NOUN,inan,masc sing,nomn" << "замок" << true << 0;
    QTest::newRow("ё rule") << "жёлтенькёщ" << "ADJF masc,sing,nomn" << "" << false << 0;
    QTest::newRow("one-vowel rule") << "брюхть" << "NOUN sing,nomn" << "" << false << 1;
    QTest::newRow("several vowels, unknown") << "калабуда" << "NOUN sing,nomn" << "" << false << 0;
    QTest::newRow("no vowel") << "ткщ" << "NOUN sing,nomn" << "" << false << 0;
}

void TestFormsDbBuilder::accentsFromFilesAndRules()
{
    QFETCH(QString, form);
    QFETCH(QString, tags);
    QFETCH(QString, lemma);
    QFETCH(bool, needsFiles);
    QFETCH(int, accent);
    if (needsFiles && stress_.isEmpty())
        QSKIP("the stress lists of data/stress are missing");
    QCOMPARE(ResolveAccent(stress_.Lookup(form, tags, {lemma}), form), accent);
}

void TestFormsDbBuilder::standardFormsWinTheirCells_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("shown");
    QTest::newRow("другой, not др (Abbr)") << "другой" << 0 << 1 << 1 << "другой";
    QTest::newRow("годов, not гг (Abbr)") << "год" << 0 << 4 << 2 << "годов";
    QTest::newRow("умер, not ум (Slng)") << "умереть" << 1 << 5 << 3 << "умер";
    QTest::newRow("умерла") << "умереть" << 1 << 5 << 4 << "умерла";
    QTest::newRow("есть, not е") << "быть" << 1 << 4 << 3 << "есть";
    QTest::newRow("что, not чаво (Slng)") << "что" << 0 << 3 << 1 << "что";
    QTest::newRow("его, not него (Af-p)") << "он" << 0 << 1 << 2 << "его";
    QTest::newRow("ему, not нему (Af-p)") << "он" << 0 << 1 << 3 << "ему";
    QTest::newRow("им, not ним (Af-p)") << "он" << 0 << 1 << 5 << "им";
    QTest::newRow("гектаров, not гектар (Coun)") << "гектар" << 0 << 4 << 2 << "гектаров";
    QTest::newRow("люди, the paradigm's first") << "человек" << 0 << 4 << 1 << "люди";
    QTest::newRow("людям") << "человек" << 0 << 4 << 3 << "людям";
    QTest::newRow("зубов, not зубьев") << "зуб" << 0 << 4 << 2 << "зубов";
    QTest::newRow("past plural for Мы") << "читать" << 1 << 5 << 6 << "читали";
}

void TestFormsDbBuilder::standardFormsWinTheirCells()
{
    QFETCH(QString, word);
    QFETCH(int, page);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, shown);
    const ParadigmTables tables = decline(word).tables;
    QCOMPARE(int(tables.page.value()), page);
    QCOMPARE((page == 0 ? tables.declension : tables.conjugation).at(column, row), shown);
}

void TestFormsDbBuilder::lexemeRanks_data()
{
    QTest::addColumn<QList<int>>("tagIds");  // of kRankTags; the lemma first
    QTest::addColumn<int>("rank");
    QTest::newRow("standard") << QList<int>{0, 1} << int(LexemeRank::Standard);
    QTest::newRow("one marked form is still standard") << QList<int>{0, 5} << int(LexemeRank::Standard);
    QTest::newRow("impersonal") << QList<int>{2} << int(LexemeRank::Impersonal);
    QTest::newRow("proper name") << QList<int>{3} << int(LexemeRank::ProperName);
    QTest::newRow("abbreviated noun") << QList<int>{4} << int(LexemeRank::Letter);
    QTest::newRow("abbreviation of another part of speech") << QList<int>{7} << int(LexemeRank::Abbreviation);
    QTest::newRow("every form marked") << QList<int>{5, 6} << int(LexemeRank::Marked);
}

void TestFormsDbBuilder::lexemeRanks()
{
    QFETCH(QList<int>, tagIds);
    QFETCH(int, rank);
    const QStringList kRankTags{"NOUN,inan,masc sing,nomn",      "NOUN,inan,masc sing,gent",
                                "VERB,impf,intr,Impe sing,pres,indc", "NOUN,anim,masc,Name sing,nomn",
                                "NOUN,inan,masc,Fixd,Abbr sing,nomn", "NOUN,inan,masc sing,loct,Arch",
                                "NOUN,inan,masc sing,datv,Infr",  "ADVB,Ques Abbr"};
    BuiltLexeme lexeme;
    for (int id : tagIds)
        lexeme.forms.push_back({QStringLiteral("слово"), std::uint16_t(id), 0});
    QCOMPARE(int(LexemeRanker(kRankTags).Rank(lexeme)), rank);
}

void TestFormsDbBuilder::likelyLemmaFirst_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("firstPresent");  // the tags of the first tab's Я row, when a verb's
    QTest::addColumn<QStringList>("firstForm");  // tags in a cell of the first tab's table, and its form
    // Written in the source's order the abbreviation СТО and the country Того
    // came first; standard lexemes are numbered before them.
    QTest::newRow("сто: the numeral before СТО") << "сто" << QStringList{"сто (числительное)", "сто (аббревиатура)"}
                                                 << "" << QStringList{};
    QTest::newRow("того: тот before Того") << "того" << QStringList{"тот (местоимение)", "Того (существительное)"}
                                           << "" << QStringList{};
    QTest::newRow("деньги: the plural before the coin") << "деньги"
                                                       << QStringList{"деньги (существительное)", "деньга (существительное)"}
                                                       << "" << QStringList{};
    QTest::newRow("стоит: the full verb before the impersonal one")
        << "стоит" << QStringList{"стоить (глагол (инфинитив))", "стоить (глагол (инфинитив))"}
        << "VERB,impf,tran sing,1per,pres,indc" << QStringList{};
    // Within a rank the lexeme met more often in the corpus comes first.
    QTest::newRow("три: the numeral before тереть's imperative")
        << "три" << QStringList{"три (числительное)", "тереть (глагол (инфинитив))"} << "" << QStringList{};
    QTest::newRow("на: the preposition first") << "на" << QStringList{"на (предлог)", "на (частица)", "на (междометие)"}
                                               << "" << QStringList{};
    QTest::newRow("стали: стать before сталь")
        << "стали" << QStringList{"стать (глагол (инфинитив))", "сталь (существительное)"} << "" << QStringList{};
    QTest::newRow("посол: the ambassador before the salting") << "посол" << QStringList{"посол (существительное)", "посол (существительное)"}
                                                              << "" << QStringList{"sing,accs", "посла"};
    QTest::newRow("язык: inanimate first") << "язык" << QStringList{"язык (существительное)", "язык (существительное)"}
                                           << "" << QStringList{"sing,accs", "язык"};
    QTest::newRow("писать: писа́ть first") << "писать" << QStringList{"писать (глагол (инфинитив))", "писать (глагол (инфинитив))"}
                                           << "" << QStringList{"sing,1per,pres", "пишу"};
    // The order of one word's tabs, where the corpus reads it otherwise than
    // the lexemes' totals suggest.
    QTest::newRow("конечно: the conjunction before конечный's short form")
        << "конечно" << QStringList{"конечно (союз)", "конечный (прилагательное)", "конечно (частица)"} << "" << QStringList{};
    QTest::newRow("порт: the harbour before the abbreviation of португальский, however counted")
        << "порт" << QStringList{"порт (существительное)", "португальский (прилагательное)"} << "" << QStringList{};
    QTest::newRow("несколько: the numeral (the table)")
        << "несколько" << QStringList{"несколько (числительное)", "несколько (наречие)"} << "" << QStringList{};
    QTest::newRow("муж: мужья́ before мужи́ (the table)") << "муж" << QStringList{"муж (существительное)", "муж (существительное)"}
                                                       << "" << QStringList{"plur,nomn", "мужья"};
}

void TestFormsDbBuilder::likelyLemmaFirst()
{
    QFETCH(QString, word);
    QFETCH(QStringList, captions);
    QFETCH(QString, firstPresent);
    QFETCH(QStringList, firstForm);
    const DeclineOutcome outcome = decline(word);
    QCOMPARE(outcome.lemmaCaptions, captions);
    if (!firstPresent.isEmpty())
        QCOMPARE(outcome.tables.conjugationTags.at(4, 1), firstPresent);
    if (firstForm.isEmpty())
        return;
    const bool conjugation = outcome.tables.page == ParadigmPage::Conjugation;
    const ParadigmGrid &tags = conjugation ? outcome.tables.conjugationTags : outcome.tables.declensionTags;
    const ParadigmGrid &cells = conjugation ? outcome.tables.conjugation : outcome.tables.declension;
    QStringList found;
    for (int row = 0; row < tags.rows(); ++row) {
        for (int column = 0; column < tags.columns(); ++column) {
            if (tags.at(column, row).contains(firstForm.at(0)))
                found.append(cells.at(column, row));
        }
    }
    QCOMPARE(found, QStringList{firstForm.at(1)});
}

void TestFormsDbBuilder::yoSpellingsFoundToo_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("lemmas");  // in the order a reader meets them
    QTest::newRow("осел") << "осел" << QStringList{"осесть", "осёл"};
    QTest::newRow("берет") << "берет" << QStringList{"брать", "берет"};
    QTest::newRow("узнает") << "узнает" << QStringList{"узнать", "узнавать"};
    QTest::newRow("все") << "все" << QStringList{"весь", "всё"};
}

void TestFormsDbBuilder::yoSpellingsFoundToo()
{
    QFETCH(QString, word);
    QFETCH(QStringList, lemmas);
    const DeclineOutcome outcome = decline(word);
    QStringList found;
    for (const QString &caption : outcome.lemmaCaptions)
        found.append(caption.section(QLatin1Char(' '), 0, 0));
    QCOMPARE(found, lemmas);
    QCOMPARE(outcome.word, word);
}

void TestFormsDbBuilder::otherFormsOfEverydayWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("forms");  // the group's forms, in order
    QTest::newRow("должный: short forms") << "должный" << "short" << QStringList{"должен", "должна", "должно", "должны"};
    QTest::newRow("хороший: short forms") << "хороший" << "short" << QStringList{"хорош", "хороша", "хорошо", "хороши"};
    QTest::newRow("читать: infinitive") << "читать" << "infinitive" << QStringList{"читать"};
    QTest::newRow("читать: imperative") << "читать" << "imperative" << QStringList{"читай", "читайте"};
    QTest::newRow("читать: gerunds") << "читать" << "gerund" << QStringList{"читавши", "читая", "читав"};
    QTest::newRow("стол: nothing beyond the table") << "стол" << "" << QStringList{};
}

void TestFormsDbBuilder::otherFormsOfEverydayWords()
{
    QFETCH(QString, word);
    QFETCH(QString, group);
    QFETCH(QStringList, forms);
    const QList<OtherForm> other = decline(word).tables.other;
    QStringList inGroup;
    for (const OtherForm &form : other) {
        if (OtherFormGroupName(form.group) == group)
            inGroup.append(form.text);
    }
    QCOMPARE(inGroup, forms);
    if (group.isEmpty())
        QVERIFY(other.isEmpty());
}

void TestFormsDbBuilder::typedFormInEveryLemma()
{
    QCOMPARE(decline(QStringLiteral("столами")).tables.declensionTyped, QList<CellPosition>({{4, 5}}));

    // стали: the past plural of стать in the rows Мы, Вы and Они; the
    // genitive, dative and prepositional singular and the nominative plural of сталь.
    const DeclineOutcome stali = decline(QStringLiteral("стали"));
    QCOMPARE(stali.lemmaCaptions.size(), 2);
    QCOMPARE(stali.tables.conjugationTyped, QList<CellPosition>({{5, 6}, {5, 7}, {5, 8}}));
    engine_->StartCommand();
    const ParadigmTables noun = engine_->FillTables(1, kPlain, stali.typed);
    QCOMPARE(noun.declensionTyped, QList<CellPosition>({{2, 2}, {2, 3}, {2, 6}, {4, 1}, {4, 4}}));
}

void TestFormsDbBuilder::oneTabPerLexemeAndItsOwnLemma_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("nominative");  // the first filled cell of the nominative row
    QTest::newRow("США: Fixd,Abbr and Abbr,Fixd are one") << "сша" << QStringList{"США (аббревиатура)"} << "США";
    QTest::newRow("лучший is its own lemma") << "лучший" << QStringList{"лучший (прилагательное)"} << "лучший";
    QTest::newRow("наилучший apart from наихороший") << "наилучшая" << QStringList{"наилучший (прилагательное)"}
                                                    << "наилучший";
    // The source joins один, первый and 1-ый in one lexeme.
    QTest::newRow("один apart from первый") << "одного" << QStringList{"один (числительное)"} << "один";
    QTest::newRow("первый, not 1-ый, names its lexeme") << "первого" << QStringList{"первый (числительное)"}
                                                        << "первый";
    QTest::newRow("1-го belongs to первый") << "1-го" << QStringList{"первый (числительное)"} << "первый";
    // The plural деньги is a lemma of its own, apart from the old coin деньга.
    QTest::newRow("деньги apart from деньга") << "деньгами" << QStringList{"деньги (существительное)"} << "деньги";
    QTest::newRow("деньга keeps its singular") << "деньгу" << QStringList{"деньга (существительное)"} << "деньга";
    // Two lexemes told apart by transitivity alone, with one table, are one tab.
    QTest::newRow("думать: one tab") << "думаю" << QStringList{"думать (глагол (инфинитив))"} << "";
}

void TestFormsDbBuilder::oneTabPerLexemeAndItsOwnLemma()
{
    QFETCH(QString, word);
    QFETCH(QStringList, captions);
    QFETCH(QString, nominative);
    const DeclineOutcome outcome = decline(word);
    QCOMPARE(outcome.lemmaCaptions, captions);
    QStringList cells = GridRow(outcome.tables.declension, 1, 1);
    cells.removeAll(QString());
    QCOMPARE(cells.value(0), nominative);
}

// The tab that stands for both transitivities says so in every form's tags,
// the participles' too; a lexeme without a twin keeps its own (читать).
void TestFormsDbBuilder::twinsNameBothTransitivities()
{
    QCOMPARE(decline(QStringLiteral("думаю")).tables.conjugationTags.at(4, 1),
             QStringLiteral("VERB,impf,tran,intr sing,1per,pres,indc"));
    const DeclineOutcome participle = decline(QStringLiteral("думающий"));
    QCOMPARE(participle.lemmaCaptions, QStringList{"думающий (полное причастие)"});
    QCOMPARE(participle.tables.declensionTags.at(1, 1), QStringLiteral("PRTF,impf,tran,intr,pres,actv masc,sing,nomn"));
    QCOMPARE(decline(QStringLiteral("читаю")).tables.conjugationTags.at(4, 1),
             QStringLiteral("VERB,impf,tran sing,1per,pres,indc"));
}

void TestFormsDbBuilder::stressCorrections_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("tags");
    QTest::addColumn<int>("accent");
    QTest::newRow("ё carries the stress: жуёшь") << "жуёшь" << "VERB%2per%" << 0;
    QTest::newRow("-анин plural: гражданам") << "гражданам" << "NOUN%plur,datv" << 1;
    QTest::newRow("-анин plural: гражданами") << "гражданами" << "NOUN%plur,ablt" << 1;
    QTest::newRow("-анин singular stays: гражданину") << "гражданину" << "NOUN%sing,datv" << 3;
    QTest::newRow("вы- perfective: вынесли") << "вынесли" << "VERB%plur,past%" << 1;
    QTest::newRow("вы- perfective: вынесенный") << "вынесенный" << "PRTF%masc,sing,nomn" << 1;
    QTest::newRow("должна") << "должна" << "ADJS%" << 2;
    QTest::newRow("должны") << "должны" << "ADJS%" << 2;
    QTest::newRow("дано") << "дано" << "PRTS%" << 2;
    // Spelled with е as the words are, and stressed so: ра́вен, бо́лен, ле́гче.
    QTest::newRow("равен") << "равен" << "ADJS%masc,sing" << 1;
    QTest::newRow("болен") << "болен" << "ADJS%masc,sing" << 1;
    QTest::newRow("легче") << "легче" << "COMP%" << 1;
    QTest::newRow("лёт keeps its ё: лёта") << "лёта" << "NOUN%sing,gent" << 0;
    QTest::newRow("То́го, the country") << "того" << "NOUN%sing,nomn" << 1;
    // The lists give every поляков the stress of поля́ков, of поляк.
    QTest::newRow("the surname Поляко́в") << "поляков" << "NOUN%Surn%sing,nomn" << 3;
    QTest::newRow("the surname Поляко́ву") << "полякову" << "NOUN%Surn%sing,datv" << 3;
    QTest::newRow("несмотря́") << "несмотря" << "PREP" << 3;
    QTest::newRow("плани́руется") << "планируется" << "VERB%" << 2;
    QTest::newRow("плани́руемый") << "планируемый" << "PRTF%masc,sing,nomn" << 2;
    QTest::newRow("the surname Жу́ков, not жуко́в of жук") << "жуков" << "NOUN%Surn%sing,nomn" << 1;
    QTest::newRow("the surname Жу́ковым") << "жуковым" << "NOUN%Surn%sing,ablt" << 1;
    QTest::newRow("жуко́в of жук stays") << "жуков" << "NOUN,anim,masc plur,gent" << 2;
    QTest::newRow("the participle люби́мый") << "любимый" << "PRTF%masc,sing,nomn" << 2;
    QTest::newRow("the participle люби́мы") << "любимы" << "PRTS%plur" << 2;
    QTest::newRow("родила́сь") << "родилась" << "VERB%femn,sing,past%" << 3;
    // Two stresses in one reading: the lexeme's other plural forms choose
    // (ве́тры; поло́в, пола́м); where none has one stress (це́лить and цели́ть
    // are merged in the lists) none is kept.
    QTest::newRow("two stresses: ве́тров") << "ветров" << "NOUN%plur,gent" << 1;
    QTest::newRow("two stresses: полы́") << "полы" << "NOUN,inan,masc plur,nomn" << 2;
    QTest::newRow("two stresses, every form alike: целит") << "целит" << "VERB%3per%" << 0;
    // раскрошу́ alone would have voted for раскроши́т; the first person
    // singular stands apart (раскро́шит), so it casts no vote.
    QTest::newRow("two stresses, no vote of the first person: раскрошит") << "раскрошит" << "VERB%3per%" << 0;
    // Where the other forms disagree (дала́, да́ли) or are alike, the
    // corrections table names the standard stress.
    QTest::newRow("дало́") << "дало" << "VERB%neut,sing,past%" << 2;
    QTest::newRow("лека́рство") << "лекарство" << "NOUN%sing,nomn" << 2;
    QTest::newRow("сво́йство") << "свойство" << "NOUN%sing,nomn" << 1;
    QTest::newRow("лека́рствами") << "лекарствами" << "NOUN%plur,ablt" << 2;
    QTest::newRow("написа́ла") << "написала" << "VERB%femn,sing,past%" << 3;
    QTest::newRow("пора́") << "пора" << "NOUN%sing,nomn" << 2;
    QTest::newRow("поры́, genitive") << "поры" << "NOUN%sing,gent" << 2;
    QTest::newRow("по́ры, plural") << "поры" << "NOUN%plur,nomn" << 1;
    QTest::newRow("по́ру") << "пору" << "NOUN%sing,accs" << 1;
    QTest::newRow("пора́м") << "порам" << "NOUN%plur,datv" << 2;
    QTest::newRow("деньга́") << "деньга" << "NOUN%sing,nomn" << 2;
    QTest::newRow("де́ньги, plural") << "деньги" << "NOUN%plur,nomn" << 1;
    QTest::newRow("у́жина") << "ужина" << "NOUN%sing,gent" << 1;
    QTest::newRow("пробе́лы") << "пробелы" << "NOUN%plur,nomn" << 2;
    QTest::newRow("пра́вильная") << "правильная" << "ADJF%femn,sing,nomn" << 2;
    QTest::newRow("пра́вильны") << "правильны" << "ADJS%plur" << 2;
    QTest::newRow("нужны́") << "нужны" << "ADJS%plur" << 2;
    QTest::newRow("адресо́в") << "адресов" << "NOUN%plur,gent" << 3;
    QTest::newRow("адреса́, the plural it leaves") << "адреса" << "NOUN%plur,nomn" << 3;
    QTest::newRow("the preposition пе́ред") << "перед" << "PREP" << 1;
    QTest::newRow("the adverb ни́же") << "ниже" << "ADVB" << 1;
    QTest::newRow("the preposition ни́же") << "ниже" << "PREP" << 1;
    QTest::newRow("the conjunction ниже́") << "ниже" << "CONJ" << 2;
    // Forms of the page of other forms: the second locative on its ending
    // (на миру́, the dative ми́ру), and stresses the lists lack taken from
    // the lexeme's own forms.
    QTest::newRow("на миру́") << "миру" << "NOUN%loc2" << 2;
    QTest::newRow("the dative ми́ру") << "миру" << "NOUN%datv" << 1;
    QTest::newRow("ска́жемте") << "скажемте" << "VERB%impr%" << 1;
    QTest::newRow("мне́нье") << "мненье" << "NOUN%nomn,V-be" << 1;
    QTest::newRow("мне́ньем") << "мненьем" << "NOUN%ablt,V-be" << 1;
    QTest::newRow("поху́же") << "похуже" << "COMP%Cmp2" << 2;
    QTest::newRow("поле́гче") << "полегче" << "COMP%Cmp2" << 2;
    QTest::newRow("права́, the short feminine of пра́вый") << "права" << "ADJS%femn,sing" << 2;
    QTest::newRow("и́зо like и́з") << "изо" << "PREP%" << 1;
    QTest::newRow("пе́редо like пе́ред") << "передо" << "PREP%" << 1;
}

void TestFormsDbBuilder::misspellingsAreGone()
{
    // The source's spellings равён, болён, лёгче, полёгче and лету (of лёт) are no form.
    SqliteDatabase database(smallDb_, SqliteDatabase::Mode::ReadOnly);
    for (const QString &word :
         {QStringLiteral("равён"), QStringLiteral("болён"), QStringLiteral("лёгче"), QStringLiteral("полёгче")}) {
        SqliteStatement row(database, QStringLiteral("select count(*) from forms_view where word = ?"));
        row.bindText(1, word);
        QVERIFY(row.step());
        QCOMPARE(row.columnInt(0), 0);
    }
    SqliteStatement lyot(database, QStringLiteral("select count(*) from forms_view where word = 'лету'"));
    QVERIFY(lyot.step());
    QCOMPARE(lyot.columnInt(0), 0);
}

void TestFormsDbBuilder::absentShortFormsAndComparativesAreLeftOut()
{
    SqliteDatabase database(smallDb_, SqliteDatabase::Mode::ReadOnly);
    const auto count = [&database](const QString &word) {
        SqliteStatement row(database, QStringLiteral("select count(*) from forms_view where word = ? and "
                                                     "(prop like 'ADJS%' or prop like 'COMP%')"));
        row.bindText(1, word);
        return row.step() ? row.columnInt(0) : -1;
    };
    // Relational adjectives: by their suffix (газовый of газ, куриный), with
    // no short form nor word of quality (лесной), or listed (системный).
    for (const char *absent : {"последня", "последни", "настоящ", "настояща", "прошл", "попрошлее", "подолжнее",
                               "системен", "системнее", "газов", "газовее", "курин", "курины", "леснее", "полеснее",
                               "покрывнее", "попокрывнее", "подобнее"})
        QVERIFY2(count(QString::fromUtf8(absent)) == 0, absent);
    for (const char *real : {"должен", "должна", "хорош", "лучше", "получше", "красив", "красивее", "прав", "готов",
                             "нов", "новее", "раньше", "пораньше", "роднее", "подобен"})
        QVERIFY2(count(QString::fromUtf8(real)) > 0, real);
    // никто has no prepositional of one word (ни о ком).
    const ParadigmTables nobody = decline(QStringLiteral("никто")).tables;
    QCOMPARE(nobody.declension.at(1, 2), QStringLiteral("никого"));
    QCOMPARE(nobody.declension.at(1, 6), QString());
    // The lexemes themselves stay whole otherwise.
    QCOMPARE(decline(QStringLiteral("настоящий")).tables.declension.at(1, 1), QStringLiteral("настоящий"));
}

void TestFormsDbBuilder::missingEverydayFormsAreAdded()
{
    const ParadigmTables nothing = decline(QStringLiteral("ничто")).tables;
    QCOMPARE(nothing.declension.at(3, 4), QStringLiteral("ничто"));
    QCOMPARE(nothing.declension.at(3, 2), QStringLiteral("ничего"));
}

void TestFormsDbBuilder::casesOfIndefiniteNumerals_data()
{
    QTest::addColumn<QString>("numeral");
    QTest::addColumn<QStringList>("cases");  // the first column, nominative to prepositional
    // много and немного: the cases of многие and немногие, not the distorted
    // многа, многу, многе; мало has none but the nominative and accusative.
    QTest::newRow("много") << QStringLiteral("много")
                           << QStringList{"много", "многих", "многим", "много", "многими", "многих"};
    QTest::newRow("немного") << QStringLiteral("немного")
                             << QStringList{"немного", "немногих", "немногим", "немного", "немногими", "немногих"};
    QTest::newRow("мало") << QStringLiteral("мало") << QStringList{"мало", "", "", "мало", "", ""};
}

void TestFormsDbBuilder::casesOfIndefiniteNumerals()
{
    QFETCH(QString, numeral);
    QFETCH(QStringList, cases);
    const QString caption = numeral + QStringLiteral(" (числительное)");
    const DeclineOutcome outcome = decline(numeral);
    QVERIFY2(outcome.lemmaCaptions.contains(caption), qPrintable(outcome.lemmaCaptions.join(u',')));
    const ParadigmTables tables = engine_->FillTables(int(outcome.lemmaCaptions.indexOf(caption)), kPlain);
    QStringList column;
    for (int row = 1; row <= 6; ++row)
        column.append(tables.declension.at(1, row));
    QCOMPARE(column, cases);
    // No other column holds a form of another case (мала, малу).
    for (int row = 1; row <= 6; ++row) {
        for (int column = 2; column < tables.declension.columns(); ++column)
            QVERIFY(QStringList({QString(), cases.at(row - 1)}).contains(tables.declension.at(column, row)));
    }
}

void TestFormsDbBuilder::stressCorrections()
{
    QFETCH(QString, word);
    QFETCH(QString, tags);
    QFETCH(int, accent);
    if (stress_.isEmpty())
        QSKIP("the stress lists of data/stress are missing");
    SqliteDatabase database(smallDb_, SqliteDatabase::Mode::ReadOnly);
    SqliteStatement row(database, QStringLiteral("select accent from forms_view where word = ? and prop like ?"));
    row.bindText(1, word);
    row.bindText(2, tags);
    QVERIFY2(row.step(), qPrintable(word));
    QCOMPARE(row.columnInt(0), accent);
}

// The listed forms no lexeme has, for running text: полужи́рным is listed,
// стол is a form of the dictionary, а именно is no single word.
void TestFormsDbBuilder::listedFormsTheDictionaryLacks()
{
    if (stress_.isEmpty())
        QSKIP("the stress lists of data/stress are missing");
    SqliteDatabase database(smallDb_, SqliteDatabase::Mode::ReadOnly);
    SqliteStatement listed(database, QStringLiteral("select accent from listed_stress where word = ?"));
    const auto accentOf = [&listed](const QString &word) {
        listed.reset();
        listed.bindText(1, word);
        return listed.step() ? listed.columnInt(0) : -1;
    };
    QCOMPARE(accentOf(QStringLiteral("полужирным")), 3);
    QCOMPARE(accentOf(QStringLiteral("гиперссылки")), 3);
    QCOMPARE(accentOf(QStringLiteral("стол")), -1);
    QCOMPARE(accentOf(QStringLiteral("столами")), -1);
    QCOMPARE(accentOf(QStringLiteral("а именно")), -1);
}

void TestFormsDbBuilder::stressPredictedForRunningText_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("tags");
    QTest::addColumn<int>("predicted");  // -1: none
    QTest::newRow("ба́йтов, as every other plural of байт") << "байтов" << "NOUN%plur,gent" << 1;
    QTest::newRow("not a second spelling beside маркёра") << "маркера" << "NOUN%sing,gent" << -1;
    QTest::newRow("not where only the one-syllable стих tells") << "стиха" << "NOUN%sing,gent" << -1;
    QTest::newRow("not where the lists give two stresses") << "написать" << "INFN%" << -1;
    QTest::newRow("not over a stress the lists give") << "байты" << "NOUN%plur,nomn" << -1;
}

// The stress predicted from a lexeme's other forms for the forms the lists
// lack, which only running text takes.
void TestFormsDbBuilder::stressPredictedForRunningText()
{
    if (stress_.isEmpty())
        QSKIP("the stress lists of data/stress are missing");
    QFETCH(QString, word);
    QFETCH(QString, tags);
    QFETCH(int, predicted);
    SqliteDatabase database(smallDb_, SqliteDatabase::Mode::ReadOnly);
    SqliteStatement query(database, QStringLiteral("select coalesce(p.accent, -1) from forms_view v"
                                                   " left join predicted_stress p on p.form_id = v.id"
                                                   " where v.word = ? and v.prop like ?"));
    query.bindText(1, word);
    query.bindText(2, tags);
    QVERIFY(query.step());
    QCOMPARE(query.columnInt(0), predicted);
    QVERIFY(!query.step());
}

void TestFormsDbBuilder::yoRules()
{
    QCOMPARE(engine_->RestoreYo(QStringLiteral("елка")), QStringLiteral("ёлка"));
    QCOMPARE(engine_->RestoreYo(QStringLiteral("Елка")), QStringLiteral("Ёлка"));
    QCOMPARE(engine_->RestoreYo(QStringLiteral("все")), QStringLiteral("все"));
    QCOMPARE(engine_->RestoreYo(QStringLiteral("идет")), QStringLiteral("идёт"));  // a form of идти
    QCOMPARE(decline(QStringLiteral("елку")).word, QStringLiteral("ёлку"));
    // полёгче is no form of лёгкий, so no row turns полегче into it.
    QCOMPARE(engine_->RestoreYo(QStringLiteral("полегче")), QStringLiteral("полегче"));

    // A row leads to a form and never hides one of a common word.
    DictionaryForms forms;
    for (const auto &[word, tags] : QList<QPair<QString, QString>>{
             {"ёжик", "NOUN,anim,masc sing,nomn"}, {"ёлка", "NOUN,inan,femn sing,nomn"},
             {"шёл", "VERB,impf,intr masc,sing,past,indc"}, {"берёт", "VERB,impf,tran sing,3per,pres,indc"},
             {"берет", "NOUN,inan,masc sing,nomn"}, {"нёбо", "NOUN,inan,neut sing,nomn"},
             {"небо", "NOUN,inan,neut sing,nomn"}, {"чёрт", "NOUN,anim,masc sing,nomn"},
             {"неё", "NPRO,femn,3per,Anph sing,gent"}, {"нее", "NOUN,inan,femn,Sgtm,Geox sing,datv"},
             {"амебный", "ADJF,Qual masc,sing,nomn"}})
        forms.Add(word, tags);
    const YoTableBuilder yo({{"ёжик", false}, {"берёзник", true}, {"Алёша", false}, {"всё", false}, {"амёбный", false},
                             {"неё", false}},
                            {{"всё", false}, {"берёт", false}}, forms);
    QMap<QString, QString> rows;
    yo.ForEachRow([&rows](const QString &str, const QString &strYo) { rows.insert(str, strYo); });
    const QMap<QString, QString> expected{{"ежик", "ёжик"}, {"Ежик", "Ёжик"}, {"нее", "неё"}, {"Нее", "Неё"},
                                          {"елка", "ёлка"}, {"шел", "шёл"},   {"черт", "чёрт"}};
    QCOMPARE(rows, expected);
    QCOMPARE(yo.drops().yoSpellingNoForm, 4);     // берёзник, Алёша, амёбный, Амёбный
    QCOMPARE(yo.drops().eSpellingCommonForm, 1);  // нёбо: небо
}

// Running text weighs a word's readings by how often the corpus meets each.
void TestFormsDbBuilder::corpusCountsOfReadings()
{
    StressLookup stress(smallDb_);
    QMap<int, int> countOfAccent;  // того́ of тот, То́го the country
    for (const StressReading &reading : stress.Readings(QStringLiteral("того")))
        countOfAccent[reading.accent] += reading.corpusCount;
    QCOMPARE(countOfAccent, (QMap<int, int>{{1, 6}, {2, 136}}));
    // A word the corpus never met: nothing to weigh.
    for (const StressReading &reading : stress.Readings(QStringLiteral("лекарствами")))
        QCOMPARE(reading.corpusCount, -1);
    // One the corpus spells with е, looked up with ё.
    const QList<StressReading> yo = stress.Readings(QStringLiteral("всё"));
    QVERIFY(!yo.isEmpty());
    QVERIFY(std::all_of(yo.cbegin(), yo.cend(), [](const StressReading &reading) { return reading.corpusCount >= 0; }));
}

void TestFormsDbBuilder::statementsAreIndexSearches()
{
    SqliteDatabase database(smallDb_, SqliteDatabase::Mode::ReadOnly);
    for (const QString &statement : {
             QStringLiteral("select str_yo from yo where str= :STR "),
             QStringLiteral("select initform_id,prop from forms_view where word=:WORD group by initform_id;"),
             QStringLiteral("select word,prop from forms_view where id=:ID;"),
             QStringLiteral("select word,prop,accent from forms_view where initform_id=:ID;"),
             QStringLiteral("select t.prop, c.count from corpus_counts c join tags t on t.id = c.tag_id where c.word = ?")}) {
        SqliteStatement plan(database, QStringLiteral("explain query plan ") + statement);
        plan.bindText(1, QStringLiteral("1"));
        QStringList steps;
        while (plan.step())
            steps.append(plan.columnText(3));
        QVERIFY2(!steps.isEmpty(), qPrintable(statement));
        for (const QString &step : std::as_const(steps))
            QVERIFY2(step.startsWith(QLatin1String("SEARCH")) || step.startsWith(QLatin1String("USE TEMP B-TREE")),
                     qPrintable(statement + QStringLiteral(": ") + step));
    }
}

void TestFormsDbBuilder::failedBuildLeavesTargetUntouched()
{
    const QString target = dir_.filePath(QStringLiteral("kept.db"));
    QFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("the dictionary that was here");
    file.close();

    const SourceLexeme verb = lexemeOf(QStringLiteral("читать"), QStringLiteral("INFN"));
    BuildSources sources{*corpus_, {verb}, stress_, {}, {}};
    sources.lexemes.push_back({QStringLiteral("ы"), verb.paradigmId});  // too short for the suffix "ать"
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, BuildFormsDb(sources, target, [](const QString &) {}));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("the dictionary that was here"));
    QCOMPARE(QDir(dir_.path()).entryList({"kept.db*"}), QStringList{"kept.db"});
}

void TestFormsDbBuilder::fullDiskLeavesTargetUntouched()
{
    test::FullDisk disk;
    if (!disk.available())
        QSKIP("mounting a small file system needs root");
    const QString target = disk.filePath(QStringLiteral("forms.db"));
    QVERIFY(test::WriteBytes(target, "the dictionary that was here"));
    disk.fill();
    const SourceLexeme verb = lexemeOf(QStringLiteral("читать"), QStringLiteral("INFN"));
    BuildSources sources{*corpus_, {verb, lexemeOf(QStringLiteral("стол"), QStringLiteral("NOUN"))}, stress_, {}, {}};
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, BuildFormsDb(sources, target, [](const QString &) {}));
    QCOMPARE(test::ReadBytes(target), QByteArray("the dictionary that was here"));
    QCOMPARE(QDir(disk.path()).entryList({"forms.db*"}), QStringList{"forms.db"});
}

void TestFormsDbBuilder::malformedSourceIsReported()
{
    const QDir source(QStringLiteral(TORNELIS_AZ_DICTS));
    const QDir broken(dir_.filePath(QStringLiteral("broken")));
    QVERIFY(broken.mkpath(QStringLiteral(".")));
    for (const QString &name : {"meta.json", "suffixes.json", "gramtab-opencorpora-int.json"})
        QVERIFY(QFile::copy(source.filePath(name), broken.filePath(name)));
    QFile paradigms(source.filePath(QStringLiteral("paradigms.array")));
    QVERIFY(paradigms.open(QIODevice::ReadOnly));
    QFile truncated(broken.filePath(QStringLiteral("paradigms.array")));
    QVERIFY(truncated.open(QIODevice::WriteOnly));
    truncated.write(paradigms.read(1000));
    truncated.close();
    try {
        OpenCorpora::Load(broken.path());
        QFAIL("a truncated paradigms.array must be reported");
    } catch (const std::runtime_error &error) {
        QVERIFY2(QString::fromUtf8(error.what()).contains(QLatin1String("paradigms.array")), error.what());
    }
    QVERIFY(QFile::remove(broken.filePath(QStringLiteral("suffixes.json"))));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, OpenCorpora::Load(broken.path()));
}

QTEST_GUILESS_MAIN(TestFormsDbBuilder)
#include "test_forms_db_builder.moc"
