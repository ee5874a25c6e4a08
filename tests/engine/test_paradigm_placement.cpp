#include "engine/cell_description.h"
#include "engine/nth_field.h"
#include "engine/paradigm_tables.h"
#include "engine/part_of_speech.h"

#include <QtTest>

using namespace tornelis;

using Cells = QList<CellPosition>;
Q_DECLARE_METATYPE(Cells)

class TestParadigmPlacement : public QObject {
    Q_OBJECT

private slots:
    void declension_data();
    void declension();
    void conjugation_data();
    void conjugation();
    void bothAccusativesShareTheCell_data();
    void bothAccusativesShareTheCell();
    void formsOfCell();
    void clickDescribesBothForms();
    void labels_data();
    void labels();
    void labelsOfListedLemmas_data();
    void labelsOfListedLemmas();
    void nthField_data();
    void nthField();
    void headers();
};

void TestParadigmPlacement::declension_data()
{
    QTest::addColumn<QString>("tags");
    QTest::addColumn<Cells>("cells");
    QTest::newRow("noun nomn") << "NOUN,inan,masc sing,nomn" << Cells{{1, 1}};
    QTest::newRow("noun plur ablt") << "NOUN,inan,masc plur,ablt" << Cells{{4, 5}};
    QTest::newRow("femn gent") << "NOUN,inan,femn sing,gent" << Cells{{2, 2}};
    QTest::newRow("neut datv") << "NOUN,inan,neut sing,datv" << Cells{{3, 3}};
    QTest::newRow("accs") << "NOUN,anim,masc sing,accs" << Cells{{1, 4}};
    QTest::newRow("loct") << "NOUN,inan,masc sing,loct" << Cells{{1, 6}};
    QTest::newRow("adjective gender in form group") << "ADJF,Qual femn,sing,ablt" << Cells{{2, 5}};
    QTest::newRow("adjective plural") << "ADJF,Qual plur,gent" << Cells{{4, 2}};
    QTest::newRow("second genitive") << "NOUN,inan,masc sing,gen2" << Cells{};
    QTest::newRow("second locative") << "NOUN,inan,masc sing,loc2" << Cells{};
    QTest::newRow("vocative") << "NOUN,anim,femn,Name sing,voct" << Cells{};
    // Without a gender of its own, a singular or a form without a number
    // serves all three genders; a gender without a number is that gender's.
    QTest::newRow("common gender singular") << "NOUN,anim,Ms-f sing,nomn" << Cells{{1, 1}, {2, 1}, {3, 1}};
    QTest::newRow("pronoun without gender") << "NPRO,1per sing,gent" << Cells{{1, 2}, {2, 2}, {3, 2}};
    QTest::newRow("numeral without gender or number") << "NUMR inan,accs" << Cells{{1, 4}, {2, 4}, {3, 4}};
    QTest::newRow("numeral with gender, no number") << "NUMR femn,nomn" << Cells{{2, 1}};
    QTest::newRow("common gender plural") << "NOUN,anim,Ms-f plur,nomn" << Cells{{4, 1}};
    QTest::newRow("no form group") << "INFN,impf,tran" << Cells{};
    QTest::newRow("case only in lexeme group") << "NOUN,nomn sing" << Cells{};
    QTest::newRow("no number") << "NOUN,inan,masc nomn" << Cells{{1, 1}};
    QTest::newRow("empty") << "" << Cells{};
}

void TestParadigmPlacement::declension()
{
    QFETCH(QString, tags);
    QFETCH(Cells, cells);
    QCOMPARE(PlaceOnDeclension(tags), cells);
}

