#pragma once

#include "app/ui/PageHost.h"

#include <QMainWindow>
#include <QPointer>

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

    // Unloads every page, in the order of Page; none, and false, when a page
    // may not be left (a download the user keeps running).
    bool CloseChildForms();
    // Loads the page if needed and shows it, making the frame visible; nullptr
    // when this build has no such page.
    QWidget *showPage(Page page);
    // Destroys the page; nothing when it is not loaded. A page may unload itself
    // from one of its own handlers.
    void unloadPage(Page page);
    QWidget *page(Page page) const;
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

    // Runs a page-opening command as its menu item does. Returns what is in front
    // afterwards: the separate window the command opened, else its page; nullptr
    // when nothing opened.
    QWidget *open(PageCommand command) override;

    // A toolbar click: runs the command of the button with exactly this key.
    // Any other key does nothing.
    void toolbarClick(const QString &key);

    // No menu of toolbars on a right click: its one untitled entry would hide
    // the toolbar with no way back.
    QMenu *createPopupMenu() override { return nullptr; }

    QMenu *mnuMain;
    QAction *mnuIndex;
    QAction *mnuSetup;
    QAction *mnuExport;
    QAction *mnuDoctorReport;
    QAction *mnuLogout;
    QAction *mnuExit;
    QMenu *mnuMeter;
    QAction *mnuMeterRead;
    QAction *mnuMeterControl;
    QMenu *mnuReport;
    QAction *mnuReport1;
    QAction *mnuReport2;
    QAction *mnuReport5;
    QAction *mnuReport6;
    QAction *mnuReport3;
    QAction *mnuReport4;
    QAction *mnuSummary;
    QAction *mnuOverlayDay;
    QMenu *mnuPrint;
    QAction *mnuPSetup;
    QAction *mnuPrintR;
    QMenu *mnuHelp;
    QAction *mnuWeb;
    QAction *mnuDataFolder;
    QAction *mnuAbout;
    QToolBar *tbToolBar;

protected:
    // Closing the frame closes its pages first (or not at all).
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void showClock();

    QWidget *showSettings();
    QWidget *showAbout();
    QWidget *openHelpBrowser();
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
    std::map<Page, QPointer<QWidget>> m_pages;
    QPointer<QWidget> m_settings;
    QPointer<QWidget> m_about;
    std::unique_ptr<QPrinter> m_printer;
    bool m_scripted = false;
};
