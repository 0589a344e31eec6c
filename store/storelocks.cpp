#include "storelocks.h"

#include "storelogging.h"

#include <QFileInfo>

std::recursive_mutex &StoreWriteMutex()
{
    static std::recursive_mutex mutex;
    return mutex;
}

SettingsFileLock::SettingsFileLock(const QString &file)
    : m_lock(QFileInfo(file).absoluteFilePath() + QLatin1String(".lock"))  // as QSettings names it
{
    if (!m_lock.lock())
        qCWarning(lcStore) << "cannot lock" << file;
}
