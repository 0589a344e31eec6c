// The gun-set dialog through its widgets, read back from the file it writes, and the
// gun-edit dialog on its own.
#include "buttonsfixture.h"
#include "../debuglines.h"
#include "keycodes.h"
#include "kestgunsetdialog.h"
#include "kestlineedit.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "popupdriver.h"
#include "scale.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

using Steps = QVector<MacroStep>;
Q_DECLARE_METATYPE(Steps)

static bool operator==(const MacroStep &a, const MacroStep &b)
{
    return a.type == b.type && a.dataH == b.dataH && a.dataL == b.dataL;
}

// One bullet column: delay, Y, X.
struct Bullet {
    int delay, y, x;
};
Q_DECLARE_METATYPE(QVector<Bullet>)

namespace QTest {
template <> char *toString(const Steps &steps)
{
    QString text;
    for (const MacroStep &s : steps)
        text += QString::asprintf("(%d,%d,%d) ", s.type, s.dataH, s.dataL);
    return qstrdup(text.toLatin1().constData());
}
} // namespace QTest

class GunDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ButtonsFixture> m_fixture;

    void chooseBullets(KestGunsetDialog &dialog, int count)
    {
        dialog.bulletsMenu->actions().at(count - 1)->trigger();
        QCOMPARE(dialog.bulletsButton->buttonText(), QString::number(count));
    }
    // Yes, with the boxes a message box got (answered).
    QStringList clickYes(QWidget *dialog)
    {
        PopupDriver driver({}, [](QWidget *box) {
            QTest::mouseClick(box->findChild<QToolButton *>("msgBoxYesBtn"), Qt::LeftButton);
        });
        QTest::mouseClick(dialog->findChild<QToolButton *>("msgBoxYesBtn"), Qt::LeftButton);
        return driver.modals;
    }

