#pragma once

#include "users/UserTable.h"

#include <QWidget>

struct LoginOutcome;
class ReadingStore;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The login window: pick a registered user, type the password, log in. What
// happens after a login, on Add New User and on Cancel is up to whoever listens
// to the signals.
class frmLogin : public QWidget
{
    Q_OBJECT

public:
    // A login loads the user's readings into store.
    frmLogin(const QString &dataDir, ReadingStore &store, QWidget *parent = nullptr);

    // Off once a user has been added, until the window is made anew.
    void setAddNewEnabled(bool enabled);

Q_SIGNALS:
    // The users are listed and one can be chosen.
    void usersListed();
    // A complete login: the outcome holds the user's settings, the store their readings.
    void loggedIn(const LoginOutcome &outcome);
    void addNewRequested();
    void cancelRequested();

private:
    // Reads the user list file into the user table and lists its IDs.
    void LoadUserList();
    void onTimerload();
    void onUserChosen();
    void focusNextField();
    void onLoginClicked();

    const QString m_dataDir;
    ReadingStore &m_store;
    UserTable m_users;
    QComboBox *ComboName;
    QLabel *userIdLabel;
    QLineEdit *TextPasswd;
    QLabel *passwordLabel;
    QPushButton *CommandLoginIn;
    QPushButton *CommandAddNew;
    QPushButton *CommandCancel;
    QTimer *Timerload;
    QLabel *picIcon;
};
