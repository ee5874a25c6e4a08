#include "shell/platform/posix_single_instance.h"
#include "shell/platform/program_path.h"
#include "shell/status_panels.h"
#include "shell/platform/profile_file.h"
#include "support/files.h"
#include "support/other_user.h"
#include "window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <QtTest>

#include <stdexcept>

#include <unistd.h>

using namespace tornelis;
using namespace tornelis::test;


// The single-instance hand-over with real second starts of a copy of the
// program, and the settings and history through the real window.
class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void secondStartHandsOver_data();
    void secondStartHandsOver();
    void handOverArrivesByItself();
    void closeReleasesAtOnce();
    void killedFirstInstanceLeavesNoMarker();
    void settingsAtStart_data();
    void settingsAtStart();
    void settingsAndHistoryWrittenAtTheEnd();
    void installedProgramKeepsSettingsInTheConfigFolder();
    void unwritableSettingsSkipTheHistory();
    void unreadableHistoryEndsTheStart();
    void programPathIsPublished();
    void sharedProgramFolderKeepsNoFileThere_data();
    void sharedProgramFolderKeepsNoFileThere();
    void historyNotReadWholeIsKept_data();
    void historyNotReadWholeIsKept();
    void secondStartWritesNothing();
    void ownDialogShownOverAlwaysOnTopWindow();

private:
    QString copyProgram();
    QProcess *startProgram(const QStringList &arguments);

    QTemporaryDir programDir_;
    QString program_;
    WindowFixture window_;
};

void TestSingleInstance::initTestCase()
{
    program_ = copyProgram();
    QVERIFY(!program_.isEmpty());
}

void TestSingleInstance::cleanup()
{
    window_.Reset();
}

QString TestSingleInstance::copyProgram()
{
    const QString copy = programDir_.filePath(QStringLiteral("tornelis"));
    return QFile::copy(QStringLiteral(TORNELIS_PROGRAM), copy) ? copy : QString();
}

QProcess *TestSingleInstance::startProgram(const QStringList &arguments)
{
    auto *process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(program_, arguments);
    return process;
}

void TestSingleInstance::secondStartHandsOver_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("wordBox");
    QTest::newRow("no argument") << QStringList{} << "прежнее";
    QTest::newRow("one argument") << QStringList{"стол"} << "стол";
    QTest::newRow("two arguments") << QStringList{"стол", "стула"} << "стол стула";
    QTest::newRow("three arguments") << QStringList{"стол", "стула", "шкаф"} << "стол стула";
    QTest::newRow("long argument") << QStringList{QString(500, u'я'), "x"} << QString(400, u'я');
    // Words that look like Qt's own options are words all the same.
    QTest::newRow("-reverse") << QStringList{"-reverse", "кот", "дом"} << "-reverse кот";
    QTest::newRow("-style") << QStringList{"-style", "кот", "дом"} << "-style кот";
    QTest::newRow("-platform") << QStringList{"-platform", "кот", "дом"} << "-platform кот";
}

void TestSingleInstance::secondStartHandsOver()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, wordBox);
    window_.arguments = {QStringLiteral("tornelis"), QStringLiteral("свои"), QStringLiteral("аргументы")};
    QVERIFY(window_.Open());
    TForm1 &form = window_.form();
    form.Timer1->stop();  // ticks by hand here, to keep the test quick
    // The first start declines its own arguments as a second start would hand them over.
    QTRY_COMPARE(form.StatusBar1().text(0), QStringLiteral("Всего запросов: 1"));
    QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("свои аргументы"));
    form.ComboBox1->setEditText(QStringLiteral("прежнее"));

    QProcess *second = startProgram(arguments);
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);

    form.Timer1Timer();
    QCOMPARE(form.ComboBox1->currentText(), wordBox);
    const bool declined = wordBox != QStringLiteral("прежнее");
    const QString requests = QStringLiteral("Всего запросов: %1").arg(declined ? 2 : 1);
    QCOMPARE(form.StatusBar1().text(0), requests);
    form.Timer1Timer();  // the block was emptied
    QCOMPARE(form.StatusBar1().text(0), requests);
}

void TestSingleInstance::handOverArrivesByItself()
{
    QVERIFY(window_.Open());
    QProcess *second = startProgram({QStringLiteral("мама"), QStringLiteral("мыла")});
    QVERIFY(second->waitForFinished(20000));
    QTRY_COMPARE_WITH_TIMEOUT(window_.form().ComboBox1->currentText(), QStringLiteral("мама мыла"), 2500);
}

void TestSingleInstance::closeReleasesAtOnce()
{
    QVERIFY(window_.Open());
    PosixSingleInstance next;
    QVERIFY(!next.BecomeFirstInstance());
    window_.form().close();
    QVERIFY(next.BecomeFirstInstance());
}

