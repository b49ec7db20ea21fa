#pragma once

#include <QWidget>

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct UserSettings;
class UserTable;

// "Setting parameters": port, unit and date format change the logged-in user's
// settings the moment they are chosen; SAVE checks and takes the limits; OK
// writes the settings into the user list and closes. A window of its own,
// deleting itself when closed.
class frmSet : public QWidget
{
    Q_OBJECT

public:
    frmSet(UserSettings &user, UserTable &users, const QString &dataDir, QWidget *parent = nullptr);

private:
    void load();
    void chooseUnit(int unit);
    void onSaveClicked();
    void onOkClicked();

    UserSettings &m_user;
    UserTable &m_users;
    const QString m_dataDir;
    QRadioButton *ComOption[5];
    QRadioButton *UnitOption1;
    QRadioButton *UnitOption2;
    QRadioButton *TimeOption1;
    QRadioButton *TimeOption2;
    QLineEdit *TextMax;
    QLineEdit *TextMin;
    QLineEdit *TextMaxp;
    QLineEdit *TextMinp;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label9;
    QLabel *Label8;
    QPushButton *CmdSave;
    QPushButton *cmdOK;
};
