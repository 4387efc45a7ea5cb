// Words a screen reader speaks without the focus moving: a notification that covers no
// pixels and shows its words when told to, which Orca speaks as the test window's questions
// are spoken. Qt 6.4 has no announcement event of its own.
#pragma once

#include <QString>
#include <QWidget>

namespace workshop {

class Announcer final : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent = nullptr);

    // The words are told two turns of the event loop later, after the focus events of the
    // edit that asked for them; a later call before then replaces them.
    void announce(const QString &words);
    // The words a reader was last told.
    QString words() const { return m_words; }

signals:
    void announced(const QString &words);

private:
    void tell();

    QString m_words;
    QString m_pending;
    bool m_waiting = false;
};

// Registers the announcer's accessible interface; safe to call more than once.
void installAnnouncerAccessibility();

} // namespace workshop
