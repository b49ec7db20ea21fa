#include "platform/ui/WindowParts.h"

#include <algorithm>
#include <functional>

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace WindowParts {

namespace {

constexpr char kHoverOnlyProperty[] = "dextrelHoverOnly";
// Room for the window manager's title bar and borders.
constexpr QSize kFrameAllowance(16, 48);

// Keys that nothing in the window took (list boxes, text boxes and option
// buttons let Enter and Escape through to their window) run the action, which
// says whether it used the key.
class KeyFilter : public QObject
{
public:
    KeyFilter(QWidget *window, QList<int> keys, std::function<bool()> action)
        : QObject(window)
        , m_keys(std::move(keys))
        , m_action(std::move(action))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::KeyPress && m_keys.contains(static_cast<QKeyEvent *>(event)->key())
               && m_action();
    }

private:
    const QList<int> m_keys;
    const std::function<bool()> m_action;
};

// Clicks the button when it is enabled: only then is the key used.
std::function<bool()> clicking(QPushButton *button)
{
    return [button] {
        if (!button->isEnabled())
            return false;
        button->click();
        return true;
    };
}

QRect availableArea(const QWidget *window)
{
    const QScreen *screen = window->screen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *l = named<QLabel>(parent, name);
    l->setText(text);
    return l;
}

QLabel *wrappedLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *l = name ? label(parent, name, text) : new QLabel(text, parent);
    l->setWordWrap(true);
    return l;
}

void setTitleFont(QLabel *label, qreal scale)
{
    QFont title = label->font();
    title.setPointSizeF(title.pointSizeF() * scale);
    title.setBold(true);
    label->setFont(title);
}

QLineEdit *passwordBox(QWidget *parent, const char *name)
{
    auto *box = named<QLineEdit>(parent, name);
    box->setEchoMode(QLineEdit::Password);
    // A "*" for each character, whatever the style would draw instead.
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    return box;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *b = named<QPushButton>(parent, name);
    b->setText(text);
    return b;
}

QBoxLayout *buttonRow(const QList<QPushButton *> &buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton *b : buttons)
        row->addWidget(b);
    return row;
}

void setMainButton(QWidget *window, QPushButton *button)
{
    for (QPushButton *b : window->findChildren<QPushButton *>())
        b->setAutoDefault(true);
    button->setDefault(true);
    window->installEventFilter(new KeyFilter(window, {Qt::Key_Return, Qt::Key_Enter},
                                             [window, clickMain = clicking(button)] {
        // A list one can type in takes Enter for what was typed.
        const auto *list = qobject_cast<const QComboBox *>(window->focusWidget());
        return !(list && list->isEditable()) && clickMain();
    }));
}

void closeOnEscape(QWidget *window)
{
    window->installEventFilter(new KeyFilter(window, {Qt::Key_Escape}, [window] { return window->close(); }));
}

void cancelOnEscape(QWidget *window, QPushButton *cancel)
{
    window->installEventFilter(new KeyFilter(window, {Qt::Key_Escape}, clicking(cancel)));
}

void setHoverOnly(QWidget *widget)
{
    widget->setProperty(kHoverOnlyProperty, true);
}

bool isHoverOnly(const QWidget *widget)
{
    return widget->property(kHoverOnlyProperty).toBool();
}

QSize fittedToScreen(const QWidget *window, QSize preferred)
{
    const QRect area = availableArea(window);
    if (area.isEmpty())
        return preferred;
    return preferred.boundedTo(area.size() - kFrameAllowance);
}

void placeOver(QWidget *window, const QWidget *owner)
{
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    // The window will have a title bar and borders like its owner's.
    const QSize decoration = owner->frameGeometry().size() - owner->geometry().size();
    QRect placed(QPoint(), window->size() + decoration);
    placed.moveCenter(owner->frameGeometry().center());
    if (const QRect area = availableArea(owner); !area.isEmpty()) {
        placed.moveLeft(std::max(area.left(), std::min(placed.left(), area.right() + 1 - placed.width())));
        placed.moveTop(std::max(area.top(), std::min(placed.top(), area.bottom() + 1 - placed.height())));
    }
    window->move(placed.topLeft());
}

void showOver(QWidget *window, QWidget *owner)
{
    // Keeps the window's type: a dialog stays one, the help browser a window.
    if (window->parentWidget() != owner)
        window->setParent(owner, window->windowFlags() | Qt::Window);
    if (!window->isVisible())
        placeOver(window, owner);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace WindowParts
