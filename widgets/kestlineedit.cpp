#include "kestlineedit.h"

KestLineEdit::KestLineEdit(QWidget *parent) : QLineEdit(parent) {}

void KestLineEdit::focusOutEvent(QFocusEvent *) { emit kestLostFocus(); }
