#include "app/AppState.h"
#include "common/MessageRecorder.h"
#include "common/TestData.h"
#include "platform/PortNames.h"
#include "platform/SerialPortCatalogue.h"
#include "users/UserRegistry.h"
#include "users/ui/frmSet.h"

#include <QComboBox>
#include <QScopeGuard>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

const QByteArray kHeader = "ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp";
const QByteArray kGuest = "guest*,vorpa*,1,1,1,120,80,120,80";
const QByteArray kOther = "bob*,pw*,02,1,2,130,070,140,60";  // kept byte for byte
const QString kRegistry = QStringLiteral("DXRegister.txt");

// The logged-in alice with the given record fields, and her settings window.
struct SettingsRig
{
    ScratchFolder folder;
    AppState state;
    MessageRecorder messages;
    QPointer<QWidget> window;

    explicit SettingsRig(const QByteArray &aliceFields, frmSet::MeterFinder findMeter = {})
    {
        state.dataDir = folder.path();
        folder.write(kRegistry, crlf({kHeader, kGuest, "alice*,secret*," + aliceFields, kOther}));
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
        if (auto *found = window->findChild<T *>(QString::fromLatin1(name)))
            return found;
        qFatal("no control %s", name);
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
        return {control("TextMax")->text(), control("TextMin")->text(), control("TextMaxp")->text(),
                control("TextMinp")->text(), control<QLabel>("Label3")->text(),
                control<QPushButton>("cmdOK")->isEnabled() ? "OK enabled" : "OK disabled"};
    }
    QByteArray aliceLine() const { return folder.read(kRegistry).split('\n').at(2).trimmed(); }
};

} // namespace

class SettingsWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What the window shows on opening, then after SAVE and OK what the user list holds.
    void loadSaveOk_data()
    {
        QTest::addColumn<QByteArray>("fields");  // alice's seven settings fields
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QByteArray>("saved");   // her line after SAVE and OK
        QTest::newRow("mmol/L round trip")
            << QByteArray("1,2,1,120,80,120,80")
            << QStringList{"6.7", "4.4", "6.7", "4.4", "mmol/L", "OK disabled"}
            << QByteArray("alice*,secret*,1,2,1,121,79,121,79");
        QTest::newRow("mg/dL, day first, port 5")
            << QByteArray("5,1,2,140,60,150,50")
            << QStringList{"140", "60", "150", "50", "mg/dL", "OK disabled"}
            << QByteArray("alice*,secret*,5,1,2,140,60,150,50");
        // An unknown unit leaves the design texts; SAVE then does nothing.
        QTest::newRow("unknown unit")
            << QByteArray("1,7,1,120,80,120,80")
            << QStringList{"", "", "", "", "mg/dL", "OK disabled"}
            << QByteArray();
    }
    void loadSaveOk()
    {
        QFETCH(QByteArray, fields);
        QFETCH(QStringList, shown);
        QFETCH(QByteArray, saved);
        SettingsRig rig(fields);
        QCOMPARE(rig.shown(), shown);
        rig.click("CmdSave");
        QCOMPARE(rig.control<QPushButton>("cmdOK")->isEnabled(), !saved.isEmpty());
        if (saved.isEmpty())
            return;
        rig.click("cmdOK");
        QTRY_VERIFY(!rig.window);
        QCOMPARE(rig.folder.read(kRegistry),
                 crlf({kHeader, kGuest, saved, kOther}));
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
        SettingsRig rig("2,1,1,120,80,120,80", [](QWidget *, int, const std::function<void(const QString &)> &use) {
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
        QCOMPARE(rig.folder.read("dextrel.ini"), crlf({"[SerialDevices]", "alice/1=/dev/pts/9", "alice/2=/dev/ttyACM0"}));
        QCOMPARE(std::tuple(rig.folder.read(kRegistry), rig.messages.messages().size()), std::tuple(registry, 0));
    }

    // A refused SAVE says why, stores nothing and takes OK back; OK that cannot
    // write the user list says so and keeps the window and its values.
    void refusedSaveAndFailedRewrite()
    {
        SettingsRig rig("1,1,1,120,80,120,80");
        rig.click("CmdSave");
        rig.type("TextMin", "29");
        rig.click("CmdSave");
        QCOMPARE(rig.messages.single(), QStringLiteral("Error: The normal lower limit Setting of Glucose Value "
                                                       "ranges between 30mg/dL and 600mg/dL !!"));
        QCOMPARE(std::pair(rig.shown(), rig.state.user.min),
                 std::pair(QStringList{"120", "29", "120", "80", "mg/dL", "OK disabled"}, 80));

        rig.messages.clear();
        rig.type("TextMin", "80");
        rig.type("TextMax", "200");
        rig.click("CmdSave");
        QVERIFY(QFile::remove(rig.folder.file(kRegistry)));
        QVERIFY(QDir(rig.folder.path()).mkdir(kRegistry));  // a folder cannot be replaced by the file
        rig.click("cmdOK");
        QVERIFY(rig.window && rig.window->isVisible());
        QVERIFY(rig.messages.single().startsWith("The settings were NOT saved in the user list."));
        QCOMPARE(rig.shown(), (QStringList{"200", "80", "120", "80", "mg/dL", "OK enabled"}));
    }
};

QTEST_MAIN(SettingsWindowTest)
#include "tst_settingswindow.moc"
