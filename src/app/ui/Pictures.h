#pragma once

#include "platform/ui/ProgramPictures.h"

#include <QLabel>

// A picture that reacts to a click of the left mouse button, as the pictures of
// the index and menu pages do; Tab reaches it, and Enter or Space clicks it.
class ClickablePicture : public QLabel
{
    Q_OBJECT

public:
    ClickablePicture(const QString &name, QSize size, QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
};
