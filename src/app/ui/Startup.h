#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

struct AppState;
struct LoginOutcome;
class frmLogin;
class frmLoginAdd;
class frmMain;
class frmSplash;

// The start of the program and the way from the login windows to the frame:
// splash for a second while the frame is made hidden, then the login window;
// a login shows the index page, which makes the frame visible.
class Startup : public QObject
{
    Q_OBJECT

public:
    explicit Startup(AppState &state, QObject *parent = nullptr);
    ~Startup() override;

    // Shows the splash and makes the frame hidden meanwhile; a second later
    // (from the event loop, which keeps the splash's bar moving) the login
    // window follows. A run that nobody watches (a scripted start) shows the
    // login window at once.
    void run(bool watched = true);

    frmMain *frame() const { return m_frame.get(); }
    // The login window while it is shown.
    frmLogin *login() const;
    bool isLoggedIn() const { return m_loggedIn; }

Q_SIGNALS:
    // The index page is shown in the now visible frame.
    void loggedIn();

private:
    void showLogin(bool addNewEnabled);
    void showLoginAdd();
    void onLoggedIn(const LoginOutcome &outcome);

    static constexpr int kSplashMs = 1000;

    AppState &m_state;
    std::unique_ptr<frmSplash> m_splash;
    std::unique_ptr<frmMain> m_frame;
    QPointer<frmLogin> m_login;
    QPointer<frmLoginAdd> m_loginAdd;
    bool m_loggedIn = false;
};
