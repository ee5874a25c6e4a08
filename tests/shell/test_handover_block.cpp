#include "shell/platform/posix_single_instance.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <thread>

using namespace tornelis;

namespace {

const QString kBlock = QStringLiteral("QUILLON_DURIDOD_DATA");

QByteArray Text(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), (text.size() + 1) * 2);
}

}  // namespace

// The hand-over block in a runtime directory of the test's own: what a
// first instance accepts as its block and what it survives.
class TestHandOverBlock : public QObject {
    Q_OBJECT

private slots:
    void init();
    void handOverRoundTrip();
    void foreignBlockFoundAtStartIsNeverAdopted_data();
    void foreignBlockFoundAtStartIsNeverAdopted();
    void writerRefusesABlockThatIsNotPrivate();
    void shrinkingBlockNeverCrashesTheReader();
    void folderOfAnotherUserIsNeverUsed_data();
    void folderOfAnotherUserIsNeverUsed();
    void lockFileOfAnotherUserIsNoRunningInstance();

private:
    QString blockPath() const { return dir_->filePath(kBlock); }
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestHandOverBlock::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestHandOverBlock::handOverRoundTrip()
{
    PosixSingleInstance first(dir_->path());
    QVERIFY(first.BecomeFirstInstance());
    QCOMPARE(QFileInfo(blockPath()).size(), SingleInstance::kBlockSize);
    QCOMPARE(QFile::permissions(blockPath()), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ReadUser | QFileDevice::WriteUser);

    PosixSingleInstance second(dir_->path());
    QVERIFY(!second.BecomeFirstInstance());
    QVERIFY(second.WriteHandOver(Text(QStringLiteral("кот дом"))));
    QCOMPARE(HandOverText(*first.TakeHandOver()), QStringLiteral("кот дом"));
    QCOMPARE(HandOverText(*first.TakeHandOver()), QString());

    first.Release();
    QVERIFY(!QFile::exists(blockPath()));
    QVERIFY(!second.WriteHandOver(Text(QStringLiteral("кот"))));
}

void TestHandOverBlock::foreignBlockFoundAtStartIsNeverAdopted_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("readable and writable by all") << "mode 0666";
    QTest::newRow("another user's") << "other owner";
    QTest::newRow("a link to a file elsewhere") << "symlink";
    QTest::newRow("a second name of a file") << "hard link";
    QTest::newRow("a left-over private block with text") << "left over";
}

