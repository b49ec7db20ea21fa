#include "meter/ui/frmFindMeter.h"

#include "meter/serial/MeterFinder.h"
#include "platform/ui/WindowParts.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmFindMeter::frmFindMeter(const QList<SerialPortEntry> &candidates, int port, Use use, QWidget *parent)
    : QWidget(parent, WindowParts::kOwnedDialogFlags)
    , ListTried(WindowParts::named<QListWidget>(this, "ListTried"))
    , LabelResult(WindowParts::wrappedLabel(this, "LabelResult", QString()))
    , CmdUseMeter(WindowParts::button(this, "CmdUseMeter", QStringLiteral("Use It for Port %1").arg(port)))
    , CmdClose(WindowParts::button(this, "CmdClose", QStringLiteral("Close")))
    , m_finder(new MeterFinder(candidates, this))
{
    setObjectName(QStringLiteral("frmFindMeter"));
    setWindowTitle(QStringLiteral("Find Meter"));
    setAttribute(Qt::WA_DeleteOnClose);
    ListTried->setAccessibleName(QStringLiteral("Serial ports tried"));
    LabelResult->setAccessibleName(QStringLiteral("Result"));
    CmdUseMeter->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(WindowParts::wrappedLabel(
        this, nullptr,
        QStringLiteral("Connect the meter with its cable. Each serial port is asked whether the meter "
                       "is there; nothing in the meter is read or changed.")));
    layout->addWidget(ListTried);
    layout->addWidget(LabelResult);
    layout->addLayout(WindowParts::buttonRow({CmdUseMeter, CmdClose}));

    const MeterProbe &probe = m_finder->probe();
    connect(&probe, &MeterProbe::trying, LabelResult, &QLabel::setText);
    connect(&probe, &MeterProbe::tried, ListTried,
            [this](const MeterProbe::Result &result) { ListTried->addItem(result.text()); });
    connect(&probe, &MeterProbe::done, this, [this] {
        LabelResult->setText(m_finder->probe().summary());
        CmdUseMeter->setEnabled(m_finder->probe().found().has_value());
        // What is left to do: take the meter found, or close.
        (CmdUseMeter->isEnabled() ? CmdUseMeter : CmdClose)->setFocus();
    });
    connect(CmdUseMeter, &QPushButton::clicked, this, [this, use = std::move(use)] {
        use(m_finder->probe().found()->device);
        close();
    });
    connect(CmdClose, &QPushButton::clicked, this, &QWidget::close);
    WindowParts::setMainButton(this, CmdUseMeter);
    WindowParts::closeOnEscape(this);
    m_finder->start();
}
