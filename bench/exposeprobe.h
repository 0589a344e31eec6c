#pragma once
// The start-up benchmark's mark in a child process: "exposed" on stdout when the window first
// reaches the screen, then the program quits.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>

class ExposeProbe : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !m_done) {
            m_done = true;
            std::printf("exposed\n");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool m_done = false;
};
