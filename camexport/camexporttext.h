// The translation context of every sentence the exports say: refusals, warnings and the
// words printed on the paper template.
#pragma once

#include <QCoreApplication>

namespace camexport {

class CamExportText
{
    Q_DECLARE_TR_FUNCTIONS(CamExportText)
};

} // namespace camexport
