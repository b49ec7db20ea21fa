#include "platform/Product.h"
#include "app/ui/frmMain.h"

#include "app/AppState.h"
#include "app/ui/PageFactory.h"
#include "app/ui/Pictures.h"
#include "app/ui/ShellTexts.h"
#include "app/ui/frmAbout.h"
#include "platform/ui/LeaveCheck.h"
#include "platform/ui/MessageService.h"
#include "platform/ui/WindowParts.h"
#include "reports/ReportFileNames.h"
#include "users/OwnFiles.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace {

const QString kCaption = Product::kName + QStringLiteral(" v") + Product::kVersion;
const QString kLineGraphItem = QStringLiteral("Line Graph(&G)");

struct ToolButton
{
    QString key;
    QString icon;
    void (*run)(frmMain &);
};

// The toolbar, group by group; a separator stands between the groups.
const QList<QList<ToolButton>> &toolButtonGroups()
{
    static const QList<QList<ToolButton>> groups{
        {
            {QStringLiteral("Index"), QStringLiteral("tb-index"), [](frmMain &f) { f.open(PageCommand::Index); }},
            {QStringLiteral("Setup"), QStringLiteral("tb-setup"), [](frmMain &f) { f.open(PageCommand::Settings); }},
        },
        {
            {QStringLiteral("Download Meter Readings"), QStringLiteral("tb-download"),
             [](frmMain &f) { f.open(PageCommand::Download); }},
            {QStringLiteral("Meter Control"), QStringLiteral("tb-metercontrol"),
             [](frmMain &f) { f.CloseChildForms(); }},
        },
        {
            {ShellTexts::kDataList, QStringLiteral("tb-datalist"), [](frmMain &f) { f.open(PageCommand::DataList); }},
            {ShellTexts::kStandardDay, QStringLiteral("tb-standardday"),
             [](frmMain &f) { f.open(PageCommand::StandardDay); }},
            {ShellTexts::kLineGraph, QStringLiteral("tb-linegraph"),
             [](frmMain &f) { f.open(PageCommand::LineGraph); }},
            {ShellTexts::kHistogram, QStringLiteral("tb-histogram"),
             [](frmMain &f) { f.open(PageCommand::Histogram); }},
        },
        {
            {QStringLiteral("Print Report"), QStringLiteral("tb-print"), [](frmMain &f) { f.mnuPrintR->trigger(); }},
        },
    };
    return groups;
}

QMdiSubWindow *subWindowOf(QWidget *page)
{
    return page ? qobject_cast<QMdiSubWindow *>(page->parentWidget()) : nullptr;
}

// The page as the user sees it, less what only the pointer brings up, drawn at
// twice the screen's resolution so that its text stays sharp on paper.
QImage pageImage(QWidget *page)
{
    constexpr qreal kSharpness = 2;
    QList<QWidget *> hidden;
    for (QWidget *w : page->findChildren<QWidget *>()) {
        if (WindowParts::isHoverOnly(w) && !w->isHidden()) {
            w->hide();
            hidden << w;
        }
    }
    QImage image(page->size() * kSharpness, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kSharpness);
    image.fill(Qt::white);
    page->render(&image);
    for (QWidget *w : std::as_const(hidden))
        w->show();
    return image;
}

} // namespace

frmMain::frmMain(AppState &state, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_mdi(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kCaption);
    setWindowIcon(Pictures::icon(QStringLiteral("frame")));
    m_mdi->setObjectName(QStringLiteral("MDIClient"));
    // A page larger than the frame (a small screen, large fonts) scrolls.
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    resize(WindowParts::fittedToScreen(this, QSize(1024, 740)));

    buildMenus();
    buildToolBar();
    buildStatusBar();
}

frmMain::~frmMain() = default;

