// A part of a surface that assistive technology reads as an image with a
// description, such as a traced graph. Its text is asked for only when a
// reader wants it, so a surface that changes many times a second pays for
// the words only when someone listens.
#pragma once

#include <QRect>
#include <QString>

#include <functional>

namespace forms {

class Surface;

class DescribedArea
{
public:
    DescribedArea(Surface *surface, QString name, QRect area);

    const QString &name() const { return m_name; }
    // In client pixels.
    QRect area() const { return m_area; }

    void setDescriber(std::function<QString()> describer) { m_describer = std::move(describer); }
    QString description() const { return m_describer ? m_describer() : QString(); }
    // Tells a listening reader that the description has changed.
    void descriptionChanged() const;

private:
    Surface *m_surface;
    QString m_name;
    QRect m_area;
    std::function<QString()> m_describer;
};

} // namespace forms
