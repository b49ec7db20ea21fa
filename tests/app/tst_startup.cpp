#include "ShellTestSupport.h"

#include "app/AppState.h"
#include "app/ui/Startup.h"
#include "app/ui/frmSplash.h"
#include "common/MessageRecorder.h"
#include "common/TestData.h"
#include "users/ui/frmLogin.h"
#include "users/ui/frmLoginAdd.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
void click(QWidget *window, const char *button)
{
    QTest::mouseClick(window->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

bool listRead(frmLogin *login)
{
    auto *timer = login->findChild<QTimer *>(QStringLiteral("Timerload"));
    return QTest::qWaitFor([timer] { return !timer->isActive(); });
}
} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private:
    MessageRecorder m_messages;
    ScratchFolder m_folder;

private Q_SLOTS:
    void splashThenLoginThenFrame()
    {
        AppState state;
        state.dataDir = m_folder.path();
        Startup startup(state);
        QElapsedTimer clock;
        clock.start();
        startup.run();
        QVERIFY(clock.elapsed() >= 1000);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<frmSplash *>(w) || !w->isVisible());
        // Only the login window is up; the frame waits hidden.
        QPointer<frmLogin> login = startup.login();
        QVERIFY(login && login->isVisible());
        QVERIFY(!startup.frame()->isVisible());

        QVERIFY(listRead(login));
        click(login, "CommandLoginIn");
        QVERIFY(startup.isLoggedIn());
        QVERIFY(startup.frame()->isVisible());
        QCOMPARE(loadedPages(*startup.frame()), QList<Page>{Page::Index});
        QVERIFY(!login->isVisible());
        flushDeletes();
        QVERIFY(!login);
    }

    void addNewUserAndBack_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("addNewEnabled");
        QTest::newRow("user added") << true << false;
        QTest::newRow("cancelled") << false << true;
    }
    void addNewUserAndBack()
    {
        QFETCH(bool, confirm);
        QFETCH(bool, addNewEnabled);
        AppState state;
        state.dataDir = m_folder.path();
        Startup startup(state);
        startup.run();
        QPointer<frmLogin> first = startup.login();
        QVERIFY(listRead(first));
        click(first, "CommandAddNew");
        frmLoginAdd *add = startup.loginAdd();
        QVERIFY(add && add->isVisible());
        flushDeletes();
        QVERIFY(!first);

        if (confirm) {
            const QString id = QStringLiteral("user%1").arg(QDateTime::currentMSecsSinceEpoch());
            for (const char *box : {"TextName", "TextPasswd", "TextCheck"})
                add->findChild<QLineEdit *>(QLatin1String(box))->setText(id);
        }
        click(add, confirm ? "CommandAddOk" : "CommandCancel");
        frmLogin *again = startup.login();
        QVERIFY(again && again->isVisible() && !add->isVisible());
        QCOMPARE(again->findChild<QPushButton *>(QStringLiteral("CommandAddNew"))->isEnabled(), addNewEnabled);
        QVERIFY(!startup.frame()->isVisible());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
