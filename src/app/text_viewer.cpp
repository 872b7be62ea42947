#include "text_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>

#include "qt_text.h"
#include "text/cp1251.h"

QWidget* CreateTextViewer(const QString& fileName) {
    auto* viewer = new QPlainTextEdit;
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setObjectName("TextViewer");
    viewer->setReadOnly(true);
    viewer->setLineWrapMode(QPlainTextEdit::NoWrap);
    viewer->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    viewer->setWindowTitle(QFileInfo(fileName).fileName());
    viewer->resize(640, 480);
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        viewer->setPlainText(
            ToQString(quillex::DecodeCp1251(std::string_view(bytes.constData(), bytes.size()))));
    } else {
        viewer->setPlainText(QStringLiteral("Cannot open file %1").arg(fileName));
    }
    return viewer;
}
