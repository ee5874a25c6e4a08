#pragma once

#include "engine/sqlite_database.h"

#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace tornelis {

// One reading of a word form, as far as marking running text needs it.
struct StressReading {
    int accent = 0;           // 0: no mark ("ё" carries the stress, or it is unknown)
    bool properName = false;  // Name, Surn, Patr, Geox, Orgn or Trad
    bool marked = false;      // archaic, informal, distorted, erroneous or a variant
    QString tags;             // the grammemes, as in the prop column
};

// The stress of a word form in each of its readings in forms.db, for
// marking running text. Keeps its one statement prepared and remembers the
// answers for the words it met, since a text repeats its words.
class StressLookup {
public:
    // Opens forms.db read-only. Throws DatabaseError, with the message for
    // the user, when it is no dictionary or a later statement fails.
    explicit StressLookup(const QString &path);
    ~StressLookup();

    // Every reading of the lower-case form; none when the form is unknown.
    QList<StressReading> Readings(const QString &lowerCaseForm);

    // The form written with "ё" where the dictionary restores it, else nothing.
    std::optional<QString> RestoredYo(const QString &form);

private:
    StressReading KindOf(const QString &tags);

    QString path_;
    SqliteDatabase database_;
    std::unique_ptr<SqliteStatement> accents_;
    std::unique_ptr<SqliteStatement> yo_;
    QHash<QString, QList<StressReading>> remembered_;
    QHash<QString, StressReading> kinds_;
};

}  // namespace tornelis
