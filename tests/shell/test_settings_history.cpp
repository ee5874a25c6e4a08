#include "export/text_file.h"
#include "shell/history_file.h"
#include "shell/platform/profile_file.h"
#include "shell/platform/program_path.h"
#include "shell/platform/settings_folder.h"
#include "shell/platform/single_instance.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include "support/files.h"
#include "support/full_disk.h"
#include "support/other_user.h"

using namespace tornelis;
using namespace tornelis::test;

using Number = std::optional<qint64>;
Q_DECLARE_METATYPE(Number)

class TestSettingsHistory : public QObject {
    Q_OBJECT

private slots:
    void profileNumbers_data();
    void profileNumbers();
    void profileReadsCaseInsensitively();
    void profileWriteKeepsEverythingElse_data();
    void profileWriteKeepsEverythingElse();
    void historyReadsEncodingsAndLineEnds_data();
    void historyReadsEncodingsAndLineEnds();
    void historyWritesFirstHundredInItsEncoding();
    void ansiHistoryKeepsWhatTheCodePageLacks();
    void historyWriteFailureKeepsTheOldFile();
    void everyWriterKeepsTheOldFileOnAFullDisk_data();
    void everyWriterKeepsTheOldFileOnAFullDisk();
    void onlyRegularFilesOfBoundedSizeAreRead_data();
    void onlyRegularFilesOfBoundedSizeAreRead();
    void hugeHistoryReadsItsFirstLinesQuickly();
    void unwritableRegistryStandInIsNoError();
    void handOverText();
    void settingsFolderOfPortableAndInstalledCopies();
};

void TestSettingsHistory::profileNumbers_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<Number>("number");
    QTest::newRow("one") << "1" << Number(1);
    QTest::newRow("zero") << "0" << Number(0);
    QTest::newRow("two") << "2" << Number(2);
    QTest::newRow("spaces") << " 7 " << Number(7);
    QTest::newRow("hexadecimal") << "0x1F" << Number(31);
    QTest::newRow("hexadecimal zero") << "0x0" << Number(0);
    QTest::newRow("negative") << "-1" << Number(-1);
    QTest::newRow("letters") << "abc" << Number();
    QTest::newRow("number then letters") << "12abc" << Number();
    QTest::newRow("empty") << "" << Number();
    QTest::newRow("bare 0x") << "0x" << Number();
}

void TestSettingsHistory::profileNumbers()
{
    QFETCH(QString, value);
    QFETCH(Number, number);
    QCOMPARE(ParseProfileNumber(value), number);
}

void TestSettingsHistory::profileReadsCaseInsensitively()
{
    const QByteArray ini = "; comment\r\n[Other]\r\nAlwaysOnTop=5\r\n[view]\r\n;AlwaysOnTop=7\r\n alwaysontop = 0x10 \r\n";
    QCOMPARE(ReadProfileString(ini, "VIEW", "AlwaysOnTop"), std::optional<QString>("0x10"));
    QCOMPARE(ReadProfileString(ini, "VIEW", "Missing"), std::nullopt);
    QCOMPARE(ReadProfileString("", "VIEW", "AlwaysOnTop"), std::nullopt);
}

void TestSettingsHistory::profileWriteKeepsEverythingElse_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("new file") << QByteArray() << QByteArray("[VIEW]\r\nAlwaysOnTop=1\r\n");
    QTest::newRow("value replaced in place")
        << QByteArray("; settings\r\n[VIEW]\r\nAlwaysOnTop=0\r\nFont=Tahoma\r\n[Other]\r\nA=1\r\n")
        << QByteArray("; settings\r\n[VIEW]\r\nAlwaysOnTop=1\r\nFont=Tahoma\r\n[Other]\r\nA=1\r\n");
    QTest::newRow("key added to its section")
        << QByteArray("[VIEW]\nFont=Tahoma\n\n[Other]\nA=1\n")
        << QByteArray("[VIEW]\nFont=Tahoma\nAlwaysOnTop=1\n\n[Other]\nA=1\n");
    QTest::newRow("section added at the end")
        << QByteArray("[Other]\r\nA=1") << QByteArray("[Other]\r\nA=1\r\n[VIEW]\r\nAlwaysOnTop=1\r\n");
    QTest::newRow("commented key left alone")
        << QByteArray("[VIEW]\r\n;AlwaysOnTop=0\r\n") << QByteArray("[VIEW]\r\n;AlwaysOnTop=0\r\nAlwaysOnTop=1\r\n");
}

