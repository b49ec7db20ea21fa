#pragma once

#include "meter-emulator/MeterEmulator.h"
#include "meter-emulator/RecordList.h"

#include "app/AppState.h"
#include "common/MessageRecorder.h"
#include "common/TestData.h"
#include "meter/serial/MeterDownload.h"
#include "meter/ui/frmMeterRead.h"
#include "reports/ui/ExportWindow.h"
#include "store/ReadingFile.h"

#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

inline const QByteArray kReadingHeader =
    "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time\r\n";
// Older readings; glucose 5 equals no generated record, so none counts as stored.
inline const QByteArray kEarlierFile = kReadingHeader
                                       + "T0001,00005,11,20,07,15,C,00.3,2001,2001/11/20 - 07:15\r\n"
                                         "T0002,00142,11,19,21,40,PC,07.9,2001,2001/11/19 - 21:40\r\n";

// A meter record as the reading table holds it once downloaded.
inline Reading asStored(const MeterRecord &m)
{
    return {m.month, m.day, m.hour, m.minute, m.glucose, m.year, m.event ? EventMark::PC : EventMark::C};
}

// What one download showed in the download window.
struct DownloadRun
{
    bool finished = false;  // the download ended complete
    QStringList failures;   // why it ended without a result
    QStringList messages;   // message boxes, "caption: text"
    QStringList labels;     // every text of LabelRead, in order
    QString listLine;       // List3 at the end
    QList<int> progress;    // every value of ProgressBar1
    int progressMaximum = -1;
    bool saveLogOffered = false;  // the window offers to save the download's log
    ReportPeriod exportPeriod;    // the dates of an export window open meanwhile

    QString describe() const { return (labels + failures + messages).join(u'|'); }
};

// A user's data folder and an emulated meter on serial port 1, for real
// downloads: real timers, a real serial port on the emulator's terminal.
class DownloadRig
{
public:
    // newRecords: how many of the meter's records (newest first) are not yet in
    // the previous file; all of them when -1.
    DownloadRig(const QList<MeterRecord> &records, const FaultOptions &faults,
                const QByteArray &previous = kEarlierFile, qsizetype newRecords = -1)
        : m_meter(records, faults)
    {
        state.dataDir = data.path();
        state.user = {QStringLiteral("alice"), 1, 1, 1};
        data.write("alice.txt", previous);
        QString error, warning;
        QVERIFY2(state.store.load(data.file("alice.txt"), &error, &warning) && warning.isEmpty(), qPrintable(error));

        // A clean download puts every record, with the year it was taken in,
        // in front of the previous lines.
        ReadingTables expected = state.store.tables();
        if (expected.holdsNoReadings())
            expected.setCount(0);
        for (qsizetype k = newRecords < 0 ? records.size() : newRecords; k-- > 0;)
            expected.readingAt(expected.count() + 1) = asStored(records.at(k));
        cleanFile = records.isEmpty() ? previous : ReadingFile::format(expected);

        QVERIFY2(m_meter.logTo(data.file("meter.log"), &error) && m_meter.open(&error), qPrintable(error));
        qputenv("DEXTREL_COM1", m_meter.devicePath().toLocal8Bit());
    }

    // Presses Start Reading in the download window and runs until the download
    // finishes, fails or limitMs pass, then lets late bytes arrive.
    DownloadRun run(int limitMs)
    {
        DownloadRun out;
        MessageRecorder recorder;
        const PageContext context{state.user, state.store, state.dataDir};
        frmMeterRead form(context, state.store);
        ExportWindow exportWindow(context, ReportFiles::Kind::Readings);  // open all along
        auto *download = form.findChild<MeterDownload *>();
        QObject::connect(&download->session(), &MeterSession::labelChanged,
                         [&](const QString &text) { out.labels << text; });
        QObject::connect(form.ProgressBar1, &QProgressBar::valueChanged, [&](int v) { out.progress << v; });
        QObject::connect(&download->session(), &MeterSession::failed, [&](const QString &why) { out.failures << why; });
        QObject::connect(&download->session(), &MeterSession::finished, [&] { out.finished = true; });

        form.CommandMR->click();
        (void)QTest::qWaitFor([&] { return out.finished || !out.failures.isEmpty(); }, limitMs);
        QTest::qWait(100);  // bytes still on their way

        for (const Messages::Message &m : recorder.messages())
            out.messages << m.title + ": " + m.text;
        out.listLine = form.List3->count() == 1 ? form.List3->item(0)->text() : "<List3 holds not one line>";
        out.progressMaximum = form.ProgressBar1->maximum();
        out.saveLogOffered = form.CmdSaveLog->isVisibleTo(&form);
        out.exportPeriod = exportWindow.pickers.period();
        return out;
    }

    // Every byte the program sent, in order, from the emulator's log.
    QByteArray bytesSent() const
    {
        QByteArray stream;
        const QRegularExpression in(" in +([0-9A-F ]+)$", QRegularExpression::MultilineOption);
        for (auto it = in.globalMatch(data.read("meter.log")); it.hasNext();)
            stream += QByteArray::fromHex(it.next().captured(1).toLatin1());  // spaces are skipped
        return stream;
    }

    QByteArray readingFile() const { return data.read("alice.txt"); }

    ScratchFolder data;
    AppState state;
    QByteArray cleanFile;  // what a clean download leaves

private:
    MeterEmulator m_meter;
};

// The records of a meter whose newest reading is a little before now.
inline QList<MeterRecord> recentRecords(int count)
{
    return RecordList::generate(count, 2024, QDateTime::currentDateTime());
}

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
