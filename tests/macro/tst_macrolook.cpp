// The macro page's scroll bars (macro list, command tree, step table) at the window's scales:
// every part drawn in the skin's colours at its scaled width.
#include "macrofixture.h"

#include "kesttreewidget.h"
#include "macrodialog.h"
#include "scale.h"

#include <QFile>
#include <QListWidget>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

class MacroLookTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setScaleFactor(1.0); }

    void scrollBarsSkinned_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }
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
};

QTEST_MAIN(MacroLookTest)
#include "tst_macrolook.moc"
