// The one way a design leaves the program as a file, for the window's Export and the command
// line's --export alike: the file name's ending picks the format, and the answer is either
// the file with what is worth knowing about it, or the sentence saying why there is none.
#pragma once

#include "designpicture.h"

#include "camdesign/design.h"

#include <QLocale>
#include <QSize>
#include <QString>
#include <QStringList>

namespace workshop {

// The endings a design can be written to, in the order help and dialogs name them.
QStringList exportSuffixes();

struct ExportRequest {
    // The base circle and the pitch curve in the cut files, on a layer not for cutting.
    bool constructionLines = false;
    QSize pictureSize = defaultPictureSize; // pixels, for a PNG picture
    // Chooses the template's paper: Letter where that is the custom, A4 elsewhere.
    QLocale paper;
};

struct ExportOutcome {
    QString refusal;     // empty when the file is written
    QStringList warnings; // worth knowing, though the file is written
    bool written() const { return refusal.isEmpty(); }
};

// Writes the design as .csv (the motion table), .svg or .dxf (for a laser cutter), .pdf (a
// paper template) or .png (a picture with its graphs). A file that could not be finished
// never replaces what was there. Needs an application object for the drawn formats.
ExportOutcome exportDesignFile(const camdesign::CamDesign &design, const QString &path,
                               const ExportRequest &request = {});

} // namespace workshop
