#include "users/ui/frmSet.h"

#include "platform/DataFolder.h"
#include "platform/DeviceChoices.h"
#include "platform/PortNames.h"
#include "platform/SerialPortCatalogue.h"
#include "platform/ui/MessageService.h"
#include "platform/ui/WindowParts.h"
#include "users/LimitSettings.h"
#include "users/SettingsTexts.h"
#include "users/UserRegistry.h"
#include "users/UserTexts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

QGroupBox *frame(QWidget *parent, const char *name, const QString &title, const QList<QRadioButton *> &options)
{
    auto *box = WindowParts::named<QGroupBox>(parent, name);
    box->setTitle(title);
    auto *layout = new QVBoxLayout(box);
    for (QRadioButton *option : options) {
        option->setParent(box);
        layout->addWidget(option);
    }
    return box;
}

QRadioButton *option(QWidget *parent, const QString &name, const QString &text)
{
    auto *button = new QRadioButton(text, parent);
    button->setObjectName(name);
    return button;
}

// Runs handler whenever the option is switched on, by a click or by the load.
template<typename Handler>
void onChosen(QRadioButton *option, QObject *context, Handler handler)
{
    QObject::connect(option, &QRadioButton::toggled, context, [handler](bool on) {
        if (on)
            handler();
    });
}

} // namespace

