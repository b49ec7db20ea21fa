#include "users/ui/frmReadOldData.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {
const QString kReadingText = QStringLiteral("Reading...");
}

frmReadOldData::frmReadOldData(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmReadOldData"));
    setWindowTitle(kReadingText);
    auto *label = new QLabel(kReadingText, this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
}
