// The report windows as a logged-in user reaches them: the frame worked in
// process by the steps of a scripted start. The reports' figures are pinned by
// tst_reports and tst_insights; here each window is checked once for how it is
// reached, its unit and date format, its own texts and its answer to a user
// without readings.

#include "app/AppState.h"
#include "app/ui/ControlScript.h"
#include "app/ui/StateDump.h"
#include "app/ui/frmMain.h"
#include "common/MessageRecorder.h"
#include "common/Readings.h"
#include "common/Rows.h"
#include "common/TestData.h"
#include "reports/ui/LineGraphWindow.h"
#include "reports/ui/chart/ChartView.h"

#include <QComboBox>
#include <QJsonArray>
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
// "title: first line"), "window" (the front one's "objectName: title"), a
// control of the front window (its text) or "control.property", where a chart's
// series goes by its name; and "file:NAME", a file of the folder.
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
        if (name == u"messages")
            value = messages.join(QStringLiteral(" | "));
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

// A user named as userNamed() says, the file of readings, the steps as the
// command line gives them and the screen after them (see describe()).
struct ScreenCase
{
    const char *name;
    QString user;
    QByteArray file;
    QStringList steps, expected;
};

// The pointer over the graph of kFour, or of paged() scrolled back to its
// first page: the page position under it, and the details shown (none: the
// box is hidden).
struct PointerCase
{
    const char *name;
    bool paged;
    int position;
    QString details;
};

// What the line graph's hour boxes show: the range error, the hours, the
// readings covered.
struct HourBoxes
{
    QString error, from, to, covered;
    bool operator==(const HourBoxes &) const = default;
};
ROW_FIELDS(HourBoxes, error, from, to, covered)

