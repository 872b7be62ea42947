#include "workfile_registration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include "form_texts.h"

namespace registration {
namespace {

constexpr int kToolTimeoutMs = 10000;

bool WriteIfChanged(const QString& path, const QByteArray& content, Outcome& outcome) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content) return false;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.commit()) {
        return false;
    }
    outcome.changedFiles << path;
    return true;
}

QString IconTypeName() {
    return QString(kMimeType).replace(QLatin1Char('/'), QLatin1Char('-'));
}

void RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(tool, arguments);
    if (process.waitForStarted() && !process.waitForFinished(kToolTimeoutMs)) process.kill();
}

}  // namespace

Setup CurrentUserSetup() {
    Setup setup;
    setup.programPath = QCoreApplication::applicationFilePath();
    setup.dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    setup.configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QFile icon(":/quillex/quillex.png");
    if (icon.open(QIODevice::ReadOnly)) setup.iconPng = icon.readAll();
    setup.runTool = RunTool;
    return setup;
}

QString ExecArgument(const QString& argument) {
    // Inside double quotes the Exec key reserves " ` $ and \; % starts a field code.
    QString quoted;
    for (QChar ch : argument) {
        if (ch == u'"' || ch == u'`' || ch == u'$' || ch == u'\\') quoted += u'\\';
        if (ch == u'%') quoted += u'%';
        quoted += ch;
    }
    quoted = u'"' + quoted + u'"';
    // The value of a desktop-entry key escapes backslashes and control characters once more.
    QString value;
    for (QChar ch : quoted) {
        if (ch == u'\\') {
            value += QStringLiteral("\\\\");
        } else if (ch == u'\n') {
            value += QStringLiteral("\\n");
        } else if (ch == u'\t') {
            value += QStringLiteral("\\t");
        } else if (ch == u'\r') {
            value += QStringLiteral("\\r");
        } else {
            value += ch;
        }
    }
    return value;
}

QByteArray MimePackage() {
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"%1\">\n"
               "    <comment>%2</comment>\n"
               "    <sub-class-of type=\"text/plain\"/>\n"
               "    <icon name=\"%3\"/>\n"
               "    <glob pattern=\"*.wrk\"/>\n"
               "  </mime-type>\n"
               "</mime-info>\n")
        .arg(kMimeType, kTypeComment, IconTypeName())
        .toUtf8();
}

QByteArray DesktopEntry(const QString& programPath) {
    const QString program = ExecArgument(programPath);
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Version=1.4\n"
               "Name=%1\n"
               "Icon=%2\n"
               "Exec=%3 %f\n"
               "Terminal=false\n"
               "Categories=Game;\n"
               "MimeType=%4;\n"
               "Actions=open;view;\n"
               "\n"
               "[Desktop Action open]\n"
               "Name=Открыть\n"
               "Exec=%3 %f\n"
               "\n"
               "[Desktop Action view]\n"
               "Name=Просмотреть\n"
               "Exec=%3 %5 %f\n")
        .arg(kApplicationTitle, kIconName, program, kMimeType, kViewOption)
        .toUtf8();
}

QByteArray WithDefaultHandler(const QByteArray& mimeAppsList) {
    const QByteArray section = "[Default Applications]";
    const QByteArray entry = QByteArray(kMimeType) + '=' + kDesktopId + ';';
    QList<QByteArray> lines = mimeAppsList.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();

    qsizetype header = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed() == section) {
            header = i;
            break;
        }
    }
    if (header < 0) {
        if (!lines.isEmpty() && !lines.back().trimmed().isEmpty()) lines << QByteArray();
        lines << section << entry;
        return lines.join('\n') + '\n';
    }
    qsizetype last = header;  // the section's last non-blank line
    for (qsizetype i = header + 1; i < lines.size() && !lines[i].trimmed().startsWith('['); ++i) {
        const QByteArray& line = lines[i];
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && line.left(equals).trimmed() == kMimeType) {
            lines[i] = entry;
            return lines.join('\n') + '\n';
        }
        if (!line.trimmed().isEmpty()) last = i;
    }
    lines.insert(last + 1, entry);
    return lines.join('\n') + '\n';
}

Outcome Register(const Setup& setup) {
    Outcome outcome;
    if (setup.dataHome.isEmpty()) return outcome;
    const QString mimeDir = setup.dataHome + "/mime";
    const QString appsDir = setup.dataHome + "/applications";
    const QString icons = setup.dataHome + "/icons/hicolor/32x32";

    const bool mimeChanged =
        WriteIfChanged(mimeDir + "/packages/quillex-wrk.xml", MimePackage(), outcome);
    if (!setup.iconPng.isEmpty()) {
        WriteIfChanged(icons + "/apps/" + kIconName + ".png", setup.iconPng, outcome);
        WriteIfChanged(icons + "/mimetypes/" + IconTypeName() + ".png", setup.iconPng, outcome);
    }
    const bool entryChanged =
        WriteIfChanged(appsDir + '/' + kDesktopId, DesktopEntry(setup.programPath), outcome);
    if (!setup.configHome.isEmpty()) {
        const QString listPath = setup.configHome + "/mimeapps.list";
        QFile list(listPath);
        // A list that is there but cannot be read is left alone: rewriting it would drop the
        // user's other handlers.
        if (list.open(QIODevice::ReadOnly)) {
            WriteIfChanged(listPath, WithDefaultHandler(list.readAll()), outcome);
        } else if (!list.exists()) {
            WriteIfChanged(listPath, WithDefaultHandler({}), outcome);
        }
    }

    auto run = [&](const QString& tool, const QString& folder) {
        outcome.toolsRun << tool;
        if (setup.runTool) setup.runTool(tool, {folder});
    };
    if (mimeChanged || !QFileInfo::exists(mimeDir + "/mime.cache")) {
        run("update-mime-database", mimeDir);
    }
    if (entryChanged || !QFileInfo::exists(appsDir + "/mimeinfo.cache")) {
        run("update-desktop-database", appsDir);
    }
    return outcome;
}

}  // namespace registration
