#include "users/ui/frmLogin.h"

#include "platform/DataFolder.h"
#include "platform/LocalBytes.h"
#include "platform/Product.h"
#include "platform/ui/MessageService.h"
#include "platform/ui/ProgramPictures.h"
#include "users/ui/frmReadOldData.h"
#include "users/Login.h"
#include "users/UserRegistry.h"
#include "users/UserTexts.h"
#include "platform/ui/WindowParts.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace {
constexpr int kTimerloadMs = 200;
constexpr int kIconSize = 64;
} // namespace

frmLogin::frmLogin(const QString &dataDir, ReadingStore &store, QWidget *parent)
    : QWidget(parent, WindowParts::kFixedDialogFlags)
    , m_dataDir(dataDir)
    , m_store(store)
    , ComboName(WindowParts::named<QComboBox>(this, "ComboName"))
    , userIdLabel(WindowParts::label(this, "Label1", UserTexts::kUserIdLabel))
    , TextPasswd(WindowParts::passwordBox(this, "TextPasswd"))
    , passwordLabel(WindowParts::label(this, "Label2", UserTexts::kPasswordLabel))
    , CommandLoginIn(WindowParts::button(this, "CommandLoginIn", UserTexts::kLoginButton))
    , CommandAddNew(WindowParts::button(this, "CommandAddNew", UserTexts::kAddNewUser))
    , CommandCancel(WindowParts::button(this, "CommandCancel", UserTexts::kCancelButton))
    , Timerload(WindowParts::named<QTimer>(this, "Timerload"))
    , picIcon(WindowParts::label(this, "picIcon", QString()))
{
    WindowParts::setTitle(this, UserTexts::kLoginCaption);
    ComboName->setEditable(false);
    picIcon->setPixmap(Pictures::pixmap(QStringLiteral("product"), QSize(kIconSize, kIconSize)));
    picIcon->setAccessibleName(Product::kName);
    // A screen reader reads each field with its caption.
    userIdLabel->setBuddy(ComboName);
    passwordLabel->setBuddy(TextPasswd);

    auto *fields = new QGridLayout;
    fields->addWidget(userIdLabel, 0, 0);
    fields->addWidget(ComboName, 0, 1);
    fields->addWidget(passwordLabel, 1, 0);
    fields->addWidget(TextPasswd, 1, 1);
    auto *top = new QHBoxLayout;
    top->addWidget(picIcon);
    top->addLayout(fields, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(WindowParts::buttonRow({CommandLoginIn, CommandAddNew, CommandCancel}));

    connect(ComboName, &QComboBox::currentIndexChanged, this, &frmLogin::onUserChosen);
    connect(CommandLoginIn, &QPushButton::clicked, this, &frmLogin::onLoginClicked);
    connect(CommandAddNew, &QPushButton::clicked, this, &frmLogin::addNewRequested);
    connect(CommandCancel, &QPushButton::clicked, this, &frmLogin::cancelRequested);
    connect(Timerload, &QTimer::timeout, this, &frmLogin::onTimerload);
    WindowParts::setMainButton(this, CommandLoginIn);
    // Escape ends the program, as Cancel does.
    WindowParts::cancelOnEscape(this, CommandCancel);

    const QString registry = DataFolder::registryPath(m_dataDir);
    QString error;
    if (!UserRegistry::ensureExists(registry, &error)) {
        Messages::show(this, UserTexts::cannotCreateUserList(error), {}, Messages::Icon::Critical);
        return;
    }
    // The list is read once the window is on screen.
    Timerload->setInterval(kTimerloadMs);
    Timerload->start();
}

void frmLogin::setAddNewEnabled(bool enabled)
{
    CommandAddNew->setEnabled(enabled);
}

void frmLogin::LoadUserList()
{
    const QString registry = DataFolder::registryPath(m_dataDir);
    QString error;
    if (!UserRegistry::read(registry, &m_users, &error))
        Messages::show(this, UserTexts::cannotReadUserList(error), {}, Messages::Icon::Critical);
    if (const int skipped = m_users.skippedLines(); skipped > 0) {
        Messages::show(
            this,
            UserTexts::skippedUserListLines(QDir::toNativeSeparators(registry), skipped, m_users.firstSkippedLine()),
            {}, Messages::Icon::Warning);
    }
    ComboName->clear();
    // Shown as read; the ID itself rides along, as two users may look alike
    // (a Latin-1 "café" beside a UTF-8 one).
    for (const UserRecord &record : m_users.records())
        ComboName->addItem(LocalBytes::shown(record.id), record.id);
}

void frmLogin::onTimerload()
{
    Timerload->stop();
    {
        const QSignalBlocker blocker(ComboName);
        LoadUserList();
        ComboName->setCurrentIndex(ComboName->count() - 1);
    }
    onUserChosen();
    focusNextField();
    Q_EMIT usersListed();
}

// The password is what the user types next (for the user just added, and
// after a refused one, too), else the choice of a user.
void frmLogin::focusNextField()
{
    (TextPasswd->isEnabled() ? static_cast<QWidget *>(TextPasswd) : ComboName)->setFocus();
}

void frmLogin::onUserChosen()
{
    TextPasswd->clear();
    TextPasswd->setEnabled(ComboName->currentData().toString() != UserRegistry::kGuestId);
}

void frmLogin::onLoginClicked()
{
    LoginOutcome outcome;
    {
        frmReadOldData reading;
        reading.show();
        outcome = Login::logIn(m_dataDir, ComboName->currentData().toString(), TextPasswd->text(), m_store);
    }
    if (outcome.clearPassword)
        TextPasswd->clear();
    if (!outcome.message.isEmpty()) {
        Messages::show(this, outcome.message, outcome.title,
                       outcome.critical ? Messages::Icon::Critical : Messages::Icon::None);
    }
    if (!outcome.ok) {
        focusNextField();
        return;
    }
    for (const QString &warning : outcome.warnings)
        Messages::show(this, warning, {}, Messages::Icon::Warning);
    Q_EMIT loggedIn(outcome);
}
