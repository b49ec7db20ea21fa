#include "platform/ui/MessageService.h"

#include "platform/LocalBytes.h"

#include <QMessageBox>

#include <cstdio>

namespace Messages {

namespace {
Handler g_handler;

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void show(QWidget *parent, const QString &text, const QString &title, Icon icon)
{
    // An ID or a path may hold bytes not valid in the local encoding: shown as Latin-1.
    const Message message{LocalBytes::shown(text), title.isEmpty() ? kApplicationTitle : title, icon};
    if (g_handler) {
        g_handler(message);
        return;
    }
    QMessageBox box(boxIcon(icon), message.title, message.text, QMessageBox::Ok, parent);
    // A path or an error can be copied from the box.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

void setHandler(Handler handler)
{
    g_handler = std::move(handler);
}

void printToStandardError(const Message &message)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(message.title), qPrintable(message.text));
}

} // namespace Messages
