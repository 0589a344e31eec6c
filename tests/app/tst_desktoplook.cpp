// The window's pieces that come from the desktop rather than the skin: the file dialogs (their
// look, their size at the scale and Qt's own texts in the chosen language) and the dialog
// buttons' font.
#include "windowfixture.h"

#include "filedialogs.h"
#include "kestaction.h"
#include "kestpushbutton.h"
#include "macrodialog.h"
#include "scale.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

namespace {

void click(KestPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

// Runs look on the file dialog the next step opens, then cancels it.
void WhenFileDialogOpens(const std::function<void(QFileDialog *)> &look)
{
    QTimer::singleShot(20, [look] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            WhenFileDialogOpens(look);
            return;
        }
        look(dialog);
        dialog->reject();
    });
}

// The committed languages, French chosen, its translation beside the program.
void PrepareFrench(const QString &appDir)
{
    QSettings committed(QStringLiteral(SOURCE_ROOT "/resources/device/Configs/Config.ini"), QSettings::IniFormat);
    QSettings config(appDir + "/Configs/Config.ini", QSettings::IniFormat);
    int french = -1;
    committed.beginGroup("FONT_LIST");
    for (const QString &key : committed.childKeys()) {
        config.setValue("FONT_LIST/" + key, committed.value(key));
        if (key.startsWith("LangFile_") && committed.value(key).toString() == "fr")
            french = key.mid(9).toInt();
    }
    QSettings(appDir + "/Configs/LangConfig.ini", QSettings::IniFormat).setValue("Config/LangID", french);
    QDir().mkpath(appDir + "/lang");
    QFile::copy(QStringLiteral(LANG_DIR "/fr.qm"), appDir + "/lang/fr.qm");
    QFile::copy(QStringLiteral(LANG_DIR "/en.qm"), appDir + "/lang/en.qm");
}

double MeanGray(const QImage &image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

QString CancelText(QFileDialog *dialog)
{
    auto *buttons = dialog->findChild<QDialogButtonBox *>();
    return buttons ? buttons->button(QDialogButtonBox::Cancel)->text().remove('&') : QString();
}

// What Qt saves of its file dialogs as the last one closes, here from a smaller scale: a
// narrow side bar and narrow columns.
void PlantNarrowWidths()
{
    QByteArray header;
    {
        QFileDialog earlier;
        earlier.setOption(QFileDialog::DontUseNativeDialog);
        auto *tree = earlier.findChild<QTreeView *>("treeView");
        QVERIFY(tree);
        for (int column = 0; column < tree->header()->count(); ++column)
            tree->header()->resizeSection(column, 12);
        header = tree->header()->saveState();
    }
    QSettings saved(QSettings::UserScope, "QtProject");
    saved.beginGroup("FileDialog");
    saved.setValue("qtVersion", QT_VERSION_STR);
    saved.setValue("viewMode", "Detail");
    saved.setValue("sidebarWidth", 20);
    saved.setValue("treeViewHeader", header);
}

// Empty when the side bar and the visible columns are as wide as their texts and the columns
// fill the list; else what is narrower.
QString NarrowerThanTexts(QFileDialog *dialog)
{
    auto *sidebar = dialog->findChild<QListView *>("sidebar");
    auto *tree = dialog->findChild<QTreeView *>("treeView");
    if (!sidebar || !tree)
        return "no side bar or no folder view";
    QStringList narrow;
    if (sidebar->viewport()->width() < sidebar->sizeHintForColumn(0))
        narrow << QString("side bar %1 < %2").arg(sidebar->viewport()->width()).arg(sidebar->sizeHintForColumn(0));
    const QHeaderView *header = tree->header();
    const QAbstractItemView *view = tree;  // QTreeView hides its texts' width
    for (int column = 0; column < header->count(); ++column) {
        const int texts = std::max(header->sectionSizeHint(column), view->sizeHintForColumn(column));
        if (!header->isSectionHidden(column) && header->sectionSize(column) < texts)
            narrow << QString("column %1: %2 < %3").arg(column).arg(header->sectionSize(column)).arg(texts);
    }
    if (header->length() < tree->viewport()->width())
        narrow << QString("columns %1 < list %2").arg(header->length()).arg(tree->viewport()->width());
    return narrow.join("; ");
}

// A shown window for a dialog to open over, at `scale` until it goes.
struct ScaledWindow {
    explicit ScaledWindow(double scale)
    {
        setScaleFactor(scale);
        window.resize(300, 200);
        window.show();
    }
    ~ScaledWindow() { setScaleFactor(1.0); }
    QWidget window;
};

} // namespace

