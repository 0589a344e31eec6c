// Key codes: HID usage mapping and display names.
#include "keycodes.h"

#include <QSet>
#include <QtTest>

class KeyCodesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        g_frenchLangIndex = -1;
        g_langId = 0;
    }

    void tableHoldsEveryKeyboardCodeAndUsageOnce()
    {
        QSet<int> expectedCodes;
        for (int code = 1; code <= 83; ++code)
            expectedCodes << code;
        for (int code : {87, 88, 91, 92, 93})
            expectedCodes << code;
        for (int code = 224; code <= 239; ++code)
            expectedCodes << code;
        QSet<int> codes;
        QSet<int> usages;
        for (const KeyUsageRow &row : KeyUsageTable) {
            QVERIFY2(!codes.contains(row.keyCode), qPrintable(QString::number(row.keyCode)));
            QVERIFY2(!usages.contains(row.usage), qPrintable(QString::number(row.usage)));
            codes << row.keyCode;
            usages << row.usage;
        }
        QCOMPARE(codes, expectedCodes);
        QVERIFY(!usages.contains(50));
        QVERIFY(!usages.contains(100));
    }

    void keyCodeToHidUsage_data()
    {
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("usage");
        QTest::newRow("left button") << 240 << false << -7;
        QTest::newRow("right button") << 241 << false << -7;
        QTest::newRow("middle button") << 242 << false << -7;
        QTest::newRow("none 0") << 0 << false << -7;
        QTest::newRow("unused 84") << 84 << false << -7;
        QTest::newRow("unused 89") << 89 << false << -7;
        QTest::newRow("beyond 255") << 256 + 30 << false << -7;
        QTest::newRow("A") << 30 << true << 4;
        QTest::newRow("Z") << 44 << true << 29;
        QTest::newRow("Q") << 16 << true << 20;
        QTest::newRow("0") << 11 << true << 39;
        QTest::newRow("Space") << 57 << true << 44;
        QTest::newRow("grave") << 41 << true << 53;
        QTest::newRow("F11") << 87 << true << 68;
        QTest::newRow("F12") << 88 << true << 69;
        QTest::newRow("Print Screen") << 55 << true << 70;
        QTest::newRow("Pause") << 69 << true << 72;
        QTest::newRow("Home") << 71 << true << 74;
        QTest::newRow("Up") << 72 << true << 82;
        QTest::newRow("Delete") << 83 << true << 76;
        QTest::newRow("keypad 5") << 76 << true << 93;
        QTest::newRow("keypad 9") << 228 << true << 97;
        QTest::newRow("keypad 0") << 237 << true << 98;
        QTest::newRow("keypad Del") << 224 << true << 99;
        QTest::newRow("keypad Enter") << 229 << true << 88;
        QTest::newRow("menu") << 93 << true << 101;
        QTest::newRow("left Ctrl") << 29 << true << 224;
        QTest::newRow("left Windows") << 91 << true << 227;
        QTest::newRow("right Ctrl") << 238 << true << 228;
        QTest::newRow("right Shift") << 54 << true << 229;
        QTest::newRow("right Alt") << 239 << true << 230;
        QTest::newRow("right Windows") << 92 << true << 231;
    }

    void keyCodeToHidUsage()
    {
        QFETCH(int, keyCode);
        QFETCH(bool, found);
        QFETCH(int, usage);
        int got = -7;  // stays when nothing is found
        QCOMPARE(KeyCodeToHidUsage(keyCode, got), found);
        QCOMPARE(got, usage);
    }

    void hidUsageToKeyCode_data()
    {
        QTest::addColumn<int>("usage");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("keyCode");
        QTest::newRow("non-US 50") << 50 << false << -7;
        QTest::newRow("non-US 100") << 100 << false << -7;
        QTest::newRow("none 0") << 0 << false << -7;
        QTest::newRow("beyond 231") << 232 << false << -7;
        QTest::newRow("Num Lock") << 83 << true << 225;
        QTest::newRow("A") << 4 << true << 30;
        QTest::newRow("Enter") << 40 << true << 28;
        QTest::newRow("Right") << 79 << true << 77;
        QTest::newRow("keypad 1") << 89 << true << 230;
        QTest::newRow("right Windows") << 231 << true << 92;
    }

    void hidUsageToKeyCode()
    {
        QFETCH(int, usage);
        QFETCH(bool, found);
        QFETCH(int, keyCode);
        int got = -7;
        QCOMPARE(HidUsageToKeyCode(usage, got), found);
        QCOMPARE(got, keyCode);
    }

    // Every key, by its usage on the keyboard page: the key code each usage from the first
    // one of a run on belongs to.
    void everyKeyMapsBothWays()
    {
        const QList<QPair<int, QList<int>>> runs = {
            {4, {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50, 49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44}},
            {30, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
            {40, {28, 1, 14, 15, 57, 12, 13, 26, 27, 43}},
            {51, {39, 40, 41, 51, 52, 53, 58}},
            {58, {59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 87, 88}},
            {70, {55, 70, 69, 82, 71, 73, 83, 79, 81, 77, 75, 80, 72}},
            {83, {225, 226, 227, 74, 78, 229, 230, 231, 232, 233, 76, 234, 235, 236, 228, 237, 224}},
            {101, {93}},
            {224, {29, 42, 56, 91, 238, 54, 239, 92}},
        };
        for (const auto &run : runs) {
            for (int i = 0; i < run.second.size(); ++i) {
                const int usage = run.first + i;
                const int keyCode = run.second[i];
                int gotUsage = 0;
                int gotCode = 0;
                QVERIFY(KeyCodeToHidUsage(keyCode, gotUsage));
                QCOMPARE(gotUsage, usage);
                QVERIFY(HidUsageToKeyCode(usage, gotCode));
                QCOMPARE(gotCode, keyCode);
            }
        }
    }

    void keyCodeToName_data()
    {
        QTest::addColumn<int>("frenchIndex");
        QTest::addColumn<int>("langId");
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<QString>("name");
        // English: no French language, or another language than the French one.
        QTest::newRow("en none 0") << -1 << 0 << 0 << QString();
        QTest::newRow("en unused 84") << -1 << 0 << 84 << QString();
        QTest::newRow("en unused 90") << -1 << 0 << 90 << QString();
        QTest::newRow("en unused 100") << -1 << 0 << 100 << QString();
        QTest::newRow("en past mouse 243") << -1 << 0 << 243 << QString();
        QTest::newRow("en negative") << -1 << 0 << -1 << QString();
        QTest::newRow("en Q") << -1 << 0 << 16 << "Q";
        QTest::newRow("en A") << -1 << 0 << 30 << "A";
        QTest::newRow("en A any lang") << -1 << 3 << 30 << "A";
        QTest::newRow("en Esc") << -1 << 0 << 1 << "Esc";
        QTest::newRow("en 0") << -1 << 0 << 11 << "0";
        QTest::newRow("en LCtr") << -1 << 0 << 29 << "LCtr";
        QTest::newRow("en grave") << -1 << 0 << 41 << "`";
        QTest::newRow("en backslash") << -1 << 0 << 43 << "\\";
        QTest::newRow("en M") << -1 << 0 << 50 << "M";
        QTest::newRow("en F10") << -1 << 0 << 68 << "F10";
        QTest::newRow("en F11") << -1 << 0 << 87 << "F11";
        QTest::newRow("en App") << -1 << 0 << 93 << "App";
        QTest::newRow("en Num De") << -1 << 0 << 224 << "Num De";
        QTest::newRow("en Num 0") << -1 << 0 << 237 << "Num 0";
        QTest::newRow("en RCtr") << -1 << 0 << 238 << "RCtr";
        QTest::newRow("en RAlt") << -1 << 0 << 239 << "RAlt";
        QTest::newRow("en Left Button") << -1 << 0 << 240 << "Left Button";
        QTest::newRow("en Middle Button") << -1 << 0 << 242 << "Middle Button";
        QTest::newRow("en other language") << 2 << 1 << 16 << "Q";
        // French: the French index is the current language.
        QTest::newRow("fr a") << 2 << 2 << 16 << "a";
        QTest::newRow("fr q") << 2 << 2 << 30 << "q";
        QTest::newRow("fr Echap") << 2 << 2 << 1 << "Echap";
        QTest::newRow("fr e acute") << 2 << 2 << 3 << QString::fromUtf8("\xc3\xa9");
        QTest::newRow("fr quote") << 2 << 2 << 4 << "\"";
        QTest::newRow("fr a grave") << 2 << 2 << 11 << QString::fromUtf8("\xc3\xa0");
        QTest::newRow("fr m") << 2 << 2 << 39 << "m";
        QTest::newRow("fr u grave") << 2 << 2 << 40 << QString::fromUtf8("\xc3\xb9");
        QTest::newRow("fr squared") << 2 << 2 << 41 << QString::fromUtf8("\xc2\xb2");
        QTest::newRow("fr comma at 50") << 2 << 2 << 50 << ",";
        QTest::newRow("fr colon") << 2 << 2 << 52 << ":";
        QTest::newRow("fr espace") << 2 << 2 << 57 << "espace";
        QTest::newRow("fr LCtrl") << 2 << 2 << 29 << "LCtrl";
        QTest::newRow("fr Num Del") << 2 << 2 << 224 << "Num Del";
        QTest::newRow("fr RCtrl") << 2 << 2 << 238 << "RCtrl";
        QTest::newRow("fr same =") << 2 << 2 << 13 << "=";
        QTest::newRow("fr same LShift") << 2 << 2 << 42 << "LShift";
        QTest::newRow("fr same F1") << 2 << 2 << 59 << "F1";
        QTest::newRow("fr same RAlt") << 2 << 2 << 239 << "RAlt";
        QTest::newRow("fr none 84") << 2 << 2 << 84 << QString();
        QTest::newRow("fr index 0") << 0 << 0 << 16 << "a";
    }

    void keyCodeToName()
    {
        QFETCH(int, frenchIndex);
        QFETCH(int, langId);
        QFETCH(int, keyCode);
        QFETCH(QString, name);
        g_frenchLangIndex = frenchIndex;
        g_langId = langId;
        QCOMPARE(KeyCodeToName(keyCode), name);
    }

    void languageChangeTakesEffectAtNextLookup()
    {
        g_frenchLangIndex = 1;
        g_langId = 0;
        QCOMPARE(KeyCodeToName(16), QString("Q"));
        g_langId = 1;
        QCOMPARE(KeyCodeToName(16), QString("a"));
    }

    void keyComboToName_data()
    {
        QTest::addColumn<QList<int>>("usages");
        QTest::addColumn<QString>("text");
        // usages: A 4, C 6, left Ctrl 224, left Shift 225, left Alt 226, left Win 227,
        // right Ctrl 228, right Shift 229, right Alt 230.
        QTest::newRow("empty") << QList<int>{0, 0, 0, 0, 0} << QString();
        QTest::newRow("single key") << QList<int>{4, 0, 0, 0, 0} << "A";
        QTest::newRow("order fixed") << QList<int>{6, 226, 227, 224, 225} << "LShift + LCtr + LWindows + LAlt + C";
        QTest::newRow("last main key wins") << QList<int>{4, 6, 0, 0, 0} << "C";
        QTest::newRow("right only") << QList<int>{228, 4, 0, 0, 0} << "RCtr + A";
        QTest::newRow("both sides") << QList<int>{228, 224, 229, 4, 0} << "RShift + LCtr + A";
        QTest::newRow("right Alt") << QList<int>{230, 0, 0, 0, 0} << "RAlt";
        QTest::newRow("gap skipped") << QList<int>{224, 0, 0, 0, 6} << "LCtr + C";
    }

    void keyComboToName()
    {
        QFETCH(QList<int>, usages);
        QFETCH(QString, text);
        KeyInfo entries[kComboKeyEntries];
        for (int i = 0; i < kComboKeyEntries; ++i)
            entries[i].map = quint8(usages.at(i));
        QCOMPARE(KeyComboToName(entries), text);
    }
};

QTEST_APPLESS_MAIN(KeyCodesTest)
#include "tst_keycodes.moc"
