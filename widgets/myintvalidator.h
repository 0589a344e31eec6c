#pragma once
// Integer validators whose top is a ceiling, not a wall: a number above the range is
// replaced by the top value (500 in a 1..120 field leaves 120). Below the range stays
// Intermediate so a first digit can be typed on. MyIntValidator serves the macro step
// rows, MyIntValidator2 the macro editor's dialog; they behave alike.

#include <QIntValidator>

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
