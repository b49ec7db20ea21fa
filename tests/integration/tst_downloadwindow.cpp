// The download window on its serial port: a device that is not there or comes
// and goes, a pseudo-terminal that never answers like a meter, and the emulated meter's
// pseudo-terminal for what only a real line shows: real timers, an answer
// split over two reads, a meter slower than the timers' pace, the line closing
// under the download, and the log a failed download leaves for whoever helps:
// its last bytes and the step it stopped in.

#include "DownloadRig.h"

#include "app/ui/Pages.h"
#include "app/ui/frmMain.h"
#include "common/MessageRecorder.h"
#include "meter/MeterTexts.h"
#include "meter/serial/MeterDownload.h"
#include "meter/ui/frmMeterRead.h"
#include "platform/DownloadLogFile.h"
#include "reports/ui/ExportWindow.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

// What one download showed in the download window.
struct DownloadRun
{
    bool finished = false; // the download ended complete
    QStringList failures;  // why it ended without a result
    QStringList messages;  // message boxes, "caption: text"
    QString label;         // LabelRead at the end
    QString listLine;      // List3 at the end
    QList<int> progress;   // every value of ProgressBar1
    int progressMaximum = -1;
    QList<bool> startEnabled;    // Start Reading once pressed, and at the end
    bool saveLogOffered = false; // the window offers to save the download's log
    ReportPeriod exportPeriod;   // the dates of an export window open meanwhile
};

// Presses Start Reading in the download window and runs until the download
// finishes or fails, then lets late bytes arrive.
DownloadRun runWindow(DownloadRig &rig)
{
    DownloadRun out;
    MessageRecorder recorder;
    const PageContext context{rig.state.user, rig.state.store, rig.state.dataDir};
    frmMeterRead form(context, rig.state.store);
    ExportWindow exportWindow(context, ReportFiles::Kind::Readings); // open all along
    const DownloadStatus &status = form.findChild<MeterDownload *>()->status();
    QObject::connect(form.progress, &QProgressBar::valueChanged, [&](int v) { out.progress << v; });
    QObject::connect(&status, &DownloadStatus::failed, [&](const QString &why) { out.failures << why; });
    QObject::connect(&status, &DownloadStatus::finished, [&] { out.finished = true; });

    form.startReading->click();
    out.startEnabled << form.startReading->isEnabled();
    (void)QTest::qWaitFor([&] { return out.finished || !out.failures.isEmpty(); }, 15000);
    QTest::qWait(100); // bytes still on their way
    out.startEnabled << form.startReading->isEnabled();
    for (const Messages::Message &m : recorder.messages())
        out.messages << m.title + ": " + m.text;
    out.label = form.readingStatus->text();
    out.listLine = form.logLine->count() == 1 ? form.logLine->item(0)->text() : "<List3 holds not one line>";
    out.progressMaximum = form.progress->maximum();
    out.saveLogOffered = form.CmdSaveLog->isVisibleTo(&form);
    out.exportPeriod = exportWindow.pickers.period();
    return out;
}

// A pseudo-terminal whose slave side stands in for the meter's serial port. It
// never answers; tests only look at whether the program holds the port open.
struct PseudoTerminal
{
    PseudoTerminal()
    {
        if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0)
            devicePath = QString::fromLocal8Bit(::ptsname(master));
    }
    ~PseudoTerminal() { ::close(master); }
    Q_DISABLE_COPY(PseudoTerminal)
    // True once the slave side was opened and every handle of it closed again.
    bool slaveClosed() const
    {
        pollfd p{master, POLLIN, 0};
        return ::poll(&p, 1, 0) > 0 && (p.revents & POLLHUP);
    }

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    QString devicePath;
};

