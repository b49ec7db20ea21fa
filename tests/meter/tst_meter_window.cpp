// The download page on a pseudo-terminal that never answers like a meter.

#include "common/MessageRecorder.h"
#include "common/TestData.h"

#include "app/AppState.h"
#include "app/ui/PageFactory.h"
#include "app/ui/frmMain.h"
#include "meter/ui/frmMeterRead.h"

#include <QLabel>
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

// The download page of a user whose port 1 is the pseudo-terminal, or a missing
// device, made as the frame makes it.
struct Window
{
    explicit Window(bool portThere = true, int port = 1)
    {
        qputenv("DEXTREL_COM1", portThere ? pty.devicePath.toLocal8Bit() : QByteArray("/nonexistent/tty"));
        state.dataDir = folder.path();
        state.user.id = QStringLiteral("ann");
        state.user.port = port;
        page.reset(static_cast<frmMeterRead *>(PageFactory::create(Page::MeterRead, frame, state)));
    }
    QStringList runningTimers() const
    {
        QStringList names;
        for (QTimer *t : page->findChildren<QTimer *>())
            if (t->isActive())
                names << t->objectName();
        names.sort();
        return names;
    }

    MessageRecorder messages;
    PseudoTerminal pty;
    ScratchFolder folder;
    AppState state;
    frmMain frame{state};
    std::unique_ptr<frmMeterRead> page;
};

} // namespace

class MeterWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void missingPortIsReported_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no device") << 1 << "/nonexistent/tty is not there. This computer lists no serial ports.";
        QTest::newRow("hand-edited port 6") << 6 << "Serial port 6 does not exist: choose a port from 1 to 5 in the settings.";
    }
    void missingPortIsReported()
    {
        QFETCH(int, port);
        QFETCH(QString, reason);
        Window w(false, port);
        QCOMPARE(std::tuple(w.messages.single(), w.messages.messages().first().title, w.page->CommandMR->isEnabled()),
                 std::tuple(QString("RS232 Setting Error !\n" + reason), QStringLiteral("Qel"), false));
    }

    // The page holds the port from the start; Start Reading wakes the meter,
    // and a Step3 button ends the download and lets the port go.
    void leavingEndsTheDownload()
    {
        Window w;
        // "Massage" is spelled so.
        QCOMPARE(std::tuple(w.page->LabelRead->text(), w.runningTimers(), w.pty.slaveClosed()),
                 std::tuple(QStringLiteral("Reading Massage..."), QStringList(), false));
        QTest::mouseClick(w.page->CommandMR, Qt::LeftButton);
        QCOMPARE(std::pair(w.runningTimers(), w.messages.messages().size()),
                 std::pair(QStringList{"TimerOP", "TimerRt"}, qsizetype(0)));
        QTest::mouseClick(w.page->CmdReport, Qt::LeftButton);
        QCOMPARE(std::tuple(w.runningTimers(), w.pty.slaveClosed(), bool(w.frame.page(Page::Menu))),
                 std::tuple(QStringList(), true, true));
    }
};

QTEST_MAIN(MeterWindowTest)
#include "tst_meter_window.moc"
