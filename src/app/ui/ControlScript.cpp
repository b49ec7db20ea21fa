#include "app/ui/ControlScript.h"

#include "app/ui/OpenWindows.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>

namespace ControlScript {

namespace {

void pressEnter(QWidget *target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

void clickInMiddle(QWidget *target)
{
    const QPointF middle = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(middle);
    QMouseEvent press(QEvent::MouseButtonPress, middle, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, middle, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

bool readNumber(const QString &text, int *value)
{
    bool ok = false;
    *value = text.trimmed().toInt(&ok);
    return ok;
}

// "2005/3/14" (year/month/day) or, in date format 2, "14/3/2005".
QDate readDate(const QString &text, DateFormat dateFormat)
{
    const QStringList parts = text.trimmed().split(u'/');
    if (parts.size() != 3)
        return {};
    int n[3];
    for (int i = 0; i < 3; ++i) {
        if (!readNumber(parts[i], &n[i]))
            return {};
    }
    return dateFormat == DateFormat::DayMonthYear ? QDate(n[2], n[1], n[0]) : QDate(n[0], n[1], n[2]);
}

QString setCombo(QComboBox *box, const QString &text)
{
    if (box->isEditable()) {
        box->setEditText(text);
        // Keys typed into an editable list go to the list, which hands them to its text box.
        pressEnter(box);
        return {};
    }
    const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return QCoreApplication::translate("ControlScript", "\"%1\" has no entry \"%2\".").arg(box->objectName(), text);
    // A choice made with the mouse: the entry becomes current, then is activated.
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
    Q_EMIT box->textActivated(text);
    return {};
}

QString setWidget(QWidget *widget, const QString &value, DateFormat dateFormat)
{
    const QString name = widget->objectName();
    const auto notA = [&name, &value](const char *what) {
        return QCoreApplication::translate("ControlScript", "\"%1\" for \"%2\" is not %3.")
            .arg(value, name, QCoreApplication::translate("ControlScript", what));
    };
    if (auto *box = qobject_cast<QComboBox *>(widget))
        return setCombo(box, value);
    if (auto *dateEdit = qobject_cast<QDateEdit *>(widget)) {
        const QDate date = readDate(value, dateFormat);
        if (!date.isValid())
            return notA(dateFormat == DateFormat::DayMonthYear
                            ? QT_TRANSLATE_NOOP("ControlScript", "a date (day/month/year)")
                            : QT_TRANSLATE_NOOP("ControlScript", "a date (year/month/day)"));
        dateEdit->setDate(date);
        return {};
    }
    auto *spin = qobject_cast<QSpinBox *>(widget);
    auto *slider = qobject_cast<QAbstractSlider *>(widget);
    if (spin || slider) {
        int number = 0;
        if (!readNumber(value, &number))
            return notA(QT_TRANSLATE_NOOP("ControlScript", "a number"));
        spin ? spin->setValue(number) : slider->setValue(number);
        return {};
    }
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        edit->setText(value);
        pressEnter(edit);
        return {};
    }
    if (auto *button = qobject_cast<QAbstractButton *>(widget); button && button->isCheckable()) {
        const QString v = value.trimmed().toLower();
        const bool wanted = !(v == u"0" || v == u"false" || v == u"off");
        // An option button can only be chosen, not unchosen, by a click.
        if (button->isChecked() != wanted)
            button->click();
        if (button->isChecked() != wanted)
            return wanted ? QCoreApplication::translate("ControlScript", "\"%1\" cannot be chosen.").arg(name)
                          : QCoreApplication::translate("ControlScript", "\"%1\" cannot be cleared.").arg(name);
        return {};
    }
    return QCoreApplication::translate("ControlScript", "\"%1\" (%2) cannot be set.")
        .arg(name, QLatin1String(widget->metaObject()->className()));
}

} // namespace

QObject *find(const QString &name)
{
    for (QWidget *window : OpenWindows::frontFirst()) {
        if (window->objectName() == name)
            return window;
        for (QObject *control : OpenWindows::namedControls(window)) {
            if (control->objectName() == name)
                return control;
        }
    }
    return nullptr;
}

QString apply(const ScriptStep &step, DateFormat dateFormat)
{
    QObject *target = find(step.name);
    if (!target)
        return QCoreApplication::translate("ControlScript", "There is no control named \"%1\".").arg(step.name);

    if (auto *action = qobject_cast<QAction *>(target)) {
        if (step.kind == ScriptStep::Kind::Set)
            return QCoreApplication::translate("ControlScript", "\"%1\" is a menu item: click it.").arg(step.name);
        if (!action->isEnabled())
            return QCoreApplication::translate("ControlScript", "\"%1\" is not available.").arg(step.name);
        action->trigger();
        return {};
    }
    auto *widget = qobject_cast<QWidget *>(target);
    if (!widget)
        return QCoreApplication::translate("ControlScript", "\"%1\" is not a control.").arg(step.name);
    // A person cannot use what they cannot see or what is greyed out.
    if (!widget->isVisible() || !widget->isEnabled())
        return widget->isVisible() ? QCoreApplication::translate("ControlScript", "\"%1\" is disabled.").arg(step.name)
                                   : QCoreApplication::translate("ControlScript", "\"%1\" is hidden.").arg(step.name);

    if (step.kind == ScriptStep::Kind::Set)
        return setWidget(widget, step.value, dateFormat);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->click();
    else
        clickInMiddle(widget);
    return {};
}

} // namespace ControlScript
