#include "render/letter_case.h"
#include "render/render_options.h"
#include "render/separators.h"
#include "render/stress.h"
#include "render/syllables.h"

#include <QtTest>

using namespace tornelis;

Q_DECLARE_METATYPE(tornelis::LetterCase)

class TestRender : public QObject {
    Q_OBJECT

private slots:
    void separators_data();
    void separators();
    void hyphenate_data();
    void hyphenate();
    void longChunksDivideByTheSameRule();
    void splitReturnsCountAndEmptiesList();
    void renderForm_data();
    void renderForm();
    void acuteAccentInEveryLetterCase_data();
    void acuteAccentInEveryLetterCase();
    void letterCase_data();
    void letterCase();
};

void TestRender::separators_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("separator");
    const QString separators = QStringLiteral("\t\n\r !\"'()+,./:;<=>?[]\\{}|«»“”…—");
    QCOMPARE(separators.size(), 31);
    for (QChar c : separators)
        QTest::addRow("U+%04X", c.unicode()) << QString(c) << true;
    const QString wordCharacters = QStringLiteral("-–0*#%&_aZяЁй\u00A0\u2015~@$`^");
    for (QChar c : wordCharacters)
        QTest::addRow("U+%04X", c.unicode()) << QString(c) << false;
}

void TestRender::separators()
{
    QFETCH(QString, text);
    QFETCH(bool, separator);
    QCOMPARE(IsSeparator(text.at(0)), separator);
}

void TestRender::hyphenate_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    const QList<QPair<QString, QString>> cases{
        {"молоко", "мо-ло-ко"},
        {"кошка", "кош-ка"},
        {"сестра", "сест-ра"},
        {"контрольный", "конт-роль-ный"},
        {"здравствуйте", "здравс-твуй-те"},
        {"бодрствовать", "бодрс-тво-вать"},
        {"инструмент", "инс-тру-мент"},
        {"семья", "семь-я"},
        {"подъезд", "подъ-езд"},
        {"объявление", "объ-яв-ле-ни-е"},
        {"пальто", "паль-то"},
        {"поэт", "по-эт"},
        {"Александр", "А-лек-сандр"},
        {"ёлка", "ёл-ка"},
        {"монстр", "монстр"},
        {"вс", "вс"},
        {"я", "я"},
        {"", ""},
        // The word's own hyphen parts the syllables; no second one is added.
        {"кто-то", "кто-то"},
        {"кто-нибудь", "кто-ни-будь"},
        {"из-за", "из-за"},
        {"северо-восток", "се-ве-ро-вос-ток"},
        {"буду читать", "бу-ду-чи-тать"},
        {"«мама»", "ма-ма"},
        // Signs among four and five characters between the vowels, and six or more.
        {"абвьга", "абвь-га"},        // four between, sign second-to-last
        {"абвгьда", "абвгь-да"},      // five between, sign second-to-last
        {"абвгдьея", "абвгдь-е-я"},   // five between, sign last
        {"абвгдеж", "абв-гдеж"},      // four between, no sign: the first two stay
        {"абвгдьжа", "абвг-дьжа"},    // six between: the first three stay, the sign is ignored
        {"абьвгджзи", "абьв-гджзи"},  // seven between: the first three stay
        {"абвгджзиа", "абвг-джзи-а"},
        {"Д'Артаньян", "Д-Ар-тань-ян"},  // the apostrophe is a separator
        {"…", "…"},
        {"— …", "— …"},
    };
    for (const auto &[input, expected] : cases)
        QTest::newRow(qPrintable(input.isEmpty() ? QStringLiteral("(empty)") : input)) << input << expected;
}

void TestRender::hyphenate()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(HyphenateWord(input), expected);
}

void TestRender::longChunksDivideByTheSameRule()
{
    const QString word = QString(QStringLiteral("ма")).repeated(20000);
    const QString hyphenated = HyphenateWord(word);
    QCOMPARE(hyphenated.size(), 40000 + 19999);
    QVERIFY(hyphenated.startsWith(QStringLiteral("ма-ма-ма")));
    QVERIFY(hyphenated.endsWith(QStringLiteral("ма-ма")));
}

void TestRender::splitReturnsCountAndEmptiesList()
{
    QStringList syllables{QStringLiteral("old")};
    QCOMPARE(SplitSyllables(QStringLiteral("мама мыла"), syllables), 4);
    QCOMPARE(syllables, QStringList({"ма", "ма", "мы", "ла"}));
    QCOMPARE(SplitSyllables(QStringLiteral("…"), syllables), 0);
    QVERIFY(syllables.isEmpty());
}

