#include "UntranslatedTexts.h"

#include "platform/ui/WindowParts.h"
#include "reports/ui/chart/ChartView.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>

namespace UntranslatedTexts {

namespace {

QStringList shownTexts(const QWidget *w)
{
    QStringList out{w->accessibleName(), w->accessibleDescription(), w->toolTip(), w->windowTitle()};
    if (const auto *label = qobject_cast<const QLabel *>(w))
        out << label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        out << button->text();
    if (const auto *box = qobject_cast<const QComboBox *>(w))
        out << box->currentText();
    if (const auto *view = qobject_cast<const QAbstractItemView *>(w); view && view->model())
        for (int c = 0; c < view->model()->columnCount(); ++c)
            out << view->model()->headerData(c, Qt::Horizontal).toString();
    if (const auto *chart = qobject_cast<const ChartView *>(w)) {
        Chart::ChartRecorder recorder(chart);
        chart->paint(recorder);
        for (const Chart::ChartRecorder::Item &item : recorder.items())
            out << item.text;
    }
    return out;
}

} // namespace

bool isEnglish(const QString &text, const QStringList &keep)
{
    // A word is what stands between spaces and signs: "mg/dL", "A1C".
    static const QRegularExpression word(QStringLiteral("[A-Za-z0-9/]*[A-Za-z][A-Za-z0-9/]*"));
    for (const QRegularExpressionMatch &m : word.globalMatch(text))
        if (!keep.contains(m.captured()))
            return true;
    return false;
}

QStringList in(QWidget *window, const QStringList &keep)
{
    QStringList out;
    const QList<QWidget *> widgets = window->findChildren<QWidget *>() << window;
    for (const QWidget *w : widgets) {
        if (!w->isVisibleTo(window) || WindowParts::isHoverOnly(w))
            continue;
        for (const QString &text : shownTexts(w))
            if (isEnglish(text, keep))
                out << QStringLiteral("%1: \"%2\"").arg(w->objectName(), text);
    }
    out.removeDuplicates();
    return out;
}

} // namespace UntranslatedTexts
