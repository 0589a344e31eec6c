// Files replaced whole through a temporary file beside them, on a real folder.
#include "../unprivileged.h"
#include "filenames.h"
#include "iniedit.h"
#include "stagedfile.h"
#include "temporarynames.h"
#include "storefixture.h"

#include <QSettings>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

QByteArray contents(const QString &path)
{
    QByteArray text;
    return ReadWholeFile(path, text) ? text : QByteArray("unreadable");
}

bool makeLink(const QString &target, const QString &link)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
}

} // namespace

class StagedFileTest : public QObject {
    Q_OBJECT
    QScopedPointer<QTemporaryDir> m_dir;

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
    }

    // The target keeps its permissions; nothing else is left in the folder.
    void replacesTheFileWhole()
    {
        const QString target = m_dir->path() + "/Config.ini";
        QVERIFY(writeFixture(target, "old text, longer than the new one"));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        StagedFile file(target);
        QVERIFY(file.write("new"));
        QCOMPARE(contents(target), QByteArray("old text, longer than the new one"));
        QVERIFY(file.syncData());
        QVERIFY(file.commit());
        QCOMPARE(contents(target), QByteArray("new"));
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0640u);
        QCOMPARE(entries(m_dir->path()), QStringList{"Config.ini"});
    }

    // An edit QSettings makes reaches the file only at the commit, and a key written into the
    // file meanwhile (as the unsent mark is) is kept: the edit is made again on the new text.
    void iniEditStagedOverLaterChanges_data()
    {
        QTest::addColumn<bool>("changedMeanwhile");
        QTest::newRow("unchanged") << false;
        QTest::newRow("changed before the commit") << true;
    }
    void iniEditStagedOverLaterChanges()
    {
        QFETCH(bool, changedMeanwhile);
        const QString target = m_dir->path() + "/Config.ini";
        QVERIFY(writeFixture(target, "[Config]\nCount=5\nName=old\n"));
        StagedWrites staged;
        int committed = 0;
        QVERIFY(StageIniEdit(
            target, [](QSettings &settings) { settings.setValue("Config/Name", "new"); }, staged, [&] { ++committed; }));
        QCOMPARE(contents(target), QByteArray("[Config]\nCount=5\nName=old\n"));
        if (changedMeanwhile) {
            StagedFile mark(target);
            QVERIFY(mark.write("[Config]\nCount=5\nDiff=1\nName=old\n") && mark.commit());
        }
        QVERIFY(staged.commit());
        QCOMPARE(committed, 1);
        const QSettings settings(target, QSettings::IniFormat);
        QCOMPARE(settings.value("Config/Name").toString(), QString("new"));
        QCOMPARE(settings.value("Config/Count").toInt(), 5);
        QCOMPARE(settings.value("Config/Diff").toInt(), changedMeanwhile ? 1 : 0);
        QCOMPARE(entries(m_dir->path()), QStringList{"Config.ini"});
    }

    // Links planted at the names our temporaries take next, the copy QSettings edits included,
    // are never written through: each temporary is a new file of ours.
    void plantedLinksNotWrittenThrough()
    {
        const QString target = m_dir->path() + "/Config.ini";
        QVERIFY(writeFixture(target, "[Config]\nName=old\n"));
        QTemporaryDir outside;
        const QString victim = outside.path() + "/victim";
        QVERIFY(writeFixture(victim, "not yours"));
        qint64 next = 0;
        {
            StagedFile probe(target);
            QVERIFY(probe.write(""));
            next = QFileInfo(probe.writtenPath()).fileName().section('.', 3, 3).chopped(1).toLongLong() + 1;
        }
        for (qint64 n = next; n < next + 20; ++n) {
            const QString name = m_dir->path() + '/' + StagedTempName(::getpid(), quint32(n));
            QVERIFY(QFile::link(victim, name));
            QVERIFY(QFile::link(victim, name + ".ini"));
        }
        StagedWrites staged;
        QVERIFY(StageIniEdit(target, [](QSettings &settings) { settings.setValue("Config/Name", "new"); }, staged));
        QVERIFY(staged.commit());
        QCOMPARE(contents(victim), QByteArray("not yours"));
        QCOMPARE(QSettings(target, QSettings::IniFormat).value("Config/Name").toString(), QString("new"));
    }

    // A sync the disk refuses stops the commit at that file, which keeps its old text, as do
    // those after it: the files before it are in place already (profiles go first, under the
    // unsent mark), and only theirs is recorded. The warning names the disk's error.
    void failedSyncKeepsTheOldFiles_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QStringList>("recorded");
        QTest::newRow("the first file's sync") << "a.prof" << QByteArray("old a") << QStringList();
        QTest::newRow("the second file's sync") << "Config.ini" << QByteArray("new a") << QStringList{"a.prof"};
    }
    void failedSyncKeepsTheOldFiles()
    {
        QFETCH(QString, failing);
        QFETCH(QByteArray, first);
        QFETCH(QStringList, recorded);
        const QString firstFile = m_dir->path() + "/a.prof";
        const QString second = m_dir->path() + "/Config.ini";
        QVERIFY(writeFixture(firstFile, "old a"));
        QVERIFY(writeFixture(second, "old config"));
        StagedWrites staged;
        QStringList done;
        for (const QString &target : {firstFile, second}) {
            auto file = std::make_unique<StagedFile>(target);
            QVERIFY(file->write(target == firstFile ? "new a" : "new config"));
            staged.add(std::move(file), {}, [&done, target] { done << QFileInfo(target).fileName(); });
        }
        const QString failed = m_dir->path() + '/' + failing;
        QTest::ignoreMessage(QtWarningMsg, qPrintable("cannot sync \"" + failed + "\" : Input/output error"));
        SetSyncFailsForTesting([&](const QString &target) { return target == failed; });
        const bool committed = staged.commit();
        SetSyncFailsForTesting({});
        QVERIFY(!committed);
        QCOMPARE(done, recorded);
        QCOMPARE(contents(firstFile), first);
        QCOMPARE(contents(second), QByteArray("old config"));
        QCOMPARE(entries(m_dir->path()), (QStringList{"Config.ini", "a.prof"}));
    }

    // A file written but never committed goes with its object.
    void uncommittedFileRemoved()
    {
        {
            StagedFile file(m_dir->path() + "/a.prof");
            QVERIFY(file.write("text"));
            QCOMPARE(entries(m_dir->path()).size(), 1);
        }
        QCOMPARE(entries(m_dir->path()), QStringList());
        StagedWrites staged;
        auto file = std::make_unique<StagedFile>(m_dir->path() + "/b.prof");
        QVERIFY(file->write("text"));
        staged.add(std::move(file));
        staged = StagedWrites();
        QCOMPARE(entries(m_dir->path()), QStringList());
    }

    // Disks that refuse: each failure is reported, and the folder keeps what it held.
    void refusedWritesLeaveNoTrace_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("written");
        QTest::newRow("read-only folder") << "read-only" << false;
        QTest::newRow("read-only file") << "read-only file" << false;
        QTest::newRow("folder that cannot be created") << "under a file" << false;
        QTest::newRow("a folder in the file's place") << "folder" << true;
    }
    void refusedWritesLeaveNoTrace()
    {
        QFETCH(QString, fault);
        QFETCH(bool, written);
        if (fault.startsWith("read-only"))
            RUN_ROW_AS_NOBODY_IF_ROOT();
        QString target = m_dir->path() + "/Configs/Config.ini";
        QVERIFY(QDir().mkpath(m_dir->path() + "/Configs"));
        if (fault == "read-only") {
            QVERIFY(QFile::setPermissions(m_dir->path() + "/Configs", QFile::ReadOwner | QFile::ExeOwner));
        } else if (fault == "read-only file") {
            QVERIFY(writeFixture(target, "x"));
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
        } else if (fault == "under a file") {  // root cannot make a folder there either
            QVERIFY(writeFixture(target, "x"));
            target += "/Profile/a.prof";
        } else {
            QVERIFY(writeFixture(target + "/inside", "x"));
        }
        const QStringList before = entries(m_dir->path() + "/Configs");

        StagedWrites staged;
        auto file = std::make_unique<StagedFile>(target);
        QCOMPARE(file->write("text"), written);
        if (written) {
            bool recorded = false;
            staged.add(std::move(file), {}, [&recorded] { recorded = true; });
            QVERIFY(!staged.commit());
            QVERIFY(!recorded);
        }
        QFile::setPermissions(m_dir->path() + "/Configs", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(entries(m_dir->path() + "/Configs"), before);
    }

    // Every name the name check accepts saves, with the longest suffix we add; the temporary
    // name stays as short with the longest process id Debian gives (pid_max 4194304).
    void longestNamesSave_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("80 CJK characters") << QString(80, QChar(0x6F22));
        QTest::newRow("240 bytes of ASCII") << QString(kMaxFileNameBytes, 'a');
    }
    void longestNamesSave()
    {
        QFETCH(QString, name);
        QVERIFY(IsSafeFileName(name));
        QCOMPARE(name.toUtf8().size(), kMaxFileNameBytes);
        const QString target = m_dir->path() + "/" + name + ".MSMACRO";
        StagedFile file(target);
        QVERIFY(file.write("text"));
        QCOMPARE(QFileInfo(file.writtenPath()).absolutePath(), m_dir->path());
        QVERIFY(QFileInfo(file.writtenPath()).fileName().size() <= StagedTempName(4194303, 4294967295u).size());
        QVERIFY(file.commit());
        QCOMPARE(contents(target), QByteArray("text"));
        QCOMPARE(entries(m_dir->path()), QStringList{name + ".MSMACRO"});
        QCOMPARE(StagedFileOwner(StagedTempName(4194303, 4294967295u)), qint64(4194303));
    }

    // A target that is a symbolic link keeps being one: the file it leads to takes the text,
    // in that file's folder.
    void linksAreWrittenThrough_data()
    {
        QTest::addColumn<QString>("link");     // where the link points, relative or absolute
        QTest::addColumn<bool>("chained");     // through a second link
        QTest::addColumn<bool>("targetExists");
        QTest::newRow("relative") << "../real/Game.prof" << false << true;
        QTest::newRow("absolute") << "REAL/Game.prof" << false << true;
        QTest::newRow("a link to a link") << "../real/Game.prof" << true << true;
        QTest::newRow("to a missing file") << "../real/Game.prof" << false << false;
    }
    void linksAreWrittenThrough()
    {
        QFETCH(QString, link);
        QFETCH(bool, chained);
        QFETCH(bool, targetExists);
        const QString linkFolder = m_dir->path() + "/Profile";
        const QString realFolder = m_dir->path() + "/real";
        QVERIFY(QDir().mkpath(linkFolder) && QDir().mkpath(realFolder));
        const QString real = realFolder + "/Game.prof";
        if (targetExists)
            QVERIFY(writeFixture(real, "old"));
        link.replace("REAL", realFolder);
        QString target = linkFolder + "/Game.prof";
        if (chained) {
            QCOMPARE(::symlink(QFile::encodeName(link).constData(), QFile::encodeName(linkFolder + "/inner.prof").constData()), 0);
            link = "inner.prof";
        }
        QCOMPARE(::symlink(QFile::encodeName(link).constData(), QFile::encodeName(target).constData()), 0);

        StagedWrites staged;
        auto file = std::make_unique<StagedFile>(target);
        QVERIFY(file->write("new"));
        staged.add(std::move(file));
        QVERIFY(staged.commit());
        QVERIFY(QFileInfo(target).isSymLink());
        QCOMPARE(contents(real), QByteArray("new"));
        QCOMPARE(contents(target), QByteArray("new"));
        QCOMPARE(entries(realFolder), QStringList{"Game.prof"});
        QCOMPARE(entries(linkFolder).size(), chained ? 2 : 1);
    }

    // In a sticky folder anyone may write, a link is followed only when it is the user's or the
    // folder owner's, as the kernel itself follows links there; another user's link is refused
    // and neither it nor the file it leads to changes.
    void sharedFolderLinks_data()
    {
        QTest::addColumn<uint>("folderMode");
        QTest::addColumn<bool>("folderOfNobody");
        QTest::addColumn<bool>("linkOfNobody");
        QTest::addColumn<bool>("followed");
        QTest::newRow("another user's, sticky 1777") << 01777u << false << true << false;
        QTest::newRow("our own, sticky 1777") << 01777u << false << false << true;
        QTest::newRow("the folder owner's, sticky 1777") << 01777u << true << true << true;
        QTest::newRow("another user's, 0777") << 0777u << false << true << true;
        QTest::newRow("another user's, sticky 1755") << 01755u << false << true << true;
    }
    void sharedFolderLinks()
    {
        QFETCH(uint, folderMode);
        QFETCH(bool, folderOfNobody);
        QFETCH(bool, linkOfNobody);
        QFETCH(bool, followed);
        if (::geteuid() != 0)
            QSKIP("giving a file to another user takes root");
        const QString shared = m_dir->path() + "/shared";
        const QString mine = m_dir->path() + "/mine";
        QVERIFY(QDir().mkpath(shared) && QDir().mkpath(mine));
        QVERIFY(writeFixture(mine + "/Game.prof", "old"));
        QVERIFY(writeFixture(m_dir->path() + "/source", "new"));
        const QString link = shared + "/out.prof";
        QVERIFY(makeLink(mine + "/Game.prof", link));
        const QByteArray folderName = QFile::encodeName(shared);
        QCOMPARE(::chmod(folderName.constData(), mode_t(folderMode)), 0);
        if (folderOfNobody)
            QCOMPARE(::chown(folderName.constData(), kNobody, kNobody), 0);
        if (linkOfNobody)
            QCOMPARE(::lchown(QFile::encodeName(link).constData(), kNobody, kNobody), 0);
        QFile rule("/proc/sys/fs/protected_symlinks");
        if (rule.open(QIODevice::ReadOnly) && rule.readAll().trimmed() == "1") {
            const int fd = ::open(QFile::encodeName(link).constData(), O_RDONLY | O_CLOEXEC);
            QCOMPARE(fd >= 0, followed);  // the kernel's own judgement
            if (fd >= 0)
                ::close(fd);
        }
        bool refused = true;
        QCOMPARE(LinkedFile(link, &refused), followed ? mine + "/Game.prof" : link);
        QCOMPARE(refused, !followed);
        QCOMPARE(CopyIntoPlace(m_dir->path() + "/source", link), followed);
        QCOMPARE(contents(mine + "/Game.prof"), followed ? QByteArray("new") : QByteArray("old"));
        QCOMPARE(QFileInfo(link).symLinkTarget(), mine + "/Game.prof");
        QCOMPARE(entries(shared), QStringList{"out.prof"});
        QCOMPARE(entries(mine), QStringList{"Game.prof"});
    }

    // The folder of a link's end is never made: the file goes where the link leads, or nowhere.
    void linkEndsFolderIsNotMade()
    {
        const QString link = m_dir->path() + "/out.MSMACRO";
        QVERIFY(makeLink(m_dir->path() + "/missing/folder/out.MSMACRO", link));
        StagedFile file(link);
        QVERIFY(!file.write("text"));
        QVERIFY(!QFileInfo::exists(m_dir->path() + "/missing"));
        QCOMPARE(entries(m_dir->path()), QStringList{"out.MSMACRO"});
    }

    // A copy put where no file is: a file, a link (dangling too) or a file that appears while
    // the copy is written is kept as it is, and nothing is left beside it.
    void newFileKeepsWhatIsThere_data()
    {
        QTest::addColumn<QString>("there");  // what lies at the name: "", "file", "link", "dangling"
        QTest::addColumn<bool>("appears");   // a file is put there before the copy takes its place
        QTest::addColumn<int>("result");
        QTest::newRow("nothing there") << "" << false << int(NewFileCopy::Written);
        QTest::newRow("a file") << "file" << false << int(NewFileCopy::Exists);
        QTest::newRow("a link to a file") << "link" << false << int(NewFileCopy::Exists);
        QTest::newRow("a dangling link") << "dangling" << false << int(NewFileCopy::Exists);
        QTest::newRow("a file appears meanwhile") << "" << true << int(NewFileCopy::Exists);
    }
    void newFileKeepsWhatIsThere()
    {
        QFETCH(QString, there);
        QFETCH(bool, appears);
        QFETCH(int, result);
        const QString folder = m_dir->path() + "/out";
        const QString target = folder + "/m.MSMACRO";
        const QString end = m_dir->path() + "/end.MSMACRO";
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeFixture(m_dir->path() + "/source", "ours"));
        if (there == "file")
            QVERIFY(writeFixture(target, "theirs"));
        if (there == "link")
            QVERIFY(writeFixture(end, "theirs"));
        if (there == "link" || there == "dangling")
            QVERIFY(makeLink(end, target));
        if (appears)
            SetBeforeStagedCommitForTesting([](const QString &path) { writeFixture(path, "theirs"); });
        const NewFileCopy copy = CopyIntoNewFile(m_dir->path() + "/source", target);
        SetBeforeStagedCommitForTesting({});
        QCOMPARE(int(copy), result);
        QCOMPARE(entries(folder), QStringList{"m.MSMACRO"});
        QCOMPARE(QFileInfo(target).isSymLink(), there == "link" || there == "dangling");
        if (there == "dangling")
            QVERIFY(!QFileInfo::exists(end));
        else
            QCOMPARE(contents(target), result == int(NewFileCopy::Written) ? QByteArray("ours") : QByteArray("theirs"));
    }
};

QTEST_GUILESS_MAIN(StagedFileTest)
#include "tst_stagedfile.moc"
