#include "common/Readings.h"
#include "reports/Histogram.h"
#include "reports/LineGraphPointer.h"
#include "reports/ReportFileNames.h"
#include "reports/ReportTexts.h"
#include "reports/StandardDay.h"
#include "store/ReadingTexts.h"

#include <QTest>

#include <climits>
#include <cmath>

using Change = LineGraphSelection::Change;
using Outcome = LineGraphSelection::Outcome;
using Rule = LineGraphSelection::Rule;

namespace {

// Readings on 5 March 2006 at 08:00.
ReadingTables values(const QList<int> &glucose)
{
    QList<Reading> entries;
    for (int g : glucose)
        entries << at(2006, 3, 5, 8, 0, g);
    return table(entries);
}

const Reading kTemplateRow{};

// Reading e of a numbered selection: glucose e, and a date its label gives back.
Reading numbered(int e)
{
    return at(2006, e / 28 + 1, e % 28 + 1, 8, 5, e);
}

// Readings 1..selected, all selected.
LineGraphSelection numberedSelection(int selected)
{
    QList<Reading> entries;
    for (int e = 1; e <= selected; ++e)
        entries << numbered(e);
    LineGraphSelection s(LineGraphSelection::Rule::AllReadings);
    s.select(table(entries), QDate(2006, 1, 1), QDate(2006, 12, 31), "0", "24");
    return s;
}

QList<int> glucoseOf(const QList<Reading> &entries)
{
    QList<int> out;
    for (const Reading &r : entries)
        out << r.glucose;
    return out;
}

} // namespace

class ReportsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // One rounding serves the file (half away from zero) and the line graphs (half
    // to even) because no whole mg/dL value lies on a half tenth; damaged values
    // far out of range still convert.
    void mmolRounding()
    {
        for (int g = -5000; g <= 50000; ++g)
            QCOMPARE(ReadingTexts::mmolTenths(g), qint64(std::nearbyint(g / 18.0 * 10)));
        QCOMPARE(
            std::tuple(ReadingTexts::mmolText(-1), ReadingTexts::mmolText(INT_MAX), ReadingTexts::mmolRounded(INT_MAX)),
            std::tuple(QString("-0.1"), QString("119304647.1"), 119304647.1));
    }

    void histogram_data()
    {
        QTest::addColumn<ReadingTables>("tables");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("shown"); // see render()
        QTest::newRow("range edges") << values(
            {60, 61, 90, 91, 120, 121, 360, 361, 0,
             -5}) << 1 << 1 << "3 2 2 1 0 0 0 0 0 0 1 1 | <61..>=361 | 10 | 2006/3/5 ~ 2006/3/5 | 361 -5 125 | mg/dL";
        QTest::newRow("mmol/L, date format 2")
            << table({at(2006, 3, 5, 8, 0, 100), at(2006, 3, 9, 8, 0, 90), at(2006, 4, 20, 9, 0, 361)}) << 2 << 2
            << "0 1 1 0 0 0 0 0 0 0 0 1 | <3.4..>=20.1 | 3 | 5/3/2006 ~ 20/4/2006 | 20.1 5.0 10.2 | mmol/L Text2";
        QTest::newRow("truncating average")
            << values({150, 150, 150, 150, 150, 150, 150, 150, 150, 159}) << 1 << 1
            << "0 0 0 9 1 0 0 0 0 0 0 0 | <61..>=361 | 10 | 2006/3/5 ~ 2006/3/5 | 159 150 150 | mg/dL";
        QTest::newRow("template row") << table({kTemplateRow}) << 2 << 1
                                      << "no data | 0 0 0 0 0 0 0 0 0 0 0 0 | <3.4..>=20.1 |  |  |    | mmol/L Text2";
        QTest::newRow("unit and format unknown")
            << values({100}) << 7 << 0 << "0 0 1 0 0 0 0 0 0 0 0 0 | .. | 1 |  |    | mg/dL";
        QTest::newRow("damaged values") << table({at(2006, -1, 5, 99, 0, INT_MAX), at(-1, 13, 0, 8, 0, INT_MAX)}) << 1
                                        << 1
                                        << "0 0 0 0 0 0 0 0 0 0 0 2 | <61..>=361 | 2 | 2006/-1/5 ~ -1/13/0 | "
                                           "2147483647 2147483647 2147483647 | mg/dL";
    }
    void histogram()
    {
        QFETCH(ReadingTables, tables);
        QFETCH(int, unit);
        QFETCH(int, format);
        const Histogram::Report r = Histogram::report(tables, glucoseUnit(unit), dateFormat(format));
        QStringList counts;
        for (qint64 c : r.counts)
            counts << QString::number(c);
        QCOMPARE(r.labels.size(), Histogram::kRanges);
        const QString shown = QStringList{(r.noData ? "no data | " : "") + counts.join(' '),
                                          r.labels.first() + ".." + r.labels.last(),
                                          r.readings,
                                          r.dateRange,
                                          QStringList{r.highest, r.lowest, r.average}.join(' '),
                                          r.unit + (r.showMmolTitle ? " Text2" : "")}
                                  .join(" | ");
        QTEST(shown, "shown");
    }

    void standardDay_data()
    {
        QTest::addColumn<ReadingTables>("tables");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("shown"); // charted rows | limits | count highest lowest average
        const ReadingTables day = table(
            {at(2006, 3, 5, 7, 5, 123), at(2006, 3, 6, 8, 0, 99), at(2006, 3, 5, 19, 30, 250)});
        QTest::newRow("07:05 and 19:30") << day << "2006/3/5" << 1 << "425=123.00 1170=250.00 | 180 70 | 2 250 123 186";
        QTest::newRow("day/month/year") << day << "5/3/2006" << 1 << "425=123.00 1170=250.00 | 180 70 | 2 250 123 186";
        QTest::newRow("mmol/L") << day << "2006/3/5" << 2 << "425=6.8 1170=13.9 | 10 3.88889 | 2 13.9 6.8 10.3";
        QTest::newRow("leading zero matches nothing") << day << "2006/03/5" << 1 << " | 180 70 | none";
        QTest::newRow("two in one minute")
            << values({100, 101}) << "2006/3/5" << 1 << "480=101.00 | 180 70 | 2 101 100 100";
        QTest::newRow("times outside the day count only")
            << table({at(2006, 3, 5, 24, 0, 90), at(2006, 3, 5, 99, 0, 91), at(2006, 3, 5, 0, -1, 92),
                      at(2006, 3, 5, INT_MAX, INT_MAX, INT_MAX), at(2006, 3, 5, 23, 59, 93)})
            << "2006/3/5" << 1 << "1439=93.00 | 180 70 | 5 2147483647 90 429496802";
    }
    void standardDay()
    {
        QFETCH(ReadingTables, tables);
        QFETCH(QString, choice);
        QFETCH(int, unit);
        const auto day = StandardDay::day(tables, choice, glucoseUnit(unit), 180, 70);
        QVERIFY(day);
        QCOMPARE(day->table.readings.size(), StandardDay::kMinutesPerDay);
        QStringList rows;
        for (int m = 0; m < StandardDay::kMinutesPerDay; ++m) {
            if (!day->table.readings[m].isEmpty())
                rows << QString("%1=%2").arg(m).arg(day->table.readings[m].text);
        }
        const QString stats = day->stats ? QStringList{day->readings, day->highest, day->lowest, day->average}.join(' ')
                                         : "none";
        QTEST(
            QStringList({rows.join(' '), QString("%1 %2").arg(day->table.high).arg(day->table.low), stats}).join(" | "),
            "shown");
        QCOMPARE(StandardDay::day(tables, QString(), glucoseUnit(unit), 180, 70), std::nullopt);
    }

    void selection_data()
    {
        QTest::addColumn<ReadingTables>("tables");
        QTest::addColumn<int>("rule");          // 0 every reading, 1 after-meal
        QTest::addColumn<QList<int>>("atLoad"); // glucose of the entries selected at load
        QTest::addColumn<QList<QDate>>("range");
        QTest::addColumn<QStringList>("hours");
        QTest::addColumn<Change>("change");
        QTest::addColumn<QList<int>>("selected");
        const QDate d5(2006, 3, 5), d6(2006, 3, 6), d7(2006, 3, 7);
        const ReadingTables three = table(
            {at(2006, 3, 5, 8, 10, 100), at(2006, 3, 6, 9, 0, 200), at(2006, 3, 7, 8, 59, 151)});
        const QStringList allDay{"0", "24"};
        QTest::newRow("one day, any time")
            << three << 0 << QList{100, 200, 151} << QList{d6, d6} << allDay << Change{} << QList{200};
        QTest::newRow("hour 8 to 8") << three << 0 << QList{100, 200, 151} << QList{d5, d7} << QStringList{"8", "8.5"}
                                     << Change{} << QList{100, 151};
        QTest::newRow("dates reversed") << three << 0 << QList{100, 200, 151} << QList{d7, d5} << allDay
                                        << Change{Outcome::DateRangeError, ReportTexts::rangeOfDateError(), d5, d7}
                                        << QList{100, 200, 151};
        QTest::newRow("hours reversed") << three << 0 << QList{100, 200, 151} << QList{d5, d5} << QStringList{"10", "9"}
                                        << Change{Outcome::HourRangeError, ReportTexts::rangeOfDateError(), {}, {}}
                                        << QList{100, 200, 151};
        QTest::newRow("hour letters") << three << 0 << QList{100, 200, 151} << QList{d5, d5} << QStringList{"0", "x1"}
                                      << Change{Outcome::HourNotNumber, {}, {}, {}} << QList{100, 200, 151};
        // Dates that are no calendar date show at load and are never inside a range.
        const ReadingTables odd = table({at(2006, 13, 5, 8, 0, 1), at(2006, 3, 0, 8, 0, 2), kTemplateRow,
                                         at(2006, -1, 5, 8, 0, 3), at(2006, 3, 5, 99, 0, INT_MAX, "1")});
        QTest::newRow("invalid dates") << odd << 0 << QList{1, 2, 0, 3, INT_MAX}
                                       << QList{QDate(100, 1, 1), QDate(9999, 1, 1)} << allDay << Change{}
                                       << QList<int>{};
        QTest::newRow("after meal: no hours")
            << odd << 1 << QList{INT_MAX} << QList{d5, d5} << allDay << Change{} << QList{INT_MAX};
        const ReadingTables marks = table({at(2006, 3, 3, 8, 0, 1, "PC"), at(2006, 3, 4, 8, 0, 2, "QC"),
                                           at(2006, 3, 20, 8, 0, 3, "1"), at(2006, 3, 20, 8, 0, 4, "0"),
                                           at(2006, 3, 20, 8, 0, 5, "2"), at(2006, 4, 2, 8, 0, 6, "PC")});
        QTest::newRow("after meal: PC and 1")
            << marks << 1 << QList{1, 3, 6} << QList{QDate(2006, 3, 1), QDate(2006, 3, 31)} << QStringList() << Change{}
            << QList{1, 3};
    }
    void selection()
    {
        QFETCH(ReadingTables, tables);
        QFETCH(int, rule);
        QFETCH(QList<QDate>, range);
        QFETCH(QStringList, hours);
        QFETCH(Change, change);
        QFETCH(QList<int>, selected);
        LineGraphSelection s(rule ? Rule::MealMarked : Rule::AllReadings);
        s.selectAtLoad(tables);
        QTEST(glucoseOf(s.entries()), "atLoad");
        hours.resize(2);
        const Change got = s.select(tables, range[0], range[1], hours[0], hours[1]);
        QCOMPARE(std::tuple(got, glucoseOf(s.entries())), std::tuple(change, selected));
    }

    void pages_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("offset");    // -1: the drawing after a selection, else the scroll bar
        QTest::addColumn<QString>("shown"); // see pages()
        const auto every = [](int first, int step, int last) {
            QStringList out{QString::number(first)};
            for (int e = qMax(first + 1, first - 1 + step); e <= last; e += step)
                out << QString::number(e);
            return out.join(' ');
        };
        QTest::newRow("25") << 25 << -1 << "N 25 at 0 | rows 1..25 | X " + every(1, 1, 25) + " -";
        QTest::newRow("26") << 26 << -1
                            << "N 50 at 0 | rows 1..26 | X 1 2 4 6 8 10 12 14 16 18 20 22 24 26"
                                   + QString(" -").repeated(12);
        QTest::newRow("150") << 150 << -1 << "N 150 at 0 | rows 1..150 | X " + every(1, 6, 150);
        QTest::newRow("151") << 151 << -1 << "N 150 at 1 scroll 0..1 | rows 2..151 | X " + every(2, 6, 151);
        QTest::newRow("151 scrolled to 0")
            << 151 << 0 << "N 150 at 0 scroll 0..1 | rows 1..150 | X " + every(1, 6, 150);
        QTest::newRow("none") << 0 << -1 << "nothing drawn";
    }
    void pages()
    {
        QFETCH(int, selected);
        QFETCH(int, offset);
        const LineGraphSelection s = numberedSelection(selected);
        const LineGraphPage::Settings settings;
        const auto page = offset < 0 ? LineGraphPage::draw(s, settings)
                                     : std::optional(LineGraphPage::scrolled(s, offset, settings));
        QString shown = "nothing drawn";
        if (page) {
            QStringList rows, labels;
            for (const ChartReading &r : page->readings) {
                if (!r.isEmpty())
                    rows << r.text;
            }
            for (const QString &label : page->labels) { // back from "m/d" to the entry it names
                const QStringList md = label.split('/');
                labels << (label.isEmpty() ? "-" : QString::number((md[0].toInt() - 1) * 28 + md[1].toInt() - 1));
            }
            shown = QString("N %1 at %2").arg(page->size).arg(page->offset)
                    + (page->paging ? QString(" scroll 0..%1").arg(page->lastOffset) : QString())
                    + QString(" | rows %1..%2 | X ").arg(rows.first(), rows.last()) + labels.join(' ');
        }
        QTEST(shown, "shown");
    }

    // The page drawn before any reading is chosen, and one for a date format
    // the user list does not know (no labels); the usual units and formats are
    // the line graph window's rows.
    void unusualPages()
    {
        const LineGraphPage::Page page = LineGraphPage::empty(
            {GlucoseUnit::MmolPerL, DateFormat::DayMonthYear, 180, 90});
        QCOMPARE(page, (LineGraphPage::Page{150, 0, false, 0, QList<ChartReading>(150), 10, 5, QStringList(26)}));
        LineGraphSelection s(Rule::AllReadings);
        s.selectAtLoad(table({at(2006, 3, 14, 8, 5, 123)}));
        QCOMPARE(LineGraphPage::draw(s, {GlucoseUnit::MgPerDl, dateFormat(0), 180, 100})->labels, QStringList());
    }

    // The window's own test moves a pointer over the chart; here the edges of
    // the band and the chart in the form's design units.
    void pointer_data()
    {
        using Update = LineGraphPointer::Update;
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<Update>("update");
        const double w = 61.9; // 9285 twips over a page of 150
        const std::optional<bool> shown = true, hidden = false;
        const std::optional<QString> y = QString(" Y"), cleared = QString();
        const auto details = [](int e) {
            return std::optional(QString("2006/%1/%2 8:5  %3mg/dL").arg(e / 28 + 1).arg(e % 28 + 1).arg(e));
        };
        QTest::newRow("on the edge P[2]")
            << QPointF(1249, 1000) << Update{shown, y, details(3), 3, 1800, 1249 + w / 2, 1249 + w / 2 - 75};
        QTest::newRow("below the band") << QPointF(1279, 4500)
                                        << Update{hidden, cleared, {}, 0, 5300, 1249 + w / 2, 1249 + w / 2 - 75};
        QTest::newRow("on the band's edge")
            << QPointF(1279, 300) << Update{{}, {}, {}, 0, 1100, 1249 + w / 2, 1249 + w / 2 - 75};
        QTest::newRow("left of the chart") << QPointF(1000, 1000) << Update{hidden, cleared, {}, 0, 1800, 1125, 1050};
    }
    void pointer()
    {
        QFETCH(QPointF, at);
        const LineGraphSelection s = numberedSelection(150);
        const auto page = LineGraphPage::draw(s, {GlucoseUnit::MgPerDl, DateFormat::YearMonthDay, 180, 70});
        QTEST(LineGraphPointer::pointAt(LineGraphPointer::kTwips, *page, s, GlucoseUnit::MgPerDl,
                                        DateFormat::YearMonthDay, at.x(), at.y()),
              "update");
    }

    void detailsTexts()
    {
        const Reading r = at(2006, 3, 14, 8, 5, 123);
        QCOMPARE(std::tuple(LineGraphPointer::detailsText(r, GlucoseUnit::MgPerDl, DateFormat::DayMonthYear),
                            LineGraphPointer::detailsText(r, GlucoseUnit::MmolPerL, DateFormat::YearMonthDay)),
                 std::tuple(std::optional(QString("14/3/2006 8:5  123mg/dL")),
                            std::optional(QString("2006/3/14 8:5  6.8mmol/L"))));
    }

    // What the file dialogs offer, and the extension their filter names added
    // to a name typed without it.
    void fileNames_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << "doctor" << ReportFileNames::kPdfFilter << "doctor.pdf";
        QTest::newRow("present, other case") << "/tmp/a.PDF" << ReportFileNames::kPdfFilter << "/tmp/a.PDF";
        QTest::newRow("another one") << "notes.txt" << ReportFileNames::kCsvFilter << "notes.txt.csv";
        QTest::newRow("dot in a folder") << "/home/a.csv/out" << ReportFileNames::kCsvFilter << "/home/a.csv/out.csv";
    }
    void fileNames()
    {
        QFETCH(QString, path);
        QFETCH(QString, filter);
        QTEST(ReportFileNames::withExtension(path, filter), "expected");
        const ReportPeriod days{QDate(2026, 11, 1), QDate(2026, 11, 14)};
        QCOMPARE(QStringList({ReportFileNames::periodName("ann", days, ReportFileNames::kPdfFilter),
                              ReportFileNames::periodName("ann", days, ReportFileNames::kCsvFilter),
                              ReportFileNames::printName("ann", " Line  Graph")}),
                 QStringList(
                     {"ann-2026-11-01-to-2026-11-14.pdf", "ann-2026-11-01-to-2026-11-14.csv", "ann-line-graph.pdf"}));
    }
};

QTEST_APPLESS_MAIN(ReportsTest)
#include "tst_reports.moc"
