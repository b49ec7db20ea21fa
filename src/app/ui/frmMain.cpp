#include "platform/Product.h"
#include "app/ui/frmMain.h"

#include "app/AppState.h"
#include "app/ui/Pictures.h"
#include "app/ui/ShellTexts.h"
#include "app/ui/frmAbout.h"
#include "platform/TextFiles.h"
#include "platform/ui/LeaveCheck.h"
#include "platform/ui/MessageService.h"
#include "platform/ui/SaveDialogs.h"
#include "platform/ui/WindowParts.h"
#include "reports/ui/ExportWindow.h"
#include "reports/ReportFileNames.h"
#include "users/OwnFiles.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <optional>

namespace {

const QString kCaption = Product::kName + QStringLiteral(" v") + Product::kVersion;

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
    // Appended, or put before the item given.
    auto addItem = [this](QMenu *menu, const char *name, const QString &caption, bool available, auto command,
                          QAction *before = nullptr) {
        auto *item = new QAction(caption, menu);
        item->setObjectName(QLatin1String(name));
        item->setEnabled(available);
        connect(item, &QAction::triggered, this, command);
        menu->insertAction(before, item);
        return item;
    };
    auto opens = [this](PageCommand command) { return [this, command] { open(command); }; };
    // The items of the page table's commands in this menu.
    auto addPageItems = [&](QMenu *menu, PageMenu which) {
        for (const PageRow &row : Pages::table()) {
            if (row.item.menu == which)
                addItem(menu, row.item.name, row.item.caption, row.item.available, opens(row.command));
        }
    };

    QMenu *mnuMain = addMenu("mnuMain", QStringLiteral("Main(&M)"));
    addPageItems(mnuMain, PageMenu::Main);
    // One window of each kind: asked again, the one open comes to the front.
    const auto exports = [this](ReportFiles::Kind kind) {
        return [this, kind] {
            QPointer<QWidget> &kept = m_exports[kind];
            if (!kept)
                kept = new ExportWindow(PageContext{m_state.user, m_state.store, m_state.dataDir}, kind);
            showOwned(kept);
        };
    };
    // X, not E: Exit(&E) below has that letter.
    addItem(mnuMain, "mnuExport", QStringLiteral("Export Readings(&X)..."), true, exports(ReportFiles::Kind::Readings));
    addItem(mnuMain, "mnuDoctorReport", QStringLiteral("Report for My Doctor(&R)..."), true,
            exports(ReportFiles::Kind::DoctorReport));
    // Logging out is never offered: the item exists, unavailable and without a command.
    QAction *logout = mnuMain->addAction(QStringLiteral("Logout(&O)..."));
    logout->setObjectName(QStringLiteral("mnuLogout"));
    logout->setEnabled(false);
    addItem(mnuMain, "mnuExit", QStringLiteral("Exit(&E)"), true, [this] {
        if (CloseChildForms())
            QCoreApplication::exit(0);
    });

    QMenu *mnuMeter = addMenu("mnuMeter", QStringLiteral("Meter(&M)"));
    addPageItems(mnuMeter, PageMenu::Meter);
    addItem(mnuMeter, "mnuMeterControl", QStringLiteral("Meter Control(&C)..."), false, [this] { CloseChildForms(); });

    QMenu *mnuReport = addMenu("mnuReport", QStringLiteral("Report(&R)"));
    addPageItems(mnuReport, PageMenu::Report);
    // A second Line Graph item, never available, stands after the PC line graph's.
    const QList<QAction *> reports = mnuReport->actions();
    QAction *pcLineGraph = mnuReport->findChild<QAction *>(
        QLatin1String(Pages::row(PageCommands::kPcLineGraph)->item.name));
    addItem(mnuReport, "mnuReport3", ShellTexts::kLineGraphItem, false, opens(PageCommands::kLineGraph),
            reports.value(reports.indexOf(pcLineGraph) + 1));

    QMenu *mnuPrint = addMenu("mnuPrint", QStringLiteral("Print(&P)"));
    mnuPSetup = addItem(mnuPrint, "mnuPSetup", QStringLiteral("Print Setting(&S)..."), true,
                        [this] { printSetting(); });
    mnuPrintR = addItem(mnuPrint, "mnuPrintR", QStringLiteral("Print Report(&R)"), true, [this] { printReport(); });

    QMenu *mnuHelp = addMenu("mnuHelp", QStringLiteral("Help(&H)"));
    addItem(mnuHelp, "mnuWeb", QStringLiteral("Our Web(&W)"), true, opens(PageCommands::kWeb));
    // Where the user's readings are, to back them up or send a download log.
    mnuDataFolder = addItem(mnuHelp, "mnuDataFolder", QStringLiteral("Open Data Folder"), true,
                            [this] { openDataFolder(); });
    addItem(mnuHelp, "mnuAbout", QStringLiteral("About(&A)"), true, opens(PageCommands::kAbout));
}

