#include "profileio.h"

#include "initext.h"
#include "inivalue.h"
#include "profilegroup.h"
#include "settings.h"
#include "stagedfile.h"

#include <QFile>
#include <QSettings>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace {

QString stageKey(int stage, const char *field)
{
    return QLatin1String("DPI_INFO_") + QString::number(stage) + QLatin1Char('_') + QLatin1String(field);
}

QString buttonKey(int button, const char *field)
{
    return QLatin1String("BUTTON_INFO_") + QString::number(button) + QLatin1Char('_') + QLatin1String(field);
}

// The middle byte of a step has the key ending in "_" alone.
QString stepKey(int button, int step, const char *field)
{
    return QLatin1String("BUTTON_INFO_") + QString::number(button) + QLatin1String("_KeyInfo_") +
           QString::number(step) + QLatin1Char('_') + QLatin1String(field);
}

// Every key of a profile, spelled once for the writer and the reader alike.
template <typename Record, typename Io>
void visitProfile(Record &record, Io &io, LedTimes ledTimes)
{
    io.number(QStringLiteral("pollrate"), record.pollrate);
    io.number(QStringLiteral("dpi"), record.dpi);
    for (int i = 0; i < kDpiStages; ++i) {
        auto &stage = record.dpiInfo[i];
        io.number(stageKey(i, "used"), stage.used);
        io.number(stageKey(i, "link"), stage.link);
        io.number(stageKey(i, "xy"), stage.xy);
        io.number(stageKey(i, "x"), stage.x);
        io.number(stageKey(i, "y"), stage.y);
    }
    io.number(QStringLiteral("mousespeed"), record.mousespeed);
    io.number(QStringLiteral("dbclickspeed"), record.dbclickspeed);
    io.number(QStringLiteral("scrollispage"), record.scrollispage);
    io.number(QStringLiteral("scrollspeed"), record.scrollspeed);
    io.number(QStringLiteral("accelenable"), record.accelenable);
    io.number(QStringLiteral("acee"), record.acee);
    for (int b = 0; b < kButtonCount; ++b) {
        auto &button = record.buttonInfo[b];
        io.number(buttonKey(b, "ID"), button.ID);
        io.number(buttonKey(b, "Fun"), button.Fun);
        io.number(buttonKey(b, "LoopNumber"), button.LoopNumber);
        io.number(buttonKey(b, "KeyNumber"), button.KeyNumber);
        io.number(buttonKey(b, "Res1"), button.Res1);
        io.number(buttonKey(b, "Res2"), button.Res2);
        io.number(buttonKey(b, "Res3"), button.Res3);
        io.number(buttonKey(b, "Res4"), button.Res4);
        io.text(buttonKey(b, "macroname"), button.macroname);
        for (int s = 0; s < kKeySteps; ++s) {
            auto &step = button.keyInfo[s];
            io.number(stepKey(b, s, "map"), step.map);
            io.number(stepKey(b, s, ""), step.key);
            io.number(stepKey(b, s, "H"), step.H);
        }
    }
    io.text(QStringLiteral("ProfileName"), record.ProfileName);
    io.text(QStringLiteral("ProfilePath"), record.ProfilePath);
    io.number(QStringLiteral("LedMode"), record.LedMode);
    if (ledTimes == LedTimes::Included) {
        io.number(QStringLiteral("LedMoveOFF"), record.LedMoveOFF, 255);
        io.number(QStringLiteral("LedSleepTime"), record.LedSleepTime, 1);
    }
    for (int i = 0; i < kLedModes; ++i) {
        auto &mode = record.ledModes[i];
        io.color(LedEntryKey(i, "RGB"), mode.RGB);
        io.number(LedEntryKey(i, "h"), mode.h);
        io.number(LedEntryKey(i, "s"), mode.s);
        io.number(LedEntryKey(i, "v"), mode.v);
        io.number(LedEntryKey(i, "bright"), mode.bright);
        io.number(LedEntryKey(i, "breath"), mode.breath);
    }
}

