#pragma once

#include "app/ui/StartOptions.h"

#include <QObject>

class QTimer;
class QWidget;
class Startup;

// Carries out the command line's part of a start: logs in through the real
// login window as a user would (choose the ID, type the password, click
// Login), then opens the asked page and saves a picture of it. Ends the program
// with a non-zero code, after saying why on standard error, when any step fails.
class ScriptedStart : public QObject
{
    Q_OBJECT

public:
    ScriptedStart(Startup &startup, const StartOptions &options, QObject *parent = nullptr);

    // Call once the login window is shown.
    void begin();

private:
    void pollLogin();
    void logIn();
    void afterLogin();
    void saveScreenshot(QWidget *front);
    void fail(const QString &why);

    Startup &m_startup;
    StartOptions m_options;
    QTimer *m_poll;
    int m_pollsLeft = 0;
};