// Hours typed into the boxes, the upper one committed by leaving its box
// rather than by Enter, and the boxes after.
struct HourCase
{
    const char *name;
    QString lower, upper;
    bool leave;
    HourBoxes shown;
};

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
        const QByteArray readings = fileOf(kReadings), none = fileOf({kTemplateRow}), four = fileOf(kFour);
        const QString noData = QStringLiteral("messages=Qel: This ID have no Glucose data !! Please "
                                              "read from Meter!!");
        const QString noPort = QStringLiteral("messages=Qel: RS232 Setting Error !");
        using Rows::list;
        const QStringList menu = list("--page", "menu", "--click");
        const QStringList dataList = list("--click", "mnuReport1"), standardDay = list("--click", "mnuReport2");
        const QStringList lineGraph = list("--click", "mnuReport5"),
                          pcLineGraph = list("--page", "download", "--click", "CmdReportPC");
        Rows::add<ScreenCase>({
            {"data list mg/dL, frame", "mgymd", readings, dataList,
             list("messages=", "window=frmR01: Data List",
                  "DBGrid1.headers=Test_No|Glucose_mg/"
                  "dL|Month|Day|Hour|Minute|Event|Glucose_mmol/L|Year|Date & Time",
                  "DBGrid1.rows=" + kReadings.join(u'|'))},
            {"data list mg/dL, no readings", "mgdmy", none, dataList,
             list("messages=", "window=frmR01: Data List", "DBGrid1.rows=")},
            {"data list mmol/L, menu page, no readings: the file's line", "mmoldmy", none, menu + list("Picture1"),
             list(noData, "window=frmR01unit: Data List",
                  "DBGrid1.headers=Test_No|Glucose|Month|Day|Hour|Minute|Event|"
                  "Glucose_mmol/L|Year|Date & Time",
                  "DBGrid1.rows=" + kTemplateRow)},
            {"histogram mmol/L, day/month/year, menu page", "mmoldmy", readings, menu + list("Picture4"),
             list("messages=", "window=frmR05: Histogram", "Label15=5/3/2006 ~ 20/4/2006", "Label2=4", "Label11=mmol/L",
                  "Text2=Glucose mmol/L", "Text2.visible=true")},
            {"histogram, no readings", "mmolymd", none, list("--click", "mnuReport4"),
             list(noData, "Label2=- -", "Label12=- - -", "Label15=- - - -/ - - / - - ~ - - - - / - - / - -")},
            // The standard day lists the days at load; a day chosen (07:05 is
            // minute 425).
            {"standard day at load", "mgymd", readings, standardDay,
             list("messages=", "window=frmR04: Standard Day", "Combo4.items=2006/3/5|2006/3/6|2006/4/20",
                  "Combo4=Search", "Combo4.enabled=true", "Label18=- -", "Text7=mg/dL",
                  "Text3=12A 1 2 3 4 5 6 7 8 9 10 11 12P 1 2 3 4 5 6 7 8 9 10 11 "
                  "12A")},
            {"standard day, day/month/year, a day chosen", "mgdmy", fileOf(QList{kHour24} + kReadings),
             standardDay + list("--set", "Combo4=5/3/2006"),
             list("Combo4.items=5/3/2006|6/3/2006|20/4/2006|5/3/2006", "Label18=3", "MSChart1.Glucose=425,123|1170,180",
                  "MSChart1.Max=0,180|1440,180", "MSChart1.Min=0,72|1440,72")},
            {"standard day mmol/L, no readings", "mmoldmy", none, standardDay,
             list(noData, "Combo4.items=0/0/0", "Combo4.enabled=false", "Label12=- - -", "Text7=mmol/L")},
            // The summary and the overlay day: at first the last 14 days with
            // readings (here all four), or the range set.
            {"summary, day/month/year, a range set", "mgdmy", readings,
             list("--click", "mnuSummary", "--set", "DTPicker1=6/3/2006"),
             list("messages=", "window=SummaryWindow: Summary", "DTPicker1=6/3/2006", "DTPicker2=20/4/2006",
                  "SummaryReadings=2", "SummaryCV=61.2 %", "SummaryGMI=–", "SummaryBelow54Met=✓ met",
                  "SummaryInRangeMet=✗ not met")},
            {"summary, no readings", "mgymd", none, list("--page", "summary"),
             list(noData, "DTPicker1.enabled=false", "DTPicker2.enabled=false", "SummaryReadings=- -")},
            {"overlay day mmol/L", "mmolymd", readings, list("--page", "overlayday", "--set", "DTPicker1=2006/3/6"),
             list("messages=", "window=OverlayDayWindow: Overlay Day", "MSChart1.Readings=8,5.5|19.5,13.9",
                  "MSChart1.Median=", "MSChart1.Max=0,10|24,10", "MSChart1.Min=0,4|24,4",
                  "MSChart1.3.9=0,3.888888888888889|24,3.888888888888889")},
            // The Main menu's windows write the range of their pickers; Enter after
            // the file name exports, and the doctor's report adds its extension.
            {"export readings", "mgymd", readings,
             list("--click", "mnuExport", "--set", "DTPicker1=2006/3/6", "--set", "txtFile=DIR/out.csv"),
             list("messages=Qel: 2 readings written to DIR/out.csv",
                  "file:out.csv=date,time,glucose_mg_dl,glucose_mmol_l,meal,valid_"
                  "date\r\n"
                  "2006-03-06,08:00,99,5.5,PC,1\r\n2006-04-20,19:30,250,13.9,C,"
                  "1\r\n")},
            {"report for the doctor", "mgymd", readings,
             list("--click", "mnuDoctorReport", "--set", "DTPicker1=2006/3/6", "--set", "txtFile=DIR/out"),
             list("messages=Qel: Report of 2 readings written to DIR/out.pdf")},
            // The line graphs: each form from where it is opened, with the texts
            // it sets itself and the controls that choose.
            {"line graph mmol/L, day/month, frame", "mmoldmy", four, lineGraph,
             list("window=frmR02unit: Line Graph", "DTPicker1=3/3/2006", "DTPicker2=2/4/2006", "Label2=4",
                  "Label6=mmol/L", "Text7=mmol/L", "LOW=Low--", "X1=3/3", "X2=5/3", "X3=20/3", "X4=2/4",
                  "X5=", "HScroll1.visible=false", "MSChart1.Readings=1,5.6|2,11.1|3,8.4|4,5",
                  "MSChart1.Max=0.5,10|25.5,10", "MSChart1.Min=0.5,4|25.5,4", "MSChart1.axes=0.5..25.5|0..35")},
            {"line graph, hours and dates set, download page", "mgymd", four,
             list("--page", "download", "--click", "CmdReportAC", "--set", "DTPicker1=2006/3/5", "--set", "ComboLO=8",
                  "--set", "ComboHI=8"),
             list(noPort, "window=frmR02: Line Graph", "Label2=1", "LOW=Low", "MSChart1.Readings=1,151", "X1=3/20",
                  "X2=")},
            {"PC line graph, download page", "mgymd", four, pcLineGraph,
             list(noPort, "window=frmR02p: Line Graph", "Label4=PC Datas covered :", "Label2=3", "X1=3/3", "X2=3/20",
                  "X3=4/2", "MSChart1.Readings=1,100|2,151|3,90", "ComboLO=<none>", "LabelError=<none>")},
            {"PC line graph mmol/L, date range error", "mmoldmy", four,
             pcLineGraph + list("--set", "DTPicker1=5/4/2006"),
             list(noPort + QStringLiteral(" | Qel: There's an error in your range of data !"),
                  "window=frmR02unitp: Line Graph", "DTPicker1=3/3/2006", "DTPicker2=2/4/2006", "Label2=3")},
            {"line graph, no readings", "mgymd", none, lineGraph,
             list("messages=", "LabelError=No data !", "DTPicker1.enabled=false", "DTPicker2.enabled=false",
                  "Label2=- -", "Label12=- - -", "MSChart1.Readings=1,0", "X1=", "MSChart1.axes=0.5..25.5|0..600")},
        });
    }
    void screen()
    {
        const ScreenCase &c = Rows::current<ScreenCase>();
        ScratchFolder folder;
        QStringList steps = c.steps, expected = c.expected;
        steps.replaceInStrings(QStringLiteral("DIR"), folder.path());
        expected.replaceInStrings(QStringLiteral("DIR"), folder.path());
        MessageRecorder messages;
        AppState state;
        state.dataDir = folder.path();
        state.user = userNamed(c.user);
        state.store.setContent(c.file);
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

    // The pointer over the chart: the details box names the reading drawn under
    // it, the marker sits over it, and the box opens towards the chart's middle.
    // The paged graph is scrolled back to its first page.
    void pointer_data()
    {
        Rows::add<PointerCase>({
            {"first reading, box to the right", false, 1, "2006/3/3 8:10  100mg/dL"},
            {"empty position", false, 10, ""},
            {"scrolled, right half", true, 140, "2006/5/20 7:30  240mg/dL"},
        });
    }
    void pointer()
    {
        const auto &[name, paged, position, details] = Rows::current<PointerCase>();
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
        Rows::add<HourCase>({
            {"two-digit upper hour", "8", "12", false, {"", "8", "12", "4"}},
            {"upper below lower", "10", "9", false, {"Range of date Error!", "0", "9", "3"}},
            {"upper hour left by Tab", "8", "9", true, {"", "8", "9", "3"}},
        });
    }
    void hourCommit()
    {
        const auto &[name, lower, upper, leave, shown] = Rows::current<HourCase>();
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
            return HourBoxes{window->LabelError->text(), window->fromHour->currentText(), window->toHour->currentText(),
                             window->readingsCovered->text()};
        };
        type(window->fromHour, lower);
        QTest::keyClick(window->fromHour, Qt::Key_Return);
        HourBoxes typing = seen();
        type(window->toHour, upper);
        typing.to = upper;
        QCOMPARE(seen(), typing);
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
