#include "ShellTestSupport.h"

#include "app/AppState.h"
#include "app/ui/frmAbout.h"
#include "common/MessageRecorder.h"
#include "common/TestData.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <memory>

class FrameTest : public QObject
{
    Q_OBJECT

private:
    MessageRecorder m_messages;
    AppState m_state;
    std::unique_ptr<frmMain> m_frame;

    QMdiArea *mdi() const { return m_frame->findChild<QMdiArea *>(); }

    // Runs a command over the menu page: either the page stays, or only the
    // command's page (if this build has it) is left.
    void checkCommand(const std::function<void()> &command)
    {
        QFETCH(int, unit);
        QFETCH(bool, keepsPage);
        QFETCH(std::optional<Page>, opens);
        m_state.user.unit = unit;
        QWidget *before = m_frame->showPage(Page::Menu);
        command();
        if (keepsPage) {
            QCOMPARE(loadedPages(*m_frame), QList<Page>{Page::Menu});
            QCOMPARE(m_frame->page(Page::Menu), before);
            return;
        }
        QVERIFY(!m_frame->page(Page::Menu));
        QVERIFY(onlyLoaded(*m_frame, opens));
        QCOMPARE(bool(m_frame->page(Page::Index)), opens == Page::Index);
    }

    static void commandColumns()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("unit");
        QTest::addColumn<bool>("keepsPage");
        QTest::addColumn<std::optional<Page>>("opens");
    }