class ProfileWriter {
public:
    explicit ProfileWriter(QSettings &settings) : m_settings(settings) {}
    // 8-bit fields go in as int: a quint8 QVariant would be written as binary @Variant.
    void number(const QString &key, quint8 value, int = 0) { m_settings.setValue(key, int(value)); }
    void number(const QString &key, qint32 value, int = 0) { m_settings.setValue(key, int(value)); }
    void number(const QString &key, quint32 value, int = 0) { m_settings.setValue(key, uint(value)); }
    void text(const QString &key, const QString &value) { m_settings.setValue(key, value); }
    void color(const QString &key, const QColor &value) { m_settings.setValue(key, value); }

private:
    QSettings &m_settings;
};

class ProfileReader {
public:
    explicit ProfileReader(const QSettings &settings) : m_settings(settings) {}
    // Narrowed to the field's width, no range checks.
    template <typename Field>
    void number(const QString &key, Field &field, int fallback = 0)
    {
        field = Field(IniInt(m_settings, key, fallback));
    }
    void text(const QString &key, QString &value) { value = IniString(m_settings, key); }
    void color(const QString &key, QColor &value) { value = IniColor(m_settings, key); }

private:
    const QSettings &m_settings;
};

// Where each key's value lies in a record, in the order QSettings writes the keys (sorted),
// for writing a profile file's text without QSettings.
struct LayoutEntry {
    enum Kind { Byte, Signed, Unsigned, Text, Color };
    QString key;
    QByteArray line;  // "key="
    Kind kind;
    std::ptrdiff_t offset;
};

struct ProfileLayout {
    std::vector<LayoutEntry> entries;  // sorted by key
    bool plain = true;  // every key written as it is: the text can be produced here
};

class LayoutCollector {
public:
    LayoutCollector(const ProfileRecord &record, ProfileLayout &layout) : m_record(record), m_layout(layout) {}
    void number(const QString &key, const quint8 &field, int = 0) { add(key, LayoutEntry::Byte, &field); }
    void number(const QString &key, const qint32 &field, int = 0) { add(key, LayoutEntry::Signed, &field); }
    void number(const QString &key, const quint32 &field, int = 0) { add(key, LayoutEntry::Unsigned, &field); }
    void text(const QString &key, const QString &field) { add(key, LayoutEntry::Text, &field); }
    void color(const QString &key, const QColor &field) { add(key, LayoutEntry::Color, &field); }

private:
    void add(const QString &key, LayoutEntry::Kind kind, const void *field)
    {
        const std::ptrdiff_t offset =
            static_cast<const char *>(field) - reinterpret_cast<const char *>(&m_record);
        m_layout.entries.push_back({key, IniKeyText(key) + '=', kind, offset});
        m_layout.plain = m_layout.plain && IsPlainIniKey(key);
    }

    const ProfileRecord &m_record;
    ProfileLayout &m_layout;
};

ProfileLayout buildLayout(LedTimes ledTimes)
{
    ProfileLayout layout;
    const ProfileRecord record;
    LayoutCollector collector(record, layout);
    visitProfile(record, collector, ledTimes);
    std::sort(layout.entries.begin(), layout.entries.end(),
              [](const LayoutEntry &a, const LayoutEntry &b) { return a.key < b.key; });
    return layout;
}

// Built at its first use: the program itself only ever needs the first.
const ProfileLayout &profileLayout(LedTimes ledTimes)
{
    if (ledTimes == LedTimes::Included) {
        static const ProfileLayout included = buildLayout(LedTimes::Included);
        return included;
    }
    static const ProfileLayout excluded = buildLayout(LedTimes::Excluded);
    return excluded;
}

