#include "skinimages.h"

#include "stagedfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QSet>

#include <algorithm>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace {

struct Decoding {
    bool claimed = false;  // a worker (or the GUI thread) has begun it
    bool done = false;
    QImage image;
};

// Decodes a folder's images on a few threads, largest first; the GUI thread takes each when a
// control asks for it, and decodes one itself rather than wait for a worker to reach it.
class Preloader {
public:
    ~Preloader() { join(); }

    void start(const QString &folder, const QSet<QString> &alreadyDecoded)
    {
        join();
        const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.png")}, QDir::Files, QDir::Size);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_order.clear();
            m_next = 0;
            for (const QFileInfo &file : files) {
                const QString path = QDir::cleanPath(file.filePath());
                if (!alreadyDecoded.contains(path) && m_entries.emplace(path, Decoding()).second)
                    m_order.push_back(path);
            }
        }
        const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
        for (unsigned i = 0; i < workers; ++i)
            m_threads.emplace_back([this] { work(); });
    }

    // False when the path was not preloaded.
    bool take(const QString &path, QImage &image)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        const auto it = m_entries.find(path);
        if (it == m_entries.end())
            return false;
        if (!it->second.claimed) {
            it->second.claimed = true;
            lock.unlock();
            image = QImage(path);
            lock.lock();
        } else {
            m_decoded.wait(lock, [&it] { return it->second.done; });
            image = std::move(it->second.image);
        }
        m_entries.erase(it);  // only this (GUI) thread erases, and only what no worker holds
        return true;
    }

private:
    void work()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (m_next < m_order.size()) {
            const auto it = m_entries.find(m_order[m_next++]);
            if (it == m_entries.end() || it->second.claimed)
                continue;
            it->second.claimed = true;
            const QString path = it->first;
            lock.unlock();
            QImage image(path);
            lock.lock();
            it->second.image = std::move(image);
            it->second.done = true;
            m_decoded.notify_all();
        }
    }

    void join()
    {
        for (std::thread &thread : m_threads)
            thread.join();
        m_threads.clear();
    }

    std::mutex m_mutex;
    std::condition_variable m_decoded;
    std::map<QString, Decoding> m_entries;
    std::vector<QString> m_order;
    size_t m_next = 0;
    std::vector<std::thread> m_threads;
};

Preloader &preloader()
{
    static Preloader instance;
    return instance;
}

// The pixmaps handed out, by path and flags, with the file as it was then; GUI thread only.
struct CachedPixmap {
    FileStamp stamp;
    QPixmap pixmap;
};
struct PixmapCache {
    QHash<QString, CachedPixmap> pixmaps;
    QSet<QString> paths;
};

PixmapCache &pixmapCache()
{
    static PixmapCache cache;
    static const bool cleared = [] {
        // Pixmaps must not outlive the application object.
        qAddPostRoutine([] {
            pixmapCache().pixmaps.clear();
            pixmapCache().paths.clear();
        });
        return true;
    }();
    Q_UNUSED(cleared)
    return cache;
}

} // namespace

void PreloadSkinImages(const QString &folder)
{
    preloader().start(folder, pixmapCache().paths);
}

QPixmap SkinPixmap(const QString &path, Qt::ImageConversionFlags flags)
{
    if (path.isEmpty())
        return QPixmap();  // "no image", as QPixmap takes it, without a warning
    PixmapCache &cache = pixmapCache();
    const QString clean = QDir::cleanPath(path);
    const QString key = clean + QLatin1Char('\n') + QString::number(int(flags));
    // A file that changed (or appeared) since is read again.
    const FileStamp stamp = StampOf(clean);
    const auto found = cache.pixmaps.constFind(key);
    if (found != cache.pixmaps.constEnd() && found->stamp == stamp)
        return found->pixmap;
    // No file: QImage would look for the name with each image suffix added first (a dozen
    // lookups per missing picture, a thousand at a start without a skin).
    if (stamp.inode == 0) {
        cache.pixmaps.insert(key, {stamp, QPixmap()});
        return QPixmap();
    }
    // Not through QPixmap's own cache, which would take a file rewritten within the same
    // second at the same size for the old one.
    QImage image;
    if (found != cache.pixmaps.constEnd() || !preloader().take(clean, image))
        image = QImage(path);
    const QPixmap pixmap = QPixmap::fromImage(image, flags);
    cache.pixmaps.insert(key, {stamp, pixmap});
    cache.paths.insert(clean);
    return pixmap;
}

QPixmap StretchedSkinPixmap(const QPixmap &source, const QSize &size)
{
    if (source.isNull())
        return QPixmap();
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
