#include "quickfillmenu.h"

#include <QLineEdit>
#include <QMenu>

#include "input/quick_fill.h"

namespace {

void AddItem(QMenu* menu, QLineEdit* field, const quillex::QuickFillItem& item) {
    QAction* action = menu->addAction(QString::fromUtf8(item.caption.data(), item.caption.size()));
    QObject::connect(action, &QAction::triggered, field, [field, &item] {
        field->setText(
            QString::fromStdString(quillex::QuickFill(field->text().toStdString(), item)));
    });
}

}  // namespace

void AttachQuickFillMenu(QLineEdit* field, int row) {
    auto* menu = new QMenu(field);
    menu->setObjectName(QStringLiteral("Popup%1").arg(row));
    QMenu* radio = menu->addMenu(QStringLiteral("Радиокоманды"));
    int radioItems = 0;
    for (const quillex::QuickFillItem& item : quillex::QuickFillItems()) {
        if (item.kind != quillex::QuickFillKind::Radio) {
            AddItem(menu, field, item);
            continue;
        }
        if (radioItems > 0 && radioItems % quillex::kRadioGroupSize == 0) radio->addSeparator();
        AddItem(radio, field, item);
        ++radioItems;
    }
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(field, &QWidget::customContextMenuRequested, menu,
                     [field, menu](const QPoint& pos) { menu->popup(field->mapToGlobal(pos)); });
}
