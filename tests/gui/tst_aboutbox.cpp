#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <stdexcept>

#include "kelaboutbox.h"
#include "kelaboutboxform.h"
#include "temporary_home.h"

namespace {

quillex::SystemFigures FixedFigures() {
    return {{quint64(1234567) * 1024 + 300, 42}, {true, 6, 1, 76}};
}

// Runs `inspect` on the about window once Execute shows it, then closes it with Enter.
void WhileShown(const std::function<void(TKelAboutBoxForm*)>& inspect, bool* seen) {
    QTimer::singleShot(0, [inspect, seen] {
        auto* form = qobject_cast<TKelAboutBoxForm*>(QApplication::activeModalWidget());
        *seen = form != nullptr;
        if (!form) return;
        inspect(form);
        QTest::keyClick(form, Qt::Key_Return);
    });
}

struct ShownForm {
    QStringList opened;
    TKelAboutBoxForm form{FixedFigures, [this](const QString& target) { opened << target; }};

    bool Show() {
        form.show();
        QApplication::setActiveWindow(&form);
        form.activateWindow();
        return QTest::qWaitForWindowActive(&form);
    }
};

}  // namespace

class TestAboutBox : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void executeShowsAFreshWindowWithTheTexts();
    void caption_data();
    void caption();
    void linkLook_data();
    void linkLook();
    void clickTargets_data();
    void clickTargets();
    void closingKeys_data();
    void closingKeys();
    void windowShape();
    void substituteFonts();
    void failureToBuildShowsNothing();
    void memoryLine_data();
    void memoryLine();
    void osLine();
    void figuresFromTheKernel();
    void machineFigures();

  private:
    QTemporaryDir home_;
};

void TestAboutBox::initTestCase() {
    QVERIFY(home_.isValid());
    UseTemporaryHome(home_.path());
}

void TestAboutBox::executeShowsAFreshWindowWithTheTexts() {
    TKelAboutBox box;
    int queries = 0;
    box.FiguresProvider = [&queries] {
        ++queries;
        return FixedFigures();
    };
    box.setProperty("Title", "Quillex");
    box.setProperty("UpTitle", "Counter-Strike");
    box.Version = "Версия 1.5 (Для любой 32-разрядной Windows)";
    box.Line1 = "Сайт нашего клана: http://talons.example.org";
    box.Line2 = "Сайт автора: http://vargant.example.org";
    box.Line3 = "ICQ UIN: 123456789";
    box.Line4 = "E-mail: vargant@example.org";
    QPointer<TKelAboutBoxForm> shown;
    bool seen = false;
    WhileShown(
        [&](TKelAboutBoxForm* form) {
            shown = form;
            QCOMPARE(form->windowTitle(), QString("О программе \"Counter-Strike Quillex\""));
            QCOMPARE(form->Title->text(), QString("Quillex"));
            QCOMPARE(form->UpTitle->text(), QString("Counter-Strike"));
            QCOMPARE(form->Version->text(), box.Version);
            QCOMPARE(form->Line1->text(), box.Line1);
            QCOMPARE(form->Line4->text(), box.Line4);
            QCOMPARE(form->OS->text(), QString("ОС: Windows NT4/2000 Версия: 6.1 (сборка: 76)"));
            QVERIFY(form->isModal());
        },
        &seen);
    box.Execute();
    QVERIFY(seen);
    QVERIFY(shown.isNull());  // destroyed once closed
    QCOMPARE(queries, 1);

    box.UpTitle.clear();
    WhileShown(
        [](TKelAboutBoxForm* form) {
            QCOMPARE(form->UpTitle->text(), QString());
            QCOMPARE(form->windowTitle(), QString("О программе \"Quillex\""));
        },
        &seen);
    box.Execute();
    QVERIFY(seen);
    QCOMPARE(queries, 2);
}

void TestAboutBox::caption_data() {
    QTest::addColumn<QString>("upTitle");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("expected");
    QTest::addRow("both") << "Counter-Strike"
                          << "Quillex"
                          << "О программе \"Counter-Strike Quillex\"";
    QTest::addRow("no up-title") << ""
                                 << "Quillex"
                                 << "О программе \"Quillex\"";
    QTest::addRow("ampersand") << ""
                               << "A&B"
                               << "О программе \"A&B\"";
    QTest::addRow("nothing") << ""
                             << ""
                             << "О программе \"\"";
}

void TestAboutBox::caption() {
    QFETCH(QString, upTitle);
    QFETCH(QString, title);
    QFETCH(QString, expected);
    ShownForm shown;
    shown.form.UpTitle->setText(upTitle);
    shown.form.Title->setText(title);
    QVERIFY(shown.Show());
    QCOMPARE(shown.form.windowTitle(), expected);
    QCOMPARE(shown.form.Title->text(), title);  // shown as typed, no accelerator
}

