#pragma once

#include "store/ReadingStore.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Merging a download into the reading table and saving the result.
//
// The meter numbers its records from 1 (newest) and keeps records that earlier
// downloads already took. The previous file's first line is the newest reading
// stored so far; the downloaded records numbered below the one equal to it are
// new and go in front of it, the rest are dropped as already stored.
namespace ReadingMerge {

// The year a downloaded record gets: the current year when its moment is not
// later than now within the year, the year before otherwise.
int inferYear(const Reading &record, const QDateTime &now);

// Takes the meter's records (records[k - 1] is meter record k) oldest first,
// drops the ones already stored, appends the rest to the reading table with an
// inferred year, and replaces a lone template row. The table grows as needed.
void NewOldCutCombin(ReadingTables &tables, const QList<Reading> &records, const QDateTime &now);

// What the save step of a download came to.
struct Saved
{
    bool ok = false;
    QString error;  // why nothing was saved
    QString notice; // what the user should know of a reading file changed meanwhile
};

// The end of a download: the records merged into the reading file the store
// was loaded from, as that file is on disk now, and the file rewritten
// through the store; with startAfresh (the guest) the stored readings are
// dropped first. When the file cannot be read or written, the store and the
// file are left exactly as they were, so memory never shows readings that are
// not on disk, and error says why.
Saved SaveNewData(ReadingStore &store, bool startAfresh, const QList<Reading> &records, const QDateTime &now);

} // namespace ReadingMerge
