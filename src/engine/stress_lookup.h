#pragma once

#include "engine/sqlite_database.h"

#include <QHash>
#include <QString>

#include <memory>
#include <optional>

namespace tornelis {

// The stress of a word form across all its readings in forms.db, for
// marking running text. Keeps its one statement prepared and remembers the
// answers for the words it met, since a text repeats its words.
class StressLookup {
public:
    // Opens forms.db read-only. Throws DatabaseError, with the message for
    // the user, when it is no dictionary or a later statement fails.
    explicit StressLookup(const QString &path);
    ~StressLookup();

    // The accent every reading of the lower-case form agrees on (0: no mark,
    // "ё" carries the stress or it is unknown); nothing when the form is
    // unknown or the readings disagree.
    std::optional<int> AgreedAccent(const QString &lowerCaseForm);

    // The form written with "ё" where the dictionary restores it, else nothing.
    std::optional<QString> RestoredYo(const QString &form);

private:
    QString path_;
    SqliteDatabase database_;
    std::unique_ptr<SqliteStatement> accents_;
    std::unique_ptr<SqliteStatement> yo_;
    QHash<QString, std::optional<int>> remembered_;
};

}  // namespace tornelis
