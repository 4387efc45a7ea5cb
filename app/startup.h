// What Kestrilon does before its first window opens: the name the desktop knows it by,
// its command line, and one plain line instead of a crash when no display can be reached.
#pragma once

#include "workshop/designpicture.h"

#include <QSize>
#include <QString>
#include <QStringList>

namespace startup {

// The menu entry, the icon and the Wayland app id all carry this name, so a dock can match
// the running window to its entry.
inline constexpr char desktopId[] = "org.kestrilon.Kestrilon";
// The cam workshop's own menu entry, which also opens design files.
inline constexpr char workshopDesktopId[] = "org.kestrilon.Kestrilon.Workshop";
// The executable's name: usage lines, and the instance half of the X11 WM_CLASS that the
// menu entry's StartupWMClass names.
inline constexpr char executableName[] = "kestrilon";

inline constexpr int exitNoDisplay = 1;
inline constexpr int exitUsage = 2;

// Application name and version, organisation, and the desktop entry the windows belong to.
// Needs no application object, so the command line can be answered before one exists.
void setIdentity();

// What the command line asks for once it is read.
enum class Task {
    Simulation, // the simulation window, as the menu entry starts it
    Workshop,   // the cam workshop, empty or with `designPath` open
    Export,     // `designPath` written to `exportPath` in the format its ending names
};

struct CommandLineAnswer {
    bool openWindow = true; // false: print the texts and end with exitCode
    int exitCode = 0;
    QString standardOutput;
    QString standardError;
    bool languageAsked = false; // --lang was given: speak `language`, not the desktop's
    QString language;           // empty for English
    Task task = Task::Simulation;
    QString designPath;
    QString exportPath;
    bool constructionLines = false; // an export for cutting carries them on their own layer
    QSize pictureSize = workshop::defaultPictureSize; // an exported picture's size in pixels
};

// Reads the whole argument list, program name first. Qt's own start-up options (-platform,
// -display, -style, ...) are let through for the application object to take.
CommandLineAnswer readCommandLine(const QStringList &arguments);

// Between these two calls Qt's messages are held back. Should the application object fail to
// start for want of a display, the held messages are dropped, one line says so, and the
// program ends with exitNoDisplay; otherwise they are let out in their order.
void holdStartupMessages();
void releaseStartupMessages();

} // namespace startup