void TestAboutBox::linkLook_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("link");
    QTest::addRow("web") << "Сайт автора: http://vargant.example.org" << true;
    QTest::addRow("mail") << "E-mail: vargant@example.org" << true;
    QTest::addRow("both") << "Зеркало: ftp://me@example.org" << true;
    QTest::addRow("messenger") << "ICQ UIN: 123456789" << false;
    QTest::addRow("empty") << "" << false;
    QTest::addRow("slashes without colon") << "a //b" << false;
}

void TestAboutBox::linkLook() {
    QFETCH(QString, text);
    QFETCH(bool, link);
    ShownForm shown;
    for (QLabel* line : {shown.form.Line1, shown.form.Line2, shown.form.Line3, shown.form.Line4})
        line->setText(text);
    QVERIFY(shown.Show());
    for (QLabel* line : {shown.form.Line1, shown.form.Line2, shown.form.Line3, shown.form.Line4}) {
        QCOMPARE(line->cursor().shape(), link ? Qt::PointingHandCursor : Qt::ArrowCursor);
        QCOMPARE(line->font().bold(), link);
        QCOMPARE(line->font().underline(), link);
        QCOMPARE(line->palette().color(line->foregroundRole()),
                 link ? QColor(0, 0, 255) : QColor(0, 0, 0));
    }
}

void TestAboutBox::clickTargets_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("opened");
    QTest::addRow("web") << "Сайт: http://talons.example.org"
                         << QStringList{"http://talons.example.org"};
    QTest::addRow("mail") << "E-mail: vargant@example.org"
                          << QStringList{"mailto:vargant@example.org"};
    QTest::addRow("web with at") << "Сайт: http://me@example.org"
                                 << QStringList{"mailto:http://me@example.org"};
    QTest::addRow("no blank") << "me@example.org" << QStringList{"mailto:me@example.org"};
    QTest::addRow("ends in a blank") << "Сайт: http://example.org " << QStringList{""};
    QTest::addRow("messenger") << "ICQ UIN: 123456789" << QStringList{};
}

void TestAboutBox::clickTargets() {
    QFETCH(QString, text);
    QFETCH(QStringList, opened);
    ShownForm shown;
    shown.form.Line3->setText(text);
    QVERIFY(shown.Show());
    QTest::mouseClick(shown.form.Line3, Qt::LeftButton);
    QTest::mouseClick(shown.form.Line3, Qt::RightButton);  // only the left button clicks
    QCOMPARE(shown.opened, opened);
    QVERIFY(shown.form.isVisible());
}

void TestAboutBox::closingKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::addRow("enter") << int(Qt::Key_Return) << true;
    QTest::addRow("keypad enter") << int(Qt::Key_Enter) << true;
    QTest::addRow("space") << int(Qt::Key_Space) << true;
    QTest::addRow("escape") << int(Qt::Key_Escape) << false;
    QTest::addRow("letter") << int(Qt::Key_A) << false;
}

void TestAboutBox::closingKeys() {
    QFETCH(int, key);
    QFETCH(bool, closes);
    ShownForm shown;
    QVERIFY(shown.Show());
    QTest::keyClick(&shown.form, Qt::Key(key));
    QCOMPARE(shown.form.isVisible(), !closes);
    if (!closes) {
        QTest::mouseClick(shown.form.OkButton, Qt::LeftButton);
        QVERIFY(!shown.form.isVisible());
    }
}

void TestAboutBox::windowShape() {
    TKelAboutBoxForm form(FixedFigures);
    QCOMPARE(form.size(), QSize(354, 283));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    for (const char* name : {"Panel", "Image", "UpTitle", "Title", "Version", "Line1", "Line2",
                             "Line3", "Line4", "Separator", "OS", "Memory", "OkButton"})
        QVERIFY2(form.findChild<QWidget*>(name), name);
    QCOMPARE(form.OkButton->text(), QString::fromUtf8("\u041e\u041a"));  // Cyrillic О and К
    QCOMPARE(form.Title->size(), QSize(272, 64));
    QCOMPARE(form.Image->size(), QSize(50, 50));
    QCOMPARE(form.Title->parentWidget(), &form);
    QCOMPARE(form.Line1->parentWidget(), form.Panel);
    QCOMPARE(form.Title->palette().color(form.Title->foregroundRole()), QColor(0, 0, 128));
    QCOMPARE(form.UpTitle->palette().color(form.UpTitle->foregroundRole()), QColor(0, 0, 128));
    QCOMPARE(form.palette().color(QPalette::Window), form.palette().color(QPalette::Button));
    QCOMPARE(form.UpTitle->font().pixelSize(), 24);
    QCOMPARE(form.Title->font().pixelSize(), 48);
    QVERIFY(form.Title->font().bold());
    QCOMPARE(form.Version->font().pixelSize(), 13);
    QVERIFY(form.Version->font().bold());
    QCOMPARE(form.font().pixelSize(), 12);
    QCOMPARE(form.Memory->text(), quillex::MemoryLine(FixedFigures().memory));
}

