#pragma once

#include "textmode/text_annotator.h"

#include <QBuffer>

namespace tornelis::test {

// text as the annotator writes it, streamed through memory.
inline QString AnnotateText(TextAnnotator &annotator, const QString &text)
{
    QByteArray input = text.toUtf8();
    QBuffer in(&input);
    QByteArray written;
    QBuffer out(&written);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    annotator.Annotate(in, out);
    return QString::fromUtf8(written);
}

}  // namespace tornelis::test
