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
const UserSettings kEarlier{"earlier", 2, 1, 2, 100, 60, 100, 60};

template<typename T>
T *control(QWidget *window, const char *name)
{
    auto *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QString text(QWidget *window, const char *name)
{
    if (auto *label = window->findChild<QLabel *>(QString::fromLatin1(name)))
        return label->text();
    return control<QAbstractButton>(window, name)->text();
}

void click(QWidget *window, const char *button)
{
    QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
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

    explicit Session(const QByteArray &registry = kDefaultRegistry)
    {
        state.dataDir = folder.path();
        if (!registry.isNull())
            folder.write(kRegistry, registry);
    }

    // A login window once its timer has listed the users.
    std::unique_ptr<frmLogin> openLogin()
    {
        auto window = std::make_unique<frmLogin>(state);
        window->show();
        auto *timer = control<QTimer>(window.get(), "Timerload");
        if (!QTest::qWaitFor([timer] { return !timer->isActive(); }))
            QTest::qFail("the user list was never read", __FILE__, __LINE__);
        return window;
    }

    static void logIn(frmLogin *window, const QString &id, const QString &password)
    {
        auto *combo = control<QComboBox>(window, "ComboName");
        combo->setCurrentIndex(combo->findText(id));
        auto *box = control<QLineEdit>(window, "TextPasswd");
        box->clear();
        QTest::keyClicks(box, password);
        click(window, "CommandLoginIn");
    }
};

} // namespace

class tst_LoginWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controls();
    void freshFolderAndGuestLogin();
    void refusedLogin_data();
    void refusedLogin();
    void readingFileCreatedOnceLastRecordWins();
    void addChecks_data();
    void addChecks();
    void addedUserIsListedOnceAndSelected();
    void buttonsSignalTheController();
};

void tst_LoginWindows::controls()
{
    Session s;
    auto login = s.openLogin();
    QCOMPARE(login->windowTitle(), QStringLiteral("User Login"));
    QCOMPARE(text(login.get(), "Label1"), QStringLiteral("User ID :"));
    QCOMPARE(text(login.get(), "Label2"), QStringLiteral("Password :"));
    QCOMPARE(text(login.get(), "CommandLoginIn"), QStringLiteral("Login"));
    QCOMPARE(text(login.get(), "CommandAddNew"), QStringLiteral("Add New User"));
    QCOMPARE(text(login.get(), "CommandCancel"), QStringLiteral("Cancel"));
    QCOMPARE(control<QLineEdit>(login.get(), "TextPasswd")->echoMode(), QLineEdit::Password);
    QVERIFY(!control<QComboBox>(login.get(), "ComboName")->isEditable());
    QCOMPARE(control<QTimer>(login.get(), "Timerload")->interval(), 200);
    control<QLabel>(login.get(), "picIcon");

    frmLoginAdd add(s.state);
    QCOMPARE(add.windowTitle(), QStringLiteral("Add New User"));
    QCOMPARE(text(&add, "LabelName"), QStringLiteral("User ID :"));
    QCOMPARE(text(&add, "LabelPasswd"), QStringLiteral("Password :"));
    QCOMPARE(text(&add, "LabelCheck"), QStringLiteral("Checking Password :"));
    QCOMPARE(text(&add, "CommandAddOk"), QStringLiteral("OK"));
    QCOMPARE(text(&add, "CommandCancel"), QStringLiteral("Cancel"));
    QCOMPARE(control<QLineEdit>(&add, "TextPasswd")->echoMode(), QLineEdit::Password);
    QCOMPARE(control<QLineEdit>(&add, "TextCheck")->echoMode(), QLineEdit::Password);
    for (QWidget *w : {static_cast<QWidget *>(login.get()), static_cast<QWidget *>(&add)})
        QVERIFY(!(w->windowFlags() & Qt::WindowCloseButtonHint) && (w->windowFlags() & Qt::CustomizeWindowHint));
    QVERIFY(s.messages.messages().isEmpty());
}

void tst_LoginWindows::freshFolderAndGuestLogin()
{
    Session s(QByteArray{});
    s.folder.write("guest.txt", kNewReadingFile + kReading);
    frmLogin login(s.state);
    QCOMPARE(s.folder.read(kRegistry), kDefaultRegistry);
    QCOMPARE(listedIds(&login), QStringList());  // the timer has not run yet
    login.show();
    QTRY_COMPARE(listedIds(&login), QStringList{"guest"});
    QCOMPARE(control<QComboBox>(&login, "ComboName")->currentText(), QStringLiteral("guest"));
    QVERIFY(!control<QLineEdit>(&login, "TextPasswd")->isEnabled());

    QSignalSpy loggedIn(&login, &frmLogin::loggedIn);
    click(&login, "CommandLoginIn");
    QCOMPARE(loggedIn.size(), 1);
    QVERIFY(s.messages.messages().isEmpty());
    QCOMPARE(s.folder.read("guest.txt"), kNewReadingFile);
    QCOMPARE(s.state.user, (UserSettings{"guest", 1, 1, 1, 120, 80, 120, 80}));
    QVERIFY(s.state.tables.holdsNoReadings());
}

