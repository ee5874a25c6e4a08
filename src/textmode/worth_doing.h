#pragma once

#include "engine/stress_lookup.h"

#include <QByteArrayView>
#include <QList>

namespace tornelis {

// Of the readings of стоит, стоят (сто́ит of стоить, стои́т of стоять),
// those of стоить where an infinitive follows in its clause, right away or
// after ли, бы, же (не сто́ит говори́ть, сто́ит ли удивля́ться): "it is worth
// doing". In Debian's fortunes and manual pages every one of the 59 such
// places meant стоить.
class WorthDoing {
public:
    explicit WorthDoing(StressLookup &stress);

    // after is the UTF-8 text right after the word.
    QList<StressReading> Readings(QByteArrayView after, QList<StressReading> readings) const;

private:
    bool InfinitiveFollows(QByteArrayView after) const;

    StressLookup &stress_;
    int worth_;  // the lemma стоить, numbered by the lookup
    int stand_;  // стоять
};

}  // namespace tornelis
