// The program's command line without its windows, for the Windows build while
// the windows cannot be built there: the data folder, its lock, the login and
// the download as `dextrel --download` runs them, and the serial ports as
// `--list-ports` and `--find-meter` list and ask them.
//
//   windowless_program --data-dir DIR --user ID [--password PW] --download
//   windowless_program --list-ports | --find-meter [DEVICE...]

#include "app/AppState.h"
#include "app/CommandLineDownload.h"
#include "app/CommandLinePorts.h"
#include "meter/serial/SystemSerialPorts.h"
#include "platform/DataFolder.h"
#include "platform/DataFolderLock.h"
#include "users/Login.h"
#include "users/UserRegistry.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Dextrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Dextrel"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const SystemSerialPorts systemPorts;
    SerialPorts::setCatalogue(&systemPorts);

    QStringList args = app.arguments().mid(1);
    const auto take = [&args](const QString &option) {
        const qsizetype at = args.indexOf(option);
        if (at < 0 || at + 1 >= args.size())
            return QString();
        const QString value = args.at(at + 1);
        args.remove(at, 2);
        return value;
    };
    if (args.value(0) == QLatin1String("--list-ports"))
        return runListPorts(out);
    if (args.value(0) == QLatin1String("--find-meter"))
        return runFindMeter(args.mid(1), out, err);

    AppState state;
    state.dataDir = DataFolder::resolve(take(QStringLiteral("--data-dir")));
    const QString user = take(QStringLiteral("--user"));
    const QString password = take(QStringLiteral("--password"));
    if (args != QStringList{QStringLiteral("--download")} || user.isEmpty()) {
        err << "usage: windowless_program --data-dir DIR --user ID [--password PW] --download" << Qt::endl;
        return 2;
    }
    QString error;
    DataFolderLock lock(state.dataDir);
    if (!DataFolder::ensureExists(state.dataDir, &error) || !lock.acquire(&error)
        || !UserRegistry::ensureExists(DataFolder::registryPath(state.dataDir), &error)) {
        err << error << Qt::endl;
        return 1;
    }
    LoginOutcome login = Login::logIn(state.dataDir, user, password, state.store);
    if (!login.ok) {
        err << login.message << Qt::endl;
        return 1;
    }
    state.users = std::move(login.users);
    state.user = login.user;
    return runCommandLineDownload(state, out, err);
}
