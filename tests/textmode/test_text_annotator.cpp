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
           + Row(21, "таки", "PRCL", 1);
}

}  // namespace

class TestTextAnnotator : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void likelyReadingsDecide_data();
    void likelyReadingsDecide();

private:
    QTemporaryDir dir_;
    QString db_;
};

void TestTextAnnotator::initTestCase()
{
    db_ = dir_.filePath(QStringLiteral("forms.db"));
    WriteTestDatabase(db_, Dictionary(),
                      {{QStringLiteral("нее"), QStringLiteral("неё")}, {QStringLiteral("все-таки"), QStringLiteral("всё-таки")}});
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
}

void TestTextAnnotator::likelyReadingsDecide()
{
    QFETCH(QString, text);
    QFETCH(QString, marked);
    StressLookup stress(db_);
    TextAnnotator annotator(stress, {});
    QCOMPARE(AnnotateText(annotator, text), marked);
}

QTEST_GUILESS_MAIN(TestTextAnnotator)
#include "test_text_annotator.moc"
