#pragma once

#include "platform/ui/MessageService.h"

#include <QJsonObject>
#include <QList>

class QObject;
class QWidget;

// What is on the screen as one JSON object, so a scripted start can be checked
// without looking at pixels:
//
//   {"messages": [{"title": "Qel", "text": "No data !"}],
//    "windows": [{"objectName": "frmR05", "title": "Histogram", "class": "frmR05",
//                 "controls": {"Label9": {"class": "QLabel", "text": "42", "visible": true,
//                                         "enabled": true}, …}}, …]}
//
// Windows and pages come front first. Each control has its class, text,
// visible and enabled, and where they apply: items (lists, combo boxes),
// checked (option buttons, check boxes, menu items), value/minimum/maximum
// (scroll bars, spin boxes, progress bars), headers and rows (grids, every row
// as shown), and for charts series (name, points [x, y] as plotted),
// categories and axes (title, min, max).
namespace StateDump {

QJsonObject window(QWidget *window);
QJsonObject control(QObject *control);
QJsonObject screen(const QList<Messages::Message> &messages);

} // namespace StateDump
