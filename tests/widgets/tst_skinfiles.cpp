// Every skin picture the program's sources name exists in resources/skin, so a renamed or
// forgotten image fails here instead of leaving a blank button at run time.
#include "dialogbuttons.h"
#include "kitfixture.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

namespace {

const QString kRoot = QStringLiteral(SOURCE_ROOT);
const QString kSkin = kRoot + "/resources/skin";

QStringList sourceFiles()
{
    QStringList files;
    for (const char *folder : {"app", "widgets", "pages", "buttons", "macro"}) {
        QDirIterator it(kRoot + "/" + folder, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    }
    return files;
}

QString read(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// Every file of the skin, relative to it.
QStringList skinFiles()
{
    QStringList files;
    QDirIterator it(kSkin, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(kSkin).relativeFilePath(it.next());
    return files;
}

// One printf or arg placeholder becomes its first value.
QString firstOf(QString name) { return name.replace("%d", "1").replace("%1", "1"); }

} // namespace

class TestSkinFiles : public QObject {
    Q_OBJECT
private slots:
    void namedPicturesExist_data()
    {
        QTest::addColumn<QString>("literal");
        QTest::addColumn<QString>("source");
        // "/skin/name.png" inside any literal, and bare picture names in their own literal
        // ("checkbox2-1.png", "Mouse.png", "_Side.png", "mouse_%d.png").
        const QRegularExpression path(R"(/skin/([A-Za-z0-9_.%\-]+(?:/[A-Za-z0-9_.%\-]+)*\.(?:png|ico|gif)))");
        const QRegularExpression bare(R"re("([A-Za-z0-9_%\-]+\.(?:png|ico|gif))")re");
        int found = 0;
        for (const QString &file : sourceFiles()) {
            const QString text = read(file);
            const QString where = QDir(kRoot).relativeFilePath(file);
            for (const QRegularExpression &re : {path, bare}) {
                auto it = re.globalMatch(text);
                while (it.hasNext()) {
                    const QRegularExpressionMatch m = it.next();
                    const QString literal = (&re == &path ? "/skin/" : "") + m.captured(1);
                    QTest::newRow(qPrintable(where + ": " + literal)) << literal << where;
                    ++found;
                }
            }
        }
        QVERIFY2(found > 40, "the scan found the program's skin names");
    }
    void namedPicturesExist()
    {
        QFETCH(QString, literal);
        const QString name = firstOf(literal);
        if (name.startsWith("/skin/")) {
            QVERIFY2(QFile::exists(kSkin + name.mid(5)), qPrintable(name + " is missing from resources/skin"));
            return;
        }
        // A bare name lies somewhere in the skin (a model folder for the mouse pictures);
        // one beginning with "_" is a suffix ("<model>_Side.png").
        const QStringList files = skinFiles();
        const bool present = std::any_of(files.cbegin(), files.cend(), [&name](const QString &f) {
            return name.startsWith('_') ? f.endsWith(name) : (f == name || f.endsWith("/" + name));
        });
        QVERIFY2(present, qPrintable(name + " is missing from resources/skin"));
    }

    void sampleModelHasEveryPicture()
    {
        QSettings config(kRoot + "/resources/device/Configs/Config.ini", QSettings::IniFormat);
        const QString model = config.value("Mouse_List/0").toString();
        QVERIFY(!model.isEmpty());
        const QString folder = kSkin + "/mouse/" + model;
        QVERIFY(QFile::exists(folder + "/Mouse.png"));
        for (int k = 1; k <= 20; ++k)
            QVERIFY2(QFile::exists(folder + QString("/mouse_%1.png").arg(k)), qPrintable(QString::number(k)));
        QVERIFY(QFile::exists(kSkin + "/mouse/" + model + "_Side.png"));
    }

    void kitResourcesAndWindowPictures()
    {
        EnsureKitResources();
        for (const char *resource : {":/skin/loading.gif", ":/yes_Btn", ":/no_Btn"})
            QVERIFY2(QFile::exists(resource), resource);
        // The window's mask comes from the background: an opaque 999 × 640 picture.
        const QImage background(kSkin + "/cfgMainback.png");
        QCOMPARE(background.size(), QSize(999, 640));
        QVERIFY(!background.hasAlphaChannel() || background.convertToFormat(QImage::Format_ARGB32).pixelColor(0, 0).alpha() == 255);
        QVERIFY(!QImage(kSkin + "/icon.ico").isNull());
    }
};

QTEST_MAIN(TestSkinFiles)
#include "tst_skinfiles.moc"
