#include "app/AppState.h"
#include "app/ui/Startup.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frmMain.h"
#include "app/ui/frmSplash.h"
#include "common/MessageRecorder.h"
#include "common/PageChecks.h"
#include "common/TestData.h"
#include "help/ui/frmBrowser.h"
#include "meter/MeterTexts.h"
#include "meter/ui/frmFindMeter.h"
#include "platform/SerialPortCatalogue.h"
#include "platform/UiLanguage.h"
#include "platform/ui/LanguageFont.h"
#include "users/ui/frmSet.h"
#include "users/ui/frmLogin.h"
#include "users/ui/frmLoginAdd.h"
#include "reports/ui/LineGraphWindow.h"
#include "reports/ui/chart/ChartView.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QScopeGuard>
#include <QScreen>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <memory>

namespace {

// The objectNames of the pages loaded in the frame.
QStringList loadedPages(const frmMain &frame)
{
    QStringList out;
    for (const QMdiSubWindow *sub : frame.findChild<QMdiArea *>()->subWindowList())
        out << sub->widget()->objectName();
    return out;
}

// Counts the paint events of the widgets it watches.
struct PaintCounter : QObject
{
    QMap<QObject *, int> paints;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        paints[watched] += event->type() == QEvent::Paint;
        return false;
    }
};

// The elements of an accessibility tree a user can reach or act on that have no
// name, by class and objectName (or role). The cells of tables and lists are their data,
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
            out << (o ? QLatin1String(o->metaObject()->className()) + u' ' + o->objectName()
                      : QStringLiteral("role %1").arg(child->role()))
                       + QStringLiteral(" without a name");
        }
        if (!child->tableInterface() && child->role() != QAccessible::List)
            unnamed(child, out);
    }
}

// What keeps a person who sees poorly (the font at twice its size) from using a
// window: an element without a name, a text its label cuts off, a chart that is
// not a named chart to a screen reader or whose texts are cut or overlap.
QStringList accessProblems(QWidget *window)
{
    QStringList out;
    unnamed(QAccessible::queryAccessibleInterface(window), out);
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const QSize need = label->minimumSizeHint();
        // The standard day's hour bands keep their texts for the dump and show only their colour.
        const bool shown = label->palette().color(label->foregroundRole()).alpha() > 0;
        if (label->isVisible() && shown && !label->wordWrap() && !label->text().isEmpty()
            && (label->width() < need.width() || label->height() < need.height()))
            out << QStringLiteral("%1 %2: %3x%4, needs %5x%6")
                       .arg(label->objectName(), label->text())
                       .arg(label->width())
                       .arg(label->height())
                       .arg(need.width())
                       .arg(need.height());
    }
    for (ChartView *chart : window->findChildren<ChartView *>()) {
        const QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(chart);
        if (reader->role() != QAccessible::Chart || reader->text(QAccessible::Name).isEmpty())
            out << QStringLiteral("chart %1 without a name or not a chart").arg(chart->objectName());
        if (chart->isVisible())
            out << PageChecks::cutTexts(chart);
    }
    return out;
}

// No serial port: the settings list none, Find Meter has none to try.
struct NoPorts : SerialPortCatalogue
{
    QList<SerialPortEntry> ports() const override { return {}; }
};

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
    NoPorts m_noPorts;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<frmMain> m_frame;

