#pragma once

#include "users/ui/PageContext.h"
#include "reports/ui/PeriodPickers.h"
#include "reports/ui/ReportFiles.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// "Export Readings" and "Report for My Doctor": a date range and a file name,
// then the readings as CSV or the doctor's one-page PDF. A dialog of the frame,
// deleting itself when closed.
class ExportWindow : public QWidget
{
    Q_OBJECT

public:
    ExportWindow(const PageContext &context, ReportFiles::Kind kind);

    QLabel *dateCaption; // Label3 "Report's date :"
    PeriodPickers pickers;
    QLabel *fileCaption; // Label1 "File :"
    QLineEdit *txtFile;
    QPushButton *cmdBrowse, *cmdExport, *cmdCancel;

private:
    void browse();
    void exportFile();

    const PageContext m_context;
    const ReportFiles::Kind m_kind;
};
