#pragma once
// Rows about read-only files and folders, for the build machines that run the tests as root:
// root writes anywhere, so there such a row runs again, by the same test executable in a
// child process as the user nobody, and the child's run is the row's verdict. A program a
// row starts can run as nobody the same way. Where root cannot become nobody (a user
// namespace without that user), or nobody cannot reach the test executable (a build in a
// folder closed to others), the rows skip.

#include <QCoreApplication>
#include <QProcess>
#include <QtTest>

#include <grp.h>
#include <unistd.h>

// nobody and nogroup on Debian.
constexpr uid_t kNobody = 65534;

// A process that runs as nobody, without root's groups.
class NobodyProcess : public QProcess {
public:
    // Its exit code when the child could not become nobody.
    static constexpr int kCannotBecomeNobody = 77;

protected:
    // In the forked child, before the program is run.
    void setupChildProcess() override
    {
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)
            _exit(kCannotBecomeNobody);
    }
};

struct RowAsNobody {
    enum Outcome { Passed, Failed, CannotBecomeNobody, CannotReachProgram } outcome = Failed;
    QByteArray output;  // the reason, when nobody could not run the row
};

// The current test row, run again as nobody by this test executable.
inline RowAsNobody RunRowAsNobody()
{
    QString row = QString::fromUtf8(QTest::currentTestFunction());
    const QString tag = QString::fromUtf8(QTest::currentDataTag());
    NobodyProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {tag.isEmpty() ? row : row + ':' + tag});
    RowAsNobody run;
    if (!child.waitForFinished(300000)) {
        if (child.error() == QProcess::FailedToStart)
            run.outcome = RowAsNobody::CannotReachProgram;
        run.output = "nobody could not run " + QCoreApplication::applicationFilePath().toUtf8()
                     + " (the build folder must be readable by others): " + child.errorString().toUtf8();
        return run;
    }
    run.output = child.readAll();
    if (child.exitStatus() == QProcess::NormalExit && child.exitCode() == NobodyProcess::kCannotBecomeNobody) {
        run.outcome = RowAsNobody::CannotBecomeNobody;
        return run;
    }
    // Passed, not skipped: Qt Test prints "PASS   : Class::function(tag)".
    const QByteArray passed = "::" + row.toUtf8() + '(' + tag.toUtf8() + ")";
    for (const QByteArray &line : run.output.split('\n')) {
        if (line.startsWith("PASS   : ") && line.endsWith(passed) && child.exitStatus() == QProcess::NormalExit
            && child.exitCode() == 0)
            run.outcome = RowAsNobody::Passed;
    }
    return run;
}

// At the top of a row that needs an unprivileged user: as root, the row is the child's run
// as nobody, whose output is shown when it fails.
#define RUN_ROW_AS_NOBODY_IF_ROOT()                                                                     \
    do {                                                                                                \
        if (geteuid() == 0) {                                                                           \
            const RowAsNobody run = RunRowAsNobody();                                                   \
            if (run.outcome == RowAsNobody::CannotBecomeNobody)                                         \
                QSKIP("root writes into read-only files and folders, and cannot become nobody here");   \
            if (run.outcome == RowAsNobody::CannotReachProgram)                                         \
                QSKIP(("root writes into read-only files and folders, and " + run.output).constData()); \
            if (run.outcome != RowAsNobody::Passed)                                                     \
                qWarning("the row as nobody:\n%s", run.output.constData());                             \
            QVERIFY2(run.outcome == RowAsNobody::Passed, "the row failed as nobody");                   \
            return;                                                                                     \
        }                                                                                               \
    } while (false)
