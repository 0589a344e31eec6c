#pragma once
// A fresh installation (description with the mouse's IDs, Config.ini naming the model) and
// a reset simulated mouse, for each test.

#include "batterythread.h"
#include "devicetable.h"
#include "mousesim.h"
#include "settings.h"
#include "transport.h"

#include <QSettings>
#include <QTemporaryDir>

constexpr int kTestDongleVid = 0x1A2B;
constexpr int kTestDonglePid = 0x3C01;
constexpr int kTestCableVid = 0x1A2B;
constexpr int kTestCablePid = 0x3C02;
inline const char *kTestModel = "Test Mouse";

// A report as the command builders make it (checksum 0); data bytes 0x10, 0x11, ...
inline CommandReport MakeTestReport(quint8 command, quint16 address = 0, quint8 length = 0, quint8 marker = 0)
{
    CommandReport report;
    report.bytes[kReportIdOffset] = kCommandReportId;
    report.bytes[kFrameOffset] = kFrameMarker;
    report.bytes[kCommandOffset] = command;
    report.bytes[kAddressOffset] = quint8(address & 0xFF);
    report.bytes[kAddressOffset + 1] = quint8(address >> 8);
    report.bytes[kLengthOffset] = length;
    report.bytes[kMarkerOffset] = marker;
    for (int i = 0; i < length && i < kReportDataSize; ++i)
        report.bytes[kDataOffset + i] = quint8(0x10 + i);
    return report;
}

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