void TestAboutBox::substituteFonts() {
    TKelAboutBoxForm form(FixedFigures);
    QCOMPARE(QFontInfo(form.Title->font()).family(), QString("Liberation Sans Narrow"));
    QCOMPARE(QFontInfo(form.Version->font()).family(), QString("Liberation Serif"));
    QCOMPARE(QFontInfo(form.Line1->font()).family(), QString("Liberation Serif"));
}

void TestAboutBox::failureToBuildShowsNothing() {
    TKelAboutBox box;
    box.FiguresProvider = []() -> quillex::SystemFigures {
        throw std::runtime_error("no figures");
    };
    bool shown = false;
    QTimer::singleShot(0, [&] { shown = QApplication::activeModalWidget() != nullptr; });
    box.Execute();
    QCoreApplication::processEvents();
    QVERIFY(!shown);
    QVERIFY(!QApplication::activeModalWidget());
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<TKelAboutBoxForm*>(widget));
}

void TestAboutBox::memoryLine_data() {
    QTest::addColumn<quint64>("freeBytes");
    QTest::addColumn<int>("load");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    const QLocale c = QLocale::c();
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QString ruSep = russian.groupSeparator();
    QTest::addRow("grouped") << quint64(1234567) * 1024 << 42 << c
                             << "Свободно ОЗУ: 1,234,567 KB (Используется: 42 %)";
    QTest::addRow("rounds down") << quint64(999 * 1024 + 511) << 0 << c
                                 << "Свободно ОЗУ: 999 KB (Используется: 0 %)";
    QTest::addRow("rounds up") << quint64(999 * 1024 + 512) << 100 << c
                               << "Свободно ОЗУ: 1,000 KB (Используется: 100 %)";
    QTest::addRow("beyond 4 GB") << quint64(6) * 1024 * 1024 * 1024 << 7 << c
                                 << "Свободно ОЗУ: 6,291,456 KB (Используется: 7 %)";
    QTest::addRow("russian separator")
        << quint64(2048000) * 1024 << 55 << russian
        << "Свободно ОЗУ: 2" + ruSep + "048" + ruSep + "000 KB (Используется: 55 %)";
}

void TestAboutBox::memoryLine() {
    QFETCH(quint64, freeBytes);
    QFETCH(int, load);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QCOMPARE(quillex::MemoryLine({freeBytes, load}, locale), expected);
}

void TestAboutBox::osLine() {
    QCOMPARE(quillex::OsLine({true, 6, 1, 76}),
             QString("ОС: Windows NT4/2000 Версия: 6.1 (сборка: 76)"));
    QCOMPARE(quillex::OsLine({false, 4, 10, 2222}), QString("ОС: Windows 95/98/ME Версия: 4.10"));
}

void TestAboutBox::figuresFromTheKernel() {
    struct {
        const char* release;
        unsigned major, minor, build;
    } const releases[] = {
        {"6.1.0-18-amd64", 6, 1, 0},
        {"5.15.153.1-microsoft-standard-WSL2", 5, 15, 153},
        {"4.19", 4, 19, 0},
        {"6.8.0-rc3", 6, 8, 0},
        {"", 0, 0, 0},
        {"abc", 0, 0, 0},
    };
    for (const auto& r : releases) {
        const quillex::OsVersion os = quillex::OsVersionFromRelease(r.release);
        QVERIFY2(os.ntFamily && os.major == r.major && os.minor == r.minor && os.build == r.build,
                 r.release);
    }

    const auto full = quillex::MemoryFromMeminfo(
        "MemTotal:       16000000 kB\nMemFree:          500000 kB\n"
        "MemAvailable:    4000000 kB\nBuffers:          100 kB\n");
    QVERIFY(full);
    QCOMPARE(full->freeBytes, quint64(4000000) * 1024);
    QCOMPARE(full->load, 75);
    const auto old = quillex::MemoryFromMeminfo("MemTotal: 1000 kB\nMemFree: 333 kB\n");
    QVERIFY(old);
    QCOMPARE(old->freeBytes, quint64(333) * 1024);
    QCOMPARE(old->load, 67);
    QVERIFY(!quillex::MemoryFromMeminfo("MemFree: 333 kB\n"));
    QVERIFY(!quillex::MemoryFromMeminfo("MemTotal: 0 kB\nMemFree: 0 kB\n"));
    QVERIFY(!quillex::MemoryFromMeminfo("MemTotalX: 1000 kB\nMemFree: 333 kB\n"));
}

void TestAboutBox::machineFigures() {
    const quillex::SystemFigures figures = quillex::QuerySystemFigures();
    QVERIFY(figures.memory.freeBytes > 0);
    QVERIFY(figures.memory.load >= 0 && figures.memory.load <= 100);
    QVERIFY(figures.os.major > 0);
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
