// The report windows end to end: the real program logs in, opens a report from
// the frame's menu or from the menu page, and describes the screen in a dump.

#include "common/ProgramRun.h"
#include "common/TestData.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

const QByteArray kHeader = "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time";
const QByteArray kTemplateRow = "T0000,00000,00,00,00,00,0000,00000,0000,000000000000000000";
// Newest first, as downloads write them: entry 1 of the table is the last line.
const QList<QByteArray> kReadings{
    "T0001,00250,04,20,19,30,C,13.9,2006,2006/04/20 - 19:30",
    "T0002,00099,03,06,08,00,PC,05.5,2006,2006/03/06 - 08:00",
    "T0003,00180,03,05,19,30,C,10.0,2006,2006/03/05 - 19:30",
    "T0004,00123,03,05,07,05,C,06.8,2006,2006/03/05 - 07:05",
};
// The meter's hour 24: counted on its day, with no place on the chart.
const QByteArray kHour24 = "T0000,00200,03,05,24,10,C,11.1,2006,2006/03/05 - 24:10";

// Users by unit and date format; limits 180 and 72 (10.0 and 4.0 mmol/L).
const QList<QByteArray> kRegistry{
    "ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp",
    "mgymd*,pw*,1,1,1,180,72,120,80",
    "mgdmy*,pw*,1,1,2,180,72,120,80",
    "mmolymd*,pw*,1,2,1,180,72,120,80",
    "mmoldmy*,pw*,1,2,2,180,72,120,80",
};

QJsonObject json(const char *text)
{
    return QJsonDocument::fromJson(text).object();
}

// The dump keeps only what a row names: for each control, the named properties.
QJsonObject shownPart(const QJsonObject &controls, const QJsonObject &wanted)
{
    QJsonObject out;
    for (auto c = wanted.begin(); c != wanted.end(); ++c) {
        const QJsonObject control = controls.value(c.key()).toObject();
        QJsonObject part;
        for (const QString &property : c.value().toObject().keys())
            part.insert(property, control.value(property));
        out.insert(c.key(), part);
    }
    return out;
}

QJsonArray fileRows(const QList<QByteArray> &lines)
{
    QJsonArray rows;
    for (const QByteArray &line : lines)
        rows << QJsonArray::fromStringList(QString::fromLatin1(line).split(u','));
    return rows;
}

} // namespace

class ReportWindowsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opens_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QList<QByteArray>>("lines");  // data lines of the user's file
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("window");           // front page: objectName
        QTest::addColumn<QString>("message");          // the run's one message, or none
        QTest::addColumn<QJsonObject>("controls");     // the properties to compare

        const QList<QByteArray> none{kTemplateRow};
        const QStringList fromFrame1{"--click", "mnuReport1"}, fromMenu1{"--page", "menu", "--click", "Picture1"};
        const QString noData = QStringLiteral("This ID have no Glucose data !! Please read from Meter!!");

        // Data list: the rows are the file's data lines (added by the test).
        QTest::newRow("data list mg/dL, frame") << "mgymd" << kReadings << fromFrame1 << "frmR01" << "" << json(R"(
            {"DBGrid1": {"headers": ["Test_No", "Glucose_mg/dL", "Month", "Day", "Hour", "Minute", "Event",
                                     "Glucose_mmol/L", "Year", "Date & Time"]}})");
        QTest::newRow("data list mmol/L, menu page") << "mmoldmy" << kReadings << fromMenu1 << "frmR01unit" << ""
                                                     << json(R"({"DBGrid1": {"headers": ["Test_No", "Glucose",
            "Month", "Day", "Hour", "Minute", "Event", "Glucose_mmol/L", "Year", "Date & Time"]}})");
        QTest::newRow("data list mg/dL, no readings") << "mgdmy" << none << fromMenu1 << "frmR01" << ""
                                                      << json(R"({"DBGrid1": {"rows": []}})");
        QTest::newRow("data list mmol/L, no readings") << "mmolymd" << none << fromFrame1 << "frmR01unit" << noData
                                                       << QJsonObject();

        // The other reports: how each is reached, in which unit and date format,
        // and the texts the window itself sets (the numbers are the reports' own).
        QTest::newRow("histogram mmol/L d/m/y, menu page")
            << "mmoldmy" << kReadings << QStringList{"--page", "menu", "--click", "Picture4"} << "frmR05" << ""
            << json(R"(
            {"Label15": {"text": "5/3/2006 ~ 20/4/2006"}, "Label2": {"text": "4"}, "Label11": {"text": "mmol/L"},
             "Text2": {"text": "Glucose mmol/L", "visible": true}})");
        QTest::newRow("histogram, no readings")
            << "mmolymd" << none << QStringList{"--click", "mnuReport4"} << "frmR05" << noData << json(R"(
            {"Label2": {"text": "- -"}, "Label12": {"text": "- - -"}, "Label15": {"text": "- - - -/ - - / - - ~ - - - - / - - / - -"}})");

        // Standard day: the list at load, then a chosen day (07:05 is minute 425).
        QTest::newRow("standard day at load, frame")
            << "mgymd" << kReadings << QStringList{"--click", "mnuReport2"} << "frmR04" << "" << json(R"(
            {"Combo4": {"items": ["2006/3/5", "2006/3/6", "2006/4/20"], "text": "Search", "enabled": true},
             "Label18": {"text": "- -"}, "Text7": {"text": "mg/dL"},
             "Text3": {"text": "12A 1 2 3 4 5 6 7 8 9 10 11 12P 1 2 3 4 5 6 7 8 9 10 11 12A"}})");
        QTest::newRow("standard day mg/dL d/m/y, a day chosen")
            << "mgdmy" << (QList<QByteArray>{kHour24} + kReadings)
            << QStringList{"--click", "mnuReport2", "--set", "Combo4=5/3/2006"} << "frmR04" << "" << json(R"(
            {"Combo4": {"items": ["5/3/2006", "6/3/2006", "20/4/2006", "5/3/2006"]}, "Label18": {"text": "3"},
             "MSChart1": {"series": [{"name": "Glucose", "points": [[425, 123], [1170, 180]]},
                                     {"name": "Max", "points": [[0, 180], [1440, 180]]},
                                     {"name": "Min", "points": [[0, 72], [1440, 72]]}]}})");
        QTest::newRow("standard day, no readings")
            << "mmoldmy" << none << QStringList{"--click", "mnuReport2"} << "frmR04" << noData << json(R"(
            {"Combo4": {"items": ["0/0/0"], "enabled": false}, "Label12": {"text": "- - -"}})");

        // The summary and the overlay day: at first the last 14 days with readings
        // (here all four), or the range set.
        QTest::newRow("summary mg/dL, frame, a range set")
            << "mgymd" << kReadings << QStringList{"--click", "mnuSummary", "--set", "DTPicker1=2006/3/6"}
            << "SummaryWindow" << "" << json(R"(
            {"DTPicker1": {"text": "2006/3/6"}, "DTPicker2": {"text": "2006/4/20"}, "SummaryReadings": {"text": "2"},
             "SummaryCV": {"text": "61.2 %"}, "SummaryGMI": {"text": "–"},
             "SummaryBelow54Met": {"text": "✓ met"}, "SummaryInRangeMet": {"text": "✗ not met"}})");
        QTest::newRow("summary, no readings")
            << "mgymd" << none << QStringList{"--page", "summary"} << "SummaryWindow" << noData << json(R"(
            {"DTPicker1": {"enabled": false}, "SummaryReadings": {"text": "- -"}})");
        QTest::newRow("overlay day mmol/L, scripted page")
            << "mmolymd" << kReadings << QStringList{"--page", "overlayday", "--set", "DTPicker1=2006/3/6"}
            << "OverlayDayWindow" << "" << json(R"(
            {"MSChart1": {"series": [{"name": "Readings", "points": [[8, 5.5], [19.5, 13.9]]},
                                     {"name": "Median", "points": []},
                                     {"name": "Max", "points": [[0, 10], [24, 10]]},
                                     {"name": "Min", "points": [[0, 4], [24, 4]]},
                                     {"name": "3.9", "points": [[0, 3.888888888888889], [24, 3.888888888888889]]},
                                     {"name": "10.0", "points": [[0, 10], [24, 10]]}]}})");
    }
    void opens()
    {
        QFETCH(QString, user);
        QFETCH(QList<QByteArray>, lines);
        QFETCH(QStringList, steps);
        QFETCH(QString, window);
        QFETCH(QString, message);
        QFETCH(QJsonObject, controls);
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"), crlf(kRegistry));
        folder.write(user + QStringLiteral(".txt"), crlf(QList<QByteArray>{kHeader} + lines));
        const auto [code, errors] = runProgram(
            QStringLiteral(DEXTREL_PROGRAM),
            QStringList{"--data-dir", folder.path(), "--user", user, "--password", "pw", "--dump",
                        folder.file(QStringLiteral("state.json"))} + steps);
        QVERIFY2(code == 0, qPrintable(errors));

        const QJsonObject dump = QJsonDocument::fromJson(folder.read(QStringLiteral("state.json"))).object();
        QJsonArray messages;
        if (!message.isEmpty())
            messages << QJsonObject{{"title", "Qel"}, {"text", message}};
        QCOMPARE(dump.value(u"messages").toArray(), messages);
        const QJsonObject front = dump.value(u"windows").toArray().first().toObject();
        QCOMPARE(front.value(u"objectName").toString(), window);
        const QJsonObject shown = front.value(u"controls").toObject();
        QCOMPARE(shownPart(shown, controls), controls);
        if (window.startsWith(QLatin1String("frmR01"))) {
            // Every data line of the file, as written there; the mg/dL list
            // shows none for a user without readings.
            const bool empty = window == QLatin1String("frmR01") && lines == QList<QByteArray>{kTemplateRow};
            QCOMPARE(shown.value(u"DBGrid1")[u"rows"].toArray(), empty ? QJsonArray() : fileRows(lines));
        }
    }

    // The window titles, and each report's page replacing the one before.
    void captions()
    {
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"), crlf(kRegistry));
        folder.write(QStringLiteral("mgymd.txt"), crlf(QList<QByteArray>{kHeader} + kReadings));
        const auto [code, errors] = runProgram(
            QStringLiteral(DEXTREL_PROGRAM),
            {"--data-dir", folder.path(), "--user", "mgymd", "--password", "pw", "--dump",
             folder.file(QStringLiteral("state.json")), "--click", "mnuReport1", "--click", "mnuReport4",
             "--click", "mnuReport2"});
        QVERIFY2(code == 0, qPrintable(errors));
        QStringList titles;
        for (const QJsonValue w : QJsonDocument::fromJson(folder.read(QStringLiteral("state.json")))[u"windows"].toArray())
            titles << w[u"objectName"].toString() + QStringLiteral(": ") + w[u"title"].toString();
        QCOMPARE(titles, (QStringList{"frmR04: Standard Day",
                                      "frmMain: Dextrel Management Software v1.2 - [Standard Day]"}));
    }
};

QTEST_GUILESS_MAIN(ReportWindowsTest)
#include "tst_report_windows.moc"