void TestSingleInstance::killedFirstInstanceLeavesNoMarker()
{
    QProcess *first = startProgram({});
    QVERIFY(first->waitForStarted());
    PosixSingleInstance probe;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&probe] {
            const bool free = probe.BecomeFirstInstance();
            probe.Release();
            return !free;
        }(),
        20000);
    first->kill();  // SIGKILL: no handler of the program runs
    QVERIFY(first->waitForFinished(10000));
    QVERIFY(probe.BecomeFirstInstance());
    probe.Release();
}

void TestSingleInstance::settingsAtStart_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<bool>("acute");
    QTest::newRow("no file") << QByteArray() << true << false;
    QTest::newRow("0") << QByteArray("[VIEW]\r\nAlwaysOnTop=0\r\n") << false << false;
    QTest::newRow("2") << QByteArray("[VIEW]\r\nAlwaysOnTop=2\r\n") << true << false;
    QTest::newRow("0x10") << QByteArray("[VIEW]\r\nAlwaysOnTop=0x10\r\n") << true << false;
    QTest::newRow("abc") << QByteArray("[VIEW]\r\nAlwaysOnTop=abc\r\n") << false << false;
    QTest::newRow("no key") << QByteArray("[VIEW]\r\n") << false << false;
    QTest::newRow("acute accent") << QByteArray("[VIEW]\r\nacuteaccent = 1\r\n") << false << true;
    QTest::newRow("acute accent off") << QByteArray("[VIEW]\r\nAcuteAccent=0\r\nAlwaysOnTop=1\r\n") << true << false;
}

void TestSingleInstance::settingsAtStart()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, onTop);
    QFETCH(bool, acute);
    if (!ini.isEmpty())
        QVERIFY(WriteBytes(window_.FilePath(QStringLiteral("Tornelis.ini")), ini));
    QVERIFY(window_.Open());
    QCOMPARE(window_.form().N13->isChecked(), onTop);
    QCOMPARE(window_.form().N36->isChecked(), acute);
    QCOMPARE(window_.form().CurrentRenderOptions().stressMark, acute ? StressMark::Acute : StressMark::Apostrophe);
    QCOMPARE(window_.form().windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    window_.form().N13->trigger();
    QCOMPARE(window_.form().windowFlags().testFlag(Qt::WindowStaysOnTopHint), !onTop);
}

void TestSingleInstance::settingsAndHistoryWrittenAtTheEnd()
{
    const QString ini = window_.FilePath(QStringLiteral("Tornelis.ini"));
    const QString history = window_.FilePath(QStringLiteral("Tornelis.history"));
    QVERIFY(WriteBytes(ini, "; the user's notes\r\n[Fonts]\r\nSize=9\r\n[VIEW]\r\nAlwaysOnTop=1\r\nColour=lavender\r\n"));
    QByteArray lines = "\xEF\xBB\xBF";
    for (int i = 0; i < 150; ++i)
        lines += QStringLiteral("слово%1\r\n").arg(i).toUtf8();
    QVERIFY(WriteBytes(history, lines));

    QVERIFY(window_.Open());
    QCOMPARE(window_.form().ComboBox1->count(), 150);
    window_.Decline(QStringLiteral("стол"));  // a declined word does not enter the history
    window_.form().N13->trigger();
    window_.form().N36->trigger();
    window_.CloseWindow();

    QCOMPARE(ReadBytes(ini), QByteArray("; the user's notes\r\n[Fonts]\r\nSize=9\r\n[VIEW]\r\nAlwaysOnTop=0\r\n"
                                        "Colour=lavender\r\nAcuteAccent=1\r\n"));
    QByteArray expected = "\xEF\xBB\xBF";
    for (int i = 0; i < 100; ++i)
        expected += QStringLiteral("слово%1\r\n").arg(i).toUtf8();
    QCOMPARE(ReadBytes(history), expected);
    QVERIFY(window_.messages.errors.isEmpty());
}

