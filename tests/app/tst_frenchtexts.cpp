// Every caption of the window in French, at scale 1 and in the fonts the committed
// Config.ini gives French, fits its control: measured with the font the control paints in.
#include "windowfixture.h"

#include "kestdpiwindow.h"
#include "kestpushbutton.h"
#include "kestreportrate.h"
#include "kesttreeitem.h"
#include "kesttreewidget.h"
#include "macrodialog.h"
#include "macrosteps.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QRadioButton>
#include <QStandardItemModel>
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

// French in use, from the committed fonts and translation; a macro with a step of each kind
// (key, mouse button, movement, delay) is listed, so the macro page has something to show.
void PrepareFrench(const QString &appDir, int &french)
{
    CopyFontList(appDir);
    french = FrenchIndex(appDir);
    QSettings(appDir + "/Configs/LangConfig.ini", QSettings::IniFormat).setValue("Config/LangID", french);
    QSettings(appDir + "/Configs/Config.ini", QSettings::IniFormat).setValue("MouseSenSor/1", 3360);  // offers "Link XY"
    QDir().mkpath(appDir + "/lang");
    QFile::copy(QStringLiteral(LANG_DIR "/fr.qm"), appDir + "/lang/fr.qm");
    MacroFile macro;
    macro.steps = {{kStepKeyPress, 0, 4}, {kStepButtonPress, 0, 1}, {kStepMove, 251, 0}, {kStepDelay, 0, 3}};
    WriteMacroFile("essai", macro);
    AddToMacroList("essai");
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
        WindowSession session(true, [&french](const QString &appDir) { PrepareFrench(appDir, french); });
        QVERIFY(french >= 0);
        VarnelWidget *window = session.window.get();
        QCOMPARE(window->m_dScaleFactor, 1.0);
        QCOMPARE(window->m_pSaveButton->buttonText(), QString("ENREGISTRER"));  // French is in use
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));

        QStringList tooWide;
        int measured = 0;
        const auto measure = [&] {
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
        };
        // The pages share the window's middle: each tab shows its own controls.
        for (KestPushButton *tab : window->m_pTabButtons) {
            QTest::mouseClick(tab, Qt::LeftButton);
            measure();
        }
        // The macro page's other faces: the command tree in place of the list, and the step
        // editor of each kind of step.
        MacroDialog *macro = window->m_pMacroDialog;
        QVERIFY(macro->isVisible());
        QCOMPARE(macro->stepCount(), 4);
        QTest::mouseClick(macro->m_pMouseActionButton, Qt::LeftButton);
        QVERIFY(macro->m_pMoveRows[0]->isVisible());
        measure();
        QTest::mouseClick(macro->m_pMouseActionButton, Qt::LeftButton);
        for (int row = 0; row < macro->stepCount(); ++row) {
            macro->m_pSelection->setCurrentIndex(macro->m_pModel->index(row, 0),
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            QTest::mouseClick(macro->m_pEditButton, Qt::LeftButton);
            QVERIFY(macro->isEditMode());
            measure();
            QTest::mouseClick(macro->m_pCancelButton, Qt::LeftButton);
        }
        QVERIFY(measured > 20);
        tooWide.removeDuplicates();
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join("\n")));
    }

    // The macro page and its step painter speak French.
    void macroPageInFrench()
    {
        int french = -1;
        WindowSession session(true, [&french](const QString &appDir) { PrepareFrench(appDir, french); });
        MacroDialog *macro = session->m_pMacroDialog;
        QCOMPARE(macro->m_pNewButton->buttonText(), QString("NOUVEAU"));
        QCOMPARE(macro->m_pRecordAfterButton->buttonText(), QString("ENREGISTRER APRÈS"));
        QCOMPARE(macro->m_pRecordDelayCheck->text(), QString("ENREGISTRER LES DÉLAIS ENTRE ACTIONS"));
        QCOMPARE(macro->m_pListCaption->m_text, QString("NOM DE LA MACRO"));
        QCOMPARE(macro->m_pLoopLabels[2]->m_text, QString("JUSQU'AU PROCHAIN APPUI"));
        QCOMPARE(macro->m_pTree->headerItem()->text(0), QString("COMMANDE SOURIS"));
        QCOMPARE(macro->m_pTreeRows[1]->text(0), QString("CLIC MILIEU"));
        QCOMPARE(macro->m_pTreeChildren[0][1]->text(0), QString("RELÂCHER"));
        QCOMPARE(macro->m_pMoveRows[2]->caption()->m_text, QString("MONTER"));
        QCOMPARE(macro->m_pModel->headerData(2, Qt::Horizontal).toString(), QString("DÉLAI(ms)"));
        // What the table paints for the listed button press (129, 0, 1) and movement (2, 251, 0).
        QCOMPARE(StepCell(0, "129", "129", 0, 1, 10).text, QString("CLIC GAUCHE"));
        QCOMPARE(StepCell(1, "129", "0", 0, 1, 10).text, QString("Appui"));
        QCOMPARE(StepCell(0, "2", "2", 251, 0, 10).text, QString("MONTER"));
    }
};

QTEST_MAIN(FrenchTextsTest)
#include "tst_frenchtexts.moc"
