#include "engine/sqlite_database.h"
#include "engine/stress_lookup.h"
#include "support/annotate_text.h"
#include "support/test_database.h"
#include "textmode/text_annotator.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tornelis;
using namespace tornelis::test;

namespace {

QList<FormRow> Row(qint64 id, const char *word, const char *tags, int accent)
{
    QList<FormRow> rows = Lexeme(id, {{QString::fromUtf8(word), QString::fromUtf8(tags)}});
    rows[0].accent = accent;
    return rows;
}

// The rows with the accents given, in their order.
QList<FormRow> Accented(QList<FormRow> rows, const QList<int> &accents)
{
    for (qsizetype i = 0; i < rows.size(); ++i)
        rows[i].accent = accents.at(i);
    return rows;
}

// Readings as the real dictionary has them.
QList<FormRow> Dictionary()
{
    return Row(1, "того", "NOUN,inan,neut,Sgtm,Fixd,Geox sing,nomn", 1)  // То́го
           + Row(2, "того", "ADJF,Apro masc,sing,gent", 2)                // того́
           + Row(3, "толстой", "ADJF,Qual femn,sing,gent", 1)             // то́лстой
           + Row(4, "толстой", "NOUN,anim,masc,Sgtm,Surn sing,nomn", 2)   // Толсто́й
           + Row(5, "кителя", "NOUN,inan,masc sing,gent", 1)              // ки́теля
           + Row(6, "кителя", "NOUN,inan,masc plur,nomn,Infr", 3)         // кителя́
           + Row(7, "нее", "NOUN,inan,femn,Sgtm,Geox sing,gent", 1)       // Не́и, of Нея
           + Row(8, "неё", "NPRO,femn,3per,Anph sing,gent", 0)
           + Row(9, "слезы", "NOUN,inan,femn sing,gent", 2)  // слезы́
           + Row(10, "слёзы", "NOUN,inan,femn plur,nomn", 0)
           + Row(11, "небо", "NOUN,inan,neut sing,nomn", 1)  // не́бо and нёбо: one place
           + Row(12, "нёбо", "NOUN,inan,neut sing,nomn", 0)
           + Row(13, "осел", "VERB,perf,intr masc,sing,past,indc", 2)  // осе́л
           + Row(14, "осёл", "NOUN,anim,masc sing,nomn,Infr", 0)       // a twin seldom meant (marked here)
           + Row(15, "по-моему", "ADVB", 2)
           + Row(16, "моему", "ADJF,Apro masc,sing,datv", 3)
           + Row(17, "какой", "ADJF,Apro masc,sing,nomn", 2)
           + Row(18, "либо", "CONJ", 1)
           + Row(19, "мама", "NOUN,anim,femn sing,nomn", 1)
           + Row(20, "всё-таки", "PRCL", 0)
           + Row(21, "таки", "PRCL", 1)
           + Row(22, "твёрдо", "ADVB", 0) + Row(23, "твёрдо", "ADJS,Qual neut,sing", 0)
           + Row(24, "весёл", "ADJS,Qual masc,sing", 0)   // весёл and вёсел, of весло
           + Row(25, "вёсел", "NOUN,inan,neut plur,gent", 0)
           + Accented(Lexeme(26, {{"байты", "NOUN,inan,masc plur,nomn"}, {"байтов", "NOUN,inan,masc plur,gent"}}),
                      {1, 0})  // ба́йтов, which the lists lack
           + Accented(Lexeme(130, {{"строчный", "ADJF,Qual masc,sing,nomn"}, {"строчная", "ADJF,Qual femn,sing,nomn"}}),
                      {1, 1})  // стро́чная (буква)
           + Accented(Lexeme(132, {{"строчной", "ADJF masc,sing,nomn"}, {"строчная", "ADJF femn,sing,nomn"}}),
                      {2, 2})  // строчна́я, of stitching
           + Row(134, "ниже", "ADVB", 1) + Row(135, "ниже", "CONJ", 2)  // the old conjunction ниже́
           + Accented(Lexeme(136, {{"выводит", "VERB,impf,tran sing,3per,pres,indc"},    // выво́дит
                                   {"выводит", "VERB,perf,tran sing,3per,futr,indc"},    // вы́водит, seldom meant
                                   {"выводить", "INFN,impf,tran"}, {"выводить", "INFN,perf,tran"}},
                             2),
                      {2, 1, 3, 1})
           + Accented(Lexeme(140, {{"стоять", "INFN,impf,intr"}, {"стоит", "VERB,impf,intr sing,3per,pres,indc"}}),
                      {2, 2})  // стои́т
           + Accented(Lexeme(142, {{"стоить", "INFN,impf,tran"}, {"стоит", "VERB,impf,tran sing,3per,pres,indc"}}),
                      {1, 1})  // сто́ит
           + Row(144, "говорить", "INFN,impf,tran", 3);
}

// The readings of words whose stress their neighbours decide, as the real
// dictionary has them, and of the neighbours.
QList<FormRow> Neighbours()
{
    return Row(30, "из", "PREP", 1) + Row(31, "в", "PREP", 0) + Row(32, "о", "PREP", 1) + Row(33, "не", "PRCL", 1)
           + Row(34, "два", "NUMR masc,nomn", 1) + Row(35, "два", "NUMR inan,masc,accs", 1)
           + Row(36, "ядра", "NOUN,inan,neut sing,gent", 2)  // ядра́
           + Row(37, "ядра", "NOUN,inan,neut plur,nomn", 1)  // я́дра
           + Row(38, "ядра", "NOUN,inan,neut plur,accs", 1)
           + Row(39, "после", "ADVB", 1) + Row(40, "после", "PREP", 1)
           + Row(41, "после", "NOUN,anim,masc sing,loct", 2)  // после́, of посол
           + Row(42, "авторского", "ADJF masc,sing,gent", 1) + Row(43, "авторского", "ADJF anim,masc,sing,accs", 1)
           + Row(44, "авторского", "ADJF neut,sing,gent", 1)
           + Row(45, "права", "NOUN,inan,neut sing,gent", 1) + Row(46, "права", "NOUN,inan,neut plur,nomn", 2)
           + Row(47, "права", "NOUN,inan,neut plur,accs", 2) + Row(48, "права", "ADJS,Qual femn,sing", 1)
           + Row(49, "тот", "ADJF,Apro,Subx,Anph masc,sing,nomn", 1)
           + Row(50, "велик", "ADJS,Qual masc,sing", 2)  // вели́к
           + Row(51, "велик", "NOUN,inan,masc sing,nomn", 1)  // ве́лик, a bicycle
           + Row(52, "какая", "GRND,impf,intr pres", 1) + Row(53, "какая", "ADJF,Apro femn,sing,nomn", 2)
           + Row(54, "поборов", "NOUN,inan,masc plur,gent", 2) + Row(55, "поборов", "GRND,perf,tran past", 3)
           + Row(56, "времени", "VERB,impf,intr sing,impr,excl", 3) + Row(57, "времени", "NOUN,inan,neut sing,gent", 1)
           + Row(60, "перед", "PREP", 1) + Row(61, "перёд", "NOUN,inan,masc sing,nomn", 0)
           + Row(58, "брани", "VERB,impf,tran sing,impr,excl", 2) + Row(59, "брани", "NOUN,inan,femn sing,gent", 1)
           + Row(162, "по", "PREP", 1) + Row(163, "на", "PREP", 1) + Row(164, "без", "PREP", 1)
           + Row(165, "их", "NPRO,3per,Anph plur,gent", 1) + Row(166, "их", "ADJF,Fixd,Apro,Anph masc,sing,loct", 1)
           + Row(167, "их", "ADJF,Fixd,Apro,Anph masc,sing,datv", 1)
           + Row(168, "поводу", "NOUN,inan,masc sing,datv", 1)  // по́воду
           + Row(169, "поводу", "NOUN,inan,masc sing,loc2", 3)  // поводу́
           + Row(170, "ходу", "NOUN,inan,masc sing,datv", 1) + Row(171, "ходу", "NOUN,inan,masc sing,loc2", 2)
           + Row(172, "которых", "ADJF,Apro,Subx plur,gent", 2)
           + Row(173, "струны", "NOUN,inan,femn sing,gent", 2)  // струны́
           + Row(174, "струны", "NOUN,inan,femn plur,nomn", 1)  // стру́ны
           + Row(175, "первой", "ADJF,Anum femn,sing,gent", 1)
           + Row(176, "крови", "NOUN,inan,femn sing,gent", 1) + Row(177, "крови", "NOUN,inan,femn sing,loc2", 2);
}

// Words whose readings the corpus counts, with the counts the real
// dictionary has for them (those of после are in CorpusCounts).
QList<FormRow> Counted()
{
    return Row(100, "тому", "ADJF,Apro,Subx,Anph masc,sing,datv", 2)  // тому́, of тот
           + Row(101, "тому", "ADJF,Apro,Subx,Anph neut,sing,datv", 2)
           + Row(102, "тому", "NOUN,inan,masc sing,datv", 1)  // то́му, of том
           + Row(103, "к", "PREP", 0)
           + Row(104, "целую", "ADJF,Qual femn,sing,accs", 1)  // це́лую
           + Row(105, "целую", "VERB,impf,tran sing,1per,pres,indc", 2)  // целу́ю
           + Row(106, "дорога", "NOUN,inan,femn sing,nomn", 2)  // доро́га
           + Row(107, "дорога", "ADJS,Qual femn,sing", 1)  // до́рога
           + Accented(Lexeme(108, {{"вода", "NOUN,inan,femn sing,nomn"}, {"воды", "NOUN,inan,femn sing,gent"},  // воды́
                                   {"воды", "NOUN,inan,femn plur,nomn"}, {"воды", "NOUN,inan,femn plur,accs"}}),  // во́ды
                      {2, 2, 1, 1});
}

QList<CorpusCountRow> CorpusCounts()
{
    return {{"тому", "ADJF,Apro,Subx,Anph masc,sing,datv", 5}, {"тому", "ADJF,Apro,Subx,Anph neut,sing,datv", 33},
            {"тому", "NOUN,inan,masc sing,datv", 1},         {"после", "PREP", 12},
            {"после", "ADVB", 1},                            {"после", "NOUN,anim,masc sing,loct", 1},
            {"целую", "ADJF,Qual femn,sing,accs", 19},       {"целую", "VERB,impf,tran sing,1per,pres,indc", 2},
            {"дорога", "NOUN,inan,femn sing,nomn", 55},      {"дорога", "ADJS,Qual femn,sing", 3},
            {"воды", "NOUN,inan,femn sing,gent", 153},       {"воды", "NOUN,inan,femn plur,nomn", 2},
            {"воды", "NOUN,inan,femn plur,accs", 3}};
}

// A verb whose second person plural is stressed apart from its imperative
// (смо́трите, смотри́те), and the words that tell which is meant.
QList<FormRow> SecondPersonPlural()
{
    return Accented(Lexeme(180, {{"смотреть", "INFN,impf,tran"},
                                 {"смотрите", "VERB,impf,tran plur,2per,pres,indc"},  // смо́трите
                                 {"смотрите", "VERB,impf,tran plur,impr,excl"}}),     // смотри́те
                    {2, 1, 2})
           + Row(183, "вы", "NPRO,2per plur,nomn", 0) + Row(184, "знаете", "VERB,impf,tran plur,2per,pres,indc", 1)
           + Row(185, "если", "CONJ", 1) + Row(186, "ли", "PRCL", 0) + Row(187, "а", "CONJ", 0);
}

// Nouns in a row: case forms of one lexeme after a noun.
QList<FormRow> NounsInARow()
{
    return Accented(Lexeme(120, {{"поле", "NOUN,inan,neut sing,nomn"}, {"поля", "NOUN,inan,neut sing,gent"},  // по́ля
                                 {"поля", "NOUN,inan,neut plur,nomn"}, {"поля", "NOUN,inan,neut plur,accs"}}),  // поля́
                    {1, 1, 2, 2})
           + Accented(Lexeme(124, {{"значение", "NOUN,inan,neut sing,nomn"}, {"значение", "NOUN,inan,neut sing,accs"}}),
                      {2, 2})
           + Row(126, "мире", "NOUN,inan,masc sing,loct", 1);
}

}  // namespace

