#include "accessibility.h"

#include "surface.h"
#include "textbox.h"

#include <QAccessibleWidget>
#include <QRegion>
#include <QWindow>

#include <map>
#include <memory>

namespace forms {

namespace {

class PictureAccessible final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    PictureAccessible(Surface *surface, const Picture *picture)
        : m_surface(surface)
        , m_picture(picture)
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

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && m_surface ? m_picture->accessibleName() : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!m_surface)
            return {};
        const QRect area = m_picture->area();
        return QRect(m_surface->mapToGlobal(area.topLeft()), area.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_surface || !m_picture->isVisible();
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
        if (m_surface && action == pressAction() && m_picture->isVisible())
            m_picture->click();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<Surface> m_surface;
    const Picture *m_picture;
};

// The surface's children: its visible clickable pictures, top first, then
// its real child widgets.
class SurfaceAccessible final : public QAccessibleWidget
{
public:
    explicit SurfaceAccessible(Surface *surface)
        : QAccessibleWidget(surface, QAccessible::Client)
    {
    }

    ~SurfaceAccessible() override
    {
        for (const auto &[picture, id] : m_ids)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override
    {
        return int(offered().size()) + QAccessibleWidget::childCount();
    }

    QAccessibleInterface *child(int index) const override
    {
        const std::vector<const Picture *> pictures = offered();
        if (index >= 0 && index < int(pictures.size()))
            return pictureInterface(pictures[std::size_t(index)]);
        return QAccessibleWidget::child(index - int(pictures.size()));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const std::vector<const Picture *> pictures = offered();
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            if (pictureInterface(pictures[i]) == child)
                return int(i);
        }
        const int widget = QAccessibleWidget::indexOfChild(child);
        return widget < 0 ? -1 : widget + int(pictures.size());
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface *candidate = child(i);
            if (candidate && candidate->rect().contains(x, y))
                return candidate;
        }
        return nullptr;
    }

private:
    Surface *surface() const { return static_cast<Surface *>(widget()); }

    // A picture is offered where a click could reach it: visible, with a
    // handler, and not wholly covered by visible pictures above it.
    std::vector<const Picture *> offered() const
    {
        std::vector<const Picture *> pictures;
        QRegion covered;
        for (const auto &control : surface()->controls()) {
            const auto *picture = dynamic_cast<const Picture *>(control.get());
            if (!picture || !picture->isVisible())
                continue;
            const QRegion reachable = QRegion(picture->area().intersected(surface()->rect()))
                                          .subtracted(covered);
            if (picture->hasClickHandler() && !reachable.isEmpty())
                pictures.push_back(picture);
            covered += picture->area();
        }
        return pictures;
    }

    QAccessibleInterface *pictureInterface(const Picture *picture) const
    {
        auto found = m_ids.find(picture);
        if (found == m_ids.end()) {
            auto *created = new PictureAccessible(surface(), picture);
            found = m_ids.emplace(picture, QAccessible::registerAccessibleInterface(created)).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }

    mutable std::map<const Picture *, QAccessible::Id> m_ids;
};

class TextBoxAccessible final : public QAccessibleWidget
{
public:
    explicit TextBoxAccessible(TextBox *box)
        : QAccessibleWidget(box, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<TextBox *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("forms::Surface"))
        return new SurfaceAccessible(static_cast<Surface *>(object));
    if (className == QLatin1String("forms::TextBox"))
        return new TextBoxAccessible(static_cast<TextBox *>(object));
    return nullptr;
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

} // namespace forms
