#include "reports/ui/frmR01.h"
#include "reports/ui/frmR01unit.h"

#include "platform/ui/MessageService.h"
#include "reports/DataListModel.h"
#include "reports/ReportTexts.h"
#include "store/ReadingStore.h"
#include "users/UserSettings.h"

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString kCaption = QStringLiteral("Data List");
}

frmR01::frmR01(const PageContext &context, QWidget *parent)
    : frmR01(context, "frmR01", GlucoseUnit::MgPerDl, NoReadings::EmptyList, parent)
{
}

frmR01::frmR01(const PageContext &context, const char *name, GlucoseUnit captions, NoReadings noReadings,
               QWidget *parent)
    : QWidget(parent)
    , readings(new QTableView(this))
    , m_model(new DataListModel(context.store, DataListModel::captions(captions), noReadings == NoReadings::EmptyList,
                                this))
{
    setObjectName(QLatin1String(name));
    setWindowTitle(kCaption);
    readings->setObjectName(QStringLiteral("DBGrid1"));
    readings->setAccessibleName(QStringLiteral("Readings"));
    readings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    readings->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Rows of one height are laid out without asking each row for its size.
    readings->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    readings->verticalHeader()->setDefaultSectionSize(readings->fontMetrics().height() + 6);
    readings->horizontalHeader()->setStretchLastSection(true);
    readings->setModel(m_model);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(readings);

    if (noReadings == NoReadings::MessageThenFile && context.store.tables().holdsNoReadings())
        Messages::show(this, ReportTexts::kNoGlucoseData);
    // Measured on the header's sample of rows, not on every one of 100 000.
    readings->resizeColumnsToContents();
}

frmR01unit::frmR01unit(const PageContext &context, QWidget *parent)
    : frmR01(context, "frmR01unit", GlucoseUnit::MmolPerL, NoReadings::MessageThenFile, parent)
{
}
