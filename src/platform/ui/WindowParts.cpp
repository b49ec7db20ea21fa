#include "platform/ui/WindowParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace WindowParts {

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

} // namespace WindowParts
