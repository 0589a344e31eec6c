#include "myintvalidator.h"

#include <QLineEdit>

#include <algorithm>
#include <limits>

namespace {

QValidator::State clampToTop(QString &input, int bottom, int top)
{
    if (input.isEmpty())
        return QValidator::Intermediate;
    bool ok = false;
    const int value = input.toInt(&ok, 10);
    if (!ok || input.trimmed() != input)  // toInt would let blanks around the digits pass
        return QValidator::Invalid;
    if (value < bottom)
        return QValidator::Intermediate;
    if (value > top)
        input = QString::number(top);
    return QValidator::Acceptable;
}

struct FieldRange {
    qint64 low = std::numeric_limits<int>::min();
    qint64 high = std::numeric_limits<int>::max();
};

FieldRange fieldRange(const QLineEdit *field)
{
    const auto *range = qobject_cast<const QIntValidator *>(field->validator());
    return range ? FieldRange{range->bottom(), range->top()} : FieldRange{};
}

} // namespace

MyIntValidator::MyIntValidator(int bottom, int top, QObject *parent) : QIntValidator(bottom, top, parent) {}

QValidator::State MyIntValidator::validate(QString &input, int &) const { return clampToTop(input, bottom(), top()); }

MyIntValidator2::MyIntValidator2(int bottom, int top, QObject *parent) : QIntValidator(bottom, top, parent) {}

QValidator::State MyIntValidator2::validate(QString &input, int &) const { return clampToTop(input, bottom(), top()); }

int FieldNumber(const QLineEdit *field)
{
    const FieldRange range = fieldRange(field);
    return int(std::clamp(qint64(field->text().toInt()), range.low, range.high));
}

int FieldValue(QLineEdit *field, LogCategory category)
{
    const FieldRange range = fieldRange(field);
    const int value =
        int(ClampLogged(field->text().toInt(), range.low, range.high, qPrintable(field->objectName()), category));
    const QString shown = QString::number(value);
    if (field->text() != shown) {
        const QSignalBlocker block(field);  // the value went on already
        field->setText(shown);
    }
    return value;
}
