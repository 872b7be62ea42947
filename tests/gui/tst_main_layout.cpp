// The fixed window and its pages: sizes, that every text fits its control and that no two
// controls overlap. With QUILLEX_SCREENSHOT_DIR set, each tab is also saved as a PNG.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "form_options.h"
#include "scripted_dialogs.h"
#include "tquillexform.h"

namespace {

// Controls whose text must fit; labels of any kind, check boxes, buttons, group captions.
bool ShowsText(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QGroupBox*>(widget);
}

// The widgets laid out on a page: visible, not internals of composite controls.
QList<QWidget*> PlacedWidgets(QWidget* page) {
    QList<QWidget*> placed;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(page) || widget->objectName().startsWith("qt_")) continue;
        bool inComposite = false;
        for (QWidget* up = widget->parentWidget(); up && up != page; up = up->parentWidget()) {
            if (qobject_cast<QAbstractSpinBox*>(up) || qobject_cast<QComboBox*>(up) ||
                up->inherits("QAbstractScrollArea") || qobject_cast<QTabWidget*>(up)) {
                inComposite = true;
            }
        }
        if (!inComposite) placed << widget;
    }
    return placed;
}

QString Describe(const QWidget* widget) {
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(widget)) text = label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) text = button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(widget)) text = box->title();
    return QStringLiteral("%1 '%2' \"%3\" at (%4,%5 %6x%7)")
        .arg(widget->metaObject()->className(), widget->objectName(), text)
        .arg(widget->x())
        .arg(widget->y())
        .arg(widget->width())
        .arg(widget->height());
}

}  // namespace

class MainLayoutTest : public QObject {
    Q_OBJECT

  private:
    ScriptedDialogs dialogs_;
    std::unique_ptr<TQuillexForm> form_;

  private slots:
    void initTestCase() {
        form_ = std::make_unique<TQuillexForm>(TestFormOptions(dialogs_));
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }

    void windowIsFixedAtItsClientSize() {
        QCOMPARE(form_->centralWidget()->size(), QSize(737, 436));
        QCOMPARE(form_->minimumSize(), form_->maximumSize());
        QCOMPARE(form_->height(), 436 + form_->menuBar()->height());
        QVERIFY(!(form_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form_->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(form_->PageControl1->count(), 4);
        const QStringList captions = {"Главные настройки", "Дополнительные настройки", "Управление",
                                      "Готовый конфиг"};
        for (int i = 0; i < captions.size(); ++i) {
            QCOMPARE(form_->PageControl1->tabText(i), captions[i]);
        }
        QCOMPARE(form_->PageControl1->currentIndex(), 0);
    }

    // For a look at the window: QUILLEX_SCREENSHOT_DIR=folder saves each tab as tabN.png.
    void saveScreenshots() {
        const QString dir = qEnvironmentVariable("QUILLEX_SCREENSHOT_DIR");
        if (dir.isEmpty()) QSKIP("QUILLEX_SCREENSHOT_DIR is not set");
        for (int tab = 0; tab < form_->PageControl1->count(); ++tab) {
            form_->PageControl1->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            QVERIFY(form_->grab().save(QStringLiteral("%1/tab%2.png").arg(dir).arg(tab)));
        }
        form_->PageControl1->setCurrentIndex(0);
    }

    // Each tab, and each inner page of the tab "Управление".
    void pagesFitWithoutOverlap_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("inner");
        for (int tab = 0; tab < form_->PageControl1->count(); ++tab) {
            const QString caption = form_->PageControl1->tabText(tab);
            auto* stack = form_->PageControl1->widget(tab)->findChild<QStackedWidget*>();
            if (!stack) {
                QTest::addRow("%s", qPrintable(caption)) << tab << -1;
                continue;
            }
            for (int inner = 0; inner < stack->count(); ++inner) {
                QTest::addRow("%s %d", qPrintable(caption), inner + 1) << tab << inner;
            }
        }
    }

    void pagesFitWithoutOverlap() {
        QFETCH(int, tab);
        QFETCH(int, inner);
        form_->PageControl1->setCurrentIndex(tab);
        QWidget* page = form_->PageControl1->widget(tab);
        if (inner >= 0) page->findChild<QStackedWidget*>()->setCurrentIndex(inner);
        QCoreApplication::processEvents();
        QVERIFY2(page->minimumSizeHint().width() <= page->width() &&
                     page->minimumSizeHint().height() <= page->height(),
                 qPrintable(QStringLiteral("page needs %1x%2, has %3x%4")
                                .arg(page->minimumSizeHint().width())
                                .arg(page->minimumSizeHint().height())
                                .arg(page->width())
                                .arg(page->height())));

        const QList<QWidget*> placed = PlacedWidgets(page);
        QVERIFY(placed.size() > 10);
        QStringList faults;
        for (QWidget* widget : placed) {
            const QRect inParent = widget->parentWidget()->rect();
            if (!inParent.contains(widget->geometry())) {
                faults << "outside its parent: " + Describe(widget);
            }
            if (ShowsText(widget)) {
                // Dense rows may be lower than the style's hint, but never lower than a line.
                const QSize hint =
                    qobject_cast<QLabel*>(widget) ? widget->sizeHint() : widget->minimumSizeHint();
                const QSize needed(hint.width(),
                                   std::min(hint.height(), widget->fontMetrics().height()));
                if (widget->width() < needed.width() || widget->height() < needed.height()) {
                    faults << QStringLiteral("text cut (needs %1x%2): ")
                                      .arg(needed.width())
                                      .arg(needed.height()) +
                                  Describe(widget);
                }
            }
        }
        for (int i = 0; i < placed.size(); ++i) {
            for (int j = i + 1; j < placed.size(); ++j) {
                QWidget* a = placed[i];
                QWidget* b = placed[j];
                if (a->parentWidget() != b->parentWidget()) continue;
                if (a->geometry().intersects(b->geometry())) {
                    faults << "overlap: " + Describe(a) + " and " + Describe(b);
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QTEST_MAIN(MainLayoutTest)
#include "tst_main_layout.moc"
