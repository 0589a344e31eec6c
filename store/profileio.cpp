#include "profileio.h"

#include "iniedit.h"
#include "initext.h"
#include "inivalue.h"
#include "profilegroup.h"
#include "settings.h"
#include "stagedfile.h"
#include "storelocks.h"

#include <QDataStream>
#include <QFile>
#include <QSettings>
#include <QVariant>

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
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

// Whether writing a record would leave every key of a group as the file holds it.
class ProfileHolds {
public:
    ProfileHolds(const QSettings &settings, const QString &group) : m_settings(settings), m_prefix(group + QLatin1Char('/'))
    {
    }
    void number(const QString &key, quint8 value, int = 0) { holds(key, QString::number(int(value))); }
    void number(const QString &key, qint32 value, int = 0) { holds(key, QString::number(value)); }
    void number(const QString &key, quint32 value, int = 0) { holds(key, QString::number(value)); }
    void text(const QString &key, const QString &value) { holds(key, value); }
    void color(const QString &key, const QColor &value)
    {
        if (!m_holds)
            return;
        const QVariant stored = m_settings.value(m_prefix + key);
        m_holds = stored.userType() == QMetaType::QColor && stored.value<QColor>() == value;
    }
    bool allHeld() const { return m_holds; }

private:
    void holds(const QString &key, const QString &text) { m_holds = m_holds && IniHolds(m_settings, m_prefix + key, text); }

    const QSettings &m_settings;
    const QString m_prefix;
    bool m_holds = true;
};

// Where each key's value lies in a record, in the order QSettings writes the keys (sorted),
// for writing a profile file's text without QSettings. The keys' lines share one buffer: a
// string each would cost the start-up thousands of allocations.
struct LayoutEntry {
    enum Kind : quint8 { Byte, Signed, Unsigned, Text, Color };
    int lineStart;  // in ProfileLayout::lines: the key as the file spells it, then '='
    int lineSize;
    Kind kind;
    int fallback;  // what a number reads as when its key is missing
    std::ptrdiff_t offset;
};

struct ProfileLayout {
    QByteArray lines;
    std::vector<LayoutEntry> entries;  // sorted by key
    bool plain = true;  // every key written as it is: the text can be produced here
};

// The order of QString's operator< for plain keys, read back from their lines: the file
// spells '/' as a backslash, which sorts elsewhere.
bool keyLess(const char *a, int aSize, const char *b, int bSize)
{
    const auto unspelled = [](char c) { return c == '\\' ? '/' : c; };
    const int common = std::min(aSize, bSize);
    const auto differ = std::mismatch(a, a + common, b).first;
    if (differ == a + common)
        return aSize < bSize;
    return unspelled(*differ) < unspelled(b[differ - a]);
}

class LayoutCollector {
public:
    LayoutCollector(const ProfileRecord &record, ProfileLayout &layout) : m_record(record), m_layout(layout) {}
    void number(const QString &key, const quint8 &field, int fallback = 0) { add(key, LayoutEntry::Byte, &field, fallback); }
    void number(const QString &key, const qint32 &field, int fallback = 0)
    {
        add(key, LayoutEntry::Signed, &field, fallback);
    }
    void number(const QString &key, const quint32 &field, int fallback = 0)
    {
        add(key, LayoutEntry::Unsigned, &field, fallback);
    }
    void text(const QString &key, const QString &field) { add(key, LayoutEntry::Text, &field); }
    void color(const QString &key, const QColor &field) { add(key, LayoutEntry::Color, &field); }

private:
    void add(const QString &key, LayoutEntry::Kind kind, const void *field, int fallback = 0)
    {
        const std::ptrdiff_t offset =
            static_cast<const char *>(field) - reinterpret_cast<const char *>(&m_record);
        const int start = m_layout.lines.size();
        if (IsPlainIniKey(key)) {
            for (const QChar c : key)
                m_layout.lines += c == QLatin1Char('/') ? '\\' : char(c.unicode());
        } else {
            m_layout.plain = false;
            m_layout.lines += IniKeyText(key);
        }
        m_layout.lines += '=';
        m_layout.entries.push_back({start, m_layout.lines.size() - start, kind, fallback, offset});
    }

    const ProfileRecord &m_record;
    ProfileLayout &m_layout;
};