// The file QSettings writes for this one group into an empty file (or one that holds no other keys).
QByteArray profileText(const QString &group, const ProfileRecord &record, const ProfileLayout &layout)
{
    QByteArray text = IniSectionLine(group);
    text.reserve(int(layout.entries.size()) * 40);
    const char *base = reinterpret_cast<const char *>(&record);
    for (const LayoutEntry &entry : layout.entries) {
        const void *field = base + entry.offset;
        text += entry.line;
        switch (entry.kind) {
        case LayoutEntry::Byte:
            AppendIniNumber(text, *static_cast<const quint8 *>(field));
            break;
        case LayoutEntry::Signed:
            AppendIniNumber(text, *static_cast<const qint32 *>(field));
            break;
        case LayoutEntry::Unsigned:
            AppendIniNumber(text, *static_cast<const quint32 *>(field));
            break;
        case LayoutEntry::Text:
            AppendIniText(text, *static_cast<const QString *>(field));
            break;
        case LayoutEntry::Color:
            AppendIniColor(text, *static_cast<const QColor *>(field));
            break;
        }
        text += '\n';
    }
    return text;
}

// The text can be produced here for the group, and nothing but the group's keys in the file.
bool writableAsText(const QString &group, const ProfileLayout &layout)
{
    return layout.plain && IsPlainIniKey(group) && !group.contains(QLatin1Char('/'))
           && group.compare(QLatin1String("general"), Qt::CaseInsensitive) != 0;
}

bool onlyLayoutKeys(const QSettings &settings, const QString &group, const ProfileLayout &layout)
{
    const QString prefix = group + QLatin1Char('/');
    const QStringList keys = settings.allKeys();
    const auto byKey = [](const LayoutEntry &entry, const QString &key) { return entry.key < key; };
    return std::all_of(keys.begin(), keys.end(), [&](const QString &key) {
        if (!key.startsWith(prefix))
            return false;
        const QString own = key.mid(prefix.size());
        const auto it = std::lower_bound(layout.entries.begin(), layout.entries.end(), own, byKey);
        return it != layout.entries.end() && it->key == own;
    });
}

// The record each group was last written with (or read from it), and the file as that write
// (or read) found it: while the file is still that one, writing the same record again would
// give the same file.
struct WrittenGroup {
    FileStamp stamp;
    ProfileRecord record;
    bool onlyThisGroup = false;  // the file holds no key but the group's own
    bool written = true;         // false: read from the file, which may hold more than the record says
};
std::mutex g_writtenMutex;  // the write job saves on its own thread
std::map<QString, WrittenGroup> g_written;

QString writtenKey(const QString &file, const QString &group, LedTimes ledTimes)
{
    return file + QLatin1Char('\n') + group + (ledTimes == LedTimes::Included ? QLatin1String("+") : QLatin1String("-"));
}

bool missing(const QString &file)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(file).constData(), &info) != 0 && errno == ENOENT;
}

void remember(const QString &key, const QString &file, const ProfileRecord &record, bool onlyThisGroup)
{
    std::lock_guard<std::mutex> lock(g_writtenMutex);
    g_written[key] = WrittenGroup{StampOf(file), record, onlyThisGroup, true};
}

// What the store read from a file it did not write in this run (an earlier run's, mostly):
// the first save can then tell cheaply whether the file holds the group alone.
void rememberRead(const QString &key, const QString &file, const ProfileRecord &record)
{
    const FileStamp stamp = StampOf(file);
    if (stamp.inode == 0)
        return;
    std::lock_guard<std::mutex> lock(g_writtenMutex);
    WrittenGroup &entry = g_written[key];
    if (entry.written && entry.stamp == stamp)
        return;  // our own write: more is known of it
    entry = WrittenGroup{stamp, record, false, false};
}

