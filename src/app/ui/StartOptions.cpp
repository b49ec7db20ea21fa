#include "platform/Product.h"
#include "app/ui/StartOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {

// Every option but --help and --version, in the order --help lists them.
struct Options
{
    QCommandLineOption dataDir{
        QStringLiteral("data-dir"),
        QCoreApplication::translate("StartOptions", "Keep the user list and reading files in <dir>."),
        QStringLiteral("dir")};
    QCommandLineOption user{QStringLiteral("user"), QCoreApplication::translate("StartOptions", "Log in as <id>."),
                            QStringLiteral("id")};
    QCommandLineOption passwordStdin{
        QStringLiteral("password-stdin"),
        QCoreApplication::translate(
            "StartOptions", "Read the password of --user from the first line of standard input. Or set it in the "
                            "environment variable DEXTREL_PASSWORD.")};
    QCommandLineOption password{
        QStringLiteral("password"),
        QCoreApplication::translate("StartOptions", "The password of --user. Every user of the computer can see "
                                                    "it in the list of processes: prefer --password-stdin or "
                                                    "DEXTREL_PASSWORD."),
        QStringLiteral("password")};
    QCommandLineOption page{QStringLiteral("page"),
                            QCoreApplication::translate("StartOptions", "After login, open <name>: %1.")
                                .arg(PageCommands::names().join(QCoreApplication::translate("StartOptions", ", "))),
                            QStringLiteral("name")};
    QCommandLineOption set{
        QStringLiteral("set"),
        QCoreApplication::translate("StartOptions", "After the page is shown, set the control <name> as a user would "
                                                    "(choose a list entry, type text and Enter, a date in the user's "
                                                    "date format, a number, choose an option). Repeatable."),
        QStringLiteral("name=value")};
    QCommandLineOption click{
        QStringLiteral("click"),
        QCoreApplication::translate("StartOptions", "After the page is shown, click the control or menu item <name>. "
                                                    "Repeatable; --set and --click run in the order given."),
        QStringLiteral("name")};
    QCommandLineOption dump{QStringLiteral("dump"),
                            QCoreApplication::translate("StartOptions",
                                                        "Then save the open windows, their named controls and every "
                                                        "message shown as JSON in <file>, and end."),
                            QStringLiteral("file")};
    QCommandLineOption screenshot{QStringLiteral("screenshot"),
                                  QCoreApplication::translate("StartOptions",
                                                              "After login (and --page), save a picture of the front "
                                                              "window as <file> and end."),
                                  QStringLiteral("file")};
    QCommandLineOption download{
        QStringLiteral("download"),
        QCoreApplication::translate("StartOptions", "Download the meter's readings for --user without windows.")};
    QCommandLineOption exportCsv{QStringLiteral("export-csv"),
                                 QCoreApplication::translate("StartOptions",
                                                             "Write the readings of --user as CSV to <file> without "
                                                             "windows (all of them, or --from/--to)."),
                                 QStringLiteral("file")};
    QCommandLineOption reportPdf{
        QStringLiteral("report-pdf"),
        QCoreApplication::translate("StartOptions", "Write the one-page report for the doctor of --user as PDF to "
                                                    "<file> without windows (the last 14 days with readings, "
                                                    "or --from/--to)."),
        QStringLiteral("file")};
    QCommandLineOption from{
        QStringLiteral("from"),
        QCoreApplication::translate("StartOptions", "First day of the export or report (yyyy-mm-dd)."),
        QStringLiteral("date")};
    QCommandLineOption to{QStringLiteral("to"),
                          QCoreApplication::translate("StartOptions", "Last day of the export or report (yyyy-mm-dd)."),
                          QStringLiteral("date")};
    QCommandLineOption listPorts{
        QStringLiteral("list-ports"),
        QCoreApplication::translate("StartOptions", "Print the serial ports of this computer with their details, "
                                                    "one a line, and end.")};
    QCommandLineOption findMeter{
        QStringLiteral("find-meter"),
        QCoreApplication::translate("StartOptions", "Look for the meter on the devices named after the options, "
                                                    "or else on every serial port listed, and end: 0 when found.")};

