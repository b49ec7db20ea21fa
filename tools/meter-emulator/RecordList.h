#pragma once

#include "meter-emulator/MeterRecord.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Where the emulated meter's memory comes from: a text file or a generator.
namespace RecordList {

// The meter counts its records in one byte.
inline constexpr int kMaxRecords = 255;

struct ParseResult
{
    QList<MeterRecord> records;
    QString error; // empty when the whole text was read
};

// One record per line: glucose month day hour minute event, separated by
// whitespace; '#' starts a comment. Record 1 is the first record line. Values
// must fit the meter's fields (glucose 0..1023, month 0..15, day 0..31,
// hour 0..31, minute 0..63, event 0 or 1); impossible dates that fit are kept,
// since a real meter can hold them.
ParseResult parse(const QByteArray &text);
ParseResult readFile(const QString &path);

// `count` plausible readings taken before `now`, newest first as record 1, a
// few hours apart, about a third marked as after a meal. The same seed gives
// the same readings for the same `now`.
QList<MeterRecord> generate(int count, quint32 seed, const QDateTime &now);

} // namespace RecordList
