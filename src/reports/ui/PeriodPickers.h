#pragma once

#include "reports/ReportPeriod.h"
#include "users/ui/PageContext.h"

#include <QObject>

#include <functional>

class QDateEdit;
class QHBoxLayout;
class QLabel;

// The date range of the summary, the overlay day and the files to take away: DTPicker1 ~ DTPicker2 in
// the user's date format, at first the last 14 days that hold readings. Each
// change of either end runs the given report again. With no dated reading the
// pickers are greyed out and the no-data message shown once. A download while
// the window is open moves the range to the newest readings and runs the report.
class PeriodPickers : public QObject
{
    Q_OBJECT

public:
    PeriodPickers(QWidget *parent, const PageContext &context, std::function<void()> changed);

    ReportPeriod period() const;
    // False when the table holds no reading with a calendar date.
    bool hasReadings() const { return m_hasReadings; }
    QHBoxLayout *layout() const { return m_layout; }

    QDateEdit *fromDate, *toDate; // DTPicker1, DTPicker2
    QLabel *tilde;                // Label15 " ~"

private:
    // The range of the last days with readings; false when there are none.
    bool follow(const ReadingTables &tables);

    QHBoxLayout *m_layout;
    bool m_hasReadings = false;
};