// A file that holds nothing but the group (or nothing at all) gets the text QSettings would
// write, through `staged`; any other goes through QSettings, which keeps the file's other keys.
int stageProfile(const QString &file, const QString &group, const ProfileRecord &record, LedTimes ledTimes,
                 StagedWrites &staged)
{
    const QString key = writtenKey(file, group, ledTimes);
    bool onlyThisGroup = false;
    std::unique_ptr<ProfileRecord> read;
    {
        std::lock_guard<std::mutex> lock(g_writtenMutex);
        const auto it = g_written.find(key);
        if (it != g_written.end()) {
            const bool unchanged = it->second.stamp.inode != 0 && it->second.stamp == StampOf(file);
            if (unchanged && it->second.written && it->second.record == record)
                return kStoreOk;
            onlyThisGroup = unchanged && it->second.onlyThisGroup;
            if (unchanged && !it->second.written)
                read = std::make_unique<ProfileRecord>(it->second.record);
            g_written.erase(it);
        }
    }
    const ProfileLayout &layout = profileLayout(ledTimes);
    if (!writableAsText(group, layout))
        read.reset();
    if (read) {
        // The file holds the group alone when it is, byte for byte, what writing it would give.
        QByteArray text;
        onlyThisGroup = ReadWholeFile(file, text) && text == profileText(group, *read, layout);
    }
    if (writableAsText(group, layout) && (onlyThisGroup || missing(file))) {
        auto text = std::make_unique<StagedFile>(file);
        if (!text->write(profileText(group, record, layout)))
            return kStoreWriteFailed;
        staged.add(std::move(text), [key, file, record] { remember(key, file, record, true); });
        return kStoreOk;
    }
    std::lock_guard<std::recursive_mutex> lock(StoreWriteMutex());
    QSettings settings(file, QSettings::IniFormat);
    WriteProfileGroup(settings, group, record, ledTimes);
    if (!IniFlushed(settings))
        return kStoreWriteFailed;
    remember(key, file, record, onlyLayoutKeys(settings, group, layout));
    return kStoreOk;
}

int writeProfile(const QString &file, const QString &group, const ProfileRecord &record, LedTimes ledTimes)
{
    StagedWrites staged;
    const int result = stageProfile(file, group, record, ledTimes, staged);
    if (result != kStoreOk)
        return result;
    return staged.commit() ? kStoreOk : kStoreWriteFailed;
}

void readProfile(const QString &file, const QString &group, ProfileRecord &record, LedTimes ledTimes)
{
    {
        QSettings settings(file, QSettings::IniFormat);
        ReadProfileGroup(settings, group, record, ledTimes);
    }
    rememberRead(writtenKey(file, group, ledTimes), file, record);
}

} // namespace

QString ProfileGroupName(int index) { return QStringLiteral("PROFILE_") + QString::number(index); }

QString LedEntryKey(int mode, const char *field)
{
    return QLatin1String("LedMode/LED_MODE_") + QString::number(mode) + QLatin1Char('_') + QLatin1String(field);
}

void WriteProfileGroup(QSettings &settings, const QString &group, const ProfileRecord &record, LedTimes ledTimes)
{
    settings.beginGroup(group);
    ProfileWriter writer(settings);
    visitProfile(record, writer, ledTimes);
    settings.endGroup();
}

void ReadProfileGroup(QSettings &settings, const QString &group, ProfileRecord &record, LedTimes ledTimes)
{
    settings.beginGroup(group);
    ProfileReader reader(settings);
    visitProfile(record, reader, ledTimes);
    settings.endGroup();
}

int WriteProfile(int index, const ProfileRecord &record, const QString &path)
{
    if (path.isEmpty())
        return writeProfile(ConfigIniPath(), ProfileGroupName(index), record, LedTimes::Included);
    return writeProfile(path, QStringLiteral("PROFILE"), record, LedTimes::Included);
}

int StageProfile(const ProfileRecord &record, const QString &path, StagedWrites &staged)
{
    return stageProfile(path, QStringLiteral("PROFILE"), record, LedTimes::Included, staged);
}

void ReadProfile(int index, ProfileRecord &record, const QString &path)
{
    if (path.isEmpty())
        readProfile(ConfigIniPath(), ProfileGroupName(index), record, LedTimes::Included);
    else
        readProfile(path, QStringLiteral("PROFILE"), record, LedTimes::Included);
}

int WriteProfileV2(int index, const ProfileRecord &record, const QString &path)
{
    return writeProfile(path, ProfileGroupName(index), record, LedTimes::Excluded);
}

void ReadProfileV2(int index, ProfileRecord &record, const QString &path)
{
    readProfile(path, ProfileGroupName(index), record, LedTimes::Excluded);
}
