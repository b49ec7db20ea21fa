#pragma once

#include "app/ui/Pages.h"
#include "app/ui/ControlScript.h"
#include "platform/UiLanguage.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The environment variable a password can be given in, out of sight of the
// process list.
inline constexpr char kPasswordVariable[] = "DEXTREL_PASSWORD";

// What the command line asks of this run.
struct StartOptions
{
    QString dataDir;                    // empty: the usual data folder
    QString user;                       // log in as this user, no typing needed
    QString password;                   // from --password, else DEXTREL_PASSWORD
    bool passwordFromStdin = false;     // --password-stdin: the caller reads it
    std::optional<PageCommand> page;    // opened after login, as its menu command would
    QList<ScriptStep> steps;            // --set and --click, in command-line order, after the page
    QString dump;                       // the screen's state as JSON, then end
    QString screenshot;                 // image of the front window, then end
    bool download = false;              // download the meter without windows
    QString exportCsv;                  // write the readings as CSV to this file, without windows
    QString reportPdf;                  // write the report for the doctor to this file, without windows
    QDate from, to;                     // --from, --to (ISO dates) of either file; invalid: open end
    bool listPorts = false;             // print the serial ports and end
    bool findMeter = false;             // look for the meter and end
    QStringList meterDevices;           // where to look; empty: every serial port listed
    std::optional<UiLanguage> language; // --lang: the windows' and messages' language for this run

    // A run that nobody watches: its message boxes go to standard error.
    bool unattended() const { return !user.isEmpty() || download; }
    // Runs without windows or data folder: the serial ports alone.
    bool portsOnly() const { return listPorts || findMeter; }
    // Runs without windows: the download and the two files.
    bool withoutWindows() const { return download || !exportCsv.isEmpty() || !reportPdf.isEmpty(); }
    // Draws charts, so needs the widgets' application object though it shows nothing.
    bool drawsWithoutWindows() const { return !reportPdf.isEmpty(); }
    // The run ends by itself once its picture or its state is saved.
    bool endsAfterPage() const { return !screenshot.isEmpty() || !dump.isEmpty(); }

    enum class Outcome { Run, Help, Error };
    struct Parsed;
    // arguments[0] is the program name.
    static Parsed parse(const QStringList &arguments);
    // The language --lang names, else the system's; for the help and the
    // errors of the command line, which come before the options are parsed.
    static UiLanguage languageOf(const QStringList &arguments);
};

struct StartOptions::Parsed
{
    Outcome outcome = Outcome::Run;
    StartOptions options;
    QString text; // the help or version text, or what is wrong with the arguments
};
