#include "meter/ui/frmMeterRead.h"

#include "meter/MeterTexts.h"
#include "meter/serial/MeterDownload.h"
#include "platform/ui/MessageService.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *wrappedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QGroupBox *stepFrame(const QString &name, QWidget *parent)
{
    auto *frame = new QGroupBox(name, parent);
    frame->setObjectName(name);
    return frame;
}

QPushButton *namedButton(const QString &name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

frmMeterRead::frmMeterRead(const PageContext &context, Session &session, QWidget *parent)
    : QWidget(parent)
    , m_host(context.host)
    , m_download(new MeterDownload(context.dataDir, session, this))
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
    auto *explanation = wrappedLabel(
        QStringLiteral("This operation will download the readings stored on your Blood Glucose "
                       "Monitoring System and enter them in the database."),
        this);

    auto *step1 = stepFrame(QStringLiteral("Step1"), this);
    auto *step1Layout = new QVBoxLayout(step1);
    step1Layout->addWidget(wrappedLabel(
        QStringLiteral("Connect the meter to your computer by using the interface cable."), step1));

    auto *step2 = stepFrame(QStringLiteral("Step2"), this);
    auto *step2Layout = new QVBoxLayout(step2);
    CommandMR = namedButton(QStringLiteral("CommandMR"), QStringLiteral("Start Reading"), step2);
    step2Layout->addWidget(CommandMR);
    step2Layout->addWidget(wrappedLabel(
        QStringLiteral("Your meter will turn ON and display [PC] before downloading."), step2));

    auto *step3 = stepFrame(QStringLiteral("Step3"), this);
    auto *step3Layout = new QVBoxLayout(step3);
    step3Layout->addWidget(wrappedLabel(QStringLiteral("View reports after downloading."), step3));
    auto *reportButtons = new QHBoxLayout;
    CmdReportAC = namedButton(QStringLiteral("CmdReportAC"), QStringLiteral("Line Graph(AC)"), step3);
    CmdReportPC = namedButton(QStringLiteral("CmdReportPC"), QStringLiteral("Line Graph(PC)"), step3);
    CmdReport = namedButton(QStringLiteral("CmdReport"), QStringLiteral("View Reports ..."), step3);
    reportButtons->addWidget(CmdReportAC);
    reportButtons->addWidget(CmdReportPC);
    reportButtons->addWidget(CmdReport);
    step3Layout->addLayout(reportButtons);

    LabelRead = new QLabel(m_download->session().label(), this);
    LabelRead->setObjectName(QStringLiteral("LabelRead"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, m_download->session().progressMaximum());
    ProgressBar1->setValue(m_download->session().progress());
    List3 = new QListWidget(this);
    List3->setObjectName(QStringLiteral("List3"));

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
    connect(&m_download->session(), &MeterSession::labelChanged, LabelRead, &QLabel::setText);
    connect(&m_download->session(), &MeterSession::progressChanged, ProgressBar1, &QProgressBar::setValue);
    connect(&m_download->session(), &MeterSession::progressMaximumChanged, ProgressBar1, &QProgressBar::setMaximum);
    connect(&m_download->session(), &MeterSession::listLine, this, [this](const QString &line) {
        List3->clear();
        List3->addItem(line);
    });
    connect(&m_download->session(), &MeterSession::message, this,
            [this](const QString &text) { Messages::show(this, text); });
    connect(&m_download->session(), &MeterSession::finished, this, [this](const QString &warning) {
        if (!warning.isEmpty())
            Messages::show(this, warning);
    });

    connect(CommandMR, &QPushButton::clicked, m_download, &MeterDownload::start);
    connect(CmdReportAC, &QPushButton::clicked, this,
            [this] { leaveFor(PageCommand::LineGraph); });
    connect(CmdReportPC, &QPushButton::clicked, this,
            [this] { leaveFor(PageCommand::PcLineGraph); });
    connect(CmdReport, &QPushButton::clicked, this, [this] { leaveFor(PageCommand::Menu); });
}

void frmMeterRead::leaveFor(PageCommand next)
{
    // The host destroys this page only later; the download must end now.
    m_download->stop();
    m_host.open(next);
}