frmSet::frmSet(UserSettings &user, UserTable &users, const QString &dataDir, MeterFinder findMeter, QWidget *parent)
    : QWidget(parent, WindowParts::kOwnedDialogFlags)
    , m_user(user)
    , m_users(users)
    , m_dataDir(dataDir)
    , m_findMeter(std::move(findMeter))
    , ComboDevice(WindowParts::named<QComboBox>(this, "ComboDevice"))
    , CmdFindMeter(WindowParts::button(this, "CmdFindMeter", SettingsTexts::kFindMeterButton))
    , mgdlOption(option(this, QStringLiteral("UnitOption1"), SettingsTexts::kUnitMgdlOption))
    , mmolOption(option(this, QStringLiteral("UnitOption2"), SettingsTexts::kUnitMmolOption))
    , ymdOption(option(this, QStringLiteral("TimeOption1"), SettingsTexts::kTimeYmdOption))
    , dmyOption(option(this, QStringLiteral("TimeOption2"), SettingsTexts::kTimeDmyOption))
    , TextMax(WindowParts::named<QLineEdit>(this, "TextMax"))
    , TextMin(WindowParts::named<QLineEdit>(this, "TextMin"))
    , TextMaxp(WindowParts::named<QLineEdit>(this, "TextMaxp"))
    , TextMinp(WindowParts::named<QLineEdit>(this, "TextMinp"))
    , maxUnit(WindowParts::label(this, "Label3", QStringLiteral("mg/dL")))
    , minUnit(WindowParts::label(this, "Label4", QStringLiteral("mg/dL")))
    , maxpUnit(WindowParts::label(this, "Label9", QStringLiteral("mg/dL")))
    , minpUnit(WindowParts::label(this, "Label8", QStringLiteral("mg/dL")))
    , CmdSave(WindowParts::button(this, "CmdSave", SettingsTexts::kSaveButton))
    , cmdOK(WindowParts::button(this, "cmdOK", UserTexts::kOkButton))
{
    setObjectName(QStringLiteral("frmSet"));
    setWindowTitle(SettingsTexts::kCaption);
    setAttribute(Qt::WA_DeleteOnClose);

    for (int i = 0; i < 5; ++i) {
        portOptions[i] = option(this, QStringLiteral("ComOption%1").arg(i + 1), SettingsTexts::kPortOptions[i]);
        onChosen(portOptions[i], this, [this, i] {
            m_user.port = i + 1;
            showDevices();
        });
    }
    // A device typed in is taken with Enter, and stays in the list.
    ComboDevice->setEditable(true);
    ComboDevice->setInsertPolicy(QComboBox::InsertAtBottom);
    ComboDevice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ComboDevice->setAccessibleName(SettingsTexts::kDeviceLabel);
    ComboDevice->lineEdit()->setAccessibleName(SettingsTexts::kDeviceLabel);
    ComboDevice->setToolTip(SettingsTexts::kDeviceHint);
    connect(ComboDevice, &QComboBox::activated, this, [this](int index) {
        const QVariant listed = ComboDevice->itemData(index);
        chooseDevice(listed.isValid() ? listed.toString() : ComboDevice->itemText(index).trimmed());
    });
    CmdFindMeter->setAccessibleName(SettingsTexts::kFindMeterButton);
    CmdFindMeter->setVisible(bool(m_findMeter));
    connect(CmdFindMeter, &QPushButton::clicked, this, [this] {
        // Taken for the port the search was for, even if another was chosen meanwhile.
        const int port = m_user.port;
        // A device typed in, Enter or not, is tried too: the system may not list it.
        const int at = ComboDevice->currentIndex();
        const QString shown = at >= 0 && ComboDevice->itemText(at) == ComboDevice->currentText()
                                  ? ComboDevice->itemData(at).toString()
                                  : ComboDevice->currentText().trimmed();
        m_findMeter(this, port, shown, [this, port](const QString &device) {
            portOptions[port - 1]->setChecked(true);
            chooseDevice(device);
        });
    });
    onChosen(mgdlOption, this, [this] { chooseUnit(1); });
    onChosen(mmolOption, this, [this] { chooseUnit(2); });
    onChosen(ymdOption, this, [this] { m_user.dateFormat = 1; });
    onChosen(dmyOption, this, [this] { m_user.dateFormat = 2; });

    auto *limits = WindowParts::named<QGroupBox>(this, "Frame4");
    limits->setTitle(SettingsTexts::kLimitFrame);
    auto *grid = new QGridLayout(limits);
    const struct
    {
        const char *name;
        const QString &text;
        QLineEdit *box;
        QLabel *unit;
    } rows[] = {
        {"Label1", SettingsTexts::kUpperLabel, TextMax, maxUnit},
        {"Label2", SettingsTexts::kLowerLabel, TextMin, minUnit},
        {"Label7", SettingsTexts::kPcUpperLabel, TextMaxp, maxpUnit},
        {"Label6", SettingsTexts::kPcLowerLabel, TextMinp, minpUnit},
    };
    for (int r = 0; r < 4; ++r) {
        QLabel *caption = WindowParts::label(limits, rows[r].name, rows[r].text);
        rows[r].box->setParent(limits);
        rows[r].unit->setParent(limits);
        caption->setBuddy(rows[r].box);
        grid->addWidget(caption, r, 0);
        grid->addWidget(rows[r].box, r, 1);
        grid->addWidget(rows[r].unit, r, 2);
        // The after-meal limits are never shown, yet loaded, reset and checked.
        for (QWidget *w : {static_cast<QWidget *>(caption), static_cast<QWidget *>(rows[r].box),
                           static_cast<QWidget *>(rows[r].unit)})
            w->setVisible(r < 2);
    }

    auto *options = new QHBoxLayout;
    QGroupBox *ports = frame(this, "Frame1", SettingsTexts::kPortFrame, {portOptions, portOptions + 5});
    auto *portsLayout = static_cast<QVBoxLayout *>(ports->layout());
    auto *deviceLabel = WindowParts::label(ports, "LabelDevice", SettingsTexts::kDeviceLabel);
    deviceLabel->setBuddy(ComboDevice);
    ComboDevice->setParent(ports);
    CmdFindMeter->setParent(ports);
    portsLayout->addWidget(deviceLabel);
    portsLayout->addWidget(ComboDevice);
    portsLayout->addWidget(CmdFindMeter);
    options->addWidget(ports);
    auto *right = new QVBoxLayout;
    right->addWidget(frame(this, "Frame2", SettingsTexts::kUnitFrame, {mgdlOption, mmolOption}));
    right->addWidget(frame(this, "Frame3", SettingsTexts::kTimeFrame, {ymdOption, dmyOption}));
    options->addLayout(right);
    options->addWidget(limits);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addWidget(WindowParts::wrappedLabel(this, "Label5", SettingsTexts::kHint));
    layout->addLayout(WindowParts::buttonRow({CmdSave, cmdOK}));

    connect(CmdSave, &QPushButton::clicked, this, &frmSet::onSaveClicked);
    connect(cmdOK, &QPushButton::clicked, this, &frmSet::onOkClicked);
    // Escape leaves as the close button does, writing nothing.
    WindowParts::closeOnEscape(this);
    WindowParts::setMainButton(this, CmdSave);
    // Tab goes through the frames as they stand, from the port to OK.
    QList<QWidget *> order{portOptions, portOptions + 5};
    order << ComboDevice << CmdFindMeter << mgdlOption << mmolOption << ymdOption << dmyOption << TextMax << TextMin
          << CmdSave << cmdOK;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    load();
    // The port chosen, where the window starts.
    const auto chosen = std::find_if(portOptions, portOptions + 5, [](QRadioButton *o) { return o->isChecked(); });
    (chosen != portOptions + 5 ? *chosen : portOptions[0])->setFocus();
}

