// tornelis-cli: the dictionary on the command line.
#include "cli/decline_output.h"
#include "cli/decline_stream.h"
#include "cli/escape_control.h"
#include "encodings/system_reason.h"
#include "engine/stress_lookup.h"
#include "grammemes/describe_tags.h"
#include "shell/platform/console.h"
#include "textmode/text_annotator.h"
#include "tornelis_version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>
#include <new>

using namespace tornelis;

namespace {

enum ExitCode { kOk = 0, kNotFound = 1, kUsage = 2, kDictionary = 3, kInputOutput = 4 };

const QString kCannotWrite = QStringLiteral("не записать стандартный вывод");

const QString kHelpText = QStringLiteral(
    "Использование: tornelis-cli [параметры] команда [аргументы]\n"
    "Словарь Торнелиса в командной строке.\n"
    "\n"
    "Команды:\n"
    "  decline СЛОВО...       все леммы слова и их таблицы (TAB между ячейками)\n"
    "  describe ТЕГИ...       описание строки тегов по-русски\n"
    "  annotate [ФАЙЛ|-]      текст со знаками ударения\n"
    "\n"
    "Параметры:\n"
    "  --db ФАЙЛ              файл словаря (по умолчанию forms.db рядом с программой)\n"
    "  --no-yo                не восстанавливать «ё»\n"
    "  --no-stress            без знаков ударения\n"
    "  --no-syllables         без деления на слоги (decline)\n"
    "  --syllables            с делением на слоги (annotate)\n"
    "  --case РЕГИСТР         регистр форм: upper, lower или title\n"
    "  --acute                ударение знаком над гласной (U+0301), а не апострофом\n"
    "  --json                 вывод decline в JSON\n"
    "  -v, --version          версия программы\n"
    "  -h, --help             эта справка\n"
    "\n"
    "Коды выхода: 0 готово, 1 слово не найдено, 2 ошибка в командной строке,\n"
    "3 словаря нет или он повреждён, 4 не прочитать ввод или не записать вывод.\n");

void Print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// A full disk or a closed pipe shows only when the output is flushed.
bool FlushStandardOutput()
{
    return std::fflush(stdout) == 0 && !std::ferror(stdout);
}

// A line on stderr; control characters of a word or a file name in it
// (a terminal's escape sequences) are shown escaped.
void Note(const QString &message)
{
    Print(stderr, QStringLiteral("tornelis-cli: %1\n").arg(EscapeControlCharacters(message)));
}

int Fail(int code, const QString &message)
{
    Note(message);
    return code;
}

class StderrReporter : public ConnectionErrorReporter {
public:
    void ReportConnectionError(const QString &message) override { failed = message; }
    QString failed;
};

struct Options {
    QString database;
    bool json = false;
    bool restoreYo = true;
    bool annotateSyllables = false;
    RenderOptions render;
};

int Decline(const Options &options, const QStringList &words)
{
    StderrReporter reporter;
    DURIDOD engine(&reporter);
    engine.Connect(options.database);
    if (!engine.Connected)
        return Fail(kDictionary, QStringLiteral("%1: %2").arg(options.database, reporter.failed));
    // Each word's result goes out as soon as it is done, so that a list of
    // any length takes the memory of one word.
    int code = kOk;
    DeclineStream out(stdout, options.json);
    for (const QString &word : words) {
        const DeclinedWord declined = DeclineWord(engine, word, options.restoreYo, options.render);
        if (!declined.readAs.isEmpty())
            Note(QStringLiteral("«%1»: прочитано как «%2»").arg(word, declined.readAs));
        const bool guessed = !declined.lemmas.isEmpty() && !declined.lemmas.front().model.isEmpty();
        if (declined.lemmas.isEmpty() || guessed) {
            Note(QStringLiteral("«%1»: нет в словаре%2").arg(word, guessed ? QStringLiteral(", таблицы по образцу") : QString()));
            code = kNotFound;
        }
        if (!out.Write(declined))
            return Fail(kInputOutput, kCannotWrite);
    }
    return out.Finish() ? code : Fail(kInputOutput, kCannotWrite);
}

void Describe(const QStringList &tagStrings)
{
    for (const QString &tags : tagStrings)
        Print(stdout, DescribeTags(tags) + QLatin1Char('\n'));
}

void ShowProgress(qint64 done, qint64 total)
{
    constexpr int kWidth = 30;
    const int filled = total > 0 ? int(done * kWidth / total) : kWidth;
    Print(stderr, QStringLiteral("\r%1% [%2%3]")
                      .arg(total > 0 ? done * 100 / total : 100, 3)
                      .arg(QString(filled, u'#'), QString(kWidth - filled, u'.')));
}

int Annotate(const Options &options, const QStringList &inputs)
{
    if (inputs.size() > 1)
        return Fail(kUsage, QStringLiteral("annotate читает один файл или стандартный ввод"));
    const QString input = inputs.value(0, QStringLiteral("-"));
    QFile in;
    const bool fromFile = input != QLatin1String("-");
    if (fromFile) {
        in.setFileName(input);
        if (QFileInfo(input).isDir())
            return Fail(kInputOutput, QStringLiteral("не открыть %1: %2").arg(input, IsFolderReason()));
        if (!in.open(QIODevice::ReadOnly))
            return Fail(kInputOutput, QStringLiteral("не открыть %1: %2").arg(input, RussianSystemReason(in.errorString())));
    } else if (!in.open(fileno(stdin), QIODevice::ReadOnly)) {  // Windows stdio takes a pipe's end for an error
        return Fail(kInputOutput, QStringLiteral("не прочитать стандартный ввод"));
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return Fail(kInputOutput, kCannotWrite);

    StressLookup stress(options.database);
    TextAnnotator annotator(stress, {options.annotateSyllables, options.restoreYo, options.render.stressMark});
    const bool showProgress = fromFile && IsConsole(stderr);
    const qint64 total = fromFile ? in.size() : 0;
    try {
        annotator.Annotate(in, out, [&](qint64 done) {
            if (!out.flush())
                throw StreamError(kCannotWrite);
            if (showProgress)
                ShowProgress(done, total);
        });
    } catch (const StreamError &error) {
        if (showProgress)
            Print(stderr, QStringLiteral("\n"));
        return Fail(kInputOutput, QString::fromUtf8(error.what()));
    }
    if (showProgress)
        Print(stderr, QStringLiteral("\n"));
    return kOk;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    PrepareStandardStreams();
    QCoreApplication::setApplicationVersion(QStringLiteral(TORNELIS_VERSION));
    // Qt's own help would mix its English ("Usage:", "Options:") into the
    // Russian lines: the help is the program's own text.
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption dbOption(QStringLiteral("db"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption noYo(QStringLiteral("no-yo"), QString());
    const QCommandLineOption noStress(QStringLiteral("no-stress"), QString());
    const QCommandLineOption noSyllables(QStringLiteral("no-syllables"), QString());
    const QCommandLineOption syllables(QStringLiteral("syllables"), QString());
    const QCommandLineOption caseOption(QStringLiteral("case"), QString(), QStringLiteral("CASE"), QStringLiteral("lower"));
    const QCommandLineOption json(QStringLiteral("json"), QString());
    const QCommandLineOption acute(QStringLiteral("acute"), QString());
    parser.addOptions({help, version, dbOption, noYo, noStress, noSyllables, syllables, caseOption, json, acute});
    if (!parser.parse(QCoreApplication::arguments())) {
        // Qt says it in English; the option it names is in quotes.
        const QString option = QRegularExpression(QStringLiteral("'([^']*)'")).match(parser.errorText()).captured(1);
        return Fail(kUsage, parser.unknownOptionNames().isEmpty()
                                ? QStringLiteral("у параметра «%1» нет значения (см. --help)").arg(option)
                                : QStringLiteral("неизвестный параметр «%1» (см. --help)").arg(parser.unknownOptionNames().first()));
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        Print(stdout, parser.isSet(help) ? kHelpText : QStringLiteral("tornelis-cli %1\n").arg(QStringLiteral(TORNELIS_VERSION)));
        return FlushStandardOutput() ? kOk : Fail(kInputOutput, kCannotWrite);
    }

    QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        return Fail(kUsage, QStringLiteral("не указана команда (decline, describe, annotate; см. --help)"));
    const QString command = arguments.takeFirst();

    Options options;
    options.database = parser.isSet(dbOption) ? parser.value(dbOption)
                                              : QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("forms.db"));
    options.json = parser.isSet(json);
    options.restoreYo = !parser.isSet(noYo);
    options.annotateSyllables = parser.isSet(syllables);
    options.render.stressOn = !parser.isSet(noStress);
    options.render.syllablesOn = !parser.isSet(noSyllables);
    options.render.stressMark = parser.isSet(acute) ? StressMark::Acute : StressMark::Apostrophe;
    const QString letterCase = parser.value(caseOption);
    if (letterCase == QLatin1String("upper"))
        options.render.letterCase = LetterCase::Upper;
    else if (letterCase == QLatin1String("title"))
        options.render.letterCase = LetterCase::FirstCapital;
    else if (letterCase != QLatin1String("lower"))
        return Fail(kUsage, QStringLiteral("--case: ожидается upper, lower или title, а не «%1»").arg(letterCase));

    if (command == QLatin1String("describe")) {
        Describe(arguments);
        return FlushStandardOutput() ? kOk : Fail(kInputOutput, kCannotWrite);
    }
    if (command != QLatin1String("decline") && command != QLatin1String("annotate"))
        return Fail(kUsage, QStringLiteral("неизвестная команда «%1» (decline, describe, annotate)").arg(command));
    if (command == QLatin1String("decline") && arguments.isEmpty())
        return Fail(kUsage, QStringLiteral("decline: не указано ни одного слова"));
    if (!QFileInfo(options.database).isFile())
        return Fail(kDictionary, QStringLiteral("словарь не найден: %1").arg(options.database));
    int code = kOk;
    try {
        code = command == QLatin1String("decline") ? Decline(options, arguments) : Annotate(options, arguments);
    } catch (const DatabaseError &error) {
        return Fail(kDictionary, error.message());  // names the file and what is wrong with it
    } catch (const std::bad_alloc &) {
        return Fail(kDictionary, QStringLiteral("не хватает памяти: команда не выполнена"));
    }
    if (code == kInputOutput)
        return code;  // already said
    return FlushStandardOutput() ? code : Fail(kInputOutput, kCannotWrite);
}
