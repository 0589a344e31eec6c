#pragma once
// Helpers shared by the store tests: a fresh application directory, hand-written fixture
// files, and a profile record with a distinct value in every keyed field.

#include "records.h"
#include "settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>

// Each test gets its own directory: QSettings caches files per path.
class StoreDir {
public:
    StoreDir() { SetAppDir(m_dir.path()); }
    // Never falls back to the executable's folder while another test directory is in use.
    ~StoreDir()
    {
        if (AppDir() == m_dir.path())
            SetAppDir(QString());
    }
    QString path() const { return m_dir.path(); }
    bool isValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
};

inline bool writeFixture(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The file's bytes, read past QSettings and its cache; a text no file holds when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("cannot read " + path.toUtf8());
}

// Another writer's same-size edit of the file, its modification time put back: QSettings'
// cache takes it for the text it read before.
inline bool rewriteKeepingTime(const QString &path, const QByteArray &from, const QByteArray &to)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat before {};
    QFile file(path);
    if (from.size() != to.size() || ::stat(name.constData(), &before) != 0 || !file.open(QIODevice::ReadWrite))
        return false;
    QByteArray text = file.readAll();
    if (!text.contains(from))
        return false;
    text.replace(from, to);
    if (!file.seek(0) || file.write(text) != text.size())
        return false;
    file.close();
    const timespec times[2] = {before.st_atim, before.st_mtim};
    return ::utimensat(AT_FDCWD, name.constData(), times, 0) == 0;
}

inline QString descriptionPath() { return AppDir() + "/DefaultProfile.bin"; }

// Wide values on purpose: unsigned fields above INT_MAX, 8-bit fields up to 255, colours with alpha.
inline ProfileRecord sampleProfile(int seed)
{
    ProfileRecord r;
    r.pollrate = quint8(seed + 1);
    r.dpi = quint8((seed + 2) % kDpiStages);
    r.LedMode = quint8((seed + 3) % kLedModes);
    r.LedMoveOFF = quint8(seed + 4);
    r.LedSleepTime = quint8(seed + 5);
    for (int i = 0; i < kDpiStages; ++i) {
        r.dpiInfo[i].used = quint8(i & 1);
        r.dpiInfo[i].link = quint8(255 - i);
        r.dpiInfo[i].xy = 4000000000u + quint32(seed * 100 + i);
        r.dpiInfo[i].x = quint32(seed * 1000 + i * 7);
        r.dpiInfo[i].y = quint32(seed * 1000 + i * 11);
    }
    r.mousespeed = quint8(seed + 6);
    r.dbclickspeed = quint8(seed + 7);
    r.scrollispage = 1;
    r.scrollspeed = quint8(seed + 8);
    r.accelenable = 1;
    r.acee = quint8(seed + 9);
    for (int b = 0; b < kButtonCount; ++b) {
        ButtonInfo &button = r.buttonInfo[b];
        button.ID = b - seed;
        button.Fun = 500 + b + seed;
        button.LoopNumber = -b;
        button.KeyNumber = b % 64;
        button.Res1 = quint8(b + 200);
        button.Res2 = quint8(b + 1);
        button.Res3 = quint8(seed);
        button.Res4 = 255;
        button.macroname = QString("macro %1, b%2").arg(seed).arg(b);
        for (int s = 0; s < kKeySteps; ++s) {
            button.keyInfo[s].map = quint8(s + b);
            button.keyInfo[s].key = quint8(s * 3 + seed);
            button.keyInfo[s].H = quint8(255 - s);
        }
    }
    for (int i = 0; i < kLedModes; ++i) {
        LedModeInfo &mode = r.ledModes[i];
        mode.RGB = i == 13 ? QColor() : QColor(i * 10, 255 - i, seed * 20 % 256, 100 + i);
        mode.h = quint32(i * 20 + seed);
        mode.s = quint32(i + 1);
        mode.v = 3000000000u + quint32(i);
        mode.bright = quint32(i % 4);
        mode.breath = quint32(seed);
    }
    r.ProfileName = QString("Name %1 é").arg(seed);
    r.ProfilePath = QString("C:/path/%1").arg(seed);
    return r;
}

// Empty when the keyed fields agree; otherwise names the first field that differs.
inline QString profileDifference(const ProfileRecord &a, const ProfileRecord &b, bool withLedTimes = true)
{
#define DIFF(field)                                                                                                   \
    if (!(a.field == b.field))                                                                                         \
        return QStringLiteral(#field);
    DIFF(pollrate) DIFF(dpi) DIFF(LedMode) DIFF(mousespeed) DIFF(dbclickspeed) DIFF(scrollispage)
    DIFF(scrollspeed) DIFF(accelenable) DIFF(acee) DIFF(ProfileName) DIFF(ProfilePath)
    if (withLedTimes) {
        DIFF(LedMoveOFF) DIFF(LedSleepTime)
    }
    for (int i = 0; i < kDpiStages; ++i) {
        DIFF(dpiInfo[i].used) DIFF(dpiInfo[i].link) DIFF(dpiInfo[i].xy) DIFF(dpiInfo[i].x) DIFF(dpiInfo[i].y)
    }
    for (int i = 0; i < kButtonCount; ++i) {
        DIFF(buttonInfo[i].ID) DIFF(buttonInfo[i].Fun) DIFF(buttonInfo[i].LoopNumber) DIFF(buttonInfo[i].KeyNumber)
        DIFF(buttonInfo[i].Res1) DIFF(buttonInfo[i].Res2) DIFF(buttonInfo[i].Res3) DIFF(buttonInfo[i].Res4)
        DIFF(buttonInfo[i].macroname)
        for (int s = 0; s < kKeySteps; ++s) {
            DIFF(buttonInfo[i].keyInfo[s].map) DIFF(buttonInfo[i].keyInfo[s].key) DIFF(buttonInfo[i].keyInfo[s].H)
        }
    }
    for (int i = 0; i < kLedModes; ++i) {
        // QColor == compares spec and components, so an invalid colour must stay invalid.
        DIFF(ledModes[i].RGB) DIFF(ledModes[i].h) DIFF(ledModes[i].s) DIFF(ledModes[i].v)
        DIFF(ledModes[i].bright) DIFF(ledModes[i].breath)
    }
#undef DIFF
    return QString();
}
