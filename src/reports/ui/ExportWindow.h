#pragma once

#include "users/ui/PageHost.h"
#include "reports/ui/PeriodPickers.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// "Export Readings": the readings of a date range as a CSV file for other
// programs. A window of its own, deleting itself when closed.
class ExportReadingsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ExportReadingsWindow(const PageContext &context);

    QLabel *Label3;
    PeriodPickers pickers;
    QLabel *Label1;
    QLineEdit *txtFile;
    QPushButton *cmdBrowse, *cmdExport, *cmdCancel;

private:
    void browse();
    void exportReadings();

    const PageContext m_context;
};
