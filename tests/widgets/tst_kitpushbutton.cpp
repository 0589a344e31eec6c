// The skinned push button: which state image shows, check toggling, its two signals,
// text colours and the theme highlight, on a real button with real images.
#include "configuredfont.h"
#include "devicedefaults.h"
#include "kestpushbutton.h"
#include "kitfixture.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QColor centre(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);  // no window background
    return image.pixelColor(widget.width() / 2, widget.height() / 2);
}

void enter(QWidget &w)
{
    QEvent event(QEvent::Enter);
    QCoreApplication::sendEvent(&w, &event);
}

void leave(QWidget &w)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(&w, &event);
}

} // namespace

class TestKitPushButton : public QObject {
    Q_OBJECT
private:
    QScopedPointer<KitFixture> m_fixture;
    QStringList m_rgb;  // solid red, green, blue state images

    QString solid(const QString &name, const QColor &colour)
    {
        QImage image(20, 20, QImage::Format_ARGB32);
        image.fill(colour);
        const QString path = m_fixture->path() + "/" + name + ".png";
        image.save(path);
        return path;
    }
    KestPushButton *make(const QStringList &images)
    {
        auto *button = new KestPushButton(images, nullptr, QString());
        button->resize(20, 20);
        return button;
    }

private slots:
    void init()
    {
        m_fixture.reset(new KitFixture({{"Config/GColorID", 2}}));  // theme blue
        g_colorMode = 0;
        m_rgb = QStringList{solid("red", Qt::red), solid("green", Qt::green), solid("blue", Qt::blue)};
    }

    void statesFollowTheMouse()
    {
        QScopedPointer<KestPushButton> b(make(m_rgb));
        QColor c = centre(*b);
        QCOMPARE(c.red(), 255);
        QVERIFY2(qAbs(c.alpha() - 200) <= 1, "the normal image is the first one dimmed to 200/255");
        enter(*b);
        QCOMPARE(b->curIndex(), 1);
        QCOMPARE(centre(*b), QColor(Qt::green));
        QTest::mousePress(b.data(), Qt::LeftButton);
        QCOMPARE(b->curIndex(), 2);
        QCOMPARE(centre(*b), QColor(Qt::blue));
        QTest::mouseRelease(b.data(), Qt::LeftButton);
        QCOMPARE(b->curIndex(), 1);
        leave(*b);
        QCOMPARE(b->curIndex(), 0);  // not checkable: back to normal although m_bChecked toggled
        // The second press shows the normal image: every left press toggles the check.
        enter(*b);
        QTest::mousePress(b.data(), Qt::LeftButton);
        QCOMPARE(b->curIndex(), 0);
        QVERIFY(!b->isButtonChecked());
    }

    void checkableReturnsToHoverWhileChecked()
    {
        QScopedPointer<KestPushButton> b(make(m_rgb));
        b->setButtonCheckable(true);
        enter(*b);
        QTest::mouseClick(b.data(), Qt::LeftButton);
        QVERIFY(b->isButtonChecked());
        leave(*b);
        QCOMPARE(b->curIndex(), 1);
        enter(*b);
        QTest::mouseClick(b.data(), Qt::LeftButton);
        QVERIFY(!b->isButtonChecked());
        leave(*b);
        QCOMPARE(b->curIndex(), 0);
        b->setButtonChecked(true);
        QCOMPARE(b->curIndex(), 1);
        b->setButtonEnabled(false);
        QCOMPARE(b->curIndex(), 1);  // checkable and checked stays lit even when disabled
        b->setButtonChecked(false);
        b->setButtonEnabled(false);
        QCOMPARE(b->curIndex(), 3);
    }

    void signalsOfPressAndLeave()
    {
        QScopedPointer<KestPushButton> b(make(m_rgb));
        QSignalSpy entered(b.data(), &KestPushButton::EnterSignal);
        QSignalSpy over(b.data(), &KestPushButton::OverSignal);
        enter(*b);
        QCOMPARE(over.count(), 1);
        QCOMPARE(over.last().at(1).toBool(), true);
        QTest::mouseClick(b.data(), Qt::RightButton);
        QCOMPARE(entered.count(), 0);  // left presses only
        QTest::mouseClick(b.data(), Qt::LeftButton);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(entered.last().at(0).value<KestPushButton *>(), b.data());
        leave(*b);
        QCOMPARE(over.count(), 1);  // a left press since the last leave hides this leave
        enter(*b);
        leave(*b);
        QCOMPARE(over.count(), 3);
        QCOMPARE(over.last().at(1).toBool(), false);
    }

