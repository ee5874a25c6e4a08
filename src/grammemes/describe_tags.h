#pragma once

#include <QString>

namespace tornelis {

// source with every occurrence of pattern, taken left to right without
// overlap, replaced by replacement. An empty pattern changes nothing.
QString ReplaceAll(const QString &source, const QString &pattern, const QString &replacement);

// One line of Russian describing a tag string such as "NOUN,anim,masc sing,nomn".
QString DescribeTags(const QString &tags);

}  // namespace tornelis
