#pragma once
// One row of a profile menu: a centred white label. Kept in the kit; the program's
// profile menu is built from actions instead.

#include <QWidget>

class KestLabel;

class KestProfileMenuItem : public QWidget {
    Q_OBJECT
public:
    KestProfileMenuItem(QWidget *parent, const QString &text);

    // Sets the painted text.
    void setText(const QString &text);
    // The label's QLabel text, which is never set: always empty.
    QString text() const;
    KestLabel *label() const { return m_pLabel; }

signals:
    void CheckBtnSignal(QWidget *item);

private:
    KestLabel *m_pLabel;
};
