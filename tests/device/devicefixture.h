#pragma once
// A fresh installation (description with the mouse's IDs, Config.ini naming the model) and
// a reset simulated mouse, for each test.

#include "batterythread.h"
#include "devicetable.h"
#include "mousesim.h"
#include "settings.h"

#include <QSettings>
#include <QTemporaryDir>

constexpr int kTestDongleVid = 0x1A2B;
constexpr int kTestDonglePid = 0x3C01;
constexpr int kTestCableVid = 0x1A2B;
constexpr int kTestCablePid = 0x3C02;
inline const char *kTestModel = "Test Mouse";

class DeviceFixture {
public:
    DeviceFixture()
    {
        SetAppDir(m_dir.path());
        QSettings description(m_dir.path() + "/DefaultProfile.bin", QSettings::IniFormat);
        description.setValue("PROFILE/vid1", kTestDongleVid);
        description.setValue("PROFILE/pid1", kTestDonglePid);
        description.setValue("PROFILE/vid2", kTestCableVid);
        description.setValue("PROFILE/pid2", kTestCablePid);
        description.sync();
        QSettings config(m_dir.path() + "/Configs/Config.ini", QSettings::IniFormat);
        config.setValue("Mouse_List/0", kTestModel);
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

private:
    QTemporaryDir m_dir;
};
