// What a learner may ask of a cut file or a template besides the design itself. A header of
// its own, so that the writers need not know the door the design leaves by.
#pragma once

#include <QLocale>

namespace camexport {

struct ExportOptions {
    // The base circle and the pitch curve, on a layer of their own that is not for cutting.
    bool constructionLines = false;
    // Chooses the template's paper: Letter where that is the custom, A4 elsewhere.
    QLocale locale;
};

} // namespace camexport
