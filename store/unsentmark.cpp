#include "unsentmark.h"

#include "iniedit.h"
#include "inivalue.h"
#include "settings.h"
#include "storelocks.h"

#include <QList>
#include <QSettings>

#include <algorithm>

bool DiffMarkText(const QByteArray &text, int flag, QByteArray &marked)
{
    // One "[Config]" section, and "Diff" nowhere but in its one "Diff=<digits>" line (if any):
    // anything else (comments, other spellings, line ends of another system) is QSettings' to read.
    if (text.contains('\r'))
        return false;
    QList<QByteArray> lines = text.split('\n');
    int header = -1;
    int diffLine = -1;
    bool inConfig = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        if (line.startsWith('[')) {
            inConfig = line == "[Config]";
            if (inConfig && header >= 0)
                return false;
            if (!inConfig && line.contains("Config"))
                return false;
            if (inConfig)
                header = i;
            continue;
        }
        if (!line.contains("Diff"))
            continue;
        if (!inConfig || !line.startsWith("Diff=") || diffLine >= 0)
            return false;
        diffLine = i;
    }
    if (header < 0)
        return false;
    const QByteArray line = "Diff=" + QByteArray::number(flag);
    if (diffLine < 0) {
        lines.insert(header + 1, line);
    } else {
        const QByteArray value = lines.at(diffLine).mid(5);
        if (value.isEmpty() || !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; })
            || lines.at(diffLine - 1).endsWith('\\'))
            return false;
        lines[diffLine] = line;
    }
    marked = lines.join('\n');
    return true;
}

namespace {

// QSettings reads the staged text as Config.ini with Config/Diff = flag, and nothing else
// changed: a line edit can be fooled by what QSettings reads otherwise (escaped key names,
// quoted values that span lines).
bool readsAsMarked(const StagedFile &staged, int flag)
{
    const QSettings after(staged.writtenPath(), QSettings::IniFormat);
    const QString diffKey = QStringLiteral("Config/Diff");
    if (after.status() != QSettings::NoError || !IniHolds(after, diffKey, flag))
        return false;
    bool same = false;
    ReadIniUncached(ConfigIniPath(), [&](const QSettings &before) {
        QStringList keys = before.allKeys();
        QStringList markedKeys = after.allKeys();
        keys.removeAll(diffKey);
        markedKeys.removeAll(diffKey);
        same = keys == markedKeys && std::all_of(keys.cbegin(), keys.cend(), [&](const QString &key) {
                   return before.value(key) == after.value(key);
               });
    });
    return same;
}

// Config.ini is there and its lock could not be had: the long way would wait for it again.
bool lockRefused(const SettingsFileLock &lock) { return !lock.isLocked() && FileExists(ConfigIniPath()); }

// Config.ini as it is now holds Config/Diff = flag, read as QSettings reads it (uncached).
bool diffHolds(int flag)
{
    bool holds = false;
    ReadIniUncached(ConfigIniPath(), [&](const QSettings &settings) {
        holds = IniHolds(settings, QStringLiteral("Config/Diff"), flag);
    });
    return holds;
}

// The marked text written beside Config.ini, when QSettings reads it as marked; null otherwise.
std::unique_ptr<StagedFile> stageMarkText(const QByteArray &text, int flag)
{
    auto staged = std::make_unique<StagedFile>(ConfigIniPath());
    if (!staged->write(text) || !readsAsMarked(*staged, flag))
        return nullptr;
    return staged;
}

} // namespace

int GetDiff()
{
    int flag = 0;
    ReadIniUncached(ConfigIniPath(), [&](const QSettings &settings) { flag = IniInt(settings, QStringLiteral("Config/Diff")); });
    return flag;
}

bool SetDiff(int flag)
{
    const StoreWriteLock lock;
    if (!lock.isLocked())
        return false;
    {
        const SettingsFileLock fileLock(ConfigIniPath());
        if (lockRefused(fileLock))
            return false;
        QByteArray text;
        QByteArray marked;
        if (fileLock.isLocked() && ReadWholeFile(ConfigIniPath(), text) && DiffMarkText(text, flag, marked)
            && marked != text) {
            if (const auto file = stageMarkText(marked, flag))
                return file->syncData() && file->commit();
        }
    }
    // Past the lock, which the commit takes again. Read and edited through QSettings on copies,
    // as every edit of ours: QSettings on the file itself may still keep an older text of the
    // same size, or a write of its own that failed, and would write them back.
    if (diffHolds(flag))
        return true;
    StagedWrites staged;
    const auto edit = [flag](QSettings &settings) { settings.setValue(QStringLiteral("Config/Diff"), flag); };
    return StageIniEdit(ConfigIniPath(), edit, staged) && staged.commit();
}

bool UnsentMark::set()
{
    const StoreWriteLock lock;
    if (!lock.isLocked())
        return false;
    {
        const SettingsFileLock fileLock(ConfigIniPath());
        if (lockRefused(fileLock))
            return false;
        QByteArray text;
        QByteArray marked;
        QByteArray cleared;
        const bool plain = fileLock.isLocked() && ReadWholeFile(ConfigIniPath(), text)
                           && DiffMarkText(text, 1, marked) && DiffMarkText(marked, 0, cleared);
        if (plain && marked != text)
            m_set = stageMarkText(marked, 1);
        const bool alreadySet = plain && marked == text && diffHolds(1);
        if (m_set || alreadySet) {
            if (m_set && !m_set->commit())
                return false;
            m_stamp = StampOf(ConfigIniPath());
            m_cleared = cleared;  // written aside by prepareClear(), off the job's path
            return true;
        }
    }
    return SetDiff(1);  // m_clear stays empty: clear() takes the long way too
}

bool UnsentMark::prepareClear()
{
    if (m_set && !m_set->syncData())
        return false;
    // Checked against Config.ini as it is now, which set() left marked: a file changed
    // meanwhile fails the check (or later the stamp's), and clear() takes the long way.
    if (!m_cleared.isEmpty())
        m_clear = stageMarkText(m_cleared, 0);
    if (m_clear && !m_clear->syncData())
        m_clear.reset();
    return true;
}

bool UnsentMark::clear()
{
    const StoreWriteLock lock;
    if (!lock.isLocked())
        return false;
    if (m_clear && m_stamp.inode != 0) {
        const SettingsFileLock fileLock(ConfigIniPath());
        if (lockRefused(fileLock))
            return false;
        if (fileLock.isLocked() && StampOf(ConfigIniPath()) == m_stamp && m_clear->commit())
            return true;
    }
    return SetDiff(0);
}

