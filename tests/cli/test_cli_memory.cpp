// tornelis-cli with too little memory for its command, in a real child
// process whose address space is bounded: the command ends with the Russian
// message and exit status 3, never with an abort.
#include "engine/sqlite_database.h"
#include "support/test_database.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

using namespace tornelis;
using namespace tornelis::test;

namespace {

const QByteArray kOutOfMemory = "tornelis-cli: не хватает памяти: команда не выполнена\n";

struct Run {
    bool crashed;
    int exitCode;
    QByteArray out;
    QByteArray err;
};

// Runs tornelis-cli with at most limit bytes of address space (0: unbounded).
Run RunWithin(rlim_t limit, const QStringList &arguments)
{
    QProcess process;
    if (limit > 0) {
        process.setChildProcessModifier([limit] {
            const rlimit bound{limit, limit};
            setrlimit(RLIMIT_AS, &bound);
        });
    }
    process.start(QStringLiteral(TORNELIS_CLI), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000))
        return {true, -1, {}, {}};
    return {process.exitStatus() != QProcess::NormalExit, process.exitCode(), process.readAllStandardOutput(),
            process.readAllStandardError()};
}

}  // namespace

class TestCliMemory : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void commandOutOfMemoryEndsWithTheMessage_data();
    void commandOutOfMemoryEndsWithTheMessage();

private:
    QTemporaryDir dir_;
    QString db_;
    rlim_t smallCommandLimit_ = 0;
};

// A dictionary of кот and one lemma, стог, of 4,000 long forms: within every
// bound of a lemma, but tens of megabytes to hold and lay out.
void TestCliMemory::initTestCase()
{
    db_ = dir_.filePath(QStringLiteral("forms.db"));
    WriteTestDatabase(db_, Lexeme(1, {{"кот", "NOUN,anim,masc sing,nomn"}}), {}, {false, true});
    SqliteDatabase(db_, SqliteDatabase::Mode::Create)
        .exec(QStringLiteral(
            "create view forms_view as with recursive r(n) as (select 1 union all select n + 1 from r where n < 4000)"
            " select f.id as id, f.word as word, t.prop as prop, f.accent as accent, f.initform_id as initform_id"
            " from forms f join tags t on t.id = f.tag_id union all"
            " select cast(1000 + n as integer), case n when 1 then 'стог' else 'форма' || n || printf('%.*c', 500, 'а') end,"
            " case n when 1 then 'NOUN,inan,masc sing,nomn' else 'INFN,perf,intr' end, 0, cast(1001 as integer) from r"));
    const Run unbounded = RunWithin(0, {"--db", db_, "decline", "стог"});
    QCOMPARE(unbounded.exitCode, 0);
    QVERIFY(unbounded.out.size() > 2'000'000);

    // The least address space (to 256 KB) in which the program starts and
    // declines кот: the libraries, the dictionary's pages, one small table.
    rlim_t enough = rlim_t(2) << 30;
    rlim_t tooLittle = rlim_t(4) << 20;
    QCOMPARE(RunWithin(enough, {"--db", db_, "decline", "кот"}).exitCode, 0);
    while (enough - tooLittle > (rlim_t(256) << 10)) {
        const rlim_t middle = (enough + tooLittle) / 2;
        (RunWithin(middle, {"--db", db_, "decline", "кот"}).exitCode == 0 ? enough : tooLittle) = middle;
    }
    smallCommandLimit_ = enough;
}

void TestCliMemory::commandOutOfMemoryEndsWithTheMessage_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("text") << QStringList();
    QTest::newRow("json") << QStringList{"--json"};
}

// With room to start and to spare, but far less than стог's table needs, the
// allocation fails inside the command (in Qt's containers or in SQLite).
void TestCliMemory::commandOutOfMemoryEndsWithTheMessage()
{
    QFETCH(QStringList, options);
    const rlim_t limit = smallCommandLimit_ + (rlim_t(8) << 20);
    QCOMPARE(RunWithin(limit, options + QStringList{"--db", db_, "decline", "кот"}).exitCode, 0);
    const Run result = RunWithin(limit, options + QStringList{"--db", db_, "decline", "кот", "стог"});
    QVERIFY2(!result.crashed, result.err.constData());
    QCOMPARE(result.err, kOutOfMemory);
    QCOMPARE(result.exitCode, 3);
    QVERIFY(result.out.contains("кот"));
}

QTEST_GUILESS_MAIN(TestCliMemory)
#include "test_cli_memory.moc"
