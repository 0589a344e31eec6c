// Every caption of the window in French, at scale 1 and in the fonts the committed
// Config.ini gives French, fits its control: measured with the font the control paints in.
#include "windowfixture.h"

#include "kestdpiwindow.h"
#include "kestpushbutton.h"
#include "kestreportrate.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QFontMetrics>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

namespace {

// The committed sample installation's font list, language by language.
void CopyFontList(const QString &appDir)
{
    QSettings committed(QStringLiteral(SOURCE_ROOT "/resources/device/Configs/Config.ini"), QSettings::IniFormat);
    QSettings config(appDir + "/Configs/Config.ini", QSettings::IniFormat);
    committed.beginGroup("FONT_LIST");
    for (const QString &key : committed.childKeys())
        config.setValue("FONT_LIST/" + key, committed.value(key));
}

int FrenchIndex(const QString &appDir)
{
    QSettings config(appDir + "/Configs/Config.ini", QSettings::IniFormat);
    const int count = config.value("FONT_LIST/LANGNUM").toInt();
    for (int i = 0; i < count; ++i) {
        if (config.value(QString("FONT_LIST/LangFile_%1").arg(i)).toString() == "fr")
            return i;
    }
    return -1;
}

struct Caption {
    QString text;
    QFont font;
    int room;
};

// What a control shows, the font it paints it in and the width it has for it.
bool CaptionOf(QWidget *widget, Caption &caption)
{
    if (auto *button = qobject_cast<KestPushButton *>(widget)) {
        caption = {button->buttonText(), button->captionFont(), button->contentsRect().width()};
        return true;
    }
    if (auto *label = qobject_cast<KestLabel *>(widget)) {
        caption = {label->m_text, label->paintFont(), label->contentsRect().width()};
        return true;
    }
    auto *box = qobject_cast<QAbstractButton *>(widget);
    if (box && (qobject_cast<QCheckBox *>(box) || qobject_cast<QRadioButton *>(box))) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const auto contents = qobject_cast<QCheckBox *>(box) ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents;
        caption = {box->text(), box->font(), box->style()->subElementRect(contents, &option, box).width()};
        return true;
    }
    return false;
}

} // namespace

class FrenchTextsTest : public QObject {
    Q_OBJECT

private slots:
    void captionsFitTheirControls()
    {
        int french = -1;
        const auto prepare = [&french](const QString &appDir) {
            CopyFontList(appDir);
            french = FrenchIndex(appDir);
            QSettings(appDir + "/Configs/LangConfig.ini", QSettings::IniFormat).setValue("Config/LangID", french);
            QSettings(appDir + "/Configs/Config.ini", QSettings::IniFormat).setValue("MouseSenSor/1", 3360);  // offers "Link XY"
            QDir().mkpath(appDir + "/lang");
            QFile::copy(QStringLiteral(LANG_DIR "/fr.qm"), appDir + "/lang/fr.qm");
        };
        WindowSession session(true, prepare);
        QVERIFY(french >= 0);
        VarnelWidget *window = session.window.get();
        QCOMPARE(window->m_dScaleFactor, 1.0);
        QCOMPARE(window->m_pSaveButton->buttonText(), QString("ENREGISTRER"));  // French is in use
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));

        QStringList tooWide;
        int measured = 0;
        // The pages share the window's middle: each tab shows its own controls.
        for (KestPushButton *tab : window->m_pTabButtons) {
            QTest::mouseClick(tab, Qt::LeftButton);
            for (QWidget *widget : window->findChildren<QWidget *>()) {
                Caption caption;
                if (!widget->isVisible() || widget->width() <= 0 || !CaptionOf(widget, caption)
                    || caption.text.isEmpty())
                    continue;
                ++measured;
                const int needed = QFontMetrics(caption.font).horizontalAdvance(caption.text);
                if (needed > caption.room)
                    tooWide << QString("%1 \"%2\": %3 px in %4 px")
                                   .arg(widget->objectName().isEmpty() ? widget->metaObject()->className()
                                                                       : widget->objectName())
                                   .arg(caption.text)
                                   .arg(needed)
                                   .arg(caption.room);
            }
        }
        QVERIFY(measured > 20);
        tooWide.removeDuplicates();
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join("\n")));
    }
};

QTEST_MAIN(FrenchTextsTest)
#include "tst_frenchtexts.moc"
