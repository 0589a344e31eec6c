#pragma once
// The main window. Its pages, status display and device handling are filled in step by step.

#include <QWidget>

class VarnelWidget : public QWidget {
    Q_OBJECT
public:
    explicit VarnelWidget(QWidget *parent = nullptr);
    ~VarnelWidget() override;

    // Number of connected devices found at construction.
    int m_iConnectedCount = 0;

private slots:
    void slotWarning();
};
