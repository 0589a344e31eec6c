// The smaller controls of the kit: the configured font of labels and actions, the line
// edit's focus signal, the slider's end-of-drag signal, the pop box's name field and the
// list and menu items.
#include "kestaction.h"
#include "kestlabel.h"
#include "kestlineedit.h"
#include "kestlistwidgetitem.h"
#include "kestpopbox.h"
#include "kestprofilemenuitem.h"
#include "kestslider.h"
#include "kesttranslucentdialog.h"
#include "kitfixture.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QStyleOptionSlider>
#include <QSignalSpy>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A move with the left button held (QTest's move does not carry buttons to the widget).
void dragTo(QWidget &widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget.mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}

QPoint handleCentre(QSlider &slider)
{
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = slider.orientation();
    option.minimum = slider.minimum();
    option.maximum = slider.maximum();
    option.sliderPosition = slider.sliderPosition();
    option.sliderValue = slider.value();
    option.subControls = QStyle::SC_All;
    return slider.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider).center();
}

} // namespace

class TestKitWidgets : public QObject {
    Q_OBJECT
private:
    QScopedPointer<KitFixture> m_fixture;

private slots:
    void init()
    {
        m_fixture.reset(new KitFixture({{"FONT_LIST/FONT_0", "Liberation Sans"},
                                        {"FONT_LIST/FONT_SIZE_0", 12},
                                        {"FONT_LIST/FONT_1", "Liberation Mono"},
                                        {"FONT_LIST/FONT_SIZE_1", 20}}));
    }

    void labelPixelSizeFollowsScaleAndReduction()
    {
        setScaleFactor(1.5);
        KestLabel plain;
        QCOMPARE(plain.paintPixelSize(), 18);
        KestLabel reduced;
        reduced.setFontReduction(2);
        QCOMPARE(reduced.paintPixelSize(), 15);  // the reduction applies before scaling
        KestLabel fixed;
        fixed.setFontSize(9);
        QCOMPARE(fixed.paintPixelSize(), 13);  // 13.5 truncated
        g_langId = 1;  // read afresh: a language change reaches the next paint
        QCOMPARE(plain.paintPixelSize(), 30);
    }

    void actionTakesTheFontWhenMadeAndWhenRetexted()
    {
        setScaleFactor(1.5);
        KestAction action("Mode 1", nullptr);
        QCOMPARE(action.font().pixelSize(), 18);
        QCOMPARE(action.font().family(), QString("Liberation Sans"));
        g_langId = 1;
        QCOMPARE(action.font().pixelSize(), 18);  // only a new font call changes it
        action.setText("Mode 2");
        QCOMPARE(action.font().pixelSize(), 30);
        QCOMPARE(KestAction::actionText(&action), QString("Mode 2"));
    }

    void missingFontKeepsTheDefaultSize()
    {
        g_langId = 5;  // no FONT_LIST entry
        KestAction action(nullptr);
        QCOMPARE(action.font().pixelSize(), QFont().pixelSize());
    }

    void labelPressEmitsForAnyButton()
    {
        KestLabel label("text", nullptr);
        QSignalSpy pressed(&label, &KestLabel::EnterSignal);
        QTest::mouseClick(&label, Qt::RightButton);
        QTest::mouseClick(&label, Qt::MiddleButton);
        QCOMPARE(pressed.count(), 2);
        label.setNumber(42);
        QCOMPARE(label.labelText(), QString("42"));
        QCOMPARE(label.text(), QString());  // QLabel's own text stays unused
    }

    void lineEditReportsFocusLossOnly()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *edit = new KestLineEdit(&window);
        auto *other = new QLineEdit(&window);
        layout->addWidget(edit);
        layout->addWidget(other);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        QSignalSpy lost(edit, &KestLineEdit::kestLostFocus);
        QSignalSpy finished(edit, &QLineEdit::editingFinished);
        edit->setText("12");
        other->setFocus();
        QTRY_COMPARE(lost.count(), 1);
        QCOMPARE(finished.count(), 0);
    }

    void sliderSignalsOncePerDrag()
    {
        KestSlider slider;
        slider.setOrientation(Qt::Horizontal);
        slider.setRange(0, 100);
        slider.resize(200, 20);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        QSignalSpy changed(&slider, &KestSlider::MouseChange);
        QSignalSpy values(&slider, &QSlider::valueChanged);
        const QPoint handle = handleCentre(slider);
        const int y = handle.y();
        QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, handle);
        for (int x = handle.x() + 10; x <= handle.x() + 60; x += 10)
            dragTo(slider, QPoint(x, y));
        QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(handle.x() + 60, y));
        QCOMPARE(changed.count(), 1);
        QVERIFY(values.count() > 1);
        QTest::mouseClick(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(150, y));
        QCOMPARE(changed.count(), 2);
        QVERIFY(slider.valueTip()->isHidden());  // the tip stays off unless asked for
    }

    void sliderTipSurvivesAnEmptyRange()
    {
        KestSlider slider;
        slider.setRange(5, 5);
        slider.resize(100, 20);
        slider.setShowValueTip(true);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        dragTo(slider, QPoint(50, 10));
        QCOMPARE(slider.valueTip()->pos(), QPoint(0, 0));
        QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(50, 10));
        QVERIFY(slider.valueTip()->isHidden());
    }

    void popBoxKeepsFortyCharacters()
    {
        KestPopBox box(0, "Name", "NEW PROFILE", "Enter a name", nullptr, Qt::WindowFlags());
        QCOMPARE(box.size(), QSize(478, 309));
        QVERIFY(!box.findChild<QToolButton *>("msgBoxNoBtn"));
        QCOMPARE(box.findChild<QToolButton *>("msgBoxYesBtn")->text(), QString("Ok"));
        QTest::keyClicks(box.nameEdit(), QString(41, QChar('a')));
        QCOMPARE(box.nameEdit()->text().size(), 40);
        QCOMPARE(box.name(), box.nameEdit()->text());
        KestPopBox twoButtons(1, "Name", "a", "b");
        QCOMPARE(twoButtons.findChild<QToolButton *>("msgBoxYesBtn")->text(), QString("Yes"));
        QCOMPARE(twoButtons.findChild<QToolButton *>("msgBoxNoBtn")->text(), QString("No"));
    }

    void itemsOfTheKit()
    {
        KestListWidgetItem item;
        QVERIFY(!item.data(Qt::SizeHintRole).isValid());  // no valid hint without a width
        KestProfileMenuItem row(nullptr, "Profile 1");
        row.setText("Profile 2");
        QCOMPARE(row.label()->labelText(), QString("Profile 2"));
        QCOMPARE(row.text(), QString());
        KestTranslucentDialog overlay;
        QCOMPARE(overlay.caption()->labelText(), QString("Mouse Sleep"));
        QCOMPARE(overlay.caption()->geometry(), QRect(20, 10, 230, 20));
    }
};

QTEST_MAIN(TestKitWidgets)
#include "tst_kitwidgets.moc"
