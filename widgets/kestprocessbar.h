#pragma once
// The battery bar: a progress bar that paints an optional text of its own, centred and
// white, in the configured font.

#include <QProgressBar>
#include <QString>

class KestProcessbar : public QProgressBar {
    Q_OBJECT
public:
    explicit KestProcessbar(QWidget *parent = nullptr);

    void setBarText(const QString &text);
    QString barText() const { return m_text; }
    // A plain repaint; the program repaints through setBarText.
    void repaintBar() { update(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
