#pragma once

#include "app/Pages.h"

#include <QWidget>

#include <optional>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class MeterDownload;
class frmMain;
struct AppState;

// The page that downloads the meter's readings. The port of the user settings
// is opened when the page is made; Start Reading runs a download whose labels,
// progress and log line appear here; the Step3 buttons leave for the reports.
// Leaving the page stops the download and closes the port.
class frmMeterRead : public QWidget
{
    Q_OBJECT
public:
    frmMeterRead(AppState &state, frmMain &frame, QWidget *parent = nullptr);
    ~frmMeterRead() override;

    QPushButton *CommandMR = nullptr;
    QPushButton *CmdReportAC = nullptr;
    QPushButton *CmdReportPC = nullptr;
    QPushButton *CmdReport = nullptr;
    QLabel *LabelRead = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QListWidget *List3 = nullptr;

private:
    void buildControls();
    void connectDownload();
    void leaveFor(std::optional<Page> next);

    AppState &m_state;
    frmMain &m_frame;
    MeterDownload *m_download = nullptr;
};