void TestSettingsHistory::profileWriteKeepsEverythingElse()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QCOMPARE(WriteProfileString(before, "VIEW", "AlwaysOnTop", "1"), after);
}

// Read in its encoding, and written back in the same one, with its mark
// where it had one, every line ended by CR LF.
void TestSettingsHistory::historyReadsEncodingsAndLineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("ANSI, mixed line ends") << QByteArray("\xE4\xEE\xEC\r\n\r\n\xE4\xEE\xEC\r\xEA\xEE\xF2\n  \n")
                                           << QStringList{"дом", "дом", "кот", "  "} << TextEncoding::Ansi
                                           << QByteArray("\xE4\xEE\xEC\r\n\xE4\xEE\xEC\r\n\xEA\xEE\xF2\r\n  \r\n");
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF\xD1\x91\xD0\xB6\r\n")
                                     << QStringList{"ёж"} << TextEncoding::Utf8
                                     << QByteArray("\xEF\xBB\xBF\xD1\x91\xD0\xB6\r\n");
    QTest::newRow("UTF-8 without a mark, as written by hand") << QByteArray("\xD1\x91\xD0\xB6\nkot")
                                                              << QStringList{"ёж", "kot"} << TextEncoding::Utf8
                                                              << QByteArray("\xD1\x91\xD0\xB6\r\nkot\r\n");
    QTest::newRow("ASCII only") << QByteArray("kot\n") << QStringList{"kot"} << TextEncoding::Ansi
                                << QByteArray("kot\r\n");
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE\x51\x04\x36\x04\r\x00\n\x00", 10)
                               << QStringList{"ёж"} << TextEncoding::Unicode
                               << QByteArray("\xFF\xFE\x51\x04\x36\x04\r\x00\n\x00", 10);
    QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\x04\x51\x04\x36", 6) << QStringList{"ёж"}
                               << TextEncoding::BigEndianUnicode << QByteArray("\xFE\xFF\x04\x51\x04\x36\x00\r\x00\n", 10);
    QTest::newRow("empty file") << QByteArray() << QStringList{} << TextEncoding::Ansi << QByteArray();
}

void TestSettingsHistory::historyReadsEncodingsAndLineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    QFETCH(TextEncoding, encoding);
    QFETCH(QByteArray, written);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tornelis.history"));
    QVERIFY(WriteBytes(path, bytes));
    const HistoryRead read = ReadHistory(path);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.history.entries, entries);
    QCOMPARE(read.history.encoding, encoding);
    QCOMPARE(WriteHistory(path, read.history), QString());
    QCOMPARE(ReadBytes(path), written);
}

void TestSettingsHistory::historyWritesFirstHundredInItsEncoding()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tornelis.history"));
    QStringList entries;
    for (int i = 0; i < 150; ++i)
        entries.append(QStringLiteral("слово%1").arg(i));
    QCOMPARE(WriteHistory(path, {entries, TextEncoding::Utf8}), QString());
    const HistoryRead read = ReadHistory(path);
    QCOMPARE(read.history.entries, entries.mid(0, 100));
    QCOMPARE(read.history.encoding, TextEncoding::Utf8);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF\xD1\x81"));
    QVERIFY(bytes.endsWith("99\r\n"));

    QCOMPARE(WriteHistory(path, {{}, TextEncoding::Unicode}), QString());
    QVERIFY(file.seek(0));
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\xFF\xFE"));
}

void TestSettingsHistory::ansiHistoryKeepsWhatTheCodePageLacks()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tornelis.history"));
    QCOMPARE(WriteHistory(path, {{QStringLiteral("дом")}, TextEncoding::Ansi, false}), QString());
    QCOMPARE(ReadBytes(path), QByteArray("\xE4\xEE\xEC\r\n"));  // the code page holds it: ANSI, no mark

    const QStringList entries{QStringLiteral("дом"), QStringLiteral("ǅep")};
    QCOMPARE(WriteHistory(path, {entries, TextEncoding::Ansi, false}), QString());
    QVERIFY(ReadBytes(path).startsWith("\xEF\xBB\xBF\xD0\xB4"));
    QCOMPARE(ReadHistory(path).history.entries, entries);
}

