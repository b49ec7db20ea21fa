#include "reports/ui/ExportReadingsWindow.h"

#include "platform/TextFiles.h"
#include "platform/ui/MessageService.h"
#include "platform/ui/WindowParts.h"
#include "reports/ReadingsCsv.h"
#include "reports/ui/ReportParts.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ExportReadingsWindow::ExportReadingsWindow(const PageContext &context)
    : QWidget(nullptr, WindowParts::kFixedDialogFlags | Qt::WindowCloseButtonHint)
    , Label3(ReportParts::caption(this, "Label3", QStringLiteral("Report's date :")))
    , pickers(this, context, [] {})
    , Label1(ReportParts::caption(this, "Label1", QStringLiteral("File :")))
    , txtFile(WindowParts::named<QLineEdit>(this, "txtFile"))
    , cmdBrowse(WindowParts::button(this, "cmdBrowse", QStringLiteral("Browse...")))
    , cmdExport(WindowParts::button(this, "cmdExport", QStringLiteral("Export")))
    , cmdCancel(WindowParts::button(this, "cmdCancel", QStringLiteral("Cancel")))
    , m_context(context)
{
    setObjectName(QStringLiteral("ExportReadingsWindow"));
    setWindowTitle(QStringLiteral("Export Readings"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *grid = new QGridLayout;
    grid->addWidget(Label3, 0, 0);
    grid->addLayout(pickers.layout(), 0, 1, 1, 2);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(txtFile, 1, 1);
    grid->addWidget(cmdBrowse, 1, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(WindowParts::buttonRow({cmdExport, cmdCancel}));
    cmdExport->setEnabled(pickers.hasReadings());
    txtFile->setMinimumWidth(320);

    connect(cmdBrowse, &QPushButton::clicked, this, &ExportReadingsWindow::browse);
    connect(cmdExport, &QPushButton::clicked, this, &ExportReadingsWindow::exportReadings);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
}

void ExportReadingsWindow::browse()
{
    const QString path = QFileDialog::getSaveFileName(this, windowTitle(), txtFile->text(),
                                                      QStringLiteral("CSV files (*.csv)"));
    if (!path.isEmpty())
        txtFile->setText(path);
}

void ExportReadingsWindow::exportReadings()
{
    const QString path = txtFile->text().trimmed();
    if (path.isEmpty()) {
        Messages::show(this, QStringLiteral("Choose the file to write the readings to."));
        return;
    }
    const QByteArray csv = ReadingsCsv::csv(m_context.tables, pickers.period());
    QString error;
    if (!TextFiles::writeAtomically(path, csv, &error)) {
        Messages::show(this, error, {}, Messages::Icon::Warning);
        return;
    }
    Messages::show(this, QStringLiteral("%1 readings written to %2").arg(csv.count('\n') - 1).arg(path));
    close();
}