void TestParadigmPlacement::bothAccusativesShareTheCell_data()
{
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<QString>("shownTags");
    QTest::addColumn<QString>("comingText");
    QTest::addColumn<QString>("comingTags");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tags");
    QTest::newRow("animate after inanimate")
        << "т'от" << "ADJF,Apro inan,masc,sing,accs" << "то-г'о" << "ADJF,Apro anim,masc,sing,accs"
        << "т'от / то-г'о" << "ADJF,Apro inan,masc,sing,accs / ADJF,Apro anim,masc,sing,accs";
    QTest::newRow("inanimate after animate: still first")
        << "двух" << "NUMR anim,masc,accs" << "два" << "NUMR inan,masc,accs"
        << "два / двух" << "NUMR inan,masc,accs / NUMR anim,masc,accs";
    QTest::newRow("participle plural")
        << "лю-б'и-мых" << "PRTF,impf,tran,pres,pssv anim,plur,accs" << "лю-б'и-мы-е"
        << "PRTF,impf,tran,pres,pssv inan,plur,accs"
        << "лю-б'и-мы-е / лю-б'и-мых" << "PRTF,impf,tran,pres,pssv inan,plur,accs / PRTF,impf,tran,pres,pssv anim,plur,accs";
    QTest::newRow("a later animate variant replaces the animate one")
        << "т'от / то-г'о" << "ADJF inan,masc,sing,accs / ADJF anim,masc,sing,accs" << "тог'о"
        << "ADJF anim,masc,sing,accs" << "т'от / тог'о" << "ADJF inan,masc,sing,accs / ADJF anim,masc,sing,accs";
    QTest::newRow("spelt alike: once") << "беж" << "ADJF,Fixd inan,masc,sing,accs" << "беж"
                                      << "ADJF,Fixd anim,masc,sing,accs" << "беж" << "ADJF,Fixd inan,masc,sing,accs";
    QTest::newRow("a noun keeps one accusative")
        << "бак-те-ри-и" << "NOUN,inan,femn,Inmx inan,plur,accs" << "бак-те-р'ий" << "NOUN,inan,femn,Inmx anim,plur,accs"
        << "бак-те-р'ий" << "NOUN,inan,femn,Inmx anim,plur,accs";
    QTest::newRow("no animacy: the later form") << "м'а-мой" << "NOUN,anim,femn sing,ablt" << "м'а-мо-ю"
                                                << "NOUN,anim,femn sing,ablt,V-oy" << "м'а-мо-ю"
                                                << "NOUN,anim,femn sing,ablt,V-oy";
    QTest::newRow("empty cell") << "" << "" << "то-г'о" << "ADJF anim,masc,sing,accs" << "то-г'о"
                                << "ADJF anim,masc,sing,accs";
}

void TestParadigmPlacement::bothAccusativesShareTheCell()
{
    QFETCH(QString, shownText);
    QFETCH(QString, shownTags);
    QFETCH(QString, comingText);
    QFETCH(QString, comingTags);
    QFETCH(QString, text);
    QFETCH(QString, tags);
    QCOMPARE(MergeIntoCell({shownText, shownTags}, {comingText, comingTags}), (CellContent{text, tags}));
}

void TestParadigmPlacement::formsOfCell()
{
    const CellContent both{"т'от / то-г'о", "ADJF inan,masc,sing,accs / ADJF anim,masc,sing,accs"};
    QCOMPARE(FormsOfCell(both), (QList<CellContent>{{"т'от", "ADJF inan,masc,sing,accs"},
                                                    {"то-г'о", "ADJF anim,masc,sing,accs"}}));
    QCOMPARE(FormsOfCell({"ст'ол", "NOUN,inan,masc sing,nomn"}),
             (QList<CellContent>{{"ст'ол", "NOUN,inan,masc sing,nomn"}}));
    QVERIFY(FormsOfCell({}).isEmpty());
    QVERIFY(CellShows(both.text, "то-г'о"));
    QVERIFY(CellShows(both.text, "т'от"));
    QVERIFY(!CellShows(both.text, "т'о"));
}

void TestParadigmPlacement::clickDescribesBothForms()
{
    QCOMPARE(DescribeCell("т'от / то-г'о", "ADJF,Apro inan,masc,sing,accs / ADJF,Apro anim,masc,sing,accs"),
             QStringLiteral("т'от - имя прилагательное (полное), местоименное  неодушевлённое, мужской род, "
                            "единственное число, винительный падеж / то-г'о - имя прилагательное (полное), "
                            "местоименное  одушевлённое, мужской род, единственное число, винительный падеж"));
    QCOMPARE(DescribeCell("ст'ол", "NOUN,inan,masc sing,nomn"),
             QStringLiteral("ст'ол - имя существительное, неодушевлённое, мужской род  единственное число, "
                            "именительный падеж"));
}

