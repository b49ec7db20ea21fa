#pragma once

#include <QWidget>

#include <QString>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct UserSettings;
class UserTable;

// "Setting parameters": port, unit and date format change the logged-in user's
// settings the moment they are chosen; SAVE checks and takes the limits; OK
// writes the settings into the user list and closes. A dialog of the window
// that opens it, deleting itself when closed. Enter runs SAVE, then OK once SAVE took the limits.
class frmSet : public QWidget
{
    Q_OBJECT

public:
    // Looks for the meter in a window of its own, over parent, on the device
    // the window shows for the port (typed in or chosen; empty for the
    // default) and the ports the computer lists; calls use with the device the
    // user takes for the port.
    using MeterFinder = std::function<void(QWidget *parent, int port, const QString &shown,
                                           std::function<void(const QString &device)> use)>;

    // Without a finder there is no Find Meter button.
    frmSet(UserSettings &user, UserTable &users, const QString &dataDir, MeterFinder findMeter = {},
           QWidget *parent = nullptr);

private:
    void load();
    // ComboDevice: the default, the serial ports the computer lists now, and
    // the device chosen for the current port even when it is not listed.
    void showDevices();
    void chooseDevice(const QString &device);
    void chooseUnit(int unit);
    void onSaveClicked();
    void onOkClicked();

    UserSettings &m_user;
    UserTable &m_users;
    const QString m_dataDir;
    const MeterFinder m_findMeter;
    // "Com Port 1 (Default)" to "Com Port 5".
    QRadioButton *portOptions[5];
    QComboBox *ComboDevice;
    QPushButton *CmdFindMeter;
    // The glucose unit and the date format.
    QRadioButton *mgdlOption;
    QRadioButton *mmolOption;
    QRadioButton *ymdOption;
    QRadioButton *dmyOption;
    // The limits, the after-meal ones (p) hidden; each with its unit beside it.
    QLineEdit *TextMax;
    QLineEdit *TextMin;
    QLineEdit *TextMaxp;
    QLineEdit *TextMinp;
    QLabel *maxUnit;
    QLabel *minUnit;
    QLabel *maxpUnit;
    QLabel *minpUnit;
    QPushButton *CmdSave;
    QPushButton *cmdOK;
};
