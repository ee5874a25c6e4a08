#include "encodings/text_encoding.h"
#include "encodings/utf7.h"
#include "encodings/windows1251.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QtTest>

using namespace tornelis;

Q_DECLARE_METATYPE(tornelis::TextEncoding)

class TestTextEncoding : public QObject {
    Q_OBJECT

private slots:
    void encodeBytes_data();
    void encodeBytes();
    void decodeWithAndWithoutMark_data();
    void decodeWithAndWithoutMark();
    void windows1251AgreesWithTheCodePage();
    void utf7RoundTrip();
    void markDetection();
    void ansiThatIsUtf8ReadsAsUtf8_data();
    void ansiThatIsUtf8ReadsAsUtf8();
};

void TestTextEncoding::encodeBytes_data()
{
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QByteArray>("bytes");
    // "Ёж+1\r\n"
    QTest::newRow("ANSI") << TextEncoding::Ansi << QByteArray("\xA8\xE6+1\r\n");
    QTest::newRow("ASCII") << TextEncoding::Ascii << QByteArray("??+1\r\n");
    QTest::newRow("Unicode") << TextEncoding::Unicode
                             << QByteArray("\xFF\xFE\x01\x04\x36\x04+\x00" "1\x00\r\x00\n\x00", 14);
    QTest::newRow("Big Endian Unicode") << TextEncoding::BigEndianUnicode
                                        << QByteArray("\xFE\xFF\x04\x01\x04\x36\x00+\x00" "1\x00\r\x00\n", 14);
    QTest::newRow("UTF-8") << TextEncoding::Utf8 << QByteArray("\xEF\xBB\xBF\xD0\x81\xD0\xB6+1\r\n");
    QTest::newRow("UTF-7") << TextEncoding::Utf7 << QByteArray("+BAEENg-+-1\r\n");
}

void TestTextEncoding::encodeBytes()
{
    QFETCH(TextEncoding, encoding);
    QFETCH(QByteArray, bytes);
    const QString text = QStringLiteral("Ёж+1\r\n");
    QCOMPARE(EncodeText(text, encoding), bytes);
    if (encoding != TextEncoding::Ascii)
        QCOMPARE(DecodeText(bytes, encoding), text);
}

void TestTextEncoding::decodeWithAndWithoutMark_data()
{
    QTest::addColumn<TextEncoding>("encoding");
    for (int i = 0; i < TextEncodingNames().size(); ++i)
        QTest::newRow(qPrintable(TextEncodingNames().at(i))) << TextEncoding(i);
}

void TestTextEncoding::decodeWithAndWithoutMark()
{
    QFETCH(TextEncoding, encoding);
    const QString text = encoding == TextEncoding::Ascii ? QStringLiteral("plain text") : QStringLiteral("Ёжик в тумане");
    const QByteArray withMark = EncodeText(text, encoding);
    QCOMPARE(DecodeText(withMark, encoding), text);
    QCOMPARE(DecodeText(withMark.mid(ByteOrderMark(encoding).size()), encoding), text);

    // A text that itself starts with U+FEFF keeps it: only one mark is taken off.
    if (!ByteOrderMark(encoding).isEmpty()) {
        const QString startsWithFeff = QChar(0xFEFF) + text;
        QCOMPARE(DecodeText(EncodeText(startsWithFeff, encoding), encoding), startsWithFeff);
    }
}

void TestTextEncoding::windows1251AgreesWithTheCodePage()
{
    QStringDecoder reference("windows-1251");
    if (!reference.isValid())
        QSKIP("this Qt has no Windows-1251 codec of its own to compare with (no ICU)");
    for (int byte = 0; byte < 256; ++byte) {
        const QByteArray one(1, char(byte));
        QCOMPARE(DecodeWindows1251(one), reference.decode(one));
        QCOMPARE(EncodeWindows1251(DecodeWindows1251(one)), one);
    }
    QCOMPARE(EncodeWindows1251(u"a中б\U0001F600"), QByteArray("a?\xE1?"));
    // A UTF-8 mark read as ANSI shows as three characters.
    QCOMPARE(DecodeText(QByteArray("\xEF\xBB\xBFx"), TextEncoding::Ansi).size(), 4);
}

void TestTextEncoding::utf7RoundTrip()
{
    QRandomGenerator random(7);
    const QString pool = QStringLiteral("Мама мыла раму +-/.,!?\"'~\r\n\tAbc019ёЁ—«»中");
    for (int round = 0; round < 2000; ++round) {
        QString text;
        const int length = random.bounded(0, 30);
        for (int i = 0; i < length; ++i)
            text.append(random.bounded(5) == 0 ? QChar(char16_t(random.bounded(0xD800))) : pool.at(random.bounded(int(pool.size()))));
        const QByteArray bytes = EncodeUtf7(text);
        for (char c : bytes)
            QVERIFY(static_cast<unsigned char>(c) < 0x80);
        QCOMPARE(DecodeUtf7(bytes), text);
    }
}

void TestTextEncoding::markDetection()
{
    QCOMPARE(DetectByteOrderMark(QByteArray("\xEF\xBB\xBFx")), TextEncoding::Utf8);
    QCOMPARE(DetectByteOrderMark(QByteArray("\xFF\xFEx\x00", 4)), TextEncoding::Unicode);
    QCOMPARE(DetectByteOrderMark(QByteArray("\xFE\xFF\x00x", 4)), TextEncoding::BigEndianUnicode);
    QCOMPARE(DetectByteOrderMark(QByteArray("\xE4\xEE\xEC")), TextEncoding::Ansi);
    QCOMPARE(DetectByteOrderMark(QByteArray()), TextEncoding::Ansi);
}

void TestTextEncoding::ansiThatIsUtf8ReadsAsUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("chosen");
    QTest::addColumn<TextEncoding>("read");
    const QByteArray utf8 = QStringLiteral("Мама мыла раму, ёжик — «да».\r\n").toUtf8();
    QTest::newRow("UTF-8 without a mark, chosen ANSI") << utf8 << TextEncoding::Ansi << TextEncoding::Utf8;
    QTest::newRow("Windows-1251") << EncodeText(QStringLiteral("Мама мыла раму, ёжик — «да»."), TextEncoding::Ansi)
                                  << TextEncoding::Ansi << TextEncoding::Ansi;
    QTest::newRow("ASCII only") << QByteArray("mama\r\n") << TextEncoding::Ansi << TextEncoding::Ansi;
    QTest::newRow("UTF-8 cut inside a letter") << utf8.left(3) << TextEncoding::Ansi << TextEncoding::Ansi;
    QTest::newRow("another choice stays") << utf8 << TextEncoding::Ascii << TextEncoding::Ascii;
}

void TestTextEncoding::ansiThatIsUtf8ReadsAsUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, chosen);
    QFETCH(TextEncoding, read);
    QCOMPARE(EncodingForReading(bytes, chosen), read);
}

QTEST_APPLESS_MAIN(TestTextEncoding)
#include "test_text_encoding.moc"
