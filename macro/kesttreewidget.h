#pragma once
// The macro editor's mouse-command tree: five mouse-button rows (each opening into
// "PRESS DOWN" and "BOUNCE UP") and four movement rows, painted with per-state skin images.
// The editor adds the rows and does the inserting; this widget only paints and tracks the
// hover and pressed looks. The child-row states exist once per position, shared by every
// button row.

#include <QPixmap>
#include <QTreeWidget>

class KestTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int kTopRows = 9;
    static constexpr int kStates = 3;  // normal, hover, pressed

    explicit KestTreeWidget(QWidget *parent);

    // Images and style sheet for the current UI scale factor.
    void InitStyle();
    void ClearHover();

    int topRowState(int row) const { return m_topStates[row]; }
    int childRowState(int position) const { return m_childStates[position]; }
    const QPixmap &scaledImage(int state, int row) const { return m_scaled[state][row]; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    void setStateAt(const QPoint &pos, int state);

    QPixmap m_source[kStates][kTopRows];
    QPixmap m_scaled[kStates][kTopRows];
    QString m_fontFamily;
    int m_topStates[kTopRows] = {};
    int m_childStates[2] = {};
};
