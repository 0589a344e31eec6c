#pragma once
// The row widget of the four movement commands in the macro editor's command tree: a state
// image, a caption and a distance field (1..120). A press on the row or its caption emits
// KestMousePressed(); the editor then reads the distance from the field.

#include <QPixmap>
#include <QWidget>

class KestLabel;
class QLineEdit;

class KestTreeItem : public QWidget {
    Q_OBJECT
public:
    // Empty or unloadable hover and pressed images fall back to the normal one.
    KestTreeItem(const QString &normalImage, const QString &hoverImage, const QString &pressedImage,
                 QWidget *parent);

    void SetItemText(const QString &text);
    void UpdateScale();
    QLineEdit *distanceEdit() const { return m_pEdit; }
    KestLabel *caption() const { return m_pLabel; }
    int state() const { return m_state; }

signals:
    void MouseInSignal();
    void KestMousePressed();

public slots:
    void slotLabelClick(KestLabel *label);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setupUi();
    void scaleImages();

    KestLabel *m_pLabel = nullptr;
    QLineEdit *m_pEdit = nullptr;
    QPixmap m_source[3];
    QPixmap m_images[3];
    quint8 m_state = 0;
    quint8 m_inside = 0;
};
