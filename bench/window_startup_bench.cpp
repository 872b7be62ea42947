// Start-up of the main window, from construction to the end of its first show, against a plain
// Qt window holding the same controls (same classes, same counts) built in the same run.
// Runs offscreen in temporary home folders.
//
// Links: quillex_gui Qt6::Widgets benchmark::benchmark (it has its own main, which creates the
// QApplication; not benchmark_main).
#include <benchmark/benchmark.h>

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMap>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWindow>
#include <functional>
#include <memory>

#include "scripted_dialogs.h"
#include "tquillexform.h"

namespace {

// Shows the window and lets the first paint happen.
void ShowFirstTime(QWidget& window) {
    window.show();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

std::unique_ptr<TQuillexForm> NewForm(ScriptedDialogs& dialogs) {
    TQuillexForm::Options options;
    options.dialogs = &dialogs;
    options.arguments = QStringList();
    return std::make_unique<TQuillexForm>(options);
}

using Factory = std::function<QWidget*(QWidget*)>;

struct ControlKind {
    const char* name;
    Factory make;
};

// The controls a window is made of; the parts inside composite controls come with them.
const ControlKind kKinds[] = {
    {"QCheckBox", [](QWidget* p) { return new QCheckBox("mp_friendlyfire", p); }},
    {"QLineEdit", [](QWidget* p) { return new QLineEdit("20000", p); }},
    {"QLabel", [](QWidget* p) { return new QLabel("Чувствительность мыши:", p); }},
    {"QSlider", [](QWidget* p) { return new QSlider(Qt::Horizontal, p); }},
    {"QSpinBox", [](QWidget* p) { return new QSpinBox(p); }},
    {"QComboBox",
     [](QWidget* p) {
         auto* combo = new QComboBox(p);
         combo->addItems({"GL_NEAREST_MIPMAP_NEAREST", "GL_LINEAR_MIPMAP_LINEAR"});
         return combo;
     }},
    {"QPlainTextEdit", [](QWidget* p) { return new QPlainTextEdit(p); }},
    {"QGroupBox", [](QWidget* p) { return new QGroupBox(" Разное: ", p); }},
    {"QToolButton", [](QWidget* p) { return new QToolButton(p); }},
    {"QWidget", [](QWidget* p) { return new QWidget(p); }},  // pages, frames, the rest
};

bool InsideComposite(const QWidget* widget) {
    for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox*>(up) || qobject_cast<const QComboBox*>(up) ||
            qobject_cast<const QAbstractScrollArea*>(up)) {
            return true;
        }
    }
    return false;
}

// How many controls of each kind the main window holds.
QMap<QString, int> FormComposition() {
    ScriptedDialogs dialogs;
    const std::unique_ptr<TQuillexForm> form = NewForm(dialogs);
    QMap<QString, int> counts;
    for (QWidget* widget : form->centralWidget()->findChildren<QWidget*>()) {
        if (InsideComposite(widget)) continue;
        for (const ControlKind& kind : kKinds) {
            if (widget->inherits(kind.name)) {
                ++counts[kind.name];
                break;
            }
        }
    }
    return counts;
}

// Four tab pages with the given controls in plain grids.
std::unique_ptr<QMainWindow> NewPlainWindow(const QMap<QString, int>& counts) {
    auto window = std::make_unique<QMainWindow>();
    for (const char* menu : {"Конфиг", "Компиляция", "Разное", "Справка"}) {
        window->menuBar()->addMenu(menu)->addAction("item");
    }
    auto* tabs = new QTabWidget(window.get());
    QGridLayout* grids[4];
    for (QGridLayout*& grid : grids) {
        auto* page = new QWidget;
        tabs->addTab(page, "page");
        grid = new QGridLayout(page);
    }
    int placed = 0;
    for (const ControlKind& kind : kKinds) {
        for (int i = 0; i < counts.value(kind.name); ++i, ++placed) {
            QGridLayout* grid = grids[placed % 4];
            const int cell = placed / 4;
            grid->addWidget(kind.make(grid->parentWidget()), cell / 8, cell % 8);
        }
    }
    window->setCentralWidget(tabs);
    window->setFixedSize(737, 456);
    return window;
}

// Times making and first showing a window; taking it down again is not timed.
template <typename MakeWindow>
void TimeFirstShow(benchmark::State& state, MakeWindow make) {
    int widgets = 0;
    for (auto _ : state) {
        auto window = make();
        ShowFirstTime(*window);
        state.PauseTiming();
        widgets = window->template findChildren<QWidget*>().size();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["widgets"] = widgets;
}

void BM_QuillexFormStartup(benchmark::State& state) {
    ScriptedDialogs dialogs;
    TimeFirstShow(state, [&dialogs] { return NewForm(dialogs); });
}

void BM_PlainWindowStartup(benchmark::State& state) {
    static const QMap<QString, int> counts = FormComposition();
    TimeFirstShow(state, [] { return NewPlainWindow(counts); });
}

BENCHMARK(BM_QuillexFormStartup)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PlainWindowStartup)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
