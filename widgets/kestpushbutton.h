#pragma once
// The program's one button: painted from skin images, one per state (0 normal, 1 hover or
// checked, 2 pressed, 3 disabled), with its own text in the configured font, optional text
// marks and an optional highlight in the user's theme colour.

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <memory>

class KestPushButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(int curIndex READ curIndex WRITE setCurIndex)
public:
    static constexpr quint8 kMarkUpArrow = 253;
    static constexpr quint8 kMarkDownArrow = 254;

    // imagePaths: the state images in state order; singleImagePath: an image for the size
    // hint only, or empty.
    KestPushButton(const QStringList &imagePaths, QWidget *parent, const QString &singleImagePath);
    ~KestPushButton() override;

    // Replaces the state images (an empty list changes nothing) and dims the first one.
    void loadStateImages(const QStringList &imagePaths);
    // Text painted on the button, also its tool-tip.
    void setButtonText(const QString &text);
    QString buttonText() const { return m_text; }
    // The font the caption is painted in: the configured one, narrowed when the caption
    // would not fit into contentsRect() (the button less 3 px at each side).
    QFont captionFont() const;
    void setThemeHighlight(bool on) { m_bThemeHighlight = on; }
    void setRoundHighlight(bool on) { m_bRoundHighlight = on; }
    void setVerticalText(bool on) { m_bVerticalText = on; }
    // 0 none, kMarkUpArrow, kMarkDownArrow, or a number painted at the left.
    void setTextMark(quint8 mark);
    quint8 textMark() const { return m_textMark; }
    void setButtonCheckable(bool on);
    void setButtonChecked(bool on);
    bool isButtonChecked() const { return m_bChecked; }
    void setButtonEnabled(bool on);
    bool isButtonEnabled() const { return m_bEnabled; }

    int curIndex() const { return m_curIndex; }
    void setCurIndex(int index);
    // The text colour of a state (the colour mode picks the table at construction).
    QColor textColor(int state) const;
    int stateImageCount() const { return m_stateImages.size(); }

    QSize sizeHint() const override;

signals:
    // A left press on an enabled button.
    void EnterSignal(KestPushButton *self);
    // true on every mouse entry; false on a leave unless a left press came since the last leave.
    void OverSignal(KestPushButton *self, bool entered);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setState(int index);
    // The image of a state; indices beyond the list fall back to the first image.
    const QPixmap &stateImage(int index) const;
    void paintThemeHighlight(QPainter &painter);
    void paintTexts(QPainter &painter);

    QString m_text;
    QColor m_textColors[4];
    bool m_bThemeHighlight = false;
    bool m_bRoundHighlight = false;
    bool m_bVerticalText = false;
    quint8 m_textMark = 0;
    bool m_bCheckable = false;
    bool m_bChecked = false;
    bool m_bEnabled = true;
    std::unique_ptr<QPixmap> m_pixmap;
    QList<QPixmap> m_stateImages;
    int m_curIndex = 0;
    bool m_bReportLeave = true;
};
