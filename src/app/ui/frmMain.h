#pragma once

#include "app/ui/PageHost.h"
#include "reports/ui/ReportFiles.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>

struct AppState;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QPrinter;
class QToolBar;

// The main frame. Every page of the program is shown inside it, one at a time,
// as a maximised sub-window; the frame stays hidden until the first page is shown.
class frmMain
    : public QMainWindow
    , public PageHost
{
    Q_OBJECT

public:
    explicit frmMain(AppState &state, QWidget *parent = nullptr);
    ~frmMain() override;

    // Unloads the page shown, if any: the frame shows one page at a time. False,
    // and nothing unloaded, when the page may not be left (a download the user
    // keeps running).
    bool CloseChildForms();
    QWidget *activePage() const;
    // Prints the active page as shown, without what only the pointer brings up,
    // scaled to the paper and turned to landscape when the page is wide. False,
    // after a message, when the printer cannot be opened or its PDF file is one
    // of the program's own; false without an active page.
    bool printActivePage(QPrinter &printer);
    // A scripted run: no command waits on a dialog. Print Report writes its PDF
    // to the name the dialog would offer and says so; Print Setting says it
    // cannot ask.
    void setScripted(bool scripted) { m_scripted = scripted; }

    // Runs a command as its menu item does: a command with a page closes the
    // page shown and shows its own, making the frame visible. Returns what is
    // in front afterwards: the window of its own the command opened, else its
    // page; nullptr when nothing opened.
    QWidget *open(PageCommand command) override;

    // A toolbar click: runs the command of the button with exactly this key.
    // Any other key does nothing.
    void toolbarClick(const QString &key);

    // No menu of toolbars on a right click: its one untitled entry would hide
    // the toolbar with no way back.
    QMenu *createPopupMenu() override { return nullptr; }

    QAction *mnuPSetup;
    QAction *mnuPrintR;
    QAction *mnuDataFolder;
    QToolBar *tbToolBar;

protected:
    // Closing the frame closes its page first (or not at all).
    void closeEvent(QCloseEvent *event) override;

private:
    struct ToolButton
    {
        QString key;
        QString icon;
        std::function<void()> run;
    };

    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void showClock();

    QWidget *showPage(WindowMaker make);
    QWidget *showWindow(const PageRow &row);
    QWidget *showOwned(QWidget *window);
    // The printer chosen for this login: the default printer, or a PDF file when
    // the computer has no printer; Print Setting changes it for later prints.
    QPrinter &printer();
    void printReport();
    void printSetting();
    void openDataFolder();

    AppState &m_state;
    QMdiArea *m_mdi;
    QLabel *m_dateLabel = nullptr;
    QLabel *m_timeLabel = nullptr;
    // The toolbar's buttons, group by group; a separator stands between groups.
    QList<QList<ToolButton>> m_toolGroups;
    QPointer<QWidget> m_page;
    // The windows of their own that are kept one at a time, by their row.
    std::map<const PageRow *, QPointer<QWidget>> m_windows;
    std::map<ReportFiles::Kind, QPointer<QWidget>> m_exports;
    std::unique_ptr<QPrinter> m_printer;
    bool m_scripted = false;
};
