#include "kestaction.h"

KestAction::KestAction(QObject *parent) : QAction(parent) { applyConfiguredFont(this); }

KestAction::KestAction(const QString &text, QObject *parent) : QAction(text, parent) { applyConfiguredFont(this); }

void KestAction::setText(const QString &text)
{
    QAction::setText(text);
    applyConfiguredFont(this);
}
