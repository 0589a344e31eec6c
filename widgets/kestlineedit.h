#pragma once
// A line edit that reports the loss of keyboard focus, and nothing else on focus-out: the
// toolkit's own focus-out handling (editingFinished among it) does not run.

#include <QLineEdit>

class KestLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit KestLineEdit(QWidget *parent = nullptr);

signals:
    void kestLostFocus();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};
