#pragma once

#include "meter-emulator/MeterEmulator.h"
#include "meter-emulator/RecordList.h"

#include "app/AppState.h"
#include "store/ReadingTables.h"
#include "common/TestData.h"

#include <QDateTime>
#include <QTemporaryDir>

// A user's data folder and an emulated meter on serial port 1, for running real
// downloads: real timers, a real serial port on the emulator's terminal.
class DownloadRig
{
public:
    static inline const QString kUser = QStringLiteral("alice");

    // previousFile is the user's reading file before the download.
    DownloadRig(const QList<MeterRecord> &records, const FaultOptions &faults, const QByteArray &previousFile);

    AppState state;
    QList<MeterRecord> records;

    bool meterReady() const { return m_meter.isOpen(); }
    MeterEmulator &meter() { return m_meter; }

    QByteArray readingFile() const { return m_data.read(kUser + QLatin1String(".txt")); }
    QByteArray previousFile() const { return m_previous; }
    // The file a clean download must leave: every record in front of the
    // previous lines, each with the year it was taken in.
    QByteArray cleanFile() const;
    // Every byte the program sent, in order, from the emulator's log.
    QByteArray bytesSent() const;

private:
    ScratchFolder m_data;
    QTemporaryDir m_logDir;
    QByteArray m_previous;
    ReadingTables m_previousTables;
    MeterEmulator m_meter;
};

// The records a meter holds when its newest reading is a little before now.
QList<MeterRecord> recentRecords(int count);

// Where each request first appears in a byte stream, -1 when it does not.
qsizetype firstAt(const QByteArray &stream, const char *hexRequest);
