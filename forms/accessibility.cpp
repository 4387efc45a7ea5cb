#include "accessibility.h"

#include "surface.h"
#include "textbox.h"

#include <QAccessibleWidget>
#include <QRegion>
#include <QWindow>

#include <map>

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

// The surface's children: every clickable picture, top first, shown as
// invisible while a click cannot reach it; then the described areas; then its
// real child widgets. The set never changes, so a reader's copy of the tree
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
            QAccessibleInterface *created =
                part.picture
                    ? static_cast<QAccessibleInterface *>(
                          new PictureAccessible(surface(), part.picture))
                    : new DescribedAreaAccessible(surface(), part.area);
            found = m_ids.emplace(part, QAccessible::registerAccessibleInterface(created)).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }

    mutable std::map<Part, QAccessible::Id> m_ids;
    std::map<const Picture *, Seen> m_seen;
};

// Read as static text, with the Text interface so a reader can read it whole
// or by parts; its name is its text unless the form gives it another.
class TextBoxAccessible final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit TextBoxAccessible(TextBox *box)
        : QAccessibleWidget(box, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) {
            const QString given = box()->accessibleName();
            return given.isEmpty() ? box()->text() : given;
        }
        return QAccessibleWidget::text(kind);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override
    {
        return box()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    TextBox *box() const { return static_cast<TextBox *>(widget()); }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("forms::Surface"))
        return new SurfaceAccessible(static_cast<Surface *>(object));
    if (className == QLatin1String("forms::TextBox"))
        return new TextBoxAccessible(static_cast<TextBox *>(object));
    return nullptr;
}

SurfaceAccessible *accessibleSurface(Surface *surface)
{
    if (!QAccessible::isActive())
        return nullptr;
    return static_cast<SurfaceAccessible *>(QAccessible::queryAccessibleInterface(surface));
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
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

} // namespace forms
