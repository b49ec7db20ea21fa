// windows-pictures: the program's SVG pictures as the Windows build takes them,
// which has no SVG module. Runs on the Linux build, at build time.
//
//   windows-pictures png SVG OUT_DIR NAME SIZE...   OUT_DIR/NAME-SIZE.png for each size
//   windows-pictures ico SVG OUT.ico SIZE...        one icon file holding every size

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "windows-pictures: %s\n", qPrintable(message));
    return 1;
}

QImage render(QSvgRenderer &svg, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An icon file whose images are PNG, as Windows has read them since Vista:
// a header, one directory entry per image, then the images.
QByteArray icon(QSvgRenderer &svg, const QList<int> &sides)
{
    QList<QByteArray> images;
    for (int side : sides)
        images << png(render(svg, side));
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const quint8 side = sides.at(i) >= 256 ? 0 : quint8(sides.at(i)); // 0 stands for 256
        stream << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(images.at(i).size())
               << offset;
        offset += quint32(images.at(i).size());
    }
    for (const QByteArray &image : images)
        stream.writeRawData(image.constData(), int(image.size()));
    return out;
}

bool save(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool ico = args.value(0) == QLatin1String("ico");
    const qsizetype firstSize = ico ? 3 : 4;
    if ((!ico && args.value(0) != QLatin1String("png")) || args.size() <= firstSize)
        return fail(QStringLiteral("usage: png SVG OUT_DIR NAME SIZE... | ico SVG OUT.ico SIZE..."));
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid())
        return fail(QStringLiteral("cannot read %1").arg(args.at(1)));
    QList<int> sides;
    for (const QString &s : args.mid(firstSize)) {
        bool ok = false;
        sides << s.toInt(&ok);
        if (!ok || sides.last() < 1 || sides.last() > 256)
            return fail(QStringLiteral("a size is a number of pixels from 1 to 256, not %1").arg(s));
    }
    if (ico)
        return save(args.at(2), icon(svg, sides)) ? 0 : fail(QStringLiteral("cannot write %1").arg(args.at(2)));
    for (int side : sides) {
        const QString path = QDir(args.at(2)).filePath(QStringLiteral("%1-%2.png").arg(args.at(3)).arg(side));
        if (!save(path, png(render(svg, side))))
            return fail(QStringLiteral("cannot write %1").arg(path));
    }
    return 0;
}
