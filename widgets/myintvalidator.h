#pragma once
// Number fields: the integer validators whose top is a ceiling, not a wall, and the value a
// field with an integer validator hands on.
//
// MyIntValidator and MyIntValidator2: a number above the range is replaced by the top value
// (500 in a 1..120 field leaves 120). Below the range stays Intermediate so a first digit
// can be typed on. MyIntValidator serves the macro step rows, MyIntValidator2 the macro
// editor's dialog; they behave alike.

#include "clamp.h"

#include <QIntValidator>

class QLineEdit;

// What a field with a QIntValidator hands on. Its validator lets texts outside the range stand
// while they are typed (empty, 0 in 1..255, 300 in a plain 1..255 one): the text as a decimal
// number (0 when it is none) kept within the validator's range, a clamp logged in `category`
// under the field's object name.
int FieldValue(const QLineEdit *field, LogCategory category);

class MyIntValidator : public QIntValidator {
    Q_OBJECT
public:
    MyIntValidator(int bottom, int top, QObject *parent);
    State validate(QString &input, int &pos) const override;
};

class MyIntValidator2 : public QIntValidator {
    Q_OBJECT
public:
    MyIntValidator2(int bottom, int top, QObject *parent);
    State validate(QString &input, int &pos) const override;
};
