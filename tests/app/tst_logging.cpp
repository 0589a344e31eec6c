// How the program's messages are printed: a text's own trailing newline gives no blank line,
// in the handler alone and in the running program, where each message is one line with its
// category and a text; recording a macro writes nothing of the typed keys.
#include "applogging.h"

#include "devicedefaults.h"
#include "kestpushbutton.h"
#include "macrodialog.h"
#include "macrofiles.h"
#include "settings.h"

#include <QDir>
#include <QKeyEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

namespace {

QStringList g_received;

void record(QtMsgType, const QMessageLogContext &, const QString &text) { g_received << text; }

// The simulated program on the receiver with every debug line on, printed with `pattern` (the
// default one when empty), until its error output holds `until`; what it printed.
QByteArray RunProgram(const QString &pattern, const QByteArray &until)
{
    QTemporaryDir install, runtime;
    if (!QFile::copy(SIM_EXECUTABLE, install.path() + "/program"))
        return "program not copied";
    QProcess copy;
    // No skin: only the device description and settings matter here.
    copy.start("cp", {"-R", BIN_DIR "/DefaultProfile.bin", BIN_DIR "/Configs", install.path()});
    if (!copy.waitForFinished() || copy.exitCode() != 0)
        return "settings not copied";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("MOUSESIM", "receiver");
    env.insert("QT_LOGGING_RULES", "veskaro.*.debug=true");
    if (pattern.isEmpty())
        env.remove("QT_MESSAGE_PATTERN");
    else
        env.insert("QT_MESSAGE_PATTERN", pattern);
    QProcess program;
    program.setProcessEnvironment(env);
    program.setReadChannel(QProcess::StandardError);  // what waitForReadyRead waits for
    program.start(install.path() + "/program", QStringList());
    if (!program.waitForStarted())
        return "program not started";
    QByteArray printed;
    while (!printed.contains(until) && program.waitForReadyRead(60000))
        printed += program.readAllStandardError();
    program.kill();
    program.waitForFinished();
    return printed + program.readAllStandardError();
}

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
        // The battery thread starts after the receiver was enumerated.
        const QByteArray printed = RunProgram(QString(), "veskaro.device: KestGetBatteryThread.");
        QVERIFY2(printed.contains("veskaro.device: 1 /dev/hidraw-sim-receiver-"), printed.constData());
        QVERIFY2(!printed.contains("\n\n"), printed.constData());
    }

    // Printed as category|text, every line is a message of its own: a record that spanned
    // lines would leave lines without a category, and an empty path printed as "".
    void everyLineOneMessageWithItsCategory()
    {
        // The macro page is built, its command tree with it, before its fields are filled.
        const QByteArray printed = RunProgram("%{category}|%{message}", "veskaro.macro|LoopTimeChanged");
        QVERIFY2(printed.contains("veskaro.macro|LoopTimeChanged"), printed.constData());
        // The simulator's unrelated device of the logged vendor, one record per collection.
        QVERIFY2(printed.contains("veskaro.device|Device Found  type: 4d9 1702  path: /dev/hidraw-sim-unrelated-0"),
                 printed.constData());
        const QRegularExpression line("^[A-Za-z0-9_.]+\\|(.+)$");
        for (const QByteArray &printedLine : printed.split('\n')) {
            if (printedLine.isEmpty())
                continue;
            const QString text = QString::fromUtf8(printedLine);
            const QRegularExpressionMatch match = line.match(text);
            QVERIFY2(match.hasMatch(), qPrintable(text));
            QVERIFY2(match.captured(1) != "\"\"", qPrintable(text));
        }
    }

    // Recording a macro with every debug line on: the typed keys become steps, not log lines.
    void recordingLogsNoKeys()
    {
        QTemporaryDir app;
        SetAppDir(app.path());
        QSettings(DeviceDescriptionPath(), QSettings::IniFormat).setValue("PROFILE/ProductName", "Test Mouse");
        QSettings(ConfigIniPath(), QSettings::IniFormat).setValue("MACRO_LIST/0", "m");
        QVERIFY(!WriteMacroFile("m", MacroFile()).isEmpty());
        MacroDialog dialog(nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.m_pStartButton, Qt::LeftButton);
        QLoggingCategory::setFilterRules("veskaro.*.debug=true");
        g_received.clear();
        const QtMessageHandler previous = qInstallMessageHandler(record);
        ulong time = 1000;
        for (const quint32 evdev : {30u, 48u, 71u}) {  // A, B, keypad 7
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent event(type, 0, Qt::NoModifier, evdev + 8, 0, 0);
                event.setTimestamp(time += 100);
                QCoreApplication::sendEvent(dialog.windowHandle(), &event);
            }
        }
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        QTest::mouseClick(dialog.m_pStopButton, Qt::LeftButton);
        QVERIFY(dialog.stepCount() >= 6);
        QVERIFY2(g_received.isEmpty(), qPrintable(g_received.join('\n')));
    }
};

QTEST_MAIN(LoggingTest)
#include "tst_logging.moc"
