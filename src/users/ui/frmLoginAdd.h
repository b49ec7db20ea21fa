#pragma once

#include <QWidget>

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

// The new-user window: an ID and the password typed twice. Whoever shows it
// listens to added() and cancelled() to bring the login window back.
class frmLoginAdd : public QWidget
{
    Q_OBJECT

public:
    explicit frmLoginAdd(const QString &dataDir, QWidget *parent = nullptr);

Q_SIGNALS:
    void added();
    void cancelled();

private:
    void onOkClicked();

    const QString m_dataDir;
    QLineEdit *TextName;
    QLabel *LabelName;
    QLineEdit *TextPasswd;
    QLabel *LabelPasswd;
    QLineEdit *TextCheck;
    QLabel *LabelCheck;
    QPushButton *CommandAddOk;
    QPushButton *CommandCancel;
};
