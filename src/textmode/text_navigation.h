#pragma once

#include <QString>

#include <optional>

namespace tornelis {

// Text mode works on the text as the text box holds it, with CR LF line
// breaks; caret positions count the characters before the caret.

// "Ё", "ё" and "А" to "я", by code; nothing else is a letter here.
bool IsTextLetter(QChar c);

// The run of letters around the caret (empty when neither neighbour of the
// caret is a letter). A stress mark inside the word is part of it: an acute
// accent (U+0301) after a letter, an apostrophe between two letters.
QString WordAtCaret(QStringView text, qsizetype caret);

// The caret after "Назад": after the last letter (and its acute accent)
// before the whitespace behind the caret; nothing when the caret is at the start.
std::optional<qsizetype> CaretBack(QStringView text, qsizetype caret);

// The caret after "Далее": before the first letter after the whitespace
// ahead of the caret; nothing when the caret is on the last character or beyond.
std::optional<qsizetype> CaretForward(QStringView text, qsizetype caret);

// Every line break (CR LF, lone CR, lone LF) as one LF, as the text box holds it.
QString WithLineFeeds(QStringView text);

// The box's text with every LF written as CR LF.
QString WithCrLf(QStringView boxText);

// The caret in a text box that holds one character per line break, for a
// caret in the text with CR LF breaks: between CR and LF is the line's end.
qsizetype BoxCaretFromCrLf(QStringView text, qsizetype caret);

}  // namespace tornelis
