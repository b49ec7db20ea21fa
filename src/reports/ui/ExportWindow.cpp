#include "reports/ui/ExportWindow.h"

#include "platform/ui/MessageService.h"
#include "platform/ui/SaveDialogs.h"
#include "platform/ui/WindowParts.h"
#include "reports/ReportFileNames.h"
#include "reports/ui/ReportParts.h"
#include "store/ReadingStore.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ExportWindow::ExportWindow(const PageContext &context, ReportFiles::Kind kind)
    : QWidget(nullptr, WindowParts::kOwnedDialogFlags)
    , dateCaption(ReportParts::caption(this, "Label3", QStringLiteral("Report's date :")))
    , pickers(this, context, [this] { cmdExport->setEnabled(pickers.hasReadings()); })
    , fileCaption(ReportParts::caption(this, "Label1", QStringLiteral("File :")))
    , txtFile(WindowParts::named<QLineEdit>(this, "txtFile"))
    , cmdBrowse(WindowParts::button(this, "cmdBrowse", QStringLiteral("Browse...")))
    , cmdExport(WindowParts::button(this, "cmdExport", QStringLiteral("Export")))
    , cmdCancel(WindowParts::button(this, "cmdCancel", QStringLiteral("Cancel")))
    , m_context(context)
    , m_kind(kind)
{
    setObjectName(kind == ReportFiles::Kind::Readings ? QStringLiteral("ExportReadingsWindow")
                                                      : QStringLiteral("DoctorReportWindow"));
    setWindowTitle(ReportFiles::title(kind));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *grid = new QGridLayout;
    grid->addWidget(dateCaption, 0, 0);
    dateCaption->setBuddy(pickers.fromDate);
    fileCaption->setBuddy(txtFile);
    grid->addLayout(pickers.layout(), 0, 1, 1, 2);
    grid->addWidget(fileCaption, 1, 0);
    grid->addWidget(txtFile, 1, 1);
    grid->addWidget(cmdBrowse, 1, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(WindowParts::buttonRow({cmdExport, cmdCancel}));
    cmdExport->setEnabled(pickers.hasReadings());
    txtFile->setMinimumWidth(320);

    connect(cmdBrowse, &QPushButton::clicked, this, &ExportWindow::browse);
    connect(cmdExport, &QPushButton::clicked, this, &ExportWindow::exportFile);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    WindowParts::setMainButton(this, cmdExport);
    WindowParts::closeOnEscape(this);
}

// Offers the file typed, else a name of the user and period.
void ExportWindow::browse()
{
    const QString filter = ReportFiles::fileFilter(m_kind);
    QString offered = txtFile->text().trimmed();
    if (offered.isEmpty())
        offered = ReportFileNames::periodName(m_context.user.id, pickers.period(), filter);
    const QString path = SaveDialogs::ask(this, windowTitle(), offered, filter);
    if (path.isEmpty())
        return;
    txtFile->setText(ReportFileNames::withExtension(path, filter));
    // The file is chosen: Enter now exports.
    if (cmdExport->isEnabled())
        cmdExport->setFocus();
}

void ExportWindow::exportFile()
{
    QString path = txtFile->text().trimmed();
    if (path.isEmpty()) {
        Messages::show(this, QStringLiteral("Choose the file to write to."));
        return;
    }
    path = ReportFileNames::withExtension(path, ReportFiles::fileFilter(m_kind));
    const ReportFiles::Written written = ReportFiles::write(m_kind, m_context.user, m_context.store.tables(),
                                                            pickers.period(), QDate::currentDate(), path,
                                                            m_context.dataDir);
    if (!written.ok) {
        Messages::show(this, written.message, {}, Messages::Icon::Warning);
        return;
    }
    Messages::show(this, written.message);
    close();
}
