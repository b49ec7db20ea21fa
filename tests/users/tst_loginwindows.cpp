#include "app/AppState.h"
#include "users/Login.h"
#include "common/MessageRecorder.h"
#include "common/TestData.h"
#include "users/ui/frmLogin.h"
#include "users/ui/frmLoginAdd.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QByteArray kHeader = "ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp\r\n";
const QByteArray kDefaultRegistry = kHeader + "guest*,vorpa*,1,1,1,120,80,120,80\r\n";
const QByteArray kReadingHeader = "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time\r\n";
const QByteArray kNewReadingFile =
    kReadingHeader + "T0000,00000,00,00,00,00,0000,00000,0000,000000000000000000\r\n";
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

void type(QWidget *window, const QList<const char *> &boxes, const QStringList &texts)
{
    for (qsizetype i = 0; i < texts.size(); ++i)
        QTest::keyClicks(control(window, boxes.at(i)), texts.at(i));
}

// The window's caption, then the text of each named control.
QStringList texts(QWidget *window, const QList<const char *> &names)
{
    QStringList out{window->windowTitle()};
    for (const char *name : names)
        out << control<QWidget>(window, name)->property("text").toString();
    return out;
}

// The IDs the window lists, the selected one marked with ">".
QStringList listedIds(QWidget *window)
{
    auto *combo = window->findChild<QComboBox *>("ComboName");
    QStringList ids;
    for (int i = 0; combo && i < combo->count(); ++i)
        ids << (i == combo->currentIndex() ? ">" : "") + combo->itemText(i);
    return ids;
}

// A data folder, the state the windows share, and every message box shown.
struct LoginRig
{
    ScratchFolder folder;
    AppState state;
    MessageRecorder messages;

    explicit LoginRig(const QByteArray &registry = {})
    {
        state.dataDir = folder.path();
        if (!registry.isEmpty())
            folder.write(kRegistry, registry);
    }

    // A login window once its timer has listed the users (fired at once, not waited for).
    std::unique_ptr<frmLogin> openLogin()
    {
        auto window = std::make_unique<frmLogin>(state.dataDir, state.store);
        QObject::connect(window.get(), &frmLogin::loggedIn, window.get(),
                         [this](const LoginOutcome &outcome) { state.user = outcome.user; });
        window->show();
        QMetaObject::invokeMethod(control<QTimer>(window.get(), "Timerload"), "timeout");
        return window;
    }

    QStringList files() const { return QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }
};

} // namespace

class LoginWindowsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshFolderToFirstUser()
    {
        LoginRig s;
        s.folder.write("guest.txt", kNewReadingFile + kReading);
        auto login = s.openLogin();
        QCOMPARE(std::tuple(s.folder.read(kRegistry), listedIds(login.get()), control(login.get(), "TextPasswd")->isEnabled(),
                            login->focusWidget()->objectName()),
                 std::tuple(kDefaultRegistry, QStringList{">guest"}, false, QStringLiteral("ComboName")));
        frmLoginAdd add(s.state.dataDir);
        QCOMPARE(texts(login.get(), {"Label1", "Label2", "CommandLoginIn", "CommandAddNew", "CommandCancel"}),
                 (QStringList{"User Login", "User ID :", "Password :", "Login", "Add New User", "Cancel"}));
        QCOMPARE(texts(&add, {"LabelName", "LabelPasswd", "LabelCheck", "CommandAddOk", "CommandCancel"}),
                 (QStringList{"Add New User", "User ID :", "Password :", "Checking Password :", "OK", "Cancel"}));
        QStringList shown;
        for (auto *box : {control(login.get(), "TextPasswd"), control(&add, "TextPasswd"), control(&add, "TextCheck")}) {
            box->setText("pw1");
            shown << box->displayText();
            box->clear();
        }
        QCOMPARE(shown, QStringList(3, "***"));

        // The guest's readings start afresh at each login.
        click(login.get(), "CommandLoginIn");
        QCOMPARE(std::tuple(s.folder.read("guest.txt"), s.state.user, s.state.store.tables().holdsNoReadings()),
                 std::tuple(kNewReadingFile, UserSettings{"guest", 1, 1, 1, 120, 80, 120, 80}, true));

        type(&add, {"TextName", "TextPasswd", "TextCheck"}, {"Guest", "Pw1", "Pw1"});
        click(&add, "CommandAddOk");
        QCOMPARE(s.folder.read(kRegistry), kDefaultRegistry + "Guest*,Pw1*,1,1,1,120,80,120,80\r\n");
        // A damaged line is skipped, with a warning naming it.
        s.folder.write(kRegistry, s.folder.read(kRegistry) + "damaged\r\n");
        login = s.openLogin();
        // The user just added is chosen, and the password is what is typed next.
        QCOMPARE(std::pair(listedIds(login.get()), login->focusWidget()->objectName()),
                 std::pair(QStringList{"guest", ">Guest"}, QStringLiteral("TextPasswd")));

        // The last record of an ID holds its settings; only the first login creates the reading file.
        s.folder.write(kRegistry, s.folder.read(kRegistry) + "Guest*,Pw1*,4,2,2,150,x,130,70\r\n");
        type(login.get(), {"TextPasswd"}, {"Pw1"});
        click(login.get(), "CommandLoginIn");
        QCOMPARE(std::pair(s.folder.read("Guest.txt"), s.state.user),
                 std::pair(kNewReadingFile, UserSettings{"Guest", 4, 2, 2, 150, 80, 130, 70}));
        s.folder.write("Guest.txt", kReadingHeader + kReading);
        click(login.get(), "CommandLoginIn");
        QCOMPARE(std::tuple(s.messages.texts(), s.folder.read("Guest.txt"), s.state.store.tables().count()),
                 std::tuple(QStringList{"Add New User [Guest] Successfully !!",
                                        "Line 4 of the user list " + s.folder.file(kRegistry)
                                            + " could not be read and was skipped."},
                            QByteArray(kReadingHeader + kReading), 1));
    }

    // A refused login (one box typed: the password) or new user (ID, password,
    // checking password): the message and its box, and nothing changed.
    void refusals_data()
    {
        QTest::addColumn<QByteArray>("registry");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");  // "title: text"; ending in a space: the reason follows
        QTest::addColumn<bool>("emptied");  // the password boxes
        const QByteArray bob = kDefaultRegistry + "Bob*,secret*,3,2,2,150,70,140,60\r\n";
        const QString differ = "The password and checking password is not the same , Please try again !";
        QTest::newRow("login, empty password") << bob << QStringList{""} << "Error: Please Chose your User ID And key in your password !!" << true;
        QTest::newRow("login, other case") << bob << QStringList{"Secret"} << "Qel: " + kWrongPassword << true;
        QTest::newRow("login, second record disagrees") << bob + "Bob*,other*,1,1,1,1,1,1,1\r\n" << QStringList{"secret"} << "Qel: " + kWrongPassword << true;
        QTest::newRow("login, no user at all") << kHeader << QStringList{""} << "Qel: No User ID is chosen. The user list is empty: please add a new user first." << true;
        QTest::newRow("login, hand-edited id") << kHeader + "../Bob*,secret*,1,1,1,1,1,1,1\r\n" << QStringList{"secret"} << "Qel: User ID [../Bob] cannot be used: it contains a path separator (/ or \\)." << false;
        // A folder where the reading file should be.
        QTest::newRow("login, unreadable reading file") << bob << QStringList{"secret"} << "Qel: The readings of User ID [Bob] cannot be loaded, so the login is refused. " << false;
        QTest::newRow("add, empty id") << kDefaultRegistry << QStringList{"", "pw", "pw"} << QString::fromUtf8("Qel: Please key in the User ID\xef\xbc\x81") << false;
        QTest::newRow("add, guest") << kDefaultRegistry << QStringList{"guest", "", ""} << QString::fromUtf8("Qel: You can't use this User ID\xef\xbc\x81") << false;
        QTest::newRow("add, unsafe id first") << kDefaultRegistry << QStringList{"a:b", "", ""} << "Qel: User ID [a:b] cannot be used: it contains the character :, which a file name cannot hold." << false;
        QTest::newRow("add, empty password") << kDefaultRegistry << QStringList{"Ann", "", "pw"} << QString::fromUtf8("Qel: Please key in the Password\xef\xbc\x81") << false;
        QTest::newRow("add, empty check") << kDefaultRegistry << QStringList{"Ann", "pw", ""} << "Qel: Please key in the Checking Password !" << false;
        QTest::newRow("add, differ in case") << kDefaultRegistry << QStringList{"Ann", "pw", "pW"} << "Qel: " + differ << true;
        QTest::newRow("add, differ, one has a comma") << kDefaultRegistry << QStringList{"Ann", "p,w", "pw"} << "Qel: " + differ << true;
        QTest::newRow("add, password with comma") << kDefaultRegistry << QStringList{"Ann", "p,w", "p,w"} << "Qel: This password cannot be used: it contains a comma, which the user list file cannot hold." << true;
    }
    void refusals()
    {
        QFETCH(QByteArray, registry);
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(bool, emptied);
        LoginRig s(registry);
        QVERIFY(!QByteArray(QTest::currentDataTag()).contains("unreadable") || QDir(s.folder.path()).mkdir("Bob.txt"));
        const QStringList files = s.files();
        const UserSettings earlier{"earlier", 2, 1, 2, 100, 60, 100, 60};
        s.state.user = earlier;
        const bool login = typed.size() == 1;
        auto window = login ? std::unique_ptr<QWidget>(s.openLogin()) : std::make_unique<frmLoginAdd>(s.state.dataDir);
        const QStringList listed = listedIds(window.get());
        int done = 0;
        if (login)
            connect(static_cast<frmLogin *>(window.get()), &frmLogin::loggedIn, this, [&done] { ++done; });
        else
            connect(static_cast<frmLoginAdd *>(window.get()), &frmLoginAdd::added, this, [&done] { ++done; });
        const auto boxes = QList<const char *>{"TextName", "TextPasswd", "TextCheck"}.mid(login, typed.size());
        type(window.get(), boxes, typed);
        // Enter in the last box typed into does what the window's main button does.
        QTest::keyClick(control(window.get(), boxes.last()), Qt::Key_Return);

        const QString shown = s.messages.messages().value(0).title + ": " + s.messages.single();
        QVERIFY2(message.endsWith(' ') ? shown.startsWith(message) : shown == message, qPrintable(shown));
        QCOMPARE(s.messages.messages().first().icon,
                 login && !message.endsWith(kWrongPassword) ? Messages::Icon::Critical : Messages::Icon::None);
        QCOMPARE(std::tuple(done, s.folder.read(kRegistry), s.files(), s.state.user, listedIds(window.get())),
                 std::tuple(0, registry, files, earlier, listed));
        const QStringList passwords = typed.mid(!login);
        QCOMPARE(texts(window.get(), boxes.mid(!login)).mid(1), emptied ? QStringList(passwords.size()) : passwords);
    }
};

QTEST_MAIN(LoginWindowsTest)
#include "tst_loginwindows.moc"
