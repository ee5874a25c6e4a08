#include "forms_db_report.h"

#include "engine/duridod.h"
#include "engine/sqlite_database.h"

#include <QHash>

namespace tornelis::formsdb {
namespace {

qint64 Count(const SqliteDatabase &database, const QString &sql)
{
    SqliteStatement statement(database, sql);
    return statement.step() ? statement.columnInt(0) : 0;
}

QString Share(qint64 part, qint64 whole)
{
    return QStringLiteral("%1 (%2 %)").arg(part).arg(whole ? 100.0 * double(part) / double(whole) : 0.0, 0, 'f', 1);
}

// Every lexeme's tables as the window fills them (no rendering), keyed by its
// lemma row and the number of lexemes with the same lemma row before it.
QHash<QString, QString> AllTables(const QString &path)
{
    QList<QPair<QString, QString>> lexemes;  // (id, key)
    {
        const SqliteDatabase database(path, SqliteDatabase::Mode::ReadOnly);
        SqliteStatement rows(database, QStringLiteral("select l.id, f.word, t.prop from lexemes l join forms f on f.id = l.id"
                                                      " join tags t on t.id = f.tag_id order by l.first_id"));
        QHash<QString, int> seen;
        while (rows.step()) {
            const QString lemma = rows.columnText(1) + QLatin1Char(' ') + rows.columnText(2);
            lexemes.append({rows.columnText(0), lemma + QLatin1Char('#') + QString::number(seen[lemma]++)});
        }
    }
    DURIDOD engine;
    engine.Connect(path);
    const RenderOptions raw{false, false, LetterCase::Lower};
    QHash<QString, QString> tables;
    for (const auto &[id, key] : std::as_const(lexemes)) {
        engine.LemmaIds = QStringList{id};
        const ParadigmTables filled = engine.FillTables(0, raw);
        QString cells;
        for (const ParadigmGrid *grid : {&filled.declension, &filled.conjugation}) {
            for (int row = 0; row < grid->rows(); ++row) {
                for (int column = 0; column < grid->columns(); ++column)
                    cells += grid->at(column, row) + QLatin1Char('|');
            }
        }
        tables.insert(key, cells);
    }
    return tables;
}

}  // namespace

void ReportDictionary(const QString &path, const ReportLine &say)
{
    const SqliteDatabase database(path, SqliteDatabase::Mode::ReadOnly);
    const qint64 rows = Count(database, QStringLiteral("select count(*) from forms"));
    say(QStringLiteral("rows: %1").arg(rows));
    say(QStringLiteral("lexemes: %1").arg(Count(database, QStringLiteral("select count(*) from lexemes"))));
    say(QStringLiteral("rows with a stress mark: %1")
            .arg(Share(Count(database, QStringLiteral("select count(*) from forms where accent > 0")), rows)));

    SqliteStatement isForm(database, QStringLiteral("select 1 from forms where word = ? limit 1"));
    const auto formExists = [&isForm](const QString &word) {
        isForm.reset();
        isForm.bindText(1, word.toLower());
        return isForm.step();
    };
    qint64 yoRows = 0;
    qint64 leadNowhere = 0;
    qint64 hideAForm = 0;
    SqliteStatement yo(database, QStringLiteral("select str, str_yo from yo"));
    while (yo.step()) {
        ++yoRows;
        leadNowhere += formExists(yo.columnText(1)) ? 0 : 1;
        hideAForm += formExists(yo.columnText(0)) ? 1 : 0;
    }
    say(QStringLiteral("ё rows: %1; whose ё spelling is no form: %2; whose е spelling is a form itself: %3")
            .arg(yoRows).arg(leadNowhere).arg(hideAForm));
}

void ReportChangedWinners(const QString &path, const QString &oldPath, const ReportLine &say)
{
    const QHash<QString, QString> now = AllTables(path);
    const QHash<QString, QString> before = AllTables(oldPath);
    qint64 changed = 0;
    qint64 matched = 0;
    QStringList examples;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const auto old = before.constFind(it.key());
        if (old == before.cend())
            continue;
        ++matched;
        if (*old != it.value()) {
            ++changed;
            if (examples.size() < 12)
                examples.append(it.key().section(QLatin1Char(' '), 0, 0));
        }
    }
    say(QStringLiteral("lexemes in both: %1; whose cells changed winner: %2 (e.g. %3)")
            .arg(matched).arg(changed).arg(examples.join(QStringLiteral(", "))));
    say(QStringLiteral("lexemes only in the new one: %1, only in the old one: %2")
            .arg(now.size() - matched).arg(before.size() - matched));
}

}  // namespace tornelis::formsdb