void frmMain::buildMenus()
{
    auto addMenu = [this](const char *name, const QString &caption) {
        QMenu *menu = menuBar()->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    auto addItem = [this](QMenu *menu, const char *name, const QString &caption, bool available, auto command) {
        QAction *item = menu->addAction(caption);
        item->setObjectName(QLatin1String(name));
        item->setEnabled(available);
        connect(item, &QAction::triggered, this, command);
        return item;
    };
    auto opens = [this](PageCommand command) { return [this, command] { open(command); }; };

    mnuMain = addMenu("mnuMain", QStringLiteral("Main(&M)"));
    mnuIndex = addItem(mnuMain, "mnuIndex", QStringLiteral("Index(&I)"), true, opens(PageCommand::Index));
    mnuSetup = addItem(mnuMain, "mnuSetup", QStringLiteral("Setup(&S)..."), true, opens(PageCommand::Settings));
    const auto exports = [this](ReportFiles::Kind kind) {
        return [this, kind] {
            if (QWidget *window = PageFactory::createExportWindow(m_state, kind))
                showOwned(window);
        };
    };
    // X, not E: Exit(&E) below has that letter.
    mnuExport = addItem(mnuMain, "mnuExport", QStringLiteral("Export Readings(&X)..."), true,
                        exports(ReportFiles::Kind::Readings));
    mnuDoctorReport = addItem(mnuMain, "mnuDoctorReport", QStringLiteral("Report for My Doctor(&R)..."), true,
                              exports(ReportFiles::Kind::DoctorReport));
    // Logging out is never offered: the item exists, unavailable and without a command.
    mnuLogout = mnuMain->addAction(QStringLiteral("Logout(&O)..."));
    mnuLogout->setObjectName(QStringLiteral("mnuLogout"));
    mnuLogout->setEnabled(false);
    mnuExit = addItem(mnuMain, "mnuExit", QStringLiteral("Exit(&E)"), true, [this] {
        if (CloseChildForms())
            QCoreApplication::exit(0);
    });

    mnuMeter = addMenu("mnuMeter", QStringLiteral("Meter(&M)"));
    mnuMeterRead = addItem(mnuMeter, "mnuMeterRead", QStringLiteral("Download Meter Readings(&D)"), true,
                           opens(PageCommand::Download));
    mnuMeterControl = addItem(mnuMeter, "mnuMeterControl", QStringLiteral("Meter Control(&C)..."), false,
                              [this] { CloseChildForms(); });

    mnuReport = addMenu("mnuReport", QStringLiteral("Report(&R)"));
    mnuReport1 = addItem(mnuReport, "mnuReport1", QStringLiteral("Data List(&L)"), true, opens(PageCommand::DataList));
    mnuReport2 = addItem(mnuReport, "mnuReport2", QStringLiteral("Standard Day(&D)"), true,
                         opens(PageCommand::StandardDay));
    mnuReport5 = addItem(mnuReport, "mnuReport5", kLineGraphItem, true, opens(PageCommand::LineGraph));
    mnuReport6 = addItem(mnuReport, "mnuReport6", QStringLiteral("PC Line Graph(&P)"), false,
                         opens(PageCommand::PcLineGraph));
    mnuReport3 = addItem(mnuReport, "mnuReport3", kLineGraphItem, false, opens(PageCommand::LineGraph));
    mnuReport4 = addItem(mnuReport, "mnuReport4", QStringLiteral("Histogram(&H)"), true, opens(PageCommand::Histogram));
    mnuSummary = addItem(mnuReport, "mnuSummary", QStringLiteral("Summary(&U)"), true, opens(PageCommand::Summary));
    mnuOverlayDay = addItem(mnuReport, "mnuOverlayDay", QStringLiteral("Overlay Day(&O)"), true,
                            opens(PageCommand::OverlayDay));

    mnuPrint = addMenu("mnuPrint", QStringLiteral("Print(&P)"));
    mnuPSetup = addItem(mnuPrint, "mnuPSetup", QStringLiteral("Print Setting(&S)..."), true,
                        [this] { printSetting(); });
    mnuPrintR = addItem(mnuPrint, "mnuPrintR", QStringLiteral("Print Report(&R)"), true, [this] { printReport(); });

    mnuHelp = addMenu("mnuHelp", QStringLiteral("Help(&H)"));
    mnuWeb = addItem(mnuHelp, "mnuWeb", QStringLiteral("Our Web(&W)"), true, opens(PageCommand::Web));
    // Where the user's readings are, to back them up or send a download log.
    mnuDataFolder = addItem(mnuHelp, "mnuDataFolder", QStringLiteral("Open Data Folder"), true,
                            [this] { openDataFolder(); });
    mnuAbout = addItem(mnuHelp, "mnuAbout", QStringLiteral("About(&A)"), true, opens(PageCommand::About));
}

void frmMain::buildToolBar()
{
    tbToolBar = addToolBar(QString());
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setIconSize(QSize(24, 24));
    const auto &groups = toolButtonGroups();
    for (qsizetype g = 0; g < groups.size(); ++g) {
        if (g > 0)
            tbToolBar->addSeparator();
        for (const ToolButton &button : groups.at(g)) {
            QAction *action = tbToolBar->addAction(Pictures::icon(button.icon), button.key);
            action->setToolTip(button.key);
            const QString key = button.key;
            connect(action, &QAction::triggered, this, [this, key] { toolbarClick(key); });
        }
    }
}

void frmMain::buildStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    auto *text = new QLabel(Product::kName);
    text->setObjectName(QStringLiteral("Panel1"));
    m_dateLabel = new QLabel;
    m_dateLabel->setObjectName(QStringLiteral("Panel2"));
    m_timeLabel = new QLabel;
    m_timeLabel->setObjectName(QStringLiteral("Panel3"));
    statusBar()->addWidget(text, 1);
    statusBar()->addPermanentWidget(m_dateLabel);
    statusBar()->addPermanentWidget(m_timeLabel);

    auto *clock = new QTimer(this);
    clock->setInterval(1000);
    connect(clock, &QTimer::timeout, this, &frmMain::showClock);
    clock->start();
    showClock();
}

