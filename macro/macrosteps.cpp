#include "macrosteps.h"

#include "keycodes.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr int kButtonMasks[kMouseButtonCount] = {0x01, 0x04, 0x02, 0x08, 0x10};
constexpr quint32 kFlagAltDown = 0x20;
constexpr quint32 kScanAlt = 56;
constexpr quint32 kCodeRightAlt = 239;

// Keys the recorder gives codes of their own: extended (0x01) or plain (0x00) press; the
// release carries 0x80 on top.
struct RecorderRemap {
    quint32 scanCode;
    quint32 pressFlags;
    quint32 code;
};
constexpr RecorderRemap kRecorderRemaps[] = {
    {69, 0x01, 225}, {53, 0x01, 226}, {28, 0x01, 229}, {29, 0x01, 238}, {83, 0, 224}, {55, 0, 227},
    {73, 0, 228},    {79, 0, 230},    {80, 0, 231},    {81, 0, 232},    {75, 0, 233}, {77, 0, 234},
    {71, 0, 235},    {72, 0, 236},    {82, 0, 237},
};

QString delegateText(const char *text) { return QCoreApplication::translate("KestMacroItemDelegate", text); }

QString buttonName(int mask)
{
    switch (mask) {
    case 1: return delegateText("LEFT CLICK");
    case 2: return delegateText("RIGHT CLICK");
    case 4: return delegateText("MIDDLE CLICK");
    case 8: return delegateText("FORWARD");
    case 16: return delegateText("BACKWARD");
    default: return QString();
    }
}

bool isSingleButtonMask(int mask) { return mask == 1 || mask == 2 || mask == 4 || mask == 8 || mask == 16; }

constexpr int kRecordedClickDelayMs = 10;

// The delay after each step a tree click inserts; false when the delay type adds none.
bool clickDelay(int delayType, int defaultDelayMs, int minDelay, MacroStep &delay)
{
    if (delayType != 1 && delayType != 2)
        return false;
    delay = DelayStep(DelayCountFor(delayType == 1 ? kRecordedClickDelayMs : defaultDelayMs, minDelay));
    return true;
}

} // namespace

int EffectiveMinDelay(int minDelay) { return minDelay < 1 ? kFallbackMinDelay : minDelay; }

int DelayCountFor(int ms, int minDelay)
{
    return std::clamp(ms / EffectiveMinDelay(minDelay), 0, kMaxDelayCount);
}

MacroStep DelayStep(int count)
{
    count = std::clamp(count, 0, kMaxDelayCount);
    return {kStepDelay, quint8(count >> 8), quint8(count & 0xFF)};
}

int ButtonMask(int button) { return button >= 0 && button < kMouseButtonCount ? kButtonMasks[button] : 0; }

MacroStep ButtonStep(int button, bool release)
{
    if (button < 0 || button >= kMouseButtonCount)
        return {};
    return {quint8(release ? kTableButtonRelease : kTableButtonPress), 0, quint8(ButtonMask(button))};
}

MacroStep MoveStep(int direction, int distance)
{
    const quint8 positive = quint8(distance);
    const quint8 negative = quint8(256 - distance);
    switch (direction) {
    case kMoveLeft: return {kStepMove, 0, negative};
    case kMoveRight: return {kStepMove, 0, positive};
    case kMoveUp: return {kStepMove, negative, 0};
    case kMoveDown: return {kStepMove, positive, 0};
    default: return {kStepMove, 0, 0};
    }
}

MoveView DecodeMove(int dataH, int dataL)
{
    if (dataH == 0) {
        if (dataL >= 121)
            return {kMoveLeft, 256 - dataL};
        if (dataL >= 1)
            return {kMoveRight, dataL};
        return {kMoveDown, 0};
    }
    if (dataL != 0)
        return {kMoveLeft, 0};
    if (dataH <= 120)
        return {kMoveDown, dataH};
    return {kMoveUp, 256 - dataH};
}

