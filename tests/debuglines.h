#pragma once
// Every debug line logged while a DebugLines lives, from any thread, as "category: text";
// other messages go on to the handler that was there before. The test turns on the
// categories it reads (QLoggingCategory::setFilterRules).

#include <QLoggingCategory>
#include <QStringList>
#include <mutex>
#include <utility>

class DebugLines {
public:
    DebugLines() { s_previous = qInstallMessageHandler(&DebugLines::handle); }
    ~DebugLines() { qInstallMessageHandler(s_previous); }

    QStringList take()
    {
        std::lock_guard<std::mutex> lock(s_mutex);
        return std::exchange(s_lines, {});
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type != QtDebugMsg) {
            s_previous(type, context, text);
            return;
        }
        std::lock_guard<std::mutex> lock(s_mutex);
        s_lines << QString::fromLatin1(context.category) + ": " + text;
    }

    static inline std::mutex s_mutex;
    static inline QStringList s_lines;
    static inline QtMessageHandler s_previous = nullptr;
};
