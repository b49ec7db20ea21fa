#include "users/ui/frmLoginAdd.h"

#include "platform/ui/MessageService.h"
#include "users/AddUser.h"
#include "users/UserTexts.h"
#include "platform/ui/WindowParts.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmLoginAdd::frmLoginAdd(const QString &dataDir, QWidget *parent)
    : QWidget(parent, WindowParts::kFixedDialogFlags)
    , m_dataDir(dataDir)
    , TextName(WindowParts::named<QLineEdit>(this, "TextName"))
    , LabelName(WindowParts::label(this, "LabelName", UserTexts::kUserIdLabel))
    , TextPasswd(WindowParts::passwordBox(this, "TextPasswd"))
    , LabelPasswd(WindowParts::label(this, "LabelPasswd", UserTexts::kPasswordLabel))
    , TextCheck(WindowParts::passwordBox(this, "TextCheck"))
    , LabelCheck(WindowParts::label(this, "LabelCheck", UserTexts::kCheckingPasswordLabel))
    , CommandAddOk(WindowParts::button(this, "CommandAddOk", UserTexts::kOkButton))
    , CommandCancel(WindowParts::button(this, "CommandCancel", UserTexts::kCancelButton))
{
    setWindowTitle(UserTexts::kAddNewUser);

    // A screen reader reads each box with its caption.
    LabelName->setBuddy(TextName);
    LabelPasswd->setBuddy(TextPasswd);
    LabelCheck->setBuddy(TextCheck);
    auto *fields = new QFormLayout;
    fields->addRow(LabelName, TextName);
    fields->addRow(LabelPasswd, TextPasswd);
    fields->addRow(LabelCheck, TextCheck);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(WindowParts::buttonRow({CommandAddOk, CommandCancel}));

    connect(CommandAddOk, &QPushButton::clicked, this, &frmLoginAdd::onOkClicked);
    connect(CommandCancel, &QPushButton::clicked, this, &frmLoginAdd::cancelled);
    WindowParts::setMainButton(this, CommandAddOk);
    WindowParts::cancelOnEscape(this, CommandCancel);
}

void frmLoginAdd::onOkClicked()
{
    const AddUserOutcome outcome = AddUser::add(m_dataDir, TextName->text(), TextPasswd->text(), TextCheck->text());
    if (outcome.clearPasswords) {
        TextPasswd->clear();
        TextCheck->clear();
    }
    Messages::show(this, outcome.message, {}, outcome.critical ? Messages::Icon::Critical : Messages::Icon::None);
    if (outcome.ok) {
        Q_EMIT added();
        return;
    }
    // The cursor goes where the refused entry is typed again.
    QLineEdit *box = outcome.box == AddUserOutcome::Box::Id      ? TextName
                     : outcome.box == AddUserOutcome::Box::Check ? TextCheck
                                                                 : TextPasswd;
    box->setFocus();
    box->selectAll();
}
