// The summary of a period and the overlay day, against hand-computed tables;
// what a screen reader says of each chart.

#include "common/Readings.h"
#include "common/Rows.h"
#include "reports/ChartText.h"
#include "reports/OverlayDay.h"
#include "reports/PeriodSummary.h"
#include "reports/ReadingsCsv.h"
#include "store/ReadingTexts.h"

#include <QTest>

namespace {

// Readings on 5 March 2006 at 08:00.
QList<Reading> oneDay(const QList<int> &glucose)
{
    QList<Reading> out;
    for (int g : glucose)
        out << at(2006, 3, 5, 8, 0, g);
    return out;
}

// The same values on each of `days` days from 1 March 2006.
QList<Reading> everyDay(int days, const QList<int> &glucose)
{
    QList<Reading> out;
    for (int d = 1; d <= days; ++d) {
        for (int g : glucose)
            out << at(2006, 3, d, 8, 0, g);
    }
    return out;
}

const ReportPeriod kMarch{QDate(2006, 3, 1), QDate(2006, 3, 31)};

// Every figure a summary shows; the targets met as "+" and "-".
struct Figures
{
    QString readings, impossibleDates, days, perDay, mean, sd, cv, gmi;
    QStringList shares;
    QString inLimits, met;
    bool operator==(const Figures &) const = default;
};
ROW_FIELDS(Figures, readings, impossibleDates, days, perDay, mean, sd, cv, gmi, shares, inLimits, met)

Figures figures(const PeriodSummary::Report &r)
{
    QString met;
    for (bool m : r.met)
        met += m ? u'+' : u'-';
    return Figures{r.readings,
                   r.impossibleDates,
                   r.days,
                   r.perDay,
                   r.mean,
                   r.sd,
                   r.cv,
                   r.gmi,
                   QStringList(r.shares.begin(), r.shares.end()),
                   r.inLimits,
                   met};
}

struct SummaryCase
{
    const char *name;
    QList<Reading> entries; // in mg/dL
    Figures expected;
};

// The readings of the day parts as "readings/mean": whole day, 00-06, 06-12, 12-18, 18-24.
struct MealCase
{
    const char *name;
    int unit;
    QString before, after;
};

// The period a page opens with, or the one given (from, to; a null date for an open end).
struct PeriodCase
{
    const char *name;
    QList<Reading> entries;
    QList<QDate> given;    // empty: at first
    QList<QDate> expected; // from, to; empty for none
};

// A chart's name, description and value table's rows (cells joined by spaces).
struct Spoken
{
    QString name, description;
    QStringList rows = {};
    bool operator==(const Spoken &) const = default;
};
ROW_FIELDS(Spoken, name, description, rows)

struct ChartCase
{
    const char *name;
    QList<Reading> entries;
    QString kind;
    int unit, format;
    Spoken expected;
};

struct CsvCase
{
    const char *name;
    QList<Reading> entries;
    QByteArray expected;
};

// The text alternative of one kind of chart over the entries, limits 180 and 70.
ChartText chartText(const QString &kind, const ReadingTables &t, GlucoseUnit unit, DateFormat format)
{
    if (kind.endsWith(QLatin1String("line graph"))) {
        const bool meal = kind.startsWith(QLatin1String("PC"));
        LineGraphSelection selection(meal ? LineGraphSelection::Rule::MealMarked
                                          : LineGraphSelection::Rule::AllReadings);
        selection.selectAtLoad(t);
        const auto page = LineGraphPage::draw(selection, {unit, format, 180, 70});
        return ChartTexts::lineGraph(meal, selection, *page, unit, format);
    }
    if (kind == QLatin1String("standard day")) {
        const auto day = StandardDay::day(t, QStringLiteral("2006/3/5"), unit, 180, 70);
        return ChartTexts::standardDay(QStringLiteral("2006/3/5"), &*day, unit);
    }
    if (kind == QLatin1String("histogram"))
        return ChartTexts::histogram(Histogram::report(t, unit, format));
    const PeriodReadings period = ReportPeriods::readingsIn(t, kMarch);
    if (kind == QLatin1String("bands"))
        return ChartTexts::bands(PeriodSummary::report(period, unit, 180, 70).bandReadings, unit);
    return ChartTexts::overlayDay(OverlayDay::overlay(period), unit);
}

QString mealFigures(const std::array<PeriodSummary::MealFigure, PeriodSummary::kDayParts> &parts)
{
    QStringList out;
    for (const auto &p : parts)
        out << p.readings + u'/' + p.mean;
    return out.join(u' ');
}

} // namespace

class InsightsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void summary_data()
    {
        // Band edges: 53 | 54 69 | 70 180 | 181 250 | 251. Mean 138.5, SD 86.68, CV 62.58 %.
        const QList<Reading> edges = oneDay({53, 54, 69, 70, 180, 181, 250, 251});
        const QStringList none = Rows::list("–", "–", "–", "–", "–");
        const QStringList allInRange = Rows::list("0.0 %", "0.0 %", "100.0 %", "0.0 %", "0.0 %");
        // Mean 143.93, SD 50.33, CV 34.97 %. 1 in 100 below 54 misses "under 1 %"; 3 in 100 below 70 meets "under 4 %".
        QList<Reading> hundred = everyDay(1, {53, 60, 60});
        for (int k = 0; k < 97; ++k)
            hundred << at(2006, 3, 1, 9, 0, k < 71 ? 120 : k < 92 ? 200 : 300);
        Rows::add<SummaryCase>({
            {"band edges, mg/dL", edges,
             Figures{"8", "0", "1", "8.0", "139", "87", "62.6 %", "–",
                     Rows::list("12.5 %", "37.5 %", "25.0 %", "37.5 %", "12.5 %"), "25.0 %", "-----"}},
            {"one reading: no SD", oneDay({100}),
             Figures{"1", "0", "1", "1.0", "100", "–", "–", "–", allInRange, "100.0 %", "+++++"}},
            // GMI 3.31 + 0.02392 × 155 = 7.02; SD 5.09, CV 3.29 %.
            {"GMI at 14 days and 28 readings", everyDay(14, {150, 160}),
             Figures{"28", "0", "14", "2.0", "155", "5", "3.3 %", "7.0 %", allInRange, "100.0 %", "+++++"}},
            // SD 4.14, CV 2.67 %.
            {"no GMI at 13 days", everyDay(13, {150, 160, 155}),
             Figures{"39", "0", "13", "3.0", "155", "4", "2.7 %", "–", allInRange, "100.0 %", "+++++"}},
            {"impossible dates and other months left out",
             Rows::list<Reading>(at(2006, 2, 30, 8, 0, 40), at(2006, 4, 31, 8, 0, 40), at(2006, 13, 1, 8, 0, 40),
                                 at(2006, 4, 1, 8, 0, 40), at(2006, 3, 31, 8, 0, 100), at(0, 0, 0, 0, 0, 40)),
             Figures{"1", "4", "1", "1.0", "100", "–", "–", "–", allInRange, "100.0 %", "+++++"}},
            {"no readings", QList<Reading>(), Figures{"0", "0", "0", "–", "–", "–", "–", "–", none, "–", "-----"}},
            {"targets at their edges", hundred,
             Figures{"100", "0", "1", "100.0", "144", "50", "35.0 %", "–",
                     Rows::list("1.0 %", "3.0 %", "71.0 %", "26.0 %", "5.0 %"), "71.0 %", "-++--"}},
        });
    }
    void summary()
    {
        const SummaryCase &c = Rows::current<SummaryCase>();
        const ReadingTables t = table(c.entries);
        const auto report = PeriodSummary::report(ReportPeriods::readingsIn(t, kMarch), GlucoseUnit::MgPerDl, 180, 70);
        QCOMPARE(figures(report), c.expected);
    }

    // C and PC readings by part of the day: whole day, 00-06, 06-12, 12-18, 18-24.
    void mealsByPartOfDay_data()
    {
        Rows::add<MealCase>({
            {"mg/dL", 1, "4/114 1/100 1/110 1/120 0/–", "2/201 0/– 0/– 0/– 2/201"},
            {"mmol/L", 2, "4/6.3 1/5.6 1/6.1 1/6.7 0/–", "2/11.2 0/– 0/– 0/– 2/11.2"},
        });
    }
    void mealsByPartOfDay()
    {
        const MealCase &c = Rows::current<MealCase>();
        // 5:00 and 6:00 fall on either side of a part; hour 24 counts for the whole day
        // only; a QC reading (control solution) is neither.
        const ReadingTables t = table({at(2006, 3, 5, 5, 0, 100), at(2006, 3, 5, 6, 0, 110), at(2006, 3, 5, 12, 0, 120),
                                       at(2006, 3, 5, 24, 0, 126), at(2006, 3, 5, 18, 0, 200, "PC"),
                                       at(2006, 3, 5, 23, 0, 202, "1"), at(2006, 3, 5, 8, 0, 50, "QC")});
        const auto report = PeriodSummary::report(ReportPeriods::readingsIn(t, kMarch), glucoseUnit(c.unit), 180, 70);
        QCOMPARE(std::pair(mealFigures(report.beforeMeal), mealFigures(report.afterMeal)),
                 std::pair(c.before, c.after));
    }

    // The period a page opens with (no dates given: the last 14 days with
    // readings) or the one set, an open end reaching the readings.
    void periods_data()
    {
        const QList<Reading> dated{at(2006, 3, 9, 8, 0, 1), at(2006, 2, 30, 8, 0, 1), at(2005, 12, 31, 8, 0, 1)};
        const QList<Reading> impossible{at(2006, 2, 30, 8, 0, 1)};
        const QDate open, d0501(2006, 5, 1), d0301(2006, 3, 1), d0309(2006, 3, 9), d1231(2005, 12, 31);
        using Rows::list;
        Rows::add<PeriodCase>({
            {"at first: 15 days, the last 14",
             everyDay(15, {100}),
             {},
             list<QDate>(QDate(2006, 3, 2), QDate(2006, 3, 15))},
            {"at first: gaps and impossible dates", dated, {}, list<QDate>(d1231, d0309)},
            {"at first: template row", list<Reading>(at(0, 0, 0, 0, 0, 0, "0000")), {}, {}},
            {"at first: only impossible dates", impossible, {}, {}},
            {"open start", dated, list<QDate>(open, d0301), list<QDate>(d1231, d0301)},
            {"open end", dated, list<QDate>(QDate(2006, 1, 1), open), list<QDate>(QDate(2006, 1, 1), d0309)},
            {"start after the last reading", dated, list<QDate>(d0501, open), list<QDate>(d0501, d0501)},
            {"end before the first reading", dated, list<QDate>(open, QDate(2005, 1, 1)),
             list<QDate>(QDate(2005, 1, 1), QDate(2005, 1, 1))},
            {"no calendar date", impossible, list<QDate>(open, d0301), list<QDate>(d0301, d0301)},
            {"both open", dated, list<QDate>(open, open), {}},
        });
    }
    void periods()
    {
        const auto &[name, entries, given, expected] = Rows::current<PeriodCase>();
        const ReadingTables t = table(entries);
        const auto period = given.isEmpty() ? ReportPeriods::lastDaysWithReadings(t)
                                            : ReportPeriods::withOpenEnds(t, given[0], given[1]);
        QCOMPARE(period ? QList<QDate>({period->from, period->to}) : QList<QDate>(), expected);
    }

    // Five readings in hour 8 (given unsorted, one at 08:59) make percentiles; four in
    // hour 9 do not; hour 24 is not on the day.
    void overlay()
    {
        QList<Reading> entries{at(2006, 3, 5, 8, 0, 140), at(2006, 3, 5, 8, 0, 100),  at(2006, 3, 6, 8, 0, 120),
                               at(2006, 3, 7, 8, 0, 110), at(2006, 3, 5, 24, 0, 300), at(2006, 4, 1, 8, 0, 999)};
        entries << Reading{3, 5, 8, 59, 130, 2006};
        for (int g : {1, 2, 3, 4})
            entries << at(2006, 3, 5, 9, 0, g);
        const ReadingTables t = table(entries);
        const OverlayDay::Result result = OverlayDay::overlay(ReportPeriods::readingsIn(t, kMarch));

        OverlayDay::Result expected;
        expected.points = {{480, 140}, {480, 100}, {480, 120}, {480, 110}, {539, 130},
                           {540, 1},   {540, 2},   {540, 3},   {540, 4}};
        expected.hours[8] = OverlayDay::Percentiles{104, 110, 120, 130, 136};
        QCOMPARE(result, expected);

        // The lines break between runs of hours that have percentiles.
        for (int h : {0, 1, 2, 5, 23})
            expected.hours[h] = OverlayDay::Percentiles{};
        QCOMPARE(OverlayDay::runs(expected), (QList<std::pair<int, int>>{{0, 2}, {5, 5}, {8, 8}, {23, 23}}));
    }

    // Name, description and the value table's rows (cells joined by spaces) of each chart.
    void chartTexts_data()
    {
        const QList<Reading> four{at(2006, 3, 1, 8, 0, 123), at(2006, 3, 5, 9, 0, 60, "PC"),
                                  at(2006, 3, 21, 7, 0, 200, "PC"), at(2006, 3, 5, 19, 0, 250)};
        // Hour 8: 100, 110, 120, 130, 140 (p10 104, p25 110, median 120, p75 130, p90 136); hour 9: one reading.
        QList<Reading> overlay;
        for (int g : {140, 100, 120, 110, 130})
            overlay << at(2006, 3, 5, 8, 0, g);
        overlay << at(2006, 3, 6, 9, 0, 99);
        // Hours 10 and 12: the highest median, and the lowest again (the first hour of it named).
        for (int g : {200, 200, 200, 200, 200})
            overlay << at(2006, 3, 7, 10, 0, g) << at(2006, 3, 7, 12, 0, 120);
        QStringList hours;
        for (int h = 0; h < 24; ++h)
            hours << QStringLiteral("%1–%2 %3 – – –")
                         .arg(h, 2, 10, QChar(u'0'))
                         .arg(h + 1, 2, 10, QChar(u'0'))
                         .arg(int(h == 9));
        hours[8] = "08–09 5 6.7 6.1–7.2 5.8–7.6";
        hours[10] = "10–11 5 11.1 11.1–11.1 11.1–11.1";
        hours[12] = "12–13 5 6.7 6.7–6.7 6.7–6.7";
        using Rows::list;
        Rows::add<ChartCase>({
            {"line graph", four, "line graph", 1, 1,
             Spoken{"Line graph", "Line graph, 4 readings from 2006/3/1 to 2006/3/5, highest 250, lowest 60 mg/dL",
                    list("2006/3/1 08:00 123", "2006/3/5 09:00 60", "2006/3/21 07:00 200", "2006/3/5 19:00 250")}},
            {"PC line graph, mmol/L, day first", four, "PC line graph", 2, 2,
             Spoken{"PC line graph",
                    "PC line graph, 2 readings from 5/3/2006 to 21/3/2006, highest 11.1, lowest 3.3 mmol/L",
                    list("5/3/2006 09:00 3.3", "21/3/2006 07:00 11.1")}},
            {"line graph, no readings", {}, "line graph", 1, 1, Spoken{"Line graph", "Line graph, no readings"}},
            {"standard day", four, "standard day", 1, 1,
             Spoken{"Standard day", "Standard day, 2006/3/5, 2 readings, highest 250, lowest 60, average 155 mg/dL",
                    list("09:00 60", "19:00 250")}},
            {"histogram, mmol/L", four, "histogram", 2, 1,
             Spoken{
                 "Histogram",
                 "Histogram, 4 readings from 2006/3/1 to 2006/3/5, highest 13.9, lowest 3.3 mmol/L, most in <3.4 (1)",
                 list("<3.4 1", "3.4-5.0 0", "5.1-6.7 0", "6.8-8.3 1", "8.4-10.0 0", "10.1-11.6 1", "11.7-13.3 0",
                      "13.4-15.0 1", "15.1-16.6 0", "16.7-18.3 0", "18.4-20.0 0", ">=20.1 0")}},
            {"bands", four, "bands", 1, 1,
             Spoken{"Band bar",
                    "Band bar, 4 readings: Below 54 mg/dL 0.0 %, 54–69 mg/dL 25.0 %, 70–180 mg/dL 25.0 %, "
                    "181–250 mg/dL 50.0 %, Above 250 mg/dL 0.0 %",
                    list("Below 54 mg/dL 0 0.0 %", "54–69 mg/dL 1 25.0 %", "70–180 mg/dL 1 25.0 %",
                         "181–250 mg/dL 2 50.0 %", "Above 250 mg/dL 0 0.0 %")}},
            {"overlay day, mmol/L", overlay, "overlay day", 2, 1,
             Spoken{"Overlay day",
                    "Overlay day, 16 readings, a median for 3 of 24 hours, lowest 6.7 at 08–09, highest 11.1 at 10–11 "
                    "mmol/L",
                    hours}},
        });
    }
    void chartTexts()
    {
        const ChartCase &c = Rows::current<ChartCase>();
        const ChartText text = chartText(c.kind, table(c.entries), glucoseUnit(c.unit), dateFormat(c.format));
        Spoken got{text.name, text.description, {}};
        for (const QStringList &row : text.rows)
            got.rows << row.join(u' ');
        QCOMPARE(got, c.expected);
    }

    // The whole table; the command line's test writes a period.
    void csv_data()
    {
        const QByteArray header = "date,time,glucose_mg_dl,glucose_mmol_l,meal,valid_date\r\n";
        // Newest first in the table at times; oldest first in the file, same minute in table order.
        const QList<Reading> entries{at(2006, 3, 6, 8, 0, 99, "PC"), Reading{3, 5, 7, 5, 123, 2006, EventMark::PC},
                                     at(2006, 2, 30, 12, 0, 40, "QC"), at(2006, 3, 5, 7, 0, 90),
                                     at(2006, 4, 1, 0, 0, 600, "")};
        Rows::add<CsvCase>({
            {"whole table, an impossible date kept", entries,
             header
                 + "2006-02-30,12:00,40,2.2,QC,0\r\n2006-03-05,07:00,90,5.0,C,1\r\n"
                   "2006-03-05,07:05,123,6.8,PC,1\r\n2006-03-06,08:00,99,5.5,PC,1\r\n"
                   "2006-04-01,00:00,600,33.3,C,1\r\n"},
            {"template row", Rows::list<Reading>(at(0, 0, 0, 0, 0, 0, "0000")), header},
            {"damaged values written in full", Rows::list<Reading>(Reading{13, 5, 99, -1, 12345, 20061}),
             header + "20061-13-05,99:-1,12345,685.8,C,0\r\n"},
        });
    }
    void csv()
    {
        const CsvCase &c = Rows::current<CsvCase>();
        QCOMPARE(ReadingsCsv::csv(table(c.entries), std::nullopt), c.expected);
    }
};

QTEST_APPLESS_MAIN(InsightsTest)
#include "tst_insights.moc"
