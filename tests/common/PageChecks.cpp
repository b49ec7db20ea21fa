#include "common/PageChecks.h"

#include "reports/ui/HourRuler.h"
#include "reports/ui/chart/ChartView.h"
#include "reports/ui/chart/Contrast.h"

#include <QLabel>

namespace {

QString where(const QRectF &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The colour a widget is drawn over: its own background where it fills one,
// else that of the nearest one behind it that does.
QColor background(const QWidget *w)
{
    while (w->parentWidget() && !w->autoFillBackground() && !w->isWindow())
        w = w->parentWidget();
    return w->palette().color(w->backgroundRole());
}

void check(QStringList &out, const QString &what, const QColor &colour, const QColor &behind)
{
    const double ratio = Contrast::ratio(colour, behind);
    if (ratio < Contrast::kMinimum)
        out << QStringLiteral("%1: %2 on %3, %4:1").arg(what, colour.name(), behind.name()).arg(ratio, 0, 'f', 2);
}

} // namespace

namespace PageChecks {

QStringList cutTexts(const ChartView *chart)
{
    Chart::ChartRecorder recorder(chart);
    chart->paint(recorder);
    QList<Chart::ChartRecorder::Item> texts;
    for (const Chart::ChartRecorder::Item &item : recorder.items())
        if (item.role == Chart::Role::Text)
            texts << item;
    QStringList out;
    const QRectF bounds = QRectF(chart->rect()).adjusted(-0.5, -0.5, 0.5, 0.5);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (!bounds.contains(texts[i].box))
            out << QStringLiteral("%1 \"%2\" at %3 leaves %4")
                       .arg(chart->objectName(), texts[i].text, where(texts[i].box), where(chart->rect()));
        for (qsizetype j = i + 1; j < texts.size(); ++j) {
            const QRectF both = texts[i].box.intersected(texts[j].box);
            if (both.width() > 0.5 && both.height() > 0.5)
                out << QStringLiteral("%1 \"%2\" lies over \"%3\"")
                           .arg(chart->objectName(), texts[i].text, texts[j].text);
        }
    }
    return out;
}

QStringList faintTexts(QWidget *page)
{
    QStringList out;
    for (QLabel *label : page->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(page) || label->text().isEmpty())
            continue;
        const QString name = label->objectName() + QStringLiteral(" \"") + label->text() + u'"';
        if (label->styleSheet().contains(QLatin1String("color"))) {
            out << name + QStringLiteral(" is coloured by a style sheet");
        } else if (auto *hours = qobject_cast<HourLabels *>(label)) {
            // Over the bands where they lie, else over the ruler.
            Chart::ChartRecorder recorder(hours);
            hours->draw(recorder);
            for (const Chart::ChartRecorder::Item &item : recorder.items()) {
                const QPoint centre = hours->mapToParent(item.box.center().toPoint());
                QColor behind = background(hours->parentWidget());
                for (QLabel *band : hours->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
                    if (band != hours && band->autoFillBackground() && band->geometry().contains(centre))
                        behind = background(band);
                check(out, QStringLiteral("Text3 \"") + item.text + u'"', item.colour, behind);
            }
        } else if (label->palette().color(label->foregroundRole()).alpha() > 0) {
            check(out, name, label->palette().color(label->foregroundRole()), background(label));
        }
    }
    for (ChartView *chart : page->findChildren<ChartView *>()) {
        Chart::ChartRecorder recorder(chart);
        chart->paint(recorder);
        const QColor behind = chart->palette().color(QPalette::Window);
        for (const Chart::ChartRecorder::Item &item : recorder.items()) {
            if (item.role != Chart::Role::Text && item.role != Chart::Role::Mark)
                continue;
            // A filled mark stands out by its outline.
            const QColor colour = item.kind == u"rect" ? item.outline : item.colour;
            check(out,
                  chart->objectName() + u' ' + item.kind + u' ' + (item.text.isEmpty() ? where(item.box) : item.text),
                  colour, behind);
        }
    }
    return out;
}

} // namespace PageChecks
