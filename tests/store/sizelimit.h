#pragma once
// A full disk for as long as it lives: no file of the process may grow past `bytes`, and
// SIGXFSZ is ignored so that such a write fails instead of ending the process. The limit
// holds for the whole process, root included: keep the scope to the one call under test.

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_original);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_original;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_original);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_original{};
    void (*m_oldHandler)(int) = SIG_DFL;
};
