#include "engine/cell_description.h"

#include "engine/paradigm_tables.h"
#include "grammemes/describe_tags.h"

#include <QStringList>

namespace tornelis {

QString DescribeCell(const QString &text, const QString &tags)
{
    const QList<CellContent> forms = FormsOfCell({text, tags});
    if (forms.size() < 2)
        return text + QStringLiteral(" - ") + DescribeTags(tags);
    QStringList parts;
    for (const CellContent &form : forms)
        parts.append(form.text + QStringLiteral(" - ") + DescribeTags(form.tags));
    return parts.join(kCellFormSeparator);
}

}  // namespace tornelis
