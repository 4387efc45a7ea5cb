// A display-only text box: it never takes the focus or edits, as a text box
// that is not enabled, yet its text stays black on white instead of the
// toolkit's greyed-out look, so the learner can read it.
#pragma once

#include <QLineEdit>

namespace forms {

class TextBox final : public QLineEdit
{
    Q_OBJECT

public:
    TextBox(const QString &name, const QString &text, const QFont &font, Qt::Alignment alignment);
};

} // namespace forms
