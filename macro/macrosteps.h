#pragma once
// The macro editor's step rules as plain functions: the step table's codes and how rows
// are built, loaded, recorded, checked and painted, and the names new macros take. No
// widget, file or device here; the editor (macrodialog) and its row painter call these. The
// file format itself lives in store/macrofiles.
//
// The step table numbers mouse-button steps like key steps: 129 press, 1 release (the file
// the other way round, SwapButtonStepType).

#include "macrofiles.h"

#include <QList>
#include <QString>
#include <QVector>

#include <functional>

constexpr int kTableButtonPress = 129;
constexpr int kTableButtonRelease = 1;
constexpr int kMaxDelayCount = 0xFFFF;       // two bytes
constexpr int kFallbackMinDelay = 10;        // ms, when the description gives less than 1
constexpr int kMoveDistanceMax = 120;

enum MoveDirection { kMoveLeft = 0, kMoveRight = 1, kMoveUp = 2, kMoveDown = 3 };
constexpr int kMouseButtonCount = 5;  // 0 LEFT, 1 MIDDLE, 2 RIGHT, 3 FORWARD, 4 BACKWARD

// The delay unit in ms: GetMinDelay(), or 10 when that is below 1.
int EffectiveMinDelay(int minDelay);
// A delay of ms as a count of the unit, at most 65535.
int DelayCountFor(int ms, int minDelay);
MacroStep DelayStep(int count);
// Press (129) or release (1) of button 0..4; a button above 4 gives (0, 0, 0).
MacroStep ButtonStep(int button, bool release);
int ButtonMask(int button);
// (2, H, L) for a direction 0..3 and distance 0..255; another direction gives (2, 0, 0).
MacroStep MoveStep(int direction, int distance);

struct MoveView {
    int direction = kMoveLeft;
    int distance = 0;
};
// How the step editor shows a movement step's bytes.
MoveView DecodeMove(int dataH, int dataL);

// What a click on the command tree inserts for a mouse button: its press and release (the
// button's own row), or only the press or only the release (the row's two children).
enum ButtonClick { kClickPressRelease = 0, kClickPress = 1, kClickRelease = 2 };
// Each step is followed by a delay while delays are recorded (delay type 1: 10 ms) or the
// default one is inserted (2: defaultDelayMs); another delay type adds none.
QVector<MacroStep> TreeButtonSteps(int button, ButtonClick click, int delayType, int defaultDelayMs, int minDelay);
// A movement row's click: the movement and its delay as above, and nothing at all for a delay
// type other than 0, 1 and 2.
QVector<MacroStep> TreeMoveSteps(int direction, int distance, int delayType, int defaultDelayMs, int minDelay);

// The first of base, base_2, base_3, ... that is not taken: a typed name that is taken keeps
// its text with a number.
QString NumberedName(const QString &base, const std::function<bool(const QString &)> &taken);
// A new macro's name: the first of name_1, name_2, ... that is not taken.
QString NewMacroName(const std::function<bool(const QString &)> &taken);

// The table row a file step loads as; false when the step is skipped.
bool TableRowFromFileStep(const MacroStep &file, MacroStep &row);

// True when every recorded key or button press has its release.
bool KeysReleased(const QVector<MacroStep> &rows);

// Remaps one captured key as the recorder sees it: the Alt-held bit is cleared, then the
// keypad and right-hand keys take the program's own codes (224..239).
quint32 RecorderKeyCode(quint32 scanCode, quint32 &flags, bool rightAlt);

// The recorder's state and its step rules. Times are ms from a monotonic clock.
class MacroRecorder {
public:
    static constexpr int kRowLimitWithDelays = 61;     // more rows: the event is dropped
    static constexpr int kRowLimitWithoutDelays = 39;

    void start();
    // The rows one key event appends to a table of rowCount rows (none when it is dropped).
    // flags <= 1 is a press, anything else a release.
    QVector<MacroStep> onKey(quint32 code, quint32 flags, qint64 timeMs, int rowCount, int delayType,
                             int minDelay, int defaultDelayMs);
    const QList<quint32> &pressedKeys() const { return m_pressed; }

private:
    QList<quint32> m_pressed;
    bool m_hasLastEvent = false;
    qint64 m_lastEventMs = 0;
};

// What the row painter draws in one cell.
struct StepCellPaint {
    QString text;
    QString icon;  // relative to the application directory, empty for none
    int iconX = 0; // at scale 1.0
    int iconWidth = 0;
};
// typeText is the row's type cell as text (empty for an empty row); minDelay the unit in ms.
StepCellPaint StepCell(int column, const QString &typeText, const QString &cellText, int dataH, int dataL,
                       int minDelay);
