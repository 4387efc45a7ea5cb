#include "describedarea.h"

#include "accessibility.h"

namespace forms {

DescribedArea::DescribedArea(Surface *surface, QString name, QRect area)
    : m_surface(surface)
    , m_name(std::move(name))
    , m_area(area)
{
}

void DescribedArea::descriptionChanged() const
{
    notifyDescriptionChanged(m_surface, this);
}

} // namespace forms
