// The readings as CSV: written by the real program without windows, and from
// the Main menu's Export Readings window.

#include "common/ProgramRun.h"
#include "common/TestData.h"

#include <QRegularExpression>
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
const QByteArray kCsvHeader = "date,time,glucose_mg_dl,glucose_mmol_l,meal,valid_date";

} // namespace

class ReportFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportCsv_data()
    {
        QTest::addColumn<QStringList>("arguments");   // after the login; FILE stands for the target
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("csv");          // the file written; empty: none
        QTest::addColumn<QString>("error");           // part of standard error
        QTest::newRow("every reading, oldest first")
            << QStringList{"--export-csv", "FILE"} << 0
            << crlf({kCsvHeader, "2006-02-30,12:00,40,2.2,C,0", "2006-03-05,07:05,123,6.8,C,1",
                     "2006-03-06,08:00,99,5.5,PC,1", "2006-04-20,19:30,250,13.9,C,1"}) << "";
        QTest::newRow("a period") << QStringList{"--export-csv", "FILE", "--from", "2006-03-06", "--to", "2006-04-19"}
                                  << 0 << crlf({kCsvHeader, "2006-03-06,08:00,99,5.5,PC,1"}) << "";
        QTest::newRow("an open start") << QStringList{"--export-csv", "FILE", "--to", "2006-03-05"}
                                       << 0 << crlf({kCsvHeader, "2006-03-05,07:05,123,6.8,C,1"}) << "";
        QTest::newRow("not a date") << QStringList{"--export-csv", "FILE", "--from", "2006-02-30"} << 2 << QByteArray()
                                    << "--from and --to need a calendar date as yyyy-mm-dd.";
        QTest::newRow("a folder in the way") << QStringList{"--export-csv", "."} << 1 << QByteArray() << "";
    }
    void exportCsv()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QByteArray, csv);
        QFETCH(QString, error);
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"),
                     crlf({"ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp", "ann*,pw*,1,2,1,180,72,120,80"}));
        folder.write(QStringLiteral("ann.txt"), crlf(QList<QByteArray>{kHeader} + kReadings));
        arguments.replaceInStrings(QStringLiteral("FILE"), folder.file(QStringLiteral("out.csv")));
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^\\.$")), folder.path());
        const auto [exitCode, errors] = runProgram(
            QStringLiteral(DEXTREL_PROGRAM),
            QStringList{"--data-dir", folder.path(), "--user", "ann", "--password", "pw"} + arguments);
        QCOMPARE(exitCode, code);
        QVERIFY2(errors.contains(error), qPrintable(errors));
        QCOMPARE(folder.exists(QStringLiteral("out.csv")) ? folder.read(QStringLiteral("out.csv")) : QByteArray(), csv);
    }

    // The window exports the range of its pickers, at first the last 14 days with readings.
    void exportFromMenu()
    {
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"),
                     crlf({"ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp", "ann*,pw*,1,1,1,180,72,120,80"}));
        folder.write(QStringLiteral("ann.txt"), crlf(QList<QByteArray>{kHeader} + kReadings));
        const QString target = folder.file(QStringLiteral("out.csv"));
        const auto [code, errors] = runProgram(
            QStringLiteral(DEXTREL_PROGRAM),
            {"--data-dir", folder.path(), "--user", "ann", "--password", "pw", "--click", "mnuExport", "--set",
             "DTPicker1=2006/3/6", "--set", "txtFile=" + target, "--click", "cmdExport", "--dump",
             folder.file(QStringLiteral("state.json"))});
        QVERIFY2(code == 0, qPrintable(errors));
        QCOMPARE(folder.read(QStringLiteral("out.csv")),
                 crlf({kCsvHeader, "2006-03-06,08:00,99,5.5,PC,1", "2006-04-20,19:30,250,13.9,C,1"}));
        QVERIFY2(errors.contains("2 readings written to " + target), qPrintable(errors));
    }
};

QTEST_GUILESS_MAIN(ReportFilesTest)
#include "tst_report_files.moc"
