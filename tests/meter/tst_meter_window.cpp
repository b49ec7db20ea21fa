// The download page and the command-line download on a real serial port: a
// pseudo-terminal that never answers like a meter.

#include "PseudoTerminal.h"
#include "common/MessageRecorder.h"
#include "common/TestData.h"

#include "app/AppState.h"
#include "app/ui/frmMain.h"
#include "meter/serial/CommandLineDownload.h"
#include "meter/ui/frmMeterRead.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString kLostPrefix = QStringLiteral("The connection to the meter was lost (");
const QString kNothingSaved = QStringLiteral(" The download was abandoned and nothing was saved.");

AppState stateFor(const ScratchFolder &folder, int unit = 1)
{
    AppState state;
    state.dataDir = folder.path();
    state.user.id = QStringLiteral("ann");
    state.user.port = 1;
    state.user.unit = unit;
    return state;
}

QStringList activeTimers(QObject *page)
{
    QStringList on;
    for (QTimer *t : page->findChildren<QTimer *>()) {
        if (t->isActive())
            on << t->objectName();
    }
    on.sort();
    return on;
}

bool hasLabel(QWidget *parent, const QString &text)
{
    for (QLabel *label : parent->findChildren<QLabel *>()) {
        if (label->text() == text)
            return true;
    }
    return false;
}

} // namespace

class tst_MeterWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void showsItsTexts();
    void step3ButtonsSitInStep3_data();
    void step3ButtonsSitInStep3();
    void timersAreNamedWithTheirIntervals_data();
    void timersAreNamedWithTheirIntervals();
    void missingPortIsReported();
    void startWakesTheMeterAndCountsDown();
    void leavingStopsTimersAndClosesThePort();
    void reportButtonsLeaveThePage_data();
    void reportButtonsLeaveThePage();
    void noiseAbandonsTheDownload();
    void pulledCableIsReported();

    void commandLineReportsMissingPort();
    void commandLineGivesUpWhenTheMeterSleeps();

private:
    std::unique_ptr<PseudoTerminal> m_pty;
};

void tst_MeterWindow::init()
{
    m_pty = std::make_unique<PseudoTerminal>();
    QVERIFY(m_pty->isValid());
    qputenv("DEXTREL_COM1", m_pty->devicePath().toLocal8Bit());
}

void tst_MeterWindow::cleanup()
{
    qunsetenv("DEXTREL_COM1");
    m_pty.reset();
}

void tst_MeterWindow::showsItsTexts()
{
    MessageRecorder messages;
    ScratchFolder folder;
    AppState state = stateFor(folder);
    frmMain frame(state);
    frmMeterRead page(state, frame);

    QVERIFY(messages.messages().isEmpty());
    QCOMPARE(page.windowTitle(), QStringLiteral("Download Meter Readings"));
    QCOMPARE(page.LabelRead->text(), QStringLiteral("Reading Massage..."));
    QCOMPARE(page.LabelRead->objectName(), QStringLiteral("LabelRead"));
    QCOMPARE(page.ProgressBar1->objectName(), QStringLiteral("ProgressBar1"));
    QCOMPARE(page.ProgressBar1->value(), 0);
    QCOMPARE(page.List3->objectName(), QStringLiteral("List3"));
    QCOMPARE(page.List3->count(), 0);
    QVERIFY(hasLabel(&page, QStringLiteral("This operation will download the readings stored on your Blood "
                                           "Glucose Monitoring System and enter them in the database.")));

    const QStringList frames = {QStringLiteral("Step1"), QStringLiteral("Step2"), QStringLiteral("Step3")};
    for (const QString &name : frames) {
        auto *box = page.findChild<QGroupBox *>(name);
        QVERIFY2(box, qPrintable(name));
        QCOMPARE(box->title(), name);
    }
    auto *step1 = page.findChild<QGroupBox *>(QStringLiteral("Step1"));
    auto *step2 = page.findChild<QGroupBox *>(QStringLiteral("Step2"));
    auto *step3 = page.findChild<QGroupBox *>(QStringLiteral("Step3"));
    QVERIFY(hasLabel(step1, QStringLiteral("Connect the meter to your computer by using the interface cable.")));
    QVERIFY(hasLabel(step2, QStringLiteral("Your meter will turn ON and display [PC] before downloading.")));
    QVERIFY(hasLabel(step3, QStringLiteral("View reports after downloading.")));

    QCOMPARE(page.CommandMR->parentWidget(), step2);
    QCOMPARE(page.CommandMR->objectName(), QStringLiteral("CommandMR"));
    QCOMPARE(page.CommandMR->text(), QStringLiteral("Start Reading"));
    QVERIFY(page.CommandMR->isEnabled());
}