class TestTextAnnotator : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void likelyReadingsDecide_data();
    void likelyReadingsDecide();
    void neighboursDecide_data();
    void neighboursDecide();
    void commonReadingWins_data();
    void commonReadingWins();
    void dictionaryOnlyObjects_data();
    void dictionaryOnlyObjects();

private:
    QTemporaryDir dir_;
    QString db_;
    QString countedDb_;  // with the corpus counts of readings
};

void TestTextAnnotator::initTestCase()
{
    db_ = dir_.filePath(QStringLiteral("forms.db"));
    WriteTestDatabase(db_, Dictionary() + Neighbours() + NounsInARow() + SecondPersonPlural(),
                      {{QStringLiteral("нее"), QStringLiteral("неё")}, {QStringLiteral("все-таки"), QStringLiteral("всё-таки")}});
    countedDb_ = dir_.filePath(QStringLiteral("counted.db"));
    WriteTestDatabase(countedDb_, Dictionary() + Neighbours() + Counted());
    AddCorpusCounts(countedDb_, CorpusCounts());
    // The builder's tables of every ё spelling and of the listed forms the
    // dictionary lacks; ядра is listed here only to show the dictionary's
    // own readings come first.
    SqliteDatabase database(db_, SqliteDatabase::Mode::Create);
    database.exec(QStringLiteral(
        "create table yo_spellings(str text not null, str_yo text not null, primary key(str, str_yo)) without rowid;"
        "insert into yo_spellings values('твердо', 'твёрдо'), ('весел', 'весёл'), ('весел', 'вёсел');"
        "create table listed_stress(word text not null primary key, accent integer not null) without rowid;"
        "insert into listed_stress values('полужирным', 3), ('ядра', 1);"
        // Predicted for ба́йтов (row 27); the one for мама (row 19) shows a
        // stress the dictionary holds comes first.
        "create table predicted_stress(form_id integer primary key, accent integer not null);"
        "insert into predicted_stress values(27, 1), (19, 2);"));
}