private Q_SLOTS:
    // The font at twice its size, as on a desktop set so for a person who sees
    // poorly before the program starts.
    void initTestCase()
    {
        QFont doubled = QApplication::font();
        doubled.setPointSizeF(2 * doubled.pointSizeF());
        QApplication::setFont(doubled);
        // No test prints on a real printer: print jobs go to PDF files.
        qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
        SerialPorts::setCatalogue(&m_noPorts);
    }
    void init()
    {
        m_state = std::make_unique<AppState>();
        // So the reports open without their no-data message.
        m_state->store.setContent(crlf({ReadingFile::kHeader, "T0001,00060,03,07,20,00,C,03.3,2006,2006/03/07 - 20:00",
                                        "T0002,00250,03,06,09,30,PC,13.9,2006,2006/03/06 - 09:30",
                                        "T0003,00123,03,05,07,05,C,06.8,2006,2006/03/05 - 07:05"}));
        m_state->user = UserSettings{"ann", 1, 1, 1, 120, 80, 120, 80};
        m_frame = std::make_unique<frmMain>(*m_state);
    }
    // Any message box is a fault, except the one the download page shows on a
    // machine without the meter's serial port, and an export's count.
    void cleanup()
    {
        m_frame.reset();
        flushDeletes();
        QStringList unexpected = m_messages.texts();
        unexpected.removeIf(
            [](const QString &t) { return t.startsWith(MeterTexts::kPortError + '\n') || t.endsWith(u".csv"); });
        m_messages.clear();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(u'\n')));
    }

    // Each window's caption, then the texts of its named controls; each menu with
    // its items, "-" in front when not available; the toolbar's tooltips.
    void texts()
    {
        frmAbout about;
        const auto texts = [](QWidget *window, const QList<const char *> &names) {
            QStringList out{window->windowTitle()};
            for (const char *name : names)
                out << window->findChild<QWidget *>(name)->property("text").toString();
            return out.join(u'|');
        };
        const QList<const char *> index{"lblProductName", "Label1", "Label2", "Label3", "Command1", "Command2"};
        const QList<const char *> menu{"lblCompanyProduct", "Label1", "Label2", "Label3", "Label5"};
        QStringList seen{texts(m_frame.get(), {"Panel1"}), texts(&about, {"lblTitle", "cmdOK"}),
                         texts(m_frame->open(PageCommands::kIndex), index),
                         texts(m_frame->open(PageCommands::kMenu), menu)};
        const auto item = [](const QAction *a) { return QLatin1String(a->isEnabled() ? "" : "-") + a->text(); };
        for (const QAction *bar : m_frame->menuBar()->actions()) {
            QStringList items;
            for (const QAction *a : bar->menu()->actions())
                items << item(a);
            seen << item(bar) + QStringLiteral(": ") + items.join(QStringLiteral(", "));
        }
        QStringList tools;
        for (QAction *action : m_frame->tbToolBar->actions())
            tools << (action->isSeparator() ? "|" : action->icon().isNull() ? "no icon" : action->toolTip());
        QCOMPARE(
            seen << tools.join(QStringLiteral(", ")),
            (QStringList{
                "Dextrel Management Software v1.2|Dextrel Management Software",
                "About...|Dextrel Management Software                         Vision  1.2|OK",
                "Welcome!|Dextrel  Management Software|Welcome to the Dextrel Management Software,a software that "
                "offers a "
                "database of information to help better manage an individual's diabetes.|The software is not intended "
                "to "
                "provide medical advice. Consult with your health care professional before making any life changing "
                "decisions (i.e. your diet, exercise program or medication.).|The software was developed exclusively "
                "by "
                "DX for use with Glucose Monitoring System.|Meter Readings|Reports",
                "View Reports|View Reports|Data List|Standard Day|Line Graph|Histogram",
                "Main(&M): Index(&I), Setup(&S)..., Export Readings(&X)..., Report for My Doctor(&R)..., "
                "-Logout(&O)..., "
                "Exit(&E)",
                "Meter(&M): Download Meter Readings(&D), -Meter Control(&C)...",
                "Report(&R): Data List(&L), Standard Day(&D), Line Graph(&G), -PC Line Graph(&P), -Line Graph(&G), "
                "Histogram(&H), Summary(&U), Overlay Day(&O)",
                "Print(&P): Print Setting(&S)..., Print Report(&R)",
                "Help(&H): Our Web(&W), Open Data Folder, About(&A)",
                "Index, Setup, |, Download Meter Readings, Meter Control, |, Data List, Standard Day, Line Graph, "
                "Histogram, |, Print Report"}));
    }

    // To a PDF file: landscape for a wide page, drawn without what only the
    // pointer brings up, readable by the user alone; a file that cannot be
    // opened says so. Print Report asks for the file in the documents folder
    // first, then where the last one went, named after the page.
    void printing()
    {
        ScratchFolder folder;
        QPrinter printer;
        printer.setOutputFileName(folder.file(QStringLiteral("page.pdf")));
        m_frame->mnuPrintR->trigger();
        QVERIFY(!m_frame->printActivePage(printer) && !folder.exists(QStringLiteral("page.pdf")));
        auto *graph = static_cast<LineGraphWindow *>(m_frame->open(PageCommands::kLineGraph));
        PaintCounter counter;
        for (QLabel *label : {graph->marker, graph->details, graph->idCaption})
            label->installEventFilter(&counter);
        const bool detailsShown = graph->details->isVisibleTo(graph);
        QVERIFY(m_frame->printActivePage(printer));
        const QMap<QObject *, int> &paints = counter.paints;
        QCOMPARE(std::tuple(paints.value(graph->marker), paints.value(graph->details),
                            paints.value(graph->idCaption) > 0, graph->details->isVisibleTo(graph),
                            printer.pageLayout().orientation()),
                 std::tuple(0, 0, true, detailsShown, QPageLayout::Landscape));
        const auto restoreHome = qScopeGuard([home = qgetenv("HOME")] { qputenv("HOME", home); });
        qputenv("HOME", QFile::encodeName(folder.path()));
        QVERIFY(QDir(folder.path()).mkdir("Documents"));
        m_messages.saveAnswers = {folder.file("printed")};
        m_frame->mnuPrintR->trigger();
        m_frame->open(PageCommand("overlayday"));
        m_frame->mnuPrintR->trigger();
#ifdef Q_OS_WIN
        // Windows keeps the user's documents elsewhere than HOME says.
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
#else
        const QString documents = folder.file("Documents");
        QCOMPARE(QFileInfo(folder.file("printed.pdf")).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
#endif
        QCOMPARE(m_messages.saveQuestions, (QStringList{"Print to PDF: " + documents + "/ann-line-graph.pdf",
                                                        "Print to PDF: " + folder.file("ann-overlay-day.pdf")}));

        printer.setOutputFileName(folder.file(QStringLiteral("no such folder/page.pdf")));
        QVERIFY(!m_frame->printActivePage(printer));
        QCOMPARE(m_messages.single(),
                 QStringLiteral("The page could not be printed: the printer or file could not be opened."));
        m_messages.clear();

#ifdef Q_OS_UNIX
        // Print Setting is modal: cancel it from its own event loop. (Windows's
        // is the system's own dialog, which no Qt window stands for.)
        QString title;
        QTimer::singleShot(20, this, [&title] {
            title = QApplication::activeModalWidget()->windowTitle();
            QMetaObject::invokeMethod(QApplication::activeModalWidget(), "reject");
        });
        m_frame->mnuPSetup->trigger();
        QCOMPARE(title, QStringLiteral("畫面設定"));
#endif
    }

    // The commands of the frame and its pages one after the other, the frame at
    // the screen's corner. Each leaves loaded the page it opens ("": none; "same":
    // the one before, untouched; any other command unloads every page first, the
    // one before too), and in front the window given (none: the frame, clicked
    // before each step) with the control that has the focus. Every window on the
    // screen is fit for a person who sees poorly, on the screen, one of its name,
    // and a dialog of the frame (Find Meter: of the settings; the help browser: a
    // window it owns); every chart says what it shows. "tool:" a toolbar key,
    // "menu:" a menu item, "click:" a control of the page ("frmSet:" of that
    // window), "key:" Enter on it after Tab reached it, "Enter:"/"Escape:" the
    // key in that window, which it may close (Browse is answered x.csv).
    void commands()
    {
        const struct
        {
            const char *command;
            int unit;
            const char *opens;
            const char *front = "";
        } steps[] = {
            {"tool:Index", 1, "frmIndex"},
            {"tool:index", 1, "same"},
            {"tool:Line Graph(PC)", 1, "same"},
            {"click:Command1", 1, "frmMeterRead"},
            {"click:CmdReportPC", 1, "frmR02p"},
            {"menu:mnuSetup", 2, "frmIndex", "frmSet/ComOption1"},
            {"frmSet:CmdFindMeter", 2, "same", "frmFindMeter/CmdClose"},
            {"click:Picture1", 1, "frmMeterRead"},
            {"tool:Meter Control", 1, ""},
            {"tool:Index", 1, "frmIndex"},
            {"click:Command2", 1, "frmMenu"},
            {"click:Label1", 1, "same"},
            {"click:Picture1", 2, "frmR01unit"},
            {"tool:Data List", 7, ""},
            {"tool:Data List", 1, "frmR01"},
            {"tool:Standard Day", 7, "frmR04"},
            {"tool:Line Graph", 2, "frmR02unit"},
            {"tool:Download Meter Readings", 1, "frmMeterRead"},
            {"tool:Index", 1, "frmIndex"},
            {"click:Picture3", 1, "frmMenu"},
            {"key:Picture3", 1, "frmR02"},
            {"tool:Histogram", 1, "frmR05"},
            {"menu:mnuSummary", 1, "SummaryWindow"},
            {"menu:mnuOverlayDay", 1, "OverlayDayWindow"},
            {"menu:mnuExport", 1, "same", "ExportReadingsWindow/DTPicker1"},
            {"menu:mnuDoctorReport", 1, "same", "DoctorReportWindow/DTPicker1"},
            {"menu:mnuExport", 1, "same", "ExportReadingsWindow/DTPicker1"},
            {"ExportReadingsWindow:cmdBrowse", 1, "same", "ExportReadingsWindow/cmdExport"},
            {"Enter:ExportReadingsWindow", 1, "same", "closed"},
            {"frmSet:CmdFindMeter", 1, "same", "frmFindMeter/CmdClose"},
            {"Escape:frmFindMeter", 1, "same", "closed"},
            {"menu:mnuAbout", 1, "same", "frmAbout/cmdOK"},
            {"menu:mnuWeb", 1, "same", "frmBrowser/cboAddress"},
            {"menu:mnuWeb", 1, "same", "frmBrowser/cboAddress"},
        };
        ScratchFolder folder;
        m_messages.saveAnswers = {folder.file("x.csv")};
        const QRect screen = m_frame->screen()->availableGeometry();
        QVERIFY(m_frame->width() <= screen.width() && m_frame->height() <= screen.height());
        m_frame->show();
        m_frame->move(screen.bottomRight() - QPoint(100, 100));
        QStringList problems, charts;
        for (const auto &[command, unit, opens, front] : steps) {
            m_state->user.unit = unit;
            m_frame->activateWindow();
            const QStringList before = loadedPages(*m_frame);
            const QPointer<QWidget> page = m_frame->activePage();
            const QString how = QString(command).section(u':', 0, 0), name = QString(command).section(u':', 1);
            const bool key = how == u"Enter" || how == u"Escape";
            // A key or a click goes to a window in front.
            QPointer<QWidget> dialog = m_frame->findChild<QWidget *>(key ? name : how);
            QWidget *control = dialog ? dialog->findChild<QWidget *>(name)
                               : page ? page->findChild<QWidget *>(name)
                                      : nullptr;
            if (dialog)
                dialog->activateWindow();
            if (key) {
                QTest::keyClick(dialog->focusWidget(), how == u"Enter" ? Qt::Key_Return : Qt::Key_Escape);
            } else if (how == u"tool") {
                m_frame->toolbarClick(name);
            } else if (how == u"menu") {
                m_frame->findChild<QAction *>(name)->trigger();
            } else if (control && how == u"key") {
                QVERIFY2(control->focusPolicy() & Qt::TabFocus, command);
                QTest::keyClick(control, Qt::Key_Return);
            } else {
                QVERIFY2(control, command);
                QTest::mouseClick(control, Qt::LeftButton);
            }
            flushDeletes();
            QApplication::processEvents();
            const bool same = qstrcmp(opens, "same") == 0;
            const QStringList loaded = loadedPages(*m_frame);
            const auto frontNow = [&] {
                QWidget *shown = key ? dialog.data() : QApplication::activeWindow();
                return !shown                   ? QStringLiteral("closed")
                       : shown == m_frame.get() ? QString()
                                                : shown->objectName() + u'/' + shown->focusWidget()->objectName();
            };
            // A real window system brings a window to the front as it gets to it.
            QTest::qWaitFor([&] { return frontNow() == QLatin1String(front); }, 2000);
            // Wine on an X server without a window manager does not tell reliably
            // which window is active: the front is checked elsewhere.
            const QString inFront = underWine() ? QString(front) : frontNow();
            // The command leads each side, so a failure names it.
            QCOMPARE(std::tuple(QString(command), loaded, page.isNull(), inFront),
                     std::tuple(QString(command),
                                same     ? before
                                : *opens ? QStringList{opens}
                                         : QStringList{},
                                !same, QString(front)));
            QStringList names;
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (!window->isVisible())
                    continue;
                problems << accessProblems(window);
                // A window larger than the screen (at this font) starts at its edge.
                const QRect room(screen.topLeft(), screen.size().expandedTo(window->frameSize()));
                const bool browser = qobject_cast<frmBrowser *>(window);
                const QWidget *owner = qobject_cast<frmFindMeter *>(window) ? m_frame->findChild<frmSet *>()
                                                                            : static_cast<QWidget *>(m_frame.get());
                if (window != m_frame.get()
                    && (window->parentWidget() != owner || browser == (window->windowType() == Qt::Dialog)
                        || (names.contains(window->objectName()) && !browser)
                        || !room.contains(window->frameGeometry())))
                    problems << window->objectName() + QStringLiteral(" is not its owner's one dialog on the screen");
                names << window->objectName();
            }
            for (ChartView *chart : same || !m_frame->activePage() ? QList<ChartView *>()
                                                                   : m_frame->activePage()->findChildren<ChartView *>())
                charts << QAccessible::queryAccessibleInterface(chart)->text(QAccessible::Description);
        }
        QCOMPARE(std::pair(m_frame->findChildren<frmBrowser *>().size(), folder.exists("x.csv")),
                 std::pair(qsizetype(2), true)); // a help browser at each use
        problems.removeDuplicates();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        QCOMPARE(charts,
                 (QStringList{
                     "PC line graph, 1 reading from 2006/3/6 to 2006/3/6, highest 250, lowest 250 mg/dL",
                     "Standard day, no day chosen",
                     "Line graph, 3 readings from 2006/3/5 to 2006/3/7, highest 13.9, lowest 3.3 mmol/L",
                     "Line graph, 3 readings from 2006/3/5 to 2006/3/7, highest 250, lowest 60 mg/dL",
                     "Histogram, 3 readings from 2006/3/5 to 2006/3/7, highest 250, lowest 60 mg/dL, most in <61 (1)",
                     "Band bar, 3 readings: Below 54 mg/dL 0.0 %, 54–69 mg/dL 33.3 %, 70–180 mg/dL 33.3 %, "
                     "181–250 mg/dL 33.3 %, Above 250 mg/dL 0.0 %",
                     "Overlay day, 3 readings, a median for 0 of 24 hours"}));
    }

    // Where nothing can show a folder (as on the screenless platform), Open Data
    // Folder says where the folder is.
    void dataFolderAsPath()
    {
        m_state->dataDir = QStringLiteral("/data/dextrel");
        m_frame->mnuDataFolder->trigger();
        QCOMPARE(m_messages.single(), "No program to show the folder was found. Your readings are in:\n"
                                          + QDir::toNativeSeparators(m_state->dataDir));
        m_messages.clear();
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
        QCOMPARE(accessProblems(startup.login()), QStringList());

        // Adding a user leads back to a fresh login window that cannot add another.
        QTest::mouseClick(startup.login()->findChild<QPushButton *>("CommandAddNew"), Qt::LeftButton);
        flushDeletes();
        QPointer<frmLoginAdd> add;
        for (QWidget *w : QApplication::topLevelWidgets())
            add = add ? add.data() : qobject_cast<frmLoginAdd *>(w);
        QVERIFY(!startup.login() && add && add->isVisible());
        QCOMPARE(accessProblems(add), QStringList());
        for (const char *box : {"TextName", "TextPasswd", "TextCheck"})
            QTest::keyClicks(add->findChild<QLineEdit *>(box), QStringLiteral("anna"));
        QTest::mouseClick(add->findChild<QPushButton *>("CommandAddOk"), Qt::LeftButton);
        QCOMPARE(m_messages.single(), QStringLiteral("Add New User [anna] Successfully !!"));
        m_messages.clear();
        flushDeletes();
        QPointer<frmLogin> login = startup.login();
        QVERIFY(login && !add);
        listUsers(login);
        QVERIFY(!login->findChild<QPushButton *>("CommandAddNew")->isEnabled());
        login->findChild<QComboBox *>("ComboName")->setCurrentIndex(0); // guest
        QTest::mouseClick(login->findChild<QPushButton *>("CommandLoginIn"), Qt::LeftButton);
        QVERIFY(startup.isLoggedIn() && startup.frame()->isVisible());
        QCOMPARE(loadedPages(*startup.frame()), QStringList{"frmIndex"});
        flushDeletes();
        QVERIFY(!login);
    }

    // Chinese on screen names a Traditional Chinese face after the font's
    // own; back in English the font is the one the program started with.
    void chineseFace()
    {
        const QFont started = QApplication::font();
        LanguageFont::follow(qApp);
        const auto english = qScopeGuard([] { UiLanguages::apply(UiLanguage::English); });
        UiLanguages::apply(UiLanguage::TraditionalChinese);
        QCOMPARE(QApplication::font().families().mid(1, 1), QStringList{"Noto Sans CJK TC"});
        UiLanguages::apply(UiLanguage::English);
        QCOMPARE(QApplication::font(), started);
    }
};

QTEST_MAIN(FrameTest)
#include "tst_frame.moc"
