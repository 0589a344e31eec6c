// The command report and its transport: checksum, echo comparison, and the writes, reads
// and result of SendCommand for each fault of the mouse.
#include "devicefixture.h"

#include <QtTest>

namespace {

QByteArray bytesOf(const CommandReport &report)
{
    return QByteArray(reinterpret_cast<const char *>(report.bytes), kCommandReportSize);
}

enum class Setup {
    None,
    Silent,
    ZeroReplies,
    FirstWriteFails,
    SecondWriteFails,
    ReadErrors,
    OneReadError,
    FlippedData,
    FlippedOnce,
    WrongHeader,
    WrongHeaderOnce,
    LateEcho,
    StatusInsideEcho,
    Unplugged,
};

void apply(Setup setup)
{
    switch (setup) {
    case Setup::None:
        break;
    case Setup::Silent:
        SimSetFault(SimFault::Silence);
        break;
    case Setup::ZeroReplies:
        SimSetFault(SimFault::ZeroReply);
        break;
    case Setup::FirstWriteFails:
        SimSetFault(SimFault::WriteFails, 0, 1);
        break;
    case Setup::SecondWriteFails:
        SimSetFault(SimFault::FlippedData, 0, 1);
        SimSetFault(SimFault::WriteFails, 1, 1);
        break;
    case Setup::ReadErrors:
        SimSetFault(SimFault::ReadError);
        break;
    case Setup::OneReadError:
        SimSetFault(SimFault::ReadError, 0, 1);
        break;
    case Setup::FlippedData:
        SimSetFault(SimFault::FlippedData);
        break;
    case Setup::FlippedOnce:
        SimSetFault(SimFault::FlippedData, 0, 1);
        break;
    case Setup::WrongHeader:
        SimSetFault(SimFault::WrongHeader);
        break;
    case Setup::WrongHeaderOnce:
        SimSetFault(SimFault::WrongHeader, 0, 1);
        break;
    case Setup::LateEcho:
        SimSetFault(SimFault::LateEcho, 0, 1);
        break;
    case Setup::StatusInsideEcho:
        SimSetFault(SimFault::StatusBeforeEcho, 0, 1);
        break;
    case Setup::Unplugged:
        SimSetFault(SimFault::UnplugOnWrite, 0, 1);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class TransportTest : public QObject {
    Q_OBJECT

private slots:
    void checksum()
    {
        CommandReport query = MakeTestReport(0x48, 0, 0);
        QCOMPARE(int(ReportChecksum(query.bytes)), 0x24);
        query.bytes[kDataOffset] = 0x99;  // data is not covered
        QCOMPARE(int(ReportChecksum(query.bytes)), 0x24);
        CommandReport commit = MakeTestReport(0x40, 0x04F3, 0);
        FillChecksum(commit);
        QCOMPARE(int(commit.bytes[kChecksumOffset]), 0x57);  // 0xFA + 0x40 + 0xF3 + 0x04 = 0x231, 0x31 XOR 0x66
    }

    void echoedCommands()
    {
        for (int c = 0; c <= 0xFF; ++c)
            QCOMPARE(IsEchoedCommand(quint8(c)), c <= 0x0A || c == 0x40 || c == 0x46);
    }

    void compareEcho_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("changedByte");
        QTest::addColumn<bool>("checkData");
        QTest::addColumn<int>("expected");
        QTest::newRow("identical") << 0x01 << 0 << 19 << -1 << true << kEchoEqual;
        QTest::newRow("report id") << 0x01 << 0 << 19 << 0 << true << kEchoHeaderDiffers;
        QTest::newRow("checksum ignored") << 0x01 << 0 << 19 << 1 << true << kEchoEqual;
        QTest::newRow("frame marker") << 0x01 << 0 << 19 << 2 << true << kEchoHeaderDiffers;
        QTest::newRow("command") << 0x01 << 0 << 19 << 3 << true << kEchoHeaderDiffers;
        QTest::newRow("address high") << 0x40 << 0x04F3 << 0 << 5 << false << kEchoHeaderDiffers;
        QTest::newRow("length") << 0x01 << 0 << 19 << 6 << true << kEchoHeaderDiffers;
        QTest::newRow("packet marker ignored") << 0x01 << 0 << 19 << 7 << true << kEchoEqual;
        QTest::newRow("first data byte") << 0x01 << 0 << 19 << 8 << true << kEchoDataDiffers;
        QTest::newRow("last data byte") << 0x01 << 0 << 19 << 8 + 18 << true << kEchoDataDiffers;
        QTest::newRow("past the length") << 0x01 << 0 << 19 << 8 + 19 << true << kEchoEqual;
        QTest::newRow("data unchecked") << 0x46 << 0 << 0 << 20 << false << kEchoEqual;
        QTest::newRow("length 0") << 0x02 << 0 << 0 << 8 << true << kEchoEqual;
    }

    void compareEcho()
    {
        QFETCH(int, command);
        QFETCH(int, address);
        QFETCH(int, length);
        QFETCH(int, changedByte);
        QFETCH(bool, checkData);
        QFETCH(int, expected);
        const CommandReport sent = MakeTestReport(quint8(command), quint16(address), quint8(length), 0xD1);
        CommandReport reply = sent;
        if (changedByte >= 0)
            reply.bytes[changedByte] ^= 0x5A;
        QCOMPARE(CompareEcho(sent.bytes, reply.bytes, checkData), expected);
    }

    // How many writes and reads each fault costs, with the mouse on the receiver.
    void faults_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("reads");
        QTest::newRow("settings echoed") << Setup::None << 0x01 << kSendOk << 1 << 1;
        QTest::newRow("begin echoed") << Setup::None << 0x46 << kSendOk << 1 << 1;
        QTest::newRow("commit echoed") << Setup::None << 0x40 << kSendOk << 1 << 1;
        QTest::newRow("block write not read") << Setup::None << 0x42 << kSendOk << 1 << 0;
        QTest::newRow("select profile not read") << Setup::None << 0x44 << kSendOk << 1 << 0;
        QTest::newRow("battery query not read") << Setup::None << 0x48 << kSendOk << 1 << 0;
        QTest::newRow("silent mouse") << Setup::Silent << 0x01 << kSendNoEcho << 6 << 6;
        QTest::newRow("all-zero replies") << Setup::ZeroReplies << 0x01 << kSendNoEcho << 6 << 6;
        QTest::newRow("first write fails") << Setup::FirstWriteFails << 0x01 << kSendWriteFailed << 1 << 0;
        QTest::newRow("rewrite fails") << Setup::SecondWriteFails << 0x01 << kSendWriteFailed << 2 << 1;
        QTest::newRow("failing write not read") << Setup::FirstWriteFails << 0x42 << kSendWriteFailed << 1 << 0;
        QTest::newRow("read errors") << Setup::ReadErrors << 0x01 << kSendNoEcho << 3 << 32;
        QTest::newRow("one read error") << Setup::OneReadError << 0x01 << kSendOk << 1 << 2;
        QTest::newRow("data flipped") << Setup::FlippedData << 0x01 << kSendNoEcho << 3 << 3;
        QTest::newRow("data flipped once") << Setup::FlippedOnce << 0x01 << kSendOk << 2 << 2;
        QTest::newRow("commit data not compared") << Setup::FlippedData << 0x40 << kSendOk << 1 << 1;
        QTest::newRow("wrong header") << Setup::WrongHeader << 0x01 << kSendNoEcho << 3 << 22;
        QTest::newRow("wrong header once") << Setup::WrongHeaderOnce << 0x01 << kSendOk << 2 << 21;
        QTest::newRow("echo one read late") << Setup::LateEcho << 0x01 << kSendOk << 2 << 2;
        QTest::newRow("status inside echo") << Setup::StatusInsideEcho << 0x02 << kSendOk << 1 << 2;
        QTest::newRow("unplugged") << Setup::Unplugged << 0x03 << kSendWriteFailed << 1 << 0;
    }

    void faults()
    {
        QFETCH(Setup, setup);
        QFETCH(int, command);
        QFETCH(int, result);
        QFETCH(int, writes);
        QFETCH(int, reads);
        DeviceFixture fixture;
        SimSetInstantTimeouts(true);  // counts, not time, are under test
        fixture.start(true, false);
        apply(setup);
        const quint16 address = command == 0x40 ? 0x04F3 : 0;
        const quint8 length = command == 0x40 || command == 0x46 || command == 0x48 ? 0 : 5;
        QCOMPARE(SendCommand(MakeTestReport(quint8(command), address, length, 0xD1), kCommandReportSize), result);
        QCOMPARE(SimWriteCount(), writes);
        QCOMPARE(SimReadCount(), reads);
    }

    void sendsTheReportWithItsChecksum()
    {
        DeviceFixture fixture;
        fixture.start(true, false);
        const CommandReport report = MakeTestReport(0x01, 0x007F, 1, 0xD3);
        const QByteArray before = bytesOf(report);
        QCOMPARE(SendCommand(report, kCommandReportSize), kSendOk);
        QCOMPARE(bytesOf(report), before);  // the caller's copy is not changed
        CommandReport expected = report;
        FillChecksum(expected);
        const QList<SimLogEntry> log = SimLog();
        QCOMPARE(log.first().bytes, bytesOf(expected));
        QCOMPARE(log.last().timeoutMs, kEchoTimeoutMs);
        QCOMPARE(SimClosings(0x01), 1);
    }

    void noHandle()
    {
        DeviceFixture fixture;
        fixture.start(false, false);
        QCOMPARE(SendCommand(MakeTestReport(0x01, 0, 5), kCommandReportSize), kSendNoHandle);
        QCOMPARE(SimWriteCount(), 0);
    }

    // The mouse keeps what it was sent; a reply that is slow still counts.
    void slowMouse()
    {
        DeviceFixture fixture;
        fixture.start(false, true);
        SimSetReplyDelay(40);
        QCOMPARE(SendCommand(MakeTestReport(0x02, 6, 5, 0xD2), kCommandReportSize), kSendOk);
        QCOMPARE(SimReadCount(), 1);
        QCOMPARE(SimDpiStage(1), QByteArray::fromHex("1011121314"));
    }
};

QTEST_GUILESS_MAIN(TransportTest)
#include "tst_transport.moc"
