// Build-time tool: renders an SVG picture to square PNG files, one per size.
// Usage: render_icon PICTURE.svg OUTPUT_FOLDER SIZE...  (writes OUTPUT_FOLDER/SIZE.png)
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "minimal");
    QGuiApplication application(argc, argv);
    if (argc < 4) {
        std::fputs("usage: render_icon PICTURE.svg OUTPUT_FOLDER SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer picture(QString::fromLocal8Bit(argv[1]));
    if (!picture.isValid())
        return 1;
    for (int index = 3; index < argc; ++index) {
        const int size = QByteArray(argv[index]).toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.render(&painter);
        painter.end();
        if (!image.save(QStringLiteral("%1/%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size)))
            return 1;
    }
    return 0;
}
