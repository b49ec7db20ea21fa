#include "platform/Product.h"
#include "app/ui/StartOptions.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>

namespace {

// QCommandLineParser keeps the values of each option apart; the steps must
// run in the order they were written, across both options.
QList<ScriptStep> stepsInOrder(const QStringList &arguments)
{
    QList<ScriptStep> steps;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == u"--")
            break;
        for (const auto &[option, kind] : {std::pair{QStringLiteral("--set"), ScriptStep::Kind::Set},
                                           std::pair{QStringLiteral("--click"), ScriptStep::Kind::Click}}) {
            QString value;
            if (a == option && i + 1 < arguments.size())
                value = arguments[++i];
            else if (a.startsWith(option + u'='))
                value = a.mid(option.size() + 1);
            else
                continue;
            ScriptStep step{kind, value, {}};
            if (kind == ScriptStep::Kind::Set) {
                const qsizetype equals = value.indexOf(u'=');
                step.name = value.left(equals);
                step.value = equals < 0 ? QString() : value.mid(equals + 1);
            }
            steps << step;
        }
    }
    return steps;
}

} // namespace

StartOptions::Parsed StartOptions::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(Product::kName);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
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
    const QCommandLineOption exportCsv(QStringLiteral("export-csv"),
                                       QStringLiteral("Write the readings of --user as CSV to <file> without "
                                                      "windows (all of them, or --from/--to)."),
                                       QStringLiteral("file"));
    const QCommandLineOption reportPdf(QStringLiteral("report-pdf"),
                                       QStringLiteral("Write the one-page report for the doctor of --user as PDF to "
                                                      "<file> without windows (the last 14 days with readings, "
                                                      "or --from/--to)."),
                                       QStringLiteral("file"));
    const QCommandLineOption from(QStringLiteral("from"),
                                  QStringLiteral("First day of the export or report (yyyy-mm-dd)."),
                                  QStringLiteral("date"));
    const QCommandLineOption to(QStringLiteral("to"), QStringLiteral("Last day of the export or report (yyyy-mm-dd)."),
                                QStringLiteral("date"));
    const QCommandLineOption set(QStringLiteral("set"),
                                 QStringLiteral("After the page is shown, set the control <name> as a user would "
                                                "(choose a list entry, type text and Enter, a date in the user's "
                                                "date format, a number, choose an option). Repeatable."),
                                 QStringLiteral("name=value"));
    const QCommandLineOption click(QStringLiteral("click"),
                                   QStringLiteral("After the page is shown, click the control or menu item <name>. "
                                                  "Repeatable; --set and --click run in the order given."),
                                   QStringLiteral("name"));
    const QCommandLineOption dump(QStringLiteral("dump"),
                                  QStringLiteral("Then save the open windows, their named controls and every "
                                                 "message shown as JSON in <file>, and end."),
                                  QStringLiteral("file"));
    const QCommandLineOption listPorts(QStringLiteral("list-ports"),
                                       QStringLiteral("Print the serial ports of this computer with their details, "
                                                      "one a line, and end."));
    const QCommandLineOption findMeter(QStringLiteral("find-meter"),
                                       QStringLiteral("Look for the meter on the devices named after the options, "
                                                      "or else on every serial port listed, and end: 0 when found."));
    parser.addOptions({dataDir, user, passwordStdin, password, page, set, click, dump, screenshot, download,
                       exportCsv, reportPdf, from, to, listPorts, findMeter});

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
    if (parser.isSet(version)) {
        out.outcome = Outcome::Help;
        out.text = Product::kName + QLatin1Char(' ') + Product::kVersion + QLatin1Char('\n');
        return out;
    }
    StartOptions &o = out.options;
    o.listPorts = parser.isSet(listPorts);
    o.findMeter = parser.isSet(findMeter);
    if (o.findMeter)
        o.meterDevices = parser.positionalArguments();
    else if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().constFirst()));
    const QStringList portOptions{listPorts.names().constFirst(), findMeter.names().constFirst()};
    const QStringList given = parser.optionNames();
    if (o.portsOnly()
        && std::any_of(given.begin(), given.end(), [&](const QString &name) { return !portOptions.contains(name); }))
        return fail(QStringLiteral("--list-ports and --find-meter run alone."));

    o.dataDir = parser.value(dataDir);
    o.user = parser.value(user);
    o.password = parser.value(password);
    o.passwordFromStdin = parser.isSet(passwordStdin);
    if (!parser.isSet(password) && !o.passwordFromStdin)
        o.password = qEnvironmentVariable(kPasswordVariable);
    o.screenshot = parser.value(screenshot);
    o.dump = parser.value(dump);
    o.steps = stepsInOrder(arguments);
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
    if (parser.isSet(dump) && o.dump.isEmpty())
        return fail(QStringLiteral("--dump needs a file name."));
    for (const ScriptStep &step : std::as_const(o.steps)) {
        if (step.name.isEmpty())
            return fail(QStringLiteral("--set and --click need the name of a control."));
    }
    if ((!o.steps.isEmpty() || !o.dump.isEmpty()) && o.user.isEmpty())
        return fail(QStringLiteral("--set, --click and --dump need --user."));
    if (o.download && o.user.isEmpty())
        return fail(QStringLiteral("--download needs --user."));
    const auto isoDate = [&parser](const QCommandLineOption &option, QDate *date) {
        if (!parser.isSet(option))
            return true;
        *date = QDate::fromString(parser.value(option), Qt::ISODate);
        return date->isValid();
    };
    o.exportCsv = parser.value(exportCsv);
    o.reportPdf = parser.value(reportPdf);
    if (parser.isSet(exportCsv) && parser.isSet(reportPdf))
        return fail(QStringLiteral("Give one file at a time: --export-csv or --report-pdf."));
    const QString fileOption = parser.isSet(reportPdf) ? QStringLiteral("--report-pdf") : QStringLiteral("--export-csv");
    const QString &file = parser.isSet(reportPdf) ? o.reportPdf : o.exportCsv;
    if ((parser.isSet(exportCsv) || parser.isSet(reportPdf)) && file.isEmpty())
        return fail(fileOption + QStringLiteral(" needs a file name."));
    if (!isoDate(from, &o.from) || !isoDate(to, &o.to))
        return fail(QStringLiteral("--from and --to need a calendar date as yyyy-mm-dd."));
    if ((parser.isSet(from) || parser.isSet(to)) && file.isEmpty())
        return fail(QStringLiteral("--from and --to go with --export-csv or --report-pdf."));
    if (o.from.isValid() && o.to.isValid() && o.from > o.to)
        return fail(QStringLiteral("--from must not be after --to."));
    if (!file.isEmpty() && o.user.isEmpty())
        return fail(fileOption + QStringLiteral(" needs --user."));
    if (!file.isEmpty() && (o.download || o.page || o.endsAfterPage() || !o.steps.isEmpty()))
        return fail(fileOption + QStringLiteral(" opens no window: it cannot be combined with --download, --page, "
                                                "--set, --click, --dump or --screenshot."));
    if (o.download && (o.page || o.endsAfterPage() || !o.steps.isEmpty()))
        return fail(QStringLiteral("--download opens no window: it cannot be combined with --page, --set, "
                                   "--click, --dump or --screenshot."));
    return out;
}
