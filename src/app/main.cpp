#include "platform/Product.h"
#include "app/AppState.h"
#include "platform/ConsoleOutput.h"
#include "platform/DataFolder.h"
#include "platform/DataFolderLock.h"
#include "platform/LocalBytes.h"
#include "platform/TextFiles.h"
#include "platform/UiLanguage.h"
#include "platform/ui/LanguageFont.h"
#include "platform/ui/MessageService.h"
#include "platform/ui/SaveDialogs.h"
#include "app/CommandLineExport.h"
#include "app/ui/ScriptedStart.h"
#include "app/ui/ShellTexts.h"
#include "app/ui/StartOptions.h"
#include "app/ui/Startup.h"
#include "app/CommandLineDownload.h"
#include "app/CommandLinePorts.h"
#include "meter/serial/SystemSerialPorts.h"
#include "users/Login.h"
#include "users/OwnFiles.h"
#include "users/UserRegistry.h"

#include <QApplication>
#include <QLocale>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <memory>

namespace {

// Bytes that are not valid in the local encoding are kept (see LocalBytes), so
// that --user names a user of a list from another computer, such as "caf\xe9".
QStringList argumentsOf(int argc, char *argv[])
{
    QStringList out;
    for (int i = 0; i < argc; ++i)
        out << LocalBytes::decode(argv[i]);
    return out;
}

// The meter download and the files without windows (--download, --export-csv,
// --report-pdf): the same login as the windows, then the download session with
// label texts and progress on stdout, or the file.
int runWithoutWindows(AppState &state, const StartOptions &options)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QString error;
    if (!UserRegistry::ensureExists(DataFolder::registryPath(state.dataDir), &error)) {
        err << LocalBytes::shown(error) << Qt::endl;
        return 1;
    }
    LoginOutcome login = Login::logIn(state.dataDir, options.user, options.password, state.store);
    if (!login.ok) {
        err << LocalBytes::shown(login.message) << Qt::endl;
        return 1;
    }
    for (const QString &warning : login.warnings)
        err << LocalBytes::shown(warning) << Qt::endl;
    state.users = std::move(login.users);
    state.user = login.user;
    UiLanguages::apply(state.userLanguage());
    if (!options.exportCsv.isEmpty()) {
        return runCommandLineExport(state, ReportFiles::Kind::Readings, options.exportCsv, options.from, options.to,
                                    out, err);
    }
    if (!options.reportPdf.isEmpty()) {
        return runCommandLineExport(state, ReportFiles::Kind::DoctorReport, options.reportPdf, options.from, options.to,
                                    out, err);
    }
    return runCommandLineDownload(state, out, err);
}

} // namespace

int main(int argc, char *argv[])
{
    ConsoleOutput::attachToParent();
#ifdef Q_OS_UNIX
    // Past a file-size limit a write fails with its reason instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const QStringList arguments = argumentsOf(argc, argv);
    StartOptions::Parsed parsed = StartOptions::parse(arguments);
    std::unique_ptr<QCoreApplication> app;
    if (parsed.outcome != StartOptions::Outcome::Run) {
        // The help and the errors in the language asked for, which needs the
        // application object for its translation.
        app = std::make_unique<QCoreApplication>(argc, argv);
        UiLanguages::apply(StartOptions::languageOf(arguments));
        parsed = StartOptions::parse(arguments);
    }
    if (parsed.outcome == StartOptions::Outcome::Help) {
        std::fprintf(stdout, "%s", qPrintable(parsed.text));
        return 0;
    }
    if (parsed.outcome == StartOptions::Outcome::Error) {
        std::fprintf(stderr, "%s\n", qPrintable(parsed.text));
        return 2;
    }
    StartOptions options = parsed.options;
    if (options.passwordFromStdin)
        options.password = QTextStream(stdin).readLine();
    // Programs started from here need not see it.
    qunsetenv(kPasswordVariable);

    // A download or a CSV export needs no display, so it gets no widgets either.
    // The doctor's report draws charts, which need the widgets' application
    // object, but shows nothing: it runs on the screenless platform, with or
    // without a display.
    const SystemSerialPorts systemPorts;
    SerialPorts::setCatalogue(&systemPorts);
    // The serial ports alone: no data folder, no login, no lock.
    const UiLanguage language = options.language.value_or(UiLanguages::forLocale(QLocale::system()));
    if (options.portsOnly()) {
        QCoreApplication app(argc, argv);
        UiLanguages::apply(language);
        QTextStream out(stdout);
        QTextStream err(stderr);
        const int listed = options.listPorts ? runListPorts(out) : 0;
        return options.findMeter ? runFindMeter(options.meterDevices, out, err) : listed;
    }

#ifdef Q_OS_UNIX
    // The report drawn without a display. Not on Windows: there the desktop is
    // always there, and the system's fonts come only through its own platform.
    if (options.drawsWithoutWindows() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    if (!options.withoutWindows() || options.drawsWithoutWindows())
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Dextrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Dextrel"));
    QCoreApplication::setApplicationVersion(Product::kVersion);
    UiLanguages::apply(language);
    if (auto *widgets = qobject_cast<QApplication *>(app.get()))
        LanguageFont::follow(widgets);

    if (options.unattended()) {
        Messages::setHandler(Messages::printToStandardError);
        // Nobody is there to choose a file: the question is answered "cancel", and said.
        SaveDialogs::setHandler([](const SaveDialogs::Request &request) {
            Messages::show(nullptr, ShellTexts::cannotAskScripted(request.title), {}, Messages::Icon::Warning);
            return QString();
        });
    }

    AppState state;
    state.commandLineLanguage = options.language;
    QString folderNote;
    state.dataDir = DataFolder::resolve(options.dataDir, &folderNote);
    QString error;
    if (!DataFolder::ensureExists(state.dataDir, &error)) {
        Messages::show(nullptr, error, {}, Messages::Icon::Critical);
        return 1;
    }

    DataFolderLock lock(state.dataDir);
    if (!lock.acquire(&error)) {
        Messages::show(nullptr, error, {}, Messages::Icon::Critical);
        return 1;
    }
    // Only now is no other copy of the program writing in the folder.
    OwnFiles::removeLeftovers(state.dataDir);
    TextFiles::keepOwnerOnly(DataFolder::registryPath(state.dataDir));
    if (const QString warning = DataFolder::openToOthersWarning(state.dataDir); !warning.isEmpty())
        Messages::show(nullptr, warning, {}, Messages::Icon::Warning);

    if (!folderNote.isEmpty())
        Messages::show(nullptr, folderNote, {}, Messages::Icon::Information);

    if (options.withoutWindows())
        return runWithoutWindows(state, options);

    Startup startup(state);
    ScriptedStart script(startup, state, options);
    startup.run(!options.unattended());
    script.begin();
    return app->exec();
}
