#pragma once
// A fresh installation (description with the mouse's IDs, Config.ini naming the model) and
// a reset simulated mouse, for each test.

#include "batterythread.h"
#include "commands.h"
#include "devicetable.h"
#include "mousesim.h"
#include "settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QVariantMap>

constexpr int kTestDongleVid = 0x1A2B;
constexpr int kTestDonglePid = 0x3C01;
constexpr int kTestCableVid = 0x1A2B;
constexpr int kTestCablePid = 0x3C02;
inline const char *kTestModel = "Test Mouse";

// A builder report (checksum 0) whose data bytes are 0x10, 0x11, ...
inline CommandReport MakeTestReport(quint8 command, quint16 address = 0, quint8 length = 0, quint8 marker = 0)
{
    quint8 data[kReportDataSize];
    for (int i = 0; i < kReportDataSize; ++i)
        data[i] = quint8(0x10 + i);
    return MakeReport(command, address, length, marker, data);
}

class DeviceFixture {
public:
    // Extra keys ("PROFILE/..." in the description, "Group/Key" in Config.ini) go into the
    // same single write of each file.
    explicit DeviceFixture(const QVariantMap &extraDescription = {}, const QVariantMap &extraConfig = {})
    {
        SetAppDir(m_dir.path());
        QSettings description(m_dir.path() + "/DefaultProfile.bin", QSettings::IniFormat);
        description.setValue("PROFILE/vid1", kTestDongleVid);
        description.setValue("PROFILE/pid1", kTestDonglePid);
        description.setValue("PROFILE/vid2", kTestCableVid);
        description.setValue("PROFILE/pid2", kTestCablePid);
        for (auto it = extraDescription.begin(); it != extraDescription.end(); ++it)
            description.setValue(it.key(), it.value());
        description.sync();
        QSettings config(m_dir.path() + "/Configs/Config.ini", QSettings::IniFormat);
        config.setValue("Mouse_List/0", kTestModel);
        for (auto it = extraConfig.begin(); it != extraConfig.end(); ++it)
            config.setValue(it.key(), it.value());
        config.sync();
        SimReset();
        LoadDeviceTable();
    }
    ~DeviceFixture()
    {
        StopBatteryThread();
        CloseDevice();
        SimReset();
    }

    // Plugs the links, enumerates and opens the model, as the program's start does.
    void start(bool receiver, bool cable)
    {
        if (receiver)
            SimPlugReceiver();
        if (cable)
            SimPlugCable();
        EnumerateDevices();
        OpenDeviceByName(kTestModel);
        SimClearLog();
    }

    const DeviceEntry &row() const { return g_deviceTable.entries[0]; }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
