#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// Registration of the ".wrk" work-file type with the freedesktop desktop of the current user:
// a shared-mime-info package, the icons, a desktop entry with the actions "Открыть" and
// "Просмотреть", and the user's default handler in mimeapps.list.
namespace registration {

inline constexpr char kMimeType[] = "application/x-quillex-wrk";
inline constexpr char kDesktopId[] = "quillex.desktop";
inline constexpr char kIconName[] = "quillex";
inline constexpr char kTypeComment[] = "CS Quillex by VARGANT [TALONS] WRK config file";
// The program's own plain-text viewer, used by the action "Просмотреть".
inline constexpr char kViewOption[] = "--view";

struct Setup {
    QString programPath;
    QString dataHome;    // $XDG_DATA_HOME
    QString configHome;  // $XDG_CONFIG_HOME
    QByteArray iconPng;
    // Runs a cache tool with its arguments and waits for it; failures are ignored.
    std::function<void(const QString& tool, const QStringList& arguments)> runTool;
};

struct Outcome {
    QStringList changedFiles;  // files whose content was (re)written
    QStringList toolsRun;
};

// The running program in the user's XDG folders, with the real cache tools.
Setup CurrentUserSetup();

// Writes every file whose content differs and runs a cache tool only for a changed input (or
// a missing cache). Never throws: what cannot be written is skipped.
Outcome Register(const Setup& setup);

// One argument of a desktop entry's Exec key, quoted and escaped for the key's value.
QString ExecArgument(const QString& argument);

QByteArray MimePackage();
QByteArray DesktopEntry(const QString& programPath);
// mimeapps.list with this program as the type's default handler, other lines kept.
QByteArray WithDefaultHandler(const QByteArray& mimeAppsList);

}  // namespace registration
