// The installed program: cmake --install into a temporary prefix (with the simulated build as
// its test-only component), the files where a desktop looks for them, and the program run from
// a folder it may not write, with a fresh home: its settings go to the user's data folder.
#include "../unprivileged.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString kName = PROGRAM_NAME;
const QString kId = PROGRAM_ID;
const QString kDesktopEntry = "/share/applications/" + kId + ".desktop";
const QString kMetainfo = "/share/metainfo/" + kId + ".metainfo.xml";

bool run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ok = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
                    && process.exitCode() == 0;
    const QByteArray text = process.readAll();
    if (output)
        *output = text;
    if (!ok)
        qWarning("%s %s: %s", qPrintable(program), qPrintable(arguments.join(' ')), text.constData());
    return ok;
}

bool install(const QString &prefix, const QString &component = QString())
{
    QStringList arguments{"--install", BUILD_DIR, "--prefix", prefix};
    if (!component.isEmpty())
        arguments << "--component" << component;
    return run(CMAKE_COMMAND, arguments);
}

bool makeReadOnly(const QString &dir, bool readOnly) { return run("chmod", {"-R", readOnly ? "a-w" : "u+w", dir}); }

// Every file under `dir` with its size and content digest, to see that nothing was written.
QStringList treeState(const QString &dir)
{
    QStringList state;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        QByteArray digest;
        if (it.fileInfo().isFile() && file.open(QIODevice::ReadOnly))
            digest = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
        state << path + " " + digest;
    }
    state.sort();
    return state;
}

} // namespace

class InstallTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_prefix;

    QString shareDir() const { return m_prefix.path() + "/share/" + kName; }

