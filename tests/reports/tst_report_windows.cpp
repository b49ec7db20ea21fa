// The report windows as a logged-in user reaches them: the frame worked in
// process by the steps of a scripted start, then once the real program. The
// reports' figures are pinned by tst_reports and tst_insights; here each window
// is checked once for how it is reached, its unit and date format, its own
// texts and its answer to a user without readings.

#include "app/AppState.h"
#include "app/ui/ControlScript.h"
#include "app/ui/StateDump.h"
#include "app/ui/frmMain.h"
#include "common/MessageRecorder.h"
#include "common/ProgramRun.h"
#include "common/Readings.h"
#include "common/TestData.h"
#include "reports/ui/LineGraphWindow.h"
#include "reports/ui/chart/ChartView.h"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
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

// For the line graphs, in table order: three readings marked PC with an
// unmarked one between them.
const QList<Reading> kFour{{3, 3, 8, 10, 100, 2006, EventMark::PC},
                           {3, 5, 9, 0, 200, 2006},
                           {3, 20, 8, 59, 151, 2006, EventMark::PC},
                           {4, 2, 12, 0, 90, 2006, EventMark::PC}};

QByteArray fileOf(const QList<QByteArray> &lines)
{
    return crlf(QList<QByteArray>{kHeader} + lines);
}

QByteArray fileOf(const QList<Reading> &readings)
{
    return ReadingFile::format(table(readings));
}

// 151 readings, one a day from 1 January 2006, of 101, 102, ... 251 mg/dL.
QList<Reading> paged()
{
    QList<Reading> out;
    for (int i = 1; i <= 151; ++i) {
        const QDate d = QDate(2006, 1, 1).addDays(i - 1);
        out << Reading{d.month(), d.day(), 7, 30, 100 + i, d.year()};
    }
    return out;
}

// A user named after unit and date format ("mmoldmy": mmol/L, day/month/year),
// limits 180 and 72 mg/dL (10.0 and 4.0 mmol/L).
UserSettings userNamed(const QString &id)
{
    return {id, 1, id.startsWith(u"mmol") ? 2 : 1, id.endsWith(u"dmy") ? 2 : 1, 180, 72, 120, 80};
}

// A list as "a|b", a row or a point as "x,y", an axis as "min..max".
QString flat(const QJsonValue &v, QChar separator = u'|')
{
    if (v.isArray()) {
        QStringList parts;
        for (const QJsonValue e : v.toArray())
            parts << flat(e, u',');
        return parts.join(separator);
    }
    if (v.isObject())
        return flat(v[u"min"]) + QStringLiteral("..") + flat(v[u"max"]);
    return v.isUndefined() ? QStringLiteral("<none>") : v.toVariant().toString();
}

// The screen as "name=value" texts, for the names asked: "messages" (each
// "title: first line"), "window" (the front one's "objectName: title"),
// "windows" (all of them, front first), a control of the front window (its
// text) or "control.property", where a chart's series goes by its name; and
// "file:NAME", a file of the folder.
QStringList describe(const QJsonObject &screen, const QStringList &wanted, const ScratchFolder &folder)
{
    QStringList messages, windows;
    for (const QJsonValue m : screen[u"messages"].toArray())
        messages << m[u"title"].toString() + QStringLiteral(": ") + m[u"text"].toString().section(u'\n', 0, 0);
    for (const QJsonValue w : screen[u"windows"].toArray())
        windows << w[u"objectName"].toString() + QStringLiteral(": ") + w[u"title"].toString();
    const QJsonObject controls = screen[u"windows"][0][u"controls"].toObject();
    QStringList out;
    for (const QString &w : wanted) {
        const QString name = w.section(u'=', 0, 0);
        const QString control = name.section(u'.', 0, 0), property = name.section(u'.', 1);
        QString value;
        if (name == u"messages" || name == u"windows")
            value = (name == u"messages" ? messages : windows).join(QStringLiteral(" | "));
        else if (name == u"window")
            value = windows.value(0);
        else if (name.startsWith(u"file:"))
            value = QString::fromUtf8(folder.read(name.mid(5)));
        else if (property.isEmpty())
            value = flat(controls[control][u"text"]);
        else if (controls[control][property].isUndefined()) {
            value = QStringLiteral("<none>");
            for (const QJsonValue s : controls[control][u"series"].toArray())
                if (s[u"name"] == property)
                    value = flat(s[u"points"]);
        } else {
            value = flat(controls[control][property]);
        }
        out << name + u'=' + value;
    }
    return out;
}

} // namespace

class ReportWindowsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The download page's port, certainly not there.
        qputenv("DEXTREL_COM1", "/nonexistent/tty");
    }

    // The user logged in with the file of readings; the steps as the command
    // line gives them ("--page", "--click", "--set"), then the screen.
    void screen_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected"); // name=value, see describe()
        const QByteArray readings = fileOf(kReadings), none = fileOf({kTemplateRow}), four = fileOf(kFour);
        const QString noData = QStringLiteral("messages=Qel: This ID have no Glucose data !! Please read from Meter!!");
        const QString noPort = QStringLiteral("messages=Qel: RS232 Setting Error !");
        const QStringList menu{"--page", "menu", "--click"};

        QTest::newRow("data list mg/dL, frame")
            << "mgymd" << readings << QStringList{"--click", "mnuReport1"}
            << QStringList{
                   "messages=", "window=frmR01: Data List",
                   "DBGrid1.headers=Test_No|Glucose_mg/dL|Month|Day|Hour|Minute|Event|Glucose_mmol/L|Year|Date & Time",
                   "DBGrid1.rows=" + kReadings.join(u'|')};
        QTest::newRow("data list mg/dL, no readings")
            << "mgdmy" << none << QStringList{"--click", "mnuReport1"}
            << QStringList{"messages=", "window=frmR01: Data List", "DBGrid1.rows="};
        QTest::newRow("data list mmol/L, menu page, no readings: the file's line")
            << "mmoldmy" << none << menu + QStringList{"Picture1"}
            << QStringList{
                   noData, "window=frmR01unit: Data List",
                   "DBGrid1.headers=Test_No|Glucose|Month|Day|Hour|Minute|Event|Glucose_mmol/L|Year|Date & Time",
                   "DBGrid1.rows=" + kTemplateRow};

        QTest::newRow("histogram mmol/L, day/month/year, menu page")
            << "mmoldmy" << readings << menu + QStringList{"Picture4"}
            << QStringList{"messages=",         "window=frmR05: Histogram", "Label15=5/3/2006 ~ 20/4/2006",
                           "Label2=4",          "Label11=mmol/L",           "Text2=Glucose mmol/L",
                           "Text2.visible=true"};
        QTest::newRow("histogram, no readings")
            << "mmolymd" << none << QStringList{"--click", "mnuReport4"}
            << QStringList{noData, "Label2=- -", "Label12=- - -", "Label15=- - - -/ - - / - - ~ - - - - / - - / - -"};

        // The standard day lists the days at load; a day chosen (07:05 is minute 425).
        QTest::newRow("standard day at load")
            << "mgymd" << readings << QStringList{"--click", "mnuReport2"}
            << QStringList{"messages=",
                           "window=frmR04: Standard Day",
                           "Combo4.items=2006/3/5|2006/3/6|2006/4/20",
                           "Combo4=Search",
                           "Combo4.enabled=true",
                           "Label18=- -",
                           "Text7=mg/dL",
                           "Text3=12A 1 2 3 4 5 6 7 8 9 10 11 12P 1 2 3 4 5 6 7 8 9 10 11 12A"};
        QTest::newRow("standard day, day/month/year, a day chosen")
            << "mgdmy" << fileOf(QList{kHour24} + kReadings)
            << QStringList{"--click", "mnuReport2", "--set", "Combo4=5/3/2006"}
            << QStringList{"Combo4.items=5/3/2006|6/3/2006|20/4/2006|5/3/2006", "Label18=3",
                           "MSChart1.Glucose=425,123|1170,180", "MSChart1.Max=0,180|1440,180",
                           "MSChart1.Min=0,72|1440,72"};
        QTest::newRow("standard day mmol/L, no readings")
            << "mmoldmy" << none << QStringList{"--click", "mnuReport2"}
            << QStringList{noData, "Combo4.items=0/0/0", "Combo4.enabled=false", "Label12=- - -", "Text7=mmol/L"};

        // The summary and the overlay day: at first the last 14 days with
        // readings (here all four), or the range set.
        QTest::newRow("summary, day/month/year, a range set")
            << "mgdmy" << readings << QStringList{"--click", "mnuSummary", "--set", "DTPicker1=6/3/2006"}
            << QStringList{"messages=",
                           "window=SummaryWindow: Summary",
                           "DTPicker1=6/3/2006",
                           "DTPicker2=20/4/2006",
                           "SummaryReadings=2",
                           "SummaryCV=61.2 %",
                           "SummaryGMI=–",
                           "SummaryBelow54Met=✓ met",
                           "SummaryInRangeMet=✗ not met"};
        QTest::newRow("summary, no readings")
            << "mgymd" << none << QStringList{"--page", "summary"}
            << QStringList{noData, "DTPicker1.enabled=false", "DTPicker2.enabled=false", "SummaryReadings=- -"};
        QTest::newRow("overlay day mmol/L")
            << "mmolymd" << readings << QStringList{"--page", "overlayday", "--set", "DTPicker1=2006/3/6"}
            << QStringList{"messages=",
                           "window=OverlayDayWindow: Overlay Day",
                           "MSChart1.Readings=8,5.5|19.5,13.9",
                           "MSChart1.Median=",
                           "MSChart1.Max=0,10|24,10",
                           "MSChart1.Min=0,4|24,4",
                           "MSChart1.3.9=0,3.888888888888889|24,3.888888888888889"};

        // The Main menu's windows write the range of their pickers; Enter after
        // the file name exports, and the doctor's report adds its extension.
        QTest::newRow("export readings")
            << "mgymd" << readings
            << QStringList{"--click", "mnuExport", "--set", "DTPicker1=2006/3/6", "--set", "txtFile=DIR/out.csv"}
            << QStringList{"messages=Qel: 2 readings written to DIR/out.csv",
                           "file:out.csv=date,time,glucose_mg_dl,glucose_mmol_l,meal,valid_date\r\n"
                           "2006-03-06,08:00,99,5.5,PC,1\r\n2006-04-20,19:30,250,13.9,C,1\r\n"};
        QTest::newRow("report for the doctor")
            << "mgymd" << readings
            << QStringList{"--click", "mnuDoctorReport", "--set", "DTPicker1=2006/3/6", "--set", "txtFile=DIR/out"}
            << QStringList{"messages=Qel: Report of 2 readings written to DIR/out.pdf"};

        // The line graphs: each form from where it is opened, with the texts
        // it sets itself and the controls that choose.
        QTest::newRow("line graph mmol/L, day/month, frame")
            << "mmoldmy" << four << QStringList{"--click", "mnuReport5"}
            << QStringList{"window=frmR02unit: Line Graph",
                           "DTPicker1=3/3/2006",
                           "DTPicker2=2/4/2006",
                           "Label2=4",
                           "Label6=mmol/L",
                           "Text7=mmol/L",
                           "LOW=Low--",
                           "X1=3/3",
                           "X2=5/3",
                           "X3=20/3",
                           "X4=2/4",
                           "X5=",
                           "HScroll1.visible=false",
                           "MSChart1.Readings=1,5.6|2,11.1|3,8.4|4,5",
                           "MSChart1.Max=0.5,10|25.5,10",
                           "MSChart1.Min=0.5,4|25.5,4",
                           "MSChart1.axes=0.5..25.5|0..35"};
        QTest::newRow("line graph, hours and dates set, download page")
            << "mgymd" << four
            << QStringList{"--page", "download",  "--click", "CmdReportAC", "--set", "DTPicker1=2006/3/5",
                           "--set",  "ComboLO=8", "--set",   "ComboHI=8"}
            << QStringList{noPort,    "window=frmR02: Line Graph", "Label2=1",
                           "LOW=Low", "MSChart1.Readings=1,151",   "X1=3/20",
                           "X2="};
        QTest::newRow("PC line graph, download page")
            << "mgymd" << four << QStringList{"--page", "download", "--click", "CmdReportPC"}
            << QStringList{noPort,
                           "window=frmR02p: Line Graph",
                           "Label4=PC Datas covered :",
                           "Label2=3",
                           "X1=3/3",
                           "X2=3/20",
                           "X3=4/2",
                           "MSChart1.Readings=1,100|2,151|3,90",
                           "ComboLO=<none>",
                           "LabelError=<none>"};
        QTest::newRow("PC line graph mmol/L, date range error")
            << "mmoldmy" << four
            << QStringList{"--page", "download", "--click", "CmdReportPC", "--set", "DTPicker1=5/4/2006"}
            << QStringList{noPort + QStringLiteral(" | Qel: There's an error in your range of data !"),
                           "window=frmR02unitp: Line Graph", "DTPicker1=3/3/2006", "DTPicker2=2/4/2006", "Label2=3"};
        QTest::newRow("line graph, no readings") << "mgymd" << none << QStringList{"--click", "mnuReport5"}
                                                 << QStringList{"messages=",
                                                                "LabelError=No data !",
                                                                "DTPicker1.enabled=false",
                                                                "DTPicker2.enabled=false",
                                                                "Label2=- -",
                                                                "Label12=- - -",
                                                                "MSChart1.Readings=1,0",
                                                                "X1=",
                                                                "MSChart1.axes=0.5..25.5|0..600"};
    }
    void screen()
    {
        QFETCH(QString, user);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        ScratchFolder folder;
        steps.replaceInStrings(QStringLiteral("DIR"), folder.path());
        expected.replaceInStrings(QStringLiteral("DIR"), folder.path());
        MessageRecorder messages;
        AppState state;
        state.dataDir = folder.path();
        state.user = userNamed(user);
        state.store.setContent(file);
        frmMain frame(state);
        frame.show();
        for (qsizetype i = 0; i + 1 < steps.size(); i += 2) {
            const QString &step = steps[i], &name = steps[i + 1];
            if (step == u"--page")
                QVERIFY(frame.open(*PageCommands::fromName(name)));
            else
                QCOMPARE(ControlScript::apply({step == u"--set" ? ScriptStep::Kind::Set : ScriptStep::Kind::Click,
                                               name.section(u'=', 0, 0), name.section(u'=', 1)},
                                              dateFormat(state.user.dateFormat)),
                         QString());
            // What a step opens is shown, and what it closes gone, before the next.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(describe(StateDump::screen(messages.messages()), expected, folder), expected);
    }

    // The real program: report after report replaces the one before, each
    // without a message, and the frame's caption names the last.
    void inTheProgram()
    {
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"),
                     crlf({"ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp", "mgdmy*,pw*,1,1,2,180,72,120,80"}));
        folder.write(QStringLiteral("mgdmy.txt"), fileOf(kReadings));
        const auto [code, errors] = runProgram(QStringLiteral(DEXTREL_PROGRAM),
                                               {"--data-dir", folder.path(),
                                                "--user",     "mgdmy",
                                                "--password", "pw",
                                                "--dump",     folder.file(QStringLiteral("state.json")),
                                                "--page",     "menu",
                                                "--click",    "Picture1",
                                                "--click",    "mnuReport4",
                                                "--click",    "mnuSummary",
                                                "--click",    "mnuOverlayDay",
                                                "--click",    "mnuReport5",
                                                "--click",    "mnuReport2",
                                                "--set",      "Combo4=5/3/2006"});
        QVERIFY2(code == 0, qPrintable(errors));
        const QStringList expected{
            "messages=", "windows=frmR04: Standard Day | frmMain: Dextrel Management Software v1.2 - [Standard Day]",
            "Label18=2"};
        QCOMPARE(
            describe(QJsonDocument::fromJson(folder.read(QStringLiteral("state.json"))).object(), expected, folder),
            expected);
    }

    // The pointer over the chart: the details box names the reading drawn under
    // it, the marker sits over it, and the box opens towards the chart's middle.
    // The paged graph is scrolled back to its first page.
    void pointer_data()
    {
        QTest::addColumn<bool>("paged");
        QTest::addColumn<int>("position");    // page position under the pointer
        QTest::addColumn<QString>("details"); // empty: the box is hidden
        QTest::newRow("first reading, box to the right") << false << 1 << "2006/3/3 8:10  100mg/dL";
        QTest::newRow("empty position") << false << 10 << "";
        QTest::newRow("scrolled, right half") << true << 140 << "2006/5/20 7:30  240mg/dL";
    }
    void pointer()
    {
        QFETCH(bool, paged);
        QFETCH(int, position);
        QFETCH(QString, details);
        ReadingStore store;
        store.setContent(fileOf(paged ? ::paged() : kFour));
        const UserSettings user = userNamed(QStringLiteral("mgymd"));
        LineGraphWindow window({user, store, QString()}, LineGraphWindow::Form::R02);
        window.resize(1000, 620);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.pageScroll->setValue(0);

        const Chart::Series &readings = window.chart->model().series.constFirst();
        // On the reading drawn at that position, or mid-plot over an empty one.
        const QPoint pointer = window.chart
                                   ->position(details.isEmpty() ? QPointF(position, 300)
                                                                : readings.points.at(position - 1))
                                   .toPoint();
        QTest::mouseMove(window.chart, pointer);

        // On a real screen the pointer's move arrives as the system sends it.
        QTRY_COMPARE(window.details->isVisibleTo(&window), !details.isEmpty());
        QCOMPARE(window.marker->text(), details.isEmpty() ? QString() : QStringLiteral(" Y"));
        if (details.isEmpty())
            return;
        QTRY_COMPARE(window.details->text(), details);
        const QRect marker = window.marker->geometry();
        QVERIFY2(qAbs(marker.center().x() - pointer.x()) <= 1, "marker over the point");
        const QRect box = window.details->geometry();
        QVERIFY2(qAbs((paged ? box.right() + 1 : box.left()) - pointer.x()) <= 1, "box beside the point");
        QVERIFY(box.top() > pointer.y());
    }

    // An hour counts when committed with Enter, not at each keystroke ("12"
    // passes through "1"); the boxes then show what the chart covers. A range
    // error shows at once and is cleared a second later from the event loop,
    // so closing the page meanwhile is safe.
    void hourCommit_data()
    {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QStringList>("shown"); // LabelError, ComboLO, ComboHI, Label2
        QTest::addColumn<bool>("leave");        // the upper hour counts on leaving its box, not on Enter
        QTest::newRow("two-digit upper hour") << "8"
                                              << "12" << QStringList{"", "8", "12", "4"} << false;
        QTest::newRow("upper below lower") << "10"
                                           << "9" << QStringList{"Range of date Error!", "0", "9", "3"} << false;
        QTest::newRow("upper hour left by Tab") << "8"
                                                << "9" << QStringList{"", "8", "9", "3"} << true;
    }
    void hourCommit()
    {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QFETCH(QStringList, shown);
        QFETCH(bool, leave);
        ReadingStore store;
        store.setContent(fileOf(kFour));
        const UserSettings user = userNamed(QStringLiteral("mgymd"));
        auto *window = new LineGraphWindow({user, store, QString()}, LineGraphWindow::Form::R02);
        window->show();
        const auto type = [](QComboBox *box, const QString &hour) {
            box->lineEdit()->selectAll();
            QTest::keyClicks(box, hour);
        };
        const auto seen = [window] {
            return QStringList{window->LabelError->text(), window->fromHour->currentText(),
                               window->toHour->currentText(), window->readingsCovered->text()};
        };
        type(window->fromHour, lower);
        QTest::keyClick(window->fromHour, Qt::Key_Return);
        const QStringList committed = seen();
        type(window->toHour, upper);
        QCOMPARE(seen(), QStringList(committed.mid(0, 2)) << upper << committed.last());
        if (leave) {
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QCoreApplication::sendEvent(window->toHour->lineEdit(), &out);
        } else {
            QTest::keyClick(window->toHour, Qt::Key_Return);
        }
        QCOMPARE(seen(), shown);
        const QPointer<QLabel> label(window->LabelError);
        window->deleteLater();
        // The pending wait ran while the events were processed, and ended
        // without its label.
        QTRY_VERIFY(label.isNull());
    }
};

QTEST_MAIN(ReportWindowsTest)
#include "tst_report_windows.moc"