void TestTextAnnotator::likelyReadingsDecide_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marked");
    QTest::newRow("a lower-case word is no name") << "до того, с толстой" << "до тог'о, с т'олстой";
    QTest::newRow("a capital inside a sentence is a name") << "в Того, как Толстой" << "в Т'ого, как Толст'ой";
    QTest::newRow("a capital after a full stop tells nothing") << "Все. Того" << "Все. Того";
    QTest::newRow("nor after a colon") << "вопрос: «Того ли" << "вопрос: «Того ли";
    QTest::newRow("nor at a line's start or in capitals") << "и\nТого, ТОГО" << "и\nТого, ТОГО";
    QTest::newRow("a marked reading loses") << "у кителя" << "у к'ителя";
    QTest::newRow("нее: the ё spelling before a place name") << "для нее" << "для не'е";
    QTest::newRow("an ё twin stressed elsewhere") << "слезы" << "слезы";
    QTest::newRow("an ё twin stressed at the same place") << "небо" << "н'ебо";
    QTest::newRow("an ё twin seldom meant") << "осел" << "ос'ел";
    QTest::newRow("the full stop of an initial ends no sentence") << "мама Л. Н. Толстой" << "м'ама Л. Н. Толст'ой";
    QTest::newRow("a word's full stop does") << "мама. Толстой" << "м'ама. Толстой";
    QTest::newRow("a capital after a tab, a bar or two blanks starts a cell")
        << "мама\tТолстой|Толстой  Толстой" << "м'ама\tТолстой|Толстой  Толстой";
    QTest::newRow("a capital after one blank does not") << "мама Толстой" << "м'ама Толст'ой";
    QTest::newRow("a word with Latin letters is left alone") << "мамa, mама, мама" << "мамa, mама, м'ама";
    QTest::newRow("a hyphenated word whole") << "По-моему, моему" << "По-м'оему, моем'у";
    QTest::newRow("else by its parts, a particle unmarked") << "какой-либо либо" << "как'ой-либо л'ибо";
    QTest::newRow("parts that are words") << "мама-мама-кот" << "м'ама-м'ама-кот";
    QTest::newRow("a hyphenated word with ё restored") << "все-таки, опять-таки" << "вс'е-таки, опять-таки";
    QTest::newRow("a lexeme seldom meant gives way") << "строчная, ниже" << "стр'очная, н'иже";
    QTest::newRow("but keeps its own forms") << "строчной" << "строчн'ой";
    QTest::newRow("an aspect of a lexeme seldom meant") << "выводит" << "выв'одит";
}

