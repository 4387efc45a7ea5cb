// `kestrilon --export OUT DESIGN`: a design file written out in the format OUT's ending
// names, with no window and no display.
#pragma once

#include <QString>

namespace designexport {

inline constexpr int exitExportFailed = 1;

struct Outcome {
    int exitCode = 0;
    QString standardError; // one line, "kestrilon: ..." when something went wrong
};

// The endings an export can be asked for, in the order the help names them.
QStringList suffixes();

// Needs an application object for the formats that are drawn (PDF, PNG).
Outcome exportDesignFile(const QString &designPath, const QString &outputPath);

} // namespace designexport
