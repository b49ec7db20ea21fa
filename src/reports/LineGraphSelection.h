#pragma once

#include "store/ReadingTables.h"

#include <QDate>
#include <QList>

#include <optional>

// The readings a line graph charts, in table order, and how a range change
// selects them anew. One implementation serves both line graphs: frmR02/frmR02unit
// take every reading within a date range and an hour range; the after-meal graph
// (frmR02p/frmR02unitp) takes the readings marked "PC" (a loaded "PC" or a freshly
// downloaded 1) within a date range, and has no hour range.
//
// Example, AllReadings, entries 2006/3/5 08:10, 2006/3/6 09:00, 2006/3/7 08:59:
// load selects all three, firstDate 2006-03-05, lastDate 2006-03-07; then
// select(2006-03-05, 2006-03-07, "8", "8") selects entries 1 and 3;
// select(2006-03-07, 2006-03-05, ...) is a DateRangeError that restores the pickers
// to 2006-03-05 and 2006-03-07 and keeps the selection.
class LineGraphSelection
{
public:
    enum class Rule { AllReadings, MealMarked };

    enum class Outcome {
        Selected,       // a new selection (maybe empty: draw the empty page)
        DateRangeError, // first date after the last: restoredFrom/To put back
        HourRangeError, // highest hour below the lowest: ComboLO becomes "0"
        HourNotNumber,  // an hour text is not a number yet: nothing changes, no error
    };

    struct Change
    {
        Outcome outcome = Outcome::Selected;
        // The error's text: ReportTexts::rangeOfDateError() in LabelError, or the
        // after-meal graph's message box ReportTexts::rangeOfDataError(); empty
        // when there is none to show.
        QString error;
        // DateRangeError with a selection: the pickers' range from then on (the
        // dates of the first and the last selected entry). Unset dates, or dates
        // that are not calendar dates, leave the pickers as they are.
        QDate restoredFrom, restoredTo;

        friend bool operator==(const Change &, const Change &) = default;
    };

    explicit LineGraphSelection(Rule rule)
        : m_rule(rule)
    {
    }

    Rule rule() const { return m_rule; }

    // Form load: every reading the rule takes, with no range applied. When there
    // is none, the selection is one entry of zeros, as the chart expects.
    void selectAtLoad(const ReadingTables &tables);

    // A change of a date or (AllReadings only) an hour text. Dates compare as
    // calendar days with both ends included; a reading whose date is not a
    // calendar date (the template row, month 13, day 0) is never inside a range.
    // Hours compare as whole numbers, both ends included: the texts are read as
    // numbers rounded down ("8.5" is 8), so "0" to "24" takes every hour.
    Change select(const ReadingTables &tables, QDate from, QDate to, const QString &lowestHour = QString(),
                  const QString &highestHour = QString());

    // True unless the selection is only the template row or the zero entry of
    // selectAtLoad (one entry, day 0): the window then shows its no-data path.
    bool holdsReadings() const;

    const QList<Reading> &entries() const { return m_entries; }
    qsizetype count() const { return m_entries.size(); }
    // Entry e, 1..count(); anything outside reads as zeros.
    const Reading &entry(qsizetype e) const;

    // The pickers' range at load (set only for date format 1 or 2): the dates of
    // the first and the last entry, invalid when that entry's date is not a
    // calendar date (the window then leaves the picker as it is).
    QDate firstDate() const;
    QDate lastDate() const;

    // An hour text as a whole number: "8" and "8.5" -> 8, " 7 " -> 7; none for
    // "", "abc" or "nan". Values beyond an int are clamped.
    static std::optional<int> hourBound(const QString &text);

private:
    bool takes(const Reading &r) const;

    Rule m_rule;
    QList<Reading> m_entries;
};
