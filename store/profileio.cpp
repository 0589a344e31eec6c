#include "profileio.h"

#include "inivalue.h"
#include "profilegroup.h"
#include "settings.h"

#include <QSettings>

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

int writeProfile(const QString &file, const QString &group, const ProfileRecord &record, LedTimes ledTimes)
{
    QSettings settings(file, QSettings::IniFormat);
    WriteProfileGroup(settings, group, record, ledTimes);
    return IniFlushed(settings) ? kStoreOk : kStoreWriteFailed;
}

void readProfile(const QString &file, const QString &group, ProfileRecord &record, LedTimes ledTimes)
{
    QSettings settings(file, QSettings::IniFormat);
    ReadProfileGroup(settings, group, record, ledTimes);
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
