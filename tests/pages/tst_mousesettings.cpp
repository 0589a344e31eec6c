// The mouse-settings page on its own: the three arrangements, loading stored values, the
// option boxes, and the button that starts the desktop's mouse settings.
#include "pagefixture.h"

#include "kestlabel.h"
#include "kestpointspeed.h"
#include "kestpushbutton.h"
#include "kestslider.h"

#include <QCheckBox>
#include <QFile>
#include <QSpinBox>
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
        QCOMPARE(page.m_pSettingsButton->buttonText(), QString("Mouse Setting"));
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

    void buttonStartsTheDesktopSettings()
    {
        PageFixture fixture({}, {});
        QTemporaryDir bin;
        const QString out = bin.path() + "/arguments";
        QFile script(bin.path() + "/gnome-control-center");
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\necho \"$@\" > '%1'\n").arg(out).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8());
        ProfileRecord record;
        KestPointSpeed page(&record, nullptr);
        page.resize(229, 366);
        page.show();
        QTest::mouseClick(page.m_pSettingsButton, Qt::LeftButton);
        qputenv("PATH", path);
        auto written = [&out] {
            QFile result(out);
            return result.open(QIODevice::ReadOnly) ? result.readAll().trimmed() : QByteArray();
        };
        QTRY_COMPARE(written(), QByteArray("mouse"));
    }
};

QTEST_MAIN(MouseSettingsTest)
#include "tst_mousesettings.moc"
