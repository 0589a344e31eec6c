// The editor's step rules as tables: recording, loading, release check, painted texts, the
// command tree's inserts and the names of new macros.
#include "macrofixture.h"
#include "macrosteps.h"

#include <QtTest>

Q_DECLARE_METATYPE(QVector<MacroStep>)

namespace {

QString describe(const QVector<MacroStep> &steps)
{
    QStringList parts;
    for (const MacroStep &s : steps)
        parts << QString("%1,%2,%3").arg(s.type).arg(s.dataH).arg(s.dataL);
    return parts.join(" ");
}

// One key event: evdev-free set-1 code, flags as captured, time in ms.
struct Event {
    quint32 scan;
    quint32 flags;
    qint64 time;
    bool rightAlt = false;
};

} // namespace

class MacroStepsTest : public QObject {
    Q_OBJECT
    MacroFixture m_fixture;

private slots:
    void recorder_data()
    {
        QTest::addColumn<int>("delayType");
        QTest::addColumn<int>("defaultDelay");
        QTest::addColumn<QVector<int>>("events");  // scan, flags, time, rightAlt ...
        QTest::addColumn<QString>("rows");
        // A press, auto-repeated presses dropped, the release after 1000 ms: count 100.
        QTest::newRow("held key") << 1 << 0 << QVector<int>{30, 0, 0, 0, 30, 0, 500, 0, 30, 0x80, 1000, 0}
                                  << "132,0,4 6,0,100 4,0,4";
        QTest::newRow("gaps 0 7 25 3000")
            << 1 << 0 << QVector<int>{30, 0, 0, 0, 30, 0x80, 0, 0, 48, 0, 7, 0, 48, 0x80, 32, 0, 46, 0, 3032, 0}
            << "132,0,4 6,0,1 4,0,4 6,0,1 132,0,5 6,0,2 4,0,5 6,1,44 132,0,6";
        QTest::newRow("700 s pause is capped")
            << 1 << 0 << QVector<int>{30, 0, 0, 0, 30, 0x80, 700000, 0} << "132,0,4 6,255,255 4,0,4";
        QTest::newRow("default delay 25") << 2 << 25 << QVector<int>{30, 0, 0, 0, 30, 0x80, 900, 0}
                                          << "132,0,4 6,0,2 4,0,4";
        QTest::newRow("default delay 5") << 2 << 5 << QVector<int>{30, 0, 0, 0, 30, 0x80, 900, 0}
                                         << "132,0,4 6,0,0 4,0,4";
        QTest::newRow("no delays") << 0 << 0 << QVector<int>{30, 0, 0, 0, 30, 0x80, 900, 0} << "132,0,4 4,0,4";
        // Keypad 7 (plain 71) is code 235, usage 0x5F; grey Home (71 extended) stays 71, usage 0x4A.
        QTest::newRow("keypad 7 and grey Home")
            << 0 << 0 << QVector<int>{71, 0, 0, 0, 71, 0x80, 1, 0, 71, 1, 2, 0, 71, 0x81, 3, 0}
            << "132,0,95 4,0,95 132,0,74 4,0,74";
        // Under Alt the press and the release both stay keypad 7.
        QTest::newRow("Alt + keypad 7") << 0 << 0 << QVector<int>{71, 0x20, 0, 0, 71, 0xA0, 1, 0}
                                        << "132,0,95 4,0,95";
        // Right Alt (56 extended, VK_RMENU) is 239 both ways; left Alt is 56.
        QTest::newRow("right and left Alt")
            << 0 << 0 << QVector<int>{56, 0x21, 0, 1, 56, 0x81, 1, 1, 56, 0x20, 2, 0, 56, 0x80, 3, 0}
            << "132,0,230 4,0,230 132,0,226 4,0,226";
        // Scan 84 has no key-table row: nothing is recorded.
        QTest::newRow("key without usage") << 0 << 0 << QVector<int>{84, 0, 0, 0, 84, 0x80, 1, 0} << "";
    }
    void recorder()
    {
        QFETCH(int, delayType);
        QFETCH(int, defaultDelay);
        QFETCH(QVector<int>, events);
        MacroRecorder recorder;
        recorder.start();
        QVector<MacroStep> rows;
        for (int i = 0; i + 3 < events.size() + 0; i += 4) {
            quint32 flags = quint32(events[i + 1]);
            const quint32 code = RecorderKeyCode(quint32(events[i]), flags, events[i + 3] != 0);
            rows += recorder.onKey(code, flags, events[i + 2], rows.size(), delayType, 10, defaultDelay);
        }
        QTEST(describe(rows), "rows");
    }

