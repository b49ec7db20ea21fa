#include "app/ui/ScriptedStart.h"

#include "app/AppState.h"
#include "platform/LocalBytes.h"
#include "platform/TextFiles.h"
#include "app/ui/OpenWindows.h"
#include "app/ui/StateDump.h"
#include "app/ui/Startup.h"
#include "app/ui/frmMain.h"
#include "users/OwnFiles.h"
#include "users/ui/frmLogin.h"

#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {
// The login window reads its list 200 ms after it appears; a slow disk gets
// ten seconds before the start is given up.
constexpr int kListWaitMs = 10000;
} // namespace

ScriptedStart::ScriptedStart(Startup &startup, const AppState &state, const StartOptions &options, QObject *parent)
    : QObject(parent)
    , m_startup(startup)
    , m_state(state)
    , m_options(options)
    , m_giveUp(new QTimer(this))
{
    m_giveUp->setSingleShot(true);
    m_giveUp->setInterval(kListWaitMs);
    connect(m_giveUp, &QTimer::timeout, this,
            [this] { fail(QStringLiteral("The login window did not list the users.")); });
    if (m_options.page || m_options.endsAfterPage() || !m_options.steps.isEmpty())
        connect(&m_startup, &Startup::loggedIn, this, &ScriptedStart::afterLogin, Qt::QueuedConnection);
    if (!m_options.dump.isEmpty()) {
        Messages::setHandler([this](const Messages::Message &message) {
            Messages::printToStandardError(message);
            m_messages << message;
        });
    }
}

void ScriptedStart::begin()
{
    if (m_options.user.isEmpty())
        return;
    if (frmMain *frame = m_startup.frame())
        frame->setScripted(true);
    frmLogin *login = m_startup.login();
    if (!login) {
        fail(QStringLiteral("The login window did not open."));
        return;
    }
    connect(login, &frmLogin::usersListed, this, &ScriptedStart::logIn, Qt::SingleShotConnection);
    m_giveUp->start();
}

void ScriptedStart::logIn()
{
    m_giveUp->stop();
    frmLogin *login = m_startup.login();
    auto *names = login->findChild<QComboBox *>(QStringLiteral("ComboName"));
    auto *password = login->findChild<QLineEdit *>(QStringLiteral("TextPasswd"));
    auto *loginButton = login->findChild<QPushButton *>(QStringLiteral("CommandLoginIn"));
    if (!names || !password || !loginButton) {
        fail(QStringLiteral("The login window has no user list, password box or Login button."));
        return;
    }
    // By the ID itself, byte for byte: the list shows an ID of another
    // encoding as Latin-1, and two IDs may look alike.
    const int index = names->findData(m_options.user);
    if (index < 0) {
        fail(QStringLiteral("There is no user \"%1\".").arg(m_options.user));
        return;
    }
    names->setCurrentIndex(index);
    password->setText(m_options.password);
    loginButton->click();
    // The login window has already said why it refused.
    if (!m_startup.isLoggedIn())
        fail(QStringLiteral("The login of \"%1\" was refused.").arg(m_options.user));
}

void ScriptedStart::afterLogin()
{
    frmMain *frame = m_startup.frame();
    m_front = frame;
    if (m_options.page) {
        QWidget *opened = frame->open(*m_options.page);
        if (!opened) {
            fail(QStringLiteral("The page \"%1\" is not available in this build.").arg(m_options.page->name()));
            return;
        }
        if (opened->isWindow())
            m_front = opened;
    }
    scheduleNextStep();
}

void ScriptedStart::scheduleNextStep()
{
    // Each step and the end run from the event loop, so what a step opens (a
    // window, a modal box) is shown before the next step looks for controls.
    QTimer::singleShot(0, this, &ScriptedStart::nextStep);
}

void ScriptedStart::nextStep()
{
    if (m_nextStep == m_options.steps.size()) {
        finish();
        return;
    }
    const ScriptStep &step = m_options.steps[m_nextStep++];
    const QString error = ControlScript::apply(step, dateFormat(m_state.user.dateFormat));
    if (!error.isEmpty()) {
        fail(error);
        return;
    }
    scheduleNextStep();
}

void ScriptedStart::finish()
{
    if (!m_options.dump.isEmpty() && !saveDump())
        return;
    if (!m_options.screenshot.isEmpty()) {
        // After steps, the picture is of whatever window is now in front.
        const QList<QWidget *> windows = OpenWindows::frontFirst();
        QWidget *front = m_options.steps.isEmpty() || windows.isEmpty() ? m_front.data() : windows.first()->window();
        saveScreenshot(front ? front : m_startup.frame());
        return;
    }
    if (m_options.endsAfterPage())
        QCoreApplication::exit(0);
}

bool ScriptedStart::saveDump()
{
    const QByteArray json = QJsonDocument(StateDump::screen(m_messages)).toJson(QJsonDocument::Indented);
    if (isOwnFile(m_options.dump))
        return false;
    QString error;
    if (!TextFiles::writeAtomically(m_options.dump, json, &error)) {
        fail(error);
        return false;
    }
    return true;
}

bool ScriptedStart::isOwnFile(const QString &path)
{
    const QString refusal = OwnFiles::exportRefusal(m_state.dataDir, path);
    if (!refusal.isEmpty())
        fail(refusal);
    return !refusal.isEmpty();
}

void ScriptedStart::saveScreenshot(QWidget *front)
{
    if (isOwnFile(m_options.screenshot))
        return;
    QByteArray format = QFileInfo(m_options.screenshot).suffix().toLower().toLatin1();
    if (format.isEmpty())
        format = "png";
    if (!QImageWriter::supportedImageFormats().contains(format)) {
        fail(QStringLiteral("Cannot save a picture as \"%1\".").arg(QString::fromLatin1(format)));
        return;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!front->grab().save(&buffer, format.constData())
        || !TextFiles::writeAtomically(m_options.screenshot, bytes, &error)) {
        fail(error.isEmpty() ? QStringLiteral("Cannot draw the picture.") : error);
        return;
    }
    QCoreApplication::exit(0);
}

void ScriptedStart::fail(const QString &why)
{
    std::fprintf(stderr, "%s\n", qPrintable(LocalBytes::shown(why)));
    QCoreApplication::exit(1);
}
