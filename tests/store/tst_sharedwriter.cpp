// Config.ini shared with another process that writes it through QSettings (a copy for another
// product, a user's editor): the job's saves and the unsent mark lose none of its keys, nor it
// ours. The other process is this test run again with the arguments of `writeKeys`.
#include "configio.h"
#include "configkeys.h"
#include "profileio.h"
#include "storefixture.h"
#include "stagedfile.h"
#include "unsentmark.h"

#include <QProcess>
#include <QSettings>

#include <thread>

namespace {

const char kWriterArgument[] = "--write-keys";
constexpr int kOtherKeys = 60;

// The other process: one new key at a time, each through its own QSettings write.
int writeKeys(const QString &file)
{
    for (int i = 0; i < kOtherKeys; ++i) {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Other/Key%1").arg(i), i);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return 1;
        QThread::usleep(500);
    }
    return 0;
}

// Read from a copy: this process's QSettings would not see a rewrite of the same size within
// one millisecond.
QVariantMap readBack(const QString &file)
{
    QTemporaryDir dir;
    const QString copy = dir.path() + "/copy.ini";
    if (!QFile::copy(file, copy))
        return {};
    const QSettings settings(copy, QSettings::IniFormat);
    QVariantMap values;
    for (const QString &key : settings.allKeys())
        values[key] = settings.value(key);
    return values;
}

} // namespace

class SharedWriterTest : public QObject {
    Q_OBJECT

private slots:
    // Each round is a write job's share of the disk: the configuration staged with new slot
    // names, the mark set, the files put in place on a thread of their own, the mark cleared.
    // Covers writes interleaved with another process's: each side keeps what the other wrote.
    // Every write of the other process adds a key, so the file's size changes each time and
    // a QSettings always sees a changed file; a rewrite of the same size, whose change a
    // QSettings cache may miss, never happens here.
    void neitherWriterLosesKeys()
    {
        StoreDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(writeFixture(ConfigIniPath(), "[Config]\nDiff=0\nCount=5\n"));
        QProcess other;
        other.setProcessChannelMode(QProcess::ForwardedChannels);
        other.start(QCoreApplication::applicationFilePath(), {kWriterArgument, ConfigIniPath()});
        QVERIFY(other.waitForStarted());
        DeviceConfig config;
        QStringList lostNames;
        bool otherDone = false;
        for (int round = 0; round < 20 || !otherDone; ++round) {
            for (int slot = 0; slot < kProfileCount; ++slot)
                config.profileFiles[slot] = QStringLiteral("Round %1 slot %2").arg(round).arg(slot + 1);
            StagedWrites staged;
            QCOMPARE(StageConfig(config, staged), kStoreOk);
            UnsentMark mark;
            QVERIFY(mark.set());
            bool saved = false;
            std::thread save([&] { saved = mark.prepareClear() && staged.commit(); });
            save.join();
            QVERIFY(saved);
            QVERIFY(mark.clear());
            const QVariantMap values = readBack(ConfigIniPath());
            if (values.value(ProfileSlotKey(4)).toString() != config.profileFiles[4])
                lostNames << config.profileFiles[4];
            otherDone = otherDone || other.waitForFinished(0);
        }
        QCOMPARE(other.exitStatus(), QProcess::NormalExit);
        QCOMPARE(other.exitCode(), 0);
        const QVariantMap values = readBack(ConfigIniPath());
        QStringList lostKeys;
        for (int i = 0; i < kOtherKeys; ++i) {
            const QString key = QStringLiteral("Other/Key%1").arg(i);
            if (!values.contains(key) || values.value(key).toInt() != i)
                lostKeys << QString::number(i);
        }
        QVERIFY2(lostKeys.isEmpty(), qPrintable("keys of the other process lost: " + lostKeys.join(' ')));
        QVERIFY2(lostNames.isEmpty(), qPrintable("slot names lost: " + lostNames.join(", ")));
        for (int slot = 0; slot < kProfileCount; ++slot)
            QCOMPARE(values.value(ProfileSlotKey(slot)).toString(), config.profileFiles[slot]);
        QCOMPARE(values.value("Config/Diff").toInt(), 0);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kWriterArgument) == 0)
        return writeKeys(QString::fromLocal8Bit(argv[2]));
    SharedWriterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sharedwriter.moc"
