#pragma once

#include "textmode/text_navigation.h"

#include <QChar>
#include <QString>

namespace tornelis {

// Does the character at at end a clause: punctuation but the apostrophe, a
// bracket, a quote, a dash, an ellipsis? A hyphen between letters joins the
// parts of a word instead (кто-нибудь).
bool EndsClauseAt(const QString &text, qsizetype at);

// Calls onWord(lower-case word) for each Russian word of text from from on
// and onEnd(character) for each character that ends a clause, in order,
// while they return true.
template <typename OnWord, typename OnEnd>
void ForEachWordAndEnd(const QString &text, qsizetype from, OnWord onWord, OnEnd onEnd)
{
    qsizetype at = from;
    while (at < text.size()) {
        if (!IsTextLetter(text.at(at))) {
            if (EndsClauseAt(text, at) && !onEnd(text.at(at)))
                return;
            ++at;
            continue;
        }
        qsizetype end = at;
        while (end < text.size() && (IsTextLetter(text.at(end)) || (text.at(end) == u'-' && !EndsClauseAt(text, end))))
            ++end;
        if (!onWord(text.sliced(at, end - at).toLower()))
            return;
        at = end;
    }
}

}  // namespace tornelis
