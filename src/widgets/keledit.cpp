#include "keledit.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "input/key_names.h"
#include "keyevent_map.h"

namespace {

quillex::MouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return quillex::MouseButton::Left;
        case Qt::RightButton:
            return quillex::MouseButton::Right;
        case Qt::MiddleButton:
            return quillex::MouseButton::Middle;
        default:
            return quillex::MouseButton::Other;
    }
}

}  // namespace

TKelEdit::TKelEdit(QWidget* parent) : QLineEdit(parent) {
    QPalette colours = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setColor(group, QPalette::Base, colours.color(group, QPalette::Button));
    setPalette(colours);
}

bool TKelEdit::event(QEvent* event) {
    // A lone Alt or Meta press would otherwise travel on to the window, where the menu bar
    // arms itself to take the keyboard on the release; the release belongs to this field.
    if (event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Alt || key == Qt::Key_Meta) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TKelEdit::keyReleaseEvent(QKeyEvent* event) {
    // Consumed whole: nothing further up (the menu bar's Alt handling included) sees it.
    event->accept();
    if (event->isAutoRepeat()) return;  // a held key names itself on its last, real release
    if (const std::uint16_t code = quillex::VirtualKeyOf(*event))
        setText(QString::fromStdString(quillex::KeyCodeName(code)));
}

void TKelEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The edit's own handling first: on X11 a middle release pastes the selection, which must
    // not end up behind the button's name.
    QLineEdit::mouseReleaseEvent(event);
    if (const auto name = quillex::MouseButtonName(ButtonOf(event->button())))
        setText(QString::fromStdString(*name));
    if (event->button() == Qt::RightButton && menuAfterRelease_) {
        menuAfterRelease_ = false;
        QMenu* menu = createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event->globalPosition().toPoint());
    }
}

void TKelEdit::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse &&
        QGuiApplication::mouseButtons().testFlag(Qt::RightButton)) {
        menuAfterRelease_ = true;
        event->accept();
        return;
    }
    QLineEdit::contextMenuEvent(event);
}