void TestSettingsHistory::historyWriteFailureKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString blocked = dir.filePath(QStringLiteral("Tornelis.history"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Tornelis.history")));
    const QString error = WriteHistory(blocked, {{QStringLiteral("дом")}, TextEncoding::Ansi});
    QVERIFY2(error.startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(blocked)), qPrintable(error));
    // The folder in the file's place reads as no history at all.
    const HistoryRead read = ReadHistory(blocked);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.history.entries, QStringList());
}

// What each writer of a user's file leaves when the disk is full: the old
// file, byte for byte, and a failure reported.
void TestSettingsHistory::everyWriterKeepsTheOldFileOnAFullDisk_data()
{
    QTest::addColumn<QString>("writer");
    QTest::newRow("Сохранить") << "save";
    QTest::newRow("Tornelis.ini") << "settings";
    QTest::newRow("Tornelis.history") << "history";
    QTest::newRow("the registry stand-in") << "program path";
}

void TestSettingsHistory::everyWriterKeepsTheOldFileOnAFullDisk()
{
    QFETCH(QString, writer);
    FullDisk disk;
    if (!disk.available())
        QSKIP("mounting a small file system needs root");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(disk.path()));
    const QString path = writer == QLatin1String("program path") ? ProgramPathFile() : disk.filePath(QStringLiteral("file"));
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    const QByteArray old = QByteArray("[VIEW]\r\nAlwaysOnTop=0\r\nкот\r\n").repeated(4);
    QVERIFY(WriteBytes(path, old));
    disk.fill();

    if (writer == QLatin1String("save")) {
        const QString error = WriteTextFile({path, TextEncoding::Utf8}, QStringLiteral("стол\tстола\r\n"));
        QVERIFY2(error.startsWith(QStringLiteral("Cannot write file \"%1\". ").arg(path)), qPrintable(error));
    } else if (writer == QLatin1String("settings")) {
        QVERIFY(!WriteProfileFile(path, QStringLiteral("VIEW"), QStringLiteral("AlwaysOnTop"), QStringLiteral("1")));
    } else if (writer == QLatin1String("history")) {
        const QString error = WriteHistory(path, {{QStringLiteral("дом"), QStringLiteral("кот")}, TextEncoding::Utf8});
        QVERIFY2(error.startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)), qPrintable(error));
    } else {
        QVERIFY(PublishProgramPath(QStringLiteral("/opt/другая папка")));
    }
    QCOMPARE(ReadBytes(path), old);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});
}

// A settings file, a history or the registry stand-in that is a FIFO, a
// device or a huge file: nothing hangs, nothing exhausts memory.
void TestSettingsHistory::onlyRegularFilesOfBoundedSizeAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("link to /dev/zero") << "device";
    QTest::newRow("2 MiB of settings") << "huge";
}

void TestSettingsHistory::onlyRegularFilesOfBoundedSizeAreRead()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tornelis.ini"));
    if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("device"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    else
        QVERIFY(WriteBytes(path, "[VIEW]\nAlwaysOnTop=1\n" + QByteArray(2 * 1024 * 1024, ';')));

    QCOMPARE(ReadProfileFile(path, QStringLiteral("VIEW"), QStringLiteral("AlwaysOnTop")), std::nullopt);
    // What could not be read is not replaced: /dev/zero stays a device.
    QVERIFY(!WriteProfileFile(path, QStringLiteral("VIEW"), QStringLiteral("AlwaysOnTop"), QStringLiteral("1")));
    QCOMPARE(QFileInfo(path).isFile(), kind == QLatin1String("huge"));
    if (kind != QLatin1String("huge")) {
        QCOMPARE(ReadHistory(path).history.entries, QStringList());
        QVERIFY(!WriteHistory(path, {{QStringLiteral("дом")}, TextEncoding::Utf8}).isEmpty());
    }
    QVERIFY(QFileInfo::exists(QStringLiteral("/dev/zero")) && !QFileInfo(QStringLiteral("/dev/zero")).isFile());
}

