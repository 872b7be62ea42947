#include "tquillexform.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "colour_swatch.h"
#include "field_binding.h"
#include "form_texts.h"
#include "kelaboutbox.h"
#include "keys_page.h"
#include "model/fields.h"
#include "pages.h"
#include "qt_text.h"
#include "shortcut_filter.h"
#include "workfile/author_preset.h"

namespace {

constexpr int kClientWidth = 737;
constexpr int kClientHeight = 436;
constexpr int kAutosaveMs = 180000;

// The window's font family is missing on Linux desktops. Its metric twin takes its place; that
// one has no Cyrillic letters, which come from a sans font of about the same width.
void SubstituteWindowFont() {
    static const bool done = [] {
        if (!QFontDatabase::hasFamily(kWindowFontFamily)) {
            QFont::insertSubstitutions(kWindowFontFamily, {"Comic Neue", "Liberation Sans"});
        }
        return true;
    }();
    (void)done;
}

}  // namespace

const QColor TQuillexForm::kCustomColours[2] = {QColor(255, 255, 0), QColor(130, 0, 130)};

TQuillexForm::TQuillexForm(Options options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)) {
    if (!options_.dialogs) ownDialogs_ = std::make_unique<QtUserDialogs>();
    dialogs_ = options_.dialogs ? options_.dialogs : ownDialogs_.get();

    SubstituteWindowFont();
    setObjectName("QuillexForm");
    setWindowTitle(kApplicationTitle);
    setWindowIcon(QIcon(":/quillex/quillex.png"));
    setFont(QFont(kWindowFontFamily, kWindowFontPoints));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    BuildMenus();
    BuildPages();
    BuildComponents();
    binding_ = std::make_unique<FieldBinding>(this);
    ConnectControls();

    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    FormCreate();
}

TQuillexForm::~TQuillexForm() = default;

void TQuillexForm::BuildPages() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setUsesScrollButtons(false);
    struct Tab {
        const char* name;
        const char* caption;
        void (*build)(QWidget*);
    };
    constexpr Tab kTabs[] = {
        {"TabSheet1", "Главные настройки", BuildMainPage},
        {"TabSheet2", "Дополнительные настройки", BuildExtraPage},
        {"TabSheet3", "Управление", BuildKeysPage},
        {"TabSheet4", "Готовый конфиг", BuildOutputPage},
    };
    for (const Tab& tab : kTabs) {
        auto* page = new QWidget;
        page->setObjectName(tab.name);
        PageControl1->addTab(page, tab.caption);
        tab.build(page);
    }
    setCentralWidget(PageControl1);

    Memo = findChild<QPlainTextEdit*>("Memo");
    Path = findChild<QLineEdit*>("Path");
    SpeedButton1 = findChild<QToolButton*>("SpeedButton1");
    SpeedButton2 = findChild<QToolButton*>("SpeedButton2");
    Panel1 = findChild<ColourSwatch*>("Panel1");
    c54 = findChild<QComboBox*>("c54");
}

void TQuillexForm::BuildComponents() {
    Timer = new QTimer(this);
    Timer->setObjectName("Timer");
    Timer->setInterval(kAutosaveMs);
    Timer->start();

    WRK = new QPlainTextEdit(this);
    WRK->setObjectName("WRK");
    WRK->setLineWrapMode(QPlainTextEdit::NoWrap);
    WRK->setPlainText("WRK");
    WRK->hide();

    KelAboutBox = new TKelAboutBox(this);
    KelAboutBox->setObjectName("KelAboutBox");
    KelAboutBox->Title = "Quillex";
    KelAboutBox->UpTitle = "Counter-Strike";
    KelAboutBox->Version = "Версия 1.5 (Для любой 32-разрядной Windows)";
    KelAboutBox->Line1 = "Сайт нашего клана: " + ToQString(quillex::kClanSite);
    KelAboutBox->Line2 = "Сайт автора: " + ToQString(quillex::kAuthorSite);
    KelAboutBox->Line3 = "ICQ UIN: 123456789";
    KelAboutBox->Line4 = "E-mail: " + ToQString(quillex::kAuthorEmail);

    const QStringList filters = {"WRK (*.wrk)", "Все файлы (*.*)"};
    OpenDialog = {"Выбери нужный WRK-файл", filters, "cfg", false, {}};
    SaveDialog = {"Сохранение значений всех параметров в WRK-файл", filters, "wrk", true, {}};
}

void TQuillexForm::ConnectControls() {
    const auto& ids = quillex::fields::Get();
    if (auto* nick = qobject_cast<QLineEdit*>(binding_->Control(ids.Nick))) {
        connect(nick, &QLineEdit::textChanged, this, Command(&TQuillexForm::NickChange));
    }
    for (quillex::FieldId id : {ids.r, ids.g, ids.b}) {
        if (auto* spin = qobject_cast<QSpinBox*>(binding_->Control(id))) {
            connect(spin, &QSpinBox::textChanged, this, Command(&TQuillexForm::rChange));
        }
    }
    connect(Panel1, &ColourSwatch::clicked, this, Command(&TQuillexForm::Panel1Click));
    connect(SpeedButton1, &QToolButton::clicked, this, Command(&TQuillexForm::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, Command(&TQuillexForm::SpeedButton2Click));
    connect(Timer, &QTimer::timeout, this, Command(&TQuillexForm::TimerTimer));
}

std::function<void()> TQuillexForm::Command(void (TQuillexForm::*handler)()) {
    return [this, handler] { RunCommand([this, handler] { (this->*handler)(); }); };
}

quillex::Settings TQuillexForm::Snapshot() const {
    return binding_->Read();
}

quillex::FieldSink& TQuillexForm::Sink() {
    return *binding_;
}
