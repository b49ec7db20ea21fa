#pragma once

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's own pictures, drawn from the SVG files under ":/images/".
namespace Pictures {

// The picture ":/images/<name>.svg" drawn at the given size; a null pixmap when
// there is no such picture.
QPixmap pixmap(const QString &name, QSize size);
QIcon icon(const QString &name);

} // namespace Pictures

// A picture that reacts to a click of the left mouse button, as the pictures of
// the index and menu pages do, and to Space or Enter once it has the focus, so
// that it can be reached without a mouse.
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
    // The focus shows as the style's focus frame.
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
};
