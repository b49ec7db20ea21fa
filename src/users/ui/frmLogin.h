#pragma once

#include <QWidget>

struct AppState;
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
    explicit frmLogin(AppState &state, QWidget *parent = nullptr);

    // Off once a user has been added, until the window is made anew.
    void setAddNewEnabled(bool enabled);

Q_SIGNALS:
    void loggedIn();
    void addNewRequested();
    void cancelRequested();

private:
    void LoadUserList();
    void onTimerload();
    void onUserChosen();
    void onLoginClicked();

    AppState &m_state;
    QComboBox *ComboName;
    QLabel *Label1;
    QLineEdit *TextPasswd;
    QLabel *Label2;
    QPushButton *CommandLoginIn;
    QPushButton *CommandAddNew;
    QPushButton *CommandCancel;
    QTimer *Timerload;
    QLabel *picIcon;
};