// Whatever lies at the block's name when a first instance starts, the
// instance gets a fresh private block: words put there beforehand, or
// written later through the old file, never reach its window.
void TestHandOverBlock::foreignBlockFoundAtStartIsNeverAdopted()
{
    QFETCH(QString, kind);
    const QString planted = kind == QLatin1String("symlink") || kind == QLatin1String("hard link")
                                ? dir_->filePath(QStringLiteral("elsewhere"))
                                : blockPath();
    QByteArray content = Text(QStringLiteral("чужие слова"));
    content.resize(SingleInstance::kBlockSize, '\0');
    {
        QFile file(planted);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const QByteArray plantedName = QFile::encodeName(planted);
    const QByteArray blockName = QFile::encodeName(blockPath());
    if (kind == QLatin1String("mode 0666"))
        QCOMPARE(chmod(plantedName.constData(), 0666), 0);
    if (kind == QLatin1String("other owner")) {
        if (getuid() != 0)
            QSKIP("giving a file to another user needs root");
        QCOMPARE(chown(plantedName.constData(), 65534, 65534), 0);
    }
    if (kind == QLatin1String("symlink"))
        QCOMPARE(symlink(plantedName.constData(), blockName.constData()), 0);
    if (kind == QLatin1String("hard link"))
        QCOMPARE(link(plantedName.constData(), blockName.constData()), 0);
    const int attacker = ::open(plantedName.constData(), O_RDWR);
    QVERIFY(attacker >= 0);

    PosixSingleInstance first(dir_->path());
    QVERIFY(first.BecomeFirstInstance());
    QCOMPARE(HandOverText(first.TakeHandOver().value()), QString());
    const QByteArray later = Text(QStringLiteral("ещё чужие"));
    QCOMPARE(pwrite(attacker, later.constData(), size_t(later.size()), 0), ssize_t(later.size()));
    ::close(attacker);
    QCOMPARE(HandOverText(first.TakeHandOver().value()), QString());

    const QFileInfo block(blockPath());
    QVERIFY(!block.isSymLink());
    QCOMPARE(block.ownerId(), uint(getuid()));
    PosixSingleInstance second(dir_->path());
    QVERIFY(second.WriteHandOver(Text(QStringLiteral("свои"))));
    QCOMPARE(HandOverText(first.TakeHandOver().value()), QStringLiteral("свои"));
}

void TestHandOverBlock::writerRefusesABlockThatIsNotPrivate()
{
    PosixSingleInstance first(dir_->path());
    QVERIFY(first.BecomeFirstInstance());
    const QByteArray name = QFile::encodeName(blockPath());
    QCOMPARE(chmod(name.constData(), 0622), 0);
    PosixSingleInstance second(dir_->path());
    QVERIFY(!second.WriteHandOver(Text(QStringLiteral("кот"))));
    QCOMPARE(chmod(name.constData(), 0600), 0);
    QVERIFY(second.WriteHandOver(Text(QStringLiteral("кот"))));
}

// Someone shrinks and regrows the block as fast as they can while the first
// instance reads it: each read gives at most a short text, never a crash.
void TestHandOverBlock::shrinkingBlockNeverCrashesTheReader()
{
    PosixSingleInstance first(dir_->path());
    QVERIFY(first.BecomeFirstInstance());
    std::atomic<bool> stop = false;
    const int fd = ::open(QFile::encodeName(blockPath()).constData(), O_RDWR);
    QVERIFY(fd >= 0);
    std::thread shrinker([&] {
        const QByteArray text = Text(QStringLiteral("кот дом"));
        while (!stop) {
            (void)ftruncate(fd, 0);
            (void)pwrite(fd, text.constData(), size_t(text.size()), 0);
            (void)ftruncate(fd, 3);
        }
    });
    // A read may catch the block at any size, so any piece of the text.
    bool whole = true;
    for (int i = 0; i < 20000 && whole; ++i) {
        const std::optional<QByteArray> bytes = first.TakeHandOver();
        whole = bytes && bytes->size() == SingleInstance::kBlockSize && HandOverText(*bytes).size() <= 7;
    }
    stop = true;
    shrinker.join();
    ::close(fd);
    QVERIFY(whole);
}

// Without a runtime folder of their own (su, cron) a user's instances must
// not meet in a folder that someone else owns or may write: there a planted
// FIFO would hang every second start, a held lock end every start at once.
void TestHandOverBlock::folderOfAnotherUserIsNeverUsed_data()
{
    QTest::addColumn<QString>("planted");
    QTest::newRow("a FIFO in the block's place") << "fifo";
    QTest::newRow("another user's lock, held") << "lock";
}

void TestHandOverBlock::folderOfAnotherUserIsNeverUsed()
{
    QFETCH(QString, planted);
    if (getuid() != 0)
        QSKIP("a folder of another user needs root");
    // No XDG_RUNTIME_DIR: Qt falls back to runtime-<user> in the temp
    // folder, which another user has made first.
    const QString temp = dir_->filePath(QStringLiteral("tmp"));
    const QString shared = QDir(temp).filePath(QStringLiteral("runtime-") + QString::fromLocal8Bit(getpwuid(getuid())->pw_name));
    QVERIFY(QDir().mkpath(shared));
    const QByteArray sharedName = QFile::encodeName(shared);
    QCOMPARE(chmod(sharedName.constData(), 0777), 0);
    QCOMPARE(chown(sharedName.constData(), 65534, 65534), 0);
    const QByteArray fifo = QFile::encodeName(QDir(shared).filePath(kBlock));
    const QByteArray lock = QFile::encodeName(QDir(shared).filePath(QStringLiteral("QUILLON_DURIDOD.lock")));
    int held = -1;
    if (planted == QLatin1String("fifo")) {
        QCOMPARE(mkfifo(fifo.constData(), 0666), 0);
    } else {
        held = ::open(lock.constData(), O_RDWR | O_CREAT, 0666);
        QVERIFY(held >= 0 && fchown(held, 65534, 65534) == 0 && flock(held, LOCK_EX) == 0);
    }
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(temp));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir_->filePath(QStringLiteral("cache"))));

    PosixSingleInstance first;
    QVERIFY(first.BecomeFirstInstance());
    PosixSingleInstance second;
    QVERIFY(!second.BecomeFirstInstance());
    QVERIFY(second.WriteHandOver(Text(QStringLiteral("кот дом"))));
    QCOMPARE(HandOverText(first.TakeHandOver().value()), QStringLiteral("кот дом"));
    // The user's own folder is private; nothing was put into the shared one.
    const QFileInfo own(dir_->filePath(QStringLiteral("cache/tornelis-runtime")));
    QVERIFY(own.isDir());
    QCOMPARE(int(own.permissions() & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther |
                                      QFileDevice::WriteOther)), 0);
    QCOMPARE(QDir(shared).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(), 1);
    if (held >= 0)
        ::close(held);
    qunsetenv("TMPDIR");
    qunsetenv("XDG_CACHE_HOME");
}

void TestHandOverBlock::lockFileOfAnotherUserIsNoRunningInstance()
{
    if (getuid() != 0)
        QSKIP("a file of another user needs root");
    const QByteArray lock = QFile::encodeName(dir_->filePath(QStringLiteral("QUILLON_DURIDOD.lock")));
    const int held = ::open(lock.constData(), O_RDWR | O_CREAT, 0600);
    QVERIFY(held >= 0 && fchown(held, 65534, 65534) == 0 && flock(held, LOCK_EX) == 0);
    PosixSingleInstance first(dir_->path());
    QVERIFY(first.BecomeFirstInstance());
    ::close(held);
}

QTEST_APPLESS_MAIN(TestHandOverBlock)
#include "test_handover_block.moc"