class DesktopLookTest : public QObject
{
    Q_OBJECT
    // Qt's own settings of its file dialogs, kept out of the user's.
    QTemporaryDir m_qtSettings;

private slots:
    void initTestCase()
    {
        QVERIFY(m_qtSettings.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_qtSettings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_qtSettings.path());
    }

    // IMPORT on the macro page: the desktop's light dialog, not the page's dark look, and no
    // style sheet of a page above it.
    void macroImportDialogHasDesktopLook()
    {
        WindowSession window;
        click(window->m_pTabButtons[3]);
        MacroDialog *page = window->m_pMacroDialog;
        double gray = 0;
        QStringList sheets;
        WhenFileDialogOpens([&](QFileDialog *dialog) {
            gray = MeanGray(dialog->grab().toImage());
            for (QWidget *w = dialog; w; w = w->parentWidget())
                if (w->styleSheet().contains("background"))
                    sheets << w->objectName();
        });
        click(page->findChild<KestPushButton *>("macroImport"));
        QVERIFY2(sheets.isEmpty(), qPrintable(sheets.join(", ")));
        QVERIFY2(gray > 128, qPrintable(QString::number(gray)));
    }

    // Qt's own texts follow the language: French at start, English once chosen from the menu.
    void fileDialogTextsFollowLanguage()
    {
        WindowSession window(true, PrepareFrench);
        click(window->m_pTabButtons[3]);
        QString cancel;
        WhenFileDialogOpens([&](QFileDialog *dialog) { cancel = CancelText(dialog); });
        click(window->m_pMacroDialog->findChild<KestPushButton *>("macroImport"));
        QCOMPARE(cancel, QString("Annuler"));

        window->m_pLanguageActions[0]->trigger();
        WhenFileDialogOpens([&](QFileDialog *dialog) { cancel = CancelText(dialog); });
        click(window->m_pLoadButton);
        QCOMPARE(cancel, QString("Cancel"));
    }

