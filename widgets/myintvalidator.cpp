#include "myintvalidator.h"

#include <QLineEdit>

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

} // namespace

MyIntValidator::MyIntValidator(int bottom, int top, QObject *parent) : QIntValidator(bottom, top, parent) {}

QValidator::State MyIntValidator::validate(QString &input, int &) const { return clampToTop(input, bottom(), top()); }

MyIntValidator2::MyIntValidator2(int bottom, int top, QObject *parent) : QIntValidator(bottom, top, parent) {}

QValidator::State MyIntValidator2::validate(QString &input, int &) const { return clampToTop(input, bottom(), top()); }

int FieldValue(const QLineEdit *field, LogCategory category)
{
    const int value = field->text().toInt();
    const auto *range = qobject_cast<const QIntValidator *>(field->validator());
    if (!range)
        return value;
    return int(ClampLogged(value, range->bottom(), range->top(), qPrintable(field->objectName()), category));
}
