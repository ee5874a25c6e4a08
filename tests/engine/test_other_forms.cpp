#include "engine/decline_command.h"
#include "engine/duridod.h"
#include "engine/other_forms.h"
#include "support/test_database.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tornelis;
using namespace tornelis::test;

namespace {

const RenderOptions kPlain{false, false, LetterCase::Lower};

// A verb, an adjective and a noun with the forms their tables have no cell for.
QList<FormRow> Dictionary()
{
    QList<FormRow> rows;
    rows += Lexeme(1, {{"читаю", "VERB,impf,tran sing,1per,pres,indc"},
                       {"читая", "GRND,impf,tran pres"},
                       {"читай", "VERB,impf,tran sing,impr,excl"},
                       {"читать", "INFN,impf,tran"}},
                   3);
    rows += Lexeme(20, {{"добрый", "ADJF,Qual masc,sing,nomn"},
                        {"доброй", "ADJF,Qual femn,sing,ablt"},
                        {"доброю", "ADJF,Qual femn,sing,ablt,V-oy"},
                        {"добрее", "COMP,Qual"},
                        {"добр", "ADJS,Qual masc,sing"},
                        {"добра", "ADJS,Qual femn,sing"},
                        {"добр", "ADJS,Qual masc,sing"}});
    rows += Lexeme(40, {{"лес", "NOUN,inan,masc sing,nomn"},
                        {"лесу", "NOUN,inan,masc sing,loc2"},
                        {"лесу", "NOUN,inan,masc sing,datv"},
                        {"лесе", "NOUN,inan,masc sing,loct,Infr"}});
    rows += Lexeme(60, {{"ёлка", "NOUN,inan,femn sing,nomn"}, {"ёлки", "NOUN,inan,femn plur,nomn"}});
    return rows;
}

QStringList Texts(const QList<OtherForm> &forms)
{
    QStringList texts;
    for (const OtherForm &form : forms)
        texts.append(form.text);
    return texts;
}

}  // namespace

// The forms that no cell shows, and the cells that hold the typed form.
class TestOtherForms : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void formsInNoCellByGroup_data();
    void formsInNoCellByGroup();
    void listedForms_data();
    void listedForms();
    void typedFormStandsOut_data();
    void typedFormStandsOut();
    void pageRowsHaveHeadingsAndDescriptions();

private:
    ParadigmTables fill(const QString &word, const TypedForm &typed = {});

    QTemporaryDir dir_;
    DURIDOD engine_;
};

void TestOtherForms::initTestCase()
{
    const QString path = dir_.filePath(QStringLiteral("forms.db"));
    WriteTestDatabase(path, Dictionary());
    engine_.Connect(path);
    QVERIFY(engine_.Connected);
}

ParadigmTables TestOtherForms::fill(const QString &word, const TypedForm &typed)
{
    engine_.StartCommand();
    engine_.FindLemmas(word);
    return engine_.FillTables(0, kPlain, typed);
}

void TestOtherForms::formsInNoCellByGroup_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("forms");
    QTest::addColumn<QList<OtherFormGroup>>("groups");
    // Groups in their own order, not the dictionary's.
    QTest::newRow("verb") << "читать" << QStringList{"читать", "читай", "читая"}
                          << QList<OtherFormGroup>{OtherFormGroup::Infinitive, OtherFormGroup::Imperative,
                                                   OtherFormGroup::Gerund};
    // A variant whose cell a later form took is listed; a repeated form once.
    QTest::newRow("adjective") << "добрый" << QStringList{"добр", "добра", "добрее", "доброй"}
                               << QList<OtherFormGroup>{OtherFormGroup::Short, OtherFormGroup::Short,
                                                        OtherFormGroup::Comparative, OtherFormGroup::Other};
    // The second locative is listed; an informal form is not.
    QTest::newRow("noun") << "лес" << QStringList{"лесу"} << QList<OtherFormGroup>{OtherFormGroup::Other};
    QTest::newRow("nothing beyond the table") << "ёлка" << QStringList{} << QList<OtherFormGroup>{};
}

void TestOtherForms::formsInNoCellByGroup()
{
    QFETCH(QString, word);
    QFETCH(QStringList, forms);
    QFETCH(QList<OtherFormGroup>, groups);
    const QList<OtherForm> other = fill(word).other;
    QCOMPARE(Texts(other).join(","), forms.join(","));
    for (qsizetype i = 0; i < other.size(); ++i)
        QCOMPARE(other.at(i).group, groups.at(i));
}