void TestSettingsHistory::hugeHistoryReadsItsFirstLinesQuickly()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tornelis.history"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // 20,000 words, then a line of 40 MiB.
    for (int i = 0; i < 20000; ++i)
        file.write(QByteArray::number(i) + "\r\n");
    file.write(QByteArray(40 * 1024 * 1024, 'x'));
    file.close();
    const HistoryRead read = ReadHistory(path);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.history.entries.size(), 10000);
    QCOMPARE(read.history.entries.last(), QStringLiteral("9999"));
    // A long file of few lines: the line cut at the limit is dropped.
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("dom\nkot\n" + QByteArray(20 * 1024 * 1024, 'x'));
    file.close();
    QCOMPARE(ReadHistory(path).history.entries, (QStringList{"dom", "kot"}));
}

// Nothing reads the registry stand-in on Linux: a configuration folder that
// cannot be written costs the start nothing.
void TestSettingsHistory::unwritableRegistryStandInIsNoError()
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.filePath(QStringLiteral("blocked"))));
    QVERIFY(WriteBytes(config.filePath(QStringLiteral("blocked")), "a file where the folder should be"));
    QVERIFY(PublishProgramPath(QStringLiteral("/opt/tornelis")));
}

void TestSettingsHistory::handOverText()
{
    QCOMPARE(HandOverBytes({"tornelis"}), QByteArray());
    QCOMPARE(HandOverText(HandOverBytes({"tornelis", "один"})), QStringLiteral("один"));
    QCOMPARE(HandOverBytes({"tornelis", ""}), QByteArray());
    const QByteArray two = HandOverBytes({"tornelis", "мама", "мыла", "раму"});
    QCOMPARE(two.size(), (9 + 1) * 2);
    QCOMPARE(HandOverText(two), QStringLiteral("мама мыла"));
    const QByteArray cut = HandOverBytes({"tornelis", QString(500, u'я'), "x"});
    QCOMPARE(cut.size(), 802);
    QCOMPARE(HandOverText(cut), QString(400, u'я'));
    // A shorter later text ends at its own NUL.
    QByteArray block = cut;
    block.replace(0, two.size(), two);
    QCOMPARE(HandOverText(block), QStringLiteral("мама мыла"));
    QCOMPARE(HandOverText(QByteArray(1000, '\0')), QString());
}

void TestSettingsHistory::settingsFolderOfPortableAndInstalledCopies()
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QTemporaryDir program;
    QVERIFY(IsOwnFolder(program.path()));
    QCOMPARE(SettingsFolder(program.path(), true), program.path());
    QCOMPARE(SettingsFolder(program.path(), false), config.filePath(QStringLiteral("Tornelis")));
    QVERIFY(!IsOwnFolder(program.filePath(QStringLiteral("no such folder"))));
    QVERIFY(WriteBytes(program.filePath(QStringLiteral("file")), "x"));
    QVERIFY(!IsOwnFolder(program.filePath(QStringLiteral("file"))));

    const auto own = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    const QList<std::pair<QFileDevice::Permissions, bool>> modes{
        {own | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther, true},
        {own | QFileDevice::WriteGroup | QFileDevice::ExeGroup, false},
        {own | QFileDevice::WriteOther | QFileDevice::ExeOther, false},
        {QFileDevice::ReadOwner | QFileDevice::ExeOwner, getuid() == 0},  // root may write anywhere
    };
    for (const auto &[permissions, isOwn] : modes) {
        QVERIFY(QFile::setPermissions(program.path(), permissions));
        QCOMPARE(IsOwnFolder(program.path()), isOwn);
    }
    QVERIFY(QFile::setPermissions(program.path(), own));
    const OtherUser other;
    if (other.available()) {
        QVERIFY(other.Give(program.path()));
        QVERIFY(!IsOwnFolder(program.path()));
    }
}

QTEST_APPLESS_MAIN(TestSettingsHistory)
#include "test_settings_history.moc"
