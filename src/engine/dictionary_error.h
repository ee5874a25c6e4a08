#pragma once

#include "engine/sqlite_database.h"

#include <QString>

namespace tornelis {

// A failing statement of the dictionary at path, said for the user: the
// dictionary is damaged (or, with the file locked, busy), and which file it is.
DatabaseError DictionaryError(const QString &path, const DatabaseError &error);

// Runs work on the dictionary at path; a failing statement leaves it as
// DictionaryError.
template <typename Work>
auto OnDictionary(const QString &path, Work work) -> decltype(work())
{
    try {
        return work();
    } catch (const DatabaseError &error) {
        throw DictionaryError(path, error);
    }
}

}  // namespace tornelis
