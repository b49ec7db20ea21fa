#include "app/ui/OpenWindows.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QWidget>

#include <algorithm>

namespace OpenWindows {

namespace {

bool isShownWindow(const QWidget *w)
{
    const Qt::WindowType type = w->windowType();
    return w->isVisible() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop;
}

// The pages of every frame inside `window`, front page first.
QList<QWidget *> pagesOf(QWidget *window)
{
    QList<QWidget *> pages;
    for (QMdiArea *area : window->findChildren<QMdiArea *>()) {
        QList<QMdiSubWindow *> subs = area->subWindowList(QMdiArea::StackingOrder);
        std::reverse(subs.begin(), subs.end());
        for (QMdiSubWindow *sub : subs) {
            if (sub->widget() && sub->isVisible())
                pages << sub->widget();
        }
    }
    return pages;
}

void collect(QObject *parent, QList<QObject *> *out)
{
    for (QObject *child : parent->children()) {
        // A window's menus belong to it; its other windows and pages do not.
        if (auto *w = qobject_cast<QWidget *>(child);
            w && ((w->isWindow() && !qobject_cast<QMenu *>(w)) || qobject_cast<QMdiSubWindow *>(w)))
            continue;
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(u'_') && !name.startsWith(QLatin1String("qt_")))
            *out << child;
        collect(child, out);
    }
}

} // namespace

QList<QWidget *> frontFirst()
{
    QList<QWidget *> windows;
    const auto add = [&windows](QWidget *w) {
        if (w && isShownWindow(w) && !windows.contains(w))
            windows << w;
    };
    add(QApplication::activeModalWidget());
    add(QApplication::activeWindow());
    // The rest in an order of their own (Qt lists them in none): a dialog in
    // front of its owner, then by name.
    QList<QWidget *> rest = QApplication::topLevelWidgets();
    const auto owners = [](const QWidget *w) {
        int n = 0;
        while ((w = w->parentWidget()))
            ++n;
        return n;
    };
    std::sort(rest.begin(), rest.end(), [&owners](const QWidget *a, const QWidget *b) {
        return std::pair(-owners(a), a->objectName()) < std::pair(-owners(b), b->objectName());
    });
    for (QWidget *w : std::as_const(rest))
        add(w);

    QList<QWidget *> out;
    for (QWidget *w : std::as_const(windows))
        out << pagesOf(w) << w;
    return out;
}

QList<QObject *> namedControls(QWidget *window)
{
    QList<QObject *> out;
    collect(window, &out);
    return out;
}

} // namespace OpenWindows
