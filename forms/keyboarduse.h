// Whether the learner's last input came from the keyboard, watched across the
// whole program: focus marks show only to those who use the keyboard, and go
// as soon as the mouse is pressed, so a mouse user never sees one.
#pragma once

#include <QObject>

namespace forms {

class KeyboardUse final : public QObject
{
    Q_OBJECT

public:
    static KeyboardUse &instance();

    bool inUse() const { return m_inUse; }

signals:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyboardUse();

    bool m_inUse = false;
};

} // namespace forms
