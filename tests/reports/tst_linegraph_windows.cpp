#include "common/TestData.h"
#include "reports/LineGraphPointer.h"
#include "reports/ui/LineGraphWindow.h"
#include "store/ReadingStore.h"
#include "users/UserSettings.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPointer>
#include <QProcess>
#include <QScrollBar>
#include <QTest>

namespace {

// Table order (the file holds them newest first): three readings marked PC
// with an unmarked one between them.
const QList<Reading> kFour{{3, 3, 8, 10, 100, 2006, EventMark::PC},
                           {3, 5, 9, 0, 200, 2006},
                           {3, 20, 8, 59, 151, 2006, EventMark::PC},
                           {4, 2, 12, 0, 90, 2006, EventMark::PC}};

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

QString numbers(int from, int to)
{
    QStringList out;
    for (int g = from; g <= to; ++g)
        out << QString::number(g);
    return out.join(u' ');
}

QString joined(const QJsonArray &points, int coordinate)
{
    QStringList out;
    for (const QJsonValue p : points)
        out << QString::number(p[coordinate].toDouble());
    return out.join(u' ');
}

// The front line graph of a dump as "name=value" texts, for the names asked:
// a control's text, "name.enabled", the scroll bar as "value min..max" or
// "hidden", and the chart's "Readings", "Max", "Min" (values as plotted) and
// "axes" ("0.5..25.5 0..600").
QStringList describe(const QJsonObject &dump, const QStringList &wanted)
{
    QMap<QString, QString> seen;
    QStringList messages;
    for (const QJsonValue m : dump[u"messages"].toArray())
        messages << m[u"title"].toString() + QStringLiteral(": ") + m[u"text"].toString().section(u'\n', 0, 0);
    seen[QStringLiteral("messages")] = messages.join(u" | ");
    const QJsonObject window = dump[u"windows"][0].toObject();
    seen[QStringLiteral("window")] = window[u"objectName"].toString();
    const QJsonObject controls = window[u"controls"].toObject();
    for (auto c = controls.begin(); c != controls.end(); ++c) {
        const QJsonObject control = c.value().toObject();
        seen[c.key()] = control[u"text"].toString();
        seen[c.key() + QStringLiteral(".enabled")] = control[u"enabled"].toBool() ? QStringLiteral("true") : QStringLiteral("false");
    }
    const QJsonObject scroll = controls[u"HScroll1"].toObject();
    seen[QStringLiteral("HScroll1")] = !scroll[u"visible"].toBool()
        ? QStringLiteral("hidden")
        : QStringLiteral("%1 %2..%3").arg(scroll[u"value"].toInt()).arg(scroll[u"minimum"].toInt()).arg(scroll[u"maximum"].toInt());
    const QJsonObject chart = controls[u"MSChart1"].toObject();
    for (const QJsonValue s : chart[u"series"].toArray()) {
        const QJsonArray points = s[u"points"].toArray();
        seen[s[u"name"].toString()] = s[u"name"].toString() == u"Readings" ? joined(points, 1) : joined(QJsonArray{points.first()}, 1);
    }
    QStringList axes;
    for (const QJsonValue a : chart[u"axes"].toArray())
        axes << QStringLiteral("%1..%2").arg(a[u"min"].toDouble()).arg(a[u"max"].toDouble());
    seen[QStringLiteral("axes")] = axes.join(u' ');

    QStringList out;
    for (const QString &w : wanted) {
        const QString name = w.section(u'=', 0, 0);
        out << name + u'=' + seen.value(name, QStringLiteral("<none>"));
    }
    return out;
}

// A reading file whose reading-table entries 1, 2, ... are the readings.
QByteArray fileOf(const QList<Reading> &readings)
{
    ReadingTables tables;
    tables.readings() = readings;
    return ReadingFile::format(tables);
}

const UserSettings kAlice{QStringLiteral("alice"), 1, 1, 1, 120, 80, 150, 70};

} // namespace

class LineGraphWindowsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The real program, opened as a user would, then described by --dump.
    void endToEnd_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected"); // name=value, see describe()
        const QString noPort = QStringLiteral("messages=Qel: RS232 Setting Error !");

        // Each form once, from where it is opened, with the texts it sets itself
        // (the numbers are the reports' own) and the controls that choose.
        QTest::newRow("frmR02unit, day/month, from the frame's menu")
            << "bob" << QStringList{"--click", "mnuReport5"}
            << QStringList{"window=frmR02unit", "DTPicker1=3/3/2006", "DTPicker2=2/4/2006", "Label2=4", "Label6=mmol/L",
                           "Text7=mmol/L", "LOW=Low--", "X1=3/3", "X2=5/3", "X3=20/3", "X4=2/4", "X5=",
                           "HScroll1=hidden", "Readings=5.6 11.1 8.4 5", "Max=10", "Min=4", "axes=0.5..25.5 0..35"};
        QTest::newRow("hours and dates set, from the download form")
            << "alice"
            << QStringList{"--page", "download", "--click", "CmdReportAC", "--set", "DTPicker1=2006/3/5", "--set",
                           "ComboLO=8", "--set", "ComboHI=8"}
            << QStringList{noPort, "window=frmR02", "Label2=1", "Readings=151", "X1=3/20", "X2="};
        QTest::newRow("frmR02p from the download form")
            << "alice" << QStringList{"--page", "download", "--click", "CmdReportPC"}
            << QStringList{noPort, "window=frmR02p", "Label4=PC Datas covered :", "Label2=3", "X1=3/3", "X2=3/20",
                           "X3=4/2", "Readings=100 151 90", "ComboLO=<none>", "LabelError=<none>"};
        QTest::newRow("frmR02unitp date range error")
            << "bob" << QStringList{"--page", "download", "--click", "CmdReportPC", "--set", "DTPicker1=5/4/2006"}
            << QStringList{noPort + QStringLiteral(" | Qel: There's an error in your range of data !"),
                           "window=frmR02unitp", "DTPicker1=3/3/2006", "DTPicker2=2/4/2006", "Label2=3"};
        QTest::newRow("151 readings scrolled to the first page")
            << "carol" << QStringList{"--click", "mnuReport5", "--set", "HScroll1=0"}
            << QStringList{"Label2=151", "HScroll1=0 0..1", "X1=1/1", "X2=1/6", "X26=5/30",
                           "Readings=" + numbers(101, 250), "axes=0.5..150.5 0..600"};
        QTest::newRow("no readings")
            << "guest" << QStringList{"--click", "mnuReport5"}
            << QStringList{"LabelError=No data !", "DTPicker1.enabled=false", "DTPicker2.enabled=false", "Label2=- -",
                           "Label12=- - -", "Readings=0", "X1=", "axes=0.5..25.5 0..600"};
    }
    void endToEnd()
    {
        QFETCH(QString, user);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"),
                     crlf({"ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp", "guest*,vorpa*,1,1,1,120,80,120,80",
                           "alice*,a*,1,1,1,120,80,150,70", "bob*,b*,1,2,2,180,72,150,70",
                           "carol*,c*,1,1,1,120,80,150,70"}));
        folder.write(QStringLiteral("alice.txt"), fileOf(kFour));
        folder.write(QStringLiteral("bob.txt"), fileOf(kFour));
        folder.write(QStringLiteral("carol.txt"), fileOf(paged()));

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DEXTREL_COM1"), QStringLiteral("/nonexistent/tty"));
        program.setProcessEnvironment(environment);
        const QStringList login = user == u"guest" ? QStringList{"--user", user}
                                                   : QStringList{"--user", user, "--password", user.left(1)};
        program.start(QStringLiteral(DEXTREL_PROGRAM),
                      QStringList{"--data-dir", folder.path(), "--dump", folder.file(QStringLiteral("state.json"))}
                          + login + steps);
        QVERIFY(program.waitForFinished(30000));
        QVERIFY2(program.exitCode() == 0, program.readAllStandardError().constData());
        const QJsonObject dump = QJsonDocument::fromJson(folder.read(QStringLiteral("state.json"))).object();
        QCOMPARE(describe(dump, expected), expected);
    }

    // The pointer over the chart: the details box names the reading drawn under
    // it, the marker sits over it, and the box opens towards the chart's middle.
    void pointer_data()
    {
        QTest::addColumn<bool>("paged");
        QTest::addColumn<int>("scroll");      // HScroll1's value, paged only
        QTest::addColumn<int>("position");    // page position under the pointer
        QTest::addColumn<int>("above");       // pixels above the plot; 0: on the point
        QTest::addColumn<QString>("details"); // empty: the box is hidden
        QTest::newRow("first reading, box to the right") << false << 0 << 1 << 0 << "2006/3/3 8:10  100mg/dL";
        QTest::newRow("empty position") << false << 0 << 10 << 0 << "";
        QTest::newRow("above the plot") << false << 0 << 2 << 5 << "";
        QTest::newRow("scrolled, left half") << true << 0 << 3 << 0 << "2006/1/3 7:30  103mg/dL";
        QTest::newRow("scrolled, right half") << true << 0 << 140 << 0 << "2006/5/20 7:30  240mg/dL";
        QTest::newRow("last page, right half") << true << 1 << 150 << 0 << "2006/5/31 7:30  251mg/dL";
    }
    void pointer()
    {
        QFETCH(bool, paged);
        QFETCH(int, scroll);
        QFETCH(int, position);
        QFETCH(int, above);
        QFETCH(QString, details);
        ReadingStore store;
        store.setContent(fileOf(paged ? ::paged() : kFour));
        LineGraphWindow window({kAlice, store, QString()}, LineGraphWindow::Form::R02);
        window.resize(1000, 620);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.HScroll1->setValue(scroll);

        QChart *chart = window.MSChart1->chart();
        auto *series = qobject_cast<QLineSeries *>(chart->series().constFirst());
        // On the reading drawn at that position, or mid-plot over an empty one.
        QPointF at = details.isEmpty() ? chart->mapToPosition(QPointF(position, 300), series)
                                       : chart->mapToPosition(series->at(position - 1), series);
        if (above)
            at.setY(chart->plotArea().top() - above);
        const QPoint pointer = window.MSChart1->mapFromScene(chart->mapToScene(at));
        QTest::mouseMove(window.MSChart1->viewport(), pointer);

        QCOMPARE(window.Text4->isVisibleTo(&window), !details.isEmpty());
        QCOMPARE(window.Text3->text(), details.isEmpty() ? QString() : QStringLiteral(" Y"));
        if (details.isEmpty())
            return;
        QCOMPARE(window.Text4->text(), details);
        const QRect marker = window.Text3->geometry();
        QVERIFY2(qAbs(marker.center().x() - pointer.x()) <= 1, "marker over the point");
        const QRect box = window.Text4->geometry();
        const bool rightHalf = position > 150 / 2 && paged;
        QVERIFY2(qAbs((rightHalf ? box.right() + 1 : box.left()) - pointer.x()) <= 1, "box beside the point");
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
        QTest::newRow("two-digit upper hour") << "8" << "12" << QStringList{"", "8", "12", "4"};
        QTest::newRow("upper below lower") << "10" << "9" << QStringList{"Range of date Error!", "0", "9", "3"};
    }
    void hourCommit()
    {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QFETCH(QStringList, shown);
        ReadingStore store;
        store.setContent(fileOf(kFour));
        auto *window = new LineGraphWindow({kAlice, store, QString()}, LineGraphWindow::Form::R02);
        window->show();
        const auto type = [](QComboBox *box, const QString &hour) {
            box->lineEdit()->selectAll();
            QTest::keyClicks(box, hour);
        };
        const auto seen = [window] {
            return QStringList{window->LabelError->text(), window->ComboLO->currentText(),
                               window->ComboHI->currentText(), window->Label2->text()};
        };
        type(window->ComboLO, lower);
        QTest::keyClick(window->ComboLO, Qt::Key_Return);
        const QStringList committed = seen();
        type(window->ComboHI, upper);
        QCOMPARE(seen(), QStringList(committed.mid(0, 2)) << upper << committed.last());
        QTest::keyClick(window->ComboHI, Qt::Key_Return);
        QCOMPARE(seen(), shown);
        const QPointer<QLabel> label(window->LabelError);
        window->deleteLater();
        // The pending wait ran while the events were processed, and ended
        // without its label.
        QTRY_VERIFY(label.isNull());
    }
};

QTEST_MAIN(LineGraphWindowsTest)
#include "tst_linegraph_windows.moc"
