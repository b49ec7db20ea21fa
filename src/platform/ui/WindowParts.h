#pragma once

#include <QList>
#include <QString>
#include <Qt>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Building blocks the login and new-user windows share: every control carries
// its name as objectName.
namespace WindowParts {

// A window of its own with a caption but no title-bar buttons.
inline constexpr Qt::WindowFlags kFixedDialogFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

template<typename T>
T *named(QWidget *parent, const char *name)
{
    auto *object = new T(parent);
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

QLabel *label(QWidget *parent, const char *name, const QString &text);
QLineEdit *passwordBox(QWidget *parent, const char *name);
QPushButton *button(QWidget *parent, const char *name, const QString &text);
// The buttons side by side, right-aligned.
QBoxLayout *buttonRow(const QList<QPushButton *> &buttons);

} // namespace WindowParts
