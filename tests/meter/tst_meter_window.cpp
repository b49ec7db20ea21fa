// The download page on a pseudo-terminal that never answers like a meter.

#include "PseudoTerminal.h"
#include "common/MessageRecorder.h"
#include "common/TestData.h"

#include "app/AppState.h"
#include "app/ui/frmMain.h"
#include "meter/ui/frmMeterRead.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

AppState userOnPort(const ScratchFolder &folder, const QString &device)
{
    qputenv("DEXTREL_COM1", device.toLocal8Bit());
    AppState state;
    state.dataDir = folder.path();
    state.user.id = QStringLiteral("ann");
    state.user.port = 1;
    return state;
}

// The download page of a user whose port 1 is the pseudo-terminal, or a missing device.
struct Window
{
    explicit Window(bool portThere = true)
        : state(userOnPort(folder, portThere ? pty.devicePath() : QStringLiteral("/nonexistent/tty")))
    {
    }
    PseudoTerminal pty;
    ScratchFolder folder;
    AppState state;
    frmMain frame{state};
    std::unique_ptr<frmMeterRead> page = std::make_unique<frmMeterRead>(state, frame);

    QStringList activeTimers() const
    {
        QStringList on;
        for (QTimer *t : page->findChildren<QTimer *>()) {
            if (t->isActive())
                on << t->objectName();
        }
        on.sort();
        return on;
    }
};

} // namespace

class tst_MeterWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parts_data()
    {
        QTest::addColumn<QString>("frame");  // the group box it sits in, if any
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("intro") << "" << "" << QByteArray("text")
                               << QVariant("This operation will download the readings stored on your Blood "
                                           "Glucose Monitoring System and enter them in the database.");
        QTest::newRow("Step1") << "Step1" << "" << QByteArray("text")
                               << QVariant("Connect the meter to your computer by using the interface cable.");
        QTest::newRow("Step2") << "Step2" << "" << QByteArray("text")
                               << QVariant("Your meter will turn ON and display [PC] before downloading.");
        QTest::newRow("Step3") << "Step3" << "" << QByteArray("text") << QVariant("View reports after downloading.");
        QTest::newRow("CommandMR") << "Step2" << "CommandMR" << QByteArray("text") << QVariant("Start Reading");
        QTest::newRow("CmdReportAC") << "Step3" << "CmdReportAC" << QByteArray("text") << QVariant("Line Graph(AC)");
        QTest::newRow("CmdReportPC") << "Step3" << "CmdReportPC" << QByteArray("text") << QVariant("Line Graph(PC)");
        QTest::newRow("CmdReport") << "Step3" << "CmdReport" << QByteArray("text") << QVariant("View Reports ...");
        QTest::newRow("LabelRead") << "" << "LabelRead" << QByteArray("text") << QVariant("Reading Massage...");
        QTest::newRow("ProgressBar1") << "" << "ProgressBar1" << QByteArray("value") << QVariant(0);
        QTest::newRow("List3") << "" << "List3" << QByteArray("count") << QVariant(0);
        QTest::newRow("receive poll") << "" << "TimerRt" << QByteArray("interval") << QVariant(20);
        QTest::newRow("wake-up") << "" << "TimerOP" << QByteArray("interval") << QVariant(50);
        QTest::newRow("link probe") << "" << "Timer1" << QByteArray("interval") << QVariant(100);
        QTest::newRow("link request") << "" << "Timer2" << QByteArray("interval") << QVariant(1000);
        QTest::newRow("first halves") << "" << "Timer3" << QByteArray("interval") << QVariant(50);
        QTest::newRow("second halves") << "" << "Timer4" << QByteArray("interval") << QVariant(50);
        QTest::newRow("sleep") << "" << "TimerSleep" << QByteArray("interval") << QVariant(50);
    }
    void parts()
    {
        QFETCH(QString, frame);
        QFETCH(QString, name);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, value);
        MessageRecorder messages;
        Window w;
        QObject *in = w.page.get();
        if (!frame.isEmpty()) {
            QVERIFY(in = in->findChild<QGroupBox *>(frame));
            QCOMPARE(in->property("title").toString(), frame);
        }
        const QList<QObject *> parts = in->findChildren<QObject *>(name);
        const auto shows = [&](QObject *part) { return part->property(property.constData()) == value; };
        QVERIFY2(std::any_of(parts.begin(), parts.end(), shows), qPrintable(name + u' ' + value.toString()));
        QCOMPARE(w.page->windowTitle(), QStringLiteral("Download Meter Readings"));
        QVERIFY(w.activeTimers().isEmpty());
        QVERIFY(messages.messages().isEmpty());
    }

    void missingPortIsReported()
    {
        MessageRecorder messages;
        Window w(false);
        QCOMPARE(messages.single(), QStringLiteral("RS232 Setting Error !"));
        QCOMPARE(messages.messages().first().title, QStringLiteral("Qel"));
        QVERIFY(!w.page->CommandMR->isEnabled());
    }

    void startWakesTheMeterUntilThePageCloses()
    {
        MessageRecorder messages;
        Window w;
        QVERIFY(!w.pty.slaveClosed());
        QTest::mouseClick(w.page->CommandMR, Qt::LeftButton);
        QCOMPARE(w.activeTimers(), (QStringList{QStringLiteral("TimerOP"), QStringLiteral("TimerRt")}));
        QTRY_COMPARE_WITH_TIMEOUT(w.page->LabelRead->text(), QStringLiteral("Meter Wake Up...Waiting(1s)"), 3000);
        QVERIFY(messages.messages().isEmpty());

        w.page.reset();
        QVERIFY(w.pty.slaveClosed());
        QTest::qWait(120);  // no timer of the gone page may fire
    }

    void reportButtonLeavesThePage()
    {
        Window w;
        QTest::mouseClick(w.page->CommandMR, Qt::LeftButton);
        QTest::mouseClick(w.page->CmdReport, Qt::LeftButton);
        QVERIFY(w.activeTimers().isEmpty());
        QVERIFY(w.pty.slaveClosed());
        QVERIFY(w.frame.page(Page::Menu));
    }
};

QTEST_MAIN(tst_MeterWindow)
#include "tst_meter_window.moc"
