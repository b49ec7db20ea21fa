#include "app/AppState.h"
#include "app/ui/Startup.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frmMain.h"
#include "app/ui/frmSplash.h"
#include "common/MessageRecorder.h"
#include "common/TestData.h"
#include "meter/MeterTexts.h"
#include "users/ui/frmLogin.h"
#include "users/ui/frmLoginAdd.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <memory>

Q_DECLARE_METATYPE(Page)
Q_DECLARE_METATYPE(std::optional<Page>)
Q_DECLARE_METATYPE(PageCommand)

namespace {
using OptPage = std::optional<Page>;

QList<Page> loadedPages(const frmMain &frame)
{
    QList<Page> out;
    for (Page p : Pages::all())
        if (frame.page(p))
            out << p;
    return out;
}

// Runs the deletions that windows and pages leave for after their handlers.
void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class FrameTest : public QObject
{
    Q_OBJECT

    MessageRecorder m_messages;
    AppState m_state;
    std::unique_ptr<frmMain> m_frame;

private Q_SLOTS:
    void init()
    {
        m_state = AppState{};
        // One reading, so the reports open without their no-data message.
        m_state.tables.readingAt(1) = Reading{3, 5, 7, 5, 123, 2006, QStringLiteral("C")};
        m_frame = std::make_unique<frmMain>(m_state);
    }
    // Any message box is a fault, except the one the download page shows on a
    // machine without the meter's serial port.
    void cleanup()
    {
        m_frame.reset();
        flushDeletes();
        QStringList unexpected = m_messages.texts();
        unexpected.removeIf([](const QString &text) { return text.startsWith(MeterTexts::kPortError + '\n'); });
        m_messages.clear();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(u'\n')));
    }

    // The report page that serves the user's glucose unit: 1 mg/dL, 2 mmol/L,
    // anything else neither.
    void pageForUnit_data()
    {
        QTest::addColumn<PageCommand>("command");
        QTest::addColumn<QList<OptPage>>("pages"); // for unit 1, unit 2, any other
        QTest::newRow("data list") << PageCommand::DataList << QList<OptPage>{Page::R01, Page::R01unit, {}};
        QTest::newRow("line graph") << PageCommand::LineGraph << QList<OptPage>{Page::R02, Page::R02unit, {}};
        QTest::newRow("meal graph") << PageCommand::PcLineGraph << QList<OptPage>{Page::R02p, Page::R02unitp, {}};
        QTest::newRow("standard day") << PageCommand::StandardDay << QList<OptPage>(3, Page::R04);
        QTest::newRow("histogram") << PageCommand::Histogram << QList<OptPage>(3, Page::R05);
    }
    void pageForUnit()
    {
        QFETCH(PageCommand, command);
        QFETCH(QList<OptPage>, pages);
        for (int unit : {1, 2, 0, 3, 7, -1})
            QCOMPARE(PageCommands::pageFor(command, unit), pages.at(unit == 1 ? 0 : unit == 2 ? 1 : 2));
    }

    void texts_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control"); // empty: the window caption
        QTest::addColumn<QString>("text");
        const auto rows = [](const char *window, const QList<std::pair<const char *, const char *>> &texts) {
            for (const auto &[control, text] : texts)
                QTest::addRow("%s %s", window, *control ? control : "caption") << window << control << text;
        };
        rows("frame", {{"", "Dextrel Management Software v1.2"}, {"Panel1", "Dextrel Management Software"}});
        rows("index", {{"", "Welcome!"}, {"lblProductName", "Dextrel  Management Software"},
                       {"Label1", "Welcome to the Dextrel Management Software,a software that offers a database of "
                                  "information to help better manage an individual's diabetes."},
                       {"Label2", "The software is not intended to provide medical advice. Consult with your health "
                                  "care professional before making any life changing decisions (i.e. your diet, "
                                  "exercise program or medication.)."},
                       {"Label3", "The software was developed exclusively by DX for use with Glucose Monitoring "
                                  "System."},
                       {"Command1", "Meter Readings"}, {"Command2", "Reports"}});
        rows("menu", {{"", "View Reports"}, {"lblCompanyProduct", "View Reports"}, {"Label1", "Data List"},
                      {"Label2", "Standard Day"}, {"Label3", "Line Graph"}, {"Label5", "Histogram"}});
        rows("about", {{"", "About..."}, {"cmdOK", "OK"},
                       {"lblTitle", "Dextrel Management Software                         Vision  1.2"}});
        rows("splash", {{"lblProductName", "Dextrel Management Software"}});
    }
    void texts()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        frmAbout about;
        frmSplash splash;
        QWidget *w = window == "about" ? &about : window == "splash" ? &splash : window == "frame" ? m_frame.get()
                     : m_frame->showPage(window == "menu" ? Page::Menu : Page::Index);
        QWidget *target = control.isEmpty() ? w : w->findChild<QWidget *>(control);
        QVERIFY2(target, qPrintable(control));
        QTEST(control.isEmpty() ? w->windowTitle() : target->property("text").toString(), "text");
    }

    // Each menu, then its items: "objectName caption", "-" in front when not
    // available.
    void menus()
    {
        const auto item = [](const QAction *a, const QString &name) {
            return QLatin1String(a->isEnabled() ? "" : "-") + name + u' ' + a->text();
        };
        QList<QStringList> seen;
        for (const QAction *bar : m_frame->menuBar()->actions()) {
            seen << QStringList{item(bar, bar->menu()->objectName())};
            for (const QAction *a : bar->menu()->actions())
                seen.last() << item(a, a->objectName());
        }
        QCOMPARE(seen, (QList<QStringList>{
                           {"mnuMain Main(&M)", "mnuIndex Index(&I)", "mnuSetup Setup(&S)...",
                            "mnuExport Export Readings(&X)...",
                            "mnuDoctorReport Report for My Doctor(&R)...", "-mnuLogout Logout(&O)...", "mnuExit Exit(&E)"},
                           {"mnuMeter Meter(&M)", "mnuMeterRead Download Meter Readings(&D)",
                            "-mnuMeterControl Meter Control(&C)..."},
                           {"mnuReport Report(&R)", "mnuReport1 Data List(&L)", "mnuReport2 Standard Day(&D)",
                            "mnuReport5 Line Graph(&G)", "-mnuReport6 PC Line Graph(&P)", "-mnuReport3 Line Graph(&G)",
                            "mnuReport4 Histogram(&H)", "mnuSummary Summary(&U)",
                            "mnuOverlayDay Overlay Day(&O)"},
                           {"mnuPrint Print(&P)", "mnuPSetup Print Setting(&S)...", "mnuPrintR Print Report(&R)"},
                           {"mnuHelp Help(&H)", "mnuWeb Our Web(&W)", "mnuDataFolder Open Data Folder",
                            "mnuAbout About(&A)"}}));
    }

    void toolbar()
    {
        QStringList seen;
        for (QAction *action : m_frame->tbToolBar->actions())
            seen << (action->isSeparator() ? "|" : action->icon().isNull() ? "no icon" : action->toolTip());
        QCOMPARE(seen, (QStringList{"Index", "Setup", "|", "Download Meter Readings", "Meter Control", "|",
                                    "Data List", "Standard Day", "Line Graph", "Histogram", "|", "Print Report"}));
        m_frame->showPage(Page::Menu);
        m_frame->tbToolBar->actions().constFirst()->trigger();
        QCOMPARE(loadedPages(*m_frame), QList<Page>{Page::Index});
    }

    // command: "tool:" a toolbar key, "menu:" a menu item, "click:" a control of
    // the start page. opens: the page in front afterwards; the start page itself
    // means the command left it alone.
    void commands_data()
    {
        QTest::addColumn<Page>("from");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("unit");
        QTest::addColumn<OptPage>("opens");
        QTest::newRow("Index key") << Page::Menu << "tool:Index" << 1 << OptPage(Page::Index);
        QTest::newRow("Download key") << Page::Menu << "tool:Download Meter Readings" << 1 << OptPage(Page::MeterRead);
        QTest::newRow("Meter Control key") << Page::Menu << "tool:Meter Control" << 1 << OptPage();
        QTest::newRow("Data List key mmol/L") << Page::Menu << "tool:Data List" << 2 << OptPage(Page::R01unit);
        QTest::newRow("Data List key unit 7") << Page::Menu << "tool:Data List" << 7 << OptPage();
        QTest::newRow("Standard Day key") << Page::Menu << "tool:Standard Day" << 7 << OptPage(Page::R04);
        QTest::newRow("Line Graph key") << Page::Menu << "tool:Line Graph" << 1 << OptPage(Page::R02);
        QTest::newRow("Histogram key") << Page::Menu << "tool:Histogram" << 1 << OptPage(Page::R05);
        QTest::newRow("lower-case key") << Page::Menu << "tool:index" << 1 << OptPage(Page::Menu);
        QTest::newRow("unknown key") << Page::Menu << "tool:Line Graph(PC)" << 1 << OptPage(Page::Menu);
        QTest::newRow("Setup item") << Page::Menu << "menu:mnuSetup" << 2 << OptPage(Page::Index);
        QTest::newRow("About item") << Page::Menu << "menu:mnuAbout" << 1 << OptPage(Page::Menu);
        QTest::newRow("index meter picture") << Page::Index << "click:Picture1" << 1 << OptPage(Page::MeterRead);
        QTest::newRow("index Meter Readings") << Page::Index << "click:Command1" << 1 << OptPage(Page::MeterRead);
        QTest::newRow("index Reports") << Page::Index << "click:Command2" << 1 << OptPage(Page::Menu);
        QTest::newRow("menu data list mmol/L") << Page::Menu << "click:Picture1" << 2 << OptPage(Page::R01unit);
        QTest::newRow("menu caption") << Page::Menu << "click:Label1" << 1 << OptPage(Page::Menu);
    }
    void commands()
    {
        QFETCH(Page, from);
        QFETCH(QString, command);
        QFETCH(int, unit);
        QFETCH(OptPage, opens);
        m_state.user.unit = unit;
        // The start page, with a page under it.
        QPointer<QWidget> below = m_frame->showPage(Page::Index), start = m_frame->showPage(from);
        const QList<Page> before = loadedPages(*m_frame);
        const QString how = command.section(u':', 0, 0), name = command.section(u':', 1);
        if (how == QLatin1String("tool"))
            m_frame->toolbarClick(name);
        else if (how == QLatin1String("menu"))
            m_frame->findChild<QAction *>(name)->trigger();
        else if (QWidget *control = start->findChild<QWidget *>(name))
            QTest::mouseClick(control, Qt::LeftButton);
        else
            QFAIL("no such control");
        flushDeletes();
        const QList<Page> loaded = loadedPages(*m_frame);
        QCOMPARE(m_frame->findChild<QMdiArea *>()->subWindowList().size(), loaded.size());
        // Unless the command left the start page alone, every page is unloaded
        // first (CloseChildForms), the start page too.
        const bool alone = opens == from;
        QVERIFY(start.isNull() != alone && below.isNull() != alone);
        QCOMPARE(loaded, alone ? before : opens ? QList<Page>{*opens} : QList<Page>{});
    }

    void printing()
    {
        ScratchFolder folder;
        QPrinter printer;
        printer.setOutputFileName(folder.file(QStringLiteral("page.pdf")));
        m_frame->mnuPrintR->trigger();
        m_frame->printActivePage(printer);
        QVERIFY(!folder.exists(QStringLiteral("page.pdf")));
        m_frame->showPage(Page::Index);
        m_frame->printActivePage(printer);
        const QByteArray pdf = folder.read(QStringLiteral("page.pdf"));
        QVERIFY2(pdf.startsWith("%PDF-") && pdf.size() > 5000, "no page image in the PDF");

        QString title;
        // Print Setting is modal: cancel it from its own event loop.
        QTimer::singleShot(20, this, [&title] {
            title = QApplication::activeModalWidget()->windowTitle();
            QMetaObject::invokeMethod(QApplication::activeModalWidget(), "reject");
        });
        m_frame->mnuPSetup->trigger();
        QCOMPARE(title, QStringLiteral("畫面設定"));
    }

    void aboutBox()
    {
        m_frame->mnuAbout->trigger();
        m_frame->mnuAbout->trigger();
        const QList<frmAbout *> abouts = m_frame->findChildren<frmAbout *>();
        QVERIFY(abouts.size() == 1 && abouts[0]->isVisible() && abouts[0]->windowModality() == Qt::ApplicationModal);
        QTest::mouseClick(abouts[0]->cmdOK, Qt::LeftButton);
        flushDeletes();
        QVERIFY(m_frame->findChildren<frmAbout *>().isEmpty());
    }

    // The bar fills in tens, one a tick of its timer, and stays full.
    void splashFills()
    {
        frmSplash splash;
        QList<int> values{splash.ProgressBar1->value()};
        connect(splash.ProgressBar1, &QProgressBar::valueChanged, this, [&values](int v) { values << v; });
        for (int tick = 0; tick < 12; ++tick)
            QMetaObject::invokeMethod(splash.Timer1, "timeout");
        QCOMPARE(std::tuple(splash.Timer1->isActive(), splash.Timer1->interval(), values),
                 std::tuple(true, 100, QList<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    }

    void splashThenLoginThenFrame()
    {
        ScratchFolder folder;
        m_state.dataDir = folder.path();
        Startup startup(m_state);
        QElapsedTimer clock;
        clock.start();
        startup.run();
        QVERIFY(clock.elapsed() >= 1000);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<frmSplash *>(w) || !w->isVisible());
        // A login window reads its user list from a timer before its buttons work.
        QTRY_VERIFY(startup.login() && startup.login()->isVisible() && !startup.frame()->isVisible()
                    && !startup.login()->findChild<QTimer *>("Timerload")->isActive());

        // Adding a user leads back to a fresh login window that cannot add another.
        QTest::mouseClick(startup.login()->findChild<QPushButton *>("CommandAddNew"), Qt::LeftButton);
        flushDeletes();
        QVERIFY(!startup.login() && startup.loginAdd() && startup.loginAdd()->isVisible());
        for (const char *box : {"TextName", "TextPasswd", "TextCheck"})
            QTest::keyClicks(startup.loginAdd()->findChild<QLineEdit *>(box), QStringLiteral("anna"));
        QTest::mouseClick(startup.loginAdd()->findChild<QPushButton *>("CommandAddOk"), Qt::LeftButton);
        QCOMPARE(m_messages.single(), QStringLiteral("Add New User [anna] Successfully !!"));
        m_messages.clear();
        flushDeletes();
        QPointer<frmLogin> login = startup.login();
        QTRY_VERIFY(login && !startup.loginAdd() && !login->findChild<QTimer *>("Timerload")->isActive());
        QVERIFY(!login->findChild<QPushButton *>("CommandAddNew")->isEnabled());
        QCOMPARE(login->findChild<QComboBox *>("ComboName")->currentText(), QStringLiteral("anna"));
        login->findChild<QComboBox *>("ComboName")->setCurrentIndex(0); // guest
        QTest::mouseClick(login->findChild<QPushButton *>("CommandLoginIn"), Qt::LeftButton);
        QVERIFY(startup.isLoggedIn() && startup.frame()->isVisible());
        QCOMPARE(loadedPages(*startup.frame()), QList<Page>{Page::Index});
        flushDeletes();
        QVERIFY(!login);
    }
};

QTEST_MAIN(FrameTest)
#include "tst_frame.moc"
