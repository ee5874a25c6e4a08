#pragma once

#include "engine/decline_command.h"

#include <QJsonObject>
#include <QString>

namespace tornelis {

// One word declined: every lemma with its filled table.
struct DeclinedWord {
    QString word;    // as looked up, "ё" restored
    QString readAs;  // the other reading looked up in place of the typed word, if any
    struct Lemma {
        QString caption;
        ParadigmPage page;
        ParadigmTables tables;
        QString model;  // for a lexeme guessed by analogy: its model's lemma; else empty
    };
    QList<Lemma> lemmas;
};

DeclinedWord DeclineWord(DURIDOD &engine, const QString &word, bool restoreYo, const RenderOptions &render);

// Each lemma's caption, then its table with the header labels of its page,
// cells separated by TAB, lines ended by LF, then its other forms (the page
// "Другие формы": caption, header, headings and forms with descriptions);
// a blank line between lemmas.
QString DeclinedWordText(const DeclinedWord &declined);

// {"word", "lemmas": [{"caption", "page",
//                      "cells": [{"row", "column", "form", "tags", "forms": [{"form", "tags"}]}],
//                      "other": [{"form", "tags", "group"}]}]}
// and, in a lemma guessed by analogy, "predicted": true and "model".
// "form" and "tags" are the cell as shown; "forms" lists its forms one by one
// (two where both accusatives share the cell).
QJsonObject DeclinedWordJson(const DeclinedWord &declined);

}  // namespace tornelis
