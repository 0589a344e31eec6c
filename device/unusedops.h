#pragma once
// Operations of the device link that the running program never calls: feature-report
// queries, the older single-area block writes (command 0x42), host actions of mouse events
// and three reader threads that nothing starts. Kept apart from the live path.

#include "records.h"

#include <hidapi/hidapi.h>

#include <QThread>
#include <atomic>

// Same as CommandHandle(); call with DeviceLinkMutex() held.
hid_device *GetCommandHandle();

// --- Feature-report queries on the cable's mouse collection: 1 done, 0 failed ---------

// 05 00 FA 41 2C 00 01: byte 8 of the answer is the current profile (into the download image).
int QueryProfile();
// The colour and effect of each profile's light mode.
int QueryLedState();
// Bytes 8, 10, ... 16 of the answer: report rates of profiles 0-4.
int QueryPollRate();
// The eight stages of the current profile, decoded for the configured sensor.
int QueryDpi();
// The four table bytes of one button.
int QuerySingleButton(int profile, int button, quint8 (&bytes)[4]);
// Queries without an answer of their own: they do nothing and return 1.
int QueryReserved1();
int QueryReserved2();
// Compares the product name with "Wireless Mouse" and returns 1 whatever the outcome.
int CheckWirelessProduct();

// --- Older block writes: first failing result, else 0 ----------------------------------

// Base address of each profile in the older register map.
quint16 OldProfileBaseAddress(int profile);
int WriteRegister3E();
int WritePollRates(bool commit);
int WriteScrollSpeeds();
int WriteCurrentStages(bool commit);
int WriteProfileDpi(int profile, bool commit);
// Select-profile of the download image's current profile, its commit when asked, 100 ms.
int SendCurrentProfile(bool commit);
int WriteLightingOld();
// The macros of profile 0's macro buttons, 25 bytes a report, at 200 bytes a slot.
int WriteMacrosOld();
// Each button of one profile at 4 x slot; model "PELTRIX" moves slots 3-5 to 20, 12, 16.
int WriteButtonsOld(int profile);

// --- Lookups and helpers -------------------------------------------------------------

// The four table bytes of a function code; false (bytes 0) when it has no row.
bool FunctionCodeBytes(qint32 fun, quint8 (&bytes)[4]);
// The first function code whose row has this first, third or fourth byte; 0 when none.
qint32 FunctionCodeOfFirstByte(quint8 byte);
qint32 FunctionCodeOfThirdByte(quint8 byte);
qint32 FunctionCodeOfFourthByte(quint8 byte);
// RemoveMacroName when the name is in the macro slot map.
void RemoveMacroNameIfAny(const QString &name);

// --- Host actions (the pointer speed's family) -------------------------------------

// The pointer speed the system keeps in its registry, into the download image's current
// profile; with no such value the byte stays. Returns 1.
int ReadPointerSpeedFromRegistry();
void SendBrowserBack();
void SendBrowserForward();
void SendBrowserStop();
void SendBrowserRefresh();
void SendBrowserFavorites();
// Ctrl+F.
void SendFindKeys();
// Opens the browser's start page, when the system names one.
void OpenBrowserHome();
// When `open` is set, starts the system's mail program, when it names one.
void OpenMailClient(bool open);

// --- Reader threads ------------------------------------------------------------------

// Stop flag and a destructor that stops and waits, shared by the three readers.
class KestReaderThread : public QThread {
    Q_OBJECT
public:
    ~KestReaderThread() override;
    void stopThread() { m_isStop = true; }
    std::atomic<bool> m_isStop{false};
};

// Receiver's command collection: vendor reports FF nn trigger the host actions.
class KestHidReadThread : public KestReaderThread {
    Q_OBJECT
protected:
    void run() override;
};

// Cable's command collection: reads and logs; its signals are never emitted.
class KestHidReadThread2 : public KestReaderThread {
    Q_OBJECT
signals:
    void RefreshProfile(uchar profile);
    void RefreshLightModeSignal(uchar mode, uchar value);
    void RefreshDPIStage(uchar stage);
    void RefreshPollRate(uchar rate);

protected:
    void run() override;
};

// Cable's command collection: the battery query once a second, the answer logged.
class KestHidReadThread3 : public KestReaderThread {
    Q_OBJECT
protected:
    void run() override;
};
