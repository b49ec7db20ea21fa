#include "UntranslatedTexts.h"

#include "platform/ui/WindowParts.h"
#include "reports/ui/chart/ChartView.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace UntranslatedTexts {

namespace {

// Texts of the chart as it is drawn now.
QStringList chartTexts(const ChartView *chart)
{
    Chart::ChartRecorder recorder(chart);
    chart->paint(recorder);
    QStringList out;
    for (const Chart::ChartRecorder::Item &item : recorder.items())
        if (item.role == Chart::Role::Text)
            out << item.text;
    return out;
}

QStringList shownTexts(const QWidget *w)
{
    QStringList out{w->accessibleName(), w->accessibleDescription(), w->toolTip()};
    if (w->isWindow())
        out << w->windowTitle();
    if (const auto *label = qobject_cast<const QLabel *>(w))
        out << label->text();
    else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        out << button->text();
    else if (const auto *box = qobject_cast<const QComboBox *>(w))
        out << box->currentText();
    else if (const auto *edit = qobject_cast<const QLineEdit *>(w))
        out << edit->text() << edit->placeholderText();
    else if (const auto *chart = qobject_cast<const ChartView *>(w))
        out << chartTexts(chart);
    if (const auto *view = qobject_cast<const QAbstractItemView *>(w); view && view->model()) {
        for (int c = 0; c < view->model()->columnCount(); ++c)
            out << view->model()->headerData(c, Qt::Horizontal).toString();
        for (int r = 0; r < view->model()->rowCount(); ++r)
            out << view->model()->headerData(r, Qt::Vertical).toString();
    }
    return out;
}

} // namespace

bool isEnglish(const QString &text, const QStringList &keep)
{
    // Longer words first: "C" must not take the end of "A1C".
    QStringList words = keep;
    std::sort(words.begin(), words.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    QString rest = text;
    for (const QString &word : std::as_const(words))
        rest.replace(
            QRegularExpression(QStringLiteral("(?<![A-Za-z])%1(?![A-Za-z])").arg(QRegularExpression::escape(word))),
            QStringLiteral(" "));
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    return rest.contains(latin);
}

QStringList in(QWidget *window, const QStringList &keep)
{
    QStringList out;
    QList<QWidget *> widgets{window};
    widgets << window->findChildren<QWidget *>();
    for (const QWidget *w : std::as_const(widgets)) {
        if (!w->isVisibleTo(window) || WindowParts::isHoverOnly(w))
            continue;
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                       : w->objectName();
        for (const QString &text : shownTexts(w))
            if (isEnglish(text, keep))
                out << QStringLiteral("%1: \"%2\"").arg(name, text);
    }
    out.removeDuplicates();
    return out;
}

} // namespace UntranslatedTexts
