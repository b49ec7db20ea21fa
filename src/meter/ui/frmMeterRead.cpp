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
#include <QVBoxLayout>

frmMeterRead::frmMeterRead(const PageContext &context, ReadingStore &store, QWidget *parent)
    : QWidget(parent)
    , m_download(new MeterDownload(context.dataDir, context.user, store, this))
    , m_dataDir(context.dataDir)
{
    setObjectName(QStringLiteral("frmMeterRead"));
    setWindowTitle(QStringLiteral("Download Meter Readings"));
    buildControls();
    connectDownload();

    if (!m_download->openPort()) {
        Messages::show(this, MeterTexts::kPortError + QLatin1Char('\n') + m_download->portFailure());
        CommandMR->setEnabled(false);
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
    CommandMR = WindowParts::button(step2, "CommandMR", QStringLiteral("Start Reading"));
    step2Layout->addWidget(CommandMR);
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

    LabelRead = new QLabel(m_download->status().label(), this);
    LabelRead->setObjectName(QStringLiteral("LabelRead"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, m_download->status().progressMaximum());
    ProgressBar1->setValue(m_download->status().progress());
    List3 = new QListWidget(this);
    List3->setObjectName(QStringLiteral("List3"));
    // What a screen reader calls the controls that have no caption.
    ProgressBar1->setAccessibleName(QStringLiteral("Download progress"));
    List3->setAccessibleName(QStringLiteral("Download messages"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(step1);
    layout->addWidget(step2);
    layout->addWidget(LabelRead);
    layout->addWidget(ProgressBar1);
    layout->addWidget(List3);
    layout->addWidget(step3);
}

void frmMeterRead::connectDownload()
{
    connect(&m_download->status(), &DownloadStatus::labelChanged, LabelRead, &QLabel::setText);
    connect(&m_download->status(), &DownloadStatus::progressChanged, ProgressBar1, &QProgressBar::setValue);
    connect(&m_download->status(), &DownloadStatus::progressMaximumChanged, ProgressBar1, &QProgressBar::setMaximum);
    connect(&m_download->status(), &DownloadStatus::listLine, this, [this](const QString &line) {
        List3->clear();
        List3->addItem(line);
    });
    connect(&m_download->status(), &DownloadStatus::message, this,
            [this](const QString &text) { Messages::show(this, text); });
    connect(&m_download->status(), &DownloadStatus::finished, this, [this](const QString &warning) {
        if (!warning.isEmpty())
            Messages::show(this, warning);
    });

    connect(m_download, &MeterDownload::notice, this,
            [this](const QString &text) { Messages::show(this, text, {}, Messages::Icon::Warning); });
    connect(&m_download->status(), &DownloadStatus::failed, this,
            [this] { CmdSaveLog->setVisible(!m_download->logPath().isEmpty()); });
    connect(CommandMR, &QPushButton::clicked, CmdSaveLog, &QWidget::hide);
    connect(CommandMR, &QPushButton::clicked, this, [this] {
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

void frmMeterRead::leaveFor(Next next)
{
    // The page is destroyed only later; the download must end now.
    m_download->stop();
    emit leaving(next);
}
