#pragma once

#include <QList>

class QObject;
class QWidget;

// What a person sees open on the screen: windows and the pages inside a frame,
// as the scripted start finds and reports them.
namespace OpenWindows {

// Every shown window and every page of a multiple-document frame, front
// first: a modal window, then the active window (its pages before itself, the
// active page first), then the rest, each dialog before its owner.
QList<QWidget *> frontFirst();

// Every named control of a window or page (widgets, menu items, timers), in
// creation order. Controls of its pages and of windows of their own are left
// to those; names that Qt gives its own parts ("qt_…", "_…") are passed over.
QList<QObject *> namedControls(QWidget *window);

} // namespace OpenWindows
