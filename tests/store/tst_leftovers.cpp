// What killed copies leave in the configuration folders, swept at start.
#include "leftovers.h"
#include "stagedfile.h"
#include "storefixture.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

// Above any pid_max: no process has it.
constexpr qint64 kGonePid = 99999999;

} // namespace

class LeftoversTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(::kill(pid_t(kGonePid), 0) != 0 && errno == ESRCH); }

    // Paths under the data folder; "GONE", "LIVE" (init, always running) and "SELF" stand for
    // process ids in names and lock files.
    void onlyLeftoversGo_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("kept");
        QTest::newRow("staged profile") << "Configs/Profile/.staged.GONE.3~" << QByteArray("x") << false;
        QTest::newRow("staged Config.ini") << "Configs/.staged.GONE.0~" << QByteArray("x") << false;
        QTest::newRow("QSettings' lock beside a staged file") << "Configs/.staged.GONE.1~.lock" << QByteArray() << false;
        QTest::newRow("older versions' profile") << "Configs/Profile/Game.prof.GONE.7~" << QByteArray("x") << false;
        QTest::newRow("older versions' Config.ini") << "Configs/Config.ini.GONE.0~" << QByteArray("x") << false;
        QTest::newRow("older versions', product folder") << "Configs/Test Mouse/Config.ini.GONE.2~" << QByteArray("x")
                                                         << false;
        QTest::newRow("empty lock") << "Configs/Config.ini.lock" << QByteArray() << false;
        QTest::newRow("lock of a process gone") << "Configs/Profile/Game.prof.lock" << QByteArray("GONE\napp\nhost\n")
                                                << false;
        QTest::newRow("lock with our own id") << "Configs/Config.ini.lock" << QByteArray("SELF\napp\nhost\n") << false;
        QTest::newRow("macro lock, not a number") << "Configs/MacroDB/M1.MSMACRO.lock" << QByteArray("junk\n") << false;
        QTest::newRow("lock of a running process") << "Configs/Config.ini.lock" << QByteArray("LIVE\napp\nhost\n") << true;
        QTest::newRow("staged by a running process") << "Configs/.staged.LIVE.0~" << QByteArray("x") << true;
        QTest::newRow("a profile") << "Configs/Profile/Game.prof" << QByteArray("x") << true;
        QTest::newRow("the user's copy") << "Configs/Config.ini.backup" << QByteArray("x") << true;
        QTest::newRow("other numbered file") << "Configs/Profile/notes.GONE.1~" << QByteArray("x") << true;
        QTest::newRow("outside the configuration folder") << "Game.prof.GONE.1~" << QByteArray("x") << true;
        QTest::newRow("empty lock outside") << "Config.ini.lock" << QByteArray() << true;
    }
    void onlyLeftoversGo()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, content);
        QFETCH(bool, kept);
        const auto ids = [](QString text) {
            return text.replace("GONE", QString::number(kGonePid)).replace("LIVE", "1").replace("SELF", QString::number(::getpid()));
        };
        StoreDir dir;
        const QString file = dir.path() + "/" + ids(path);
        QVERIFY(writeFixture(file, ids(QString::fromLatin1(content)).toLatin1()));
        QVERIFY(writeFixture(ConfigIniPath(), "[Config]\nDiff=0\n"));
        RemoveStoreLeftovers();
        QCOMPARE(QFile::exists(file), kept);
        QVERIFY(QFile::exists(ConfigIniPath()));
    }
};

QTEST_GUILESS_MAIN(LeftoversTest)
#include "tst_leftovers.moc"
