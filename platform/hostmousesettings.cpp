#include "hostmousesettings.h"

#include "platformlogging.h"

#include <QDebug>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace {

struct SettingsProgram {
    const char *program;
    const char *argument;  // null: none
};

// GNOME, Xfce, MATE, KDE Plasma, LXQt, Cinnamon.
constexpr SettingsProgram kPrograms[] = {
    {"gnome-control-center", "mouse"},
    {"xfce4-mouse-settings", nullptr},
    {"mate-mouse-properties", nullptr},
    {"systemsettings", "kcm_mouse"},
    {"lxqt-config-input", nullptr},
    {"cinnamon-settings", "mouse"},
};

} // namespace

bool OpenHostMouseSettings()
{
    for (const SettingsProgram &entry : kPrograms) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(entry.program));
        if (path.isEmpty())
            continue;
        QStringList arguments;
        if (entry.argument)
            arguments << QString::fromLatin1(entry.argument);
        if (QProcess::startDetached(path, arguments))
            return true;
        // A desktop's program left behind by another desktop may be broken: try the next.
        qCDebug(lcPlatform) << "could not start" << path;
    }
    qCDebug(lcPlatform, "no mouse settings program could be started");
    return false;
}
