// The mouse-settings page on its own: the three arrangements, loading stored values, the
// option boxes, and the button that starts the desktop's mouse settings.
#include "pagefixture.h"

#include "kestlabel.h"
#include "kestmessagebox.h"
#include "kestpointspeed.h"
#include "kestpushbutton.h"
#include "kestslider.h"
#include "scale.h"

#include <QCheckBox>
#include <QFile>
#include <QSpinBox>
#include <QTranslator>
#include <QtTest>

class MouseSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void arrangements_data()
    {
        QTest::addColumn<int>("syncMode");
        QTest::addColumn<QStringList>("placed");
        const QStringList all{"keyResponseLabel", "keyResponseValue", "keyResponseSlider", "mouseSettingButton",
                              "syncBox", "angleBox", "jitterBox", "wakeBox", "liftLabel", "lift1Box", "lift2Box",
                              "sensorModeLabel", "ecoBox", "standardBox", "competitiveBox"};
        QTest::newRow("0") << 0 << QStringList{"mouseSettingButton"};
        QTest::newRow("1") << 1
                           << QStringList{"keyResponseLabel", "keyResponseValue", "keyResponseSlider",
                                          "mouseSettingButton", "wakeBox"};
        QTest::newRow("2") << 2 << all;
        // An unknown arrangement places no option.
        QTest::newRow("5") << 5 << QStringList{"keyResponseLabel", "keyResponseValue", "keyResponseSlider"};
    }
    void arrangements()
    {
        QFETCH(int, syncMode);
        QFETCH(QStringList, placed);
        PageFixture fixture({{"PROFILE/SyncMode", syncMode}}, {});
        ProfileRecord record;
        KestPointSpeed page(&record, nullptr);
        page.resize(229, 366);
        page.show();
        QStringList nonEmpty;
        for (QWidget *w : page.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!w->objectName().isEmpty() && w->objectName() != "scrollSpeedLabel"
                && w->objectName() != "scrollSpeedBox" && !w->geometry().isEmpty())
                nonEmpty << w->objectName();
        }
        nonEmpty.sort();
        placed.sort();
        QCOMPARE(nonEmpty, placed);
        QCOMPARE(page.m_pScrollSpeedBox->geometry().isEmpty(), syncMode >= 0 && syncMode <= 2);
        // No option text is cut off by its box.
        for (QCheckBox *box : page.findChildren<QCheckBox *>()) {
            if (!box->geometry().isEmpty())
                QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->text()));
        }
        QCOMPARE(page.m_pSettingsButton->buttonText(), QString("Mouse Setting"));
    }

    // Every option (SyncMode 2) in both languages at the window's scales, in the shipped font:
    // each caption at the page's font size, none narrowed to fit, inside the page less its
    // margin of 20 on either side, and none over another.
    void optionsFitThePage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("pixels");
        for (const char *language : {"en", "fr"}) {
            QTest::addRow("%s, 1", language) << language << 1.0 << 12;
            QTest::addRow("%s, 1.5", language) << language << 1.5 << 18;
            QTest::addRow("%s, 2", language) << language << 2.0 << 24;
        }
    }
    void optionsFitThePage()
    {
        QFETCH(QString, language);
        QFETCH(double, scale);
        QFETCH(int, pixels);
        PageFixture fixture({{"PROFILE/SyncMode", 2}},
                            {{"FONT_LIST/FONT_0", "Liberation Sans"}, {"FONT_LIST/FONT_SIZE_0", 12}});
        QVERIFY(QFile::link(QStringLiteral(SOURCE_ROOT "/resources/skin"), AppDir() + "/skin"));
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(LANG_DIR "/") + language + ".qm"));
        QCoreApplication::installTranslator(&translator);
        struct Restore {
            QTranslator *translator;
            ~Restore()
            {
                QCoreApplication::removeTranslator(translator);
                setScaleFactor(1.0);
            }
        } restore{&translator};
        setScaleFactor(scale);
        ProfileRecord record;
        KestPointSpeed page(&record, nullptr);
        page.resize(scaled(229, scale), scaled(366, scale));
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const int margin = scaled(20, scale);
        const QRect inside(margin, 0, page.width() - 2 * margin, page.height());
        auto unnarrowed = [](const QFont &font) { return font.stretch() == 0 || font.stretch() == 100; };
        QList<QWidget *> placed;
        for (QCheckBox *box : page.findChildren<QCheckBox *>()) {
            if (box->geometry().isEmpty())
                continue;
            QVERIFY2(box->font().pixelSize() == pixels && unnarrowed(box->font()), qPrintable(box->text()));
            QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->text()));
            placed << box;
        }
        QCOMPARE(placed.size(), 9);
        for (KestLabel *label : {page.m_pLiftLabel, page.m_pSensorModeLabel}) {
            QVERIFY2(label->paintFont().pixelSize() == pixels && unnarrowed(label->paintFont()),
                     qPrintable(label->labelText()));
            placed << label;
        }
        for (QWidget *w : placed) {
            QVERIFY2(inside.contains(w->geometry()), qPrintable(w->objectName()));
            for (QWidget *other : placed)
                QVERIFY2(w == other || !w->geometry().intersects(other->geometry()),
                         qPrintable(w->objectName() + " over " + other->objectName()));
        }
    }

    void loadingAndClicking()
    {
        PageFixture fixture({{"PROFILE/SyncMode", 2}}, {});
        ProfileRecord record;
        record.scrollspeed = 0;
        KestPointSpeed page(&record, nullptr);
        page.setProfileData(&record, 1, 1, 0, 1, 40, 0, 1);
        QVERIFY(page.m_pStandardBox->isChecked());
        // Stored lift 0 shows 2mm; sensor mode 3 keeps the boxes; nothing is written back.
        page.setProfileData(&record, 0, 0, 1, 0, 0, 1, 3);
        QVERIFY(page.m_pLift2Box->isChecked());
        QVERIFY(!page.m_pLift1Box->isChecked());
        QCOMPARE(page.m_iLift, 0);
        QVERIFY(page.m_pStandardBox->isChecked());
        QCOMPARE(page.m_iSensorMode, 3);
        QCOMPARE(page.m_iDebounce, 0);
        QCOMPARE(int(record.scrollspeed), 0);
        QVERIFY(!page.m_pAngleBox->isChecked());
        QVERIFY(page.m_pJitterBox->isChecked());

        page.m_pStandardBox->click();  // the checked member stays checked
        QVERIFY(page.m_pStandardBox->isChecked());
        QCOMPARE(page.m_iSensorMode, 1);
        page.m_pCompetitiveBox->click();
        QCOMPARE(page.m_iSensorMode, 2);
        QVERIFY(!page.m_pStandardBox->isChecked());
        page.m_pLift1Box->click();
        page.m_pLift1Box->click();
        QVERIFY(page.m_pLift1Box->isChecked());
        QCOMPARE(page.m_iLift, 1);
        page.m_pAngleBox->click();
        QCOMPARE(page.m_iAngle, 0);
        page.m_pJitterBox->click();
        QCOMPARE(page.m_iJitter, 1);
        page.m_pWakeBox->click();
        QCOMPARE(page.m_iWake, 0);
        page.m_pSyncBox->click();
        QCOMPARE(page.m_iSync, 1);
        page.m_pKeyResponseSlider->setValue(255);
        QCOMPARE(page.m_iDebounce, 255);
        QCOMPARE(page.m_pKeyResponseValue->labelText(), QString("255"));
        page.m_pScrollSpeedBox->setValue(7);
        QCOMPARE(int(record.scrollspeed), 7);
    }

    // Programs in PATH in the order the button tries them: "works" records its name and
    // arguments, "broken" names an interpreter that does not exist. Where none starts, a box
    // says so.
    void buttonStartsTheDesktopSettings_data()
    {
        QTest::addColumn<QStringList>("programs");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("started");
        QTest::addColumn<QString>("message");
        const QString none = "No mouse settings program of the desktop could be started.";
        QTest::newRow("first") << QStringList{"gnome-control-center works", "xfce4-mouse-settings works"} << "en"
                               << "gnome-control-center mouse" << QString();
        QTest::newRow("broken, then one that starts")
            << QStringList{"gnome-control-center broken", "xfce4-mouse-settings works"} << "en"
            << "xfce4-mouse-settings" << QString();
        QTest::newRow("only broken") << QStringList{"gnome-control-center broken", "cinnamon-settings broken"}
                                     << "en" << QString() << none;
        QTest::newRow("none") << QStringList() << "en" << QString() << none;
        QTest::newRow("none, French") << QStringList() << "fr" << QString()
                                      << "Aucun programme de réglage de la souris de ce bureau n'a pu être lancé.";
    }
    void buttonStartsTheDesktopSettings()
    {
        QFETCH(QStringList, programs);
        QFETCH(QString, language);
        QFETCH(QString, started);
        QFETCH(QString, message);
        PageFixture fixture({}, {});
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(LANG_DIR "/") + language + ".qm"));
        QCoreApplication::installTranslator(&translator);
        QTemporaryDir bin;
        const QString out = bin.path() + "/started";
        for (const QString &entry : programs) {
            const QStringList parts = entry.split(' ');
            QFile script(bin.path() + "/" + parts[0]);
            QVERIFY(script.open(QIODevice::WriteOnly));
            const QString interpreter = parts[1] == "works" ? "/bin/sh" : bin.path() + "/absent-shell";
            script.write(QString("#!%1\necho %2 \"$@\" > '%3'\n").arg(interpreter, parts[0], out).toUtf8());
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QStringList shown;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&shown] {
            if (auto *box = qobject_cast<KestMessageBox *>(QApplication::activeModalWidget())) {
                auto *label = box->findChild<KestLabel *>("msgBoxInfoLabel2");
                shown << (label ? label->m_text : QString());
                box->done(1);
            }
        });
        watcher.start(5);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8());
        ProfileRecord record;
        KestPointSpeed page(&record, nullptr);
        page.resize(229, 366);
        page.show();
        QTest::mouseClick(page.m_pSettingsButton, Qt::LeftButton);
        qputenv("PATH", path);
        QCoreApplication::removeTranslator(&translator);
        if (!started.isEmpty()) {
            auto written = [&out] {
                QFile result(out);
                return result.open(QIODevice::ReadOnly) ? result.readAll().trimmed() : QByteArray();
            };
            QTRY_COMPARE(written(), started.toUtf8());
        }
        QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList{message});
    }
};

QTEST_MAIN(MouseSettingsTest)
#include "tst_mousesettings.moc"
