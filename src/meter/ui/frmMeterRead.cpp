#include "meter/ui/frmMeterRead.h"

#include "meter/MeterTexts.h"
#include "meter/serial/MeterDownload.h"
#include "platform/ui/MessageService.h"
#include "platform/ui/SaveDialogs.h"
#include "platform/ui/WindowParts.h"
#include "platform/TextFiles.h"
#include "users/OwnFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

frmMeterRead::frmMeterRead(const PageContext &context, ReadingStore &store, QWidget *parent)
    : QWidget(parent)
    , m_download(new MeterDownload(context.dataDir, context.user, store, this))
    , m_portRetry(new QTimer(this))
    , m_dataDir(context.dataDir)
{
    setObjectName(QStringLiteral("frmMeterRead"));
    setWindowTitle(QStringLiteral("Download Meter Readings"));
    buildControls();
    connectDownload();
    m_portRetry->setInterval(1000);
    connect(m_portRetry, &QTimer::timeout, this, &frmMeterRead::retryPort);

    if (!m_download->openPort()) {
        Messages::show(this, MeterTexts::portError(m_download->portFailure()));
        portUnavailable();
    }
}

frmMeterRead::~frmMeterRead()
{
    // The download goes first, so nothing it still reports reaches half-gone controls.
    delete m_download;
}

