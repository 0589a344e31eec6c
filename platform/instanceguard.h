#pragma once
// Single-instance guard: a named lock held for the life of the process.
// On Linux it is an flock() on a file in $XDG_RUNTIME_DIR (or /tmp), so the kernel
// drops it when the process dies, however it dies.

#include <QString>

class InstanceGuard {
public:
    explicit InstanceGuard(const QString &name);
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard &) = delete;
    InstanceGuard &operator=(const InstanceGuard &) = delete;

    // False when another process already holds a guard of the same name.
    bool acquired() const { return m_fd >= 0; }
    // The lock file that stands for the name.
    static QString lockPath(const QString &name);

private:
    int m_fd = -1;
};
