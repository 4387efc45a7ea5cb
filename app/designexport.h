// `kestrilon --export OUT DESIGN`: a design file written out in the format OUT's ending
// names, with no window and no display.
#pragma once

#include "workshop/designpicture.h"

#include <QSize>
#include <QString>

namespace designexport {

inline constexpr int exitExportFailed = 1;

struct Outcome {
    int exitCode = 0;
    QString standardError; // one line, "kestrilon: ..." when something went wrong
};

struct Options {
    // Construction lines go into the formats for cutting, on a layer of their own, only
    // when asked for.
    bool constructionLines = false;
    QSize pictureSize = workshop::defaultPictureSize; // pixels, for a PNG picture
};

// Needs an application object for the formats that are drawn (PDF, PNG).
Outcome exportDesignFile(const QString &designPath, const QString &outputPath,
                         const Options &options = {});

} // namespace designexport
