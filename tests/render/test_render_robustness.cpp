#include "grammemes/describe_tags.h"
#include "grammemes/grammeme_table.h"
#include "render/letter_case.h"
#include "render/separators.h"
#include "render/stress.h"
#include "render/syllables.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace tornelis;

// Random UTF-16 text from every function must come out by the rules, never
// crash or hang: lone surrogates, controls, Latin, digits and Cyrillic mixed.
class TestRenderRobustness : public QObject {
    Q_OBJECT

private slots:
    void randomTextKeepsInvariants();

private:
    QString randomText(QRandomGenerator &random);
};

QString TestRenderRobustness::randomText(QRandomGenerator &random)
{
    static const QString pool = QStringLiteral("аеёиоуыэюяАЕЁИОУЫЭЮЯбвгджзйклмнпрстьъЬЪ -'\"«»…—,.\t\r\nazAZ09*_");
    const int length = random.bounded(0, 40);
    QString text;
    for (int i = 0; i < length; ++i) {
        switch (random.bounded(4)) {
        case 0:
            text.append(QChar(char16_t(random.bounded(0x10000))));  // anything, surrogates included
            break;
        default:
            text.append(pool.at(random.bounded(int(pool.size()))));
        }
    }
    return text;
}

void TestRenderRobustness::randomTextKeepsInvariants()
{
    QRandomGenerator random(20261210);
    QSet<QString> codes;
    for (const GrammemeRow &row : GrammemeTable())
        codes.insert(row.pattern);

    for (int round = 0; round < 4000; ++round) {
        const QString text = randomText(random);

        // Hyphenation only drops separators and adds hyphens.
        const QString hyphenated = HyphenateWord(text);
        QString words;
        for (QChar c : text) {
            if (!IsSeparator(c))
                words.append(c);
        }
        QString withoutAddedHyphens = hyphenated;
        if (!words.isEmpty()) {
            QStringList syllables;
            SplitSyllables(text, syllables);
            QCOMPARE(syllables.join(QString()), words);
            // Syllables are joined by a hyphen, except where the word's own
            // hyphen already stands between them.
            QString joined;
            for (const QString &syllable : std::as_const(syllables)) {
                if (!joined.isEmpty() && !joined.endsWith(QLatin1Char('-')) && !syllable.startsWith(QLatin1Char('-')))
                    joined.append(QLatin1Char('-'));
                joined.append(syllable);
            }
            QCOMPARE(hyphenated, joined);
        } else {
            QCOMPARE(hyphenated, text);
        }

        // Rendering with both options off returns the input; with stress on it
        // adds at most one mark to the lower-case text.
        QCOMPARE(RenderForm(text, random.bounded(-2, 20), false, false), text);
        const QString stressed = RenderForm(text, random.bounded(1, 20), true, false);
        QVERIFY(stressed.size() == text.size() || stressed.size() == text.size() + 1);

        for (LetterCase mode : {LetterCase::Upper, LetterCase::Lower, LetterCase::FirstCapital})
            ApplyLetterCase(stressed, mode);

        // Without any code of the table, a description only widens separators.
        const QString tags = text;
        bool hasCode = false;
        for (const QString &code : std::as_const(codes)) {
            if (code != QLatin1String(" ") && code != QLatin1String(",") && tags.contains(code))
                hasCode = true;
        }
        if (!hasCode) {
            QString widened = tags;
            widened.replace(QLatin1String(" "), QLatin1String("  ")).replace(QLatin1String(","), QLatin1String(", "));
            QCOMPARE(DescribeTags(tags), widened);
        }
    }
}

QTEST_APPLESS_MAIN(TestRenderRobustness)
#include "test_render_robustness.moc"
