#pragma once
// The program's modal message box: skinned, frameless and translucent, a picture at the
// left, a heading, the message and an Ok button or a Yes/No pair. Result 1 for Ok/Yes (or
// when a watching box closes itself), 0 for No or any other dismissal. The buttons take no
// focus, so the keys are the box's own: Return and Enter press Ok/Yes, Escape No, or Ok when
// it is the only button.
//
// Types: 0 (and any unknown value) no picture, Ok; 1 warning picture, Yes and No;
// 2 and 3 warning picture, Ok; 4 receiver picture, Ok.
//
// A box built with watch = true polls its owner every 100 ms and accepts itself once the
// owner's property kDevicePresentProperty is non-zero (the main window's m_iPlugIn).

#include <QDialog>
#include <QPixmap>
#include <QPointer>

class KestLabel;
class QLabel;
class QTimer;
class QToolButton;

class KestMessageBox : public QDialog {
    Q_OBJECT
public:
    // Name of the owner's int property that says the device is present again.
    static constexpr const char *kDevicePresentProperty = "m_iPlugIn";
    static constexpr int kWatchIntervalMs = 100;

    KestMessageBox(int type, const QString &title, const QString &heading, const QString &message,
                   QWidget *parent, bool watch, Qt::WindowFlags flags);
    ~KestMessageBox() override;

    int messageBoxType() const { return m_MessageBoxType; }
    bool isWatching() const { return m_pWatchTimer != nullptr; }
    // The picture of a type, relative to the application directory; empty for none.
    static QString pictureFor(int type);

public slots:
    // Accepts the box when the watched owner reports the device present.
    void GetPlugInSignal();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildWidgets(const QString &heading, const QString &message);
    void buildLayout();

    QPixmap m_background;
    QLabel *m_pPictureLabel = nullptr;
    KestLabel *m_pHeadingLabel = nullptr;
    KestLabel *m_pMessageLabel = nullptr;
    QToolButton *m_pYesButton = nullptr;
    QToolButton *m_pNoButton = nullptr;
    int m_MessageBoxType;
    // Only a watching box keeps its owner, guarded: a page's box can never be mistaken for
    // the main window, and a destroyed owner is never read.
    QPointer<QWidget> m_pWatchedOwner;
    QTimer *m_pWatchTimer = nullptr;
};
