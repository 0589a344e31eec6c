#pragma once
// The device fixture's installation for a 16-button mouse with eight DPI stages, its
// receiver plugged and open, and helpers to read back what reached it.

#include "../device/devicefixture.h"
#include "download.h"
#include "macrofiles.h"

#include <QCoreApplication>
#include <QVector>

constexpr int kFixtureButtons = 16;
// DPI values up to 320 go out as 16-bit little-endian.
constexpr int kFixtureSensor = 3389;

// Command and address of one report, as the mouse received it.
struct SentReport {
    quint8 command = 0;
    quint16 address = 0;
    quint8 marker = 0;
    bool operator==(const SentReport &other) const
    {
        return command == other.command && address == other.address && marker == other.marker;
    }
};

Q_DECLARE_METATYPE(SentReport)

inline char *toString(const SentReport &report)
{
    return qstrdup(QString("%1:%2/%3")
                       .arg(report.command, 2, 16, QChar('0'))
                       .arg(report.address, 4, 16, QChar('0'))
                       .arg(report.marker, 2, 16, QChar('0'))
                       .toLatin1()
                       .constData());
}

// Every write to the mouse but the battery thread's queries, in order.
inline QVector<SentReport> SentReports()
{
    QVector<SentReport> sent;
    for (const SimLogEntry &entry : SimLog()) {
        if (entry.call != SimCall::Write || entry.bytes.size() < 8 || quint8(entry.bytes[3]) == kBatteryReply)
            continue;
        const auto *b = reinterpret_cast<const quint8 *>(entry.bytes.constData());
        sent.append({b[3], quint16(b[4] | (b[5] << 8)), b[7]});
    }
    return sent;
}

// The reports of one download section, in the order they go out.
struct Sections {
    static void add(QVector<SentReport> &list, quint8 command, std::initializer_list<int> addresses)
    {
        bool first = true;
        for (int address : addresses) {
            list.append({command, quint16(address), quint8(first ? kMarkerFirst : kMarkerMiddle)});
            first = false;
        }
        list.append({command, kClosingAddress, kMarkerClosing});
    }
    static void begin(QVector<SentReport> &list) { list.append({kCmdBeginEnd, 0, kMarkerSingle}); }
    static void end(QVector<SentReport> &list) { list.append({kCmdBeginEnd, 1, kMarkerSingle}); }
    static void settings(QVector<SentReport> &list) { add(list, kCmdSettingsBlock, {0}); }
    static void buttons(QVector<SentReport> &list) { add(list, kCmdButtonTable, {0, 2, 26, 50, 74, 98}); }
    static void dpi(QVector<SentReport> &list) { add(list, kCmdDpiStages, {0, 1, 6, 11, 16, 21, 26, 31, 36}); }
    static void lighting(QVector<SentReport> &list) { add(list, kCmdLightingTable, {0, 24, 48, 72}); }
    static void commits(QVector<SentReport> &list)
    {
        for (int group : {0x04, 0x01, 0x02, 0x08, 0x10})
            list.append({kCmdCommit, quint16(0xF3 | (group << 8)), kMarkerSingle});
    }
};

class DownloadFixture : public DeviceFixture {
public:
    DownloadFixture()
        // Stored masked: buttons = ButtonCount ^ MouseDpi, stages = that ^ DPICount.
        : DeviceFixture({{"PROFILE/ButtonCount", kFixtureButtons ^ 0x5A},
                         {"PROFILE/MouseDpi", 0x5A},
                         {"PROFILE/DPICount", kFixtureButtons ^ 8}},
                        {{"MouseSenSor/1", kFixtureSensor}})
    {
        for (int i = 0; i < 16; ++i)
            g_buttonMatrix[i] = quint8(i);
        g_deviceAsleep = 0;
        MacroSlotMap.clear();
        start(true, false);
    }
    ~DownloadFixture()
    {
        // A restart a download queued for the GUI thread must not outlive the test.
        QCoreApplication::removePostedEvents(QCoreApplication::instance(), QEvent::MetaCall);
    }
};

// A macro file of `count` steps; no delay step unless `withDelay`. Step i is a key press of
// usage first + i, so each macro's block can be told apart.
inline void WriteTestMacro(const QString &name, int count, int first = 1, bool withDelay = false)
{
    MacroFile macro;
    for (int i = 0; i < count; ++i)
        macro.steps.append({kStepKeyPress, 0, quint8(first + i)});
    if (withDelay && count > 0)
        macro.steps[count - 1] = {kStepDelay, 0, 5};
    WriteMacroFile(name, macro);
}

inline void AssignMacro(ProfileRecord &profile, int button, const QString &name, qint32 fun = 510)
{
    profile.buttonInfo[button].Fun = fun;
    profile.buttonInfo[button].macroname = name;
}
