#include "platform/DataFolder.h"
#include "platform/PortNames.h"

#include <QDir>
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
