// The window's pieces that come from the desktop rather than the skin: the file dialogs (their
// look and Qt's own texts in the chosen language) and the dialog buttons' font.
#include "windowfixture.h"

#include "kestaction.h"
#include "kestpushbutton.h"
#include "macrodialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QToolButton>
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

} // namespace

class DesktopLookTest : public QObject
{
    Q_OBJECT

private slots:
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
