// A display-only text box: it never takes the focus or edits, as a text box
// that is not enabled, yet its text stays black on white instead of the
// toolkit's greyed-out look, so the learner can read it. A reader hears its
// text, and hears it again whenever it changes.
#pragma once

#include <QLineEdit>

class QAccessibleInterface;

namespace forms {

class TextBox final : public QLineEdit
{
    Q_OBJECT

public:
    TextBox(const QString &name, const QString &text, const QFont &font, Qt::Alignment alignment);

    // A box whose words a reader hears within another box's sentence, as a
    // number that stands beside a caption, is left out of the reading order.
    void setPartOfSentence(bool part) { m_partOfSentence = part; }
    bool isPartOfSentence() const { return m_partOfSentence; }

private:
    bool m_partOfSentence = false;
};

// What a reader sees of a text box: static text whose name is its text.
QAccessibleInterface *makeAccessible(TextBox *box);

} // namespace forms
