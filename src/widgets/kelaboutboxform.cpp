#include "kelaboutboxform.h"

#include <QDesktopServices>
#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QToolButton>
#include <QUrl>

namespace {

constexpr int kClientWidth = 354;
constexpr int kClientHeight = 283;
const QColor kNavy(0, 0, 128);

// The window's typefaces are Windows fonts; on other desktops free look-alikes stand in.
void SubstituteMissingFonts() {
    static const bool done = [] {
        QFont::insertSubstitutions(
            QStringLiteral("Impact"),
            {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")});
        QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                                  QStringLiteral("Liberation Serif"));
        return true;
    }();
    (void)done;
}

QFont PixelFont(const QString& family, int pixels, bool bold) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    return label;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    widget->setPalette(colours);
}

}  // namespace

TKelAboutBoxForm::TKelAboutBoxForm(const FiguresProvider& figures, LinkOpener opener,
                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      opener_(std::move(opener)) {
    SubstituteMissingFonts();
    setFixedSize(kClientWidth, kClientHeight);
    setFont(PixelFont(QStringLiteral("Times New Roman"), 12, false));
    // The button face as background, with the text roles left as they are.
    QPalette colours = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setColor(group, QPalette::Window, colours.color(group, QPalette::Button));
    setPalette(colours);

    Panel = new QFrame(this);
    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel->setGeometry(4, 4, kClientWidth - 8, 240);

    Image = AddLabel(Panel, "Image", {8, 8, 50, 50});
    Image->setScaledContents(true);
    UpTitle = AddLabel(Panel, "UpTitle", {66, 6, 272, 32});
    UpTitle->setFont(PixelFont(QStringLiteral("Impact"), 24, true));
    SetTextColour(UpTitle, kNavy);
    Version = AddLabel(Panel, "Version", {8, 102, 330, 18});
    Version->setFont(PixelFont(QStringLiteral("Times New Roman"), 13, true));
    QLabel** lines[] = {&Line1, &Line2, &Line3, &Line4};
    const char* lineNames[] = {"Line1", "Line2", "Line3", "Line4"};
    for (int i = 0; i < 4; ++i) {
        *lines[i] = AddLabel(Panel, lineNames[i], {8, 122 + 17 * i, 330, 17});
        (*lines[i])->installEventFilter(this);
    }
    Separator = new QFrame(Panel);
    Separator->setObjectName(QStringLiteral("Separator"));
    Separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Separator->setGeometry(8, 193, 330, 2);
    OS = AddLabel(Panel, "OS", {8, 199, 330, 17});
    Memory = AddLabel(Panel, "Memory", {8, 216, 330, 17});

    // The title lies on the window itself, over the panel.
    Title = AddLabel(this, "Title", {70, 38, 272, 64});
    Title->setFont(PixelFont(QStringLiteral("Impact"), 48, true));
    SetTextColour(Title, kNavy);
    Title->raise();

    OkButton = new QToolButton(this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setText(QStringLiteral("ОК"));
    OkButton->setAutoRaise(true);
    OkButton->setFocusPolicy(Qt::NoFocus);
    OkButton->setGeometry(kClientWidth - 83, 250, 75, 27);
    connect(OkButton, &QToolButton::clicked, this, &QDialog::accept);

    const quillex::SystemFigures now = figures ? figures() : quillex::QuerySystemFigures();
    Memory->setText(quillex::MemoryLine(now.memory));
    OS->setText(quillex::OsLine(now.os));

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

QString TKelAboutBoxForm::Caption(const QString& upTitle, const QString& title) {
    const QString shown = upTitle.isEmpty() ? title : upTitle + QLatin1Char(' ') + title;
    return QStringLiteral("О программе \"") + shown + QLatin1Char('"');
}

bool TKelAboutBoxForm::IsLink(const QString& line) {
    return line.contains(QLatin1String("://")) || line.contains(QLatin1Char('@'));
}

QString TKelAboutBoxForm::LinkTarget(const QString& line) {
    QString target = line.mid(line.lastIndexOf(QLatin1Char(' ')) + 1);
    if (line.contains(QLatin1Char('@'))) target.prepend(QLatin1String("mailto:"));
    return target;
}

void TKelAboutBoxForm::SetCaption() {
    setWindowTitle(Caption(UpTitle->text(), Title->text()));
}

void TKelAboutBoxForm::StyleLinks() {
    for (QLabel* line : {Line1, Line2, Line3, Line4}) {
        const bool link = IsLink(line->text());
        line->setCursor(link ? Qt::PointingHandCursor : Qt::ArrowCursor);
        QFont font = line->font();
        font.setBold(link);
        font.setUnderline(link);
        line->setFont(font);
        SetTextColour(line, link ? QColor(Qt::blue) : QColor(Qt::black));
    }
}

void TKelAboutBoxForm::LineClick(QLabel* line) {
    const QString target = LinkTarget(line->text());
    // Only lines styled as links open; the look decides, as the user sees it.
    if (line->cursor().shape() != Qt::PointingHandCursor) return;
    if (opener_)
        opener_(target);
    else
        QDesktopServices::openUrl(QUrl(target));
}

void TKelAboutBoxForm::showEvent(QShowEvent* event) {
    SetCaption();
    QDialog::showEvent(event);
}

void TKelAboutBoxForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        SetCaption();
        StyleLinks();
    }
    QDialog::changeEvent(event);
}

void TKelAboutBoxForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            accept();
            return;
        case Qt::Key_Escape:
            // Unlike other dialogs, Esc leaves this one open.
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

bool TKelAboutBoxForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* line = static_cast<QLabel*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && line->rect().contains(mouse->position().toPoint()))
            LineClick(line);
    }
    return QDialog::eventFilter(watched, event);
}