void frmMain::showClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    m_dateLabel->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_timeLabel->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

bool frmMain::CloseChildForms()
{
    for (Page p : Pages::all()) {
        auto *check = dynamic_cast<LeaveCheck *>(page(p));
        if (check && !check->canLeave())
            return false;
    }
    for (Page p : Pages::all())
        unloadPage(p);
    return true;
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (!CloseChildForms()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

QWidget *frmMain::page(Page page) const
{
    const auto it = m_pages.find(page);
    return it == m_pages.end() ? nullptr : it->second.data();
}

QWidget *frmMain::showPage(Page which)
{
    QWidget *shown = page(which);
    if (!shown) {
        shown = PageFactory::create(which, *this, m_state);
        if (!shown)
            return nullptr;
        QMdiSubWindow *sub = m_mdi->addSubWindow(shown);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWindowIcon(windowIcon());
        m_pages[which] = shown;
    }
    if (!isVisible())
        show();
    QMdiSubWindow *sub = subWindowOf(shown);
    sub->showMaximized();
    m_mdi->setActiveSubWindow(sub);
    return shown;
}

void frmMain::unloadPage(Page which)
{
    const auto it = m_pages.find(which);
    if (it == m_pages.end())
        return;
    QWidget *unloaded = it->second.data();
    m_pages.erase(it);
    if (QMdiSubWindow *sub = subWindowOf(unloaded)) {
        // The page may be unloading itself from one of its own click handlers:
        // take it off the frame now, destroy it once that handler has returned.
        m_mdi->removeSubWindow(sub);
        sub->hide();
        sub->deleteLater();
    }
}

QWidget *frmMain::activePage() const
{
    QMdiSubWindow *sub = m_mdi->currentSubWindow();
    return sub ? sub->widget() : nullptr;
}

bool frmMain::printActivePage(QPrinter &printer)
{
    QWidget *active = activePage();
    if (!active)
        return false;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (const QString refusal = OwnFiles::exportRefusal(m_state.dataDir, printer.outputFileName());
            !refusal.isEmpty()) {
            Messages::show(this, refusal, {}, Messages::Icon::Warning);
            return false;
        }
    }
    const QImage image = pageImage(active);
    printer.setPageOrientation(active->width() > active->height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) {
        Messages::show(this, ShellTexts::kCannotPrint, {}, Messages::Icon::Warning);
        return false;
    }
    const QRect paper = painter.viewport();
    const QSize size = active->size().scaled(paper.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(QPoint(paper.x() + (paper.width() - size.width()) / 2, paper.y()), size), image);
    painter.end();
    return true;
}

QPrinter &frmMain::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (QPrinterInfo::availablePrinters().isEmpty())
            m_printer->setOutputFormat(QPrinter::PdfFormat);
    }
    return *m_printer;
}

