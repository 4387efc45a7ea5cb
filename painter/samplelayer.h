// Shapes drawn at several samples a device pixel and then resolved into a picture: a pixel
// that one paint covers wholly keeps that paint's exact colour, and a pixel on an edge takes
// the paints under it, and the picture beneath for what is left, by how much each covers.
// Outlines are bands measured inward from a shape's edge, so a thin outline stays thin at
// every slant instead of stepping along the pixel rows.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QRgb>

#include <functional>
#include <vector>

namespace painter {

class SampleLayer
{
public:
    // The colour a paint gives device pixel x, y; a check, say, picks by the pixel's parity.
    using Paint = std::function<QRgb(int x, int y)>;

    // Covers `bounds` of the target picture, in device pixels, `samples` by `samples` each.
    SampleLayer(QRect bounds, int samples);

    int addPaint(Paint paint);
    int addColour(QRgb colour); // one paint for each colour, however often asked

    // Which samples `shape` (in device pixels) covers, by each sample's centre.
    std::vector<bool> cover(const QPainterPath &shape) const;
    // The samples of `inside` within `reach` device pixels of a sample outside it.
    std::vector<bool> border(const std::vector<bool> &inside, double reach) const;

    void set(const std::vector<bool> &where, int paint);
    void erase(const std::vector<bool> &where) { set(where, empty); }
    // `shape` filled with `paint`, and its border `reach` device pixels thick with `outline`.
    void fillOutlined(const QPainterPath &shape, int paint, int outline, double reach);

    // The paint of each sample, 0 where none, row by row.
    std::vector<int> &paints() { return m_paints; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int samples() const { return m_samples; }
    QRect bounds() const { return m_bounds; }

    void resolve(QImage &target) const;

    static constexpr int empty = 0;

private:
    QRect m_bounds;
    int m_samples;
    int m_width;
    int m_height;
    std::vector<int> m_paints;
    std::vector<Paint> m_palette;
    std::vector<std::pair<QRgb, int>> m_colours;
};

} // namespace painter
