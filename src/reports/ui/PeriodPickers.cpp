#include "reports/ui/PeriodPickers.h"

#include "platform/ui/MessageService.h"
#include "platform/ui/WindowParts.h"
#include "reports/ReportTexts.h"
#include "store/ReadingStore.h"
#include "store/ReadingTexts.h"
#include "users/UserSettings.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

PeriodPickers::PeriodPickers(QWidget *parent, const PageContext &context, std::function<void()> changed)
    : QObject(parent)
    , fromDate(WindowParts::named<QDateEdit>(parent, "DTPicker1"))
    , toDate(WindowParts::named<QDateEdit>(parent, "DTPicker2"))
    , tilde(WindowParts::label(parent, "Label15", QStringLiteral(" ~")))
    , m_layout(new QHBoxLayout)
{
    const QString format = dateFormat(context.user.dateFormat) == DateFormat::DayMonthYear ? QStringLiteral("d/M/yyyy")
                                                                                           : QStringLiteral("yyyy/M/d");
    for (QDateEdit *picker : {fromDate, toDate}) {
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(format);
    }
    fromDate->setAccessibleName(ReportTexts::kFromDate);
    toDate->setAccessibleName(ReportTexts::kToDate);
    m_layout->addWidget(fromDate);
    m_layout->addWidget(tilde);
    m_layout->addWidget(toDate);
    m_layout->addStretch();

    if (!follow(context.store.tables()))
        Messages::show(parent, ReportTexts::kNoGlucoseData);
    const auto run = [this, changed] {
        if (m_hasReadings)
            changed();
    };
    connect(fromDate, &QDateEdit::dateChanged, this, run);
    connect(toDate, &QDateEdit::dateChanged, this, run);
    connect(&context.store, &ReadingStore::changed, this, [this, run, &store = context.store] {
        follow(store.tables());
        run();
    });
}

bool PeriodPickers::follow(const ReadingTables &tables)
{
    const std::optional<ReportPeriod> last = ReportPeriods::lastDaysWithReadings(tables);
    m_hasReadings = last.has_value();
    fromDate->setEnabled(m_hasReadings);
    toDate->setEnabled(m_hasReadings);
    if (last) {
        const QSignalBlocker block1(fromDate), block2(toDate);
        fromDate->setDate(last->from);
        toDate->setDate(last->to);
    }
    return m_hasReadings;
}

ReportPeriod PeriodPickers::period() const
{
    return {fromDate->date(), toDate->date()};
}
