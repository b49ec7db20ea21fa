#pragma once

#include "meter-emulator/MeterEmulator.h"
#include "meter-emulator/RecordList.h"

#include "app/AppState.h"
#include "common/TestData.h"
#include "store/ReadingFile.h"

#include <QRegularExpression>
#include <QTest>

// Older readings; glucose 5 equals no generated record, so none counts as stored.
inline const QByteArray kEarlierFile = "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time\r\n"
                                       "T0001,00005,11,20,07,15,C,00.3,2001,2001/11/20 - 07:15\r\n"
                                       "T0002,00142,11,19,21,40,PC,07.9,2001,2001/11/19 - 21:40\r\n";

// A user's data folder and an emulated meter on serial port 1, for real
// downloads: real timers, a real serial port on the emulator's terminal. The
// meter holds three records, the newest a little before now.
class DownloadRig
{
public:
    explicit DownloadRig(const FaultOptions &faults = {})
        : records(RecordList::generate(3, 2024, QDateTime::currentDateTime()))
        , m_meter(records, faults)
    {
        state.dataDir = data.path();
        state.user = {QStringLiteral("alice"), 1, 1, 1};
        data.write("alice.txt", kEarlierFile);
        QString error, warning;
        QVERIFY2(state.store.load(data.file("alice.txt"), &error, &warning) && warning.isEmpty(), qPrintable(error));

        // A clean download puts every record, with the year it was taken in,
        // in front of the previous lines.
        ReadingTables expected = state.store.tables();
        for (qsizetype k = records.size(); k-- > 0;) {
            const MeterRecord &m = records.at(k);
            expected.readingAt(expected.count() + 1) = {
                m.month, m.day, m.hour, m.minute, m.glucose, m.year, m.event ? EventMark::PC : EventMark::C};
        }
        cleanFile = ReadingFile::format(expected);

        QVERIFY2(m_meter.logTo(data.file("meter.log"), &error) && m_meter.open(&error), qPrintable(error));
        qputenv("DEXTREL_COM1", m_meter.devicePath().toLocal8Bit());
    }

    // Every byte the program sent, in order, from the emulator's log.
    QByteArray bytesSent() const
    {
        QByteArray stream;
        const QRegularExpression in(" in +([0-9A-F ]+)$", QRegularExpression::MultilineOption);
        for (auto it = in.globalMatch(data.read("meter.log")); it.hasNext();)
            stream += QByteArray::fromHex(it.next().captured(1).toLatin1()); // spaces are skipped
        return stream;
    }

    QByteArray readingFile() const { return data.read("alice.txt"); }

    const QList<MeterRecord> records;
    ScratchFolder data;
    AppState state;
    QByteArray cleanFile; // what a clean download leaves

private:
    MeterEmulator m_meter;
};

// Whether the texts appear in this order, others allowed between them.
inline bool inOrder(const QStringList &seen, const QStringList &wanted)
{
    qsizetype at = 0;
    for (const QString &w : wanted) {
        if ((at = seen.indexOf(w, at)) < 0)
            return false;
        ++at;
    }
    return true;
}