ProfileLayout buildLayout(LedTimes ledTimes)
{
    ProfileLayout layout;
    layout.lines.reserve(320 * 1024);
    layout.entries.reserve(9000);
    const ProfileRecord record;
    LayoutCollector collector(record, layout);
    visitProfile(record, collector, ledTimes);
    // In keyLess' order, found by memcmp on the lines with their backslashes read as '/': the
    // sort of eight thousand keys through keyLess was a visible part of the start-up.
    QByteArray unspelled = layout.lines;
    std::replace(unspelled.begin(), unspelled.end(), '\\', '/');
    const char *keys = unspelled.constData();
    std::sort(layout.entries.begin(), layout.entries.end(), [keys](const LayoutEntry &a, const LayoutEntry &b) {
        const int common = std::min(a.lineSize, b.lineSize) - 1;
        const int order = std::memcmp(keys + a.lineStart, keys + b.lineStart, size_t(common));
        return order != 0 ? order < 0 : a.lineSize < b.lineSize;
    });
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
        text.append(layout.lines.constData() + entry.lineStart, entry.lineSize);
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
    if (!layout.plain)
        return false;  // cannot tell: as if the file held more
    const QString prefix = group + QLatin1Char('/');
    const QStringList keys = settings.allKeys();
    const char *lines = layout.lines.constData();
    return std::all_of(keys.begin(), keys.end(), [&](const QString &key) {
        const QString own = key.mid(prefix.size());
        if (!key.startsWith(prefix) || !IsPlainIniKey(own))
            return false;
        const QByteArray spelled = IniKeyText(own);
        const auto byKey = [lines](const LayoutEntry &entry, const QByteArray &k) {
            return keyLess(lines + entry.lineStart, entry.lineSize - 1, k.constData(), k.size());
        };
        const auto it = std::lower_bound(layout.entries.begin(), layout.entries.end(), spelled, byKey);
        return it != layout.entries.end() && it->lineSize - 1 == spelled.size()
               && std::equal(spelled.begin(), spelled.end(), lines + it->lineStart);
    });
}