// Switching the options on runs their handlers, so the unit's defaults land in
// the boxes first and the user's own limits then replace them.
void frmSet::load()
{
    cmdOK->setEnabled(false);
    if (m_user.port >= 1 && m_user.port <= 5)
        portOptions[m_user.port - 1]->setChecked(true);
    else
        showDevices();
    if (m_user.unit == 1 || m_user.unit == 2) {
        (m_user.unit == 1 ? mgdlOption : mmolOption)->setChecked(true);
        const int unit = m_user.unit;
        TextMax->setText(LimitSettings::shown(m_user.max, unit));
        TextMin->setText(LimitSettings::shown(m_user.min, unit));
        TextMaxp->setText(LimitSettings::shown(m_user.maxp, unit));
        TextMinp->setText(LimitSettings::shown(m_user.minp, unit));
    }
    if (m_user.dateFormat == 1)
        ymdOption->setChecked(true);
    else if (m_user.dateFormat == 2)
        dmyOption->setChecked(true);
}

void frmSet::showDevices()
{
    const bool portChosen = m_user.port >= PortNames::kFirstPort && m_user.port <= PortNames::kLastPort;
    ComboDevice->setEnabled(portChosen);
    CmdFindMeter->setEnabled(portChosen);
    ComboDevice->clear();
    if (!portChosen)
        return;
    QString warning; // told at login
    const QString chosen = DeviceChoices::load(m_dataDir, &warning).device(m_user.id, m_user.port);
    ComboDevice->addItem(SettingsTexts::defaultDevice(PortNames::defaultDevice(m_user.port)), QString());
    QList<SerialPortEntry> ports = SerialPorts::catalogue().ports();
    const auto isChosen = [&chosen](const SerialPortEntry &p) { return p.device == chosen; };
    if (!chosen.isEmpty() && std::none_of(ports.begin(), ports.end(), isChosen))
        ports << SerialPortEntry{chosen, {}, {}, {}, {}, {}};
    for (const SerialPortEntry &port : std::as_const(ports)) {
        ComboDevice->addItem(port.label(), port.device);
        if (port.device == chosen)
            ComboDevice->setCurrentIndex(ComboDevice->count() - 1);
    }
}

void frmSet::chooseDevice(const QString &device)
{
    QString error;
    if (!DeviceChoices::store(m_dataDir, m_user.id, m_user.port, device, &error))
        Messages::show(this, SettingsTexts::deviceNotKept(error), {}, Messages::Icon::Critical);
    showDevices();
}

void frmSet::chooseUnit(int unit)
{
    m_user.unit = unit;
    const auto shown = LimitSettings::unitShown(unit);
    for (QLabel *label : {maxUnit, minUnit, maxpUnit, minpUnit})
        label->setText(shown->label);
    TextMax->setText(shown->upper);
    TextMaxp->setText(shown->upper);
    TextMin->setText(shown->lower);
    TextMinp->setText(shown->lower);
    cmdOK->setEnabled(false);
}

void frmSet::onSaveClicked()
{
    const LimitSettings::SaveOutcome outcome = LimitSettings::save(
        m_user.unit, {TextMax->text(), TextMin->text(), TextMaxp->text(), TextMinp->text()});
    if (!outcome.ok) {
        cmdOK->setEnabled(false);
        if (!outcome.message.isEmpty())
            Messages::show(this, outcome.message);
        // The value to put right is typed next (the after-meal boxes are never shown).
        const std::array boxes{TextMax, TextMin, TextMaxp, TextMinp};
        if (outcome.box >= 0 && boxes[outcome.box]->isVisible()) {
            boxes[outcome.box]->setFocus();
            boxes[outcome.box]->selectAll();
        }
        return;
    }
    m_user.max = outcome.limits[0];
    m_user.min = outcome.limits[1];
    m_user.maxp = outcome.limits[2];
    m_user.minp = outcome.limits[3];
    cmdOK->setEnabled(true);
    // So that a second Enter writes them.
    cmdOK->setFocus();
}

// A rewrite that fails keeps the window open with everything as typed.
void frmSet::onOkClicked()
{
    QString error;
    if (!UserRegistry::rewrite(DataFolder::registryPath(m_dataDir), m_users, m_user, &error)) {
        Messages::show(this, SettingsTexts::cannotSave(error), {}, Messages::Icon::Critical);
        return;
    }
    close();
}
