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
#include "reports/ui/LineGraphWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMetaEnum>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScreen>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <map>
#include <memory>

Q_DECLARE_METATYPE(Page)
Q_DECLARE_METATYPE(std::optional<Page>)

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

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QMap<QObject *, int> *paints) : m_paints(paints) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++(*m_paints)[watched];
        return false;
    }

private:
    QMap<QObject *, int> *m_paints;
};
// The elements of an accessibility tree a user can reach or act on that have no
// name, as "Role objectName". The cells of tables and lists are their data,
// named by their texts; hidden elements are not read.
void unnamed(QAccessibleInterface *node, QStringList &out)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        const bool actionable = child->actionInterface() && !child->actionInterface()->actionNames().isEmpty();
        if ((child->state().focusable || actionable) && child->text(QAccessible::Name).trimmed().isEmpty()) {
            const QObject *o = child->object();
            out << QStringLiteral("%1 %2 %3").arg(QLatin1String(QMetaEnum::fromType<QAccessible::Role>().valueToKey(child->role())),
                                                  QLatin1String(o ? o->metaObject()->className() : ""),
                                                  o ? o->objectName() : QString());
        }
        if (!child->tableInterface() && child->role() != QAccessible::List)
            unnamed(child, out);
    }
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
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<frmMain> m_frame;

