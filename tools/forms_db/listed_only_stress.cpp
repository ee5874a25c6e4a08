#include "listed_only_stress.h"

#include "render/letters.h"

#include <algorithm>

namespace tornelis::formsdb {
namespace {

// A word of running text as the annotator meets it: Russian letters,
// perhaps joined by hyphens.
bool IsTextWord(const QString &form)
{
    return !form.startsWith(u'-') && !form.endsWith(u'-') && std::all_of(form.cbegin(), form.cend(), [](QChar letter) {
        return letter == u'-' || letter == u'ё' || (letter >= u'а' && letter <= u'я');
    });
}

}  // namespace

qint64 WriteListedOnlyStress(const StressDictionary &stress, const QSet<QString> &dictionaryForms,
                             SqliteDatabase &database)
{
    database.exec(QStringLiteral(
        "create table listed_stress(word text not null primary key, accent integer not null) without rowid;"));
    SqliteStatement insert(database, QStringLiteral("insert into listed_stress values(?, ?)"));
    qint64 written = 0;
    stress.ForEachUnique([&](const QString &form, int accent) {
        if (accent <= 0 || dictionaryForms.contains(form) || !IsTextWord(form) ||
            std::count_if(form.cbegin(), form.cend(), IsStressVowel) < 2)
            return;
        insert.bindText(1, form);
        insert.bindInt64(2, accent);
        insert.step();
        insert.reset();
        ++written;
    });
    return written;
}

}  // namespace tornelis::formsdb