private Q_SLOTS:
    void init()
    {
        m_state = AppState{};
        m_frame = std::make_unique<frmMain>(m_state);
    }
    void cleanup()
    {
        m_frame.reset();
        flushDeletes();
        const QStringList unexpected = unexpectedMessages(m_messages);
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(u'\n')));
    }

    void captionAndStatusBar()
    {
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Dextrel Management Software v1.2"));
        QVERIFY(!m_frame->windowIcon().isNull());
        QCOMPARE(m_frame->findChild<QLabel *>(QStringLiteral("Panel1"))->text(),
                 QStringLiteral("Dextrel Management Software"));
        QCOMPARE(m_frame->findChild<QLabel *>(QStringLiteral("Panel2"))->text(),
                 QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(!m_frame->findChild<QLabel *>(QStringLiteral("Panel3"))->text().isEmpty());
        const auto *clock = m_frame->findChild<QTimer *>();
        QVERIFY(clock && clock->isActive() && clock->interval() == 1000);
        QVERIFY(m_frame->findChild<QObject *>(QStringLiteral("sbStatusBar")));
    }

    void menus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("available");
        const auto row = [](const char *menu, int position, const char *item, const char *caption, bool available) {
            QTest::addRow("%s %s", menu, item) << QString::fromLatin1(menu) << position << QString::fromLatin1(item)
                                               << QString::fromLatin1(caption) << available;
        };
        row("mnuMain", 0, "", "Main(&M)", true);
        row("mnuMain", 0, "mnuIndex", "Index(&I)", true);
        row("mnuMain", 1, "mnuSetup", "Setup(&S)...", true);
        row("mnuMain", 2, "mnuLogout", "Logout(&O)...", false);
        row("mnuMain", 3, "mnuExit", "Exit(&E)", true);
        row("mnuMeter", 1, "", "Meter(&M)", true);
        row("mnuMeter", 0, "mnuMeterRead", "Download Meter Readings(&D)", true);
        row("mnuMeter", 1, "mnuMeterControl", "Meter Control(&C)...", false);
        row("mnuReport", 2, "", "Report(&R)", true);
        row("mnuReport", 0, "mnuReport1", "Data List(&L)", true);
        row("mnuReport", 1, "mnuReport2", "Standard Day(&D)", true);
        row("mnuReport", 2, "mnuReport5", "Line Graph(&G)", true);
        row("mnuReport", 3, "mnuReport6", "PC Line Graph(&P)", false);
        row("mnuReport", 4, "mnuReport3", "Line Graph(&G)", false);
        row("mnuReport", 5, "mnuReport4", "Histogram(&H)", true);
        row("mnuPrint", 3, "", "Print(&P)", true);
        row("mnuPrint", 0, "mnuPSetup", "Print Setting(&S)...", true);
        row("mnuPrint", 1, "mnuPrintR", "Print Report(&R)", true);
        row("mnuHelp", 4, "", "Help(&H)", true);
        row("mnuHelp", 0, "mnuWeb", "Our Web(&W)", true);
        row("mnuHelp", 1, "mnuAbout", "About(&A)", true);
    }
    void menus()
    {
        QFETCH(QString, menu);
        QFETCH(int, position);
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(bool, available);
        auto *m = m_frame->findChild<QMenu *>(menu);
        QVERIFY(m);
        QAction *action = item.isEmpty() ? m->menuAction() : m->actions().value(position);
        QVERIFY(action);
        if (item.isEmpty())
            QCOMPARE(m_frame->menuBar()->actions().value(position), action);
        else
            QCOMPARE(action->objectName(), item);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->isEnabled(), available);
    }

    void toolbarLayout()
    {
        const QStringList expected{"Index",     "Setup",        "|",          "Download Meter Readings",
                                   "Meter Control", "|",        "Data List",  "Standard Day",
                                   "Line Graph", "Histogram",   "|",          "Print Report"};
        const QList<QAction *> actions = m_frame->tbToolBar->actions();
        QCOMPARE(m_frame->tbToolBar->objectName(), QStringLiteral("tbToolBar"));
        QCOMPARE(actions.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            const bool separator = expected.at(i) == QLatin1String("|");
            QCOMPARE(actions.at(i)->isSeparator(), separator);
            if (!separator) {
                QCOMPARE(actions.at(i)->toolTip(), expected.at(i));
                QVERIFY(!actions.at(i)->icon().isNull());
            }
        }
        // A button runs the command of its own key.
        m_frame->showPage(Page::Menu);
        actions.constFirst()->trigger();
        QCOMPARE(loadedPages(*m_frame), QList<Page>{Page::Index});
    }

    void toolbarDispatch_data()
    {
        commandColumns();
        const std::optional<Page> none;
        QTest::newRow("Index") << "Index" << 1 << false << std::optional(Page::Index);
        QTest::newRow("Download") << "Download Meter Readings" << 1 << false << std::optional(Page::MeterRead);
        QTest::newRow("Meter Control") << "Meter Control" << 1 << false << none;
        QTest::newRow("Data List mmol/L") << "Data List" << 2 << false << std::optional(Page::R01unit);
        QTest::newRow("Data List unit 7") << "Data List" << 7 << false << none;
        QTest::newRow("Standard Day") << "Standard Day" << 7 << false << std::optional(Page::R04);
        QTest::newRow("Line Graph mg/dL") << "Line Graph" << 1 << false << std::optional(Page::R02);
        QTest::newRow("Histogram") << "Histogram" << 1 << false << std::optional(Page::R05);
        QTest::newRow("lower case") << "index" << 1 << true << none;
        QTest::newRow("empty") << "" << 1 << true << none;
        QTest::newRow("meal graph key") << "Line Graph(PC)" << 1 << true << none;
    }
    void toolbarDispatch()
    {
        QFETCH(QString, name);
        checkCommand([&] { m_frame->toolbarClick(name); });
    }

    void menuCommands_data()
    {
        commandColumns();
        const std::optional<Page> none;
        QTest::newRow("Index") << "mnuIndex" << 1 << false << std::optional(Page::Index);
        QTest::newRow("Setup") << "mnuSetup" << 2 << false << std::optional(Page::Index);
        QTest::newRow("Data List unit 7") << "mnuReport1" << 7 << false << none;
        QTest::newRow("about keeps the page") << "mnuAbout" << 1 << true << none;
        // Items never offered cannot be chosen.
        QTest::newRow("Logout") << "mnuLogout" << 1 << true << none;
        QTest::newRow("Meter Control") << "mnuMeterControl" << 1 << true << none;
        QTest::newRow("PC Line Graph") << "mnuReport6" << 1 << true << none;
        QTest::newRow("second Line Graph") << "mnuReport3" << 1 << true << none;
    }
    void menuCommands()
    {
        QFETCH(QString, name);
        checkCommand([&] { m_frame->findChild<QAction *>(name)->trigger(); });
    }

    void pagesLiveInTheFrame()
    {
        QVERIFY(!m_frame->isVisible());
        QPointer<QWidget> index = m_frame->showPage(Page::Index);
        QVERIFY(m_frame->isVisible());
        QVERIFY(qobject_cast<QMdiSubWindow *>(index->parentWidget())->isMaximized());
        QCOMPARE(m_frame->showPage(Page::Index), index.data());
        QCOMPARE(m_frame->activePage(), index.data());

        QPointer<QWidget> menu = m_frame->showPage(Page::Menu);
        QCOMPARE(mdi()->subWindowList().size(), 2);
        QCOMPARE(m_frame->activePage(), menu.data());
        // A command leaves its own page alone, loaded afresh.
        QWidget *newIndex = m_frame->open(PageCommand::Index);
        QCOMPARE(mdi()->subWindowList().size(), 1);
        QCOMPARE(mdi()->subWindowList().constFirst()->widget(), newIndex);
        flushDeletes();
        QVERIFY(!index && !menu);

        m_frame->unloadPage(Page::Menu);
        QCOMPARE(m_frame->page(Page::Index), newIndex);
        m_frame->CloseChildForms();
        QVERIFY(mdi()->subWindowList().isEmpty());
        QVERIFY(!m_frame->activePage());

        // A page closed by its own window is gone from the frame too.
        QPointer<QWidget> closed = m_frame->showPage(Page::Menu);
        closed->parentWidget()->close();
        flushDeletes();
        QVERIFY(!closed && !m_frame->page(Page::Menu));
    }

    void printing()
    {
        ScratchFolder folder;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.file(QStringLiteral("page.pdf")));
        // No page: nothing printed, nothing said.
        m_frame->printActivePage(printer);
        m_frame->mnuPrintR->trigger();
        QVERIFY(!folder.exists(QStringLiteral("page.pdf")));

        m_frame->showPage(Page::Index);
        m_frame->printActivePage(printer);
        const QByteArray pdf = folder.read(QStringLiteral("page.pdf"));
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY2(pdf.size() > 5000, "no page image in the PDF");
    }

    void printSettingDialog()
    {
        m_frame->showPage(Page::Index);
        QString title;
        QTimer answer; // the dialog is modal: Cancel it from a timer
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
        QVERIFY(about->isVisible());
        QCOMPARE(about->windowModality(), Qt::ApplicationModal);
        QTest::mouseClick(about->cmdOK, Qt::LeftButton);
        flushDeletes();
        QVERIFY(m_frame->findChildren<frmAbout *>().isEmpty());
    }
};

QTEST_MAIN(FrameTest)
#include "tst_frame.moc"