void frmMeterRead::buildControls()
{
    auto *explanation = WindowParts::wrappedLabel(
        this, nullptr,
        QStringLiteral("This operation will download the readings stored on your Blood Glucose "
                       "Monitoring System and enter them in the database."));

    auto *step1 = WindowParts::named<QGroupBox>(this, "Step1");
    step1->setTitle(step1->objectName());
    auto *step1Layout = new QVBoxLayout(step1);
    step1Layout->addWidget(WindowParts::wrappedLabel(
        step1, nullptr, QStringLiteral("Connect the meter to your computer by using the interface cable.")));

    auto *step2 = WindowParts::named<QGroupBox>(this, "Step2");
    step2->setTitle(step2->objectName());
    auto *step2Layout = new QVBoxLayout(step2);
    startReading = WindowParts::button(step2, "CommandMR", QStringLiteral("Start Reading"));
    step2Layout->addWidget(startReading);
    CmdSaveLog = WindowParts::button(step2, "CmdSaveLog", QStringLiteral("Save Log..."));
    CmdSaveLog->hide();
    step2Layout->addWidget(CmdSaveLog);
    step2Layout->addWidget(WindowParts::wrappedLabel(
        step2, nullptr, QStringLiteral("Your meter will turn ON and display [PC] before downloading.")));

    auto *step3 = WindowParts::named<QGroupBox>(this, "Step3");
    step3->setTitle(step3->objectName());
    auto *step3Layout = new QVBoxLayout(step3);
    step3Layout->addWidget(
        WindowParts::wrappedLabel(step3, nullptr, QStringLiteral("View reports after downloading.")));
    auto *reportButtons = new QHBoxLayout;
    CmdReportAC = WindowParts::button(step3, "CmdReportAC", QStringLiteral("Line Graph(AC)"));
    CmdReportPC = WindowParts::button(step3, "CmdReportPC", QStringLiteral("Line Graph(PC)"));
    CmdReport = WindowParts::button(step3, "CmdReport", QStringLiteral("View Reports ..."));
    reportButtons->addWidget(CmdReportAC);
    reportButtons->addWidget(CmdReportPC);
    reportButtons->addWidget(CmdReport);
    step3Layout->addLayout(reportButtons);

    readingStatus = new QLabel(m_download->status().label(), this);
    readingStatus->setObjectName(QStringLiteral("LabelRead"));
    advice = WindowParts::wrappedLabel(this, "LabelAdvice", QString());
    advice->hide();
    progress = new QProgressBar(this);
    progress->setObjectName(QStringLiteral("ProgressBar1"));
    progress->setRange(0, m_download->status().progressMaximum());
    progress->setValue(m_download->status().progress());
    logLine = new QListWidget(this);
    logLine->setObjectName(QStringLiteral("List3"));
    // What a screen reader calls the controls that have no caption.
    progress->setAccessibleName(QStringLiteral("Download progress"));
    logLine->setAccessibleName(QStringLiteral("Download messages"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(step1);
    layout->addWidget(step2);
    layout->addWidget(readingStatus);
    layout->addWidget(advice);
    layout->addWidget(progress);
    layout->addWidget(logLine);
    layout->addWidget(step3);
}

void frmMeterRead::connectDownload()
{
    connect(&m_download->status(), &DownloadStatus::labelChanged, readingStatus, &QLabel::setText);
    connect(&m_download->status(), &DownloadStatus::adviceChanged, this, &frmMeterRead::showAdvice);
    connect(&m_download->status(), &DownloadStatus::progressChanged, progress, &QProgressBar::setValue);
    connect(&m_download->status(), &DownloadStatus::progressMaximumChanged, progress, &QProgressBar::setMaximum);
    connect(&m_download->status(), &DownloadStatus::listLine, this, [this](const QString &line) {
        logLine->clear();
        logLine->addItem(line);
    });
    connect(&m_download->status(), &DownloadStatus::message, this,
            [this](const QString &text) { Messages::show(this, text); });
    connect(&m_download->status(), &DownloadStatus::finished, this, [this](const QString &warning) {
        if (!warning.isEmpty())
            Messages::show(this, warning);
    });

    connect(m_download, &MeterDownload::notice, this,
            [this](const QString &text) { Messages::show(this, text, {}, Messages::Icon::Warning); });
    connect(&m_download->status(), &DownloadStatus::failed, this, [this] {
        CmdSaveLog->setVisible(!m_download->logPath().isEmpty());
        if (m_download->session().problem().kind == MeterSession::Problem::Kind::PortError)
            portUnavailable();
    });
    // Start Reading waits for the download that runs.
    connect(&m_download->session(), &MeterSession::stateChanged, this, &frmMeterRead::enableStart);
    connect(startReading, &QPushButton::clicked, CmdSaveLog, &QWidget::hide);
    connect(startReading, &QPushButton::clicked, this, [this] {
        m_download->start();
        if (const QString problem = m_download->logProblem(); !problem.isEmpty())
            Messages::show(this, problem, {}, Messages::Icon::Warning);
    });
    connect(CmdSaveLog, &QPushButton::clicked, this, &frmMeterRead::saveLog);
    connect(CmdReportAC, &QPushButton::clicked, this, [this] { leaveFor(Next::LineGraph); });
    connect(CmdReportPC, &QPushButton::clicked, this, [this] { leaveFor(Next::PcLineGraph); });
    connect(CmdReport, &QPushButton::clicked, this, [this] { leaveFor(Next::Menu); });
}

void frmMeterRead::saveLog()
{
    const QString log = m_download->logPath();
    const QString target = SaveDialogs::ask(this, QStringLiteral("Save Log"), QFileInfo(log).fileName(),
                                            QStringLiteral("Logs (*.log)"));
    if (target.isEmpty())
        return;
    if (const QString refusal = OwnFiles::exportRefusal(m_dataDir, target); !refusal.isEmpty()) {
        Messages::show(this, refusal, {}, Messages::Icon::Warning);
        return;
    }
    // The dialog has asked before an existing file is replaced.
    QByteArray content;
    if (!TextFiles::read(log, &content, nullptr) || !TextFiles::writeAtomically(target, content, nullptr))
        Messages::show(this, QStringLiteral("Cannot save the log as %1.").arg(QDir::toNativeSeparators(target)));
}

void frmMeterRead::showAdvice(const QString &text)
{
    advice->setText(text);
    advice->setVisible(!text.isEmpty());
}

void frmMeterRead::portUnavailable()
{
    showAdvice(MeterTexts::portAdvice(m_download->portFailure()));
    m_portRetry->start();
    enableStart();
}

void frmMeterRead::retryPort()
{
    if (!m_download->openPort()) {
        // The reason may have changed (plugged in, but not allowed).
        showAdvice(MeterTexts::portAdvice(m_download->portFailure()));
        return;
    }
    m_portRetry->stop();
    showAdvice(QString());
    enableStart();
}

void frmMeterRead::enableStart()
{
    startReading->setEnabled(!m_download->session().isRunning() && !m_portRetry->isActive());
}

bool frmMeterRead::canLeave()
{
    if (!m_download->session().isRunning())
        return true;
    if (!Messages::ask(this, MeterTexts::kLeaveDownload))
        return false;
    m_download->stop();
    return true;
}

void frmMeterRead::leaveFor(Next next)
{
    if (!canLeave())
        return;
    // The page is destroyed only later; the download must end now.
    m_download->stop();
    emit leaving(next);
}
