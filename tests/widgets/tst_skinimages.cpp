// Skin images decoded ahead on worker threads give what loading the file gives, and a file
// that changes or appears is read again.
#include "skinimages.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage filled(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

} // namespace

class SkinImagesTest : public QObject {
    Q_OBJECT

private slots:
    void preloadedAsLoaded()
    {
        QTemporaryDir dir;
        const QColor colors[] = {Qt::red, Qt::green, Qt::blue, QColor(10, 20, 30, 128)};
        QStringList paths;
        for (int i = 0; i < 12; ++i) {
            paths << dir.path() + QString("/image%1.png").arg(i);
            QVERIFY(filled(40 + 30 * i, 20 + i, colors[i % 4]).save(paths.last()));
        }
        PreloadSkinImages(dir.path());
        // In an order of their own, one of them twice, while the workers decode.
        for (int i : {11, 0, 5, 5, 3, 1, 2, 4, 6, 7, 8, 9, 10}) {
            const QPixmap pixmap = SkinPixmap(paths[i]);
            QCOMPARE(pixmap.toImage(), QPixmap(paths[i]).toImage());
        }
        QVERIFY(SkinPixmap(dir.path() + "/missing.png").isNull());
        QVERIFY(SkinPixmap(QString()).isNull());
    }

    void changedFilesReadAgain()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/later.png";
        QVERIFY(SkinPixmap(path).isNull());
        QVERIFY(filled(8, 8, Qt::green).save(path));
        QCOMPARE(SkinPixmap(path).toImage().pixelColor(0, 0), QColor(Qt::green));
        QVERIFY(QFile::remove(path));
        QVERIFY(filled(9, 8, Qt::red).save(path));
        QCOMPARE(SkinPixmap(path).toImage().pixelColor(0, 0), QColor(Qt::red));
    }
};

QTEST_MAIN(SkinImagesTest)
#include "tst_skinimages.moc"
