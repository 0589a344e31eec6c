// The device link's operations that the program does not use: what they ask of the mouse.
#include "downloadfixture.h"
#include "unusedops.h"

#include <QtTest>

namespace {

QList<QByteArray> callsOf(SimCall call)
{
    QList<QByteArray> bytes;
    for (const SimLogEntry &entry : SimLog()) {
        if (entry.call == call)
            bytes << entry.bytes;
    }
    return bytes;
}

QByteArray hex(const char *text) { return QByteArray::fromHex(text); }

} // namespace

class UnusedOpsTest : public QObject {
    Q_OBJECT
    QScopedPointer<DownloadFixture> m_fixture;

private slots:
    // The debug lines these tests wait for are off unless their category is on.
    void initTestCase() { QLoggingCategory::setFilterRules("veskaro.device.debug=true"); }

    // The feature queries use the cable's mouse collection.
    void init()
    {
        m_fixture.reset(new DownloadFixture);
        SimPlugCable();
        EnumerateDevices();
        OpenDeviceByName("Test Mouse");
        QVERIFY(WiredMouseHandle.load());
        SimClearLog();
        g_downloadConfig = DeviceConfig();
    }
    void cleanup() { m_fixture.reset(); }

    void queryRequests()
    {
        QCOMPARE(QueryProfile(), 1);
        quint8 bytes[4];
        QCOMPARE(QuerySingleButton(2, 3, bytes), 1);
        QCOMPARE(QueryPollRate(), 1);
        const QList<QByteArray> sent = callsOf(SimCall::SendFeature);
        QCOMPARE(sent.size(), 3);
        QCOMPARE(sent[0], hex("0500fa412c0001").leftJustified(33, '\0'));
        const quint16 button = quint16(OldProfileBaseAddress(2) + 0x40 + 4 * 3);
        QCOMPARE(sent[1], (hex("fa41") + char(button & 0xFF) + char(button >> 8) + char(4)).leftJustified(33, '\0'));
        QCOMPARE(sent[2], hex("fa4132000a").leftJustified(33, '\0'));
        QCOMPARE(callsOf(SimCall::GetFeature).size(), 3);
    }

    void noCableNoQuery()
    {
        CloseDevice();
        QTest::ignoreMessage(QtDebugMsg, "QueryPollRate Unable to send a feature report.\n");
        QCOMPARE(QueryPollRate(), 0);
    }

    // Report rates at even offsets, the commit of group 8; the query reads them back.
    void pollRatesWrittenAndRead()
    {
        for (int p = 0; p < kProfileCount; ++p)
            g_downloadConfig.profiles[p].pollrate = quint8(1 << (p % 4));
        QCOMPARE(WritePollRates(true), 0);
        const QList<QByteArray> written = callsOf(SimCall::Write);
        QCOMPARE(written.size(), 2);
        QCOMPARE(written[0].mid(2, 16), hex("fa4232000a00010002000400080001"  "00"));
        QCOMPARE(written[1].mid(2, 6), hex("fa40f3080000"));
        g_downloadConfig = DeviceConfig();
        QCOMPARE(QueryPollRate(), 1);
        QCOMPARE(g_downloadConfig.profiles[3].pollrate, quint8(8));
    }

    // A stage index past the eight stages, as a file may hold it, goes as the last stage.
    void currentStagesHeldInTheTable()
    {
        for (int p = 0; p < kProfileCount; ++p)
            g_downloadConfig.profiles[p].dpi = quint8(p == 2 ? 9 : p);
        QCOMPARE(WriteCurrentStages(false), 0);
        const QList<QByteArray> written = callsOf(SimCall::Write);
        QCOMPARE(written.size(), kProfileCount);
        for (int p = 0; p < kProfileCount; ++p)
            QCOMPARE(int(quint8(written[p][kDataOffset])), p == 2 ? 7 : p);
    }

    // Model PELTRIX keeps buttons 3, 4 and 5 at offsets 20, 12 and 16.
    void peltrixButtonOffsets_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QList<int>>("offsets");
        QTest::newRow("other model") << "Other" << QList<int>{12, 16, 20};
        QTest::newRow("PELTRIX") << "PELTRIX" << QList<int>{20, 12, 16};
    }
    void peltrixButtonOffsets()
    {
        QFETCH(QString, model);
        QFETCH(QList<int>, offsets);
        SetCurrentProductName(model);
        QCOMPARE(WriteButtonsOld(1), 0);
        const QList<QByteArray> written = callsOf(SimCall::Write);
        QCOMPARE(written.size(), kFixtureButtons);
        for (int i = 0; i < 3; ++i) {
            const int address = quint8(written[3 + i][4]) | (quint8(written[3 + i][5]) << 8);
            QCOMPARE(address - OldProfileBaseAddress(1) - 0x40, offsets[i]);
            QCOMPARE(quint8(written[3 + i][3]), quint8(0x42));
        }
    }

    void functionTableLookups()
    {
        quint8 bytes[4];
        QVERIFY(FunctionCodeBytes(200, bytes));
        QCOMPARE(QByteArray(reinterpret_cast<char *>(bytes), 4), hex("91000000"));
        QVERIFY(!FunctionCodeBytes(999, bytes));
        QCOMPARE(QByteArray(reinterpret_cast<char *>(bytes), 4), hex("00000000"));
        QCOMPARE(FunctionCodeOfFirstByte(0x9D), 510);
        QCOMPARE(FunctionCodeOfFirstByte(0x77), 0);
        QCOMPARE(FunctionCodeOfThirdByte(0x23), 31);
        QCOMPARE(FunctionCodeOfFourthByte(0x01), 38);  // the first row whose fourth byte is 1
    }
};

QTEST_GUILESS_MAIN(UnusedOpsTest)
#include "tst_unusedops.moc"
