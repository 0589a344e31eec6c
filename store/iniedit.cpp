#include "iniedit.h"

#include "inivalue.h"
#include "stagedfile.h"
#include "storelocks.h"

#include <QFileInfo>
#include <QSettings>

namespace {

// The file's text, a missing file's being empty.
bool readIniText(const QString &file, QByteArray &text)
{
    text.clear();
    return ReadWholeFile(file, text) || !QFileInfo::exists(file);
}

// What QSettings makes of `text` with `edit` applied, in a temporary copy of the file's (made
// as every temporary of ours, where a crash leaves one the start-up sweep knows): QSettings
// writes only whole files of its own naming, and the real file must stay as it is until the
// commit.
bool iniTextAfter(const QString &file, const QByteArray &text, const std::function<void(QSettings &)> &edit,
                  QByteArray &edited)
{
    StagedFile copy(file);
    if (!copy.write(text))
        return false;
    {
        QSettings settings(copy.writtenPath(), QSettings::IniFormat);
        edit(settings);
        if (!IniFlushed(settings))
            return false;
    }
    return ReadWholeFile(copy.writtenPath(), edited);
}

// `text` staged as what `edit` makes of the file's text `base`; should the file no longer be
// `base` at the commit, the edit is made again on its new text.
void stageWithRedo(const QString &file, const QByteArray &base, std::unique_ptr<StagedFile> written,
                   const std::function<void(QSettings &)> &edit, StagedWrites &staged, std::function<void()> afterCommit)
{
    const auto redo = [file, edit, base](StagedFile &aside) {
        QByteArray now;
        QByteArray redone;
        if (!readIniText(file, now))
            return false;
        return now == base || (iniTextAfter(file, now, edit, redone) && aside.write(redone) && aside.syncData());
    };
    staged.add(std::move(written), redo, std::move(afterCommit));
}

} // namespace

void ReadIniUncached(const QString &file, const std::function<void(const QSettings &)> &read)
{
    QByteArray text;
    StagedFile copy(file);
    // The copy would make a missing folder, which holds no file to read anyway.
    if (QFileInfo::exists(QFileInfo(file).absolutePath()) && readIniText(file, text) && copy.write(text)) {
        read(QSettings(copy.writtenPath(), QSettings::IniFormat));
        return;
    }
    read(QSettings(file, QSettings::IniFormat));
}

bool StageIniEdit(const QString &file, const std::function<void(QSettings &)> &edit, StagedWrites &staged,
                  std::function<void()> afterCommit)
{
    const StoreWriteLock lock;
    if (!lock.isLocked())
        return false;
    QByteArray base;
    QByteArray text;
    auto written = std::make_unique<StagedFile>(file);
    if (!readIniText(file, base) || !iniTextAfter(file, base, edit, text) || !written->write(text))
        return false;
    stageWithRedo(file, base, std::move(written), edit, staged, std::move(afterCommit));
    return true;
}

bool CommitIniEdit(const QString &file, const std::function<void(QSettings &)> &edit)
{
    const StoreWriteLock lock;
    if (!lock.isLocked())
        return false;
    QByteArray base;
    QByteArray text;
    if (!readIniText(file, base) || !iniTextAfter(file, base, edit, text))
        return false;
    if (text == base)
        return true;
    StagedWrites staged;
    auto written = std::make_unique<StagedFile>(file);
    if (!written->write(text))
        return false;
    stageWithRedo(file, base, std::move(written), edit, staged, {});
    return staged.commit();
}

bool StageIniText(const QString &file, const QByteArray &base, const QByteArray &text,
                  const std::function<void(QSettings &)> &edit, StagedWrites &staged, std::function<void()> afterCommit)
{
    auto written = std::make_unique<StagedFile>(file);
    if (!written->write(text))
        return false;
    stageWithRedo(file, base, std::move(written), edit, staged, std::move(afterCommit));
    return true;
}
