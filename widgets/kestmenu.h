#pragma once
// A menu that paints only a title of its own in the configured font. The program keeps
// it in the kit but builds its menus from QMenu.

#include <QMenu>
#include <QString>

class KestMenu : public QMenu {
    Q_OBJECT
public:
    explicit KestMenu(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString menuText() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
