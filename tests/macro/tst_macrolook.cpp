// The macro page's scroll bars (macro list, command tree, step table) and batch mode's check
// boxes at the window's scales: every part drawn in the skin's colours at its scaled size; the
// step editor's delay field framed.
#include "macrofixture.h"

#include "kestpushbutton.h"
#include "kesttreewidget.h"
#include "macrodialog.h"
#include "macrofiles.h"
#include "scale.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QtTest>

class MacroLookTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setScaleFactor(1.0); }

    void scales_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }

    void scrollBarsSkinned_data() { scales_data(); }
    void scrollBarsSkinned()
    {
        QFETCH(double, scale);
        MacroFixture fixture;
        QVERIFY(QFile::link(QStringLiteral(SKIN_DIR), fixture.path() + "/skin"));
        setScaleFactor(scale);
        MacroDialog page(nullptr);
        page.resize(scaled(665, scale), scaled(467, scale));
        page.show();  // the views settle their own ranges first
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const struct {
            const char *name;
            QScrollBar *bar;
            int width;
        } bars[] = {{"list", page.m_pList->verticalScrollBar(), 10},
                    {"tree", page.m_pTree->verticalScrollBar(), 10},
                    {"table", page.m_pTable->verticalScrollBar(), 20}};
        const QRgb handle = CurrentThemeColor().rgb() & 0xFFFFFF;
        for (const auto &b : bars) {
            QScrollBar *bar = b.bar;
            const int w = scaled(b.width, scale);
            QCOMPARE(bar->sizeHint().width(), w);
            // Drawn as a bar of its sheet beside it, with something to scroll, the handle at the top:
            // arrow box, handle, groove.
            QScrollBar probe(Qt::Vertical, bar->parentWidget());
            probe.setStyleSheet(bar->styleSheet());
            probe.setRange(0, 100);
            probe.setPageStep(20);
            probe.resize(w, scaled(200, scale));
            const QImage image = probe.grab().toImage();
            const auto at = [&](int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; };
            QCOMPARE(at(0, 1), 0x323232u);                // the up arrow's box
            int light = 0;  // the arrow in the box
            for (int y = 0; y < w; ++y)
                for (int x = 0; x < w; ++x)
                    light += qGray(image.pixel(x, y)) > 120 ? 1 : 0;
            QVERIFY2(light > 0, b.name);
            QCOMPARE(at(w / 2, w + scaled(10, scale)), handle);
            QCOMPARE(at(w / 2, image.height() - w - scaled(10, scale)), 0x1E1E1Eu);  // the groove
            QCOMPARE(at(0, image.height() - 2), 0x323232u);  // the down arrow's box
        }
    }

    // Each batch row's box shows the skin's indicator at its scaled size, ticked or not: a rim
    // lighter than the row around a dark square, the tick in light pixels only when checked.
    // Rows made at the scale and rows restyled by a scale change alike.
    void batchBoxesSkinned_data() { scales_data(); }
    void batchBoxesSkinned()
    {
        QFETCH(double, scale);
        MacroFixture fixture({}, {{"MACRO_LIST/0", "ticked"}, {"MACRO_LIST/1", "unticked"}});
        QVERIFY(QFile::link(QStringLiteral(SKIN_DIR), fixture.path() + "/skin"));
        MacroDialog page(nullptr);
        page.resize(665, 467);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.m_pBatchCheck->click();
        setScaleFactor(scale);
        page.resize(scaled(665, scale), scaled(467, scale));
        const auto check = [&](const char *when) {
            const int size = scaled(16, scale);
            for (int row = 0; row < 2; ++row) {
                auto *box = qobject_cast<QCheckBox *>(page.m_pList->itemWidget(page.m_pList->item(row)));
                QVERIFY(box);
                box->setChecked(row == 0);
                box->ensurePolished();
                QStyleOptionButton option;
                option.initFrom(box);
                const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
                const QString what = QString("%1, row %2").arg(when).arg(row);
                QVERIFY2(indicator.size() == QSize(size, size), qPrintable(what));
                const QImage image = box->grab().toImage();
                const auto rgb = [&](int x, int y) { return image.pixel(indicator.x() + x, indicator.y() + y) & 0xFFFFFFu; };
                QVERIFY2(rgb(0, size / 2) == 0x3C434Bu, qPrintable(what));        // the rim
                QVERIFY2(qGray(rgb(size / 4, size / 4)) < 0x20, qPrintable(what));  // inside, clear of the tick
                int light = 0;
                for (int y = 0; y < size; ++y)
                    for (int x = 0; x < size; ++x)
                        light += qGray(rgb(x, y)) > 200 ? 1 : 0;
                QVERIFY2((light > 0) == box->isChecked(), qPrintable(what));
            }
        };
        check("restyled");
        page.m_pBatchCheck->click();
        page.m_pBatchCheck->click();
        check("filled");
    }

    // EDIT on a delay or a movement step: its number field over the page's translucent
    // background, a white frame round a dark fill, as the default delay's and LOOPS TIME's.
    void stepFieldsFramed_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QSize>("size");
        QTest::newRow("delay") << int(kStepDelay) << "stepDelayEdit" << QSize(80, 24);
        QTest::newRow("distance") << int(kStepMove) << "stepDistanceEdit" << QSize(60, 24);
    }
    void stepFieldsFramed()
    {
        QFETCH(int, type);
        QFETCH(QString, field);
        QFETCH(QSize, size);
        MacroFixture fixture({}, {{"MACRO_LIST/0", "m"}});
        MacroFile macro;
        macro.steps = {{quint8(type), 0, 5}};
        QVERIFY(!WriteMacroFile("m", macro).isEmpty());
        MacroDialog page(nullptr);
        page.resize(665, 467);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTest::mouseClick(page.m_pEditButton, Qt::LeftButton);
        auto *edit = page.findChild<QLineEdit *>(field);
        QVERIFY(edit && edit->isVisible());
        const QImage image = edit->grab().toImage();
        QCOMPARE(image.size(), size);
        const int w = size.width();
        const int h = size.height();
        for (const QPoint &edge : {QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, 0), QPoint(w / 2, h - 1)})
            QCOMPARE(image.pixelColor(edge), QColor(255, 255, 255));
        QCOMPARE(image.pixelColor(w - 4, 3), QColor(30, 30, 30));
        QCOMPARE(image.pixelColor(w - 4, h - 4), QColor(30, 30, 30));
    }
};

QTEST_MAIN(MacroLookTest)
#include "tst_macrolook.moc"
