#include "app/ui/StartOptions.h"

#include <QCommandLineParser>
#include <QFileInfo>

StartOptions::Parsed StartOptions::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Dextrel Management Software"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep the user list and reading files in <dir>."),
                                     QStringLiteral("dir"));
    const QCommandLineOption user(QStringLiteral("user"), QStringLiteral("Log in as <id>."), QStringLiteral("id"));
    const QCommandLineOption passwordStdin(
        QStringLiteral("password-stdin"),
        QStringLiteral("Read the password of --user from the first line of standard input. Or set it in the "
                       "environment variable DEXTREL_PASSWORD."));
    const QCommandLineOption password(QStringLiteral("password"),
                                      QStringLiteral("The password of --user. Every user of the computer can see "
                                                     "it in the list of processes: prefer --password-stdin or "
                                                     "DEXTREL_PASSWORD."),
                                      QStringLiteral("password"));
    const QCommandLineOption page(QStringLiteral("page"),
                                  QStringLiteral("After login, open <name>: %1.")
                                      .arg(PageCommands::names().join(QStringLiteral(", "))),
                                  QStringLiteral("name"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("After login (and --page), save a picture of the front "
                                                       "window as <file> and end."),
                                        QStringLiteral("file"));
    const QCommandLineOption download(QStringLiteral("download"),
                                      QStringLiteral("Download the meter's readings for --user without windows."));
    parser.addOptions({dataDir, user, passwordStdin, password, page, screenshot, download});

    Parsed out;
    const auto fail = [&out](const QString &why) {
        out.outcome = Outcome::Error;
        out.text = why;
        return out;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        out.outcome = Outcome::Help;
        // Options are read before the application object exists, so the parser
        // cannot know the program's name by itself.
        out.text = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                             QFileInfo(arguments.value(0)).fileName());
        return out;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().constFirst()));

    StartOptions &o = out.options;
    o.dataDir = parser.value(dataDir);
    o.user = parser.value(user);
    o.password = parser.value(password);
    o.passwordFromStdin = parser.isSet(passwordStdin);
    if (!parser.isSet(password) && !o.passwordFromStdin)
        o.password = qEnvironmentVariable(kPasswordVariable);
    o.screenshot = parser.value(screenshot);
    o.download = parser.isSet(download);
    if (parser.isSet(page)) {
        o.page = PageCommands::fromName(parser.value(page));
        if (!o.page) {
            return fail(QStringLiteral("Unknown page \"%1\"; the pages are: %2.")
                            .arg(parser.value(page), PageCommands::names().join(QStringLiteral(", "))));
        }
    }
    if (parser.isSet(dataDir) && o.dataDir.isEmpty())
        return fail(QStringLiteral("--data-dir needs a folder."));
    if (parser.isSet(user) && o.user.isEmpty())
        return fail(QStringLiteral("--user needs a user ID."));
    if (parser.isSet(password) && o.user.isEmpty())
        return fail(QStringLiteral("--password needs --user."));
    if (o.passwordFromStdin && o.user.isEmpty())
        return fail(QStringLiteral("--password-stdin needs --user."));
    if (o.passwordFromStdin && parser.isSet(password))
        return fail(QStringLiteral("Give the password once: --password or --password-stdin."));
    if (parser.isSet(screenshot) && o.screenshot.isEmpty())
        return fail(QStringLiteral("--screenshot needs a file name."));
    if (o.download && o.user.isEmpty())
        return fail(QStringLiteral("--download needs --user."));
    if (o.download && (o.page || !o.screenshot.isEmpty()))
        return fail(QStringLiteral("--download opens no window: it cannot be combined with --page or --screenshot."));
    return out;
}
