// Build-time tool: renders one of our SVG drawings to PNG, so that the program
// shows its pictures without parsing SVG at start-up.
// Usage: render_art PICTURE.svg OUTPUT.png [SIZE]
//   without SIZE: OUTPUT.png at the drawing's own size, and OUTPUT@2x.png at twice
//                 that size, which Qt picks on high-density screens;
//   with SIZE:    OUTPUT.png only, fitted into SIZE×SIZE (for icon themes).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

bool render(QSvgRenderer &picture, const QSize &box, const QString &output)
{
    // Fitted as Qt's own SVG icons are: aspect ratio kept, no padding.
    const QSize size = picture.defaultSize().scaled(box, Qt::KeepAspectRatio);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.render(&painter);
    painter.end();
    return image.save(output);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "minimal");
    QGuiApplication application(argc, argv);
    if (argc < 3 || argc > 4) {
        std::fputs("usage: render_art PICTURE.svg OUTPUT.png [SIZE]\n", stderr);
        return 2;
    }
    QSvgRenderer picture(QString::fromLocal8Bit(argv[1]));
    const QString output = QString::fromLocal8Bit(argv[2]);
    if (!picture.isValid())
        return 1;
    if (argc == 4) {
        const int size = QByteArray(argv[3]).toInt();
        return render(picture, QSize(size, size), output) ? 0 : 1;
    }
    const QString doubleDensity = output.chopped(4) + QStringLiteral("@2x.png");
    const QSize own = picture.defaultSize();
    return render(picture, own, output) && render(picture, own * 2, doubleDensity) ? 0 : 1;
}
