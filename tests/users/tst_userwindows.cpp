#include "app/AppState.h"
#include "common/MessageRecorder.h"
#include "common/TestData.h"
#include "platform/PortNames.h"
#include "platform/SerialPortCatalogue.h"
#include "users/Login.h"
#include "users/UserRegistry.h"
#include "users/ui/frmLogin.h"
#include "users/ui/frmLoginAdd.h"
#include "users/ui/frmReadOldData.h"
#include "users/ui/frmSet.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QByteArray kHeader = "ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp";
const QByteArray kGuest = "guest*,vorpa*,1,1,1,120,80,120,80";
const QByteArray kDefaultRegistry = crlf({kHeader, kGuest});
const QByteArray kOther = "bob*,pw*,02,1,2,130,070,140,60"; // kept byte for byte
const QByteArray kReadingHeader = "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time\r\n";
const QByteArray kNewReadingFile = kReadingHeader + "T0000,00000,00,00,00,00,0000,00000,0000,000000000000000000\r\n";
const QByteArray kReading = "T0001,00120,03,14,08,30,PC,06.7,2005,2005/03/14 - 08:30\r\n";
const QString kRegistry = QStringLiteral("DXRegister.txt");
const QString kWrongPassword = QStringLiteral("User ID [Bob] ! Your Password have some error ! Please try again !");

// A window's control by its object name: without it the test cannot go on.
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
struct Rig
{
    ScratchFolder folder;
    AppState state;
    MessageRecorder messages;

    explicit Rig(const QByteArray &registry = {})
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

// The logged-in alice with the given record fields, and her settings window.
struct SettingsRig : Rig
{
    QPointer<QWidget> window;

    explicit SettingsRig(const QByteArray &aliceFields, frmSet::MeterFinder findMeter = {})
        : Rig(crlf({kHeader, kGuest, "alice*,secret*," + aliceFields, kOther}))
    {
        QString error;
        if (!UserRegistry::read(folder.file(kRegistry), &state.users, &error))
            qFatal("%s", qPrintable(error));
        state.user = UserRegistry::settingsOf(state.users.record(2));
        window = new frmSet(state.user, state.users, state.dataDir, std::move(findMeter));
        window->show();
    }
    ~SettingsRig() { delete window; }

    template<typename T = QLineEdit>
    T *control(const char *name) const
    {
        return ::control<T>(window, name);
    }
    void click(const char *name) const { control<QAbstractButton>(name)->click(); }
    void type(const char *box, const QString &text) const
    {
        control(box)->clear();
        QTest::keyClicks(control(box), text);
    }

    // The four limit boxes, the unit label of the first, and whether OK is enabled.
    QStringList shown() const
    {
        return {control("TextMax")->text(),
                control("TextMin")->text(),
                control("TextMaxp")->text(),
                control("TextMinp")->text(),
                control<QLabel>("Label3")->text(),
                control<QPushButton>("cmdOK")->isEnabled() ? "OK enabled" : "OK disabled"};
    }
    QByteArray aliceLine() const { return folder.read(kRegistry).split('\n').at(2).trimmed(); }
};

} // namespace