private slots:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        QVERIFY(install(m_prefix.path()));
        // The simulated build only as its own component.
        QVERIFY(!QFileInfo::exists(m_prefix.path() + "/bin/" + kName + "-simulated"));
        QVERIFY(install(m_prefix.path(), "simulated"));
    }

    void cleanupTestCase() { makeReadOnly(m_prefix.path(), false); }

    void installedFiles()
    {
        const QString p = m_prefix.path();
        for (const QString &file : {"/bin/" + kName, "/bin/" + kName + "-simulated", "/share/" + kName + "/DefaultProfile.bin",
                                    "/share/" + kName + "/Configs/Config.ini",
                                    "/share/" + kName + "/Configs/Profile/DefaultProfile.prof",
                                    "/share/" + kName + "/skin/icon.ico", "/share/" + kName + "/lang/en.qm",
                                    "/share/" + kName + "/lang/fr.qm", QString("/lib/udev/rules.d/70-veskaro-m7.rules"),
                                    kDesktopEntry, kMetainfo})
            QVERIFY2(QFileInfo(p + file).isFile(), qPrintable(file));
        QVERIFY(QFileInfo(p + "/bin/" + kName).isExecutable());

        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is missing: scripts/setup installs desktop-file-utils");
        QByteArray output;
        QVERIFY(run(validator, {p + kDesktopEntry}, &output));
        QCOMPARE(output, QByteArray());
    }

    // The icon in each size a desktop looks up, drawn at that size.
    void icons_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }
    void icons()
    {
        QFETCH(int, size);
        const QString icon = QString("%1/share/icons/hicolor/%2x%2/apps/%3.png").arg(m_prefix.path()).arg(size).arg(kName);
        const QImage image(icon);
        QCOMPARE(image.size(), QSize(size, size));
        // Scaled, not left blank: the icon's centre is drawn.
        QVERIFY(qAlpha(image.pixel(size / 2, size / 2)) > 0);
    }

    // The AppStream description: valid, and naming the installed desktop entry and icon.
    void metainfo()
    {
        QFile file(m_prefix.path() + kMetainfo);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains("<id>" + kId + "</id>"));
        QVERIFY(text.contains("<launchable type=\"desktop-id\">" + kId + ".desktop</launchable>"));
        QVERIFY(text.contains("<icon type=\"stock\">" + kName + "</icon>"));
        const QString validator = QStandardPaths::findExecutable("appstreamcli");
        if (validator.isEmpty())
            QSKIP("appstreamcli is missing: scripts/setup installs appstream");
        QByteArray output;
        QVERIFY2(run(validator, {"validate", "--no-net", file.fileName()}, &output), output.constData());
    }

    // UDEV_RULES_DIR puts the rule where udev reads it, whatever the prefix; alone, as its own
    // component. (Without it the rule goes under the prefix: installedFiles.)
    void udevRulesDir()
    {
        QTemporaryDir build, prefix, rules;
        QVERIFY(run(CMAKE_COMMAND, {"-S", SOURCE_ROOT, "-B", build.path(), "-DBUILD_TESTING=OFF",
                                    "-DUDEV_RULES_DIR=" + rules.path() + "/rules.d"}));
        QVERIFY(run(CMAKE_COMMAND, {"--install", build.path(), "--prefix", prefix.path(), "--component", "udev"}));
        QVERIFY(QFileInfo(rules.path() + "/rules.d/70-veskaro-m7.rules").isFile());
        QVERIFY(!QFileInfo::exists(prefix.path() + "/lib"));
    }

    // Where the settings go: `layout` is the installed prefix, or a folder holding the
    // executable beside its assets, writable or not.
    void settingsFolder_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("partialLeft");
        QTest::newRow("installed, read-only") << "installed" << true << false;
        QTest::newRow("own folder, read-only") << "beside" << true << false;
        QTest::newRow("own folder, writable") << "beside" << false << false;
        // An earlier first start killed while it copied the sample settings.
        QTest::newRow("installed, partial copy left") << "installed" << true << true;
    }
    void settingsFolder()
    {
        QFETCH(QString, layout);
        QFETCH(bool, readOnly);
        QFETCH(bool, partialLeft);
        QTemporaryDir home, runtime, portable;
        QString exe = m_prefix.path() + "/bin/" + kName + "-simulated";
        QString assets = shareDir();
        // root may write anywhere: there the program runs from its own read-only folder as nobody.
        const bool asNobody = layout == "beside" && readOnly && geteuid() == 0;
        if (layout == "beside") {
            QVERIFY(run("cp", {"-R", shareDir() + "/.", portable.path()}));
            QVERIFY(QFile::copy(exe, portable.path() + "/" + kName + "-simulated"));
            exe = portable.path() + "/" + kName + "-simulated";
            assets = portable.path();
        }
        const QString assetRoot = layout == "beside" ? portable.path() : m_prefix.path();
        if (asNobody) {
            const QString owner = QString("%1:%1").arg(kNobody);
            QVERIFY(run("chown", {"-R", owner, home.path(), runtime.path(), portable.path()}));
        }
        QVERIFY(makeReadOnly(assetRoot, readOnly));
        const QStringList before = treeState(assetRoot);
        const QString partial = home.path() + "/.local/share/" + kName + "/Configs.partial";
        if (partialLeft) {
            // A sample file cut short, and a file of no sample.
            QVERIFY(QDir().mkpath(partial + "/Profile"));
            for (const char *name : {"/Config.ini", "/Stale.ini"}) {
                QFile stale(partial + name);
                QVERIFY(stale.open(QIODevice::WriteOnly));
                QVERIFY(stale.write("[Config]\nDi") > 0);
            }
        }

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_SESSION_TYPE", "DISPLAY"})
            env.remove(name);
        env.insert("HOME", home.path());
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("MOUSESIM", "receiver");
        env.insert("MOUSESIM_APPLY", "1");
        // The log sets the simulated mouse up before the program's own statics: the mouse must
        // still be found, and the Apply must reach it.
        const QString reportLog = home.path() + "/reports.log";
        env.insert("MOUSESIM_LOG", reportLog);
        std::unique_ptr<QProcess> started(asNobody ? new NobodyProcess : new QProcess);
        QProcess &program = *started;
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(home.path());
        program.start(exe, QStringList());
        QVERIFY(program.waitForStarted());
        QByteArray said;
        while (!said.contains("applied\n") && program.waitForReadyRead(60000))
            said += program.readAllStandardOutput();
        if (asNobody && program.state() == QProcess::NotRunning
            && program.exitCode() == NobodyProcess::kCannotBecomeNobody)
            QSKIP("root may write to a read-only folder, and cannot become nobody here");
        QVERIFY2(said.contains("shown\n"), program.readAllStandardError().constData());
        QVERIFY2(said.contains("applied\n"), program.readAllStandardError().constData());
        program.terminate();
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 0);
        makeReadOnly(assetRoot, false);
        QFile reports(reportLog);
        QVERIFY(reports.open(QIODevice::ReadOnly));
        QVERIFY2(reports.readAll().contains(" received /dev/hidraw-sim-receiver-1 "), "no report reached the mouse");

        // The sample device says Diff=1; only a successful write job writes 0.
        const bool apart = readOnly || layout == "installed";
        const QString data = apart ? home.path() + "/.local/share/" + kName : assets;
        QCOMPARE(QSettings(data + "/Configs/Config.ini", QSettings::IniFormat).value("Config/Diff").toInt(), 0);
        QVERIFY(QFileInfo(data + "/Configs/Profile/Profile 1.prof").isFile());
        QVERIFY(QFileInfo(data + "/Configs/LangConfig.ini").isFile());
        // Copied from a read-only install, yet the user's to write (root would write regardless).
        QVERIFY(QFileInfo(data + "/Configs/MacroDB/Copy Paste.MSMACRO").permissions() & QFileDevice::WriteOwner);
        QVERIFY(!QFileInfo::exists(data + "/Configs.partial"));
        // Every sample file copied, and nothing of a partial copy left before.
        QDirIterator sample(assets + "/Configs", QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (sample.hasNext()) {
            const QString file = sample.next().mid(assets.size());
            QVERIFY2(QFileInfo(data + file).isFile(), qPrintable(file));
        }
        QVERIFY(!QFileInfo::exists(data + "/Configs/Stale.ini"));
        if (apart)
            QCOMPARE(treeState(assetRoot), before);
        else
            QVERIFY(!QFileInfo::exists(home.path() + "/.local/share/" + kName));
    }
};

QTEST_GUILESS_MAIN(InstallTest)
#include "tst_install.moc"
