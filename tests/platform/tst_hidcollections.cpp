// Top-level collections of report descriptors, and the collection number of each entry of an
// enumeration in the way hidapi 0.13/0.14 and 0.15 list them.
#include "hidcollections.h"
#include "sysfsfixture.h"

#include <QtTest>

namespace {

// "page:usage" in hex per collection, "-" for a missing usage.
QString describe(const std::vector<HidUsagePair> &collections)
{
    QStringList parts;
    for (const HidUsagePair &c : collections)
        parts << QString::number(c.page, 16) + ":" + (c.usage < 0 ? QString("-") : QString::number(c.usage, 16));
    return parts.join(' ');
}

std::vector<unsigned char> bytes(const QByteArray &data)
{
    return std::vector<unsigned char>(data.begin(), data.end());
}

} // namespace

class HidCollectionsTest : public QObject {
    Q_OBJECT

private slots:
    void topLevel_data()
    {
        QTest::addColumn<QByteArray>("descriptor");
        QTest::addColumn<QString>("collections");
        QTest::newRow("mouse with a nested Physical collection") << kMouseDescriptor << "1:2";
        QTest::newRow("receiver interface, four collections") << kReceiverDescriptor << "c:1 1:80 ff00:1 1:0";
        QTest::newRow("vendor collection") << QByteArray::fromHex("0600ff0901a1018506150026ff00750895200901810209019102c0")
                                           << "ff00:1";
        QTest::newRow("long items are skipped")
            << QByteArray::fromHex("05010902a101fe0310aabbcc0901a100c0c0fe0000050c0901a101c0") << "1:2 c:1";
        QTest::newRow("4-byte usage carries its page") << QByteArray::fromHex("05010b01000c00a101c00902a101c0")
                                                       << "c:1 1:2";
        QTest::newRow("usage page pushed and popped")
            << QByteArray::fromHex("0501a4050c0901a101c0b40902a101c0") << "c:1 1:2";
        QTest::newRow("collection without usage still counts") << QByteArray::fromHex("0501a101c00902a101c0")
                                                               << "1:- 1:2";
        QTest::newRow("stray end collections") << QByteArray::fromHex("c0c005010902a101c0c00900a101c0")
                                               << "1:2 1:0";
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("cut inside an item after a collection") << kMouseDescriptor.left(13) << "1:2";
        QTest::newRow("cut inside a usage page") << QByteArray::fromHex("0600") << "";
        QTest::newRow("collection item without its data") << QByteArray::fromHex("05010902a1") << "";
        QTest::newRow("long item past the end") << QByteArray::fromHex("05010902a101c0fe1001aa") << "1:2";
        QTest::newRow("garbage") << QByteArray::fromHex("ffffffffff03fe") << "";
    }

    void topLevel()
    {
        QFETCH(QByteArray, descriptor);
        QFETCH(QString, collections);
        QCOMPARE(describe(TopLevelCollections(bytes(descriptor))), collections);
    }

    // Every cut of a descriptor stays inside it and gives a prefix of the whole result.
    void everyCutIsSafe()
    {
        const std::vector<HidUsagePair> whole = TopLevelCollections(bytes(kReceiverDescriptor));
        for (int n = 0; n <= kReceiverDescriptor.size(); ++n) {
            const std::vector<HidUsagePair> part = TopLevelCollections(bytes(kReceiverDescriptor.left(n)));
            QVERIFY(part.size() <= whole.size());
            QVERIFY(std::equal(part.begin(), part.end(), whole.begin()));
        }
    }

    // hidapi lists "/dev/hidrawN" once per collection; the number is the entry's place among
    // the top-level ones, whatever nested entries come before it.
    void enumerationNumbers_data()
    {
        QTest::addColumn<bool>("nestedListed");
        QTest::newRow("every collection (hidapi 0.13, 0.14)") << true;
        QTest::newRow("top-level only (hidapi 0.15)") << false;
    }

    void enumerationNumbers()
    {
        QFETCH(bool, nestedListed);
        SysfsFixture sysfs;
        sysfs.addNode("hidraw2", kMouseDescriptor);
        sysfs.addNode("hidraw3", kReceiverDescriptor);
        std::vector<HidEnumerationEntry> entries = {{"/dev/hidraw2", 1, 2}};
        std::vector<int> expected = {1};
        if (nestedListed) {
            entries.push_back({"/dev/hidraw2", 1, 1});
            expected.push_back(0);
        }
        entries.push_back({"/dev/hidraw3", 0x0C, 1});
        expected.push_back(1);
        if (nestedListed) {
            entries.push_back({"/dev/hidraw3", 1, 1});
            expected.push_back(0);
        }
        entries.insert(entries.end(), {{"/dev/hidraw3", 1, 0x80}, {"/dev/hidraw3", 0xFF00, 1}, {"/dev/hidraw3", 1, 0},
                                       {"/dev/hidraw9", 1, 2}});  // no descriptor: gone
        expected.insert(expected.end(), {2, 3, 4, 0});
        QCOMPARE(HidCollectionNumbers(entries), expected);
    }

    void nodeCollections()
    {
        SysfsFixture sysfs;
        sysfs.addNode("hidraw2", kMouseDescriptor);
        sysfs.addNode("hidraw3", kReceiverDescriptor);
        sysfs.addNode("hidraw4", QByteArray::fromHex("0501a101c00902a101c0"));
        QCOMPARE(NodeCollectionNumbers("/dev/hidraw2"), std::vector<int>({1}));
        QCOMPARE(NodeCollectionNumbers("/dev/hidraw3"), std::vector<int>({1, 2, 3, 4}));
        QCOMPARE(NodeCollectionNumbers("/dev/hidraw4"), std::vector<int>({2}));  // hidapi lists no usage-less one
        QCOMPARE(NodeCollectionNumbers("/dev/hidraw9"), std::vector<int>());
        QCOMPARE(ReadReportDescriptor("/dev/hidraw3"), bytes(kReceiverDescriptor));
        QVERIFY(ReadReportDescriptor("/dev/..").empty());
        QVERIFY(ReadReportDescriptor("/dev/").empty());
    }

    void windowsPaths()
    {
        QCOMPARE(CollectionNumberInPath("\\\\?\\hid#vid_248a&pid_fa02&mi_01&col04#8&2c0a2f3&0&0003#{4d1e55b2}"), 4);
        QCOMPARE(CollectionNumberInPath("\\\\?\\HID#VID_248A&PID_FA02&MI_01&Col12#x"), 12);
        QCOMPARE(CollectionNumberInPath("\\\\?\\hid#vid_248a&pid_fa02&mi_00#8&1"), 0);
        QCOMPARE(CollectionNumberInPath("/dev/hidraw3"), 0);
    }
};

QTEST_GUILESS_MAIN(HidCollectionsTest)
#include "tst_hidcollections.moc"
