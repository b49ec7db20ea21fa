#include "meter/ReadingMerge.h"

namespace ReadingMerge {

int inferYear(const Reading &record, const QDateTime &now)
{
    const QDate date = now.date();
    const QTime time = now.time();
    const int nowKey = timeKey(date.month(), date.day(), time.hour(), time.minute());
    return timeKey(record) <= nowKey ? date.year() : date.year() - 1;
}

void NewOldCutCombin(ReadingTables &tables, const QList<Reading> &records, const QDateTime &now)
{
    const int n = int(records.size());
    if (n == 0)
        return;
    const int c = tables.count();
    // Oldest first: p = 1 is meter record n.
    const auto record = [&records, n](int p) -> const Reading & { return records.at(n - p); };

    // A table without readings has nothing to overlap with: an erased memory
    // slot (glucose, month, day, hour and minute all 0) would match the template
    // row or the zeros of entry 0 and drop every older record.
    const bool noReadings = c == 0 || tables.holdsTemplateRowToReplace();
    int alreadyStored = 0;
    if (!noReadings) {
        // The highest-numbered meter record equal to the previous file's first
        // line (entry c): the oldest matching one.
        const Reading &newestStored = tables.reading(c);
        const int storedKey = timeKey(newestStored);
        for (int p = 1; p <= n; ++p) {
            const Reading &d = record(p);
            if (timeKey(d) == storedKey && d.glucose == newestStored.glucose) {
                alreadyStored = p;
                break;
            }
        }
    }
    // The only entry of a new file is its template row: the records replace it.
    const int insertAt = noReadings ? 0 : c;

    const int added = n - alreadyStored;
    tables.setCount(insertAt + added);
    for (int q = 1; q <= added; ++q) {
        Reading &entry = tables.readingAt(insertAt + q);
        entry = record(q + alreadyStored);
        entry.year = inferYear(entry, now);
    }
}

Saved SaveNewData(ReadingStore &store, bool startAfresh, const QList<Reading> &records, const QDateTime &now)
{
    Saved saved;
    saved.ok = store.update(
        [&](ReadingTables &tables) {
        if (startAfresh)
            tables.setCount(0);
        NewOldCutCombin(tables, records, now);
        },
        int(records.size()), now, &saved.error, &saved.notice);
    return saved;
}

} // namespace ReadingMerge
