// How the program's messages are printed: a text's own trailing newline gives no blank line,
// in the handler alone and in the running program.
#include "applogging.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList g_received;

void record(QtMsgType, const QMessageLogContext &, const QString &text) { g_received << text; }

} // namespace

class LoggingTest : public QObject {
    Q_OBJECT

private slots:
    void oneTrailingNewlineDropped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("printed");
        QTest::newRow("none") << "status read" << "status read";
        QTest::newRow("one") << "status read\n" << "status read";
        QTest::newRow("two") << "status read\n\n" << "status read\n";
        QTest::newRow("inside") << "a\nb" << "a\nb";
        QTest::newRow("empty") << "" << "";
    }
    void oneTrailingNewlineDropped()
    {
        QFETCH(QString, text);
        QFETCH(QString, printed);
        QLoggingCategory::setFilterRules("veskaro.app.debug=true");
        g_received.clear();
        const QtMessageHandler previous = qInstallMessageHandler(record);
        InstallMessageHandler();
        qCDebug(lcApp, "%s", qPrintable(text));
        qCWarning(lcApp, "%s", qPrintable(text));
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(g_received, (QStringList{printed, printed}));
    }

    // The program on the simulated receiver with every debug line on: its device lines end
    // in "\n" of their own.
    void programPrintsNoBlankLine()
    {
        QTemporaryDir install, runtime;
        QVERIFY(QFile::copy(SIM_EXECUTABLE, install.path() + "/program"));
        QProcess copy;
        // No skin: only the device description and settings matter here.
        copy.start("cp", {"-R", BIN_DIR "/DefaultProfile.bin", BIN_DIR "/Configs", install.path()});
        QVERIFY(copy.waitForFinished() && copy.exitCode() == 0);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("MOUSESIM", "receiver");
        env.insert("QT_LOGGING_RULES", "veskaro.*.debug=true");
        env.remove("QT_MESSAGE_PATTERN");
        QProcess program;
        program.setProcessEnvironment(env);
        program.setReadChannel(QProcess::StandardError);  // what waitForReadyRead waits for
        program.start(install.path() + "/program", QStringList());
        QVERIFY(program.waitForStarted());
        // The battery thread starts after the receiver was enumerated.
        QByteArray printed;
        while (!printed.contains("veskaro.device: KestGetBatteryThread.") && program.waitForReadyRead(60000))
            printed += program.readAllStandardError();
        program.kill();
        program.waitForFinished();
        printed += program.readAllStandardError();
        QVERIFY2(printed.contains("veskaro.device: 1 /dev/hidraw-sim-receiver-"), printed.constData());
        QVERIFY2(!printed.contains("\n\n"), printed.constData());
    }
};

QTEST_GUILESS_MAIN(LoggingTest)
#include "tst_logging.moc"
