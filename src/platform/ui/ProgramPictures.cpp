#include "platform/ui/ProgramPictures.h"

#include <QFile>
#include <QPainter>

#ifdef DEXTREL_PNG_PICTURE_SIDES
#include <algorithm>
#include <iterator>
#else
#include <QSvgRenderer>
#endif

namespace Pictures {

#ifdef DEXTREL_PNG_PICTURE_SIDES
// The smallest rendition at least as large as asked (or the largest), scaled
// down smoothly where it is larger.
QPixmap pixmap(const QString &name, QSize size)
{
    static constexpr int kSides[] = {DEXTREL_PNG_PICTURE_SIDES};
    const int side = std::max(size.width(), size.height());
    const auto *rendition = std::find_if(std::begin(kSides), std::end(kSides), [side](int s) { return s >= side; });
    const int chosen = rendition == std::end(kSides) ? kSides[std::size(kSides) - 1] : *rendition;
    const QPixmap out(QStringLiteral(":/images/%1-%2.png").arg(name).arg(chosen));
    if (out.isNull() || out.size() == size)
        return out;
    return out.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
#else
QPixmap pixmap(const QString &name, QSize size)
{
    const QString path = QStringLiteral(":/images/%1.svg").arg(name);
    if (!QFile::exists(path))
        return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QPixmap out(size);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    renderer.render(&painter);
    return out;
}
#endif

QIcon icon(const QString &name)
{
    QIcon out;
    for (int side : {16, 24, 32, 48})
        out.addPixmap(pixmap(name, QSize(side, side)));
    return out;
}

} // namespace Pictures
