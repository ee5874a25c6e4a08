#include "encodings/text_encoding.h"
#include "shell/platform/profile_file.h"
#include "shell/platform/program_path.h"
#include "shell/platform/settings_folder.h"
#include "shell/platform/system.h"
#include "support/files.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <windows.h>
#include <aclapi.h>

#include <string>

using namespace tornelis;
using namespace tornelis::test;

// The Win32 calls of the platform layer as Windows (here Wine) answers them.
class TestWindowsPlatform : public QObject {
    Q_OBJECT

private slots:
    void secondStartHandsOverThroughNamedObjects_data();
    void secondStartHandsOverThroughNamedObjects();
    void profileWriteKeepsOtherKeys();
    void profileReadsMissingAndEmptyKeys();
    void registryValueNamesTheProgram();
    void programFindsItsDirectoryFromTheExe();
    void ansiIsTheSystemCodePage();
    void unwritableProgramFolderKeepsSettingsInAppData();
};

void TestWindowsPlatform::secondStartHandsOverThroughNamedObjects_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("handedOver");
    QTest::newRow("two words") << QStringList{QStringLiteral("стол"), QStringLiteral("книга")}
                               << QStringLiteral("стол книга");
    // Quotes group blanks; a third argument is not handed over.
    QTest::newRow("quoted blank") << QStringList{QStringLiteral("зелёный стол"), QStringLiteral("ёж"), QStringLiteral("кот")}
                                  << QStringLiteral("зелёный стол ёж");
}

void TestWindowsPlatform::secondStartHandsOverThroughNamedObjects()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, handedOver);
    const std::unique_ptr<SingleInstance> first = CreateSingleInstance();
    QVERIFY(first->BecomeFirstInstance());

    QProcess second;
    second.start(QStringLiteral(TORNELIS_PROGRAM), arguments);
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(second.exitCode(), 0);

    const std::optional<QByteArray> block = first->TakeHandOver();
    QVERIFY(block);
    QCOMPARE(block->size(), SingleInstance::kBlockSize);
    QCOMPARE(HandOverText(*block), handedOver);
    QCOMPARE(HandOverText(*first->TakeHandOver()), QString());  // taken once

    // While the first runs, no other start becomes first; after its release one does.
    QVERIFY(!CreateSingleInstance()->BecomeFirstInstance());
    first->Release();
    const std::unique_ptr<SingleInstance> next = CreateSingleInstance();
    QVERIFY(next->BecomeFirstInstance());
}

void TestWindowsPlatform::profileWriteKeepsOtherKeys()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Tornelis.ini"));
    QVERIFY(WriteBytes(file, "[Other]\r\nName=Значение\r\n[VIEW]\r\nOnTop=0\r\nKept=yes\r\n"));
    QVERIFY(WriteProfileFile(file, QStringLiteral("VIEW"), QStringLiteral("OnTop"), QStringLiteral("1")));
    QCOMPARE(ReadProfileFile(file, QStringLiteral("view"), QStringLiteral("ontop")), QStringLiteral("1"));
    QCOMPARE(ReadProfileFile(file, QStringLiteral("VIEW"), QStringLiteral("Kept")), QStringLiteral("yes"));
    QVERIFY(ReadBytes(file).contains("[Other]\r\nName="));

    // A new file takes every letter, not only the ANSI code page's.
    const QString fresh = dir.filePath(QStringLiteral("Новый.ini"));
    QVERIFY(WriteProfileFile(fresh, QStringLiteral("VIEW"), QStringLiteral("Шрифт"), QStringLiteral("Ёлка ǅ")));
    QCOMPARE(ReadProfileFile(fresh, QStringLiteral("VIEW"), QStringLiteral("Шрифт")), QStringLiteral("Ёлка ǅ"));
}

void TestWindowsPlatform::profileReadsMissingAndEmptyKeys()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Tornelis.ini"));
    QVERIFY(WriteBytes(file, "[VIEW]\r\nEmpty=\r\n"));
    QCOMPARE(ReadProfileFile(file, QStringLiteral("VIEW"), QStringLiteral("Empty")), QString());
    QVERIFY(!ReadProfileFile(file, QStringLiteral("VIEW"), QStringLiteral("Missing")));
    QVERIFY(!ReadProfileFile(dir.filePath(QStringLiteral("none.ini")), QStringLiteral("VIEW"), QStringLiteral("Empty")));
    // A folder in the file's place is neither read nor replaced.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
    QVERIFY(!WriteProfileFile(dir.filePath(QStringLiteral("folder.ini")), QStringLiteral("VIEW"),
                              QStringLiteral("OnTop"), QStringLiteral("1")));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder.ini"))).isDir());
}