void tst_LoginWindows::refusedLogin_data()
{
    QTest::addColumn<QByteArray>("registry");
    QTest::addColumn<QByteArray>("registryAtClick");  // null: unchanged
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("passwordEmptied");

    const QByteArray bob = kDefaultRegistry + "Bob*,secret*,3,2,2,150,70,140,60\r\n";
    const QString wrong = "User ID [Bob] ! Your Password have some error ! Please try again !";
    const QString qel = "Qel";
    QTest::newRow("empty password") << bob << QByteArray() << "" << "Please Chose your User ID And key in your password !!"
                                    << "Error" << true;
    QTest::newRow("other case") << bob << QByteArray() << "Secret" << wrong << qel << true;
    QTest::newRow("with the mark") << bob << QByteArray() << "secret*" << wrong << qel << true;
    QTest::newRow("second record disagrees") << bob + "Bob*,other*,1,1,1,1,1,1,1\r\n" << QByteArray() << "secret"
                                             << wrong << qel << true;
    QTest::newRow("no user at all") << kHeader << QByteArray() << "" << "No User ID is chosen. The user list is empty: please add a new user first."
                                    << qel << false;
    QTest::newRow("removed meanwhile") << bob << kDefaultRegistry << "secret"
                                       << "User ID [Bob] is not in the user list any more. Please choose your User ID again."
                                       << qel << false;
    QTest::newRow("hand-edited id") << kHeader + "../Bob*,secret*,1,1,1,1,1,1,1\r\n" << QByteArray() << "secret"
                                    << "User ID [../Bob] cannot be used: it contains a path separator (/ or \\)." << qel << false;
    QTest::newRow("unreadable reading file") << bob << QByteArray() << "secret"
                                             << "The readings of User ID [Bob] cannot be loaded, so the login is refused." << qel << false;
}

