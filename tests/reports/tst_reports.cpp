#include "common/Readings.h"
#include "common/Rows.h"
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

struct HistogramCase
{
    const char *name;
    ReadingTables tables;
    int unit, format;
    QString shown; // see histogram()
};

struct DayCase
{
    const char *name;
    ReadingTables tables;
    QString choice;
    int unit;
    QString shown; // charted rows | limits | count highest lowest average
};

// The glucose of the entries selected at load, what a change of the range
// made of it and the glucose selected then.
struct Selected
{
    QList<int> atLoad;
    Change change;
    QList<int> now;
    bool operator==(const Selected &) const = default;
};
ROW_FIELDS(Selected, atLoad, change, now)

struct SelectionCase
{
    const char *name;
    ReadingTables tables;
    Rule rule;
    QList<QDate> range;
    QStringList hours;
    Selected expected;
};

// A line graph page of readings 1..selected: drawn after a selection
// (offset -1) or scrolled.
struct PageCase
{
    const char *name;
    int selected, offset;
    QString shown; // see pages()
};

using Update = LineGraphPointer::Update;

// The pointer at a point of the chart, in the form's design units, over a
// page of 150 numbered readings.
struct PointerCase
{
    const char *name;
    QPointF at;
    Update expected;
};

// A file name typed, the filter chosen in the dialog, and the name used.
struct FileNameCase
{
    const char *name;
    QString path, filter, expected;
};

} // namespace