void TestParadigmPlacement::conjugation_data()
{
    QTest::addColumn<QString>("tags");
    QTest::addColumn<Cells>("cells");
    QTest::newRow("1 sing pres") << "VERB,impf,tran sing,1per,pres,indc" << Cells{{4, 1}};
    QTest::newRow("2 sing futr") << "VERB,perf,tran sing,2per,futr,indc" << Cells{{6, 2}};
    QTest::newRow("3 sing pres without gender") << "VERB,impf,tran sing,3per,pres,indc"
                                                << Cells{{4, 3}, {4, 4}, {4, 5}};
    QTest::newRow("3 sing futr without gender") << "VERB,perf,tran sing,3per,futr,indc"
                                                << Cells{{6, 3}, {6, 4}, {6, 5}};
    QTest::newRow("past masc") << "VERB,impf,tran masc,sing,past,indc" << Cells{{5, 3}};
    QTest::newRow("past femn") << "VERB,impf,tran femn,sing,past,indc" << Cells{{5, 4}};
    QTest::newRow("past neut") << "VERB,impf,tran neut,sing,past,indc" << Cells{{5, 5}};
    QTest::newRow("past plural, no person: every plural row") << "VERB,impf,tran plur,past,indc"
                                                              << Cells{{5, 6}, {5, 7}, {5, 8}};
    QTest::newRow("1 plur pres") << "VERB,impf,tran plur,1per,pres,indc" << Cells{{4, 6}};
    QTest::newRow("2 plur futr") << "VERB,perf,tran plur,2per,futr,indc" << Cells{{6, 7}};
    QTest::newRow("3 plur pres") << "VERB,impf,tran plur,3per,pres,indc" << Cells{{4, 8}};
    // A truly impersonal verb (хочется, смеркается) has the row of Оно only.
    QTest::newRow("impersonal present") << "VERB,impf,intr,Impe sing,pres,indc" << Cells{{4, 5}};
    QTest::newRow("impersonal future") << "VERB,perf,intr,Impe sing,futr,indc" << Cells{{6, 5}};
    QTest::newRow("present without a person, not impersonal") << "VERB,impf,intr sing,pres,indc"
                                                             << Cells{{4, 3}, {4, 4}, {4, 5}};
    QTest::newRow("impersonal past keeps its gender") << "VERB,impf,intr,Impe neut,sing,past,indc" << Cells{{5, 5}};
    QTest::newRow("past without gender or person") << "VERB,impf,intr sing,past,indc" << Cells{};
    QTest::newRow("imperative") << "VERB,impf,tran sing,impr,excl" << Cells{};
    QTest::newRow("infinitive") << "INFN,impf,tran" << Cells{};
    QTest::newRow("no number") << "VERB,impf,tran 3per,pres" << Cells{};
}

void TestParadigmPlacement::conjugation()
{
    QFETCH(QString, tags);
    QFETCH(Cells, cells);
    QCOMPARE(PlaceOnConjugation(tags), cells);
}

void TestParadigmPlacement::labels_data()
{
    QTest::addColumn<QString>("tags");
    QTest::addColumn<QString>("label");
    const QList<QPair<QString, QString>> table{
        {"NOUN,anim,masc sing,nomn", "существительное"},
        {"ADJF", "прилагательное"},
        {"ADJF,Qual masc,sing,nomn", "прилагательное"},
        {"ADJF,Apro,Subx,Anph masc,sing,nomn", "местоимение"},
        {"ADJF,Fixd,Apro,Anph masc,sing,nomn", "местоимение"},
        {"ADJF,Anum masc,sing,nomn", "числительное"},
        {"ADJS,Apro masc,sing", "краткое прилагательное"},
        {"NOUN,inan,masc,Fixd,Abbr sing,nomn", "аббревиатура"},
        {"NOUN,inan,masc,Sgtm,Fixd,Abbr,Geox sing,nomn", "аббревиатура"},
        {"ADJF,Fixd,Abbr masc,sing,nomn", "прилагательное"},
        {"ADJS", "краткое прилагательное"},
        {"COMP", "компаратив"},
        {"VERB", "глагол"},
        {"INFN,impf,tran", "глагол (инфинитив)"},
        {"PRTF", "полное причастие"},
        {"PRTS", "краткое причастие"},
        {"GRND", "деепричастие"},
        {"NUMR", "числительное"},
        {"ADVB", "наречие"},
        {"NPRO", "местоимение"},
        {"PRED", "предикатив"},
        {"PREP", "предлог"},
        {"CONJ", "союз"},
        {"PRCL", "частица"},
        {"INTJ", "междометие"},
        {"NOU", ""},
        {"noun,anim", ""},
        {"ABCD", ""},
        {"", ""},
    };
    for (const auto &[tags, label] : table)
        QTest::newRow(qPrintable(tags.isEmpty() ? QStringLiteral("(empty)") : tags)) << tags << label;
}