// The login window, the new user's and the settings window.
class UserWindowsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshFolderToFirstUser()
    {
#ifdef Q_OS_WIN
        const QString second = "Ann"; // "Guest" would name guest's own file here
#else
        const QString second = "Guest"; // a user of its own where file names keep their case
#endif
        Rig s;
        s.folder.write("guest.txt", kNewReadingFile + kReading);
        auto login = s.openLogin();
        QCOMPARE(std::tuple(s.folder.read(kRegistry), listedIds(login.get()),
                            control(login.get(), "TextPasswd")->isEnabled(), login->focusWidget()->objectName()),
                 std::tuple(kDefaultRegistry, QStringList{">guest"}, false, QStringLiteral("ComboName")));
        frmLoginAdd add(s.state.dataDir);
        QCOMPARE(texts(login.get(), {"Label1", "Label2", "CommandLoginIn", "CommandAddNew", "CommandCancel"}),
                 (QStringList{"User Login", "User ID :", "Password :", "Login", "Add New User", "Cancel"}));
        QCOMPARE(texts(&add, {"LabelName", "LabelPasswd", "LabelCheck", "CommandAddOk", "CommandCancel"}),
                 (QStringList{"Add New User", "User ID :", "Password :", "Checking Password :", "OK", "Cancel"}));
        // Escape is Cancel: at login it ends the program, for a new user it goes back to the login.
        QSignalSpy cancelled(login.get(), &frmLogin::cancelRequested), back(&add, &frmLoginAdd::cancelled);
        QTest::keyClick(login->focusWidget(), Qt::Key_Escape);
        QTest::keyClick(control(&add, "TextName"), Qt::Key_Escape);
        QCOMPARE((QList<qsizetype>{cancelled.count(), back.count()}), (QList<qsizetype>{1, 1}));
        frmReadOldData reading; // shown while the readings load
        QCOMPARE(texts(&reading, {"Label1"}), (QStringList{"Reading...", "Reading..."}));
        QStringList shown;
        for (auto *box :
             {control(login.get(), "TextPasswd"), control(&add, "TextPasswd"), control(&add, "TextCheck")}) {
            box->setText("pw1");
            shown << box->displayText();
            box->clear();
        }
        QCOMPARE(shown, QStringList(3, "***"));

        // The guest's readings start afresh at each login.
        click(login.get(), "CommandLoginIn");
        QCOMPARE(std::tuple(s.folder.read("guest.txt"), s.state.user, s.state.store.tables().holdsNoReadings()),
                 std::tuple(kNewReadingFile, UserSettings{"guest", 1, 1, 1, 120, 80, 120, 80}, true));

        type(&add, {"TextName", "TextPasswd", "TextCheck"}, {second, "Pw1", "Pw1"});
        click(&add, "CommandAddOk");
        QCOMPARE(s.folder.read(kRegistry), kDefaultRegistry + second.toLatin1() + "*,Pw1*,1,1,1,120,80,120,80\r\n");
        // A damaged line is skipped, with a warning naming it.
        s.folder.write(kRegistry, s.folder.read(kRegistry) + "damaged\r\n");
        login = s.openLogin();
        // The user just added is chosen, and the password is what is typed next.
        QCOMPARE(std::pair(listedIds(login.get()), login->focusWidget()->objectName()),
                 std::pair(QStringList{"guest", ">" + second}, QStringLiteral("TextPasswd")));

        // The last record of an ID holds its settings; only the first login creates the reading file.
        s.folder.write(kRegistry, s.folder.read(kRegistry) + second.toLatin1() + "*,Pw1*,4,2,2,150,x,130,70\r\n");
        type(login.get(), {"TextPasswd"}, {"Pw1"});
        click(login.get(), "CommandLoginIn");
        QCOMPARE(std::pair(s.folder.read(second + ".txt"), s.state.user),
                 std::pair(kNewReadingFile, UserSettings{second, 4, 2, 2, 150, 80, 130, 70}));
        s.folder.write(second + ".txt", kReadingHeader + kReading);
        click(login.get(), "CommandLoginIn");
        QCOMPARE(std::tuple(s.messages.texts(), s.folder.read(second + ".txt"), s.state.store.tables().count()),
                 std::tuple(QStringList{"Add New User [" + second + "] Successfully !!",
                                        "Line 4 of the user list " + QDir::toNativeSeparators(s.folder.file(kRegistry))
                                            + " could not be read and was skipped."},
                            QByteArray(kReadingHeader + kReading), 1));
    }

    // A refused login (one box typed: the password) or new user (ID, password,
    // checking password): the message and its box, and nothing changed.
    void refusals_data()
    {
        QTest::addColumn<QByteArray>("registry");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message"); // "title: text"; ending in a space: the reason follows
        QTest::addColumn<bool>("emptied");    // the password boxes
        const QByteArray bob = kDefaultRegistry + "Bob*,secret*,3,2,2,150,70,140,60\r\n";
        const QString differ = "The password and checking password is not the same , Please try again !";
        QTest::newRow("login, empty password")
            << bob << QStringList{""} << "Error: Please Chose your User ID And key in your password !!" << true;
        QTest::newRow("login, other case") << bob << QStringList{"Secret"} << "Qel: " + kWrongPassword << true;
        QTest::newRow("login, second record disagrees") << bob + "Bob*,other*,1,1,1,1,1,1,1\r\n"
                                                        << QStringList{"secret"} << "Qel: " + kWrongPassword << true;
        QTest::newRow("login, no user at all")
            << crlf({kHeader}) << QStringList{""}
            << "Qel: No User ID is chosen. The user list is empty: please add a new user first." << true;
        QTest::newRow("login, hand-edited id")
            << crlf({kHeader, "../Bob*,secret*,1,1,1,1,1,1,1"}) << QStringList{"secret"}
            << "Qel: User ID [../Bob] cannot be used: it contains a path separator (/ or \\)." << false;
        // A folder where the reading file should be.
        QTest::newRow("login, unreadable reading file")
            << bob << QStringList{"secret"}
            << "Qel: The readings of User ID [Bob] cannot be loaded, so the login is refused. " << false;
        QTest::newRow("add, empty id") << kDefaultRegistry << QStringList{"", "pw", "pw"}
                                       << QString::fromUtf8("Qel: Please key in the User ID\xef\xbc\x81") << false;
        QTest::newRow("add, guest") << kDefaultRegistry << QStringList{"guest", "", ""}
                                    << QString::fromUtf8("Qel: You can't use this User ID\xef\xbc\x81") << false;
        QTest::newRow("add, unsafe id first")
            << kDefaultRegistry << QStringList{"a:b", "", ""}
            << "Qel: User ID [a:b] cannot be used: it contains the character :, which a file name cannot hold."
            << false;
        QTest::newRow("add, empty password")
            << kDefaultRegistry << QStringList{"Ann", "", "pw"}
            << QString::fromUtf8("Qel: Please key in the Password\xef\xbc\x81") << false;
        QTest::newRow("add, empty check") << kDefaultRegistry << QStringList{"Ann", "pw", ""}
                                          << "Qel: Please key in the Checking Password !" << false;
        QTest::newRow("add, differ in case")
            << kDefaultRegistry << QStringList{"Ann", "pw", "pW"} << "Qel: " + differ << true;
        QTest::newRow("add, differ, one has a comma")
            << kDefaultRegistry << QStringList{"Ann", "p,w", "pw"} << "Qel: " + differ << true;
        QTest::newRow("add, password with comma")
            << kDefaultRegistry << QStringList{"Ann", "p,w", "p,w"}
            << "Qel: This password cannot be used: it contains a comma, which the user list file cannot hold." << true;
    }
    void refusals()
    {
        QFETCH(QByteArray, registry);
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(bool, emptied);
        Rig s(registry);
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
        // The cursor is back in the box the message is about.
        const QString about = !login && message.contains("User ID")   ? "TextName"
                              : message.contains("Checking Password") ? "TextCheck"
                                                                      : "TextPasswd";
        QCOMPARE(window->focusWidget() ? window->focusWidget()->objectName() : QString(), about);
    }

    // What the window shows on opening, then after SAVE and OK (by Enter) what
    // the user list holds, with what another program added while the window was open.
    void loadSaveOk_data()
    {
        QTest::addColumn<QByteArray>("fields"); // alice's seven settings fields
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QByteArray>("added"); // a line another program appends meanwhile
        QTest::addColumn<QByteArray>("saved"); // her line after SAVE and OK
        QTest::newRow("mmol/L round trip")
            << QByteArray("1,2,1,120,80,120,80") << QStringList{"6.7", "4.4", "6.7", "4.4", "mmol/L", "OK disabled"}
            << QByteArray() << QByteArray("alice*,secret*,1,2,1,121,79,121,79");
        QTest::newRow("mg/dL, day first, port 5")
            << QByteArray("5,1,2,140,60,150,50") << QStringList{"140", "60", "150", "50", "mg/dL", "OK disabled"}
            << QByteArray() << QByteArray("alice*,secret*,5,1,2,140,60,150,50");
        QTest::newRow("a user added by another program while settings are open")
            << QByteArray("5,1,2,140,60,150,50") << QStringList{"140", "60", "150", "50", "mg/dL", "OK disabled"}
            << QByteArray("newuser*,np*,1,1,1,120,80,120,80") << QByteArray("alice*,secret*,5,1,2,140,60,150,50");
        // An unknown unit leaves the design texts; SAVE then does nothing.
        QTest::newRow("unknown unit") << QByteArray("1,7,1,120,80,120,80")
                                      << QStringList{"", "", "", "", "mg/dL", "OK disabled"} << QByteArray()
                                      << QByteArray();
    }
    void loadSaveOk()
    {
        QFETCH(QByteArray, fields);
        QFETCH(QStringList, shown);
        QFETCH(QByteArray, added);
        QFETCH(QByteArray, saved);
        SettingsRig rig(fields);
        QCOMPARE(rig.shown(), shown);
        const QByteArray before = rig.folder.read(kRegistry);
        if (!added.isEmpty())
            rig.folder.write(kRegistry, before + crlf({added}));
        // Enter runs SAVE from where the window starts, then OK, which SAVE hands the focus to.
        QTest::keyClick(rig.window->focusWidget(), Qt::Key_Return);
        QCOMPARE(rig.control<QPushButton>("cmdOK")->isEnabled(), !saved.isEmpty());
        if (saved.isEmpty())
            return;
        QTest::keyClick(rig.window->focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!rig.window);
        QList<QByteArray> lines{kHeader, kGuest, saved, kOther};
        if (!added.isEmpty())
            lines << added;
        QCOMPARE(rig.folder.read(kRegistry), crlf(lines));
        QCOMPARE(rig.messages.texts(), QStringList{});
    }

    // Options change the settings at once; a unit choice resets the boxes and OK.
    void optionsTakeEffectAtOnce()
    {
        SettingsRig rig("1,1,1,120,80,120,80");
        rig.click("CmdSave");
        rig.click("ComOption3");
        rig.click("TimeOption2");
        rig.click("UnitOption2");
        QCOMPARE(rig.shown(), (QStringList{"7", "3.8", "7", "3.8", "mmol/L", "OK disabled"}));
        QCOMPARE(rig.state.user, (UserSettings{"alice", 3, 2, 2, 120, 80, 120, 80}));
        rig.click("CmdSave");
        QCOMPARE(rig.state.user, (UserSettings{"alice", 3, 2, 2, 126, 68, 126, 68}));
        // Escape closes as the close button does: it writes nothing, and the settings stay changed.
        QTest::keyClick(rig.control("TextMax"), Qt::Key_Escape);
        QTRY_VERIFY(!rig.window);
        QCOMPARE(std::pair(rig.aliceLine(), rig.state.user.port),
                 std::pair(QByteArray("alice*,secret*,1,1,1,120,80,120,80"), 3));
    }

    // The device a port number opens: its default, a port the computer lists or
    // a device typed in, kept for the user and port at once in the program's own
    // settings file, never in the user list.
    void deviceOfThePort()
    {
        struct Listed : SerialPortCatalogue
        {
            QList<SerialPortEntry> ports() const override
            {
                return {{"/dev/ttyUSB0", "USB serial adapter", "FTDI", 0x0403, 0x6001, "A10K"}};
            }
        } listed;
        SerialPorts::setCatalogue(&listed);
        const auto restore = qScopeGuard([] { SerialPorts::setCatalogue(nullptr); });
        // Find Meter's window stands aside: the meter is on /dev/ttyACM0.
        QStringList tried; // by Find Meter, the device the window shows first
        SettingsRig rig("2,1,1,120,80,120,80", [&](QWidget *, int, const QString &shown, const auto &use) {
            tried << SerialPorts::namedFirst(listed.ports(), shown).constFirst().device;
            use("/dev/ttyACM0");
        });
        const QByteArray registry = rig.folder.read(kRegistry);
        auto *box = rig.control<QComboBox>("ComboDevice");
        const auto shown = [box] {
            QStringList out;
            for (int i = 0; i < box->count(); ++i)
                out << box->itemText(i);
            return out << "current: " + box->currentText();
        };
        const QString default1 = "Default (" + PortNames::defaultDevice(1) + ")";
        const QString default2 = "Default (" + PortNames::defaultDevice(2) + ")";
        const QString adapter = "/dev/ttyUSB0 (USB serial adapter)";
        QCOMPARE(shown(), (QStringList{default2, adapter, "current: " + default2}));

        box->setCurrentIndex(1);
        Q_EMIT box->activated(1);
        rig.click("ComOption1");
        box->setEditText("/dev/pts/9");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(shown(), (QStringList{default1, adapter, "/dev/pts/9", "current: /dev/pts/9"}));
        QCOMPARE(rig.folder.read("dextrel.ini"),
                 crlf({"[SerialDevices]", "alice/1=/dev/pts/9", "alice/2=/dev/ttyUSB0"}));

        rig.click("ComOption2");
        QCOMPARE(shown(), (QStringList{default2, adapter, "current: " + adapter}));
        box->setCurrentIndex(0);
        Q_EMIT box->activated(0);
        QCOMPARE(rig.folder.read("dextrel.ini"), crlf({"[SerialDevices]", "alice/1=/dev/pts/9"}));
        rig.click("CmdFindMeter");
        rig.click("CmdFindMeter");
        box->setEditText(" /dev/pts/7 "); // typed, without Enter
        rig.click("CmdFindMeter");
        QCOMPARE(tried, (QStringList{"/dev/ttyUSB0", "/dev/ttyACM0", "/dev/pts/7"}));
        QCOMPARE(rig.folder.read("dextrel.ini"),
                 crlf({"[SerialDevices]", "alice/1=/dev/pts/9", "alice/2=/dev/ttyACM0"}));
        // Enter in the list took the device, and did not SAVE.
        QCOMPARE(std::tuple(rig.folder.read(kRegistry), rig.messages.messages().size(),
                            rig.control<QPushButton>("cmdOK")->isEnabled()),
                 std::tuple(registry, 0, false));
    }

    // A refused SAVE says why, stores nothing, takes OK back and puts the cursor
    // in the box at fault; OK that cannot
    // write the user list says so and keeps the window and its values.
    void refusedSaveAndFailedRewrite()
    {
        SettingsRig rig("1,1,1,120,80,120,80");
        rig.click("CmdSave");
        rig.type("TextMin", "29");
        rig.click("CmdSave");
        QCOMPARE(rig.messages.single(), QStringLiteral("Error: The normal lower limit Setting of Glucose Value "
                                                       "ranges between 30mg/dL and 600mg/dL !!"));
        QCOMPARE(std::tuple(rig.shown(), rig.state.user.min, rig.window->focusWidget()->objectName()),
                 std::tuple(QStringList{"120", "29", "120", "80", "mg/dL", "OK disabled"}, 80, "TextMin"));

        rig.messages.clear();
        rig.type("TextMin", "80");
        rig.type("TextMax", "200");
        rig.click("CmdSave");
        QVERIFY(QFile::remove(rig.folder.file(kRegistry)));
        QVERIFY(QDir(rig.folder.path()).mkdir(kRegistry)); // a folder cannot be replaced by the file
        rig.click("cmdOK");
        QVERIFY(rig.window && rig.window->isVisible());
        QVERIFY(rig.messages.single().startsWith("The settings were NOT saved in the user list."));
        QCOMPARE(rig.shown(), (QStringList{"200", "80", "120", "80", "mg/dL", "OK enabled"}));
    }
};

QTEST_MAIN(UserWindowsTest)
#include "tst_userwindows.moc"
