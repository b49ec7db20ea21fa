#pragma once

#include "users/ui/PageContext.h"
#include "store/ReadingTexts.h"

#include <QWidget>

class DataListModel;
class QTableView;

// The data list for mg/dL users: the readings' lines of the user's file as a
// read-only table. A user without readings gets an empty list and no message.
class frmR01 : public QWidget
{
    Q_OBJECT

public:
    explicit frmR01(const PageContext &context, QWidget *parent = nullptr);

    QTableView *readings; // DBGrid1

protected:
    // What the list does for a user without readings; the mmol/L list differs.
    enum class NoReadings { EmptyList, MessageThenFile };
    frmR01(const PageContext &context, const char *name, GlucoseUnit captions, NoReadings noReadings, QWidget *parent);

private:
    DataListModel *m_model;
};
