// The files a user takes away: the readings as CSV and the report for the
// doctor as PDF, written by the real program without windows; the Main menu's
// windows are tst_report_windows'.

#include "common/ProgramRun.h"
#include "common/Rows.h"
#include "common/TestData.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

const QByteArray kHeader = "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time";
// Newest first, as downloads write them; one reading on an impossible date.
const QList<QByteArray> kReadings{
    "T0001,00250,04,20,19,30,C,13.9,2006,2006/04/20 - 19:30",
    "T0002,00099,03,06,08,00,PC,05.5,2006,2006/03/06 - 08:00",
    "T0003,00040,02,30,12,00,C,02.2,2006,2006/02/30 - 12:00",
    "T0004,00123,03,05,07,05,C,06.8,2006,2006/03/05 - 07:05",
};
const char *const kCsvHeader = "date,time,glucose_mg_dl,glucose_mmol_l,meal,valid_date";
const QList<QByteArray> kRegistry{"ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp", "ann*,pw*,1,2,1,180,72,120,80",
                                  "bob*,pw*,1,1,2,180,72,120,80"};

struct PdfSeen
{
    int pages = 0;
    QString text;   // laid out as on the page, every run of blanks made one
    QString faults; // what the reader found wrong in the page's drawing
};

// What poppler-utils read in a PDF (scripts/install-deps.sh installs them).
PdfSeen readPdf(const QString &path)
{
    QString faults;
    const auto run = [&faults](const QString &tool, const QStringList &arguments) {
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty())
            qFatal("%s is missing: run scripts/install-deps.sh", qPrintable(tool));
        QProcess p;
        p.start(program, arguments);
        p.waitForFinished(-1);
        faults += QString::fromUtf8(p.readAllStandardError());
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    const QRegularExpressionMatch pages
        = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run(QStringLiteral("pdfinfo"), {path}));
    QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    text.replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
    return {pages.hasMatch() ? pages.captured(1).toInt() : 0, text, faults};
}

// A file asked for: the program's arguments (FILE stands for the target, which
// holds "old" at first), the reading file of ann and of bob, the exit status,
// the texts shown (none: the old file is left) and part of standard error.
struct WriteCase
{
    const char *name;
    QStringList arguments;
    QByteArray readings;
    int code;
    QStringList shown = {};
    QString error = {};
};

// An export asked for one of the program's files: how (--export-csv,
// --report-pdf, --dump, --screenshot or the Export Readings window), the
// target given and what it is.
struct OwnFileCase
{
    const char *name;
    QString how, target, own;
};

} // namespace

class ReportFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A file asked for on the command line: the CSV's lines (oldest first), or
    // texts on the report's one page.
    void writeFile_data()
    {
        const QByteArray file = crlf(QList<QByteArray>{kHeader} + kReadings);
        const QStringList csv{"--user", "ann", "--password", "pw", "--export-csv", "FILE"};
        const QStringList ann{"--user", "ann", "--password", "pw", "--report-pdf", "FILE"};
        const QStringList bob{"--user", "bob", "--password", "pw", "--report-pdf", "FILE"};
        QList<QByteArray> oneHour{kHeader};
        for (const char *minute : {"01", "02", "03", "04", "05"})
            oneHour << "T0001,00100,03,05,08," + QByteArray(minute) + ",C,05.6,2006,2006/03/05 - 08:" + minute;
        using Rows::list;
        Rows::add<WriteCase>({
            {"CSV, a period", csv + list("--from", "2006-03-06", "--to", "2006-04-19"), file, 0,
             list(kCsvHeader, "2006-03-06,08:00,99,5.5,PC,1")},
            {"CSV, a folder in the way", csv.mid(0, 5) << "DIR", file, 1},
            // 123, 99, 250 mg/dL on 5 and 6 March and 20 April 2006; 30 February left out.
            {"PDF, the last 14 days with readings, mmol/L", ann, file, 0,
             list("Dextrel Management Software", "ID : ann", "Period : 2006/3/5 ~ 2006/4/20", "Unit : mmol/L",
                  "Readings : 3", "Days with readings : 3", "Left out, no calendar date : 1", "Mean : 8.7 mmol/L",
                  "Standard deviation : 4.5 mmol/L", "variation : 51.6 %", "GMI",
                  "3.9–10.0 mmol/L, % of readings : 66.7 % target: over 70 % ✗ not met",
                  "Above 10.0 mmol/L, % of readings : 33.3 % target: under 25 % ✗ not met",
                  "your limits 4.0–10.0 mmol/L", "Overlay Day", "Histogram", "Glucose mmol/L", "Not medical advice")},
            {"PDF, a period, mg/dL, day/month/year", bob + list("--from", "2006-03-06", "--to", "2006-04-20"), file, 0,
             list("ID : bob", "Period : 6/3/2006 ~ 20/4/2006", "Readings : 2", "Mean : 175 mg/dL",
                  "Below 70 mg/dL, % of readings : 0.0 % target: under 4 % ✓ met",
                  "Above 250 mg/dL, % of readings : 0.0 %", "Glucose mg/dL", "Not medical advice")},
            {"PDF, percentiles in a single hour", ann, crlf(oneHour), 0, list("Readings : 5", "Mean : 5.6 mmol/L")},
            {"not a date", ann + list("--to", "2006-04-31"), file, 2, QStringList(),
             "--from and --to need a calendar date as yyyy-mm-dd."},
            {"from after to", csv + list("--from", "2006-04-02", "--to", "2006-04-01"), file, 2, QStringList(),
             "--from must not be after --to."},
            {"unknown user", list("--user", "eve", "--password", "pw", "--report-pdf", "FILE"), file, 1, QStringList(),
             "User ID [eve]"},
            {"no reading with a calendar date", ann,
             crlf(list<QByteArray>(kHeader, "T0003,00040,02,30,12,00,C,02.2,2006,2006/02/30 - 12:00")), 1,
             QStringList(), "This ID have no Glucose data !! Please read from Meter!!"},
            {"no folder for the file", ann.mid(0, 5) << "DIR/missing/out.pdf", file, 1, QStringList(),
             "missing/out.pdf"},
        });
    }

    void writeFile()
    {
        const WriteCase &c = Rows::current<WriteCase>();
        const QStringList &shown = c.shown;
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"), crlf(kRegistry));
        folder.write(QStringLiteral("ann.txt"), c.readings);
        folder.write(QStringLiteral("bob.txt"), c.readings);
        const QString out = c.arguments.contains(u"--export-csv") ? QStringLiteral("out.csv")
                                                                  : QStringLiteral("out.pdf");
        folder.write(out, "old");
        QStringList arguments = c.arguments;
        arguments.replaceInStrings(QStringLiteral("FILE"), folder.file(out));
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^DIR")), folder.path());
        // No display either way: the program finds its screenless platform itself.
        const auto [exitCode, errors] = runProgram(
            QStringLiteral(DEXTREL_PROGRAM),
            QStringList{"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM=", "--data-dir", folder.path()} + arguments);
        QCOMPARE(exitCode, c.code);
        QVERIFY2(errors.contains(QDir::toNativeSeparators(c.error)), qPrintable(errors));
        if (shown.isEmpty() || out.endsWith(u".csv")) {
            QCOMPARE(folder.read(out), shown.isEmpty() ? QByteArray("old") : (shown.join("\r\n") + "\r\n").toUtf8());
            return;
        }
#ifdef Q_OS_WIN
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
            QVERIFY(folder.read(out).startsWith("%PDF-"));
            QSKIP("No PDF reader (poppler-utils) here: the page's texts are read by the Linux tests.");
        }
