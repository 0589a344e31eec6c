#pragma once
// Number fields: the integer validators whose top is a ceiling, not a wall, and what a field
// with an integer validator stands for while it is typed and hands on when it is done.
//
// MyIntValidator and MyIntValidator2: a number above the range is replaced by the top value
// (500 in a 1..120 field leaves 120). Below the range stays Intermediate so a first digit
// can be typed on. MyIntValidator serves the macro step rows, MyIntValidator2 the macro
// editor's dialog; they behave alike.

#include "clamp.h"

#include <QIntValidator>

class QLineEdit;

// A field with a QIntValidator: its validator lets texts outside the range stand while they are
// typed (empty, 0 in 1..255, 300 in a plain 1..255 one).
// FieldNumber: what the text stands for while it is typed, the text as a decimal number (0 when
// it is none) kept within the validator's range.
int FieldNumber(const QLineEdit *field);
// FieldValue: the number the field hands on (to a file, a row, the mouse). A clamp is logged in
// `category` under the field's object name, and the field then shows the value kept, without a
// textChanged: what the user sees is what went on.
int FieldValue(QLineEdit *field, LogCategory category);

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
