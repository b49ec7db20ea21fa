#include "app/ui/StateDump.h"

#include "app/ui/OpenWindows.h"
#include "reports/ui/chart/ChartView.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>

namespace StateDump {

namespace {

QString textOf(const QObject *o)
{
    if (auto *w = qobject_cast<const QLabel *>(o))
        return w->text();
    if (auto *w = qobject_cast<const QAbstractButton *>(o))
        return w->text();
    if (auto *w = qobject_cast<const QLineEdit *>(o))
        return w->text();
    if (auto *w = qobject_cast<const QComboBox *>(o))
        return w->currentText();
    if (auto *w = qobject_cast<const QAbstractSpinBox *>(o))
        return w->text();
    if (auto *w = qobject_cast<const QGroupBox *>(o))
        return w->title();
    if (auto *w = qobject_cast<const QTextEdit *>(o))
        return w->toPlainText();
    if (auto *w = qobject_cast<const QPlainTextEdit *>(o))
        return w->toPlainText();
    if (auto *w = qobject_cast<const QProgressBar *>(o))
        return w->text();
    if (auto *a = qobject_cast<const QAction *>(o))
        return a->text();
    if (auto *w = qobject_cast<const QWidget *>(o))
        return w->windowTitle();
    return {};
}

void addRange(QJsonObject &out, int value, int minimum, int maximum)
{
    out.insert(u"value", value);
    out.insert(u"minimum", minimum);
    out.insert(u"maximum", maximum);
}

void addGrid(QJsonObject &out, const QAbstractItemView *view)
{
    const QAbstractItemModel *model = view->model();
    if (!model)
        return;
    const int columns = model->columnCount();
    if (!qobject_cast<const QTableView *>(view)) {
        QJsonArray items;
        for (int r = 0; r < model->rowCount(); ++r)
            items << model->index(r, 0).data().toString();
        out.insert(u"items", items);
        return;
    }
    QJsonArray headers;
    for (int c = 0; c < columns; ++c)
        headers << model->headerData(c, Qt::Horizontal).toString();
    QJsonArray rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        QJsonArray row;
        for (int c = 0; c < columns; ++c)
            row << model->index(r, c).data().toString();
        rows << row;
    }
    out.insert(u"headers", headers);
    out.insert(u"rows", rows);
}

QJsonArray pointArray(const QList<QPointF> &points)
{
    QJsonArray out;
    for (const QPointF &p : points)
        out << QJsonArray{p.x(), p.y()};
    return out;
}

// The class name charts have always been dumped under, so that scripts which
// look for a chart by its class still find it.
const QString kChartClass = QStringLiteral("QChartView");

// Each series with its points as plotted (bars: category index and height),
// the category axis's labels, and both axes' titles and ranges (a category
// axis's range is its first and last label); nothing for a chart not drawn yet.
void addChart(QJsonObject &out, const ChartView &view)
{
    QJsonArray series;
    QJsonArray axes;
    QJsonArray categories;
    const Chart::Model &chart = view.model();
    for (const Chart::Series &s : chart.series) {
        if (s.inDump)
            series << QJsonObject{{QStringLiteral("name"), s.name}, {QStringLiteral("points"), pointArray(s.points)}};
    }
    for (const Chart::Axis *axis : {&chart.x, &chart.y}) {
        if (!view.hasModel())
            break;
        QJsonObject a{{QStringLiteral("title"), axis->title}};
        if (axis->kind == Chart::Axis::Kind::Value) {
            a.insert(u"min", axis->min);
            a.insert(u"max", axis->max);
        } else {
            a.insert(u"min", axis->categories.value(0));
            a.insert(u"max", axis->categories.isEmpty() ? QString() : axis->categories.last());
            for (const QString &label : axis->categories)
                categories << label;
        }
        axes << a;
    }
    out.insert(u"series", series);
    out.insert(u"categories", categories);
    out.insert(u"axes", axes);
}

} // namespace

QJsonObject control(QObject *o)
{
    auto *chart = qobject_cast<ChartView *>(o);
    QJsonObject out{{QStringLiteral("class"), chart ? kChartClass : QString::fromLatin1(o->metaObject()->className())},
                    {QStringLiteral("text"), textOf(o)}};
    if (auto *a = qobject_cast<QAction *>(o)) {
        out.insert(u"visible", a->isVisible());
        out.insert(u"enabled", a->isEnabled());
        if (a->isCheckable())
            out.insert(u"checked", a->isChecked());
        return out;
    }
    if (auto *t = qobject_cast<QTimer *>(o)) {
        // A timer is "enabled" while it runs.
        out.insert(u"visible", false);
        out.insert(u"enabled", t->isActive());
        return out;
    }
    auto *w = qobject_cast<QWidget *>(o);
    if (!w)
        return out;
    out.insert(u"visible", w->isVisible());
    out.insert(u"enabled", w->isEnabled());
    if (auto *b = qobject_cast<QAbstractButton *>(w); b && b->isCheckable())
        out.insert(u"checked", b->isChecked());
    if (auto *g = qobject_cast<QGroupBox *>(w); g && g->isCheckable())
        out.insert(u"checked", g->isChecked());
    if (auto *box = qobject_cast<QComboBox *>(w)) {
        QJsonArray items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        out.insert(u"items", items);
    } else if (auto *view = qobject_cast<QAbstractItemView *>(w))
        addGrid(out, view);
    if (auto *s = qobject_cast<QAbstractSlider *>(w))
        addRange(out, s->value(), s->minimum(), s->maximum());
    else if (auto *s = qobject_cast<QSpinBox *>(w))
        addRange(out, s->value(), s->minimum(), s->maximum());
    else if (auto *p = qobject_cast<QProgressBar *>(w))
        addRange(out, p->value(), p->minimum(), p->maximum());
    if (chart)
        addChart(out, *chart);
    return out;
}

QJsonObject window(QWidget *w)
{
    QJsonObject controls;
    for (QObject *o : OpenWindows::namedControls(w))
        controls.insert(o->objectName(), control(o));
    return {{QStringLiteral("objectName"), w->objectName()},
            {QStringLiteral("title"), w->windowTitle()},
            {QStringLiteral("class"), QString::fromLatin1(w->metaObject()->className())},
            {QStringLiteral("controls"), controls}};
}

QJsonObject screen(const QList<Messages::Message> &messages)
{
    QJsonArray shown;
    for (const Messages::Message &m : messages)
        shown << QJsonObject{{QStringLiteral("title"), m.title}, {QStringLiteral("text"), m.text}};
    QJsonArray windows;
    for (QWidget *w : OpenWindows::frontFirst())
        windows << window(w);
    return {{QStringLiteral("messages"), shown}, {QStringLiteral("windows"), windows}};
}

} // namespace StateDump
