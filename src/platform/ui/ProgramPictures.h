#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's own pictures, drawn from the SVG files under ":/images/"; where
// Qt has no SVG module (Windows), from PNG renditions of them made at build
// time (":/images/<name>-<side>.png", see cmake/WindowsPictures.cmake).
namespace Pictures {

// The picture <name> drawn at the given size; a null pixmap when there is no
// such picture.
QPixmap pixmap(const QString &name, QSize size);
QIcon icon(const QString &name);

} // namespace Pictures
