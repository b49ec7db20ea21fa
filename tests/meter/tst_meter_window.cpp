// The download page on a pseudo-terminal that never answers like a meter.

#include "common/MessageRecorder.h"
#include "common/TestData.h"

#include "app/AppState.h"
#include "app/ui/frmMain.h"
#include "meter/ui/frmMeterRead.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

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

// The download page of a user whose port 1 is the pseudo-terminal, or a missing device.
struct Window
{
    explicit Window(bool portThere = true, int port = 1)
    {
        qputenv("DEXTREL_COM1", portThere ? pty.devicePath.toLocal8Bit() : QByteArray("/nonexistent/tty"));
        state.dataDir = folder.path();
        state.user.id = QStringLiteral("ann");
        state.user.port = port;
        page = std::make_unique<frmMeterRead>(state, frame);
    }
    // Every text as "box/name: text" and every timer as "name every N ms", marked when running.
    QStringList parts() const
    {
        QStringList parts;
        for (QWidget *part : page->findChildren<QWidget *>()) {
            const QVariant text = part->property(qobject_cast<QGroupBox *>(part) ? "title" : "text");
            if (text.isValid())
                parts << QStringLiteral("%1/%2: %3").arg(part->parentWidget()->objectName(), part->objectName(),
                                                         text.toString());
        }
        for (QTimer *t : page->findChildren<QTimer *>())
            parts << QStringLiteral("%1 every %2 ms%3")
                         .arg(t->objectName()).arg(t->interval()).arg(t->isActive() ? ", running" : "");
        parts.sort();
        return parts;
    }
    QStringList runningTimers() const { return parts().filter(QStringLiteral(", running")); }

    MessageRecorder messages;
    PseudoTerminal pty;
    ScratchFolder folder;
    AppState state;
    frmMain frame{state};
    std::unique_ptr<frmMeterRead> page;
};

} // namespace

class tst_MeterWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void partsAtRest()
    {
        Window w;
        QCOMPARE(w.parts(), (QStringList{
            "Step1/: Connect the meter to your computer by using the interface cable.",
            "Step2/: Your meter will turn ON and display [PC] before downloading.", "Step2/CommandMR: Start Reading",
            "Step3/: View reports after downloading.", "Step3/CmdReport: View Reports ...",
            "Step3/CmdReportAC: Line Graph(AC)", "Step3/CmdReportPC: Line Graph(PC)",
            "Timer1 every 100 ms", "Timer2 every 1000 ms", "Timer3 every 50 ms", "Timer4 every 50 ms",
            "TimerOP every 50 ms", "TimerRt every 20 ms", "TimerSleep every 50 ms",
            "frmMeterRead/: This operation will download the readings stored on your Blood Glucose Monitoring System "
            "and enter them in the database.",
            "frmMeterRead/LabelRead: Reading Massage...", "frmMeterRead/ProgressBar1: 0%",  // value 0 of 100
            "frmMeterRead/Step1: Step1", "frmMeterRead/Step2: Step2", "frmMeterRead/Step3: Step3"}));
        QCOMPARE(w.page->windowTitle(), QStringLiteral("Download Meter Readings"));
        QCOMPARE(w.page->List3->count(), 0);
        QVERIFY(w.messages.messages().isEmpty());
    }

    void missingPortIsReported_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no device") << 1 << "/nonexistent/tty: No such file or directory.";
        QTest::newRow("hand-edited port 0") << 0 << "Serial port 0 does not exist: choose a port from 1 to 5 in the settings.";
        QTest::newRow("hand-edited port 6") << 6 << "Serial port 6 does not exist: choose a port from 1 to 5 in the settings.";
    }
    void missingPortIsReported()
    {
        QFETCH(int, port);
        QFETCH(QString, reason);
        Window w(false, port);
        QCOMPARE(w.messages.single(), "RS232 Setting Error !\n" + reason);
        QCOMPARE(w.messages.messages().first().title, QStringLiteral("Qel"));
        QVERIFY(!w.page->CommandMR->isEnabled());
    }

    void startWakesTheMeterUntilThePageCloses()
    {
        Window w;
        QVERIFY(!w.pty.slaveClosed());
        QTest::mouseClick(w.page->CommandMR, Qt::LeftButton);
        QCOMPARE(w.runningTimers(), (QStringList{"TimerOP every 50 ms, running", "TimerRt every 20 ms, running"}));
        QTRY_COMPARE_WITH_TIMEOUT(w.page->LabelRead->text(), QStringLiteral("Meter Wake Up...Waiting(1s)"), 3000);
        QVERIFY(w.messages.messages().isEmpty());

        w.page.reset();
        QVERIFY(w.pty.slaveClosed());
        QTest::qWait(120);  // no timer of the gone page may fire
    }

    void reportButtonLeavesThePage()
    {
        Window w;
        QTest::mouseClick(w.page->CommandMR, Qt::LeftButton);
        QTest::mouseClick(w.page->CmdReport, Qt::LeftButton);
        QCOMPARE(w.runningTimers(), QStringList());
        QVERIFY(w.pty.slaveClosed());
        QVERIFY(w.frame.page(Page::Menu));
    }
};

QTEST_MAIN(tst_MeterWindow)
#include "tst_meter_window.moc"
