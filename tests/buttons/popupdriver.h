#pragma once
// Drives what a user meets after pressing a row of the buttons page: clicks the entries of
// the open pop-up menus along a path of texts (a sub-menu's title opens it), then hands every
// modal window that comes up (dialog or message box) to a handler. Clicks are posted, so the
// menus and dialogs run their own loops as they do for a user.

#include <QApplication>
#include <QMenu>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>

class PopupDriver : public QObject {
public:
    using ModalHandler = std::function<void(QWidget *)>;
    explicit PopupDriver(const QStringList &path, ModalHandler onModal = {}) : m_path(path), m_onModal(onModal)
    {
        connect(&m_timer, &QTimer::timeout, this, &PopupDriver::poll);
        m_timer.start(5);
    }
    bool pathDone() const { return m_step == m_path.size(); }
    QStringList modals;  // class names of the modal windows met, in order

private:
    void poll()
    {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            if (menu == m_menu || m_step >= m_path.size())
                return;
            for (QAction *action : menu->actions()) {
                if (action->text() != m_path.at(m_step) || !action->isVisible())
                    continue;
                m_menu = menu;
                ++m_step;
                const QPoint at = menu->actionGeometry(action).center();
                QTimer::singleShot(0, menu, [menu, at] { QTest::mouseClick(menu, Qt::LeftButton, {}, at); });
                return;
            }
            return;
        }
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_modal)
            return;
        m_modal = modal;
        modals << modal->metaObject()->className();
        if (m_onModal)
            QTimer::singleShot(0, modal, [this, modal] { m_onModal(modal); });
    }

    QStringList m_path;
    ModalHandler m_onModal;
    int m_step = 0;
    QMenu *m_menu = nullptr;
    QWidget *m_modal = nullptr;
    QTimer m_timer;
};
