#pragma once

#include "users/ui/PageHost.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class MeterDownload;
class ReadingStore;

// The page that downloads the meter's readings. The port of the user settings
// is opened when the page is made; Start Reading runs a download whose labels,
// progress and log line appear here; the Step3 buttons leave for the reports.
// Leaving the page stops the download and closes the port. The one page that
// writes: a download is merged into the store's readings.
class frmMeterRead : public QWidget
{
    Q_OBJECT
public:
    frmMeterRead(const PageContext &context, ReadingStore &store, QWidget *parent = nullptr);
    ~frmMeterRead() override;

    QPushButton *CommandMR = nullptr;
    QPushButton *CmdReportAC = nullptr;
    QPushButton *CmdReportPC = nullptr;
    QPushButton *CmdReport = nullptr;
    // Shown after a failed download: a copy of its log for whoever helps.
    QPushButton *CmdSaveLog = nullptr;
    QLabel *LabelRead = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QListWidget *List3 = nullptr;

private:
    void buildControls();
    void connectDownload();
    void leaveFor(PageCommand next);
    void saveLog();

    PageHost &m_host;
    MeterDownload *m_download = nullptr;
};