    // The file dialogs' size: grown with the scale, kept within the screen.
    void sizeForScaleAndScreen_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("size");
        QTest::newRow("1, small screen") << 1.0 << QRect(0, 0, 800, 600) << QSize(760, 480);
        QTest::newRow("1, smaller screen") << 1.0 << QRect(0, 0, 780, 500) << QSize(740, 460);
        QTest::newRow("1, large screen") << 1.0 << QRect(0, 0, 1280, 1024) << QSize(760, 480);
        QTest::newRow("1.25") << 1.25 << QRect(0, 0, 1920, 1040) << QSize(950, 600);
        QTest::newRow("1.5") << 1.5 << QRect(0, 0, 1920, 1040) << QSize(1140, 720);
        QTest::newRow("2") << 2.0 << QRect(0, 0, 2560, 1560) << QSize(1520, 960);
        QTest::newRow("2, short screen") << 2.0 << QRect(0, 27, 2560, 900) << QSize(1520, 820);
        QTest::newRow("2, narrow screen") << 2.0 << QRect(1280, 0, 1280, 1024) << QSize(1200, 944);
        QTest::newRow("screen unknown") << 2.0 << QRect() << QSize(1520, 960);
    }
    void sizeForScaleAndScreen()
    {
        QFETCH(double, scale);
        QFETCH(QRect, available);
        QFETCH(QSize, size);
        QCOMPARE(FileDialogSize(scale, available), size);
    }

    // Each file dialog as it opens over a window (offscreen: one screen of 800 × 600).
    void dialogsOpenAtThatSize_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("size");
        const char *const names[] = {"open", "open several", "folder", "save"};
        for (int which = 0; which < 4; ++which) {
            QTest::addRow("%s, scale 1", names[which]) << which << 1.0 << QSize(760, 480);
            QTest::addRow("%s, scale 2", names[which]) << which << 2.0 << QSize(720, 520);
        }
    }
    void dialogsOpenAtThatSize()
    {
        QFETCH(int, which);
        QFETCH(double, scale);
        QFETCH(QSize, size);
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 600));
        ScaledWindow shown(scale);
        QWidget &window = shown.window;
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSize opened;
        QRect frame;
        bool seen = false;
        WhenFileDialogOpens([&](QFileDialog *dialog) {
            seen = true;
            opened = dialog->size();
            frame = dialog->frameGeometry();
        });
        switch (which) {
        case 0: AskOpenFileName(&window, "IMPORT", "Macro (*.MSMACRO)"); break;
        case 1: AskOpenFileNames(&window, "IMPORT", "Macro (*.MSMACRO)"); break;
        case 2: AskExistingDirectory(&window, "EXPORT", QDir::tempPath()); break;
        default: AskSaveFileName(&window, "EXPORT", "Copy Paste.MSMACRO", "Macro (*.MSMACRO)", "MSMACRO");
        }
        QVERIFY(seen);
        QCOMPARE(opened, size);
        QVERIFY2(QRect(0, 0, 800, 600).contains(frame), qPrintable(QString("%1,%2 %3x%4").arg(frame.x())
                                                                        .arg(frame.y()).arg(frame.width())
                                                                        .arg(frame.height())));
    }
    // Widths Qt saved at a smaller scale: each dialog opens with the side bar and the columns
    // fitted to their texts, the folder's texts once read.
    void dialogsFitSavedWidthsToTheirTexts_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("open") << 0;
        QTest::newRow("open several") << 1;
        QTest::newRow("folder") << 2;
        QTest::newRow("save") << 3;
    }
    void dialogsFitSavedWidthsToTheirTexts()
    {
        QFETCH(int, which);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QFile file(folder.path() + "/A macro with a name longer than the narrow column.MSMACRO");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QDir(folder.path()).mkdir("A folder with a long name as well"));
        PlantNarrowWidths();
        ScaledWindow shown(2.0);
        QWidget &window = shown.window;
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString narrow = "never opened";
        bool fitted = false;
        WhenFileDialogOpens([&](QFileDialog *dialog) {
            // Its folder is read on a thread of Qt's own.
            fitted = QTest::qWaitFor([&] {
                narrow = NarrowerThanTexts(dialog);
                return narrow.isEmpty();
            });
        });
        switch (which) {
        case 0: AskOpenFileName(&window, "IMPORT", "Macro (*.MSMACRO)"); break;
        case 1: AskOpenFileNames(&window, "IMPORT", "Macro (*.MSMACRO)"); break;
        case 2: AskExistingDirectory(&window, "EXPORT", folder.path()); break;
        default:
            AskSaveFileName(&window, "EXPORT", folder.path() + "/Copy Paste.MSMACRO", "Macro (*.MSMACRO)", "MSMACRO");
        }
        QVERIFY2(fitted, qPrintable(narrow));
    }

    // The message box's OK asks for its family and size as ever and gets one whose O and 0 differ.
    void dialogButtonFontHasDistinctZero()
    {
        WindowSession window;
        KestMessageBox box(1, QString(), "Warning", "Text", window.window.get(), false, Qt::FramelessWindowHint);
        auto *ok = box.findChild<QToolButton *>("msgBoxYesBtn");
        QVERIFY(ok);
        QCOMPARE(ok->font().family(), QString("Consolas"));
        QCOMPARE(ok->font().pixelSize(), 14);
        QCOMPARE(QFontInfo(ok->font()).family(), QString("Liberation Mono"));
    }
};

QTEST_MAIN(DesktopLookTest)
#include "tst_desktoplook.moc"
