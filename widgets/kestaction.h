#pragma once
// A menu entry in the configured font. The font is taken when the action is made and
// whenever its text is set; after a language change call applyConfiguredFont again.

#include "configuredfont.h"

#include <QAction>

class KestAction : public QAction {
    Q_OBJECT
public:
    explicit KestAction(QObject *parent);
    KestAction(const QString &text, QObject *parent);

    // Hides QAction::setText: sets the text, then the configured font again.
    void setText(const QString &text);
    static QString actionText(const QAction *action) { return action->text(); }
};