void TestOtherForms::listedForms_data()
{
    QTest::addColumn<QString>("tags");
    QTest::addColumn<OtherFormGroup>("group");
    QTest::addColumn<bool>("listed");
    // A participle is listed once, by its nominative masculine singular.
    QTest::newRow("participle") << "PRTF,impf,tran,pres,actv masc,sing,nomn" << OtherFormGroup::Participle << true;
    QTest::newRow("participle, genitive") << "PRTF,impf,tran,pres,actv masc,sing,gent" << OtherFormGroup::Participle
                                          << false;
    QTest::newRow("short participle") << "PRTS,perf,past,pssv femn,sing" << OtherFormGroup::Short << true;
    QTest::newRow("superlative") << "ADJF,Supr,Qual masc,sing,nomn" << OtherFormGroup::Comparative << true;
    QTest::newRow("imperfective is no imperative") << "VERB,impf,intr sing,3per,pres,indc" << OtherFormGroup::Other
                                                   << true;
    QTest::newRow("archaic") << "NOUN,inan,masc sing,loct,Arch" << OtherFormGroup::Other << false;
    // An abbreviation of a full word's lexeme (н of наш, др of другой) is no form a reader needs.
    QTest::newRow("abbreviation") << "ADJF,Fixd,Abbr masc,sing,nomn" << OtherFormGroup::Other << false;
}

void TestOtherForms::listedForms()
{
    QFETCH(QString, tags);
    QFETCH(OtherFormGroup, group);
    QFETCH(bool, listed);
    QCOMPARE(GroupOfForm(tags), group);
    QCOMPARE(IsListedOtherForm(tags), listed);
}

void TestOtherForms::typedFormStandsOut_data()
{
    QTest::addColumn<QString>("lemma");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("yoAsE");
    QTest::addColumn<QList<CellPosition>>("cells");
    QTest::addColumn<QStringList>("typedOther");
    QTest::newRow("a cell, in any letter case") << "читать" << "ЧИТАЮ" << false << QList<CellPosition>{{4, 1}}
                                                << QStringList{};
    QTest::newRow("a form beyond the table") << "читать" << "читая" << false << QList<CellPosition>{}
                                             << QStringList{"читая"};
    QTest::newRow("stress marks and hyphens aside") << "добрый" << "д'об-рый" << false
                                                    << QList<CellPosition>{{1, 1}} << QStringList{};
    QTest::newRow("е for ё when ё is not restored") << "ёлка" << "елки" << true << QList<CellPosition>{{4, 1}}
                                                    << QStringList{};
    QTest::newRow("е is no ё when ё is restored") << "ёлка" << "елки" << false << QList<CellPosition>{}
                                                  << QStringList{};
    QTest::newRow("nothing typed") << "лес" << "" << false << QList<CellPosition>{} << QStringList{};
}

void TestOtherForms::typedFormStandsOut()
{
    QFETCH(QString, lemma);
    QFETCH(QString, typed);
    QFETCH(bool, yoAsE);
    QFETCH(QList<CellPosition>, cells);
    QFETCH(QStringList, typedOther);
    const ParadigmTables tables = fill(lemma, {typed, yoAsE});
    QCOMPARE(tables.declensionTyped + tables.conjugationTyped, cells);
    QStringList marked;
    for (const OtherForm &form : tables.other) {
        if (form.typed)
            marked.append(form.text);
    }
    QCOMPARE(marked, typedOther);
}

void TestOtherForms::pageRowsHaveHeadingsAndDescriptions()
{
    const QList<OtherFormsRow> rows = OtherFormsRows(fill(QStringLiteral("добрый")).other);
    QStringList shown;
    for (const OtherFormsRow &row : rows)
        shown.append(row.heading ? QStringLiteral("# ") + row.form : row.form);
    QCOMPARE(shown, QStringList({"# Краткие формы", "добр", "добра", "# Сравнительная и превосходная степень", "добрее",
                                 "# Прочие формы", "доброй"}));
    QCOMPARE(rows.at(1).description, QStringLiteral("имя прилагательное (краткое), качественное  мужской род, "
                                                    "единственное число"));
    QCOMPARE(OtherFormsCaption(6), QStringLiteral("Другие формы (6)"));
    QCOMPARE(OtherFormsCaption(0), QStringLiteral("Другие формы"));
}

QTEST_GUILESS_MAIN(TestOtherForms)
#include "test_other_forms.moc"
