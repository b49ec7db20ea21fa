#include "reports/ui/ReportParts.h"

#include "store/ReadingTexts.h"
#include "platform/ui/WindowParts.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QLabel>

namespace ReportParts {

namespace {
const QString kNoValue = QStringLiteral("- - -");

void setUnlessEmpty(QLabel *label, const QString &text)
{
    if (!text.isEmpty())
        label->setText(text);
}
} // namespace

QChartView *chart(QWidget *parent)
{
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto *view = new QChartView(chart, parent);
    view->setObjectName(QStringLiteral("MSChart1"));
    view->setRenderHint(QPainter::Antialiasing);
    // A changed series redraws the whole plot: partial updates leave old markers behind.
    view->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    view->setMinimumSize(320, 200);
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
    label->setStyleSheet(QStringLiteral("color: #0a2a8a;"));
    return label;
}

void addRow(QGridLayout *grid, int row, QLabel *caption, QWidget *value, QLabel *unit)
{
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
    if (unit)
        grid->addWidget(unit, row, 2);
}

Heading::Heading(QWidget *parent, const QString &userId)
    : Label1(caption(parent, "Label1", QStringLiteral("ID :")))
    , Label5(value(parent, "Label5", userId))
    , Label3(caption(parent, "Label3", QStringLiteral("Report's date :")))
{
}

void Heading::addTo(QGridLayout *grid, QWidget *date)
{
    addRow(grid, 0, Label1, Label5);
    addRow(grid, 1, Label3, date);
    if (date->focusPolicy() != Qt::NoFocus)
        Label3->setBuddy(date);
}

Statistics::Statistics(QWidget *parent)
    : Label7(caption(parent, "Label7", QStringLiteral("Highest value :")))
    , Label12(value(parent, "Label12", kNoValue))
    , Label6(WindowParts::label(parent, "Label6", ReadingTexts::unitText(GlucoseUnit::MgPerDl)))
    , Label8(caption(parent, "Label8", QStringLiteral("Lowest value :")))
    , Label13(value(parent, "Label13", kNoValue))
    , Label10(WindowParts::label(parent, "Label10", ReadingTexts::unitText(GlucoseUnit::MgPerDl)))
    , Label9(caption(parent, "Label9", QStringLiteral("Average :")))
    , Label14(value(parent, "Label14", kNoValue))
    , Label11(WindowParts::label(parent, "Label11", ReadingTexts::unitText(GlucoseUnit::MgPerDl)))
{
}

void Statistics::addTo(QGridLayout *grid, int firstRow)
{
    addRow(grid, firstRow, Label7, Label12, Label6);
    addRow(grid, firstRow + 1, Label8, Label13, Label10);
    addRow(grid, firstRow + 2, Label9, Label14, Label11);
}

void Statistics::setUnit(const QString &unit)
{
    for (QLabel *label : {Label6, Label10, Label11})
        label->setText(unit);
}

void Statistics::show(const QString &highest, const QString &lowest, const QString &average)
{
    setUnlessEmpty(Label12, highest);
    setUnlessEmpty(Label13, lowest);
    setUnlessEmpty(Label14, average);
}

} // namespace ReportParts
