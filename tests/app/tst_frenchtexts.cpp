// Every caption of the window, its menus and its dialogs, at scale 1 and in the fonts the
// committed Config.ini gives each language, fits its control: measured with the font the
// control paints in.
#include "windowfixture.h"

#include "kestbtnwindow.h"
#include "kestcolorarea.h"
#include "kestcolorwindow.h"
#include "kestcombokeywindow.h"
#include "kestdpiwindow.h"
#include "kestfirekeywindow.h"
#include "kestgunsetdialog.h"
#include "kestmacroselect.h"
#include "kestmessagebox.h"
#include "kestsinglekeywindow.h"
#include "kestsniperwindow.h"
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
#include <QMenu>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QStyleOptionButton>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>

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

int LanguageIndex(const QString &appDir, const QString &language)
{
    QSettings config(appDir + "/Configs/Config.ini", QSettings::IniFormat);
    const int count = config.value("FONT_LIST/LANGNUM").toInt();
    for (int i = 0; i < count; ++i) {
        if (config.value(QString("FONT_LIST/LangFile_%1").arg(i)).toString() == language)
            return i;
    }
    return -1;
}

// The language in use, from the committed fonts and translation; a macro with a step of each
// kind (key, mouse button, movement, delay) is listed, so the macro page has something to show.
void PrepareLanguage(const QString &appDir, const QString &language, int &index)
{
    CopyFontList(appDir);
    index = LanguageIndex(appDir, language);
    QSettings(appDir + "/Configs/LangConfig.ini", QSettings::IniFormat).setValue("Config/LangID", index);
    QSettings(appDir + "/Configs/Config.ini", QSettings::IniFormat).setValue("MouseSenSor/1", 3360);  // offers "Link XY"
    QDir().mkpath(appDir + "/lang");
    QFile::copy(QStringLiteral(LANG_DIR "/") + language + ".qm", appDir + "/lang/" + language + ".qm");
    MacroFile macro;
    macro.steps = {{kStepKeyPress, 0, 4}, {kStepButtonPress, 0, 1}, {kStepMove, 251, 0}, {kStepDelay, 0, 3}};
    WriteMacroFile("essai", macro);
    AddToMacroList("essai");
}

void PrepareFrench(const QString &appDir, int &french) { PrepareLanguage(appDir, "fr", french); }

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
        if (label->textWraps())
            return false;
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

// The captions of root's visible controls that do not fit, as "name \"text\": needed in room".
struct Measurement {
    QStringList tooWide;
    int measured = 0;

    void add(const QString &name, const QString &text, int needed, int room)
    {
        ++measured;
        if (needed > room)
            tooWide << QString("%1 \"%2\": %3 px in %4 px").arg(name, text).arg(needed).arg(room);
    }

    void controls(QWidget *root)
    {
        for (QWidget *widget : root->findChildren<QWidget *>()) {
            if (!widget->isVisible() || widget->width() <= 0)
                continue;
            const QString name =
                widget->objectName().isEmpty() ? widget->metaObject()->className() : widget->objectName();
            // A dialog button's text has its width inside the 1 px border, less the icon and
            // the style's 4 px gap where the icon stands beside it.
            auto *tool = qobject_cast<QToolButton *>(widget);
            if (tool && !tool->text().isEmpty()) {
                const bool beside = tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon;
                const int room = tool->width() - 2 - (beside ? tool->iconSize().width() + 4 : 0);
                add(name, tool->text(), QFontMetrics(tool->font()).horizontalAdvance(tool->text()), room);
                continue;
            }
            Caption caption;
            if (CaptionOf(widget, caption) && !caption.text.isEmpty())
                add(name, caption.text, QFontMetrics(caption.font).horizontalAdvance(caption.text), caption.room);
        }
    }

