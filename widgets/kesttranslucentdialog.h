#pragma once
// A dark panel captioned "Mouse Sleep". Kept in the kit; the program does not show it.

#include <QWidget>

class KestLabel;

class KestTranslucentDialog : public QWidget {
    Q_OBJECT
public:
    explicit KestTranslucentDialog(QWidget *parent = nullptr);
    KestLabel *caption() const { return m_pCaption; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeCaption();

    KestLabel *m_pCaption;
};