void frmMain::buildToolBar()
{
    // The buttons of the page table's commands whose items are in this menu.
    const auto pageButtons = [this](PageMenu menu) {
        QList<ToolButton> buttons;
        for (const PageRow &row : Pages::table()) {
            if (row.item.menu == menu && !row.tool.key.isEmpty())
                buttons << ToolButton{row.tool.key, row.tool.icon, [this, c = row.command] { open(c); }};
        }
        return buttons;
    };
    m_toolGroups = {
        pageButtons(PageMenu::Main),
        pageButtons(PageMenu::Meter) << ToolButton{QStringLiteral("Meter Control"), QStringLiteral("tb-metercontrol"),
                                                   [this] { CloseChildForms(); }},
        pageButtons(PageMenu::Report),
        {ToolButton{QStringLiteral("Print Report"), QStringLiteral("tb-print"), [this] { mnuPrintR->trigger(); }}},
    };

    tbToolBar = addToolBar(QString());
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setIconSize(QSize(24, 24));
    for (const QList<ToolButton> &group : std::as_const(m_toolGroups)) {
        if (!tbToolBar->actions().isEmpty())
            tbToolBar->addSeparator();
        for (const ToolButton &button : group) {
            QAction *action = tbToolBar->addAction(Pictures::icon(button.icon), button.key);
            action->setToolTip(button.key);
            connect(action, &QAction::triggered, this, [this, key = button.key] { toolbarClick(key); });
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
    if (auto *check = dynamic_cast<LeaveCheck *>(m_page.data()); check && !check->canLeave())
        return false;
    QMdiSubWindow *sub = subWindowOf(m_page);
    m_page = nullptr;
    if (sub) {
        // The page may be unloading itself from one of its own click handlers:
        // take it off the frame now, destroy it once that handler has returned.
        m_mdi->removeSubWindow(sub);
        sub->hide();
        sub->deleteLater();
    }
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

// Makes the page and shows it maximised, making the frame visible.
QWidget *frmMain::showPage(WindowMaker make)
{
    if (!make)
        return nullptr;
    m_page = make(*this, m_state);
    QMdiSubWindow *sub = m_mdi->addSubWindow(m_page);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(windowIcon());
    if (!isVisible())
        show();
    sub->showMaximized();
    m_mdi->setActiveSubWindow(sub);
    return m_page;
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
    const bool toPdf = printer.outputFormat() == QPrinter::PdfFormat;
    if (toPdf) {
        if (const QString refusal = OwnFiles::exportRefusal(m_state.dataDir, printer.outputFileName());
            !refusal.isEmpty()) {
            Messages::show(this, refusal, {}, Messages::Icon::Warning);
            return false;
        }
    }
    const QImage image = pageImage(active);
    printer.setPageOrientation(active->width() > active->height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    // A printed page is health data: its PDF is written as the program's own
    // files are, owner-only and whole, never by the printer engine in place.
    QBuffer pdf;
    std::optional<QPdfWriter> pdfWriter;
    if (toPdf) {
        pdf.open(QIODevice::WriteOnly);
        pdfWriter.emplace(&pdf);
        pdfWriter->setPdfVersion(printer.pdfVersion());
        pdfWriter->setResolution(printer.resolution());
        pdfWriter->setPageLayout(printer.pageLayout());
        pdfWriter->setTitle(printer.docName());
        pdfWriter->setCreator(printer.creator());
    }
    QPainter painter;
    if (!painter.begin(pdfWriter ? static_cast<QPagedPaintDevice *>(&*pdfWriter) : &printer)) {
        Messages::show(this, ShellTexts::kCannotPrint, {}, Messages::Icon::Warning);
        return false;
    }
    const QRect paper = painter.viewport();
    const QSize size = active->size().scaled(paper.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(QPoint(paper.x() + (paper.width() - size.width()) / 2, paper.y()), size), image);
    painter.end();
    if (toPdf && !TextFiles::writeAtomically(printer.outputFileName(), pdf.data(), nullptr)) {
        Messages::show(this, ShellTexts::kCannotPrint, {}, Messages::Icon::Warning);
        return false;
    }
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
    const PageRow *row = Pages::row(command);
    if (!row)
        return nullptr;
    QWidget *shown = nullptr;
    if (row->page) {
        if (!CloseChildForms())
            return nullptr;
        shown = showPage(row->pageFor(m_state.user.unit));
    }
    return row->window ? showWindow(*row) : shown;
}

void frmMain::toolbarClick(const QString &key)
{
    for (const QList<ToolButton> &group : std::as_const(m_toolGroups)) {
        for (const ToolButton &button : group) {
            if (button.key == key) {
                button.run();
                return;
            }
        }
    }
}

QWidget *frmMain::showWindow(const PageRow &row)
{
    if (row.newWindowEachTime) {
        QWidget *window = row.window(*this, m_state);
        return window ? showOwned(window) : nullptr;
    }
    QPointer<QWidget> &kept = m_windows[&row];
    if (!kept)
        kept = row.window(*this, m_state);
    return kept ? showOwned(kept) : nullptr;
}

// The frame's separate windows belong to it: its dialogs stay in front of it,
// and they open centred on it, within the screen.
QWidget *frmMain::showOwned(QWidget *window)
{
    WindowParts::showOver(window, this);
    return window;
}

// To a printer this prints at once; to a PDF file (the only way on a computer
// without a printer) it first asks for the file, offering a name of the page.
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
    const QString name = ReportFileNames::printName(m_state.user.id, active->windowTitle());
    const QString path = m_scripted
                             ? SaveDialogs::offered(name)
                             : SaveDialogs::ask(this, ShellTexts::kPrintToPdf, name, ReportFileNames::kPdfFilter);
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