#endif
        const auto [pages, text, faults] = readPdf(folder.file(out));
        QCOMPARE(pages, 1);
        QCOMPARE(faults, QString());
        QStringList missing;
        for (const QString &part : shown) {
            if (!text.contains(part))
                missing << part;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'|') + u'\n' + text));
    }

    // An export never lands on a file of the program, however the path is spelt:
    // it is refused with a message naming the file, and the data folder stays
    // byte for byte as it was. DIR is the data folder; ELSE a folder holding a
    // link to it ("data") and a second hard link to the user list ("list.csv").
    void exportOverOwnFiles_data()
    {
        Rows::add<OwnFileCase>({
            {"user list", "--export-csv", "DIR/DXRegister.txt", "the user list DIR/DXRegister.txt"},
            {"user list, PDF, ./", "--report-pdf", "DIR/./DXRegister.txt", "the user list DIR/DXRegister.txt"},
            {"user list, hard link", "--export-csv", "ELSE/list.csv", "the user list DIR/DXRegister.txt"},
            // The window adds ".csv" to a name without it, so it is shown the hard link.
            {"user list, window", "window", "ELSE/list.csv", "the user list DIR/DXRegister.txt"},
            {"reading file, linked folder", "--export-csv", "ELSE/data/ann.txt", "the reading file DIR/ann.txt"},
            {"other user's, PDF, ..", "--report-pdf", "DIR/logs/../bob.txt", "the reading file DIR/bob.txt"},
            {"reading file not made yet", "--export-csv", "DIR/carl.txt", "the reading file DIR/carl.txt"},
            {"kept copy", "--export-csv", "DIR/ann.txt.bak", "the kept copy DIR/ann.txt.bak"},
            {"download log", "--report-pdf", "DIR/logs/ann-20261206-101010.log",
             "the download log DIR/logs/ann-20261206-101010.log"},
            {"lock", "--export-csv", "DIR/dextrel.lock", "the lock file DIR/dextrel.lock"},
            {"settings file", "--export-csv", "DIR/dextrel.ini", "the settings file DIR/dextrel.ini"},
            // Every file written on request, the state and the picture of a scripted run too.
            {"user list, dump", "--dump", "DIR/DXRegister.txt", "the user list DIR/DXRegister.txt"},
            {"settings file, picture", "--screenshot", "DIR/dextrel.ini", "the settings file DIR/dextrel.ini"},
        });
    }
    void exportOverOwnFiles()
    {
        const auto &[name, how, typed, own] = Rows::current<OwnFileCase>();
        ScratchFolder folder, elsewhere;
        folder.write(QStringLiteral("DXRegister.txt"), crlf(kRegistry + QList<QByteArray>{"carl*,pw*,1,1,1,1,1,1,1"}));
        folder.write(QStringLiteral("ann.txt"), crlf(QList<QByteArray>{kHeader} + kReadings));
        folder.write(QStringLiteral("bob.txt"), crlf(QList<QByteArray>{kHeader} + kReadings));
        folder.write(QStringLiteral("ann.txt.bak"), crlf({kHeader}));
        folder.write(QStringLiteral("dextrel.ini"), crlf({"[SerialDevices]", "ann/1=/dev/ttyUSB0"}));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("logs")));
        folder.write(QStringLiteral("logs/ann-20261206-101010.log"), "log");
        if (!makeSymbolicLink(folder.path(), elsewhere.file(QStringLiteral("data"))) && typed.contains("ELSE/data"))
            QSKIP("This system makes no symbolic links.");
        QVERIFY(
            makeHardLink(folder.file(QStringLiteral("DXRegister.txt")), elsewhere.file(QStringLiteral("list.csv"))));
        const QMap<QString, QByteArray> before = folderContents(folder.path());
        const auto spelt = [&](QString text) {
            return text.replace(QStringLiteral("DIR"), folder.path()).replace(QStringLiteral("ELSE"), elsewhere.path());
        };
        const QString target = spelt(typed);
        QStringList arguments{how, target};
        if (how == "window") {
            arguments = QStringList{"--click",           "mnuExport", "--set",
                                    "txtFile=" + target, "--dump",    elsewhere.file(QStringLiteral("state.json"))};
        } else if (how == "--dump") {
            arguments = QStringList{"--page", "datalist"} + arguments;
        }
        const auto [exitCode, errors] = runProgram(
            QStringLiteral(DEXTREL_PROGRAM),
            QStringList{"--data-dir", folder.path(), "--user", "ann", "--password", "pw"} + arguments);
        // The window's run itself ends well; its message box is on standard error, after its title.
        QCOMPARE(std::pair(exitCode, errors.trimmed().split(u'\n').last().remove(QRegularExpression("^Qel: "))),
                 std::pair(how == "window" ? 0 : 1, "Cannot write " + QDir::toNativeSeparators(target) + ": it is "
                                                        + QDir::toNativeSeparators(spelt(own))
                                                        + ", one of the program's own files. Choose another file."));
        QCOMPARE(folderContents(folder.path()), before);
    }
};

QTEST_GUILESS_MAIN(ReportFilesTest)
#include "tst_report_files.moc"
