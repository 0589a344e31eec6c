// Writes the application icon in the sizes desktops look up, scaled from its largest original:
//   iconsizes SOURCE FOLDER NAME SIZE...   writes FOLDER/<SIZE>x<SIZE>/apps/NAME.png
#include <QDir>
#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: iconsizes SOURCE FOLDER NAME SIZE...\n");
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    if (source.isNull()) {
        std::fprintf(stderr, "iconsizes: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString dir = QString("%1/%2x%2/apps").arg(folder).arg(size);
        const QString path = dir + "/" + name + ".png";
        if (size <= 0 || !QDir().mkpath(dir)
            || !source.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation).save(path)) {
            std::fprintf(stderr, "iconsizes: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
