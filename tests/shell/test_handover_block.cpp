#include "shell/platform/posix_single_instance.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
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

QTEST_APPLESS_MAIN(TestHandOverBlock)
#include "test_handover_block.moc"
