#include "app/AppState.h"
#include "common/MessageRecorder.h"
#include "common/TestData.h"
#include "users/ui/frmLogin.h"
#include "users/ui/frmLoginAdd.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QByteArray kHeader = "ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp\r\n";
const QByteArray kDefaultRegistry = kHeader + "guest*,vorpa*,1,1,1,120,80,120,80\r\n";
const QByteArray kNewReadingFile = "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time\r\n"
                                   "T0000,00000,00,00,00,00,0000,00000,0000,000000000000000000\r\n";
const QByteArray kReading = "T0001,00120,03,14,08,30,PC,06.7,2005,2005/03/14 - 08:30\r\n";
const QString kRegistry = QStringLiteral("DXRegister.txt");
const QString kWrongPassword = QStringLiteral("User ID [Bob] ! Your Password have some error ! Please try again !");

template<typename T = QLineEdit>
T *control(QWidget *window, const char *name)
{
    if (auto *found = window->findChild<T *>(QString::fromLatin1(name)))
        return found;
    qFatal("no control %s", name);
}

void click(QWidget *window, const char *button)
{
    QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
}

void type(QWidget *window, const QList<std::pair<const char *, QString>> &boxes)
{
    for (const auto &[name, text] : boxes)
        QTest::keyClicks(control(window, name), text);
}

QStringList listedIds(frmLogin *window)
{
    auto *combo = control<QComboBox>(window, "ComboName");
    QStringList ids;
    for (int i = 0; i < combo->count(); ++i)
        ids << combo->itemText(i);
    return ids;
}

// A data folder, the state the windows share, and every message box shown.
struct Session
{
    ScratchFolder folder;
    AppState state;
    MessageRecorder messages;

    Session() { state.dataDir = folder.path(); }

    // A login window once its timer has listed the users.
    std::unique_ptr<frmLogin> openLogin()
    {
        auto window = std::make_unique<frmLogin>(state);
        window->show();
        auto *timer = control<QTimer>(window.get(), "Timerload");
        if (!QTest::qWaitFor([timer] { return !timer->isActive(); }))
            qFatal("the user list was never read");
        return window;
    }
};

// Logs in as the ID the window has selected.
void logIn(frmLogin *window, const QString &password)
{
    control(window, "TextPasswd")->clear();
    QTest::keyClicks(control(window, "TextPasswd"), password);
    click(window, "CommandLoginIn");
}

} // namespace