QVector<MacroStep> TreeButtonSteps(int button, ButtonClick click, int delayType, int defaultDelayMs, int minDelay)
{
    MacroStep delay;
    const bool delays = clickDelay(delayType, defaultDelayMs, minDelay, delay);
    QVector<MacroStep> steps;
    for (const bool release : {false, true}) {
        if (click == (release ? kClickPress : kClickRelease))
            continue;
        steps << ButtonStep(button, release);
        if (delays)
            steps << delay;
    }
    return steps;
}

QVector<MacroStep> TreeMoveSteps(int direction, int distance, int delayType, int defaultDelayMs, int minDelay)
{
    QVector<MacroStep> steps{MoveStep(direction, distance)};
    MacroStep delay;
    if (clickDelay(delayType, defaultDelayMs, minDelay, delay))
        steps << delay;
    else if (delayType != 0)
        return {};
    return steps;
}

QString NumberedName(const QString &base, const std::function<bool(const QString &)> &taken)
{
    QString name = base;
    for (int n = 2; taken(name); ++n)
        name = base + QString::asprintf("_%d", n);
    return name;
}

QString NewMacroName(const std::function<bool(const QString &)> &taken)
{
    QString name;
    for (int n = 1;; ++n) {
        name = QString::asprintf("name_%d", n);
        if (!taken(name))
            return name;
    }
}

bool TableRowFromFileStep(const MacroStep &file, MacroStep &row)
{
    const int low = file.type & 0x7F;
    if (file.type == kStepButtonRelease || file.type == kStepButtonPress) {
        if (!isSingleButtonMask(file.dataL))
            return false;
        row = {quint8(SwapButtonStepType(file.type)), 0, file.dataL};
        return true;
    }
    if (low == kStepMove) {
        const bool both = file.dataH != 0 && file.dataL != 0;
        row = both ? MacroStep{kStepMove, 0, 0} : MacroStep{kStepMove, file.dataH, file.dataL};
        return true;
    }
    if (low == kStepDelay) {
        row = {kStepDelay, file.dataH, file.dataL};
        return true;
    }
    if (low == kStepKeyRelease) {
        row = {quint8(file.type & 0x80 ? kStepKeyPress : kStepKeyRelease), 0, file.dataL};
        return true;
    }
    return false;
}

bool KeysReleased(const QVector<MacroStep> &rows)
{
    QList<int> down;
    int upCount = 0;
    for (const MacroStep &row : rows) {
        const int low = row.type & 0x7F;
        if (low < 1 || low > 4)
            continue;
        if (row.type & 0x80)
            down << row.dataL;
        else
            ++upCount;
    }
    if (down.size() > upCount)
        return false;
    if (down.isEmpty())
        return true;
    for (const MacroStep &row : rows) {
        const int low = row.type & 0x7F;
        if (low >= 1 && low <= 4 && !(row.type & 0x80))
            down.removeAll(row.dataL);
    }
    return down.isEmpty();
}

quint32 RecorderKeyCode(quint32 scanCode, quint32 &flags, bool rightAlt)
{
    // Presses and releases alike: a remapped press must meet a remapped release.
    flags &= ~kFlagAltDown;
    if (scanCode == kScanAlt && rightAlt)
        return kCodeRightAlt;
    for (const RecorderRemap &remap : kRecorderRemaps) {
        if (remap.scanCode == scanCode && (flags == remap.pressFlags || flags == (remap.pressFlags | 0x80)))
            return remap.code;
    }
    return scanCode;
}

void MacroRecorder::start()
{
    m_pressed.clear();
    m_hasLastEvent = false;
    m_lastEventMs = 0;
}

