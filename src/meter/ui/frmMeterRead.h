#pragma once

#include "platform/ui/LeaveCheck.h"
#include "users/ui/PageContext.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;
class MeterDownload;
class ReadingStore;

// The page that downloads the meter's readings. The port of the user settings
// is opened when the page is made; Start Reading runs a download whose labels,
// progress and log line appear here; the Step3 buttons leave for the reports.
// While a download runs, Start Reading waits and leaving the page asks first;
// leaving stops the download and closes the port. While the port does not
// open, the page says why and what to do, and tries it again every second:
// Start Reading comes back once it opens. The one page that writes: a download
// is merged into the store's readings.
class frmMeterRead
    : public QWidget
    , public LeaveCheck
{
    Q_OBJECT
public:
    frmMeterRead(const PageContext &context, ReadingStore &store, QWidget *parent = nullptr);
    ~frmMeterRead() override;

    // Where the Step3 buttons lead: the line graph, the meal line graph, the
    // menu of reports.
    enum class Next { LineGraph, PcLineGraph, Menu };

    // Asks while a download runs; stops it when the user agrees.
    bool canLeave() override;

    QPushButton *startReading = nullptr; // CommandMR
    QPushButton *CmdReportAC = nullptr;
    QPushButton *CmdReportPC = nullptr;
    QPushButton *CmdReport = nullptr;
    // Shown after a failed download: a copy of its log for whoever helps.
    QPushButton *CmdSaveLog = nullptr;
    QLabel *readingStatus = nullptr;  // LabelRead
    QLabel *advice = nullptr;         // LabelAdvice: why a download cannot start or got no answer
    QProgressBar *progress = nullptr; // ProgressBar1
    QListWidget *logLine = nullptr;   // List3

Q_SIGNALS:
    // A Step3 button was clicked and the download has stopped; whoever made
    // the page shows the next one.
    void leaving(frmMeterRead::Next next);

private:
    void buildControls();
    void connectDownload();
    void leaveFor(Next next);
    void saveLog();
    void showAdvice(const QString &text);
    // Start Reading waits for the port; the page says why.
    void portUnavailable();
    void retryPort();
    void enableStart();

    MeterDownload *m_download = nullptr;
    QTimer *m_portRetry = nullptr;
    const QString m_dataDir;
};
