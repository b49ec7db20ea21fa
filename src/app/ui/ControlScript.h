#pragma once

#include "store/ReadingTexts.h"

#include <QString>

class QObject;

// One step of a scripted start: set a named control as a user would, or click it.
struct ScriptStep
{
    enum class Kind { Set, Click };
    Kind kind = Kind::Set;
    QString name;  // the control's objectName
    QString value; // what --set gives it; empty for a click

    friend bool operator==(const ScriptStep &, const ScriptStep &) = default;
};

// Drives the named controls of the open windows the way a person at the
// keyboard and mouse would, so a window's own handlers run exactly as they do
// for that person: a combo box chooses the entry with the text (an editable one
// takes the text and then Enter), a text box takes the text and then Enter, a
// date edit takes a date written in the user's date format, a scroll bar or
// spin box takes the number, an option button or check box is chosen, and a
// click presses a button, triggers a menu item or clicks any other control in
// its middle.
namespace ControlScript {

// The control named `name` in the open windows, front window first; nullptr
// when no shown window has one.
QObject *find(const QString &name);

// Carries out the step; empty when done, otherwise why it could not be.
// Dates are read day/month/year for DayMonthYear, year/month/day otherwise.
QString apply(const ScriptStep &step, DateFormat dateFormat);

} // namespace ControlScript