    void recorderRowLimits_data()
    {
        QTest::addColumn<int>("delayType");
        QTest::addColumn<int>("rows");
        QTest::newRow("without delays") << 0 << 40;
        QTest::newRow("with delays") << 1 << 63;
    }
    void recorderRowLimits()
    {
        QFETCH(int, delayType);
        MacroRecorder recorder;
        recorder.start();
        int rows = 0;
        for (int i = 0; i < 100; ++i)
            rows += recorder.onKey(30, i % 2 ? 0x80 : 0, i * 20, rows, delayType, 10, 0).size();
        QTEST(rows, "rows");
    }

    void delayCount()
    {
        QCOMPARE(DelayCountFor(95, 10), 9);
        QCOMPARE(DelayCountFor(3000, 10), 300);
        QCOMPARE(DelayCountFor(700000, 10), 65535);
        QCOMPARE(DelayCountFor(100, 0), 10);  // a unit of 0 falls back to 10 ms
    }

    void loadRules_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("l");
        QTest::addColumn<QString>("row");
        QTest::newRow("file press") << 1 << 0 << 4 << "129,0,4";
        QTest::newRow("file release") << 129 << 5 << 16 << "1,0,16";
        QTest::newRow("no single button") << 129 << 0 << 3 << "";
        QTest::newRow("left 56") << 2 << 0 << 200 << "2,0,200";
        QTest::newRow("down 120") << 2 << 120 << 0 << "2,120,0";
        QTest::newRow("up 135") << 130 << 121 << 0 << "2,121,0";
        QTest::newRow("both axes") << 2 << 3 << 4 << "2,0,0";
        QTest::newRow("delay 134") << 134 << 1 << 44 << "6,1,44";
        QTest::newRow("key release keeps no H") << 4 << 7 << 4 << "4,0,4";
        QTest::newRow("key press") << 132 << 0 << 4 << "132,0,4";
        QTest::newRow("unknown") << 9 << 0 << 0 << "";
    }
    void loadRules()
    {
        QFETCH(int, type);
        QFETCH(int, h);
        QFETCH(int, l);
        MacroStep row;
        const bool kept = TableRowFromFileStep({quint8(type), quint8(h), quint8(l)}, row);
        QTEST(kept ? describe({row}) : QString(), "row");
    }

    void moves()
    {
        QCOMPARE(describe({MoveStep(kMoveUp, 5)}), QString("2,251,0"));
        QCOMPARE(describe({MoveStep(kMoveLeft, 0)}), QString("2,0,0"));
        QCOMPARE(DecodeMove(251, 0).direction, int(kMoveUp));
        QCOMPARE(DecodeMove(251, 0).distance, 5);
        QCOMPARE(DecodeMove(0, 0).direction, int(kMoveDown));
        QCOMPARE(describe({ButtonStep(2, false), ButtonStep(1, true), ButtonStep(5, false)}),
                 QString("129,0,2 1,0,4 0,0,0"));
    }

    void keysReleased()
    {
        QVERIFY(KeysReleased({}));
        QVERIFY(KeysReleased({{132, 0, 4}, {6, 0, 1}, {4, 0, 4}, {129, 0, 1}, {1, 0, 1}}));
        QVERIFY(!KeysReleased({{132, 0, 4}, {132, 0, 5}, {4, 0, 4}}));
        QVERIFY(!KeysReleased({{132, 0, 4}, {4, 0, 5}}));
    }

    void paintedTexts_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("l");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("icon");
        QTest::newRow("delay key") << 0 << "6" << 1 << 44 << "" << "/skin/delay.png";
        QTest::newRow("delay action") << 1 << "6" << 1 << 44 << "" << "";
        QTest::newRow("delay ms") << 2 << "6" << 1 << 44 << "3000" << "";
        QTest::newRow("key name") << 0 << "132" << 0 << 4 << "A" << "/skin/keybo.png";
        QTest::newRow("press") << 1 << "129" << 0 << 4 << "Press" << "/skin/keydown.png";
        QTest::newRow("release") << 1 << "1" << 0 << 4 << "Release" << "/skin/keyup.png";
        QTest::newRow("middle click") << 0 << "129" << 0 << 4 << "MIDDLE CLICK" << "/skin/mouse_move.png";
        QTest::newRow("move up") << 0 << "2" << 251 << 0 << "MOVE UP" << "/skin/mouse_move.png";
        QTest::newRow("move up 5") << 1 << "2" << 251 << 0 << "5" << "";
        QTest::newRow("move down 0") << 0 << "2" << 0 << 0 << "MOVE DOWN" << "/skin/mouse_move.png";
        QTest::newRow("empty row") << 0 << "" << 0 << 0 << "driverText" << "/skin/keybo.png";
        QTest::newRow("empty row action") << 1 << "" << 0 << 0 << "" << "";
        QTest::newRow("no delay outside delays") << 2 << "132" << 0 << 4 << "" << "";
    }
    void paintedTexts()
    {
        QFETCH(int, column);
        QFETCH(QString, type);
        QFETCH(int, h);
        QFETCH(int, l);
        const QString cellText = column == 0 ? type : QString::number(column == 1 ? h : l);
        const StepCellPaint cell = StepCell(column, type, type.isEmpty() ? QString() : cellText, h, l, 10);
        QTEST(cell.text, "text");
        QTEST(cell.icon, "icon");
    }

    void treeButtonSteps_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("click");
        QTest::addColumn<int>("delayType");
        QTest::addColumn<int>("defaultDelay");
        QTest::addColumn<int>("minDelay");
        QTest::addColumn<QString>("steps");
        QTest::newRow("left, no delays") << 0 << int(kClickPressRelease) << 0 << 500 << 10 << "129,0,1 1,0,1";
        QTest::newRow("right, recorded delays")
            << 2 << int(kClickPressRelease) << 1 << 500 << 10 << "129,0,2 6,0,1 1,0,2 6,0,1";
        QTest::newRow("middle press down, default 250") << 1 << int(kClickPress) << 2 << 250 << 10 << "129,0,4 6,0,25";
        QTest::newRow("backward bounce up, default 3000")
            << 4 << int(kClickRelease) << 2 << 3000 << 10 << "1,0,16 6,1,44";
        QTest::newRow("recorded 10 ms in a 20 ms unit") << 0 << int(kClickPress) << 1 << 0 << 20 << "129,0,1 6,0,0";
        QTest::newRow("other delay type adds none") << 3 << int(kClickPressRelease) << 3 << 500 << 10 << "129,0,8 1,0,8";
    }
    void treeButtonSteps()
    {
        QFETCH(int, button);
        QFETCH(int, click);
        QFETCH(int, delayType);
        QFETCH(int, defaultDelay);
        QFETCH(int, minDelay);
        QTEST(describe(TreeButtonSteps(button, ButtonClick(click), delayType, defaultDelay, minDelay)), "steps");
    }

    void treeMoveSteps_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("distance");
        QTest::addColumn<int>("delayType");
        QTest::addColumn<int>("defaultDelay");
        QTest::addColumn<QString>("steps");
        QTest::newRow("left 5, no delays") << int(kMoveLeft) << 5 << 0 << 500 << "2,0,251";
        QTest::newRow("down 120, recorded delays") << int(kMoveDown) << 120 << 1 << 500 << "2,120,0 6,0,1";
        QTest::newRow("up 7, default 95") << int(kMoveUp) << 7 << 2 << 95 << "2,249,0 6,0,9";
        QTest::newRow("other delay type inserts nothing") << int(kMoveRight) << 3 << 5 << 500 << "";
    }
    void treeMoveSteps()
    {
        QFETCH(int, direction);
        QFETCH(int, distance);
        QFETCH(int, delayType);
        QFETCH(int, defaultDelay);
        QTEST(describe(TreeMoveSteps(direction, distance, delayType, defaultDelay, 10)), "steps");
    }

    void numberedNames_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("name");
        QTest::newRow("free") << "gun" << QStringList{"gun_2"} << "gun";
        QTest::newRow("taken") << "gun" << QStringList{"gun"} << "gun_2";
        QTest::newRow("numbers taken too") << "gun" << QStringList{"gun", "gun_2", "gun_3"} << "gun_4";
        QTest::newRow("a numbered name numbered again") << "gun_2" << QStringList{"gun_2"} << "gun_2_2";
    }
    void numberedNames()
    {
        QFETCH(QString, base);
        QFETCH(QStringList, taken);
        QTEST(NumberedName(base, [&taken](const QString &name) { return taken.contains(name); }), "name");
    }

    void newMacroNames()
    {
        auto newName = [](const QStringList &taken) {
            return NewMacroName([&taken](const QString &name) { return taken.contains(name); });
        };
        QCOMPARE(newName({}), QString("name_1"));
        QCOMPARE(newName({"name_1", "name_2"}), QString("name_3"));
        QCOMPARE(newName({"name_2"}), QString("name_1"));
    }
};

QTEST_MAIN(MacroStepsTest)
#include "tst_macrosteps.moc"
