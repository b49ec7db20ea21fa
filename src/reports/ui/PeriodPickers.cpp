#include "reports/ui/PeriodPickers.h"

#include "platform/ui/MessageService.h"
#include "platform/ui/WindowParts.h"
#include "reports/ReportTexts.h"
#include "store/ReadingTexts.h"
#include "users/UserSettings.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>

PeriodPickers::PeriodPickers(QWidget *parent, const PageContext &context, std::function<void()> changed)
    : QObject(parent)
    , DTPicker1(WindowParts::named<QDateEdit>(parent, "DTPicker1"))
    , DTPicker2(WindowParts::named<QDateEdit>(parent, "DTPicker2"))
    , Label15(WindowParts::label(parent, "Label15", QStringLiteral(" ~")))
    , m_layout(new QHBoxLayout)
{
    const QString format = dateFormat(context.user.time) == DateFormat::DayMonthYear ? QStringLiteral("d/M/yyyy")
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

    const std::optional<ReportPeriod> last = ReportPeriods::lastDaysWithReadings(context.tables);
    m_hasReadings = last.has_value();
    if (!last) {
        Messages::show(parent, ReportTexts::kNoGlucoseData);
        DTPicker1->setEnabled(false);
        DTPicker2->setEnabled(false);
        return;
    }
    DTPicker1->setDate(last->from);
    DTPicker2->setDate(last->to);
    connect(DTPicker1, &QDateEdit::dateChanged, this, changed);
    connect(DTPicker2, &QDateEdit::dateChanged, this, changed);
}

ReportPeriod PeriodPickers::period() const
{
    return {DTPicker1->date(), DTPicker2->date()};
}
