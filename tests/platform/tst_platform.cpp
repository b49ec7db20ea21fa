#include "platform/DataFolder.h"
#include "platform/DownloadLogFile.h"
#include "common/TestData.h"
#include "platform/PortNames.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>

// Sets (or, for a null value, unsets) a variable until the end of the scope.
auto setEnvironment(const char *name, const QByteArray &value)
{
    const QByteArray old = qgetenv(name);
    const bool wasSet = qEnvironmentVariableIsSet(name);
    value.isNull() ? qunsetenv(name) : qputenv(name, value);
    return qScopeGuard([=] { wasSet ? qputenv(name, old) : qunsetenv(name); });
}

class PlatformTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // --data-dir wins over DEXTREL_DATA_DIR, which wins over the platform's folder.
    void dataFolderPrecedence_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QByteArray>("environment");  // null: not set
        QTest::addColumn<QString>("expected");        // empty: the per-user application data folder
        QTest::newRow("both") << "/tmp/a" << QByteArray("/tmp/b") << "/tmp/a";
        QTest::newRow("environment only") << "" << QByteArray("/tmp/b") << "/tmp/b";
        QTest::newRow("relative, made absolute") << "rel" << QByteArray() << QDir::current().absoluteFilePath("rel");
        QTest::newRow("neither") << "" << QByteArray() << "";
        QTest::newRow("empty environment") << "" << QByteArray("") << "";
    }
    void dataFolderPrecedence()
    {
        QFETCH(QString, commandLine);
        QFETCH(QByteArray, environment);
        QFETCH(QString, expected);
        const auto restore = setEnvironment("DEXTREL_DATA_DIR", environment);
        QCOMPARE(DataFolder::resolve(commandLine),
                 expected.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : expected);
    }

    // C:\ while it holds the older program's files or takes new ones; else the
    // per-user folder, with a note only while that folder holds no user list yet.
    void windowsFolder_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<bool>("rootWritable");
        QTest::addColumn<QString>("dir");
        QTest::addColumn<bool>("note");
        const QString root = "C:/", mine = "C:/Users/ann/AppData/Roaming/Dextrel/Dextrel";
        QTest::newRow("older files in C:") << QStringList{"C:/DXRegister.txt"} << false << root << false;
        QTest::newRow("C: writable") << QStringList{} << true << root << false;
        QTest::newRow("first start in own folder") << QStringList{} << false << mine << true;
        QTest::newRow("later starts") << QStringList{mine + "/DXRegister.txt"} << false << mine << false;
    }
    void windowsFolder()
    {
        QFETCH(QStringList, existing);
        QFETCH(bool, rootWritable);
        const DataFolder::Choice choice = DataFolder::chooseOnWindows(
            "C:/", "C:/Users/ann/AppData/Roaming/Dextrel/Dextrel",
            [&](const QString &path) { return existing.contains(path); },
            [&](const QString &dir) { return rootWritable && dir == "C:/"; });
        QFETCH(QString, dir);
        QFETCH(bool, note);
        QCOMPARE(choice.dir, dir);
        QCOMPARE(!choice.note.isEmpty(), note);
        if (note)
            QVERIFY2(choice.note.contains(QDir::toNativeSeparators(dir)), qPrintable(choice.note));
    }

    // A user's 21st log removes the oldest one; other users' logs stay. The
    // folder and every log are the owner's alone.
    void downloadLogRotation()
    {
        ScratchFolder data;
        const QDateTime first(QDate(2026, 12, 6), QTime(9, 0));
        DownloadLogFile log;
        QString error;
        QVERIFY2(log.create(data.path(), "bob-x", first, &error), qPrintable(error));  // not bob's
        for (int i = 0; i <= DownloadLogFile::kKeptPerUser; ++i)
            QVERIFY2(log.create(data.path(), "bob", first.addSecs(i), &error), qPrintable(error));
        QVERIFY(log.create(data.path(), "bob", first.addSecs(DownloadLogFile::kKeptPerUser), &error));  // same second

        const QStringList logs = DownloadLogFile::logsOf(data.path(), "bob");
        QCOMPARE(logs.size(), DownloadLogFile::kKeptPerUser);
        QCOMPARE(QFileInfo(logs.first()).fileName(), "bob-20261206-090002.log");
        QCOMPARE(QFileInfo(logs.last()).fileName(), "bob-20261206-090020-2.log");
        QCOMPARE(log.path(), logs.last());
        QCOMPARE(DownloadLogFile::logsOf(data.path(), "bob-x").size(), 1);
#ifdef Q_OS_UNIX
        const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
        QCOMPARE(QFileInfo(DownloadLogFile::folder(data.path())).permissions() & 0x7077,
                 ownerOnly | QFile::ExeOwner);
        QCOMPARE(QFileInfo(logs.last()).permissions() & 0x7077, ownerOnly);
#endif
    }

    // Ports 1 to 5 name the platform's serial devices unless DEXTREL_COM<n> names
    // another; an override for one port leaves the others alone.
    void portNames()
    {
        const auto restoreOne = setEnvironment("DEXTREL_COM1", QByteArray());
        const auto restoreThree = setEnvironment("DEXTREL_COM3", "/dev/ttyUSB0");
        QStringList names;
        for (int port = 0; port <= 6; ++port)
            names << PortNames::deviceFor(port);
#ifdef Q_OS_WIN
        const QStringList expected{"", "COM1", "COM2", "/dev/ttyUSB0", "COM4", "COM5", ""};
#else
        const QStringList expected{"", "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0", "/dev/ttyS3", "/dev/ttyS4", ""};
#endif
        QCOMPARE(names, expected);
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
