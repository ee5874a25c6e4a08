#pragma once

#include "engine/duridod.h"

#include <QString>
#include <QStringList>

namespace tornelis {

struct DeclineRequest {
    QString word;                  // the text of the word box
    QString fallbackDatabasePath;  // tried when the engine is not connected
    bool restoreYo = true;         // the option "Ёфикация"
    RenderOptions render;
};

struct DeclineOutcome {
    QString word;              // for the word box: as looked up, "ё" restored; as typed when only stress marks went
    QString readAs;            // the other reading looked up (стол for стoл or cnjk); empty when none was needed
    TypedForm typed;           // the cells of every lemma's tables that hold it stand out
    QStringList lemmaCaptions; // one per lemma tab; the first is selected
    ParadigmTables tables;     // filled for the first lemma
};

// The decline command: reconnect if needed, drop stress marks, restore "ё",
// find the lemmas (of another reading of the word when it is not found as
// typed) and fill the tables for the first of them.
DeclineOutcome RunDeclineCommand(DURIDOD &engine, const DeclineRequest &request);

// What the status bar and the command line say of a word read another way.
QString ReadAsNote(const QString &readAs);

}  // namespace tornelis