void TestTextAnnotator::likelyReadingsDecide()
{
    QFETCH(QString, text);
    QFETCH(QString, marked);
    StressLookup stress(db_);
    TextAnnotator annotator(stress, {});
    QCOMPARE(AnnotateText(annotator, text), marked);
}

void TestTextAnnotator::neighboursDecide_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marked");
    QTest::newRow("a preposition keeps the cases it governs") << "из ядра, в ядра" << "из ядр'а, в 'ядра";
    QTest::newRow("not across a comma, nor alone") << "из, ядра. Ядра" << "из, ядра. Ядра";
    QTest::newRow("a locative needs a preposition") << "После мама после о после" << "П'осле м'ама п'осле о посл'е";
    QTest::newRow("a comma may hide one") << "мама, после" << "м'ама, после";
    QTest::newRow("два takes the genitive singular") << "два ядра" << "два ядр'а";
    QTest::newRow("a noun before decides nothing") << "мама ядра" << "м'ама ядра";
    QTest::newRow("an adjective agrees with its noun") << "авторского права" << "'авторского пр'ава";
    QTest::newRow("a pronoun before a predicate does not") << "тот велик" << "тот велик";
    QTest::newRow("a present gerund is seldom meant") << "какая" << "как'ая";
    QTest::newRow("a past one is not") << "поборов" << "поборов";
    QTest::newRow("an imperative after a declined word is seldom meant") << "мама времени" << "м'ама вр'емени";
    QTest::newRow("elsewhere it is common") << "не брани" << "не брани";
    QTest::newRow("a preposition has no ё twin") << "перед" << "п'еред";
    QTest::newRow("a noun after a subject or object is its attribute") << "значение поля" << "знач'ение п'оля";
    QTest::newRow("not after another case") << "мире поля" << "м'ире поля";
    QTest::newRow("nor as a capital") << "значение Поля" << "знач'ение Поля";
    QTest::newRow("nor across a comma") << "значение, поля" << "знач'ение, поля";
    QTest::newRow("a preposition governs through a possessive or an adjective")
        << "по их поводу, до первой крови" << "по их п'оводу, до п'ервой кр'ови";
    QTest::newRow("not through a declined pronoun") << "без которых струны" << "без кот'орых струны";
    QTest::newRow("стоит before an infinitive is worth doing") << "не стоит говорить, стоит ли говорить"
                                                                << "не ст'оит говор'ить, ст'оит ли говор'ить";
    QTest::newRow("not before another word or past the clause") << "стоит мама, стоит. Говорить"
                                                                 << "стоит м'ама, стоит. Говор'ить";
    QTest::newRow("a tab between words is a blank, a comma is not") << "на\n\tходу, на, ходу" << "на\n\tход'у, на, ходу";
    // A verb form both indicative and imperative: its clause tells which.
    QTest::newRow("the imperative by default") << "(смотрите ниже), Смотрите" << "(смотр'ите н'иже), Смотр'ите";
    QTest::newRow("вы before it in the clause, but not а вы") << "Вы смотрите, а вы смотрите" << "Вы см'отрите, а вы смотрите";
    QTest::newRow("or a verb in the second person") << "знаете и смотрите" << "зн'аете и см'отрите";
    QTest::newRow("not after вы не") << "вы не смотрите" << "вы не смотрите";
    QTest::newRow("nor in a condition") << "если вы смотрите" << "'если вы смотрите";
    QTest::newRow("which a dash ends") << "если вы знаете — смотрите" << "'если вы зн'аете — смотр'ите";
    QTest::newRow("after a comma, a main clause with вы leaves it open")
        << "вы знаете, смотрите; если вы знаете, смотрите"
        << "вы зн'аете, смотрите; 'если вы зн'аете, смотр'ите";
    QTest::newRow("before ли or вы, or in a question")
        << "смотрите ли вы? Смотрите вы. Смотрите в мир?" << "смотрите ли вы? Смотрите вы. Смотрите в мир?";
    const QString verb = QStringLiteral("смотрите");
    QTest::newRow("nor where the sentence starts too far back")
        << QStringLiteral("вы ") + QStringLiteral("мама ").repeated(200) + verb
        << QStringLiteral("вы ") + QStringLiteral("м'ама ").repeated(200) + verb;
    // The annotator reads the text in pieces of 64 KiB.
    const QString farQuestion = QString(65500, u' ') + verb + QString(40, u' ') + u'?';
    QTest::newRow("a question mark in the next piece") << farQuestion << farQuestion;
}

