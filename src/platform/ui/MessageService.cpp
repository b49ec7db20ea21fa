#include "platform/ui/MessageService.h"

#include "platform/LocalBytes.h"

#include <QMessageBox>

#include <cstdio>

namespace Messages {

namespace {
Handler g_handler;
bool g_answer = false;

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// False when a question was not answered Yes.
bool present(QWidget *parent, const Message &message)
{
    if (g_handler) {
        g_handler(message);
        return !message.question || g_answer;
    }
    const auto buttons = message.question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(boxIcon(message.icon), message.title, message.text, buttons, parent);
    if (message.question)
        box.setDefaultButton(QMessageBox::No);
    // A path or an error can be copied from the box.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    const int clicked = box.exec();
    return !message.question || clicked == QMessageBox::Yes;
}

// An ID or a path may hold bytes not valid in the local encoding: shown as Latin-1.
Message message(const QString &text, const QString &title, Icon icon, bool question)
{
    return {LocalBytes::shown(text), title.isEmpty() ? kApplicationTitle : title, icon, question};
}

} // namespace

void show(QWidget *parent, const QString &text, const QString &title, Icon icon)
{
    present(parent, message(text, title, icon, false));
}

bool ask(QWidget *parent, const QString &text, const QString &title)
{
    return present(parent, message(text, title, Icon::Question, true));
}

void setHandler(Handler handler, bool answer)
{
    g_handler = std::move(handler);
    g_answer = answer;
}

void printToStandardError(const Message &message)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(message.title), qPrintable(message.text));
}

} // namespace Messages