    // A menu's size hint is the width its widest entry needs; a menu of fixed width cuts
    // what needs more. Submenus are measured too.
    void menu(QMenu *menu)
    {
        QAction *widest = nullptr;
        int widestText = -1;
        for (QAction *action : menu->actions()) {
            if (action->menu())
                this->menu(action->menu());
            const int text = QFontMetrics(action->font()).horizontalAdvance(action->text());
            if (action->isVisible() && text > widestText) {
                widest = action;
                widestText = text;
            }
        }
        if (widest)
            add(menu->objectName().isEmpty() ? menu->title() : menu->objectName(), widest->text(),
                menu->sizeHint().width(), menu->width());
    }
};

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

        Measurement measurement;
        const auto measure = [&] { measurement.controls(window); };
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
        QVERIFY(measurement.measured > 20);
        measurement.tooWide.removeDuplicates();
        QVERIFY2(measurement.tooWide.isEmpty(), qPrintable(measurement.tooWide.join("\n")));
    }

    // The menus and dialogs, in each language: what a dialog shows when it opens, what
    // each menu offers.
    void menusAndDialogsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("part");
        const char *const parts[] = {"effect menu", "buttons page menus", "language menu", "slot menu",
                                     "colour",      "single key",         "combo",         "fire key",
                                     "macro select", "sniper",            "gun set",       "gun edit",
                                     "question box", "message box"};
        for (const char *language : {"en", "fr"}) {
            for (const char *part : parts)
                QTest::addRow("%s %s", language, part) << QString(language) << QString(part);
        }
    }
    void menusAndDialogsFit()
    {
        QFETCH(QString, language);
        QFETCH(QString, part);
        int index = -1;
        WindowSession session(true, [&](const QString &appDir) { PrepareLanguage(appDir, language, index); });
        QVERIFY(index >= 0);
        VarnelWidget *window = session.window.get();
        QCOMPARE(window->m_dScaleFactor, 1.0);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));

        Measurement measurement;
        const std::map<QString, std::function<std::unique_ptr<QDialog>()>> dialogs = {
            {"colour", [&] { return std::make_unique<KestColorArea>(window, 1.0); }},
            {"single key", [&] { return std::make_unique<KestSingleKeyWindow>(window); }},
            {"combo", [&] { return std::make_unique<KestComboKeyWindow>(window); }},
            {"fire key", [&] { return std::make_unique<KestFireKeyWindow>(window); }},
            {"macro select",
             [&] {
                 return std::make_unique<KestMacroSelect>(QString(), QObject::tr("GUNFILE SELECT"), "essai", 1, 0,
                                                          window, Qt::FramelessWindowHint);
             }},
            {"sniper", [&] { return std::make_unique<KestSniperWindow>(window); }},
            {"gun set",
             [&] { return std::make_unique<KestGunsetDialog>(window, 1.0, Qt::FramelessWindowHint | Qt::Dialog); }},
            {"gun edit",
             [&] {
                 return std::make_unique<KestGunEditDialog>(0, 10, window, 1.0, Qt::FramelessWindowHint | Qt::Dialog);
             }},
            {"question box",
             [&] {
                 return std::make_unique<KestMessageBox>(1, QString(), QObject::tr("Warning"),
                                                         QObject::tr("Dongle Disconnect!"), window, false,
                                                         Qt::FramelessWindowHint);
             }},
            {"message box",
             [&] {
                 return std::make_unique<KestMessageBox>(4, QString(), QObject::tr("Warning"),
                                                         QObject::tr("Dongle Disconnect!"), window, false,
                                                         Qt::FramelessWindowHint);
             }},
        };
        if (part == "effect menu") {
            measurement.menu(window->m_pColorWindow->effectMenu());
        } else if (part == "buttons page menus") {
            KestBtnWindow *buttons = window->m_pBtnWindow;
            measurement.menu(buttons->m_pMainMenu);
            measurement.menu(buttons->m_pWheelMenu);
        } else if (part == "language menu") {
            measurement.menu(window->m_pLanguageMenu);
        } else if (part == "slot menu") {
            measurement.menu(window->m_pSlotMenu);
        } else {
            const std::unique_ptr<QDialog> dialog = dialogs.at(part)();
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            measurement.controls(dialog.get());
            const auto menus = dialog->findChildren<QMenu *>();
            for (QMenu *menu : menus)
                measurement.menu(menu);
        }
        QVERIFY(measurement.measured > 0);
        measurement.tooWide.removeDuplicates();
        QVERIFY2(measurement.tooWide.isEmpty(), qPrintable(measurement.tooWide.join("\n")));
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