void TestTextAnnotator::neighboursDecide()
{
    QFETCH(QString, text);
    QFETCH(QString, marked);
    StressLookup stress(db_);
    TextAnnotator annotator(stress, {});
    QCOMPARE(AnnotateText(annotator, text), marked);
}

void TestTextAnnotator::commonReadingWins_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marked");
    QTest::newRow("a reading the corpus meets 38 times to 1") << "к тому" << "к том'у";
    QTest::newRow("where no neighbour tells") << "мама, после" << "м'ама, п'осле";
    QTest::newRow("a neighbour says otherwise") << "о после" << "о посл'е";
    QTest::newRow("19 times to 2 is not enough") << "целую" << "целую";
    QTest::newRow("a short adjective may be the predicate") << "дорога" << "дорога";
    QTest::newRow("case forms of one lexeme") << "воды" << "воды";
    QTest::newRow("a capital inside a sentence") << "мама Тому" << "м'ама Тому";
    QTest::newRow("a word the corpus lacks") << "ядра" << "ядра";
}

void TestTextAnnotator::commonReadingWins()
{
    QFETCH(QString, text);
    QFETCH(QString, marked);
    StressLookup stress(countedDb_);
    TextAnnotator annotator(stress, {});
    QCOMPARE(AnnotateText(annotator, text), marked);
}

