#include "shortcut_filter.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

ShortcutOverrideFilter::ShortcutOverrideFilter(QWidget* window, QList<QAction*> actions)
    : window_(window), actions_(std::move(actions)) {
    qApp->installEventFilter(this);
}

ShortcutOverrideFilter::~ShortcutOverrideFilter() {
    qApp->removeEventFilter(this);
}

bool ShortcutOverrideFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeyCombination pressed(key->modifiers() & ~Qt::KeypadModifier,
                                  static_cast<Qt::Key>(key->key()));
    for (QAction* action : actions_) {
        if (action->isEnabled() && !action->shortcut().isEmpty() &&
            action->shortcut()[0] == pressed) {
            event->ignore();
            return true;
        }
    }
    return false;
}
