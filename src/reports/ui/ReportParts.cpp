#include "reports/ui/ReportParts.h"

#include "platform/ui/WindowParts.h"
#include "reports/ui/chart/ChartView.h"
#include "reports/ui/chart/Contrast.h"
#include "store/ReadingTexts.h"

#include <QGridLayout>
#include <QLabel>

namespace ReportParts {

namespace {
const QString kNoValue = QStringLiteral("- - -");
const QColor kValueColour(0x0a, 0x2a, 0x8a); // navy

void setUnlessEmpty(QLabel *label, const QString &text)
{
    if (!text.isEmpty())
        label->setText(text);
}
} // namespace

ChartView *chart(QWidget *parent)
{
    auto *view = new ChartView(parent);
    view->setObjectName(QStringLiteral("MSChart1"));
    return view;
}

QLabel *caption(QWidget *parent, const char *name, const QString &text)
{
    QLabel *label = WindowParts::label(parent, name, text);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLabel *value(QWidget *parent, const char *name, const QString &text)
{
    QLabel *label = WindowParts::label(parent, name, text);
    Contrast::setTextColour(label, kValueColour);
    return label;
}

void addRow(QGridLayout *grid, int row, QLabel *caption, QWidget *value, QLabel *unit)
{
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
    if (unit)
        grid->addWidget(unit, row, 2);
}

Heading::Heading(QWidget *parent, const QString &id)
    : idCaption(caption(parent, "Label1", QStringLiteral("ID :")))
    , userId(value(parent, "Label5", id))
    , dateCaption(caption(parent, "Label3", QStringLiteral("Report's date :")))
{
}

void Heading::addTo(QGridLayout *grid, QWidget *date)
{
    addRow(grid, 0, idCaption, userId);
    addRow(grid, 1, dateCaption, date);
    if (date->focusPolicy() != Qt::NoFocus)
        dateCaption->setBuddy(date);
}

Statistics::Statistics(QWidget *parent)
    : highestCaption(caption(parent, "Label7", QStringLiteral("Highest value :")))
    , highestValue(value(parent, "Label12", kNoValue))
    , highestUnit(WindowParts::label(parent, "Label6", ReadingTexts::unitText(GlucoseUnit::MgPerDl)))
    , lowestCaption(caption(parent, "Label8", QStringLiteral("Lowest value :")))
    , lowestValue(value(parent, "Label13", kNoValue))
    , lowestUnit(WindowParts::label(parent, "Label10", ReadingTexts::unitText(GlucoseUnit::MgPerDl)))
    , averageCaption(caption(parent, "Label9", QStringLiteral("Average :")))
    , averageValue(value(parent, "Label14", kNoValue))
    , averageUnit(WindowParts::label(parent, "Label11", ReadingTexts::unitText(GlucoseUnit::MgPerDl)))
{
}

void Statistics::addTo(QGridLayout *grid, int firstRow)
{
    addRow(grid, firstRow, highestCaption, highestValue, highestUnit);
    addRow(grid, firstRow + 1, lowestCaption, lowestValue, lowestUnit);
    addRow(grid, firstRow + 2, averageCaption, averageValue, averageUnit);
}

void Statistics::setUnit(const QString &unit)
{
    for (QLabel *label : {highestUnit, lowestUnit, averageUnit})
        label->setText(unit);
}

void Statistics::show(const QString &highest, const QString &lowest, const QString &average)
{
    setUnlessEmpty(highestValue, highest);
    setUnlessEmpty(lowestValue, lowest);
    setUnlessEmpty(averageValue, average);
}

} // namespace ReportParts
