// Renders an SVG icon to a square PNG of a given size, for the hicolor theme
// folders of an installation. Uses Qt's own SVG image plugin, which the
// programs need anyway, so the build needs no separate renderer.
//
// Usage: render_icon input.svg size output.png

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    // No display at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s input.svg size output.png\n", argv[0]);
        return 2;
    }
    const int size = std::atoi(argv[2]);
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    reader.setFormat("svg");
    reader.setScaledSize(QSize(size, size));
    const QImage image = reader.read();
    if (image.isNull() || image.width() != size) {
        std::fprintf(stderr, "cannot render %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    if (!image.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
