#pragma once

#include "store/Reading.h"

#include <QList>

// The reading table: a user's readings in memory.
//
// Entry 1 is the LAST data line of the reading file and entry count() the
// first, so a download appends its new records at the end. Entries are
// numbered from 1; entry 0 is never written and reads as all zeros. The table
// grows as needed: there is no fixed capacity.
class ReadingTables
{
public:
    int count() const { return int(m_readings.size()); }
    void setCount(int n) { m_readings.resize(qMax(0, n)); }

    // Reading-table entry i (1..count()); 0 and anything outside reads as zeros.
    const Reading &reading(int i) const;
    // Writable entry i >= 1; the table grows to hold it.
    Reading &readingAt(int i);

    // Two tests for the template row of a new file, asked by two different readers.
    // The reports ask whether there is anything to show and look at the day (no
    // reading has day 0); the merge asks whether entry 1 may be replaced by the
    // download and looks at the glucose. They stay separate because a damaged row
    // with only one of the two zeros must keep the answers each side has given.
    //
    // Reports: only the template row (count 1, day 0), or no entry at all.
    bool holdsNoReadings() const;
    // Merge: one entry with glucose 0, which downloaded records replace.
    bool holdsTemplateRowToReplace() const { return count() == 1 && reading(1).glucose == 0; }

    // Set when lines of the reading file could not be read at login: the next
    // rewrite would drop them, so it first keeps the file as it was.
    bool keepOriginalBeforeRewrite() const { return m_keepOriginal; }
    void setKeepOriginalBeforeRewrite(bool keep) { m_keepOriginal = keep; }

    // A copy with room for more entries, so that adding them moves nothing
    // (a merge adds a download to a copy: the store keeps its table until the
    // file is written).
    ReadingTables copyWithRoom(int more) const;

    // Direct access for loading and writing whole tables.
    QList<Reading> &readings() { return m_readings; }
    const QList<Reading> &readings() const { return m_readings; }

private:
    QList<Reading> m_readings; // m_readings[i - 1] is entry i
    bool m_keepOriginal = false;
};