QWidget *frmMain::open(PageCommand command)
{
    // The about box and the help browser open in front of whatever page is shown.
    if (command == PageCommand::About)
        return showAbout();
    if (command == PageCommand::Web)
        return openHelpBrowser();

    if (!CloseChildForms())
        return nullptr;
    const std::optional<Page> target = PageCommands::pageFor(command, m_state.user.unit);
    QWidget *shown = target ? showPage(*target) : nullptr;
    if (command == PageCommand::Settings)
        return showSettings();
    return shown;
}

void frmMain::toolbarClick(const QString &key)
{
    for (const auto &group : toolButtonGroups()) {
        for (const ToolButton &button : group) {
            if (button.key == key) {
                button.run(*this);
                return;
            }
        }
    }
}

QWidget *frmMain::showSettings()
{
    if (!m_settings)
        m_settings = PageFactory::createSettingsWindow(m_state);
    return m_settings ? showOwned(m_settings) : nullptr;
}

QWidget *frmMain::showAbout()
{
    if (!m_about)
        m_about = new frmAbout(this);
    return showOwned(m_about);
}

QWidget *frmMain::openHelpBrowser()
{
    QWidget *browser = PageFactory::createHelpBrowser();
    return browser ? showOwned(browser) : nullptr;
}

// The frame's separate windows belong to it: window managers keep them over it,
// and they open centred on it, within the screen.
QWidget *frmMain::showOwned(QWidget *window)
{
    if (window->parentWidget() != this)
        window->setParent(this, window->windowFlags() | Qt::Window);
    if (!window->isVisible())
        WindowParts::placeOver(window, this);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

// To a printer this prints at once; to a PDF file (the only way on a computer
// without a printer) it first asks for the file, offering the last one.
void frmMain::printReport()
{
    QWidget *active = activePage();
    if (!active)
        return;
    QPrinter &chosen = printer();
    if (chosen.outputFormat() != QPrinter::PdfFormat) {
        printActivePage(chosen);
        return;
    }
    QString path = chosen.outputFileName();
    if (path.isEmpty()) {
        path = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                   .filePath(ReportFileNames::printName(m_state.user.id, active->windowTitle()));
    }
    if (!m_scripted)
        path = QFileDialog::getSaveFileName(this, ShellTexts::kPrintToPdf, path, ReportFileNames::kPdfFilter);
    if (path.isEmpty())
        return;
    chosen.setOutputFileName(ReportFileNames::withExtension(path, ReportFileNames::kPdfFilter));
    if (printActivePage(chosen) && m_scripted)
        Messages::show(this, ShellTexts::printedTo(QDir::toNativeSeparators(chosen.outputFileName())));
}

// Cancel means the user does not want a printout.
void frmMain::printSetting()
{
    if (m_scripted) {
        Messages::show(this, ShellTexts::kNoPrintSettingScripted, {}, Messages::Icon::Warning);
        return;
    }
    QPrintDialog dialog(&printer(), this);
    dialog.setWindowTitle(ShellTexts::kPrintDialogTitle);
    if (dialog.exec() == QDialog::Accepted)
        printActivePage(printer());
}

void frmMain::openDataFolder()
{
    const QString folder = QDir::toNativeSeparators(m_state.dataDir);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(m_state.dataDir)))
        Messages::show(this, ShellTexts::cannotOpenDataFolder(folder), {}, Messages::Icon::Warning);
}