void TestRender::renderForm_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("accent");
    QTest::addColumn<bool>("stressOn");
    QTest::addColumn<bool>("syllablesOn");
    QTest::addColumn<QString>("rendered");
    QTest::addColumn<QString>("lower");
    QTest::newRow("stress") << "молоко" << 3 << true << false << "молок'о" << "молок'о";
    QTest::newRow("stress and syllables") << "молоко" << 3 << true << true << "мо-ло-к'о" << "мо-ло-к'о";
    QTest::newRow("syllables only") << "молоко" << 3 << false << true << "мо-ло-ко" << "мо-ло-ко";
    QTest::newRow("accent 0") << "молоко" << 0 << true << true << "мо-ло-ко" << "мо-ло-ко";
    QTest::newRow("accent beyond vowels") << "молоко" << 4 << true << false << "молоко" << "молоко";
    QTest::newRow("capital, stressed") << "Москва" << 2 << true << false << "москв'а" << "москв'а";
    QTest::newRow("capital, no accent") << "Москва" << 0 << true << false << "Москва" << "москва";
    QTest::newRow("first vowel") << "эхо" << 1 << true << false << "'эхо" << "'эхо";
    QTest::newRow("after sign") << "объявление" << 2 << true << true << "объ-'яв-ле-ни-е" << "объ-'яв-ле-ни-е";
    QTest::newRow("ё not counted") << "ёлка" << 1 << true << false << "ёлк'а" << "ёлк'а";
    QTest::newRow("ё, accent beyond") << "ёлка" << 2 << true << false << "ёлка" << "ёлка";
    QTest::newRow("empty") << "" << 1 << true << true << "" << "";
    QTest::newRow("negative accent") << "молоко" << -3 << true << false << "молоко" << "молоко";
    QTest::newRow("capital stressed vowel") << "ОКНО" << 2 << true << false << "окн'о" << "окн'о";
    QTest::newRow("capital first vowel") << "Эхо" << 1 << true << true << "'э-хо" << "'э-хо";
    QTest::newRow("options off") << "Москва" << 2 << false << false << "Москва" << "москва";
}

void TestRender::renderForm()
{
    QFETCH(QString, word);
    QFETCH(int, accent);
    QFETCH(bool, stressOn);
    QFETCH(bool, syllablesOn);
    QFETCH(QString, rendered);
    QFETCH(QString, lower);
    QCOMPARE(RenderForm(word, accent, stressOn, syllablesOn), rendered);
    QCOMPARE(ApplyLetterCase(RenderForm(word, accent, stressOn, syllablesOn), LetterCase::Lower), lower);

    // The acute accent stands after the vowel that the apostrophe stands before.
    QString acute = rendered;
    if (const qsizetype mark = acute.indexOf(QLatin1Char('\'')); mark >= 0)
        acute.remove(mark, 1).insert(mark + 1, QChar(0x0301));
    QCOMPARE(RenderForm(word, accent, stressOn, syllablesOn, StressMark::Acute), acute);
}

void TestRender::acuteAccentInEveryLetterCase_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("accent");
    QTest::addColumn<bool>("syllablesOn");
    QTest::addColumn<QStringList>("shown");  // ВЕРХНИЙ, нижний, Первая заглавная
    QTest::newRow("молоко") << "молоко" << 3 << false << QStringList{"МОЛОКО́", "молоко́", "Молоко́"};
    QTest::newRow("молоко, syllables") << "молоко" << 3 << true << QStringList{"МО-ЛО-КО́", "мо-ло-ко́", "Мо-ло-ко́"};
    QTest::newRow("ёлка") << "ёлка" << 1 << false << QStringList{"ЁЛКА́", "ёлка́", "Ёлка́"};
    QTest::newRow("ёлка, syllables") << "ёлка" << 1 << true << QStringList{"ЁЛ-КА́", "ёл-ка́", "Ёл-ка́"};
    QTest::newRow("first vowel stressed") << "эхо" << 1 << true << QStringList{"Э́-ХО", "э́-хо", "Э́-хо"};
}

void TestRender::acuteAccentInEveryLetterCase()
{
    QFETCH(QString, word);
    QFETCH(int, accent);
    QFETCH(bool, syllablesOn);
    QFETCH(QStringList, shown);
    const LetterCase modes[] = {LetterCase::Upper, LetterCase::Lower, LetterCase::FirstCapital};
    for (int i = 0; i < 3; ++i) {
        const RenderOptions options{true, syllablesOn, modes[i], StressMark::Acute};
        QCOMPARE(RenderCell(word, accent, options), shown.at(i));
    }
}

void TestRender::letterCase_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("firstCapital");
    QTest::newRow("stressed") << "москв'а" << "МОСКВ'А" << "москв'а" << "Москв'а";
    QTest::newRow("leading mark") << "'эхо" << "'ЭХО" << "'эхо" << "'Эхо";
    QTest::newRow("syllables") << "мо-ло-к'о" << "МО-ЛО-К'О" << "мо-ло-к'о" << "Мо-ло-к'о";
    QTest::newRow("ё") << "ёлка" << "ЁЛКА" << "ёлка" << "Ёлка";
    QTest::newRow("empty") << "" << "" << "" << "";
    QTest::newRow("mixed input") << "мОСКВА" << "МОСКВА" << "москва" << "Москва";
    QTest::newRow("lone mark") << "'" << "'" << "'" << "'";
}

void TestRender::letterCase()
{
    QFETCH(QString, input);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(QString, firstCapital);
    QCOMPARE(ApplyLetterCase(input, LetterCase::Upper), upper);
    QCOMPARE(ApplyLetterCase(input, LetterCase::Lower), lower);
    QCOMPARE(ApplyLetterCase(input, LetterCase::FirstCapital), firstCapital);
}

QTEST_APPLESS_MAIN(TestRender)
#include "test_render.moc"