    QCommandLineOption lang{QStringLiteral("lang"),
                            QCoreApplication::translate(
                                "StartOptions", "Show the windows and messages in <code>: en (English) or zh_TW "
                                                "(Traditional Chinese), instead of the user's choice or the system's."),
                            QStringLiteral("code")};

    QList<QCommandLineOption> all() const
    {
        return {dataDir,  user,      passwordStdin, password, page, set,       click,     dump, screenshot,
                download, exportCsv, reportPdf,     from,     to,   listPorts, findMeter, lang};
    }
};

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

// What the options say, each read on its own; whether they go together is
// brokenRule()'s to say. An unknown page leaves page empty, a date that is
// none leaves its date invalid.
StartOptions readValues(const QCommandLineParser &parser, const Options &given, const QStringList &arguments)
{
    StartOptions o;
    o.listPorts = parser.isSet(given.listPorts);
    o.findMeter = parser.isSet(given.findMeter);
    if (o.findMeter)
        o.meterDevices = parser.positionalArguments();
    o.dataDir = parser.value(given.dataDir);
    o.user = parser.value(given.user);
    o.password = parser.value(given.password);
    o.passwordFromStdin = parser.isSet(given.passwordStdin);
    if (!parser.isSet(given.password) && !o.passwordFromStdin)
        o.password = qEnvironmentVariable(kPasswordVariable);
    o.screenshot = parser.value(given.screenshot);
    o.dump = parser.value(given.dump);
    o.steps = stepsInOrder(arguments);
    o.download = parser.isSet(given.download);
    if (parser.isSet(given.page))
        o.page = PageCommands::fromName(parser.value(given.page));
    o.exportCsv = parser.value(given.exportCsv);
    o.reportPdf = parser.value(given.reportPdf);
    if (parser.isSet(given.from))
        o.from = QDate::fromString(parser.value(given.from), Qt::ISODate);
    if (parser.isSet(given.to))
        o.to = QDate::fromString(parser.value(given.to), Qt::ISODate);
    if (parser.isSet(given.lang))
        o.language = UiLanguages::fromCode(parser.value(given.lang));
    return o;
}

