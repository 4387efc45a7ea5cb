// What a reader sees of the surface: its clickable pictures as buttons, its described areas as
// images and its reader-only notification, beside its real child widgets.
#include "surfaceaccessible.h"

#include "accessibility.h"
#include "surface.h"
#include "textbox.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QRegion>
#include <QWindow>

#include <map>
#include <utility>

namespace forms {

namespace {

// Whether a click can reach the picture: visible, not wholly covered by
// visible pictures above it, and inside the client area.
bool reachable(const Surface &surface, const Picture *picture)
{
    if (!picture->isVisible())
        return false;
    QRegion region(picture->area().intersected(surface.rect()));
    for (const auto &control : surface.controls()) {
        if (control.get() == picture)
            return !region.isEmpty();
        const auto *above = dynamic_cast<const Picture *>(control.get());
        if (above && above->isVisible())
            region -= above->area();
    }
    return false;
}

// A windowless part of the surface: a clickable picture or a described area.
class PartAccessible : public QAccessibleInterface
{
public:
    explicit PartAccessible(Surface *surface)
        : m_surface(surface)
    {
    }

    bool isValid() const override { return !m_surface.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        return m_surface ? m_surface->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_surface.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!m_surface)
            return {};
        const QRect area = pixels();
        return QRect(m_surface->mapToGlobal(area.topLeft()), area.size());
    }

protected:
    virtual QRect pixels() const = 0;

    QPointer<Surface> m_surface;
};

class PictureAccessible final : public PartAccessible, public QAccessibleActionInterface
{
public:
    PictureAccessible(Surface *surface, const Picture *picture)
        : PartAccessible(surface)
        , m_picture(picture)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && m_surface ? m_picture->accessibleName() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!m_surface) {
            state.invisible = true;
            return state;
        }
        state.invisible = !reachable(*m_surface, m_picture);
        state.disabled = !m_picture->isAvailable();
        state.focusable = m_surface->focusPlaces().holds(m_picture);
        state.focused = m_surface->focusedPicture() == m_picture;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (m_surface && action == pressAction() && reachable(*m_surface, m_picture))
            m_picture->click();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QRect pixels() const override { return m_picture->area(); }

    const Picture *m_picture;
};

class DescribedAreaAccessible final : public PartAccessible
{
public:
    DescribedAreaAccessible(Surface *surface, const DescribedArea *area)
        : PartAccessible(surface)
        , m_area(area)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (!m_surface)
            return {};
        if (kind == QAccessible::Name)
            return m_area->name();
        if (kind == QAccessible::Description)
            return m_area->description();
        return {};
    }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_surface;
        state.readOnly = true;
        return state;
    }

private:
    QRect pixels() const override { return m_area->area(); }

    const DescribedArea *m_area;
};

// What the surface has a reader announce: a notification that shows its words, which Orca
// speaks as it shows whatever holds the focus, where it ignores a label's new name. It
// covers no pixels, so a reader reviewing the window by position passes it by.
class AnnouncementAccessible final : public PartAccessible
{
public:
    using PartAccessible::PartAccessible;

    void setWords(const QString &words) { m_words = words; }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && m_surface ? m_words : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_surface || m_words.isEmpty();
        state.readOnly = true;
        return state;
    }

private:
    QRect pixels() const override { return {}; }

    QString m_words;
};

// The surface's children: every clickable picture, top first, shown as
// invisible while a click cannot reach it; then the described areas; then the
// announcement; then its real child widgets. The set never changes, so a reader's copy of the tree
// stays right without the children-changed events the bridge mangles.
class SurfaceAccessible final : public QAccessibleWidget
{
public:
    explicit SurfaceAccessible(Surface *surface)
        : QAccessibleWidget(surface, QAccessible::Client)
    {
        refresh(false);
    }

    ~SurfaceAccessible() override
    {
        for (const auto &[part, id] : m_ids)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(parts().size() + widgets().size()); }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0)
            return nullptr;
        const std::vector<Part> own = parts();
        if (index < int(own.size()))
            return interfaceFor(own[std::size_t(index)]);
        const std::vector<QWidget *> children = widgets();
        index -= int(own.size());
        return index < int(children.size())
                   ? QAccessible::queryAccessibleInterface(children[std::size_t(index)])
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child)
                return i;
        }
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface *candidate = child(i);
            if (candidate && !candidate->state().invisible && candidate->rect().contains(x, y))
                return candidate;
        }
        return nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        const Picture *focused = surface()->focusedPicture();
        return focused ? interfaceFor(Part{focused, nullptr}) : QAccessibleWidget::focusChild();
    }

    // Sends an event for every picture that became reachable or unreachable,
    // available or refused, since the last look.
    void refresh(bool tell)
    {
        for (const Part &part : parts()) {
            if (!part.picture)
                continue;
            const Seen now{reachable(*surface(), part.picture), part.picture->isAvailable()};
            const auto [seen, fresh] = m_seen.try_emplace(part.picture, now);
            if (fresh || !tell)
                continue;
            const Seen before = std::exchange(seen->second, now);
            QAccessibleInterface *picture = interfaceFor(part);
            if (before.reachable != now.reachable) {
                QAccessibleEvent event(picture, now.reachable ? QAccessible::ObjectShow
                                                              : QAccessible::ObjectHide);
                QAccessible::updateAccessibility(&event);
            }
            if (before.available != now.available) {
                QAccessible::State changed;
                changed.disabled = true;
                QAccessibleStateChangeEvent event(picture, changed);
                QAccessible::updateAccessibility(&event);
            }
        }
    }

    void tell(const Picture *picture, QAccessible::Event type) const
    {
        QAccessibleEvent event(interfaceFor(Part{picture, nullptr}), type);
        QAccessible::updateAccessibility(&event);
    }

    void tell(const DescribedArea *area, QAccessible::Event type) const
    {
        QAccessibleEvent event(interfaceFor(Part{nullptr, area}), type);
        QAccessible::updateAccessibility(&event);
    }

    // The words wait two turns of the event loop, so that they follow the focus events of
    // the handler that asked for them, and the focused place a surface tells one turn
    // after it gains the focus: Orca cuts off what it is saying when the focus moves.
    void announce(const QString &words)
    {
        m_pending = words;
        if (std::exchange(m_announcing, true))
            return;
        later(surface(), [](Surface *once) {
            later(once, [](Surface *twice) {
                if (SurfaceAccessible *self = find(twice))
                    self->showAnnouncement();
            });
        });
    }

