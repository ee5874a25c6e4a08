#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// cmake --install into a folder of the test's own: the layout a package
// gets, and the installed commands at work.
class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void layout_data();
    void layout();
    void installedCommandDeclines();
    void manPagesPrintCyrillic_data();
    void manPagesPrintCyrillic();
    void desktopFilesValidate_data();
    void desktopFilesValidate();

private:
    static int Run(const QString &program, const QStringList &arguments, QByteArray *out = nullptr);
    QTemporaryDir prefix_;
};

int TestInstall::Run(const QString &program, const QStringList &arguments, QByteArray *out)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return -1;
    const QByteArray output = process.readAll();
    if (out)
        *out = output;
    if (process.exitCode() != 0)
        qWarning("%s", output.constData());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void TestInstall::initTestCase()
{
    if (!QFileInfo::exists(QStringLiteral(TORNELIS_BIN_DIR "/forms.db")))
        QSKIP("no forms.db in this build: scripts/setup.sh builds it");
    QCOMPARE(Run(QStringLiteral(TORNELIS_CMAKE),
                 {QStringLiteral("--install"), QStringLiteral(TORNELIS_BUILD_DIR), QStringLiteral("--prefix"), prefix_.path()}),
             0);
}

void TestInstall::layout_data()
{
    QTest::addColumn<QString>("path");
    for (const char *path : {"bin/tornelis", "bin/tornelis-cli", "lib/tornelis/tornelis", "lib/tornelis/tornelis-cli",
                             "lib/tornelis/forms.db", "lib/tornelis/Tornelis.chm",
                             "share/applications/org.quillon.Tornelis.desktop",
                             "share/metainfo/org.quillon.Tornelis.metainfo.xml", "share/man/man1/tornelis-cli.1.gz",
                             "share/man/man1/tornelis.1.gz", "share/doc/tornelis/copyright",
                             "share/doc/tornelis/changelog.gz",
                             "share/icons/hicolor/scalable/apps/org.quillon.Tornelis.svg",
                             "share/icons/hicolor/16x16/apps/org.quillon.Tornelis.png",
                             "share/icons/hicolor/48x48/apps/org.quillon.Tornelis.png",
                             "share/icons/hicolor/256x256/apps/org.quillon.Tornelis.png"})
        QTest::newRow(path) << QString::fromLatin1(path);
}

void TestInstall::layout()
{
    QFETCH(QString, path);
    const QFileInfo file(prefix_.filePath(path));
    QVERIFY2(file.exists() && file.size() > 0, qPrintable(path));
    if (path.startsWith(QLatin1String("bin/"))) {
        QVERIFY(file.isSymLink());
        QCOMPARE(QFileInfo(file.symLinkTarget()).absolutePath(), QFileInfo(prefix_.filePath("lib/tornelis")).absoluteFilePath());
    }
}

void TestInstall::installedCommandDeclines()
{
    QByteArray out;
    QCOMPARE(Run(prefix_.filePath(QStringLiteral("bin/tornelis-cli")), {QStringLiteral("decline"), QStringLiteral("стол")}, &out),
             0);
    QVERIFY2(out.startsWith(QStringLiteral("стол (существительное)\n").toUtf8()), out.constData());
}

// As man shows them: Cyrillic stays Cyrillic (ё, not a Latin ë).
void TestInstall::manPagesPrintCyrillic_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("expected");
    QTest::newRow("tornelis") << "tornelis.1.gz" << "tornelis мама мыла";
    QTest::newRow("tornelis-cli") << "tornelis-cli.1.gz" << "decline ёж";
}

void TestInstall::manPagesPrintCyrillic()
{
    QFETCH(QString, page);
    QFETCH(QString, expected);
    if (QStandardPaths::findExecutable(QStringLiteral("man")).isEmpty())
        QSKIP("no man here");
    QProcess man;
    man.setProcessEnvironment([] {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("MANPAGER"), QStringLiteral("cat"));
        environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("100"));
        return environment;
    }());
    man.start(QStringLiteral("man"), {QStringLiteral("-l"), prefix_.filePath(QStringLiteral("share/man/man1/") + page)});
    QVERIFY(man.waitForFinished(60000));
    const QString text = QString::fromUtf8(man.readAllStandardOutput());
    QVERIFY2(text.contains(expected), qPrintable(text));
    QVERIFY(!text.contains(QChar(0xEB)));  // ë
}

void TestInstall::desktopFilesValidate_data()
{
    QTest::addColumn<QString>("validator");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("desktop entry") << "desktop-file-validate"
                                   << QStringList{prefix_.filePath("share/applications/org.quillon.Tornelis.desktop")};
    QTest::newRow("AppStream") << "appstreamcli"
                               << QStringList{"validate", "--no-net",
                                              prefix_.filePath("share/metainfo/org.quillon.Tornelis.metainfo.xml")};
}

void TestInstall::desktopFilesValidate()
{
    QFETCH(QString, validator);
    QFETCH(QStringList, arguments);
    const QString program = QStandardPaths::findExecutable(validator);
    QVERIFY2(!program.isEmpty(), qPrintable(validator + QStringLiteral(" is missing: scripts/setup.sh installs it")));
    QCOMPARE(Run(program, arguments), 0);
}

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
