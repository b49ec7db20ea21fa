#pragma once

#include "reports/ui/chart/ChartDrawing.h"

#include <QWidget>

// A chart as a widget: paints its model with the window's font and palette,
// asks the layout for as much room as its texts need, and is a chart to a
// screen reader (its name and description are the accessible ones the report
// sets). Windows that lay labels of their own over or beside it (a marker, date
// labels, an hour ruler) read the plot's place from it after laidOut().
class ChartView : public QWidget
{
    Q_OBJECT

public:
    explicit ChartView(QWidget *parent = nullptr);

    void setModel(Chart::Model model);
    const Chart::Model &model() const { return m_model; }
    // False until the first model: the chart is then blank, without axes.
    bool hasModel() const { return m_hasModel; }

    // The style of the screen: the widget's font, titles in bold, its palette.
    Chart::Style chartStyle() const;
    Chart::Layout layout() const;
    QRectF plotArea() const { return layout().plot; }
    // A point in the axes' values at its place in the widget.
    QPointF position(QPointF value) const;

    // Draws the chart as the screen shows it (a recorder, in tests).
    void paint(Chart::Canvas &canvas) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // The plot may have moved: after a new model, a resize, a font change.
    void laidOut();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void relaid();

    Chart::Model m_model;
    bool m_hasModel = false;
};