void TestWindowsPlatform::registryValueNamesTheProgram()
{
    QVERIFY(PublishProgramPath(QStringLiteral("C:/Программы/Торнелис")));
    // Read back by the system's own tool, as a user would.
    QProcess reg;
    reg.start(QStringLiteral("reg"), {QStringLiteral("query"), QStringLiteral("HKCU\\SOFTWARE\\Quillon Software\\Tornelis"),
                                      QStringLiteral("/v"), QStringLiteral("Path")});
    QVERIFY(reg.waitForFinished(60000));
    QCOMPARE(reg.exitCode(), 0);
    wchar_t value[260] = {};
    DWORD size = sizeof value;
    QCOMPARE(RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Quillon Software\\Tornelis", L"Path", RRF_RT_REG_SZ, nullptr,
                          value, &size),
             LONG(ERROR_SUCCESS));
    QCOMPARE(QString::fromWCharArray(value), QStringLiteral("C:\\Программы\\Торнелис\\Tornelis.exe"));
}

void TestWindowsPlatform::programFindsItsDirectoryFromTheExe()
{
    // Started from another folder, the command finds forms.db beside itself.
    QTemporaryDir elsewhere;
    QProcess cli;
    cli.setWorkingDirectory(elsewhere.path());
    cli.start(QStringLiteral(TORNELIS_CLI), {QStringLiteral("decline"), QStringLiteral("стол")});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);
    QVERIFY(cli.readAllStandardOutput().startsWith("стол (существительное)\n"));
}

void TestWindowsPlatform::ansiIsTheSystemCodePage()
{
    // The test runs under a Western code page (see CMakeLists.txt):
    // "ANSI" is then Windows-1252, not the Windows-1251 of a Russian system.
    QCOMPARE(GetACP(), UINT(1252));
    UseSystemAnsiCodePage();
    QCOMPARE(DecodeText(QByteArray("\xC6\xE9t\xE9", 4), TextEncoding::Ansi), QStringLiteral("Æété"));
    QCOMPARE(EncodeText(QStringLiteral("Жé"), TextEncoding::Ansi), QByteArray("?\xE9"));
}

void TestWindowsPlatform::unwritableProgramFolderKeepsSettingsInAppData()
{
    QTemporaryDir program;
    QVERIFY(IsOwnFolder(program.path()));
    QVERIFY(!IsOwnFolder(program.filePath(QStringLiteral("no such folder"))));

    // A folder whose access list lets everyone put files in it is shared.
    QTemporaryDir shared;
    const std::wstring native = QDir::toNativeSeparators(shared.path()).toStdWString();
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    QCOMPARE(GetNamedSecurityInfoW(native.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl,
                                   nullptr, &descriptor),
             DWORD(ERROR_SUCCESS));
    wchar_t everyone[] = L"EVERYONE";
    EXPLICIT_ACCESSW grant{};
    BuildExplicitAccessWithNameW(&grant, everyone, GENERIC_ALL, GRANT_ACCESS, NO_INHERITANCE);
    PACL opened = nullptr;
    QCOMPARE(SetEntriesInAclW(1, &grant, dacl, &opened), DWORD(ERROR_SUCCESS));
    QCOMPARE(SetNamedSecurityInfoW(const_cast<wchar_t *>(native.c_str()), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                   nullptr, nullptr, opened, nullptr),
             DWORD(ERROR_SUCCESS));
    LocalFree(opened);
    LocalFree(descriptor);
    QVERIFY(!IsOwnFolder(shared.path()));

    QCOMPARE(SettingsFolder(program.path(), true), program.path());
    const QString roaming = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
    QVERIFY(!roaming.isEmpty());
    QCOMPARE(SettingsFolder(program.path(), false), roaming + QStringLiteral("/Tornelis"));
}

QTEST_GUILESS_MAIN(TestWindowsPlatform)
#include "test_windows_platform.moc"
