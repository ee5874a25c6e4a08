#include "grammemes/describe_tags.h"

#include "grammemes/grammeme_table.h"

namespace tornelis {

QString ReplaceAll(const QString &source, const QString &pattern, const QString &replacement)
{
    if (pattern.isEmpty())
        return source;
    QString result;
    qsizetype restStart = 0;
    for (qsizetype found = source.indexOf(pattern); found >= 0;
         found = source.indexOf(pattern, restStart)) {
        result += QStringView(source).mid(restStart, found - restStart);
        result += replacement;
        restStart = found + pattern.size();
    }
    result += QStringView(source).mid(restStart);
    return result;
}

QString DescribeTags(const QString &tags)
{
    QString text = tags;
    for (const GrammemeRow &row : GrammemeTable())
        text = ReplaceAll(text, row.pattern, row.replacement);
    return text;
}

}  // namespace tornelis
