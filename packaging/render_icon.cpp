// Renders an SVG picture to PNG files of given sizes: the hicolor theme
// folders of an installation, and the pictures the programs read at start-up
// without drawing SVG. Uses Qt's own SVG image plugin, which the programs
// need anyway, so the build needs no separate renderer.
//
// Usage: render_icon input.svg size output.png [size output.png]...
// A size is "N" for N x N pixels or "WxH".

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QStringList>

#include <cstdio>

namespace {

QSize sizeOf(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('x'));
    bool wide = false;
    bool high = false;
    const int width = parts.value(0).toInt(&wide);
    const int height = parts.size() == 2 ? parts[1].toInt(&high) : width;
    if (parts.size() > 2 || !wide || (parts.size() == 2 && !high) || width <= 0 || height <= 0)
        return {};
    return {width, height};
}

}  // namespace

int main(int argc, char* argv[]) {
    // No display at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: %s input.svg size output.png [size output.png]...\n", argv[0]);
        return 2;
    }
    for (int i = 2; i + 1 < argc; i += 2) {
        const QSize size = sizeOf(QString::fromLocal8Bit(argv[i]));
        if (size.isEmpty()) {
            std::fprintf(stderr, "not a size: %s\n", argv[i]);
            return 2;
        }
        QImageReader reader(QString::fromLocal8Bit(argv[1]));
        reader.setFormat("svg");
        reader.setScaledSize(size);
        const QImage image = reader.read();
        if (image.isNull() || image.size() != size) {
            std::fprintf(stderr, "cannot render %s: %s\n", argv[1], qPrintable(reader.errorString()));
            return 1;
        }
        if (!image.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[i + 1]), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", argv[i + 1]);
            return 1;
        }
    }
    return 0;
}