// The download page in the frame, for a user whose port 1 is DIR/tty: a link
// to the pseudo-terminal, plugged in or not.
struct Window
{
    explicit Window(bool portThere = true, int port = 1)
    {
        qputenv("DEXTREL_COM1", folder.file("tty").toLocal8Bit());
        if (portThere)
            plugIn(true);
        state.dataDir = folder.path();
        state.user.id = QStringLiteral("ann");
        state.user.port = port;
        page = static_cast<frmMeterRead *>(frame.open(PageCommands::kDownload));
    }
    void plugIn(bool in)
    {
        QVERIFY(in ? QFile::link(pty.devicePath, folder.file("tty")) : QFile::remove(folder.file("tty")));
    }
    QStringList runningTimers() const
    {
        QStringList names;
        for (QTimer *t : page->findChildren<QTimer *>())
            if (t->isActive())
                names << (t->objectName().isEmpty() ? "port retry" : t->objectName());
        names.sort();
        return names;
    }
    void step(const QString &what)
    {
        if (what == "start")
            page->startReading->click();
        if (what == "no answer") // the wake-up ticks, at once
            for (int i = 0; i < MeterSession::kWakeTicksBeforeFailure; ++i)
                QMetaObject::invokeMethod(page->findChild<QTimer *>("TimerOP"), "timeout");
        if (what == "retry")
            QMetaObject::invokeMethod(page->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly), "timeout");
        if (what == "stop")
            page->findChild<MeterDownload *>()->stop();
        if (what == "plug in" || what == "unplug")
            plugIn(what == "plug in");
        messages.answer(what.endsWith("yes"));
        if (what.startsWith("Index"))
            frame.open(PageCommands::kIndex);
        if (what.startsWith("close"))
            frame.close();
        if (what.startsWith("CmdReport"))
            page->CmdReport->click();
    }

    MessageRecorder messages;
    PseudoTerminal pty;
    ScratchFolder folder;
    AppState state;
    frmMain frame{state};
    QPointer<frmMeterRead> page;
};

} // namespace

class DownloadWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // What the page says and offers when the port is missing, the meter does
    // not answer, or the user would leave a download that runs ("Index",
    // "close", "CmdReport": leaving, the question answered as the step says).
    void pageSaysWhy()
    {
        const QString missing = "DIR/tty is not there. This computer lists no serial ports.";
        const QString port6 = "Serial port 6 does not exist: choose a port from 1 to 5 in the settings.";
        const QString greyed = "frmMeterRead, Reading Massage..., greyed, "; // "Massage" is spelled so
        const struct
        {
            int port; // 0: port 1, its device missing
            const char *steps;
            QString messages, advice, shown; // "|" between messages; under LabelRead; the page and the line
        } rows[] = {
            {0, "", "RS232 Setting Error !\n" + missing, MeterTexts::portAdvice(missing),
             greyed + "port retry, unplugged"},
            {6, "", MeterTexts::portError(port6), MeterTexts::portAdvice(port6), greyed + "port retry, open"},
            {0, "plug in|retry", MeterTexts::portError(missing), "", "frmMeterRead, Reading Massage..., Start, , open"},
            {1, "stop|unplug|start", MeterTexts::portError(missing), MeterTexts::portAdvice(missing),
             greyed + "port retry, unplugged"},
            {1, "start|no answer", "", MeterTexts::wakeAdvice("DIR/tty"),
             "frmMeterRead, Meter Wake Up...Failed, Start, TimerRt, open"},
            {1, "start|Index: no", MeterTexts::kLeaveDownload, "", greyed + "TimerOP TimerRt, open"},
            {1, "start|close: no", MeterTexts::kLeaveDownload, "", greyed + "TimerOP TimerRt, open"},
            {1, "start|Index: yes", MeterTexts::kLeaveDownload, "", "frmIndex, closed"},
            {1, "start|CmdReport: yes", MeterTexts::kLeaveDownload, "", "frmMenu, closed"},
        };
        for (const auto &row : rows) {
            Window w(row.port != 0, std::max(row.port, 1));
            for (const QString &step : QString(row.steps).split(u'|', Qt::SkipEmptyParts))
                w.step(step);
            QStringList shown{w.frame.activePage()->objectName()};
            if (qobject_cast<frmMeterRead *>(w.frame.activePage()))
                shown << w.page->readingStatus->text() << (w.page->startReading->isEnabled() ? "Start" : "greyed")
                      << w.runningTimers().join(u' ');
            shown << (!QFile::exists(w.folder.file("tty")) ? "unplugged" : w.pty.slaveClosed() ? "closed" : "open");
            const QString advice = w.page && w.page->advice->isVisibleTo(w.page) ? w.page->advice->text() : "";
            QCOMPARE(std::tuple(row.steps, w.messages.texts().join(u'|').replace(w.folder.path(), "DIR"),
                                QString(advice).replace(w.folder.path(), "DIR"), shown.join(", ")),
                     std::tuple(row.steps, row.messages, row.advice, row.shown));
        }
    }

    // 80 ms an answer, and one of them split. The readings are in memory for
    // the reports too; an open export window follows them.
    void downloadInTheWindow()
    {
        DownloadRig rig({.split = true, .delayMs = 80});
        const DownloadRun run = runWindow(rig);
        const MeterRecord &newest = rig.records.at(0);
        QCOMPARE(std::tuple(run.finished, run.label, rig.readingFile(), ReadingFile::format(rig.state.store.tables()),
                            run.progress, run.progressMaximum, run.listLine, run.messages, run.exportPeriod.to),
                 std::tuple(true, QStringLiteral("Complete! Receive ( 3 ) Data from Meter !!"), rig.cleanFile,
                            rig.cleanFile, QList<int>{1, 2, 3, 4, 5, 6}, 6, QString("Read [3] data from Meter !!"),
                            QStringList(), QDate(newest.year, newest.month, newest.day)));
        QCOMPARE(run.startEnabled, (QList<bool>{false, true}));
    }

    // The meter closing the line in the second pass.
    void lineLostLeavesALog()
    {
        DownloadRig rig({.hangupAfter = 4});
        const DownloadRun run = runWindow(rig);
        const QString device = qEnvironmentVariable("DEXTREL_COM1");
        const QString report
            = "The connection to the meter was lost (" + device
              + " is gone: unplugged, or closed at the other end). The download was abandoned and nothing was saved.";
        const QStringList logs = DownloadLogFile::logsOf(rig.state.dataDir, "alice");
        QCOMPARE(
            std::tuple(run.finished, run.failures, run.messages, rig.readingFile(), run.saveLogOffered, logs.size()),
            std::tuple(false, QStringList{report}, QStringList{"Qel: " + report}, kEarlierFile, true, qsizetype(1)));

        QFile file(logs.first());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.mid(0, 2), (QStringList{"Dextrel Management Software " DEXTREL_VERSION, "User: alice"}));
        // Each line after the header: a millisecond time, then what happened.
        QStringList events;
        const QRegularExpression timed("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d (.*)$");
        for (const QString &line : lines.mid(4)) {
            const QRegularExpressionMatch m = timed.match(line);
            QVERIFY2(m.hasMatch(), qPrintable(line));
            events << m.captured(1);
        }
        QVERIFY2(
            inOrder(events, {"-- Serial device " + device + " for port 1, from DEXTREL_COM1", "TX 00", "RX 00",
                             "-- Meter Wake Up...Please Wait!", "-- Linking...", "-- On Line...",
                             "-- First halves of the records", "TX AC 01 A9", "-- Failed: " + report, "-- Stopped"}),
            qPrintable(events.join(u'\n')));

        // The last request in the log is the last one the meter got (how far
        // the download came depends on repeats).
        const QString lastRequest = events.filter(QRegularExpression("^TX ")).last().mid(3);
        QVERIFY2(rig.bytesSent().endsWith(QByteArray::fromHex(lastRequest.toLatin1())), qPrintable(lastRequest));
    }
};

QTEST_MAIN(DownloadWindowTest)
#include "tst_downloadwindow.moc"