void tst_MeterWindow::step3ButtonsSitInStep3_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("line graph") << "CmdReportAC" << "Line Graph(AC)";
    QTest::newRow("meal-marked line graph") << "CmdReportPC" << "Line Graph(PC)";
    QTest::newRow("menu") << "CmdReport" << "View Reports ...";
}

void tst_MeterWindow::step3ButtonsSitInStep3()
{
    QFETCH(QString, name);
    ScratchFolder folder;
    AppState state = stateFor(folder);
    frmMain frame(state);
    frmMeterRead page(state, frame);
    auto *button = page.findChild<QPushButton *>(name);
    QVERIFY(button);
    QTEST(button->text(), "text");
    QCOMPARE(button->parentWidget()->objectName(), QStringLiteral("Step3"));
}

void tst_MeterWindow::timersAreNamedWithTheirIntervals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("interval");
    QTest::newRow("receive poll") << "TimerRt" << 20;
    QTest::newRow("wake-up") << "TimerOP" << 50;
    QTest::newRow("link probe") << "Timer1" << 100;
    QTest::newRow("link request") << "Timer2" << 1000;
    QTest::newRow("first halves") << "Timer3" << 50;
    QTest::newRow("second halves") << "Timer4" << 50;
    QTest::newRow("sleep") << "TimerSleep" << 50;
}

void tst_MeterWindow::timersAreNamedWithTheirIntervals()
{
    QFETCH(QString, name);
    ScratchFolder folder;
    AppState state = stateFor(folder);
    frmMain frame(state);
    frmMeterRead page(state, frame);
    QCOMPARE(page.findChildren<QTimer *>().size(), 7);
    QTimer *t = page.findChild<QTimer *>(name);
    QVERIFY(t);
    QTEST(t->interval(), "interval");
    QVERIFY(!t->isActive());
}

void tst_MeterWindow::missingPortIsReported()
{
    ScratchFolder folder;
    qputenv("DEXTREL_COM1", folder.file("no-such-port").toLocal8Bit());
    MessageRecorder messages;
    AppState state = stateFor(folder);
    frmMain frame(state);
    frmMeterRead page(state, frame);
    QCOMPARE(messages.single(), QStringLiteral("RS232 Setting Error !"));
    QCOMPARE(messages.messages().first().title, QStringLiteral("Qel"));
    QVERIFY(!page.CommandMR->isEnabled());
    QVERIFY(activeTimers(&page).isEmpty());
}

void tst_MeterWindow::startWakesTheMeterAndCountsDown()
{
    MessageRecorder messages;
    ScratchFolder folder;
    AppState state = stateFor(folder);
    frmMain frame(state);
    frmMeterRead page(state, frame);

    QTest::mouseClick(page.CommandMR, Qt::LeftButton);
    QCOMPARE(activeTimers(&page), (QStringList{QStringLiteral("TimerOP"), QStringLiteral("TimerRt")}));
    QByteArray sent;
    QTRY_VERIFY_WITH_TIMEOUT((sent += m_pty->read(0)).startsWith(QByteArray(1, '\0')), 1000);
    QTRY_COMPARE_WITH_TIMEOUT(page.LabelRead->text(), QStringLiteral("Meter Wake Up...Waiting(1s)"), 3000);
    QVERIFY(messages.messages().isEmpty());
}

void tst_MeterWindow::leavingStopsTimersAndClosesThePort()
{
    ScratchFolder folder;
    AppState state = stateFor(folder);
    frmMain frame(state);
    auto *page = new frmMeterRead(state, frame);
    QTest::mouseClick(page->CommandMR, Qt::LeftButton);
    QVERIFY(!activeTimers(page).isEmpty());
    QVERIFY(!m_pty->slaveClosed());

    delete page;
    QVERIFY(m_pty->slaveClosed());
    QTest::qWait(120);  // no timer of the gone page may fire
}