// The first rule that the options given together break, as a message; empty
// when they go together. The rules are checked in this order.
QString brokenRule(const QCommandLineParser &parser, const Options &given, const StartOptions &o)
{
    const auto isSet = [&parser](const QCommandLineOption &option) { return parser.isSet(option); };

    if (!o.findMeter && !parser.positionalArguments().isEmpty())
        return QCoreApplication::translate("StartOptions", "Unexpected argument: %1")
            .arg(parser.positionalArguments().constFirst());
    if (isSet(given.lang) && !o.language)
        return QCoreApplication::translate("StartOptions", "--lang takes en or zh_TW.");
    const QStringList portOptions{given.listPorts.names().constFirst(), given.findMeter.names().constFirst(),
                                  given.lang.names().constFirst()};
    const QStringList names = parser.optionNames();
    if (o.portsOnly()
        && std::any_of(names.begin(), names.end(), [&](const QString &name) { return !portOptions.contains(name); }))
        return QCoreApplication::translate("StartOptions", "--list-ports and --find-meter run alone.");
    if (isSet(given.page) && !o.page) {
        return QCoreApplication::translate("StartOptions", "Unknown page \"%1\"; the pages are: %2.")
            .arg(parser.value(given.page),
                 PageCommands::names().join(QCoreApplication::translate("StartOptions", ", ")));
    }

    // Who logs in, and how the run ends.
    if (isSet(given.dataDir) && o.dataDir.isEmpty())
        return QCoreApplication::translate("StartOptions", "--data-dir needs a folder.");
    if (isSet(given.user) && o.user.isEmpty())
        return QCoreApplication::translate("StartOptions", "--user needs a user ID.");
    if (isSet(given.password) && o.user.isEmpty())
        return QCoreApplication::translate("StartOptions", "--password needs --user.");
    if (o.passwordFromStdin && o.user.isEmpty())
        return QCoreApplication::translate("StartOptions", "--password-stdin needs --user.");
    if (o.passwordFromStdin && isSet(given.password))
        return QCoreApplication::translate("StartOptions", "Give the password once: --password or --password-stdin.");
    if (isSet(given.screenshot) && o.screenshot.isEmpty())
        return QCoreApplication::translate("StartOptions", "--screenshot needs a file name.");
    if (isSet(given.dump) && o.dump.isEmpty())
        return QCoreApplication::translate("StartOptions", "--dump needs a file name.");
    if (std::any_of(o.steps.cbegin(), o.steps.cend(), [](const ScriptStep &step) { return step.name.isEmpty(); }))
        return QCoreApplication::translate("StartOptions", "--set and --click need the name of a control.");
    if ((!o.steps.isEmpty() || !o.dump.isEmpty()) && o.user.isEmpty())
        return QCoreApplication::translate("StartOptions", "--set, --click and --dump need --user.");
    if (o.download && o.user.isEmpty())
        return QCoreApplication::translate("StartOptions", "--download needs --user.");

    // The two files written without windows.
    if (isSet(given.exportCsv) && isSet(given.reportPdf))
        return QCoreApplication::translate("StartOptions", "Give one file at a time: --export-csv or --report-pdf.");
    const QString fileOption = isSet(given.reportPdf) ? QStringLiteral("--report-pdf") : QStringLiteral("--export-csv");
    const QString &file = isSet(given.reportPdf) ? o.reportPdf : o.exportCsv;
    if ((isSet(given.exportCsv) || isSet(given.reportPdf)) && file.isEmpty())
        return fileOption + QCoreApplication::translate("StartOptions", " needs a file name.");
    if ((isSet(given.from) && !o.from.isValid()) || (isSet(given.to) && !o.to.isValid()))
        return QCoreApplication::translate("StartOptions", "--from and --to need a calendar date as yyyy-mm-dd.");
    if ((isSet(given.from) || isSet(given.to)) && file.isEmpty())
        return QCoreApplication::translate("StartOptions", "--from and --to go with --export-csv or --report-pdf.");
    if (o.from.isValid() && o.to.isValid() && o.from > o.to)
        return QCoreApplication::translate("StartOptions", "--from must not be after --to.");
    if (!file.isEmpty() && o.user.isEmpty())
        return fileOption + QCoreApplication::translate("StartOptions", " needs --user.");
    if (!file.isEmpty() && (o.download || o.page || o.endsAfterPage() || !o.steps.isEmpty()))
        return fileOption
               + QCoreApplication::translate("StartOptions",
                                             " opens no window: it cannot be combined with --download, --page, "
                                             "--set, --click, --dump or --screenshot.");
    if (o.download && (o.page || o.endsAfterPage() || !o.steps.isEmpty()))
        return QCoreApplication::translate("StartOptions",
                                           "--download opens no window: it cannot be combined with --page, --set, "
                                           "--click, --dump or --screenshot.");
    return {};
}

} // namespace

UiLanguage StartOptions::languageOf(const QStringList &arguments)
{
    QCommandLineParser parser;
    const Options given;
    parser.addOptions(given.all());
    parser.parse(arguments);
    const std::optional<UiLanguage> asked = UiLanguages::fromCode(parser.value(given.lang));
    return asked.value_or(UiLanguages::forLocale(QLocale::system()));
}

StartOptions::Parsed StartOptions::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(Product::kName);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const Options given;
    parser.addOptions(given.all());

    if (!parser.parse(arguments))
        return {Outcome::Error, {}, parser.errorText()};
    if (parser.isSet(help)) {
        // The program's name as the file is named: the parser gives a
        // placeholder when options are read before the application object
        // exists, and the path typed when they are read again for the help's
        // language.
        QString text = parser.helpText();
        const QString given = QCoreApplication::instance() ? QCoreApplication::arguments().value(0)
                                                           : QStringLiteral("<executable_name>");
        if (const qsizetype at = text.indexOf(given); at >= 0)
            text.replace(at, given.size(), QFileInfo(arguments.value(0)).fileName());
        return {Outcome::Help, {}, text};
    }
    if (parser.isSet(version))
        return {Outcome::Help, {}, Product::kName + QLatin1Char(' ') + Product::kVersion + QLatin1Char('\n')};
    const StartOptions options = readValues(parser, given, arguments);
    if (const QString broken = brokenRule(parser, given, options); !broken.isEmpty())
        return {Outcome::Error, {}, broken};
    return {Outcome::Run, options, {}};
}
