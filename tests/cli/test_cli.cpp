#include "textmode/text_annotator.h"
#include "engine/stress_lookup.h"
#include "support/annotate_text.h"
#include "engine/sqlite_database.h"
#include "support/test_database.h"

#include <QBuffer>
#include <algorithm>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace tornelis;
using namespace tornelis::test;

namespace {

QList<FormRow> Dictionary()
{
    QList<FormRow> rows;
    rows += Lexeme(1, {{"стол", "NOUN,inan,masc sing,nomn"}, {"столами", "NOUN,inan,masc plur,ablt"}});
    rows[0].accent = 1;
    rows[1].accent = 2;
    rows += Lexeme(10, {{"мама", "NOUN,anim,femn sing,nomn"}, {"маму", "NOUN,anim,femn sing,accs"}});
    rows[2].accent = rows[3].accent = 1;
    rows += Lexeme(20, {{"замок", "NOUN,inan,masc sing,nomn"}});
    rows[4].accent = 1;
    rows += Lexeme(30, {{"замок", "VERB,perf,intr masc,sing,past,indc"}, {"замокнуть", "INFN,perf,intr"}}, 1);
    rows[5].accent = 2;
    rows += Lexeme(40, {{"ёлка", "NOUN,inan,femn sing,nomn"}});
    rows += Lexeme(50, {{"кот", "NOUN,anim,masc sing,nomn"}});
    rows[8].accent = 1;
    rows += Lexeme(60, {{"молоко", "NOUN,inan,neut sing,nomn"}});
    rows[9].accent = 3;
    rows += Lexeme(70, {{"тот", "ADJF,Apro,Subx,Anph masc,sing,nomn"},
                        {"того", "ADJF,Apro,Subx,Anph anim,masc,sing,accs"},
                        {"тот", "ADJF,Apro,Subx,Anph inan,masc,sing,accs"}});
    rows[10].accent = rows[12].accent = 1;
    rows[11].accent = 2;
    // осел of осесть and осёл; конечно of конечный, numbered first, and of the conjunction.
    rows += Lexeme(80, {{"осел", "VERB,perf,intr masc,sing,past,indc"}, {"осесть", "INFN,perf,intr"}}, 1);
    rows += Lexeme(90, {{"осёл", "NOUN,anim,masc sing,nomn"}});
    rows += Lexeme(100, {{"конечный", "ADJF,Qual masc,sing,nomn"}, {"конечно", "ADJS,Qual neut,sing"}});
    rows += Lexeme(110, {{"конечно", "CONJ,Prnt"}});
    return rows;
}

struct Run {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

}  // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void declineAsText();
    void declineAsJsonWithOptions();
    void bothAccusativesShareOneCell();
    void unknownWordIsReported();
    void declineWritesEachWordAsItIsDone_data();
    void declineWritesEachWordAsItIsDone();
    void overLongWordIsNotFound();
    void mistypedWordIsReadAsMeant();
    void everyReadingOfTheTypedWord();
    void guessedTablesAreMarked();
    void describe();
    void versionIsTheAboutBoxVersion();
    void helpSpeaksOneLanguage();
    void annotateMarksAndKeepsEverythingElse();
    void annotateStreamsAcrossPieces();
    void annotateStreamsAnEndlessRunOfLetters();
    void annotateLeavesMarkedWordsAlone_data();
    void annotateLeavesMarkedWordsAlone();
    void errors_data();
    void errors();

private:
    // Runs tornelis-cli; "<file" and ">file" among the arguments redirect its
    // standard input and output, as a shell would.
    Run run(QStringList arguments, const QByteArray &input = {});

    QTemporaryDir dir_;
    QString db_;
};

void TestCli::initTestCase()
{
    db_ = dir_.filePath(QStringLiteral("forms.db"));
    WriteTestDatabase(db_, Dictionary(), {{"елка", "ёлка"}});
    AddYoSpellings(db_, {{"елка", "ёлка"}, {"осел", "осёл"}});
    AddReadingCounts(db_, QStringLiteral("insert into reading_counts values('конечно', 100, 0, 0), ('конечно', 110, 0, 3000);"));
}

