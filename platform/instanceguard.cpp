#include "instanceguard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

QString InstanceGuard::lockPath(const QString &name)
{
    QString dir = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    if (dir.isEmpty() || !QDir(dir).exists())
        dir = QStringLiteral("/tmp");
    // The name may hold any character; a hash keeps the file name safe and distinct.
    const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return dir + "/mousecfg-" + QString::fromLatin1(hash) + ".lock";
}

InstanceGuard::InstanceGuard(const QString &name)
{
    const QByteArray path = QFile::encodeName(lockPath(name));
    // CLOEXEC: programs we start must not inherit (and so keep) the lock.
    int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    m_fd = fd;
}

InstanceGuard::~InstanceGuard()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