void tst_LoginWindows::refusedLogin()
{
    QFETCH(QByteArray, registry);
    QFETCH(QByteArray, registryAtClick);
    QFETCH(QString, password);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(bool, passwordEmptied);

    Session s(registry);
    if (QTest::currentDataTag() == QLatin1String("unreadable reading file"))
        QVERIFY(QDir(s.folder.path()).mkdir("Bob.txt"));
    const QStringList files = QDir(s.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    s.state.user = kEarlier;
    s.state.tables.readingAt(1).glucose = 77;
    auto login = s.openLogin();
    const QStringList listed = listedIds(login.get());
    if (!registryAtClick.isNull())
        s.folder.write(kRegistry, registryAtClick);
    QSignalSpy loggedIn(login.get(), &frmLogin::loggedIn);

    for (int attempt = 0; attempt < 2; ++attempt) {
        s.messages.clear();
        Session::logIn(login.get(), listed.value(listed.size() - 1), password);
        QVERIFY2(s.messages.messages().size() == 1 && s.messages.single().startsWith(message), qPrintable(s.messages.texts().join('|')));
        QCOMPARE(s.messages.messages().first().title, title);
        QCOMPARE(control<QLineEdit>(login.get(), "TextPasswd")->text().isEmpty(), passwordEmptied || password.isEmpty());
    }
    const bool wrongPassword = message.contains("Your Password have some error");
    QCOMPARE(s.messages.messages().first().icon, wrongPassword ? Messages::Icon::None : Messages::Icon::Critical);
    QCOMPARE(loggedIn.size(), 0);
    QCOMPARE(listedIds(login.get()), listed);
    QCOMPARE(s.state.user, kEarlier);
    QCOMPARE(s.state.tables.reading(1).glucose, 77);
    QCOMPARE(QDir(s.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), files);
}

void tst_LoginWindows::readingFileCreatedOnceLastRecordWins()
{
    Session s(kDefaultRegistry + "ann*,0042*,2,1,1,1,1,1,1\r\nann*,0042*,4,2,2,150,x,130,70\r\n");
    Session::logIn(s.openLogin().get(), "ann", "0042");
    QCOMPARE(s.folder.read("ann.txt"), kNewReadingFile);
    QCOMPARE(s.state.user, (UserSettings{"ann", 4, 2, 2, 150, 80, 130, 70}));

    // A later login keeps the file, and says which line it could not read.
    const QByteArray withReading = kNewReadingFile.left(kNewReadingFile.indexOf('\n') + 1) + kReading + "rubbish\r\n";
    s.folder.write("ann.txt", withReading);
    auto login = s.openLogin();
    QSignalSpy loggedIn(login.get(), &frmLogin::loggedIn);
    connect(login.get(), &frmLogin::loggedIn, this, [&] { QCOMPARE(s.messages.messages().size(), 1); });
    Session::logIn(login.get(), "ann", "0042");
    QCOMPARE(loggedIn.size(), 1);
    QVERIFY2(s.messages.single().contains("Line 3 "), qPrintable(s.messages.single()));
    QCOMPARE(s.messages.messages().first().icon, Messages::Icon::Warning);
    QCOMPARE(s.folder.read("ann.txt"), withReading);
    QCOMPARE(s.state.tables.count(), 1);
    QCOMPARE(s.state.tables.reading(1).glucose, 120);
}

void tst_LoginWindows::addChecks_data()
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

void tst_LoginWindows::addChecks()
{
    QFETCH(QString, id);
    QFETCH(QString, password);
    QFETCH(QString, check);
    QFETCH(QString, message);
    QFETCH(bool, boxesEmptied);

    Session s;
    frmLoginAdd add(s.state);
    add.show();
    QSignalSpy added(&add, &frmLoginAdd::added);
    QTest::keyClicks(control<QLineEdit>(&add, "TextName"), id);
    QTest::keyClicks(control<QLineEdit>(&add, "TextPasswd"), password);
    QTest::keyClicks(control<QLineEdit>(&add, "TextCheck"), check);
    click(&add, "CommandAddOk");

    QCOMPARE(s.messages.single(), message);
    QCOMPARE(s.messages.messages().first().title, Messages::kApplicationTitle);
    QCOMPARE(added.size(), 0);
    QCOMPARE(s.folder.read(kRegistry), kDefaultRegistry);
    QCOMPARE(control<QLineEdit>(&add, "TextPasswd")->text(), boxesEmptied ? QString() : password);
    QCOMPARE(control<QLineEdit>(&add, "TextCheck")->text(), boxesEmptied ? QString() : check);
}

void tst_LoginWindows::addedUserIsListedOnceAndSelected()
{
    Session s;
    {
        frmLoginAdd add(s.state);
        QSignalSpy added(&add, &frmLoginAdd::added);
        QTest::keyClicks(control<QLineEdit>(&add, "TextName"), "Guest");
        QTest::keyClicks(control<QLineEdit>(&add, "TextPasswd"), "Pw1");
        QTest::keyClicks(control<QLineEdit>(&add, "TextCheck"), "Pw1");
        click(&add, "CommandAddOk");
        QCOMPARE(s.messages.single(), QStringLiteral("Add New User [Guest] Successfully !!"));
        QCOMPARE(added.size(), 1);
    }
    QCOMPARE(s.folder.read(kRegistry), kDefaultRegistry + "Guest*,Pw1*,1,1,1,120,80,120,80\r\n");

    // As after an add: a new login window, Add New User turned off.
    s.messages.clear();
    auto login = s.openLogin();
    login->setAddNewEnabled(false);
    QCOMPARE(listedIds(login.get()), (QStringList{"guest", "Guest"}));
    QCOMPARE(control<QComboBox>(login.get(), "ComboName")->currentText(), QStringLiteral("Guest"));
    QVERIFY(!control<QPushButton>(login.get(), "CommandAddNew")->isEnabled());

    // Choosing an ID empties the password box; only guest turns it off.
    auto *combo = control<QComboBox>(login.get(), "ComboName");
    auto *password = control<QLineEdit>(login.get(), "TextPasswd");
    QVERIFY(password->isEnabled());
    QTest::keyClicks(password, "typed");
    combo->setCurrentIndex(0);
    QVERIFY(password->text().isEmpty() && !password->isEnabled());
    combo->setCurrentIndex(1);
    QVERIFY(password->isEnabled());

    Session::logIn(login.get(), "Guest", "Pw1");
    QVERIFY(s.messages.messages().isEmpty());
    QCOMPARE(s.state.user.id, QStringLiteral("Guest"));
}

void tst_LoginWindows::buttonsSignalTheController()
{
    Session s;
    auto login = s.openLogin();
    QSignalSpy addNew(login.get(), &frmLogin::addNewRequested);
    QSignalSpy cancel(login.get(), &frmLogin::cancelRequested);
    click(login.get(), "CommandAddNew");
    click(login.get(), "CommandCancel");
    QCOMPARE(addNew.size(), 1);
    QCOMPARE(cancel.size(), 1);

    frmLoginAdd add(s.state);
    QSignalSpy cancelled(&add, &frmLoginAdd::cancelled);
    QTest::keyClicks(control<QLineEdit>(&add, "TextName"), "Ann");
    click(&add, "CommandCancel");
    QCOMPARE(cancelled.size(), 1);
    QCOMPARE(s.folder.read(kRegistry), kDefaultRegistry);
    QVERIFY(s.messages.messages().isEmpty());
}

QTEST_MAIN(tst_LoginWindows)
#include "tst_loginwindows.moc"
