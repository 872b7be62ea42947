// The clear buttons: small flat buttons that empty the key fields of their row.

#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolButton>
#include <QVector>
#include <QtDebug>

#include "input/clearbuttons.h"
#include "keys_page_parts.h"
#include "model/schema.h"

namespace quillex::keyspage {
namespace {

// A tilted eraser: a pink rubber end and a blue sleeve.
QIcon EraserIcon() {
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        painter.translate(8, 8);
        painter.rotate(-40);
        const QRectF body(-7, -3.5, 14, 7);
        QPainterPath outline;
        outline.addRoundedRect(body, 1.5, 1.5);
        painter.setClipPath(outline);
        painter.fillRect(QRectF(body.left(), body.top(), 6, body.height()),
                         QColor(0xf0, 0x80, 0x90));
        painter.fillRect(QRectF(body.left() + 6, body.top(), 8, body.height()),
                         QColor(0x40, 0x70, 0xd0));
        painter.setClipping(false);
        painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
        painter.drawPath(outline);
        painter.drawLine(QPointF(body.left() + 6, body.top()),
                         QPointF(body.left() + 6, body.bottom()));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void ClearTexts(const QVector<QLineEdit*>& fields) {
    for (QLineEdit* field : fields) field->setText(QString());
}

}  // namespace

void AddClearButtons(QWidget* root, const ClearSlots& clearSlots) {
    const QIcon icon = EraserIcon();
    for (const ClearButton& entry : ClearButtons()) {
        const ClearSlots::Slot* slot = nullptr;
        QVector<QLineEdit*> fields;
        for (FieldId id : entry.fields) {
            const std::string_view name = Field(id).name;
            if (!slot) slot = clearSlots.Find(name);
            if (auto* field = root->findChild<QLineEdit*>(ToQString(name))) {
                fields.append(field);
            } else {
                qWarning("clear button %s: no field %s", qPrintable(ToQString(entry.name)),
                         qPrintable(ToQString(name)));
            }
        }
        if (!slot) {
            qWarning("clear button %s has no place on the page", qPrintable(ToQString(entry.name)));
            continue;
        }
        auto* button = new QToolButton(slot->parent);
        button->setObjectName(ToQString(entry.name));
        button->setAutoRaise(true);
        // Painted in the page's colour, so that a group frame behind the title button is hidden.
        button->setBackgroundRole(QPalette::Window);
        button->setAutoFillBackground(true);
        button->setIcon(icon);
        button->setIconSize(QSize(16, 16));
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(ToQString(entry.hint));
        button->setCursor(entry.helpCursor ? Qt::WhatsThisCursor : Qt::PointingHandCursor);
        button->setGeometry(slot->geometry);
        QObject::connect(button, &QToolButton::clicked, button,
                         [fields = std::move(fields)] { ClearTexts(fields); });
    }
}

}  // namespace quillex::keyspage
