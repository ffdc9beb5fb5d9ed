// Pictures come from their build-time renders where one fits and are drawn
// from the SVG at any other size.

#include "common/qt/resource_picture.h"
#include "converter/ui/icon_set.h"

#include <QApplication>
#include <QImageReader>
#include <QTest>

class ResourcePictureTest : public QObject {
    Q_OBJECT
private slots:
    void renderedSizesMatchTheDrawingAndOtherSizesAreDrawn() {
        const quantora::IconSet icons;  // makes the pictures available
        for (const char* name : {"toolbar/open", "tree/root", "arrow"}) {
            const QSize size =
                QString::fromLatin1(name) == QLatin1String("arrow") ? QSize(32, 17) : QSize(16, 16);
            for (const qreal ratio : {1.0, 1.5, 2.0}) {
                const QPixmap picture = common::resourcePicture(QString::fromLatin1(name), size, ratio);
                QCOMPARE(picture.size(), size * ratio);
                QCOMPARE(picture.devicePixelRatio(), ratio);
                QImageReader drawing(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(name)));
                drawing.setScaledSize(size * ratio);
                QImage pixels = picture.toImage().convertToFormat(QImage::Format_ARGB32);
                pixels.setDevicePixelRatio(1.0);
                QCOMPARE(pixels, drawing.read().convertToFormat(QImage::Format_ARGB32));
            }
        }
        QVERIFY(common::resourcePicture(QStringLiteral("no/such"), QSize(16, 16), 1.0).isNull());
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ResourcePictureTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "resource_picture_test.moc"
