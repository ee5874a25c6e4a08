#include "bench_words.h"

#include "common_words.h"
#include "engine/sqlite_database.h"

#include <cstdlib>

using namespace tornelis;

QString DictionaryPath()
{
    const char *path = std::getenv("TORNELIS_FORMS_DB");
    return path ? QString::fromLocal8Bit(path) : QStringLiteral(TORNELIS_DEFAULT_FORMS_DB);
}

QStringList ThousandWords(const QString &path)
{
    SqliteDatabase database(path, SqliteDatabase::Mode::ReadOnly);
    QStringList words;
    for (const QString &word : CommonWords()) {
        SqliteStatement forms(database, QStringLiteral(
            "select distinct word from forms_view where initform_id ="
            " (select initform_id from forms_view where word = ?) limit 4"));
        forms.bindText(1, word);
        while (forms.step())
            words.append(forms.columnText(0));
    }
    while (!words.isEmpty() && words.size() < 1000)
        words.append(words.at(words.size() % 250));
    return words.mid(0, 1000);
}
