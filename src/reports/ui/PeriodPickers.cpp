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
    , DTPicker1(WindowParts::named<QDateEdit>(parent, "DTPicker1"))
    , DTPicker2(WindowParts::named<QDateEdit>(parent, "DTPicker2"))
    , Label15(WindowParts::label(parent, "Label15", QStringLiteral(" ~")))
    , m_layout(new QHBoxLayout)
{
    const QString format = dateFormat(context.user.dateFormat) == DateFormat::DayMonthYear ? QStringLiteral("d/M/yyyy")
                                                                                           : QStringLiteral("yyyy/M/d");
    for (QDateEdit *picker : {DTPicker1, DTPicker2}) {
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(format);
    }
    DTPicker1->setAccessibleName(ReportTexts::kFromDate);
    DTPicker2->setAccessibleName(ReportTexts::kToDate);
    m_layout->addWidget(DTPicker1);
    m_layout->addWidget(Label15);
    m_layout->addWidget(DTPicker2);
    m_layout->addStretch();

    if (!follow(context.store.tables()))
        Messages::show(parent, ReportTexts::kNoGlucoseData);
    const auto run = [this, changed] {
        if (m_hasReadings)
            changed();
    };
    connect(DTPicker1, &QDateEdit::dateChanged, this, run);
    connect(DTPicker2, &QDateEdit::dateChanged, this, run);
    connect(&context.store, &ReadingStore::changed, this, [this, run, &store = context.store] {
        follow(store.tables());
        run();
    });
}

bool PeriodPickers::follow(const ReadingTables &tables)
{
    const std::optional<ReportPeriod> last = ReportPeriods::lastDaysWithReadings(tables);
    m_hasReadings = last.has_value();
    DTPicker1->setEnabled(m_hasReadings);
    DTPicker2->setEnabled(m_hasReadings);
    if (last) {
        const QSignalBlocker block1(DTPicker1), block2(DTPicker2);
        DTPicker1->setDate(last->from);
        DTPicker2->setDate(last->to);
    }
    return m_hasReadings;
}

ReportPeriod PeriodPickers::period() const
{
    return {DTPicker1->date(), DTPicker2->date()};
}