ROW_FIELDS(LineGraphSelection::Change, outcome, error, restoredFrom, restoredTo)
namespace LineGraphPointer {
ROW_FIELDS(Update, detailsVisible, marker, details, entry, detailsTop, detailsLeft, markerLeft)
}

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
        Rows::add<HistogramCase>({
            {"range edges", values({60, 61, 90, 91, 120, 121, 360, 361, 0, -5}), 1, 1,
             "3 2 2 1 0 0 0 0 0 0 1 1 | <61..>=361 | 10 | 2006/3/5 ~ 2006/3/5 | 361 -5 125 | mg/dL"},
            {"mmol/L, date format 2",
             table(
                 Rows::list<Reading>(at(2006, 3, 5, 8, 0, 100), at(2006, 3, 9, 8, 0, 90), at(2006, 4, 20, 9, 0, 361))),
             2, 2, "0 1 1 0 0 0 0 0 0 0 0 1 | <3.4..>=20.1 | 3 | 5/3/2006 ~ 20/4/2006 | 20.1 5.0 10.2 | mmol/L Text2"},
            {"truncating average", values({150, 150, 150, 150, 150, 150, 150, 150, 150, 159}), 1, 1,
             "0 0 0 9 1 0 0 0 0 0 0 0 | <61..>=361 | 10 | 2006/3/5 ~ 2006/3/5 | 159 150 150 | mg/dL"},
            {"template row", table({kTemplateRow}), 2, 1,
             "no data | 0 0 0 0 0 0 0 0 0 0 0 0 | <3.4..>=20.1 |  |  |    | mmol/L Text2"},
            {"unit and format unknown", values({100}), 7, 0, "0 0 1 0 0 0 0 0 0 0 0 0 | .. | 1 |  |    | mg/dL"},
            {"damaged values",
             table(Rows::list<Reading>(at(2006, -1, 5, 99, 0, INT_MAX), at(-1, 13, 0, 8, 0, INT_MAX))), 1, 1,
             "0 0 0 0 0 0 0 0 0 0 0 2 | <61..>=361 | 2 | 2006/-1/5 ~ -1/13/0 | 2147483647 2147483647 2147483647 | "
             "mg/dL"},
        });
    }
    void histogram()
    {
        const HistogramCase &c = Rows::current<HistogramCase>();
        const Histogram::Report r = Histogram::report(c.tables, glucoseUnit(c.unit), dateFormat(c.format));
        QStringList counts;
        for (qint64 n : r.counts)
            counts << QString::number(n);
        QCOMPARE(r.labels.size(), Histogram::kRanges);
        const QString shown = QStringList{(r.noData ? "no data | " : "") + counts.join(' '),
                                          r.labels.first() + ".." + r.labels.last(),
                                          r.readings,
                                          r.dateRange,
                                          QStringList{r.highest, r.lowest, r.average}.join(' '),
                                          r.unit + (r.showMmolTitle ? " Text2" : "")}
                                  .join(" | ");
        QCOMPARE(shown, c.shown);
    }

    void standardDay_data()
    {
        const ReadingTables day = table(
            {at(2006, 3, 5, 7, 5, 123), at(2006, 3, 6, 8, 0, 99), at(2006, 3, 5, 19, 30, 250)});
        const QString both = "425=123.00 1170=250.00 | 180 70 | 2 250 123 186";
        Rows::add<DayCase>({
            {"07:05 and 19:30", day, "2006/3/5", 1, both},
            {"day/month/year", day, "5/3/2006", 1, both},
            {"mmol/L", day, "2006/3/5", 2, "425=6.8 1170=13.9 | 10 3.88889 | 2 13.9 6.8 10.3"},
            {"leading zero matches nothing", day, "2006/03/5", 1, " | 180 70 | none"},
            {"two in one minute", values({100, 101}), "2006/3/5", 1, "480=101.00 | 180 70 | 2 101 100 100"},
            {"times outside the day count only",
             table(Rows::list<Reading>(at(2006, 3, 5, 24, 0, 90), at(2006, 3, 5, 99, 0, 91), at(2006, 3, 5, 0, -1, 92),
                                       at(2006, 3, 5, INT_MAX, INT_MAX, INT_MAX), at(2006, 3, 5, 23, 59, 93))),
             "2006/3/5", 1, "1439=93.00 | 180 70 | 5 2147483647 90 429496802"},
        });
    }
    void standardDay()
    {
        const DayCase &c = Rows::current<DayCase>();
        const auto day = StandardDay::day(c.tables, c.choice, glucoseUnit(c.unit), 180, 70);
        QVERIFY(day);
        QCOMPARE(day->table.readings.size(), StandardDay::kMinutesPerDay);
        QStringList rows;
        for (int m = 0; m < StandardDay::kMinutesPerDay; ++m) {
            if (!day->table.readings[m].isEmpty())
                rows << QString("%1=%2").arg(m).arg(day->table.readings[m].text);
        }
        const QString stats = day->stats ? QStringList{day->readings, day->highest, day->lowest, day->average}.join(' ')
                                         : "none";
        QCOMPARE(
            QStringList({rows.join(' '), QString("%1 %2").arg(day->table.high).arg(day->table.low), stats}).join(" | "),
            c.shown);
        QCOMPARE(StandardDay::day(c.tables, QString(), glucoseUnit(c.unit), 180, 70), std::nullopt);
    }

    void selection_data()
    {
        const QDate d5(2006, 3, 5), d6(2006, 3, 6), d7(2006, 3, 7);
        const ReadingTables three = table(
            {at(2006, 3, 5, 8, 10, 100), at(2006, 3, 6, 9, 0, 200), at(2006, 3, 7, 8, 59, 151)});
        const QList<int> all{100, 200, 151};
        const QStringList allDay{"0", "24"};
        using Rows::list;
        // Dates that are no calendar date show at load and are never inside a range.
        const ReadingTables odd = table({at(2006, 13, 5, 8, 0, 1), at(2006, 3, 0, 8, 0, 2), kTemplateRow,
                                         at(2006, -1, 5, 8, 0, 3), at(2006, 3, 5, 99, 0, INT_MAX, "1")});
        const ReadingTables marks = table({at(2006, 3, 3, 8, 0, 1, "PC"), at(2006, 3, 4, 8, 0, 2, "QC"),
                                           at(2006, 3, 20, 8, 0, 3, "1"), at(2006, 3, 20, 8, 0, 4, "0"),
                                           at(2006, 3, 20, 8, 0, 5, "2"), at(2006, 4, 2, 8, 0, 6, "PC")});
        Rows::add<SelectionCase>({
            {"one day, any time", three, Rule::AllReadings, list<QDate>(d6, d6), allDay,
             Selected{all, Change(), list<int>(200)}},
            {"hour 8 to 8", three, Rule::AllReadings, list<QDate>(d5, d7), list("8", "8.5"),
             Selected{all, Change(), list<int>(100, 151)}},
            {"dates reversed", three, Rule::AllReadings, list<QDate>(d7, d5), allDay,
             Selected{all, Change{Outcome::DateRangeError, ReportTexts::rangeOfDateError(), d5, d7}, all}},
            {"hours reversed", three, Rule::AllReadings, list<QDate>(d5, d5), list("10", "9"),
             Selected{all, Change{Outcome::HourRangeError, ReportTexts::rangeOfDateError(), QDate(), QDate()}, all}},
            {"hour letters", three, Rule::AllReadings, list<QDate>(d5, d5), list("0", "x1"),
             Selected{all, Change{Outcome::HourNotNumber, QString(), QDate(), QDate()}, all}},
            {"invalid dates", odd, Rule::AllReadings, list<QDate>(QDate(100, 1, 1), QDate(9999, 1, 1)), allDay,
             Selected{list<int>(1, 2, 0, 3, INT_MAX), Change(), {}}},
            {"after meal: no hours", odd, Rule::MealMarked, list<QDate>(d5, d5), allDay,
             Selected{list<int>(INT_MAX), Change(), list<int>(INT_MAX)}},
            {"after meal: PC and 1", marks, Rule::MealMarked, list<QDate>(QDate(2006, 3, 1), QDate(2006, 3, 31)),
             QStringList(), Selected{list<int>(1, 3, 6), Change(), list<int>(1, 3)}},
        });
    }
    void selection()
    {
        const SelectionCase &c = Rows::current<SelectionCase>();
        LineGraphSelection s(c.rule);
        s.selectAtLoad(c.tables);
        const QList<int> atLoad = glucoseOf(s.entries());
        QStringList hours = c.hours;
        hours.resize(2);
        const Change got = s.select(c.tables, c.range[0], c.range[1], hours[0], hours[1]);
        QCOMPARE((Selected{atLoad, got, glucoseOf(s.entries())}), c.expected);
    }

    void pages_data()
    {
        const auto every = [](int first, int step, int last) {
            QStringList out{QString::number(first)};
            for (int e = qMax(first + 1, first - 1 + step); e <= last; e += step)
                out << QString::number(e);
            return out.join(' ');
        };
        Rows::add<PageCase>({
            {"25", 25, -1, "N 25 at 0 | rows 1..25 | X " + every(1, 1, 25) + " -"},
            {"26", 26, -1,
             "N 50 at 0 | rows 1..26 | X 1 2 4 6 8 10 12 14 16 18 20 22 24 26" + QString(" -").repeated(12)},
            {"150", 150, -1, "N 150 at 0 | rows 1..150 | X " + every(1, 6, 150)},
            {"151", 151, -1, "N 150 at 1 scroll 0..1 | rows 2..151 | X " + every(2, 6, 151)},
            {"151 scrolled to 0", 151, 0, "N 150 at 0 scroll 0..1 | rows 1..150 | X " + every(1, 6, 150)},
            {"none", 0, -1, "nothing drawn"},
        });
    }
    void pages()
    {
        const auto &[name, selected, offset, expected] = Rows::current<PageCase>();
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
        QCOMPARE(shown, expected);
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
        const double w = 61.9; // 9285 twips over a page of 150
        const std::optional<QString> y = QString(" Y"), cleared = QString(), same = std::nullopt;
        const auto details = [](int e) {
            return std::optional(QString("2006/%1/%2 8:5  %3mg/dL").arg(e / 28 + 1).arg(e % 28 + 1).arg(e));
        };
        Rows::add<PointerCase>({
            {"on the edge P[2]", QPointF(1249, 1000),
             Update{true, y, details(3), 3, 1800, 1249 + w / 2, 1249 + w / 2 - 75}},
            {"below the band", QPointF(1279, 4500),
             Update{false, cleared, same, 0, 5300, 1249 + w / 2, 1249 + w / 2 - 75}},
            {"on the band's edge", QPointF(1279, 300),
             Update{std::nullopt, same, same, 0, 1100, 1249 + w / 2, 1249 + w / 2 - 75}},
            {"left of the chart", QPointF(1000, 1000), Update{false, cleared, same, 0, 1800, 1125, 1050}},
        });
    }
    void pointer()
    {
        const auto &[name, at, expected] = Rows::current<PointerCase>();
        const LineGraphSelection s = numberedSelection(150);
        const auto page = LineGraphPage::draw(s, {GlucoseUnit::MgPerDl, DateFormat::YearMonthDay, 180, 70});
        QCOMPARE(LineGraphPointer::pointAt(LineGraphPointer::kTwips, *page, s, GlucoseUnit::MgPerDl,
                                           DateFormat::YearMonthDay, at.x(), at.y()),
                 expected);
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
        Rows::add<FileNameCase>({
            {"none", "doctor", ReportFileNames::kPdfFilter, "doctor.pdf"},
            {"present, other case", "/tmp/a.PDF", ReportFileNames::kPdfFilter, "/tmp/a.PDF"},
            {"another one", "notes.txt", ReportFileNames::kCsvFilter, "notes.txt.csv"},
            {"dot in a folder", "/home/a.csv/out", ReportFileNames::kCsvFilter, "/home/a.csv/out.csv"},
        });
    }
    void fileNames()
    {
        const auto &[name, path, filter, expected] = Rows::current<FileNameCase>();
        QCOMPARE(ReportFileNames::withExtension(path, filter), expected);
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