void TestParadigmPlacement::labels()
{
    QFETCH(QString, tags);
    QFETCH(QString, label);
    QCOMPARE(PartOfSpeechLabel(tags), label);
}

void TestParadigmPlacement::labelsOfListedLemmas_data()
{
    QTest::addColumn<QString>("lemma");
    QTest::addColumn<QString>("tags");
    QTest::addColumn<QString>("label");
    QTest::newRow("один") << "один" << "ADJF,Apro masc,sing,nomn" << "числительное";
    QTest::newRow("данный") << "данный" << "ADJF,Apro masc,sing,nomn" << "прилагательное";
    QTest::newRow("остальной") << "остальной" << "ADJF,Apro masc,sing,nomn" << "прилагательное";
    QTest::newRow("тот") << "тот" << "ADJF,Apro,Subx,Anph masc,sing,nomn" << "местоимение";
    QTest::newRow("один, the noun") << "один" << "NOUN,anim,masc sing,nomn" << "существительное";
}

void TestParadigmPlacement::labelsOfListedLemmas()
{
    QFETCH(QString, lemma);
    QFETCH(QString, tags);
    QFETCH(QString, label);
    QCOMPARE(PartOfSpeechLabel(tags, lemma), label);
}

void TestParadigmPlacement::nthField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("field");
    QTest::newRow("form group") << "NOUN,anim sing,nomn" << 1 << " " << "sing,nomn";
    QTest::newRow("field 0") << "NOUN,anim sing,nomn" << 0 << " " << "NOUN,anim";
    QTest::newRow("no separator, field 0") << "INFN,tran" << 0 << " " << "INFN,tran";
    QTest::newRow("no separator, field 1") << "INFN,tran" << 1 << " " << "";
    QTest::newRow("up to the next separator") << "a b c" << 1 << " " << "b";
    QTest::newRow("empty middle field") << "a  c" << 1 << " " << "";
    QTest::newRow("trailing separator") << "a " << 1 << " " << "";
    QTest::newRow("long separator") << "a--b--c" << 2 << "--" << "c";
    QTest::newRow("empty text") << "" << 0 << " " << "";
}

void TestParadigmPlacement::nthField()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QString, separator);
    QFETCH(QString, field);
    QCOMPARE(NthField(text, n, separator), field);
}

void TestParadigmPlacement::headers()
{
    const ParadigmGrid declension = DeclensionHeaders();
    QCOMPARE(declension.at(0, 6), QStringLiteral("Предложный (о ком,о чём?)"));
    QCOMPARE(declension.at(4, 0), QStringLiteral("Множественное число"));
    QCOMPARE(declension.at(1, 1), QString());
    const ParadigmGrid conjugation = ConjugationHeaders();
    QCOMPARE(conjugation.at(3, 8), QStringLiteral("Они"));
    QCOMPARE(conjugation.at(0, 6), QStringLiteral("Множественное"));
    QCOMPARE(conjugation.at(2, 4), QStringLiteral("Женский"));
    QCOMPARE(conjugation.at(6, 0), QStringLiteral("Будущее время"));
}

QTEST_APPLESS_MAIN(TestParadigmPlacement)
#include "test_paradigm_placement.moc"