private:
    struct Part {
        const Picture *picture;
        const DescribedArea *area;
        bool operator<(const Part &other) const
        {
            return std::pair(picture, area) < std::pair(other.picture, other.area);
        }
    };
    struct Seen {
        bool reachable;
        bool available;
    };

    Surface *surface() const { return static_cast<Surface *>(widget()); }

    static SurfaceAccessible *find(Surface *surface)
    {
        return QAccessible::isActive() ? static_cast<SurfaceAccessible *>(
                                             QAccessible::queryAccessibleInterface(surface))
                                       : nullptr;
    }

    static void later(Surface *surface, void (*then)(Surface *))
    {
        QMetaObject::invokeMethod(
            surface, [surface, then] { then(surface); }, Qt::QueuedConnection);
    }

    // A new name, which refreshes a reader's copy of it, then a show, which Orca speaks.
    void showAnnouncement()
    {
        m_announcing = false;
        QAccessibleInterface *part = interfaceFor(announcement);
        static_cast<AnnouncementAccessible *>(part)->setWords(std::exchange(m_pending, {}));
        QAccessibleEvent renamed(part, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
        QAccessibleEvent shown(part, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }

    std::vector<Part> parts() const
    {
        std::vector<Part> own;
        for (const auto &control : surface()->controls()) {
            const auto *picture = dynamic_cast<const Picture *>(control.get());
            if (picture && picture->hasClickHandler())
                own.push_back({picture, nullptr});
        }
        for (const auto &area : surface()->describedAreas())
            own.push_back({nullptr, area.get()});
        own.push_back(announcement);
        return own;
    }

    // Child widgets, less the text boxes read as part of another's sentence.
    std::vector<QWidget *> widgets() const
    {
        std::vector<QWidget *> children;
        for (QObject *object : surface()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            const auto *box = qobject_cast<TextBox *>(object);
            if (child && !child->isWindow() && !(box && box->isPartOfSentence()))
                children.push_back(child);
        }
        return children;
    }

    QAccessibleInterface *interfaceFor(const Part &part) const
    {
        auto found = m_ids.find(part);
        if (found == m_ids.end()) {
            QAccessibleInterface *created = nullptr;
            if (part.picture)
                created = new PictureAccessible(surface(), part.picture);
            else if (part.area)
                created = new DescribedAreaAccessible(surface(), part.area);
            else
                created = new AnnouncementAccessible(surface());
            found = m_ids.emplace(part, QAccessible::registerAccessibleInterface(created)).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }

    static constexpr Part announcement{nullptr, nullptr};

    mutable std::map<Part, QAccessible::Id> m_ids;
    std::map<const Picture *, Seen> m_seen;
    QString m_pending;
    bool m_announcing = false;
};

SurfaceAccessible *accessibleSurface(Surface *surface)
{
    if (!QAccessible::isActive())
        return nullptr;
    return static_cast<SurfaceAccessible *>(QAccessible::queryAccessibleInterface(surface));
}

} // namespace

QAccessibleInterface *makeAccessible(Surface *surface)
{
    return new SurfaceAccessible(surface);
}

void notifyPicturesChanged(Surface *surface)
{
    if (SurfaceAccessible *accessible = accessibleSurface(surface))
        accessible->refresh(true);
}

void notifyFocus(Surface *surface)
{
    SurfaceAccessible *accessible = accessibleSurface(surface);
    if (const Picture *focused = surface->focusedPicture(); accessible && focused)
        accessible->tell(focused, QAccessible::Focus);
}

void notifyDescriptionChanged(Surface *surface, const DescribedArea *area)
{
    if (SurfaceAccessible *accessible = accessibleSurface(surface))
        accessible->tell(area, QAccessible::DescriptionChanged);
}

void announce(Surface *surface, const QString &words)
{
    if (SurfaceAccessible *accessible = accessibleSurface(surface))
        accessible->announce(words);
}

} // namespace forms