QVector<MacroStep> MacroRecorder::onKey(quint32 code, quint32 flags, qint64 timeMs, int rowCount, int delayType,
                                       int minDelay, int defaultDelayMs)
{
    const bool press = flags <= 1;
    int usage = 0;
    if (!KeyCodeToHidUsage(int(code), usage))
        return {};  // a key the mouse has no usage for
    if (press && m_pressed.contains(code))
        return {};
    if (rowCount > kRowLimitWithDelays || (delayType == 0 && rowCount > kRowLimitWithoutDelays))
        return {};

    QVector<MacroStep> steps;
    const int unit = EffectiveMinDelay(minDelay);
    if (m_hasLastEvent) {
        const qint64 elapsed = std::max<qint64>(0, timeMs - m_lastEventMs);
        int count = 1;
        if (elapsed != 0) {
            const qint64 whole = std::max<qint64>(elapsed / unit * unit, unit);
            count = int(std::min<qint64>(whole / unit, kMaxDelayCount));
        }
        if (delayType == 1)
            steps << DelayStep(count);
        else if (delayType == 2)
            steps << DelayStep(DelayCountFor(defaultDelayMs, unit));
    }
    if (press) {
        steps << MacroStep{kStepKeyPress, 0, quint8(usage)};
        m_pressed << code;
    } else {
        steps << MacroStep{kStepKeyRelease, 0, quint8(usage)};
        m_pressed.removeOne(code);
    }
    m_hasLastEvent = true;
    m_lastEventMs = timeMs;
    return steps;
}

StepCellPaint StepCell(int column, const QString &typeText, const QString &cellText, int dataH, int dataL,
                       int minDelay)
{
    StepCellPaint cell;
    const int type = typeText.toInt();
    if (column == 0) {
        if (type == kStepDelay) {
            cell.icon = "/skin/delay.png";
            cell.iconX = 17;
            cell.iconWidth = 20;
        } else if ((type & 0x7F) == kStepKeyRelease) {
            cell.icon = "/skin/keybo.png";
            cell.iconX = 10;
            cell.iconWidth = 40;
            int code = 0;
            if (HidUsageToKeyCode(dataL, code))
                cell.text = KeyCodeToName(code);
        } else if ((type & 0x7F) == kTableButtonRelease) {
            cell.icon = "/skin/mouse_move.png";
            cell.iconX = 17;
            cell.iconWidth = 20;
            cell.text = buttonName(dataL);
        } else if (type == kStepMove) {
            cell.icon = "/skin/mouse_move.png";
            cell.iconX = 17;
            cell.iconWidth = 20;
            if (dataH == 0)
                cell.text = dataL > 120   ? delegateText("MOVE LEFT")
                            : dataL >= 1 ? delegateText("MOVE RIGHT")
                                         : delegateText("MOVE DOWN");
            else if (dataL == 0)
                cell.text = dataH <= 120 ? delegateText("MOVE DOWN") : delegateText("MOVE UP");
        } else {
            cell.icon = "/skin/keybo.png";
            cell.iconX = 10;
            cell.iconWidth = 40;
            cell.text = "driverText";
        }
        return cell;
    }
    if (column == 1) {
        if (typeText == "6")
            return cell;
        if (typeText == "132" || typeText == "129" || typeText == "4" || typeText == "1") {
            const bool press = typeText == "132" || typeText == "129";
            cell.text = press ? delegateText("Press") : delegateText("Release");
            cell.icon = press ? "/skin/keydown.png" : "/skin/keyup.png";
            cell.iconX = 10;
            cell.iconWidth = 20;
        } else if (typeText == "2") {
            int distance = 0;
            if (dataH == 0)
                distance = dataL > 120 ? 256 - dataL : dataL;
            else if (dataL == 0)
                distance = dataH <= 120 ? dataH : 256 - dataH;
            cell.text = QString("%1").arg(distance);
        } else {
            cell.text = cellText;
        }
        return cell;
    }
    if (column == 2 && typeText == "6")
        cell.text = QString::asprintf("%d", (dataL + dataH * 256) * EffectiveMinDelay(minDelay));
    return cell;
}
