#pragma once

#include "reports/ui/frmR01.h"

// The data list for mmol/L users. It differs from the mg/dL list in the caption
// of the glucose column and in telling a user without readings so, before it
// shows the file (which then holds only its template row).
class frmR01unit : public frmR01
{
    Q_OBJECT

public:
    explicit frmR01unit(const PageContext &context, QWidget *parent = nullptr);
};