// A program in a folder it may not write to keeps its settings and history
// in the user's configuration folder, reads them there, and says nothing.
void TestSingleInstance::installedProgramKeepsSettingsInTheConfigFolder()
{
    if (getuid() == 0)
        QSKIP("root may write to any folder");
    const QString config = QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(QStringLiteral("Tornelis"));
    QDir(config).removeRecursively();
    QVERIFY(window_.Open());  // writes forms.db while the folder is writable
    window_.CloseWindow();
    QVERIFY(QFile::remove(window_.FilePath(QStringLiteral("Tornelis.ini"))));
    QVERIFY(QFile::remove(window_.FilePath(QStringLiteral("Tornelis.history"))));
    QVERIFY(QFile::setPermissions(window_.ProgramDirectory(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    QVERIFY(window_.Open(WindowFixture::Database::Kept));
    window_.form().ComboBox1->addItem(QStringLiteral("дом"));
    window_.form().N36->trigger();
    window_.CloseWindow();
    QVERIFY(window_.messages.errors.isEmpty());
    QVERIFY(!QFile::exists(window_.FilePath(QStringLiteral("Tornelis.ini"))));
    QCOMPARE(ReadBytes(config + QStringLiteral("/Tornelis.history")), QByteArray("\xE4\xEE\xEC\r\n"));  // дом in Windows-1251

    QVERIFY(window_.Open(WindowFixture::Database::Kept));
    QVERIFY(window_.form().N36->isChecked());
    QCOMPARE(window_.form().ComboBox1->itemText(0), QStringLiteral("дом"));
    window_.CloseWindow();
    QVERIFY(QFile::setPermissions(window_.ProgramDirectory(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                  QFileDevice::ExeOwner));
}

void TestSingleInstance::unwritableSettingsSkipTheHistory()
{
    // A folder in the way of the settings file stands for a read-only program directory.
    QVERIFY(QDir(window_.ProgramDirectory()).mkdir(QStringLiteral("Tornelis.ini")));
    QVERIFY(window_.Open());
    window_.CloseWindow();
    QCOMPARE(window_.messages.errors,
             QStringList{QStringLiteral("Unable to write to %1.").arg(window_.FilePath(QStringLiteral("Tornelis.ini")))});
    QVERIFY(!QFile::exists(window_.FilePath(QStringLiteral("Tornelis.history"))));
}

void TestSingleInstance::unreadableHistoryEndsTheStart()
{
    // A folder of the history's name is no history: the window starts with an empty list.
    QVERIFY(QDir(window_.ProgramDirectory()).mkdir(QStringLiteral("Tornelis.history")));
    QVERIFY(window_.Open());
    QCOMPARE(window_.form().ComboBox1->count(), 0);
    window_.Reset();

    const QString history = window_.FilePath(QStringLiteral("Tornelis.history"));
    QVERIFY(WriteBytes(history, "кот\r\n"));
    QVERIFY(QFile::setPermissions(history, QFileDevice::Permissions()));
    if (QFile(history).open(QIODevice::ReadOnly))
        QSKIP("running with permissions that read any file");
    try {
        window_.Open();
        QFAIL("the start must end");
    } catch (const std::runtime_error &error) {
        QVERIFY(QString::fromUtf8(error.what())
                    .startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(window_.FilePath("Tornelis.history"))));
    }
}

void TestSingleInstance::programPathIsPublished()
{
    QVERIFY(window_.Open());
    QCOMPARE(ReadBytes(ProgramPathFile()),
             QStringLiteral("[Tornelis]\r\nPath=%1/tornelis\r\n").arg(window_.ProgramDirectory()).toUtf8());
}

void TestSingleInstance::ownDialogShownOverAlwaysOnTopWindow()
{
    QVERIFY(window_.Open());
    TForm1 &form = window_.form();
    QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QDialog dialog(&form);
    bool onTopWhileShown = true;
    QTimer::singleShot(50, &dialog, [&] {
        onTopWhileShown = form.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        dialog.accept();
    });
    form.ShowOwnDialog(dialog);
    QVERIFY(!onTopWhileShown);
    QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(form.N13->isChecked());
}

void TestSingleInstance::sharedProgramFolderKeepsNoFileThere_data()
{
    QTest::addColumn<bool>("givenAway");
    QTest::newRow("owned by another user") << true;
    QTest::newRow("writable by all") << false;
}

// A copy of the program in a folder another user may write to keeps its
// settings and history in the user's configuration folder: the links that
// user puts in their place, before the start or while the window is open,
// lead to the user's own files, which stay as they were.
void TestSingleInstance::sharedProgramFolderKeepsNoFileThere()
{
    QFETCH(bool, givenAway);
    const OtherUser other;
    if (!other.available())
        QSKIP("acting as another user needs root and the user nobody");
    const QString config = QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(QStringLiteral("Tornelis"));
    QDir(config).removeRecursively();
    QTemporaryDir home;  // the user's own files, out of the other's reach
    const QString bashrc = home.filePath(QStringLiteral(".bashrc"));
    const QString profile = home.filePath(QStringLiteral(".profile"));
    QByteArray lines;
    for (int i = 0; i < 150; ++i)
        lines += "export LINE" + QByteArray::number(i) + "=1\n";
    QVERIFY(WriteBytes(bashrc, lines));
    QVERIFY(WriteBytes(profile, lines));

    const QString shared = window_.ProgramDirectory();
    QVERIFY(givenAway ? other.Give(shared) : QFile::setPermissions(shared, QFileDevice::Permissions(0x7777)));
    QVERIFY(other.PlantLink(bashrc, window_.FilePath(QStringLiteral("Tornelis.history"))));
    QVERIFY(window_.Open());
    QCOMPARE(window_.form().ComboBox1->count(), 0);
    QVERIFY(other.PlantLink(profile, window_.FilePath(QStringLiteral("Tornelis.ini"))));
    window_.form().ComboBox1->addItem(QStringLiteral("дом"));
    window_.form().N13->trigger();
    window_.CloseWindow();

    QCOMPARE(ReadBytes(bashrc), lines);
    QCOMPARE(ReadBytes(profile), lines);
    QCOMPARE(window_.messages.errors, QStringList());
    QCOMPARE(ReadBytes(config + QStringLiteral("/Tornelis.history")), QByteArray("\xE4\xEE\xEC\r\n"));
    QCOMPARE(ReadProfileFile(config + QStringLiteral("/Tornelis.ini"), QStringLiteral("VIEW"), QStringLiteral("AlwaysOnTop")),
             std::optional<QString>(QStringLiteral("0")));
    QDir(config).removeRecursively();
}

void TestSingleInstance::historyNotReadWholeIsKept_data()
{
    QTest::addColumn<QByteArray>("history");
    QTest::addColumn<int>("entries");
    QTest::newRow("one line of 17 MiB") << QByteArray(17 * 1024 * 1024, 'a') << 0;
    QTest::newRow("17 MiB of lines") << QByteArray("слово\r\n").repeated(17 * 1024 * 1024 / 12) << 10000;
    QTest::newRow("more lines than are read") << QByteArray("кот\n").repeated(10001) << 10000;
    QTest::newRow("invalid UTF-8") << QByteArray("\xEF\xBB\xBF\xD0\xB4\xD0\xBE\xD0\xBC\r\n\xFF\xD0\r\n") << 2;
    QTest::newRow("odd byte of UTF-16") << QByteArray("\xFF\xFE\x34\x04\r\x00\n\x00\x3E", 9) << 2;
}

// A history the window did not read whole, or whose bytes do not all come
// back from its words, is left as it is at the end.
void TestSingleInstance::historyNotReadWholeIsKept()
{
    QFETCH(QByteArray, history);
    QFETCH(int, entries);
    const QString path = window_.FilePath(QStringLiteral("Tornelis.history"));
    QVERIFY(WriteBytes(path, history));
    QVERIFY(window_.Open());
    QCOMPARE(window_.form().ComboBox1->count(), entries);
    window_.CloseWindow();
    QVERIFY(ReadBytes(path) == history);
    QVERIFY(window_.messages.errors.isEmpty());
    QVERIFY(QFile::exists(window_.FilePath(QStringLiteral("Tornelis.ini"))));
}

// A second start hands its words over and ends: it cuts no history, undoes
// no option of the first window's, publishes nothing, and shows no message
// even where the settings cannot be written.
void TestSingleInstance::secondStartWritesNothing()
{
    QVERIFY(window_.Open());
    const QByteArray published = ReadBytes(ProgramPathFile());
    const QDir copy = QFileInfo(program_).dir();
    QByteArray lines = "\xEF\xBB\xBF";
    for (int i = 0; i < 150; ++i)
        lines += QStringLiteral("слово%1\n").arg(i).toUtf8();
    const QByteArray ini = "[VIEW]\nAlwaysOnTop=0\n";
    for (const bool settingsWritable : {true, false}) {
        QVERIFY(WriteBytes(copy.filePath(QStringLiteral("Tornelis.history")), lines));
        if (settingsWritable)
            QVERIFY(WriteBytes(copy.filePath(QStringLiteral("Tornelis.ini")), ini));
        else
            QVERIFY(QFile::remove(copy.filePath(QStringLiteral("Tornelis.ini"))) && copy.mkdir(QStringLiteral("Tornelis.ini")));
        QProcess *second = startProgram({QStringLiteral("мама"), QStringLiteral("мыла")});
        QVERIFY(second->waitForFinished(20000));
        QCOMPARE(second->exitCode(), 0);
        QVERIFY(ReadBytes(copy.filePath(QStringLiteral("Tornelis.history"))) == lines);
        if (settingsWritable)
            QCOMPARE(ReadBytes(copy.filePath(QStringLiteral("Tornelis.ini"))), ini);
        QCOMPARE(ReadBytes(ProgramPathFile()), published);
    }
    QVERIFY(copy.rmdir(QStringLiteral("Tornelis.ini")));
    QVERIFY(QFile::remove(copy.filePath(QStringLiteral("Tornelis.history"))));
}

TORNELIS_WINDOW_TEST_MAIN(TestSingleInstance)

#include "test_single_instance.moc"