class tst_LoginWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshFolderToFirstUser()
    {
        Session s;
        s.folder.write("guest.txt", kNewReadingFile + kReading);
        auto login = s.openLogin();
        QCOMPARE(s.folder.read(kRegistry), kDefaultRegistry);
        QCOMPARE(listedIds(login.get()), QStringList{"guest"});
        QCOMPARE(control<QComboBox>(login.get(), "ComboName")->currentText(), QStringLiteral("guest"));
        QVERIFY(!control(login.get(), "TextPasswd")->isEnabled());
        frmLoginAdd add(s.state);
        QCOMPARE(QStringList({login->windowTitle(), add.windowTitle()}), QStringList({"User Login", "Add New User"}));
        const QList<std::tuple<QWidget *, const char *, QString>> texts = {
            {login.get(), "Label1", "User ID :"}, {login.get(), "Label2", "Password :"}, {login.get(), "CommandLoginIn", "Login"},
            {login.get(), "CommandAddNew", "Add New User"}, {login.get(), "CommandCancel", "Cancel"}, {&add, "LabelName", "User ID :"},
            {&add, "LabelPasswd", "Password :"}, {&add, "LabelCheck", "Checking Password :"}, {&add, "CommandAddOk", "OK"}, {&add, "CommandCancel", "Cancel"}};
        for (const auto &[window, name, expected] : texts) {
            auto *label = window->findChild<QLabel *>(QString::fromLatin1(name));
            QCOMPARE(label ? label->text() : control<QPushButton>(window, name)->text(), expected);
        }
        for (QLineEdit *box : {control(login.get(), "TextPasswd"), control(&add, "TextPasswd"), control(&add, "TextCheck")})
            QCOMPARE(box->echoMode(), QLineEdit::Password);
        QSignalSpy loggedIn(login.get(), &frmLogin::loggedIn);
        click(login.get(), "CommandLoginIn");
        QCOMPARE(loggedIn.size(), 1);
        QCOMPARE(s.folder.read("guest.txt"), kNewReadingFile);
        QCOMPARE(s.state.user, (UserSettings{"guest", 1, 1, 1, 120, 80, 120, 80}));
        QVERIFY(s.state.tables.holdsNoReadings());

        QSignalSpy added(&add, &frmLoginAdd::added);
        type(&add, {{"TextName", "Guest"}, {"TextPasswd", "Pw1"}, {"TextCheck", "Pw1"}});
        click(&add, "CommandAddOk");
        QCOMPARE(s.messages.single(), QStringLiteral("Add New User [Guest] Successfully !!"));
        QCOMPARE(added.size(), 1);
        QCOMPARE(s.folder.read(kRegistry), kDefaultRegistry + "Guest*,Pw1*,1,1,1,120,80,120,80\r\n");

        // As after an add: a new login window, Add New User turned off.
        s.messages.clear();
        login = s.openLogin();
        login->setAddNewEnabled(false);
        QCOMPARE(listedIds(login.get()), (QStringList{"guest", "Guest"}));
        QCOMPARE(control<QComboBox>(login.get(), "ComboName")->currentText(), QStringLiteral("Guest"));
        QVERIFY(!control<QPushButton>(login.get(), "CommandAddNew")->isEnabled());

        // The last record of an ID holds its settings; only the first login creates the reading file.
        s.folder.write(kRegistry, s.folder.read(kRegistry) + "Guest*,Pw1*,4,2,2,150,x,130,70\r\n");
        logIn(login.get(), "Pw1");
        QCOMPARE(s.folder.read("Guest.txt"), kNewReadingFile);
        QCOMPARE(s.state.user, (UserSettings{"Guest", 4, 2, 2, 150, 80, 130, 70}));
        const QByteArray withReading = kNewReadingFile.left(kNewReadingFile.indexOf('\n') + 1) + kReading;
        s.folder.write("Guest.txt", withReading);
        logIn(login.get(), "Pw1");
        QVERIFY(s.messages.messages().isEmpty());
        QCOMPARE(s.folder.read("Guest.txt"), withReading);
        QCOMPARE(s.state.tables.count(), 1);
    }

    void refusedLogin_data()
    {
        QTest::addColumn<QByteArray>("registry");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        const QByteArray bob = kDefaultRegistry + "Bob*,secret*,3,2,2,150,70,140,60\r\n";
        QTest::newRow("empty password") << bob << "" << "Please Chose your User ID And key in your password !!" << "Error";
        QTest::newRow("other case") << bob << "Secret" << kWrongPassword << "Qel";
        QTest::newRow("second record disagrees") << bob + "Bob*,other*,1,1,1,1,1,1,1\r\n" << "secret" << kWrongPassword << "Qel";
        QTest::newRow("no user at all") << kHeader << "" << "No User ID is chosen. The user list is empty: please add a new user first." << "Qel";
        QTest::newRow("hand-edited id") << kHeader + "../Bob*,secret*,1,1,1,1,1,1,1\r\n" << "secret" << "User ID [../Bob] cannot be used: it contains a path separator (/ or \\)." << "Qel";
        QTest::newRow("unreadable reading file") << bob << "secret" << "The readings of User ID [Bob] cannot be loaded, so the login is refused." << "Qel";
    }
    void refusedLogin()
    {
        QFETCH(QByteArray, registry);
        QFETCH(QString, password);
        QFETCH(QString, message);
        QFETCH(QString, title);
        Session s;
        s.folder.write(kRegistry, registry);
        if (QTest::currentDataTag() == QLatin1String("unreadable reading file"))
            QVERIFY(QDir(s.folder.path()).mkdir("Bob.txt"));
        const QStringList files = QDir(s.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const UserSettings earlier{"earlier", 2, 1, 2, 100, 60, 100, 60};
        s.state.user = earlier;
        auto login = s.openLogin();
        const QStringList listed = listedIds(login.get());
        QSignalSpy loggedIn(login.get(), &frmLogin::loggedIn);

        logIn(login.get(), password);
        QVERIFY2(s.messages.single().startsWith(message), qPrintable(s.messages.texts().join('|')));
        QCOMPARE(s.messages.messages().first().title, title);
        QCOMPARE(s.messages.messages().first().icon, message == kWrongPassword ? Messages::Icon::None : Messages::Icon::Critical);
        QCOMPARE(control(login.get(), "TextPasswd")->text().isEmpty(), message == kWrongPassword || password.isEmpty());
        QCOMPARE(loggedIn.size(), 0);
        QCOMPARE(listedIds(login.get()), listed);
        QCOMPARE(s.state.user, earlier);
        QCOMPARE(QDir(s.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), files);
    }

    void addChecks_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("boxesEmptied");
        const QString differ = "The password and checking password is not the same , Please try again !";
        QTest::newRow("empty id") << "" << "pw" << "pw" << QString::fromUtf8("Please key in the User ID\xef\xbc\x81") << false;
        QTest::newRow("guest") << "guest" << "" << "" << QString::fromUtf8("You can't use this User ID\xef\xbc\x81") << false;
        QTest::newRow("unsafe id first") << "a:b" << "" << "" << "User ID [a:b] cannot be used: it contains the character :, which a file name cannot hold." << false;
        QTest::newRow("empty password") << "Ann" << "" << "pw" << QString::fromUtf8("Please key in the Password\xef\xbc\x81") << false;
        QTest::newRow("empty check") << "Ann" << "pw" << "" << "Please key in the Checking Password !" << false;
        QTest::newRow("differ in case") << "Ann" << "pw" << "pW" << differ << true;
        QTest::newRow("differ, one has a comma") << "Ann" << "p,w" << "pw" << differ << true;
        QTest::newRow("password with comma") << "Ann" << "p,w" << "p,w" << "This password cannot be used: it contains a comma, which the user list file cannot hold." << true;
    }
    void addChecks()
    {
        QFETCH(QString, id);
        QFETCH(QString, password);
        QFETCH(QString, check);
        QFETCH(QString, message);
        QFETCH(bool, boxesEmptied);
        Session s;
        s.folder.write(kRegistry, kDefaultRegistry);
        frmLoginAdd add(s.state);
        QSignalSpy added(&add, &frmLoginAdd::added);
        type(&add, {{"TextName", id}, {"TextPasswd", password}, {"TextCheck", check}});
        click(&add, "CommandAddOk");
        QCOMPARE(s.messages.single(), message);
        QCOMPARE(s.messages.messages().first().title, QStringLiteral("Qel"));
        QCOMPARE(added.size(), 0);
        QCOMPARE(s.folder.read(kRegistry), kDefaultRegistry);
        QCOMPARE(QStringList({control(&add, "TextPasswd")->text(), control(&add, "TextCheck")->text()}),
                 boxesEmptied ? QStringList({"", ""}) : QStringList({password, check}));
    }
};

QTEST_MAIN(tst_LoginWindows)
#include "tst_loginwindows.moc"