    void disabledButtonReportsEntryButDoesNotReact()
    {
        QScopedPointer<KestPushButton> b(make(m_rgb));
        b->setButtonEnabled(false);
        QSignalSpy entered(b.data(), &KestPushButton::EnterSignal);
        QSignalSpy over(b.data(), &KestPushButton::OverSignal);
        enter(*b);
        QCOMPARE(over.count(), 1);
        QCOMPARE(b->curIndex(), 3);
        QCOMPARE(b->textColor(b->curIndex()), QColor(100, 100, 100));
        QVERIFY(qAbs(centre(*b).alpha() - 200) <= 1);  // the dimmed first image
        QCOMPARE(entered.count(), 0);
    }

    void singleImageStaysNormalAndIndexIsBounded()
    {
        QScopedPointer<KestPushButton> b(make({m_rgb.first()}));
        enter(*b);
        QCOMPARE(b->curIndex(), 0);
        b->setProperty("curIndex", 7);  // beyond the list: falls back on the first image
        QCOMPARE(b->curIndex(), 7);
        QCOMPARE(centre(*b).red(), 255);
        b->setButtonChecked(true);
        QCOMPARE(centre(*b).red(), 255);
    }

    void missingImageLeavesItsStateBlankWithoutWarnings()
    {
        static QStringList warnings;
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type == QtWarningMsg)
                warnings << text;
        });
        QScopedPointer<KestPushButton> b(make({m_fixture->path() + "/absent.png", m_rgb[1]}));
        const QColor normal = centre(*b);
        enter(*b);
        const QColor hover = centre(*b);
        qInstallMessageHandler(previous);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
        QCOMPARE(b->stateImageCount(), 2);
        QCOMPARE(normal.alpha(), 0);
        QCOMPARE(hover, QColor(Qt::green));
    }

    void textSetsToolTip()
    {
        QScopedPointer<KestPushButton> b(make(m_rgb));
        b->setButtonText("Apply");
        QCOMPARE(b->buttonText(), QString("Apply"));
        QCOMPARE(b->toolTip(), QString("Apply"));
        QCOMPARE(b->sizeHint(), QSize(20, 20));
    }

    // A caption wider than the button is narrowed to fit, down to 75 % of its width; what
    // is still too wide after that is cut by the paint.
    void wideCaptionNarrowed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("narrowed");
        QTest::addColumn<bool>("fits");
        QTest::newRow("fits") << "SAVE" << false << true;
        QTest::newRow("a little wide") << "ENREGISTRER" << true << true;
        QTest::newRow("far too wide") << "ENREGISTRER ET APPLIQUER" << true << false;
    }
    void wideCaptionNarrowed()
    {
        QFETCH(QString, text);
        QFETCH(bool, narrowed);
        QFETCH(bool, fits);
        m_fixture.reset(new KitFixture({{"FONT_LIST/FONT_0", "Liberation Sans"}, {"FONT_LIST/FONT_SIZE_0", 12}}));
        QScopedPointer<KestPushButton> b(make(m_rgb));
        b->resize(76, 30);
        b->setButtonText(text);
        const QFont font = b->captionFont();
        QCOMPARE(font.pixelSize(), 12);
        QCOMPARE(font.stretch() != ConfiguredFont().stretch(), narrowed);
        if (narrowed)
            QVERIFY(font.stretch() >= 75);
        QCOMPARE(QFontMetrics(font).horizontalAdvance(text) <= b->contentsRect().width(), fits);
        QCOMPARE(b->contentsRect().width(), 70);
    }

    void textColoursFollowColourMode()
    {
        QScopedPointer<KestPushButton> dark(make(m_rgb));
        g_colorMode = 1;
        QScopedPointer<KestPushButton> light(make(m_rgb));
        QCOMPARE(dark->textColor(0), QColor(200, 200, 200));
        QCOMPARE(dark->textColor(2), QColor(255, 255, 255));
        QCOMPARE(light->textColor(0), QColor(255, 255, 255));
        QCOMPARE(light->textColor(1), QColor(0, 0, 0));
        QCOMPARE(light->textColor(3), QColor(100, 100, 100));
    }

    void themeHighlightPaintsThemeColourOverFirstImage()
    {
        QScopedPointer<KestPushButton> b(make(m_rgb));
        b->setThemeHighlight(true);
        enter(*b);
        const QColor lit = centre(*b);
        QVERIFY2(lit.blue() > 60 && lit.green() < 40, "hover shows the blue theme, not the green image");
        leave(*b);
        QCOMPARE(centre(*b).blue(), 0);
    }
};

QTEST_MAIN(TestKitPushButton)
#include "tst_kitpushbutton.moc"
