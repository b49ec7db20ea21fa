#include "users/ui/frmReadOldData.h"
#include "platform/ui/WindowParts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr UiText kReadingText{"frmReadOldData", QT_TRANSLATE_NOOP("frmReadOldData", "Reading...")};
}

frmReadOldData::frmReadOldData(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmReadOldData"));
    WindowParts::setTitle(this, kReadingText);
    QLabel *label = WindowParts::label(this, "Label1", kReadingText);
    label->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
}
