#include "app/ui/Startup.h"

#include "app/AppState.h"

#include "app/ui/frmMain.h"
#include "app/ui/frmSplash.h"
#include "users/Login.h"
#include "users/ui/frmLogin.h"
#include "users/ui/frmLoginAdd.h"

#include <QCoreApplication>
#include <QTimer>

namespace {
// The windows' signals come from their own click handlers, so they are hidden
// at once and destroyed when those handlers have returned.
void dismiss(QWidget *window)
{
    if (window) {
        window->hide();
        window->deleteLater();
    }
}
} // namespace

Startup::Startup(AppState &state, QObject *parent)
    : QObject(parent)
    , m_state(state)
{
}

Startup::~Startup()
{
    delete m_login;
    delete m_loginAdd;
}

frmLogin *Startup::login() const
{
    return m_login;
}

void Startup::run(bool watched)
{
    m_splash = std::make_unique<frmSplash>();
    m_splash->show();
    m_splash->repaint();
    m_frame = std::make_unique<frmMain>(m_state);
    const auto loginAfterSplash = [this] {
        m_splash.reset();
        showLogin(true);
    };
    if (watched)
        QTimer::singleShot(kSplashMs, this, loginAfterSplash);
    else
        loginAfterSplash();
}

void Startup::showLogin(bool addNewEnabled)
{
    m_login = new frmLogin(m_state.dataDir, m_state.store);
    m_login->setAddNewEnabled(addNewEnabled);
    connect(m_login, &frmLogin::loggedIn, this, &Startup::onLoggedIn);
    connect(m_login, &frmLogin::addNewRequested, this, [this] {
        dismiss(m_login);
        showLoginAdd();
    });
    connect(m_login, &frmLogin::cancelRequested, this, [] { QCoreApplication::exit(0); });
    m_login->show();
}

void Startup::showLoginAdd()
{
    m_loginAdd = new frmLoginAdd(m_state.dataDir);
    connect(m_loginAdd, &frmLoginAdd::added, this, [this] {
        dismiss(m_loginAdd);
        showLogin(false);
    });
    connect(m_loginAdd, &frmLoginAdd::cancelled, this, [this] {
        dismiss(m_loginAdd);
        showLogin(true);
    });
    m_loginAdd->show();
}

void Startup::onLoggedIn(const LoginOutcome &outcome)
{
    m_state.users = outcome.users;
    m_state.user = outcome.user;
    m_frame->open(PageCommands::kIndex);
    dismiss(m_login);
    m_loggedIn = true;
    Q_EMIT loggedIn();
}
