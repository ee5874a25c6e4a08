#include "reading_counts.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tornelis::formsdb {

const char *PreferredReadingOf(const QString &eWord)
{
    // word, the start of the tags of the reading meant
    static const std::array<std::pair<const char16_t *, const char *>, 10> preferred{{
        {u"уж", "PRCL"},          // уж очень; the grass snake is rare
        {u"содержимое", "NOUN"},   // the contents, not the participle
        {u"несколько", "NUMR"},    // несколько дней, declined (нескольких)
        {u"новые", "ADJF"},        // the adjective, not the noun новое
        {u"плохо", "ADVB"},        // not the short form of плохой
        {u"подобно", "ADVB"},      // not the short form of подобный
        {u"данные", "NOUN"},       // the data, not the participle
        {u"данных", "NOUN"},
        {u"первого", "ADJF"},      // the ordinal; the corpus saw the noun первое once
        {u"лицо", "NOUN,inan"},    // the face; the corpus cannot tell it from a person
    }};
    const auto listed = std::find_if(preferred.begin(), preferred.end(),
                                     [&](const auto &entry) { return eWord == QStringView(entry.first); });
    return listed == preferred.end() ? nullptr : listed->second;
}

void ReadingCountTable::Add(const QString &eWord, const LemmaReading &reading, bool preferred)
{
    if (preferred)
        preferred_[eWord].append(reading.lemmaId);
    // Ordered as the engine will order them: by the thousandths it reads.
    LemmaReading stored = reading;
    stored.occurrences = std::round(reading.occurrences * kOccurrenceUnits) / kOccurrenceUnits;
    readings_[eWord].append(stored);
}

qint64 ReadingCountTable::Write(SqliteDatabase &database) const
{
    database.exec(QStringLiteral(
        "create table reading_counts(word text not null, initform_id integer not null, rank integer not null,"
        " occurrences integer not null, primary key(word, initform_id)) without rowid;"));
    SqliteStatement insert(database, QStringLiteral("insert into reading_counts values(?, ?, ?, ?)"));
    qint64 written = 0;
    for (auto word = readings_.cbegin(); word != readings_.cend(); ++word) {
        QList<LemmaReading> ordered = word.value();
        const QList<qint64> preferred = preferred_.value(word.key());
        if (!preferred.isEmpty()) {
            const auto most = std::max_element(ordered.cbegin(), ordered.cend(), [](const LemmaReading &a, const LemmaReading &b) {
                return a.occurrences < b.occurrences;
            });
            const double above = most->occurrences + 1;
            for (LemmaReading &reading : ordered) {
                if (preferred.contains(reading.lemmaId))
                    reading.occurrences = above;
            }
        }
        std::sort(ordered.begin(), ordered.end(), MetBefore);
        const bool byNumber = std::is_sorted(ordered.cbegin(), ordered.cend(), [](const LemmaReading &a, const LemmaReading &b) {
            return a.lemmaId < b.lemmaId;
        });
        if (byNumber)
            continue;
        for (const LemmaReading &reading : std::as_const(ordered)) {
            insert.bindText(1, word.key());
            insert.bindInt64(2, reading.lemmaId);
            insert.bindInt64(3, reading.rank);
            insert.bindInt64(4, std::llround(reading.occurrences * kOccurrenceUnits));
            insert.step();
            insert.reset();
        }
        ++written;
    }
    return written;
}

}  // namespace tornelis::formsdb
