#pragma once

#include "users/ui/PageContext.h"

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

    // Where the Step3 buttons lead: the line graph, the meal line graph, the
    // menu of reports.
    enum class Next { LineGraph, PcLineGraph, Menu };

    QPushButton *CommandMR = nullptr;
    QPushButton *CmdReportAC = nullptr;
    QPushButton *CmdReportPC = nullptr;
    QPushButton *CmdReport = nullptr;
    // Shown after a failed download: a copy of its log for whoever helps.
    QPushButton *CmdSaveLog = nullptr;
    QLabel *LabelRead = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QListWidget *List3 = nullptr;

Q_SIGNALS:
    // A Step3 button was clicked and the download has stopped; whoever made
    // the page shows the next one.
    void leaving(frmMeterRead::Next next);

private:
    void buildControls();
    void connectDownload();
    void leaveFor(Next next);
    void saveLog();

    MeterDownload *m_download = nullptr;
    const QString m_dataDir;
};
