// Draws every image of the skin. Run through scripts/make-skin, which then assembles the
// animation and the icon with ImageMagick:
//   skingen <skin dir> <kit icon dir> <frames dir> <model name>
#include "output.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

namespace skin {

namespace {
bool write(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}
}  // namespace

bool Output::skin(const QImage &image, const QString &relativePath) const
{
    return write(image, skinDir + "/" + relativePath);
}

bool Output::icon(const QImage &image, const QString &name) const { return write(image, iconDir + "/" + name); }

bool Output::frame(const QImage &image, const QString &name) const { return write(image, framesDir + "/" + name); }

}  // namespace skin

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: skingen <skin dir> <kit icon dir> <frames dir> <model name>\n");
        return 2;
    }
    const skin::Output out{QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                           QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4])};
    skin::drawWindow(out);
    skin::drawControls(out);
    skin::drawDialogs(out);
    skin::drawMacro(out);
    skin::drawMouse(out);
    skin::drawSpinner(out);
    return 0;
}