void tst_MeterWindow::reportButtonsLeaveThePage_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("menuShown");
    QTest::newRow("View Reports shows the menu") << "CmdReport" << 1 << true;
    QTest::newRow("line graph for no known unit") << "CmdReportAC" << 3 << false;
    QTest::newRow("meal-marked graph for no known unit") << "CmdReportPC" << 0 << false;
}

void tst_MeterWindow::reportButtonsLeaveThePage()
{
    QFETCH(QString, button);
    QFETCH(int, unit);
    ScratchFolder folder;
    AppState state = stateFor(folder, unit);
    frmMain frame(state);
    frmMeterRead page(state, frame);
    QTest::mouseClick(page.CommandMR, Qt::LeftButton);

    QTest::mouseClick(page.findChild<QPushButton *>(button), Qt::LeftButton);
    QVERIFY(activeTimers(&page).isEmpty());
    QVERIFY(m_pty->slaveClosed());
    QTEST(frame.page(Page::Menu) != nullptr, "menuShown");
}

void tst_MeterWindow::noiseAbandonsTheDownload()
{
    MessageRecorder messages;
    ScratchFolder folder;
    AppState state = stateFor(folder);
    frmMain frame(state);
    frmMeterRead page(state, frame);
    QTest::mouseClick(page.CommandMR, Qt::LeftButton);
    m_pty->read(1000);

    m_pty->write(QByteArray("\xAA\x5A\x01\x02\x03\xAA", 6));
    QTRY_COMPARE_WITH_TIMEOUT(messages.texts(),
                              QStringList{QStringLiteral("Data Receiving Error! Got 6 byte--it's [AA][5A][1][2][3][AA]")},
                              3000);
    QCOMPARE(page.List3->count(), 1);
    QCOMPARE(page.List3->item(0)->text(), QStringLiteral("Read [0] data from Meter !!"));
    QVERIFY(activeTimers(&page).isEmpty());
    QVERIFY(m_pty->slaveClosed());
    QVERIFY(!folder.exists("ann.txt"));
}

void tst_MeterWindow::pulledCableIsReported()
{
    MessageRecorder messages;
    ScratchFolder folder;
    AppState state = stateFor(folder);
    frmMain frame(state);
    frmMeterRead page(state, frame);
    QTest::mouseClick(page.CommandMR, Qt::LeftButton);

    m_pty->hangUp();
    QTRY_VERIFY_WITH_TIMEOUT(!messages.messages().isEmpty(), 3000);
    const QString text = messages.single();
    QVERIFY2(text.startsWith(kLostPrefix) && text.endsWith(QStringLiteral(").") + kNothingSaved), qPrintable(text));
    QVERIFY(activeTimers(&page).isEmpty());
}

void tst_MeterWindow::commandLineReportsMissingPort()
{
    ScratchFolder folder;
    qputenv("DEXTREL_COM1", folder.file("no-such-port").toLocal8Bit());
    AppState state = stateFor(folder);
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    QCOMPARE(runCommandLineDownload(state, outStream, errStream), 1);
    QVERIFY2(err.startsWith(QStringLiteral("RS232 Setting Error !")), qPrintable(err));
    QVERIFY(out.isEmpty());
}

void tst_MeterWindow::commandLineGivesUpWhenTheMeterSleeps()
{
    ScratchFolder folder;
    AppState state = stateFor(folder);
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    QCOMPARE(runCommandLineDownload(state, outStream, errStream), 1);
    QCOMPARE(out, QStringLiteral("Meter Wake Up...Waiting(1s)\nMeter Wake Up...Waiting(2s)\n"
                                 "Meter Wake Up...Waiting(3s)\nMeter Wake Up...Waiting(4s)\n"
                                 "Meter Wake Up...Failed\n"));
    QCOMPARE(err, QStringLiteral("Meter Wake Up...Failed\n"));
    QVERIFY(m_pty->slaveClosed());
}

QTEST_MAIN(tst_MeterWindow)
#include "tst_meter_window.moc"
