#pragma once

#include "engine/other_forms.h"
#include "engine/paradigm_tables.h"
#include "engine/proper_names.h"

#include <QHash>
#include <QList>
#include <QString>

namespace tornelis {

// What filling the tables reads from a form's tag string.
struct TagFacts {
    bool verb = false;  // a lemma whose first form is tagged so shows on the conjugation page
    // The cells the form fills on either page.
    QList<CellPosition> declensionCells;
    QList<CellPosition> conjugationCells;
    bool listedOther = false;  // listed on the page "Другие формы" when no cell shows it
    OtherFormGroup group = OtherFormGroup::Other;
    NameTags name;
};

TagFacts FactsOfTags(const QString &tags);

// The facts of each tag string met, worked out once: the dictionary has a
// few thousand tag strings, and the forms of every lemma repeat them.
class TagFactsCache {
public:
    // Valid until the next call.
    const TagFacts &Of(const QString &tags);

private:
    QHash<QString, TagFacts> facts_;
};

}  // namespace tornelis
