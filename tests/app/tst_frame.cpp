#include "app/AppState.h"
#include "app/ui/Startup.h"
#include "app/ui/WaitSeconds.h"
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

#include <algorithm>
#include <memory>

Q_DECLARE_METATYPE(Page)
Q_DECLARE_METATYPE(std::optional<Page>)
Q_DECLARE_METATYPE(PageCommand)

namespace {
QList<Page> loadedPages(const frmMain &frame)
{
    QList<Page> out;
    const QList<Page> all = Pages::all();
    std::copy_if(all.begin(), all.end(), std::back_inserter(out), [&frame](Page p) { return frame.page(p); });
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
        m_frame = std::make_unique<frmMain>(m_state);
    }
    // Any message box is a fault, except the one the download page shows on a
    // machine without the meter's serial port.
    void cleanup()
    {
        m_frame.reset();
        flushDeletes();
        QStringList unexpected = m_messages.texts();
        unexpected.removeAll(MeterTexts::kPortError);
        m_messages.clear();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(u'\n')));
    }

    // The report page that serves the user's glucose unit: 1 mg/dL, 2 mmol/L.
    void pageForUnit_data()
    {
        QTest::addColumn<PageCommand>("command");
        QTest::addColumn<int>("unit");
        QTest::addColumn<std::optional<Page>>("page");
        const std::optional<Page> none;
        QTest::newRow("data list mg/dL") << PageCommand::DataList << 1 << std::optional(Page::R01);
        QTest::newRow("data list mmol/L") << PageCommand::DataList << 2 << std::optional(Page::R01unit);
        QTest::newRow("data list unit 7") << PageCommand::DataList << 7 << none;
        QTest::newRow("line graph mg/dL") << PageCommand::LineGraph << 1 << std::optional(Page::R02);
        QTest::newRow("line graph mmol/L") << PageCommand::LineGraph << 2 << std::optional(Page::R02unit);
        QTest::newRow("line graph unit -1") << PageCommand::LineGraph << -1 << none;
        QTest::newRow("meal graph mg/dL") << PageCommand::PcLineGraph << 1 << std::optional(Page::R02p);
        QTest::newRow("meal graph mmol/L") << PageCommand::PcLineGraph << 2 << std::optional(Page::R02unitp);
        QTest::newRow("meal graph unit 3") << PageCommand::PcLineGraph << 3 << none;
        QTest::newRow("standard day any unit") << PageCommand::StandardDay << 7 << std::optional(Page::R04);
        QTest::newRow("histogram any unit") << PageCommand::Histogram << 0 << std::optional(Page::R05);
    }
    void pageForUnit()
    {
        QFETCH(PageCommand, command);
        QFETCH(int, unit);
        QFETCH(std::optional<Page>, page);
        QCOMPARE(PageCommands::pageFor(command, unit), page);
    }

    void texts_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control"); // empty: the window caption
        QTest::addColumn<QString>("text");
        const auto row = [](const char *window, const char *control, const char *text) {
            QTest::addRow("%s %s", window, *control ? control : "caption")
                << window << control << QString::fromUtf8(text);
        };
        row("frame", "", "Dextrel Management Software v1.2");
        row("frame", "Panel1", "Dextrel Management Software");
        row("index", "", "Welcome!");
        row("index", "lblProductName", "Dextrel  Management Software");
        row("index", "Label1",
            "Welcome to the Dextrel Management Software,a software that offers a database of information to help "
            "better manage an individual's diabetes.");
        row("index", "Label2",
            "The software is not intended to provide medical advice. Consult with your health care professional "
            "before making any life changing decisions (i.e. your diet, exercise program or medication.).");
        row("index", "Label3", "The software was developed exclusively by DX for use with Glucose Monitoring System.");
        row("index", "Command1", "Meter Readings");
        row("index", "Command2", "Reports");
        row("menu", "", "View Reports");
        row("menu", "lblCompanyProduct", "View Reports");
        row("menu", "Label1", "Data List");
        row("menu", "Label2", "Standard Day");
        row("menu", "Label3", "Line Graph");
        row("menu", "Label5", "Histogram");
        row("about", "", "About...");
        row("about", "lblTitle", "Dextrel Management Software                         Vision  1.2");
        row("about", "cmdOK", "OK");
        row("splash", "lblProductName", "Dextrel Management Software");
    }
    void texts()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, text);
        frmAbout about;
        frmSplash splash;
        QWidget *w = window == QLatin1String("about")    ? &about
                     : window == QLatin1String("splash") ? &splash
                     : window == QLatin1String("frame")  ? m_frame.get()
                     : m_frame->showPage(window == QLatin1String("menu") ? Page::Menu : Page::Index);
        QWidget *target = w->findChild<QWidget *>(control);
        QVERIFY2(control.isEmpty() || target, qPrintable(control));
        QCOMPARE(control.isEmpty() ? w->windowTitle() : target->property("text").toString(), text);
    }

    // The menu itself first, then its items: "objectName caption", "-" in front
    // when not available.
    void menus_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("items");
        const auto row = [](int position, const QStringList &items) {
            QTest::addRow("%d", position) << position << items;
        };
        row(0, {"mnuMain Main(&M)", "mnuIndex Index(&I)", "mnuSetup Setup(&S)...", "-mnuLogout Logout(&O)...",
                "mnuExit Exit(&E)"});
        row(1, {"mnuMeter Meter(&M)", "mnuMeterRead Download Meter Readings(&D)",
                "-mnuMeterControl Meter Control(&C)..."});
        row(2, {"mnuReport Report(&R)", "mnuReport1 Data List(&L)", "mnuReport2 Standard Day(&D)",
                "mnuReport5 Line Graph(&G)", "-mnuReport6 PC Line Graph(&P)", "-mnuReport3 Line Graph(&G)",
                "mnuReport4 Histogram(&H)"});
        row(3, {"mnuPrint Print(&P)", "mnuPSetup Print Setting(&S)...", "mnuPrintR Print Report(&R)"});
        row(4, {"mnuHelp Help(&H)", "mnuWeb Our Web(&W)", "mnuAbout About(&A)"});
    }
    void menus()
    {
        QFETCH(int, position);
        QFETCH(QStringList, items);
        const QAction *bar = m_frame->menuBar()->actions().value(position);
        QVERIFY(bar && bar->menu() && bar->isEnabled());
        QStringList seen{bar->menu()->objectName() + u' ' + bar->text()};
        for (const QAction *a : bar->menu()->actions())
            seen << QLatin1String(a->isEnabled() ? "" : "-") + a->objectName() + u' ' + a->text();
        QCOMPARE(seen, items);
    }

    void toolbar()
    {
        QStringList seen;
        for (QAction *action : m_frame->tbToolBar->actions()) {
            seen << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
            QVERIFY(action->isSeparator() || !action->icon().isNull());
        }
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
        QTest::addColumn<std::optional<Page>>("opens");
        const auto row = [](const char *tag, Page from, const char *command, int unit, std::optional<Page> opens) {
            QTest::newRow(tag) << from << command << unit << opens;
        };
        row("Index key", Page::Menu, "tool:Index", 1, Page::Index);
        row("Download key", Page::Menu, "tool:Download Meter Readings", 1, Page::MeterRead);
        row("Meter Control key", Page::Menu, "tool:Meter Control", 1, std::nullopt);
        row("Data List key mmol/L", Page::Menu, "tool:Data List", 2, Page::R01unit);
        row("Data List key unit 7", Page::Menu, "tool:Data List", 7, std::nullopt);
        row("Standard Day key", Page::Menu, "tool:Standard Day", 7, Page::R04);
        row("Line Graph key", Page::Menu, "tool:Line Graph", 1, Page::R02);
        row("Histogram key", Page::Menu, "tool:Histogram", 1, Page::R05);
        row("lower-case key", Page::Menu, "tool:index", 1, Page::Menu);
        row("unknown key", Page::Menu, "tool:Line Graph(PC)", 1, Page::Menu);
        row("Setup item", Page::Menu, "menu:mnuSetup", 2, Page::Index);
        row("About item", Page::Menu, "menu:mnuAbout", 1, Page::Menu);
        row("index meter picture", Page::Index, "click:Picture1", 1, Page::MeterRead);
        row("index Meter Readings", Page::Index, "click:Command1", 1, Page::MeterRead);
        row("index Reports", Page::Index, "click:Command2", 1, Page::Menu);
        row("menu data list mmol/L", Page::Menu, "click:Picture1", 2, Page::R01unit);
        row("menu caption", Page::Menu, "click:Label1", 1, Page::Menu);
    }
    void commands()
    {
        QFETCH(Page, from);
        QFETCH(QString, command);
        QFETCH(int, unit);
        QFETCH(std::optional<Page>, opens);
        m_state.user.unit = unit;
        QPointer<QWidget> below = m_frame->showPage(Page::Index); // a page under the start page
        QPointer<QWidget> start = m_frame->showPage(from);
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
        if (opens == from) {
            QVERIFY(start && below);
            QCOMPARE(loaded, before);
            return;
        }
        // Every page is unloaded first (CloseChildForms), the start page too; a
        // page this build lacks leaves none.
        QVERIFY(!start && !below);
        QVERIFY(loaded.isEmpty() || (opens && loaded == QList<Page>{*opens}));
        QVERIFY((opens != Page::Index && opens != Page::Menu) || m_frame->page(*opens));
    }

    void printing()
    {
        ScratchFolder folder;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.file(QStringLiteral("page.pdf")));
        m_frame->mnuPrintR->trigger();
        m_frame->printActivePage(printer);
        QVERIFY(!folder.exists(QStringLiteral("page.pdf")));
        m_frame->showPage(Page::Index);
        m_frame->printActivePage(printer);
        const QByteArray pdf = folder.read(QStringLiteral("page.pdf"));
        QVERIFY2(pdf.startsWith("%PDF-") && pdf.size() > 5000, "no page image in the PDF");

        QString title;
        QTimer answer; // Print Setting is modal: cancel it from a timer
        connect(&answer, &QTimer::timeout, this, [&title] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                title = dialog->windowTitle();
                QMetaObject::invokeMethod(dialog, "reject");
            }
        });
        answer.start(20);
        m_frame->mnuPSetup->trigger();
        QCOMPARE(title, QStringLiteral("畫面設定"));
    }

    void aboutBox()
    {
        m_frame->mnuAbout->trigger();
        m_frame->mnuAbout->trigger();
        QCOMPARE(m_frame->findChildren<frmAbout *>().size(), 1);
        auto *about = m_frame->findChild<frmAbout *>();
        QVERIFY(about->isVisible() && about->windowModality() == Qt::ApplicationModal);
        QTest::mouseClick(about->cmdOK, Qt::LeftButton);
        flushDeletes();
        QVERIFY(m_frame->findChildren<frmAbout *>().isEmpty());
    }

    void splashFillsInASecond()
    {
        frmSplash splash;
        QCOMPARE(splash.ProgressBar1->value(), 0);
        QList<int> values;
        connect(splash.ProgressBar1, &QProgressBar::valueChanged, this, [&values](int v) { values << v; });
        splash.show();
        QTest::qWait(1600);
        QCOMPARE(values, (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
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
        const auto button = [](QWidget *window, const char *name) {
            return window->findChild<QPushButton *>(QLatin1String(name));
        };
        // The user list is read from a timer before the buttons work.
        const auto listed = [](frmLogin *login) {
            auto *listTimer = login->findChild<QTimer *>(QStringLiteral("Timerload"));
            return QTest::qWaitFor([listTimer] { return !listTimer->isActive(); });
        };
        QVERIFY(startup.login() && startup.login()->isVisible() && !startup.frame()->isVisible());
        QVERIFY(listed(startup.login()));

        // Adding a user leads back to a fresh login window that cannot add another.
        QTest::mouseClick(button(startup.login(), "CommandAddNew"), Qt::LeftButton);
        flushDeletes();
        QVERIFY(!startup.login() && startup.loginAdd() && startup.loginAdd()->isVisible());
        for (const char *box : {"TextName", "TextPasswd", "TextCheck"})
            QTest::keyClicks(startup.loginAdd()->findChild<QLineEdit *>(QLatin1String(box)), QStringLiteral("anna"));
        QTest::mouseClick(button(startup.loginAdd(), "CommandAddOk"), Qt::LeftButton);
        QCOMPARE(m_messages.single(), QStringLiteral("Add New User [anna] Successfully !!"));
        m_messages.clear();
        flushDeletes();
        QPointer<frmLogin> login = startup.login();
        QVERIFY(login && !startup.loginAdd() && listed(login));
        QVERIFY(!button(login, "CommandAddNew")->isEnabled());
        auto *names = login->findChild<QComboBox *>(QStringLiteral("ComboName"));
        QCOMPARE(names->currentText(), QStringLiteral("anna"));
        names->setCurrentIndex(0);  // guest
        QTest::mouseClick(button(login, "CommandLoginIn"), Qt::LeftButton);
        QVERIFY(startup.isLoggedIn() && startup.frame()->isVisible());
        QCOMPARE(loadedPages(*startup.frame()), QList<Page>{Page::Index});
        flushDeletes();
        QVERIFY(!login);
    }

    void waitSecondsKeepsTimersTicking()
    {
        bool fired = false;
        QTimer::singleShot(100, this, [&fired] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        WaitSeconds(1);
        QVERIFY2(clock.elapsed() >= 1000 && clock.elapsed() < 1800, QByteArray::number(clock.elapsed()));
        QVERIFY(fired);
    }
};

QTEST_MAIN(FrameTest)
#include "tst_frame.moc"
