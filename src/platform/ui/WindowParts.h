#pragma once

#include <QList>
#include <QString>
#include <Qt>

class QBoxLayout;
class QLabel;
class QSize;
class QLineEdit;
class QPushButton;
class QWidget;

// Building blocks the windows share: every control carries its name as
// objectName, so tests and the scripted start find it.
namespace WindowParts {

// A window of its own with a caption but no title-bar buttons.
inline constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
// A dialog of the window that shows it (see showOver), with a caption and a
// close button only.
inline constexpr Qt::WindowFlags kOwnedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                                     | Qt::WindowCloseButtonHint;

template<typename T>
T *named(QWidget *parent, const char *name)
{
    auto *object = new T(parent);
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

QLabel *label(QWidget *parent, const char *name, const QString &text);
// A label that wraps its text over several lines; name may be nullptr.
QLabel *wrappedLabel(QWidget *parent, const char *name, const QString &text);
// The big bold caption at the top of a page or the splash.
void setTitleFont(QLabel *label, qreal scale);
QLineEdit *passwordBox(QWidget *parent, const char *name);
QPushButton *button(QWidget *parent, const char *name, const QString &text);
// The buttons side by side, right-aligned.
QBoxLayout *buttonRow(const QList<QPushButton *> &buttons);

// Enter anywhere in the window clicks its main button, as in a dialog; a
// focused button, or a list one types in, still answers Enter itself.
void setMainButton(QWidget *window, QPushButton *button);
// Escape closes the window, as its close button does.
void closeOnEscape(QWidget *window);
// Escape clicks the window's Cancel button.
void cancelOnEscape(QWidget *window, QPushButton *cancel);

// Something drawn only while the pointer is over a chart (a marker, a details
// box): left out when the page is printed.
void setHoverOnly(QWidget *widget);
bool isHoverOnly(const QWidget *widget);

// preferred, or less where the screen is smaller, leaving room for the title bar.
QSize fittedToScreen(const QWidget *window, QSize preferred);
// Centres the window over its owner and keeps it within the owner's screen.
void placeOver(QWidget *window, const QWidget *owner);
// Shows the window as its owner's: window managers keep a dialog in front of
// its owner, and a window not shown yet opens centred on it. One already
// shown is brought to the front.
void showOver(QWidget *window, QWidget *owner);

} // namespace WindowParts
