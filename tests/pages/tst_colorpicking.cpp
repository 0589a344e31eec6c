// The colour-edit dialog and its picking areas: hex typing and filling, which signals each
// gesture gives, and the mappings of the bar and the square at two scale factors.
#include "pagefixture.h"

#include "defaultcolorarea.h"
#include "hcolorarea.h"
#include "keycodes.h"
#include "kestcolorarea.h"
#include "previewcolorarea.h"
#include "scale.h"
#include "svcolorarea.h"

#include <QLineEdit>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

Q_DECLARE_METATYPE(QColor)

class ColorPickingTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PageFixture> m_fixture;

private slots:
    void init()
    {
        setScaleFactor(1.0);
        m_fixture = std::make_unique<PageFixture>(QVariantMap(), QVariantMap());
    }
    void cleanup()
    {
        m_fixture.reset();
        setScaleFactor(1.0);
    }

    void hexTyping_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("filled");
        QTest::newRow("one digit") << "f" << QColor(0, 0, 15) << "00000f";
        QTest::newRow("two digits") << "12" << QColor(0, 0, 18) << "000012";
        QTest::newRow("shorthand") << "abc" << QColor(170, 187, 204) << "aabbcc";
        QTest::newRow("four") << "1f2e" << QColor(0, 31, 46) << "001f2e";
        QTest::newRow("five") << "a1b2c" << QColor(10, 27, 44) << "0a1b2c";
        QTest::newRow("six") << "FF8000" << QColor(255, 128, 0) << "FF8000";
        QTest::newRow("seven") << "1234567" << QColor(0, 0, 0) << "1234567";
        // A sign is no hex digit: the part counts 0 instead of giving a broken colour.
        QTest::newRow("sign") << "-f" << QColor(0, 0, 0) << "0000-f";
        QTest::newRow("sign in a part") << "+f0000" << QColor(0, 0, 0) << "+f0000";
        QTest::newRow("not hex") << "zz" << QColor(0, 0, 0) << "0000zz";
    }
    void hexTyping()
    {
        QFETCH(QString, typed);
        QFETCH(QColor, colour);
        QFETCH(QString, filled);
        KestColorArea dialog(nullptr, 1.0);
        QSignalSpy changes(&dialog, &KestColorArea::KestChangeColor);
        dialog.show();
        dialog.m_pHexEdit->setFocus();
        QTest::keyClicks(dialog.m_pHexEdit, typed);
        QVERIFY(dialog.chosenColor().isValid());
        QCOMPARE(dialog.chosenColor(), colour);
        QCOMPARE(changes.last().at(0).value<QColor>(), colour);
        QCOMPARE(dialog.m_pRBox->value(), colour.red());
        QCOMPARE(dialog.m_pGBox->value(), colour.green());
        QCOMPARE(dialog.m_pBBox->value(), colour.blue());
        QTest::keyClick(dialog.m_pHexEdit, Qt::Key_Return);
        QCOMPARE(dialog.m_pHexEdit->text(), filled);
        QCOMPARE(dialog.chosenColor(), colour);  // filling changes no colour
    }

    void loadingAColour()
    {
        KestColorArea dialog(nullptr, 1.0);
        QSignalSpy changes(&dialog, &KestColorArea::KestChangeColor);
        QSignalSpy applies(&dialog, &KestColorArea::ApplyColor);
        dialog.setColor(QColor(255, 0, 0));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(applies.count(), 0);
        QCOMPARE(dialog.m_pHBox->value(), 0);
        QCOMPARE(dialog.m_pSBox->value(), 255);
        QCOMPARE(dialog.m_pVBox->value(), 255);
        QCOMPARE(dialog.m_pHexEdit->text(), QString("ff0000"));
        QCOMPARE(dialog.m_pSquare->ringX(), 127);
        QCOMPARE(dialog.m_pSquare->ringLevel(), 127);
    }

    void quickColours_data()
    {
        QTest::addColumn<QColor>("loaded");
        QTest::addColumn<int>("swatch");
        QTest::addColumn<int>("emitted");
        QTest::addColumn<QColor>("chosen");
        QTest::newRow("same colour") << QColor(0, 255, 255) << 3 << 1 << QColor(0, 255, 255);
        // The blue change emits as well, before the swatch's own pair.
        QTest::newRow("other colour") << QColor(0, 255, 255) << 0 << 2 << QColor(255, 0, 0);
    }
    void quickColours()
    {
        QFETCH(QColor, loaded);
        QFETCH(int, swatch);
        QFETCH(int, emitted);
        QFETCH(QColor, chosen);
        KestColorArea dialog(nullptr, 1.0);
        dialog.setColor(loaded);
        QSignalSpy changes(&dialog, &KestColorArea::KestChangeColor);
        QSignalSpy applies(&dialog, &KestColorArea::ApplyColor);
        QTest::mouseClick(dialog.m_pQuickColors[swatch], Qt::LeftButton);
        QCOMPARE(changes.count(), emitted);
        QCOMPARE(applies.count(), emitted);
        QCOMPARE(dialog.chosenColor(), chosen);
        QCOMPARE(dialog.m_pHexEdit->text(), ColorHexText(chosen));
    }

    // A drag changes the boxes and the hex text at every step, and ends with one ApplyColor;
    // the hue gradient is not drawn again while only saturation and value change. A drag
    // that leaves the square ends on its edge.
    void dragOnTheSquare_data()
    {
        QTest::addColumn<QPoint>("end");
        QTest::addColumn<int>("saturation");
        QTest::addColumn<int>("value");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("hex");
        QTest::newRow("top left") << QPoint(0, 0) << 0 << 255 << QColor(255, 255, 255) << "ffffff";
        QTest::newRow("below and beyond") << QPoint(170, 200) << 255 << 0 << QColor(0, 0, 0) << "000000";
    }
    void dragOnTheSquare()
    {
        QFETCH(QPoint, end);
        QFETCH(int, saturation);
        QFETCH(int, value);
        QFETCH(QColor, colour);
        QFETCH(QString, hex);
        KestColorArea dialog(nullptr, 1.0);
        dialog.setColor(QColor(255, 0, 0));
        dialog.show();
        QSignalSpy changes(&dialog, &KestColorArea::KestChangeColor);
        QSignalSpy applies(&dialog, &KestColorArea::ApplyColor);
        const int builds = dialog.m_pSquare->colorPixmapBuilds();
        QTest::mousePress(dialog.m_pSquare, Qt::LeftButton, Qt::NoModifier, QPoint(64, 64));
        QMouseEvent move(QEvent::MouseMove, QPointF(end), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dialog.m_pSquare, &move);
        QTest::mouseRelease(dialog.m_pSquare, Qt::LeftButton, Qt::NoModifier, end);
        QCOMPARE(changes.count(), 2);
        QCOMPARE(applies.count(), 1);
        QCOMPARE(dialog.m_pSquare->colorPixmapBuilds(), builds);
        QCOMPARE(dialog.m_pSBox->value(), saturation);
        QCOMPARE(dialog.m_pVBox->value(), value);
        QVERIFY(dialog.chosenColor().isValid());
        QCOMPARE(dialog.chosenColor().toRgb(), colour);
        QCOMPARE(dialog.m_pHexEdit->text(), hex);
        QCOMPARE(changes.count(), 2);
        // A hue change does draw it.
        QTest::mouseClick(dialog.m_pHueBar, Qt::LeftButton, Qt::NoModifier, QPoint(5, 7 + 64));
        QCOMPARE(dialog.m_pSquare->colorPixmapBuilds(), builds + 1);
    }

    void mappings_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("fullRing");
        QTest::addColumn<int>("fullReadBack");
        QTest::newRow("1") << 1.0 << 128 << 127 << 254;
        QTest::newRow("1.25") << 1.25 << 160 << 158 << 252;
    }
    void mappings()
    {
        QFETCH(double, scale);
        QFETCH(int, size);
        QFETCH(int, fullRing);
        QFETCH(int, fullReadBack);
        setScaleFactor(scale);
        QWidget host;
        HColorArea bar(&host);
        SVColorArea square(&host);
        PreviewColorArea preview(&host);
        connect(&square, &SVColorArea::svChangedSignal, &preview, &PreviewColorArea::svChangedSlot);
        QSignalSpy levels(&preview, &PreviewColorArea::svChangedSignal);
        QSignalSpy hues(&bar, &HColorArea::hueChangedSignal);
        bar.setGeometry(0, 0, scaled(34, scale), scaled(142, scale));
        square.setGeometry(0, 0, size, size);
        QCOMPARE(bar.barHeight(), size);
        QCOMPARE(square.squareSize(), size);

        QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(3, 7));
        QCOMPARE(hues.last().at(0).toInt(), 360);
        QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(3, 7 + size + 5));
        QCOMPARE(hues.last().at(0).toInt(), 0);
        QCOMPARE(bar.markerFraction(), 0.0);

        // QTest takes a null point for the centre: the event is sent by hand.
        QMouseEvent corner(QEvent::MouseButtonPress, QPointF(0, 0), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&square, &corner);
        QCOMPARE(square.ringLevel(), size);
        QCOMPARE(levels.last().at(1).toInt(), 0);
        QCOMPARE(levels.last().at(2).toInt(), 255);

        square.setHsv(0, 255, 255);
        QCOMPARE(square.ringX(), fullRing);
        square.hueChangedSlot(360);  // the preview reports hue 0 for 360
        QCOMPARE(levels.last().at(0).toInt(), 0);
        QCOMPARE(levels.last().at(1).toInt(), fullReadBack);
        QCOMPARE(levels.last().at(2).toInt(), fullReadBack);

        // The ring is white on the lower half, the middle included.
        square.setValue(255);
        QCOMPARE(square.ringColor(), QColor(Qt::black));
        square.setValue(LevelToRing(0, 1));
        QCOMPARE(square.ringColor(), QColor(Qt::white));
    }

    // Above scale 2 the bar's pixmap used to cut the gradient off.
    void barPixmapHoldsTheWholeBar()
    {
        setScaleFactor(3.0);
        HColorArea bar(nullptr);
        QVERIFY(bar.barPixmap().height() >= HColorArea::kTopMargin + bar.barHeight());
        const QImage image = bar.barPixmap().toImage();
        QVERIFY(qAlpha(image.pixel(10, HColorArea::kTopMargin + bar.barHeight() - 2)) > 0);
    }

    // The R, G and B boxes show their prefix and three digits whole in each language's
    // configured font at each scale: a value set from a colour, and one typed into the box,
    // where the line edit would otherwise scroll the prefix away.
    void valueBoxesShowThreeDigits_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<double>("scale");
        for (const int language : {0, 1}) {
            for (const double scale : {1.0, 1.25, 1.5, 2.0})
                QTest::addRow("language %d at %g", language, scale) << language << scale;
        }
    }
    void valueBoxesShowThreeDigits()
    {
        QFETCH(int, language);
        QFETCH(double, scale);
        QSettings committed(QStringLiteral(SOURCE_ROOT "/resources/device/Configs/Config.ini"), QSettings::IniFormat);
        QVariantMap fonts;
        for (const QString &key : {QString("FONT_%1").arg(language), QString("FONT_SIZE_%1").arg(language)})
            fonts.insert("FONT_LIST/" + key, committed.value("FONT_LIST/" + key));
        QVERIFY(!fonts.first().toString().isEmpty());
        m_fixture = std::make_unique<PageFixture>(QVariantMap(), fonts);
        const int previousLanguage = g_langId;
        g_langId = language;
        const auto restore = qScopeGuard([previousLanguage] { g_langId = previousLanguage; });
        setScaleFactor(scale);
        KestColorArea dialog(nullptr, scale);
        dialog.setColor(QColor(255, 255, 255));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (QSpinBox *box : {dialog.m_pRBox, dialog.m_pGBox, dialog.m_pBBox}) {
            auto *edit = box->findChild<QLineEdit *>();
            QVERIFY(edit);
            for (const bool typed : {false, true}) {
                if (typed) {
                    box->setFocus();
                    edit->setCursorPosition(edit->text().size());
                    for (int i = 0; i < 3; ++i)
                        QTest::keyClick(edit, Qt::Key_Backspace);
                    QTest::keyClicks(edit, "100");
                    QCOMPARE(box->value(), 100);
                }
                QCOMPARE(edit->text(), box->prefix() + QString::number(box->value()));
                // QLineEdit keeps 2 px clear on each side and one more for the cursor.
                const int room = edit->contentsRect().width() - 2 * 2 - 1;
                const int needed = QFontMetrics(edit->font()).horizontalAdvance(edit->text());
                QVERIFY2(needed <= room, qPrintable(QString("%1 \"%2\": %3 px in %4 px")
                                                        .arg(box->objectName(), edit->text())
                                                        .arg(needed)
                                                        .arg(room)));
                // Painted with the cursor at the end, the prefix has not scrolled out of sight.
                edit->grab();
                QCOMPARE(edit->cursorPositionAt(QPoint(edit->contentsRect().left() + 3, edit->height() / 2)), 0);
            }
        }
    }

    void okAndCancel_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void okAndCancel()
    {
        QFETCH(bool, ok);
        KestColorArea dialog(nullptr, 1.0);
        QToolButton *button = ok ? dialog.m_pOkButton : dialog.m_pCancelButton;
        QCOMPARE(button->objectName(), QString(ok ? "msgBoxYesBtn" : "msgBoxNoBtn"));
        QVERIFY(button->styleSheet().contains(QString(24, ' ') + "border-radius"));
        QVERIFY(!button->styleSheet().contains(QString(25, ' ')));
        QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
        QCOMPARE(dialog.exec(), ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
    }
};

QTEST_MAIN(ColorPickingTest)
#include "tst_colorpicking.moc"