private Q_SLOTS:
    void init()
    {
        m_state = std::make_unique<AppState>();
        // One reading, so the reports open without their no-data message.
        m_state->store.setContent(crlf({ReadingFile::kHeader, "T0001,00123,03,05,07,05,C,06.8,2006,2006/03/05 - 07:05"}));
        m_frame = std::make_unique<frmMain>(*m_state);
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

    // With the font at twice its size, every element a user can reach is named,
    // every text fits its label, and every chart has a name and a description
    // stating the figures its page shows (the labels named in figures).
    void accessible_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("figures");
        QTest::addColumn<QString>("description"); // of the window's chart
        QTest::newRow("frame") << "frame" << QStringList() << "";
        for (const char *window : {"index", "menu", "download", "data list", "settings", "login", "new user", "about",
                                   "export", "doctor's report"})
            QTest::newRow(window) << window << QStringList() << "";
        const QStringList statistics{"Label2", "Label12", "Label13"};
        QTest::newRow("line graph") << "line graph" << statistics
            << "Line graph, 3 readings from 2006/3/5 to 2006/3/7, highest 250, lowest 60 mg/dL";
        QTest::newRow("line graph mmol/L") << "line graph mmol/L" << statistics
            << "Line graph, 3 readings from 2006/3/5 to 2006/3/7, highest 13.9, lowest 3.3 mmol/L";
        QTest::newRow("PC line graph") << "PC line graph" << statistics
            << "PC line graph, 1 reading from 2006/3/6 to 2006/3/6, highest 250, lowest 250 mg/dL";
        QTest::newRow("standard day") << "standard day" << QStringList() << "Standard day, no day chosen";
        QTest::newRow("histogram") << "histogram" << statistics
            << "Histogram, 3 readings from 2006/3/5 to 2006/3/7, highest 250, lowest 60 mg/dL, most in <61 (1)";
        QTest::newRow("summary") << "summary" << QStringList{"SummaryBelow70", "SummaryInRange", "SummaryAbove180"}
            << "Band bar, 3 readings: Below 54 mg/dL 0.0 %, 54–69 mg/dL 33.3 %, 70–180 mg/dL 33.3 %, "
               "181–250 mg/dL 33.3 %, Above 250 mg/dL 0.0 %";
        QTest::newRow("overlay day") << "overlay day" << QStringList() << "Overlay day, 3 readings, a median for 0 of 24 hours";
    }
    void accessible()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, figures);
        QFETCH(QString, description);
        const QFont usual = QApplication::font();
        QFont doubled = usual;
        doubled.setPointSizeF(2 * usual.pointSizeF());
        QApplication::setFont(doubled);
        const auto restore = qScopeGuard([&usual] { QApplication::setFont(usual); });
        // As on a desktop set so before the program starts.
        m_state->store.setContent(crlf({ReadingFile::kHeader, "T0001,00060,03,07,20,00,C,03.3,2006,2006/03/07 - 20:00",
                                        "T0002,00250,03,06,09,30,PC,13.9,2006,2006/03/06 - 09:30",
                                        "T0003,00123,03,05,07,05,C,06.8,2006,2006/03/05 - 07:05"}));
        m_state->user.unit = window.endsWith(QLatin1String("mmol/L")) ? 2 : 1;
        m_state->user.dateFormat = 1;
        m_frame = std::make_unique<frmMain>(*m_state);

        ScratchFolder folder;
        m_state->dataDir = folder.path();
        const std::map<QString, Page> pages{
            {"index", Page::Index}, {"menu", Page::Menu}, {"download", Page::MeterRead}, {"data list", Page::R01},
            {"line graph", Page::R02}, {"line graph mmol/L", Page::R02unit}, {"PC line graph", Page::R02p},
            {"standard day", Page::R04}, {"histogram", Page::R05}, {"summary", Page::Summary},
            {"overlay day", Page::OverlayDay}};
        std::unique_ptr<QWidget> own;
        QWidget *w = nullptr;
        if (pages.count(window)) {
            w = m_frame->showPage(pages.at(window));
        } else if (window == "frame") {
            w = m_frame.get();
        } else if (window == "settings" || window == "export" || window == "doctor's report") {
            const std::map<QString, std::pair<const char *, const char *>> items{
                {"settings", {"mnuSetup", "frmSet"}},
                {"export", {"mnuExport", "ExportReadingsWindow"}},
                {"doctor's report", {"mnuDoctorReport", "DoctorReportWindow"}}};
            const auto [item, name] = items.at(window);
            m_frame->findChild<QAction *>(item)->trigger();
            for (QWidget *top : QApplication::topLevelWidgets())
                if (top->objectName() == QLatin1String(name))
                    own.reset(w = top);
        } else {
            own.reset(window == "login" ? static_cast<QWidget *>(new frmLogin(folder.path(), m_state->store))
                      : window == "new user" ? static_cast<QWidget *>(new frmLoginAdd(folder.path()))
                                             : new frmAbout);
            w = own.get();
        }
        QVERIFY(w);
        m_frame->show();
        w->show();
        QApplication::processEvents();

        QStringList missing;
        unnamed(QAccessible::queryAccessibleInterface(w->window()), missing);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
        for (const QLabel *label : w->findChildren<QLabel *>()) {
            const QSize need = label->minimumSizeHint();
            // The standard day's hour bands keep their texts for the dump and show only their colour.
            const bool shown = !label->styleSheet().contains(QLatin1String("color: transparent"));
            if (label->isVisible() && shown && !label->wordWrap() && !label->text().isEmpty())
                QVERIFY2(label->width() >= need.width() && label->height() >= need.height(),
                         qPrintable(QStringLiteral("%1 %2: %3x%4, needs %5x%6").arg(label->objectName(), label->text())
                                        .arg(label->width()).arg(label->height()).arg(need.width()).arg(need.height())));
        }
        const QList<QChartView *> charts = w->findChildren<QChartView *>();
        QCOMPARE(charts.size(), description.isEmpty() ? 0 : 1);
        for (QChartView *chart : charts) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(chart);
            QVERIFY(!a->text(QAccessible::Name).isEmpty());
            QCOMPARE(a->text(QAccessible::Description), description);
            for (const QString &figure : figures) {
                const QString shown = w->findChild<QLabel *>(figure)->text();
                QVERIFY2(description.contains(shown), qPrintable(figure + u' ' + shown));
            }
        }
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
    }

    // command: "tool:" a toolbar key, "menu:" a menu item, "click:" a control of
    // the start page, "key:" Enter on it after Tab reached it. opens: the page in front afterwards; the start page itself
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
        QTest::newRow("Line Graph key mmol/L") << Page::Menu << "tool:Line Graph" << 2 << OptPage(Page::R02unit);
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
        QTest::newRow("menu line graph by keyboard") << Page::Menu << "key:Picture3" << 1 << OptPage(Page::R02);
    }
    void commands()
    {
        QFETCH(Page, from);
        QFETCH(QString, command);
        QFETCH(int, unit);
        QFETCH(OptPage, opens);
        m_state->user.unit = unit;
        // The start page, with a page under it.
        QPointer<QWidget> below = m_frame->showPage(Page::Index), start = m_frame->showPage(from);
        const QList<Page> before = loadedPages(*m_frame);
        const QString how = command.section(u':', 0, 0), name = command.section(u':', 1);
        if (how == QLatin1String("tool"))
            m_frame->toolbarClick(name);
        else if (how == QLatin1String("menu"))
            m_frame->findChild<QAction *>(name)->trigger();
        else if (QWidget *control = start->findChild<QWidget *>(name); control && how == u"key") {
            QVERIFY(control->focusPolicy() & Qt::TabFocus);
            QTest::keyClick(control, Qt::Key_Return);
        } else if (control)
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

    // To a PDF file: one landscape page for a wide page, drawn without what only
    // the pointer brings up; a file that cannot be opened says so.
    void printing()
    {
        ScratchFolder folder;
        QPrinter printer;
        printer.setOutputFileName(folder.file(QStringLiteral("page.pdf")));
        m_frame->mnuPrintR->trigger();
        QVERIFY(!m_frame->printActivePage(printer) && !folder.exists(QStringLiteral("page.pdf")));
        auto *graph = static_cast<LineGraphWindow *>(m_frame->showPage(Page::R02));
        QMap<QObject *, int> paints;
        PaintCounter counter(&paints);
        for (QLabel *label : {graph->Text3, graph->Text4, graph->Label1})
            label->installEventFilter(&counter);
        const bool detailsShown = graph->Text4->isVisibleTo(graph);
        QVERIFY(m_frame->printActivePage(printer));
        QCOMPARE(std::tuple(paints.value(graph->Text3), paints.value(graph->Text4), paints.value(graph->Label1) > 0,
                            graph->Text4->isVisibleTo(graph)),
                 std::tuple(0, 0, true, detailsShown));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {folder.file(QStringLiteral("page.pdf"))});
        QVERIFY(info.waitForFinished());
        const QRegularExpressionMatch seen =
            QRegularExpression(QStringLiteral("Pages:\\s+(\\d+).*Page size:\\s+([\\d.]+) x ([\\d.]+)"),
                               QRegularExpression::DotMatchesEverythingOption)
                .match(QString::fromLocal8Bit(info.readAllStandardOutput()));
        QVERIFY2(seen.hasMatch() && seen.captured(1) == u"1" && seen.captured(2).toDouble() > seen.captured(3).toDouble(),
                 "not one landscape page");

        printer.setOutputFileName(folder.file(QStringLiteral("no such folder/page.pdf")));
        QVERIFY(!m_frame->printActivePage(printer));
        QCOMPARE(m_messages.single(),
                 QStringLiteral("The page could not be printed: the printer or file could not be opened."));
        m_messages.clear();

        QString title;
        // Print Setting is modal: cancel it from its own event loop.
        QTimer::singleShot(20, this, [&title] {
            title = QApplication::activeModalWidget()->windowTitle();
            QMetaObject::invokeMethod(QApplication::activeModalWidget(), "reject");
        });
        m_frame->mnuPSetup->trigger();
        QCOMPARE(title, QStringLiteral("畫面設定"));
    }

    // The frame fits the screen; its own windows belong to it and open on the
    // screen, even with the frame at the screen's corner.
    void ownWindows_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::newRow("settings") << "mnuSetup" << "frmSet";
        QTest::newRow("export") << "mnuExport" << "ExportReadingsWindow";
        QTest::newRow("doctor's report") << "mnuDoctorReport" << "DoctorReportWindow";
    }
    void ownWindows()
    {
        QFETCH(QString, item);
        QFETCH(QString, window);
        const QRect screen = m_frame->screen()->availableGeometry();
        QVERIFY(m_frame->width() <= screen.width() && m_frame->height() <= screen.height());
        m_frame->showPage(Page::Index);
        m_frame->move(screen.bottomRight() - QPoint(100, 100));
        m_frame->findChild<QAction *>(item)->trigger();
        auto *opened = m_frame->findChild<QWidget *>(window, Qt::FindDirectChildrenOnly);
        QVERIFY(opened && opened->isWindow() && opened->isVisible());
        QVERIFY(screen.contains(opened->frameGeometry()));
    }

    // Where nothing can show a folder (as on the screenless platform), Open Data
    // Folder says where the folder is.
    void dataFolderAsPath()
    {
        m_state->dataDir = QStringLiteral("/data/dextrel");
        m_frame->mnuDataFolder->trigger();
        QCOMPARE(m_messages.single(),
                 QStringLiteral("No program to show the folder was found. Your readings are in:\n/data/dextrel"));
        m_messages.clear();
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
        m_state->dataDir = folder.path();
        Startup startup(*m_state);
        startup.run(false);
        QVERIFY(startup.frame() && !startup.frame()->isVisible());
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<frmSplash *>(w));
        // A login window reads its user list from a timer (fired here at once) before its buttons work.
        const auto listUsers = [](frmLogin *login) {
            QMetaObject::invokeMethod(login->findChild<QTimer *>("Timerload"), "timeout");
        };
        QVERIFY(startup.login() && startup.login()->isVisible());
        listUsers(startup.login());

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
        QVERIFY(login && !startup.loginAdd());
        listUsers(login);
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