private slots:
    void init() { m_fixture = std::make_unique<ButtonsFixture>(); QDir(m_fixture->path()).mkpath("Configs/MacroDB"); }
    void cleanup() { m_fixture.reset(); }

    void rows_data()
    {
        QTest::addColumn<QVector<Bullet>>("bullets");
        QTest::addColumn<Steps>("expected");
        QTest::newRow("one bullet, Y 5") << QVector<Bullet>{{100, 5, 0}}
                                         << Steps{{1, 0, 1}, {129, 0, 1}, {2, 5, 0}, {6, 0, 10}};
        QTest::newRow("up 100, left 1") << QVector<Bullet>{{100, -100, -1}}
                                        << Steps{{1, 0, 1}, {129, 0, 1}, {2, 156, 0}, {2, 0, 255}, {6, 0, 10}};
        QTest::newRow("right 100, 9 ms") << QVector<Bullet>{{9, 0, 100}}
                                         << Steps{{1, 0, 1}, {129, 0, 1}, {2, 0, 100}, {6, 0, 0}};
        QTest::newRow("two bullets, no moves, 999 ms")
            << QVector<Bullet>{{999, 0, 0}, {20, 0, 0}}
            << Steps{{1, 0, 1}, {129, 0, 1}, {6, 0, 99}, {1, 0, 1}, {129, 0, 1}, {6, 0, 2}};
    }
    void rows()
    {
        QFETCH(QVector<Bullet>, bullets);
        QFETCH(Steps, expected);
        KestGunsetDialog dialog(nullptr, 1.0, Qt::FramelessWindowHint);
        // Values in the columns beyond the count are ignored.
        dialog.yBoxes[4]->setValue(50);
        chooseBullets(dialog, bullets.size());
        QVERIFY(dialog.yBoxes[4]->isHidden());
        for (int i = 0; i < bullets.size(); ++i) {
            dialog.delayBoxes[i]->setValue(bullets[i].delay);
            dialog.yBoxes[i]->setValue(bullets[i].y);
            dialog.xBoxes[i]->setValue(bullets[i].x);
        }
        dialog.fileNameEdit->setText("Recoil");
        QCOMPARE(clickYes(&dialog), QStringList());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.m_FileName, QString("Recoil"));
        QCOMPARE(dialog.steps(), expected);
        QVERIFY(dialog.saveGunFile("Recoil"));

        QSettings file(m_fixture->path() + "/Configs/MacroDB/Recoil.MSMACRO", QSettings::IniFormat);
        QCOMPARE(file.value("Setting/Count").toInt(), expected.size());
        QCOMPARE(file.value("Setting/DefaultDelay").toInt(), 10);
        QCOMPARE(file.value("Setting/DelayType").toInt(), 1);
        QCOMPARE(file.value("Setting/LoopType").toInt(), 0);
        QCOMPARE(file.value("Setting/LoopTime").toInt(), 1);
        QVERIFY(!file.contains("Setting/WriteSign"));
        Steps written;
        for (int i = 0; i < expected.size(); ++i)
            written.append({quint8(file.value(QString("Setting/Map_%1").arg(i)).toInt()),
                            quint8(file.value(QString("Setting/DataH_%1").arg(i)).toInt()),
                            quint8(file.value(QString("Setting/DataL_%1").arg(i)).toInt())});
        QCOMPARE(written, expected);
        chooseBullets(dialog, 5);
        QCOMPARE(dialog.yBoxes[4]->value(), 50);
    }

    void fiveBulletsInOrder()
    {
        KestGunsetDialog dialog(nullptr, 1.0, Qt::FramelessWindowHint);
        for (int i = 0; i < 5; ++i) {
            dialog.yBoxes[i]->setValue(i + 1);
            dialog.xBoxes[i]->setValue(-(i + 1));
        }
        dialog.fileNameEdit->setText("   ");  // blanks are a name
        clickYes(&dialog);
        const Steps steps = dialog.steps();
        QCOMPARE(steps.size(), 25);
        QCOMPARE(int(steps[2].dataH), 1);
        QCOMPARE(int(steps[22].dataH), 5);
        QCOMPARE(int(steps[23].dataL), 251);
    }

    // The buttons' and the spin boxes' texts grow with the dialog, as its captions do.
    void textsScaled_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("pixels");
        QTest::newRow("1") << 1.0 << 12;
        QTest::newRow("1.5") << 1.5 << 18;
        QTest::newRow("2") << 2.0 << 24;
    }
    void textsScaled()
    {
        QFETCH(double, scale);
        QFETCH(int, pixels);
        m_fixture = std::make_unique<ButtonsFixture>(QVariantMap{{"FONT_LIST/FONT_SIZE_0", 12}});
        g_langId = 0;
        setScaleFactor(scale);
        KestGunsetDialog dialog(nullptr, scale, Qt::FramelessWindowHint);
        setScaleFactor(1.0);
        for (const char *name : {"msgBoxYesBtn", "msgBoxNoBtn"})
            QCOMPARE(dialog.findChild<QToolButton *>(name)->font().pixelSize(), pixels);
        QCOMPARE(dialog.delayBoxes[0]->font().pixelSize(), pixels);
        QCOMPARE(dialog.xBoxes[4]->font().pixelSize(), pixels);
    }

    // The name field over the macro page's translucent background: a white frame round a dark fill.
    void nameFieldFramed()
    {
        QWidget page;
        page.setStyleSheet("background-color: rgba(33,35,35,0.5)");
        KestGunsetDialog dialog(&page, 1.0, Qt::FramelessWindowHint | Qt::Dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage field = dialog.fileNameEdit->grab().toImage();
        QCOMPARE(field.size(), QSize(100, 20));
        for (const QPoint &edge : {QPoint(0, 10), QPoint(99, 10), QPoint(50, 0), QPoint(50, 19)})
            QCOMPARE(field.pixelColor(edge), QColor(255, 255, 255));
        QCOMPARE(field.pixelColor(3, 3), QColor(30, 30, 30));
        QCOMPARE(field.pixelColor(96, 16), QColor(30, 30, 30));
    }

    // A name that is no file name of its own is refused like an empty one.
    void nameRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("outside MacroDB") << "../x";
    }
    void nameRefused()
    {
        QFETCH(QString, name);
        KestGunsetDialog dialog(nullptr, 1.0, Qt::FramelessWindowHint);
        dialog.show();
        dialog.fileNameEdit->setText(name);
        QCOMPARE(clickYes(&dialog), QStringList{"KestMessageBox"});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.m_FileName, QString());
        QCOMPARE(dialog.stepList->count(), 0);
    }

    void writeFailureReported()
    {
        KestGunsetDialog dialog(nullptr, 1.0, Qt::FramelessWindowHint);
        dialog.fileNameEdit->setText("Recoil");
        clickYes(&dialog);
        QDir(m_fixture->path() + "/Configs/MacroDB").removeRecursively();
        QFile blocker(m_fixture->path() + "/Configs/MacroDB");  // a file where the folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!dialog.saveGunFile("Recoil"));
    }

    void delayRowEditing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("returnPressed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("logged");  // the clamp's debug line; empty: none
        QTest::newRow("5") << "5" << true << "10 ms" << "veskaro.buttons: gun-set delay 5 out of range, clamped to 10";
        QTest::newRow("125") << "125" << true << "120 ms" << "";
        QTest::newRow("70000") << "70000" << true << "65530 ms"
                               << "veskaro.buttons: gun-set delay 70000 out of range, clamped to 65530";
        QTest::newRow("focus lost") << "125" << false << "100 ms" << "";
    }
    void delayRowEditing()
    {
        QFETCH(QString, typed);
        QFETCH(bool, returnPressed);
        QFETCH(QString, text);
        QFETCH(QString, logged);
        QWidget parent;
        auto *row = new KestListItem(&parent);
        const MacroStep delay = GunDelayStep(100);
        row->type = delay.type;
        row->DataH = delay.dataH;
        row->DataL = delay.dataL;
        row->SetText("100 ms");
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        row->SetEditing(true);
        QCOMPARE(row->delayEdit->text(), QString("100"));
        row->delayEdit->setText(typed);
        QLoggingCategory::setFilterRules("veskaro.*.debug=true");
        DebugLines lines;
        if (returnPressed)
            QTest::keyClick(row->delayEdit, Qt::Key_Return);
        else
            row->lostFocusSlot();
        const QStringList printed = lines.take().filter("gun-set delay");
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(printed, logged.isEmpty() ? QStringList() : QStringList{logged});
        QCOMPARE(row->text(), text);
        QVERIFY(row->delayEdit->isHidden());
        QCOMPARE(row->delayEdit->text(), text.section(' ', 0, 0));
    }

    void gunEdit_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("distance");
        QTest::addColumn<int>("checked");  // -1 none
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("stored");   // before Yes
        QTest::addColumn<int>("afterYes");
        QTest::newRow("up, 40") << 2 << 40 << 2 << 40 << 40 << 40;
        QTest::newRow("200 kept within 120") << 0 << 200 << 0 << 120 << 120 << 120;
        QTest::newRow("0 shown as 1") << 3 << 0 << 3 << 1 << 0 << 1;
        QTest::newRow("direction 7 checks none") << 7 << 10 << -1 << 10 << 10 << 10;
    }
    void gunEdit()
    {
        QFETCH(int, direction);
        QFETCH(int, distance);
        QFETCH(int, checked);
        QFETCH(int, shown);
        QFETCH(int, stored);
        QFETCH(int, afterYes);
        KestGunEditDialog dialog(direction, distance, nullptr, 1.0, Qt::FramelessWindowHint);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(dialog.directionButtons[i]->isButtonChecked(), i == checked);
        QCOMPARE(dialog.distanceBox->value(), shown);
        QCOMPARE(dialog.m_iDistance, stored);
        dialog.show();
        QTest::mouseClick(dialog.directionButtons[1], Qt::LeftButton);
        QTest::mouseClick(dialog.directionButtons[1], Qt::LeftButton);  // stays checked
        QVERIFY(dialog.directionButtons[1]->isButtonChecked());
        QVERIFY(!dialog.directionButtons[0]->isButtonChecked());
        QTest::mouseClick(dialog.findChild<QToolButton *>("msgBoxYesBtn"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.m_iDirection, 1);
        QCOMPARE(dialog.m_iDistance, afterYes);
    }
};

QTEST_MAIN(GunDialogsTest)
#include "tst_gundialogs.moc"
