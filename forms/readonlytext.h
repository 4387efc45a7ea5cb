// The Text interface of what a reader may read whole or by parts but never edit, told in the
// program's language; the text box and the worded slider share it.
#pragma once

#include <QAccessible>
#include <QLocale>

namespace forms {

// Text a reader can read whole or by parts but never edit, told in the program's
// language, so a reader that switches voices by language can.
class ReadOnlyText : public QAccessibleTextInterface
{
public:
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return whole().mid(start, end - start); }
    int characterCount() const override { return int(whole().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override
    {
        if (offset < 0 || offset >= characterCount()) {
            *start = *end = offset;
            return {};
        }
        *start = 0;
        *end = characterCount();
        return QStringLiteral("language:%1;").arg(QLocale().bcp47Name());
    }

protected:
    virtual QString whole() const = 0;
};

} // namespace forms
