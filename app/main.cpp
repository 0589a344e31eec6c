#include "applogging.h"
#include "configuredfont.h"
#include "instanceguard.h"
#include "leftovers.h"
#include "quitsignals.h"
#include "settings.h"
#include "varnelwidget.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>

#include <csignal>

namespace {

// The high-DPI attributes are set once the application object exists, where Qt
// only warns that they come too late; a second copy must print nothing, so the
// warning is kept out of the log for these three calls.
void silentHandler(QtMsgType, const QMessageLogContext &, const QString &) {}

void setHighDpiAttributes()
{
    const QtMessageHandler previous = qInstallMessageHandler(silentHandler);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    qInstallMessageHandler(previous);
}

QString readProductName()
{
    QSettings description(AppDir() + "/DefaultProfile.bin", QSettings::IniFormat);
    return description.value("PROFILE/ProductName").toString();
}

} // namespace

int main(int argc, char *argv[])
{
    // Under a file-size limit (ulimit -f) a write past it fails with EFBIG, which the store
    // reports, instead of ending the program: every read of Config.ini writes a copy of it.
    std::signal(SIGXFSZ, SIG_IGN);
    InstallMessageHandler();
    QApplication app(argc, argv);
    setHighDpiAttributes();
    SubstituteMissingFonts();
    // Names the data folder of an installed copy, whatever the executable is called.
    QCoreApplication::setApplicationName(kProgramName);

    const QString productName = readProductName();
    // Held until the process ends; the kernel releases it even after a crash.
    InstanceGuard guard(productName + " Wireless Quellan Mutex1");
    if (!guard.acquired()) {
        QCoreApplication::exit(1);
        return 1;
    }
    // No other copy for this product runs now to own what lies in our folders.
    RemoveStoreLeftovers();

    VarnelWidget window;
    if (window.m_iConnectedCount != 0) {
        window.setWindowOpacity(1.0);
        window.show();
    }
    // From the application directory, not the working directory.
    window.setWindowIcon(QIcon(AppDir() + "/skin/icon.ico"));
    window.setWindowTitle(productName);
    // SIGTERM and SIGINT leave through the same teardown as "&Quit", with code 0.
    InstallQuitSignalHandlers(&window, [&window] { window.quitProgram(); });
    return app.exec();
}