void TestTextAnnotator::dictionaryOnlyObjects_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marked");
    QTest::newRow("е for ё where every ё spelling agrees") << "твердо" << "тв'ердо";
    QTest::newRow("not where they disagree") << "весел" << "весел";
    QTest::newRow("a listed form the dictionary lacks") << "полужирным шрифтом" << "полуж'ирным шрифтом";
    QTest::newRow("the dictionary's readings come first") << "мама ядра" << "м'ама ядра";
    QTest::newRow("a stress predicted for a form the lists lack") << "байтов, байты" << "б'айтов, б'айты";
    QTest::newRow("the dictionary's stress before a predicted one") << "мама" << "м'ама";
}

// The tables a dictionary may lack: without them the words stay unmarked.
void TestTextAnnotator::dictionaryOnlyObjects()
{
    QFETCH(QString, text);
    QFETCH(QString, marked);
    StressLookup stress(db_);
    TextAnnotator annotator(stress, {});
    QCOMPARE(AnnotateText(annotator, text), marked);

    const QString bare = dir_.filePath(QStringLiteral("bare.db"));
    WriteTestDatabase(bare, Dictionary() + Neighbours());
    StressLookup bareStress(bare);
    TextAnnotator bareAnnotator(bareStress, {});
    const QString bareMarked = text.startsWith(u"мама") ? marked : text.startsWith(u"байтов") ? "байтов, б'айты" : text;
    QCOMPARE(AnnotateText(bareAnnotator, text), bareMarked);
}

QTEST_GUILESS_MAIN(TestTextAnnotator)
#include "test_text_annotator.moc"