// The record each group was last written with (or read from it), and the file as that write
// (or read) found it: while the file is still that one, writing the same record again would
// give the same file.
struct WrittenGroup {
    FileStamp stamp;
    ProfileRecord record;
    bool onlyThisGroup = false;  // the file holds no key but the group's own
    bool written = true;         // false: read from a file that may hold more than the record says
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
// the first save can then tell cheaply whether the file holds the group alone. A file read as
// the program's own text is what writing the record gives: known as well as an own write.
void rememberRead(const QString &key, const QString &file, const ProfileRecord &record, bool ownText)
{
    const FileStamp stamp = StampOf(file);
    if (stamp.inode == 0)
        return;
    std::lock_guard<std::mutex> lock(g_writtenMutex);
    WrittenGroup &entry = g_written[key];
    if (entry.written && entry.stamp == stamp)
        return;  // our own write: more is known of it
    entry = WrittenGroup{stamp, record, ownText, ownText};
}

// A file that holds nothing but the group (or nothing at all) gets the text QSettings would
// write, through `staged`; any other goes through QSettings, which keeps the file's other keys.
int stageProfile(const QString &file, const QString &group, const ProfileRecord &record, LedTimes ledTimes,
                 StagedWrites &staged)
{
    const QString key = writtenKey(file, group, ledTimes);
    std::unique_ptr<ProfileRecord> ours;  // the file holds this group alone, as we wrote it
    std::unique_ptr<ProfileRecord> read;
    {
        std::lock_guard<std::mutex> lock(g_writtenMutex);
        const auto it = g_written.find(key);
        if (it != g_written.end()) {
            const bool unchanged = it->second.stamp.inode != 0 && it->second.stamp == StampOf(file);
            if (unchanged && it->second.written && it->second.record == record)
                return kStoreOk;
            if (unchanged && it->second.onlyThisGroup)
                ours = std::make_unique<ProfileRecord>(it->second.record);
            else if (unchanged && !it->second.written)
                read = std::make_unique<ProfileRecord>(it->second.record);
            g_written.erase(it);
        }
    }
    const ProfileLayout &layout = profileLayout(ledTimes);
    // The file's text as we know it, when it holds nothing but the group (or nothing at all).
    QByteArray known;
    bool asText = false;
    if (writableAsText(group, layout)) {
        if (ours) {
            known = profileText(group, *ours, layout);
            asText = true;
        } else if (read) {
            // The file holds the group alone when it is, byte for byte, what writing it would give.
            asText = ReadWholeFile(file, known) && known == profileText(group, *read, layout);
        }
        if (!asText && missing(file)) {
            known.clear();
            asText = true;
        }
    }
    // Whether the file will hold the group alone: found again whenever QSettings makes the edit
    // (also when another process added a key before the commit).
    auto alone = std::make_shared<bool>(asText);
    const auto edit = [group, record, ledTimes, &layout, alone](QSettings &settings) {
        WriteProfileGroup(settings, group, record, ledTimes);
        *alone = onlyLayoutKeys(settings, group, layout);
    };
    const auto written = [key, file, record, alone] { remember(key, file, record, *alone); };
    // A file with other keys too, which QSettings would rewrite whole: left alone when it
    // already holds the record (no copy is written then, which a read-only folder refuses).
    if (!asText && (!read || *read == record)) {
        const StoreWriteLock lock;
        if (!lock.isLocked())
            return kStoreWriteFailed;
        bool held = false;
        ReadIniUncached(file, [&](const QSettings &settings) {
            ProfileHolds holds(settings, group);
            visitProfile(record, holds, ledTimes);
            held = holds.allHeld();
        });
        if (held) {
            remember(key, file, record, false);
            return kStoreOk;
        }
    }
    const bool ok = asText ? StageIniText(file, known, profileText(group, record, layout), edit, staged, written)
                           : StageIniEdit(file, edit, staged, written);
    return ok ? kStoreOk : kStoreWriteFailed;
}

int writeProfile(const QString &file, const QString &group, const ProfileRecord &record, LedTimes ledTimes)
{
    StagedWrites staged;
    const int result = stageProfile(file, group, record, ledTimes, staged);
    if (result != kStoreOk)
        return result;
    return staged.commit() ? kStoreOk : kStoreWriteFailed;
}

int replaceProfile(const QString &file, const QString &group, const ProfileRecord &record, LedTimes ledTimes)
{
    const ProfileLayout &layout = profileLayout(ledTimes);
    if (!writableAsText(group, layout)) {
        // QSettings keeps other keys: gone first, the file is the group's alone.
        if (!missing(file) && !QFile::remove(file))
            return kStoreWriteFailed;
        return writeProfile(file, group, record, ledTimes);
    }
    const QString key = writtenKey(file, group, ledTimes);
    const QByteArray text = profileText(group, record, layout);
    QByteArray current;
    if (ReadWholeFile(file, current) && current == text) {
        remember(key, file, record, true);
        return kStoreOk;
    }
    StagedWrites staged;
    auto written = std::make_unique<StagedFile>(file);
    if (!written->write(text))
        return kStoreWriteFailed;
    staged.add(std::move(written), {}, [key, file, record] { remember(key, file, record, true); });
    return staged.commit() ? kStoreOk : kStoreWriteFailed;
}

// What a key's value reads as: numbers as IniInt takes them, narrowed to the field.
template <typename Field>
void setNumber(void *field, qint64 number)
{
    *static_cast<Field *>(field) = Field(int(quint32(quint64(number))));
}

void setDefault(char *base, const LayoutEntry &entry)
{
    void *field = base + entry.offset;
    switch (entry.kind) {
    case LayoutEntry::Byte: setNumber<quint8>(field, entry.fallback); break;
    case LayoutEntry::Signed: setNumber<qint32>(field, entry.fallback); break;
    case LayoutEntry::Unsigned: setNumber<quint32>(field, entry.fallback); break;
    case LayoutEntry::Text: static_cast<QString *>(field)->clear(); break;
    case LayoutEntry::Color: *static_cast<QColor *>(field) = QColor(); break;
    }
}

// The value text as QSettings' unescaping gives it for the escapes and quotes its writer uses;
// false for anything else, which QSettings reads instead.
bool unescapeValue(const char *v, int n, QString &out)
{
    out.clear();
    // One quoted run around the whole value holds ';', ',' and '=' as they are.
    const bool quoted = n >= 2 && v[0] == '"' && v[n - 1] == '"';
    if (quoted) {
        ++v;
        n -= 2;
    }
    for (int i = 0; i < n; ++i) {
        const char c = v[i];
        if (c == '"' || (!quoted && (c == ';' || c == ',')))
            return false;
        if (c != '\\') {
            out += QLatin1Char(c);
            continue;
        }
        if (++i == n)
            return false;
        switch (v[i]) {
        case 'a': out += QLatin1Char('\a'); break;
        case 'b': out += QLatin1Char('\b'); break;
        case 'f': out += QLatin1Char('\f'); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case 't': out += QLatin1Char('\t'); break;
        case 'v': out += QLatin1Char('\v'); break;
        case '"':
        case '\\': out += QLatin1Char(v[i]); break;
        case '0':
            if (i + 1 < n && v[i + 1] >= '0' && v[i + 1] <= '7')
                return false;  // a longer octal escape
            out += QChar(0);
            break;
        case 'x': {
            uint code = 0;
            int digits = 0;
            for (; i + 1 < n && digits < 4; ++digits) {
                const char h = v[i + 1];
                const int d = (h >= '0' && h <= '9') ? h - '0' : (h >= 'a' && h <= 'f') ? h - 'a' + 10
                              : (h >= 'A' && h <= 'F') ? h - 'A' + 10 : -1;
                if (d < 0)
                    break;
                code = code * 16 + uint(d);
                ++i;
            }
            if (digits == 0 || (i + 1 < n && std::isxdigit(static_cast<unsigned char>(v[i + 1]))))
                return false;
            out += QChar(code);
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

bool parseValue(char *base, const LayoutEntry &entry, const char *v, int n)
{
    void *field = base + entry.offset;
    switch (entry.kind) {
    case LayoutEntry::Byte:
    case LayoutEntry::Signed:
    case LayoutEntry::Unsigned: {
        qint64 number = 0;
        const auto parsed = std::from_chars(v, v + n, number);
        if (parsed.ec != std::errc() || parsed.ptr != v + n || n == 0)
            return false;
        if (entry.kind == LayoutEntry::Byte)
            setNumber<quint8>(field, number);
        else if (entry.kind == LayoutEntry::Signed)
            setNumber<qint32>(field, number);
        else
            setNumber<quint32>(field, number);
        return true;
    }
    case LayoutEntry::Text: {
        QString &text = *static_cast<QString *>(field);
        return unescapeValue(v, n, text) && !text.startsWith(QLatin1Char('@'));
    }
    case LayoutEntry::Color: {
        QString text;
        if (!unescapeValue(v, n, text) || !text.startsWith(QLatin1String("@Variant(")) || !text.endsWith(QLatin1Char(')')))
            return false;
        const QByteArray data = text.mid(9, text.size() - 10).toLatin1();
        QDataStream stream(data);
        stream.setVersion(QDataStream::Qt_4_0);
        QVariant value;
        stream >> value;
        if (stream.status() != QDataStream::Ok || value.userType() != QMetaType::QColor)
            return false;
        *static_cast<QColor *>(field) = value.value<QColor>();
        return true;
    }
    }
    return false;
}

// A file as this program writes it (the group alone, every key in order) is read here, many
// times faster than through QSettings, and a missing one as an empty one. Only when writing the
// record read gives the file back byte for byte is the reading taken: then QSettings would read
// the same. Anything else is left to QSettings.
bool readOwnText(const QString &file, const QString &group, ProfileRecord &record, LedTimes ledTimes)
{
    const ProfileLayout &layout = profileLayout(ledTimes);
    if (!writableAsText(group, layout))
        return false;
    char *base = reinterpret_cast<char *>(&record);
    if (missing(file)) {
        for (const LayoutEntry &entry : layout.entries)
            setDefault(base, entry);
        return true;
    }
    QByteArray text;
    if (!ReadWholeFile(file, text))
        return false;
    const QByteArray header = IniSectionLine(group);
    if (!text.startsWith(header))
        return false;
    const char *lines = layout.lines.constData();
    int pos = header.size();
    for (const LayoutEntry &entry : layout.entries) {
        if (text.size() - pos < entry.lineSize || std::memcmp(text.constData() + pos, lines + entry.lineStart, size_t(entry.lineSize)) != 0)
            return false;
        pos += entry.lineSize;
        const int end = text.indexOf('\n', pos);
        if (end < 0 || !parseValue(base, entry, text.constData() + pos, end - pos))
            return false;
        pos = end + 1;
    }
    return pos == text.size() && profileText(group, record, layout) == text;
}

void readProfile(const QString &file, const QString &group, ProfileRecord &record, LedTimes ledTimes)
{
    const bool ownText = readOwnText(file, group, record, ledTimes);
    if (!ownText) {
        QSettings settings(file, QSettings::IniFormat);
        ReadProfileGroup(settings, group, record, ledTimes);  // every keyed field, the parsed ones too
    }
    rememberRead(writtenKey(file, group, ledTimes), file, record, ownText);
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

int ReplaceProfileFile(const ProfileRecord &record, const QString &path)
{
    return replaceProfile(path, QStringLiteral("PROFILE"), record, LedTimes::Included);
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
