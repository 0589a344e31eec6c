// The macro-select dialog on a real MACRO_LIST and real clicks.
#include "buttonsfixture.h"
#include "../debuglines.h"
#include "kestlabel.h"
#include "kestmacroselect.h"
#include "kestpushbutton.h"

#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class MacroSelectTest : public QObject
{
    Q_OBJECT
    QScopedPointer<ButtonsFixture> m_fixture;
    QScopedPointer<KestMacroSelect> m_dialog;

    void open(const QVariantMap &config, const QString &name, int loops, int mode)
    {
        m_dialog.reset();
        m_fixture.reset(new ButtonsFixture(config));
        QVERIFY(m_fixture->isValid());
        m_dialog.reset(new KestMacroSelect(QString(), "MACRO SELECT", name, loops, mode, &m_parent,
                                           Qt::FramelessWindowHint));
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.data()));
    }
    KestPushButton *chooser() { return m_dialog->findChild<KestPushButton *>("macroChooser"); }
    KestPushButton *modeButton(int mode) { return m_dialog->findChild<KestPushButton *>(QString("modeButton%1").arg(mode)); }
    QLineEdit *loopEdit() { return m_dialog->findChild<QLineEdit *>("loopEdit"); }
    QList<bool> checkedModes()
    {
        return {modeButton(0)->isButtonChecked(), modeButton(1)->isButtonChecked(), modeButton(2)->isButtonChecked()};
    }
    QStringList menuTexts()
    {
        QStringList texts;
        for (QAction *action : chooser()->menu()->actions())
            texts << action->text();
        return texts;
    }
    void clickYes()
    {
        QTest::mouseClick(m_dialog->findChild<QToolButton *>("msgBoxYesBtn"), Qt::LeftButton);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    }

    QWidget m_parent;

private slots:
    void cleanup()
    {
        m_dialog.reset();
        m_fixture.reset();
    }

    // Empty slots make no entry; the chosen entry is the name Yes returns.
    void chooseFromList()
    {
        open({{"MACRO_LIST/0", ""}, {"MACRO_LIST/3", "A"}}, QString(), 1, 0);
        QVERIFY(!m_dialog->parentWidget());
        QCOMPARE(menuTexts(), QStringList{"A"});
        QMenu *menu = chooser()->menu();
        QAction *entry = menu->actions().first();
        QTimer::singleShot(0, menu, [menu, entry] {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
        });
        QTest::mouseClick(chooser(), Qt::LeftButton);
        QCOMPARE(chooser()->buttonText(), QString("A"));
        clickYes();
        QCOMPARE(m_dialog->macroName, QString("A"));
    }

    void fiftySlotsAndNoMore()
    {
        QVariantMap config;
        QStringList names;
        for (int slot = 0; slot <= 50; ++slot) {
            config.insert(QString("MACRO_LIST/%1").arg(slot), QString("m%1").arg(slot));
            if (slot < 50)
                names << QString("m%1").arg(slot);
        }
        open(config, "m7", 1, 0);
        QCOMPARE(menuTexts(), names);
        QCOMPARE(chooser()->buttonText(), QString("m7"));
        clickYes();
        QCOMPARE(m_dialog->macroName, QString("m7"));
    }

    void modesAreExclusive_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<bool>>("checked");
        QTest::newRow("loops") << 0 << QList<bool>{true, false, false};
        QTest::newRow("while held") << 1 << QList<bool>{false, true, false};
        QTest::newRow("until pressed again") << 2 << QList<bool>{false, false, true};
        QTest::newRow("stored mode 7") << 7 << QList<bool>{true, false, false};
        QTest::newRow("stored mode -1") << -1 << QList<bool>{true, false, false};
    }

    void modesAreExclusive()
    {
        QFETCH(int, mode);
        QFETCH(QList<bool>, checked);
        open({{"MACRO_LIST/0", "A"}}, "A", 7, mode);
        QCOMPARE(checkedModes(), checked);
        QCOMPARE(loopEdit()->text(), QString("7"));
        QCOMPARE(m_dialog->selectedMode(), checked.indexOf(true));
        QTest::mouseClick(modeButton(1), Qt::LeftButton);
        QCOMPARE(checkedModes(), (QList<bool>{false, true, false}));
        QTest::mouseClick(modeButton(1), Qt::LeftButton);
        QCOMPARE(checkedModes(), (QList<bool>{false, true, false}));
        QTest::mouseClick(modeButton(0), Qt::LeftButton);
        QCOMPARE(checkedModes(), (QList<bool>{true, false, false}));
        QCOMPARE(m_dialog->selectedMode(), 0);
    }

    // Three digits at most; the validator lets 0, 256 to 999 and an empty text stand. The
    // count handed on stays within 1-255, a clamp logged in the buttons' category.
    void loopCount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("logged");  // empty: no line
        QTest::newRow("0") << "0" << 1 << "veskaro.buttons: loopEdit 0 out of range, clamped to 1";
        QTest::newRow("1") << "1" << 1 << "";
        QTest::newRow("42") << "42" << 42 << "";
        QTest::newRow("255") << "255" << 255 << "";
        QTest::newRow("256") << "256" << 255 << "veskaro.buttons: loopEdit 256 out of range, clamped to 255";
        QTest::newRow("300") << "300" << 255 << "veskaro.buttons: loopEdit 300 out of range, clamped to 255";
        QTest::newRow("four digits") << "1234" << 123 << "";
        QTest::newRow("cleared") << "" << 1 << "veskaro.buttons: loopEdit 0 out of range, clamped to 1";
    }

    void loopCount()
    {
        QFETCH(QString, typed);
        QFETCH(int, count);
        QFETCH(QString, logged);
        open({{"MACRO_LIST/0", "A"}}, "A", 1, 0);
        loopEdit()->clear();
        QTest::keyClicks(loopEdit(), typed);
        QCOMPARE(loopEdit()->text(), typed.left(3));
        clickYes();
        QLoggingCategory::setFilterRules("veskaro.*.debug=true");
        DebugLines lines;
        const int repeat = m_dialog->repeatCount();
        const QStringList printed = lines.take();
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(repeat, count);
        QCOMPARE(loopEdit()->text(), QString::number(count));  // what went on
        QCOMPARE(printed, logged.isEmpty() ? QStringList() : QStringList{logged});
    }

    void texts()
    {
        open({}, QString(), 1, 0);
        QCOMPARE(m_dialog->findChild<KestLabel *>("msgBoxInfoLabel1")->labelText(), QString("MACRO SELECT"));
        QCOMPARE(m_dialog->findChild<KestLabel *>("modeLabel2")->labelText(), QString("REPEAT RUN UNTILL THE KEY DOWN"));
        QCOMPARE(m_dialog->findChild<QToolButton *>("msgBoxYesBtn")->text(), QString("Yes"));
        QVERIFY(m_dialog->findChild<QToolButton *>("msgBoxNoBtn")->styleSheet().contains(
            "rgb(255, 0, 0);    border-style"));
    }
};

QTEST_MAIN(MacroSelectTest)
#include "tst_macroselect.moc"
