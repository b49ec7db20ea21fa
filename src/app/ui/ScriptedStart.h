#pragma once

#include "platform/ui/MessageService.h"
#include "app/ui/StartOptions.h"

#include <QObject>
#include <QPointer>

struct AppState;
class QTimer;
class QWidget;
class Startup;

// Carries out the command line's part of a start: logs in through the real
// login window as a user would (choose the ID, type the password, click
// Login), opens the asked page, sets and clicks the named controls one after
// the other (each once the previous one's effects have run), then saves the
// screen's state and a picture. Ends the program with a non-zero code, after
// saying why on standard error, when any step fails.
class ScriptedStart : public QObject
{
    Q_OBJECT

public:
    ScriptedStart(Startup &startup, const AppState &state, const StartOptions &options, QObject *parent = nullptr);

    // Call once the login window is shown.
    void begin();

private:
    void logIn();
    void afterLogin();
    void scheduleNextStep();
    void nextStep();
    void finish();
    bool saveDump();
    // A file asked for is never one of the program's own: true, after failing
    // the run with why, when path is one.
    bool isOwnFile(const QString &path);
    void saveScreenshot(QWidget *front);
    void fail(const QString &why);

    Startup &m_startup;
    const AppState &m_state;
    StartOptions m_options;
    QList<Messages::Message> m_messages;
    QPointer<QWidget> m_front;
    qsizetype m_nextStep = 0;
    QTimer *m_giveUp;
};