Run TestCli::run(QStringList arguments, const QByteArray &input)
{
    QProcess process;
    bool inputRedirected = false;
    for (const QString &argument : arguments.filter(QRegularExpression(QStringLiteral("^[<>]")))) {
        inputRedirected = inputRedirected || argument.startsWith(QLatin1Char('<'));
        if (argument.startsWith(QLatin1Char('<')))
            process.setStandardInputFile(argument.mid(1));
        else
            process.setStandardOutputFile(argument.mid(1));
        arguments.removeOne(argument);
    }
    process.start(QStringLiteral(TORNELIS_CLI), arguments);
    if (!inputRedirected)
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        return {-1, {}, {}};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

void TestCli::declineAsText()
{
    const Run result = run({"--db", db_, "decline", "столами"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(QString::fromUtf8(result.out),
             QStringLiteral("стол (существительное)\n"
                            "Падеж\tМужской род\tЖенский род\tСредний род\tМножественное число\n"
                            "Именительный (кто,что?)\tст'ол\t\t\t\n"
                            "Родительный (кого,чего?)\t\t\t\t\n"
                            "Дательный (кому,чему?)\t\t\t\t\n"
                            "Винительный (кого,что?)\t\t\t\t\n"
                            "Творительный (кем,чем?)\t\t\t\tсто-л'а-ми\n"
                            "Предложный (о ком,о чём?)\t\t\t\t\n"));
    QVERIFY(result.err.isEmpty());
    const Run acute = run({"--db", db_, "--acute", "decline", "столами"});
    QCOMPARE(QString::fromUtf8(acute.out), QString::fromUtf8(result.out).replace("ст'ол", "сто́л").replace("л'а", "ла́"));
}

void TestCli::declineAsJsonWithOptions()
{
    const Run result = run({"--db", db_, "--json", "--no-syllables", "--case", "upper", "decline", "замок", "елка"});
    QCOMPARE(result.exitCode, 0);
    const QJsonArray words = QJsonDocument::fromJson(result.out).array();
    QCOMPARE(words.size(), 2);
    QCOMPARE(result.out, QJsonDocument(words).toJson(QJsonDocument::Indented));
    const QJsonObject zamok = words.at(0).toObject();
    QCOMPARE(zamok.value("word").toString(), QStringLiteral("замок"));
    const QJsonArray lemmas = zamok.value("lemmas").toArray();
    QCOMPARE(lemmas.size(), 2);
    QCOMPARE(lemmas.at(0).toObject().value("caption").toString(), QStringLiteral("замок (существительное)"));
    QCOMPARE(lemmas.at(0).toObject().value("page").toString(), QStringLiteral("declension"));
    QCOMPARE(lemmas.at(1).toObject().value("page").toString(), QStringLiteral("conjugation"));
    const QJsonObject cell = lemmas.at(0).toObject().value("cells").toArray().at(0).toObject();
    const QJsonArray oneForm{QJsonObject({{"form", "З'АМОК"}, {"tags", "NOUN,inan,masc sing,nomn"}})};
    QCOMPARE(cell, QJsonObject({{"row", 1},
                                {"column", 1},
                                {"form", "З'АМОК"},
                                {"tags", "NOUN,inan,masc sing,nomn"},
                                {"forms", oneForm}}));
    // The forms a table has no cell for follow it, with their group.
    QCOMPARE(lemmas.at(0).toObject().value("other").toArray(), QJsonArray());
    QCOMPARE(lemmas.at(1).toObject().value("other").toArray(),
             QJsonArray({QJsonObject({{"form", "ЗАМОКНУТЬ"}, {"tags", "INFN,perf,intr"}, {"group", "infinitive"}})}));
    QVERIFY(QString::fromUtf8(run({"--db", db_, "decline", "замок"}).out)
                .endsWith(QStringLiteral("Другие формы (1)\nФорма\tОписание\nИнфинитив\n"
                                         "за-мок-нуть\tглагол (инфинитив), совершенный вид, непереходный\n")));
    QCOMPARE(words.at(1).toObject().value("word").toString(), QStringLiteral("ёлка"));
    QCOMPARE(run({"--db", db_, "--no-yo", "decline", "елка"}).exitCode, 1);
}

void TestCli::bothAccusativesShareOneCell()
{
    const QString text = QString::fromUtf8(run({"--db", db_, "decline", "того"}).out);
    QVERIFY2(text.startsWith(QStringLiteral("тот (местоимение)\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\nВинительный (кого,что?)\tт'от / то-г'о\t\t\t\n")), qPrintable(text));
    // The animate form is in the cell, so not among the other forms.
    QVERIFY(!text.contains(QStringLiteral("Другие формы")));

    const QJsonArray words = QJsonDocument::fromJson(run({"--db", db_, "--json", "--case", "upper", "decline", "тот"}).out).array();
    const QJsonArray cells = words.at(0).toObject().value("lemmas").toArray().at(0).toObject().value("cells").toArray();
    const auto accusative = std::find_if(cells.begin(), cells.end(), [](const QJsonValue &cell) {
        return cell.toObject().value("row").toInt() == 4;
    });
    QVERIFY(accusative != cells.end());
    QCOMPARE(accusative->toObject().value("form").toString(), QStringLiteral("Т'ОТ / ТО-Г'О"));
    QCOMPARE(accusative->toObject().value("forms").toArray(),
             QJsonArray({QJsonObject({{"form", "Т'ОТ"}, {"tags", "ADJF,Apro,Subx,Anph inan,masc,sing,accs"}}),
                         QJsonObject({{"form", "ТО-Г'О"}, {"tags", "ADJF,Apro,Subx,Anph anim,masc,sing,accs"}})}));
}

void TestCli::unknownWordIsReported()
{
    const Run result = run({"--db", db_, "decline", "кот", "собака"});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.out.startsWith("кот (существительное)\n"));
    QCOMPARE(QString::fromUtf8(result.err), QStringLiteral("tornelis-cli: «собака»: нет в словаре\n"));
    // A terminal's escape sequences in a word are shown, not run.
    const Run escaped = run({"--db", db_, "decline", QStringLiteral("кот\x1B]0;титул\x07\u009B2J")});
    QCOMPARE(QString::fromUtf8(escaped.err),
             QStringLiteral("tornelis-cli: «кот\\x1B]0;титул\\x07\\x9B2J»: нет в словаре\n"));
}

void TestCli::declineWritesEachWordAsItIsDone_data()
{
    QTest::addColumn<bool>("json");
    QTest::newRow("text") << false;
    QTest::newRow("JSON") << true;
}

// Each word's result is out before the next word is looked up: a word that
// meets a damaged lemma ends the command, the words before it printed.
void TestCli::declineWritesEachWordAsItIsDone()
{
    QFETCH(bool, json);
    const QString damaged = dir_.filePath(QStringLiteral("one damaged lemma.db"));
    WriteTestDatabase(damaged, Dictionary(), {}, {false, true});
    SqliteDatabase(damaged, SqliteDatabase::Mode::Create)
        .exec(QStringLiteral(
            "create view forms_view as with recursive r(n) as (select 1 union all select n + 1 from r where n < 100000)"
            " select f.id as id, f.word as word, t.prop as prop, f.accent as accent, f.initform_id as initform_id"
            " from forms f join tags t on t.id = f.tag_id union all"
            " select cast(1000000 + n as integer), case n when 1 then 'стог' else 'форма' || n end,"
            " case n when 1 then 'NOUN,inan,masc sing,nomn' else 'INFN,perf,intr' end, 0, cast(1000001 as integer) from r"));
    QStringList arguments{"--db", damaged, "decline", "кот", "собака", "мама", "стог", "стол"};
    if (json)
        arguments.prepend(QStringLiteral("--json"));
    const Run result = run(arguments);
    QCOMPARE(result.exitCode, 3);
    const Run before = run(QStringList(arguments).mid(0, arguments.size() - 2));
    QCOMPARE(before.exitCode, 1);
    if (json)
        QCOMPARE(result.out + "\n]\n", before.out);
    else
        QCOMPARE(result.out, before.out);
    QVERIFY(before.out.contains("кот") && before.out.contains("мама"));
    QVERIFY2(result.err.startsWith("tornelis-cli: «собака»: нет в словаре\ntornelis-cli: Словарь «"), result.err);
}

// A word longer than any dictionary could hold is simply not found.
void TestCli::overLongWordIsNotFound()
{
    // Far beyond the longest word looked up, yet within the 32,767 characters
    // a Windows command line can carry.
    const QString word(20000, u'я');
    const Run result = run({"--db", db_, "decline", "кот", word, "мама"});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.out.startsWith("кот (существительное)\n"));
    QVERIFY(result.out.contains("\nмама (существительное)\n"));
    QCOMPARE(QString::fromUtf8(result.err), QStringLiteral("tornelis-cli: «%1»: нет в словаре\n").arg(word));
}

void TestCli::mistypedWordIsReadAsMeant()
{
    const Run result = run({"--db", db_, "decline", "cnjk", "ст" "o" "л" /* a Latin o */, "сто\u0301л"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(QString::fromUtf8(result.out).count(QStringLiteral("стол (существительное)\n")), 3);
    // A stress mark is no mistake: nothing said of it.
    QCOMPARE(QString::fromUtf8(result.err), QStringLiteral("tornelis-cli: «cnjk»: прочитано как «стол»\n"
                                                            "tornelis-cli: «ст" "o" "л»: прочитано как «стол»\n"));
}

void TestCli::everyReadingOfTheTypedWord()
{
    const auto captions = [this](const QStringList &options, const QString &word) {
        const Run result = run(QStringList{"--db", db_, "--json"} + options + QStringList{"decline", word});
        QStringList found;
        for (const QJsonValue &lemma : QJsonDocument::fromJson(result.out).array().at(0).toObject().value("lemmas").toArray())
            found.append(lemma.toObject().value("caption").toString());
        return found;
    };
    // Typed with е: the lemmas of both spellings; as typed only without ё restoration.
    QCOMPARE(captions({}, "осел"), QStringList({"осесть (глагол (инфинитив))", "осёл (существительное)"}));
    QCOMPARE(captions({"--no-yo"}, "осел"), QStringList{"осесть (глагол (инфинитив))"});
    // The reading the corpus meets more often first.
    QCOMPARE(captions({}, "конечно"), QStringList({"конечно (союз)", "конечный (прилагательное)"}));
}

void TestCli::guessedTablesAreMarked()
{
    const QString db = dir_.filePath(QStringLiteral("guessing.db"));
    WriteTestDatabase(db, Lexeme(1, {{"семинар", "NOUN,inan,masc sing,nomn"}, {"семинары", "NOUN,inan,masc plur,nomn"}}));
    AddEndingTable(db, QStringLiteral("insert into guess_paradigms values (1, 0, '', 'NOUN,inan,masc sing,nomn', 1),"
                                      " (1, 1, 'ы', 'NOUN,inan,masc plur,nomn', 0);"
                                      "insert into guess_endings values ('нар', 1, 40, 1, 0, 1, '1,2', 40, 40, 0, 0);"));
    // Still not in the dictionary, but its table by analogy follows.
    const Run result = run({"--db", db, "--json", "--no-syllables", "decline", "вебинар"});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(QString::fromUtf8(result.err), QStringLiteral("tornelis-cli: «вебинар»: нет в словаре, таблицы по образцу\n"));
    const QJsonObject lemma = QJsonDocument::fromJson(result.out).array().at(0).toObject().value("lemmas").toArray().at(0).toObject();
    QCOMPARE(lemma.value("caption").toString(), QStringLiteral("вебинар (существительное, по образцу «семинар»)"));
    QCOMPARE(lemma.value("predicted"), QJsonValue(true));
    QCOMPARE(lemma.value("model").toString(), QStringLiteral("семинар"));
    QCOMPARE(lemma.value("cells").toArray().at(1).toObject().value("form").toString(), QStringLiteral("вебин'ары"));
    // A dictionary word carries neither key.
    const QJsonObject found =
        QJsonDocument::fromJson(run({"--db", db, "--json", "decline", "семинар"}).out).array().at(0).toObject();
    QVERIFY(!found.value("lemmas").toArray().at(0).toObject().contains("predicted"));
    // Running text takes its marks from the dictionary only.
    QCOMPARE(run({"--db", db, "annotate"}, "Вебинар и семинар.").out, QByteArray("Вебинар и семинар."));
}

void TestCli::describe()
{
    const Run result = run({"describe", "NOUN,anim,masc sing,nomn", "INFN,perf,tran"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(QString::fromUtf8(result.out),
             QStringLiteral("имя существительное, одушевлённое, мужской род  единственное число, именительный падеж\n"
                            "глагол (инфинитив), совершенный вид, переходный\n"));
}

// The About box says "Версия 3.1" (pinned with the window's tests).
void TestCli::versionIsTheAboutBoxVersion()
{
    const Run result = run({"--version"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("tornelis-cli 3.1\n"));
}

// One language: no "Usage:" or "Options:" of Qt's between the Russian lines.
void TestCli::helpSpeaksOneLanguage()
{
    const Run result = run({"--help"});
    QCOMPARE(result.exitCode, 0);
    const QString help = QString::fromUtf8(result.out);
    QVERIFY(help.startsWith(QStringLiteral("Использование: tornelis-cli")));
    for (const char *option : {"--db", "--no-yo", "--no-stress", "--no-syllables", "--syllables", "--case", "--acute",
                               "--json", "--version", "--help"})
        QVERIFY2(help.contains(QLatin1String(option)), option);
    for (const char *english : {"Usage", "Options", "Arguments", "Displays"})
        QVERIFY2(!help.contains(QLatin1String(english)), english);
}

void TestCli::annotateMarksAndKeepsEverythingElse()
{
    const QByteArray text = "Мама, МАМУ и «молоко»!\r\nHello мир; замок — Стол\tстолами… елка кот-то\xff\r\n";
    Run result = run({"--db", db_, "annotate"}, text);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(QString::fromUtf8(result.out),
             QString::fromUtf8("М'ама, М'АМУ и «молок'о»!\r\nHello мир; замок — Стол\tстол'ами… 'елка кот-то\xff\r\n"));
    QByteArray unmarked = result.out;
    unmarked.replace('\'', QByteArray());
    QCOMPARE(unmarked, text);

    const QString path = dir_.filePath(QStringLiteral("text.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("молоко мама");
    file.close();
    result = run({"--db", db_, "annotate", "--syllables", path});
    QCOMPARE(QString::fromUtf8(result.out), QStringLiteral("мо-ло-к'о м'а-ма"));
    result = run({"--db", db_, "annotate", "--acute", path});
    QCOMPARE(QString::fromUtf8(result.out), QStringLiteral("молоко́ ма́ма"));
}

void TestCli::annotateStreamsAcrossPieces()
{
    // Words cut by the reader's pieces come out whole, byte for byte.
    StressLookup stress(db_);
    TextAnnotator annotator(stress, {});
    QByteArray text;
    // The one-byte "_" shifts the words against the pieces' bounds (a Latin
    // letter would make the next word one of mixed letters).
    for (int i = 0; text.size() < 300000; ++i)
        text += i % 3 == 0 ? "Мама " : i % 3 == 1 ? "столами,\r\n" : "_";
    QBuffer in(&text);
    QByteArray written;
    QBuffer out(&written);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QVERIFY(out.open(QIODevice::WriteOnly));
    qint64 lastProgress = 0;
    const qint64 words = annotator.Annotate(in, out, [&lastProgress](qint64 done) { lastProgress = done; });
    QCOMPARE(lastProgress, text.size());
    QCOMPARE(written.count("М'ама "), words / 2 + words % 2);
    QCOMPARE(written.count("стол'ами,"), words / 2);
    written.replace('\'', QByteArray());
    QCOMPARE(written, text);
}

// Remembers the largest piece written to it.
class PieceRecorder : public QBuffer {
public:
    using QBuffer::QBuffer;
    qint64 largestPiece = 0;

protected:
    qint64 writeData(const char *data, qint64 size) override
    {
        largestPiece = std::max(largestPiece, size);
        return QBuffer::writeData(data, size);
    }
};

// A run of letters longer than any word goes out unmarked as it arrives,
// in pieces of bounded size; the words around it are marked as ever.
void TestCli::annotateStreamsAnEndlessRunOfLetters()
{
    StressLookup stress(db_);
    TextAnnotator annotator(stress, {});
    const QByteArray run = QByteArray("мама").repeated(1 << 18);
    QByteArray text = "столами " + run + "\n" + run + " мама";
    QBuffer in(&text);
    QByteArray written;
    PieceRecorder out(&written);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(annotator.Annotate(in, out), 4);
    QCOMPARE(written, "стол'ами " + run + "\n" + run + " м'ама");
    QVERIFY2(out.largestPiece < 200000, QByteArray::number(out.largestPiece));
}

void TestCli::annotateLeavesMarkedWordsAlone_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("apostrophes");
    QTest::addColumn<QString>("acute");
    QTest::newRow("unmarked") << "Мама, молоко!" << "М'ама, молок'о!" << "Ма́ма, молоко́!";
    QTest::newRow("apostrophe inside") << "мол'око мама" << "мол'око м'ама" << "мол'око ма́ма";
    QTest::newRow("apostrophe first") << "'Молоко мама" << "'Молоко м'ама" << "'Молоко ма́ма";
    QTest::newRow("acute inside") << "ма́ма молоко" << "ма́ма молок'о" << "ма́ма молоко́";
    QTest::newRow("acute last") << "молоко́ мама" << "молоко́ м'ама" << "молоко́ ма́ма";
    QTest::newRow("quoted") << "'мама' молоко" << "'мама' молок'о" << "'мама' молоко́";
}

// A word with a mark next to it keeps it and gets no second one.
void TestCli::annotateLeavesMarkedWordsAlone()
{
    QFETCH(QString, text);
    QFETCH(QString, apostrophes);
    QFETCH(QString, acute);
    StressLookup stress(db_);
    for (const StressMark mark : {StressMark::Apostrophe, StressMark::Acute}) {
        TextAnnotator annotator(stress, {false, true, mark});
        QCOMPARE(AnnotateText(annotator, text), mark == StressMark::Apostrophe ? apostrophes : acute);
    }
}

void TestCli::errors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("no command") << QStringList{} << 2 << "не указана команда";
    QTest::newRow("unknown command") << QStringList{"conjugate", "x"} << 2 << "неизвестная команда «conjugate»";
    QTest::newRow("bad case") << QStringList{"--case", "loud", "decline", "x"} << 2 << "--case";
    QTest::newRow("case without value") << QStringList{"decline", "x", "--case"} << 2
                                        << "у параметра «--case» нет значения";
    QTest::newRow("unknown option") << QStringList{"--bogus", "decline", "x"} << 2 << "неизвестный параметр «bogus»";
    QTest::newRow("no word") << QStringList{"decline"} << 2 << "не указано ни одного слова";
    QTest::newRow("missing dictionary") << QStringList{"--db", "/no/such/forms.db", "decline", "x"} << 3
                                        << "словарь не найден: /no/such/forms.db";
    QTest::newRow("broken dictionary") << QStringList{"--db", "BROKEN", "decline", "x"} << 3
                                       << "Ошибка подключения к базе данных";
    QTest::newRow("broken dictionary, annotate") << QStringList{"--db", "BROKEN", "annotate"} << 3 << "BROKEN";
    QTest::newRow("unreadable input") << QStringList{"--db", "DB", "annotate", "/no/such/text"} << 4
                                      << "не открыть /no/such/text: Нет такого ";  // файла или папки; пути (Windows)
    QTest::newRow("a folder as input") << QStringList{"--db", "DB", "annotate", "/"} << 4 << "не открыть /: Это папка";
    // Devices and a folder as a file: only where the system has them.
    if (QFileInfo::exists(QStringLiteral("/dev/full"))) {
        QTest::newRow("input that fails to read") << QStringList{"--db", "DB", "annotate", "/proc/self/mem"} << 4
                                                  << "не прочитать текст";
        QTest::newRow("a folder as standard input") << QStringList{"--db", "DB", "annotate", "</"} << 4
                                                    << "не прочитать текст";
        QTest::newRow("full disk, decline") << QStringList{"--db", "DB", "decline", "стол", ">/dev/full"} << 4
                                            << "не записать стандартный вывод";
        QTest::newRow("full disk, annotate") << QStringList{"--db", "DB", "annotate", ">/dev/full"} << 4
                                             << "не записать";
        QTest::newRow("full disk, describe") << QStringList{"describe", "NOUN", ">/dev/full"} << 4
                                             << "не записать стандартный вывод";
    }
}

void TestCli::errors()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const QString broken = dir_.filePath(QStringLiteral("broken.db"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("not a database").repeated(100));
    file.close();
    arguments.replaceInStrings(QStringLiteral("BROKEN"), broken);
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^DB$")), db_);
    message.replace(QStringLiteral("BROKEN"), QDir::toNativeSeparators(broken));
    const Run result = run(arguments, "молоко\n");
    QCOMPARE(result.exitCode, exitCode);
    const QString error = QString::fromUtf8(result.err);
    QVERIFY2(error.startsWith(QStringLiteral("tornelis-cli: ")) && error.contains(message), qPrintable(error));
    QCOMPARE(error.count(QLatin1Char('\n')), 1);
    QVERIFY(result.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
