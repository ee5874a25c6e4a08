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
    QString word;              // the word as looked up, "ё" restored
    TypedForm typed;           // the cells of every lemma's tables that hold it stand out
    QStringList lemmaCaptions; // one per lemma tab; the first is selected
    ParadigmTables tables;     // filled for the first lemma
};

// The decline command: reconnect if needed, restore "ё", find the lemmas and
// fill the tables for the first of them.
DeclineOutcome RunDeclineCommand(DURIDOD &engine, const DeclineRequest &request);

}  // namespace tornelis
