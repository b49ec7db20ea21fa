#include "reports/ui/ExportWindow.h"

#include "platform/ui/MessageService.h"
#include "platform/ui/WindowParts.h"
#include "reports/ui/ReportParts.h"

#include <QDateEdit>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ExportWindow::ExportWindow(const PageContext &context, ReportFiles::Kind kind)
    : QWidget(nullptr, WindowParts::kFixedDialogFlags | Qt::WindowCloseButtonHint)
    , Label3(ReportParts::caption(this, "Label3", QStringLiteral("Report's date :")))
    , pickers(this, context, [] {})
    , Label1(ReportParts::caption(this, "Label1", QStringLiteral("File :")))
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
    grid->addWidget(Label3, 0, 0);
    Label3->setBuddy(pickers.DTPicker1);
    Label1->setBuddy(txtFile);
    grid->addLayout(pickers.layout(), 0, 1, 1, 2);
    grid->addWidget(Label1, 1, 0);
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
}

void ExportWindow::browse()
{
    const QString path = QFileDialog::getSaveFileName(this, windowTitle(), txtFile->text(),
                                                      ReportFiles::fileFilter(m_kind));
    if (!path.isEmpty())
        txtFile->setText(path);
}

void ExportWindow::exportFile()
{
    const QString path = txtFile->text().trimmed();
    if (path.isEmpty()) {
        Messages::show(this, QStringLiteral("Choose the file to write to."));
        return;
    }
    const ReportFiles::Written written =
        ReportFiles::write(m_kind, m_context.user, m_context.tables, pickers.period(), QDate::currentDate(), path);
    if (!written.ok) {
        Messages::show(this, written.message, {}, Messages::Icon::Warning);
        return;
    }
    Messages::show(this, written.message);
    close();
}
