// Coverage by counting samples; outlines by the exact distance from each sample to the
// nearest one outside its shape.
#include "painter/samplelayer.h"

#include <QPainter>

#include <algorithm>
#include <limits>

namespace painter {

namespace {

constexpr double far = 1e20; // farther than any two samples
constexpr double infinity = std::numeric_limits<double>::infinity();

// Squared distance along one line to the nearest zero of f, by the lower envelope of the
// parabolas rooted at each sample (Felzenszwalb and Huttenlocher).
void distanceAlong(const std::vector<double> &f, std::vector<double> &d, std::vector<int> &v,
                   std::vector<double> &z)
{
    const int n = int(f.size());
    auto meet = [&](int q, int p) {
        return ((f[q] + double(q) * q) - (f[p] + double(p) * p)) / (2.0 * (q - p));
    };
    int k = 0;
    v[0] = 0;
    z[0] = -infinity;
    z[1] = infinity;
    for (int q = 1; q < n; ++q) {
        double s = meet(q, v[k]);
        while (s <= z[k]) {
            --k;
            s = meet(q, v[k]);
        }
        ++k;
        v[k] = q;
        z[k] = s;
        z[k + 1] = infinity;
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[k + 1] < q)
            ++k;
        d[q] = double(q - v[k]) * (q - v[k]) + f[v[k]];
    }
}

} // namespace

SampleLayer::SampleLayer(QRect bounds, int samples)
    : m_bounds(bounds), m_samples(samples), m_width(bounds.width() * samples),
      m_height(bounds.height() * samples), m_paints(std::size_t(m_width) * m_height, empty)
{
    m_palette.push_back([](int, int) { return QRgb(0); });
}

int SampleLayer::addPaint(Paint paint)
{
    m_palette.push_back(std::move(paint));
    return int(m_palette.size()) - 1;
}

int SampleLayer::addColour(QRgb colour)
{
    for (const auto &[c, paint] : m_colours) {
        if (c == colour)
            return paint;
    }
    const int paint = addPaint([colour](int, int) { return colour; });
    m_colours.emplace_back(colour, paint);
    return paint;
}

std::vector<bool> SampleLayer::cover(const QPainterPath &shape) const
{
    QImage mask(m_width, m_height, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter painter(&mask);
        painter.scale(m_samples, m_samples);
        painter.translate(-m_bounds.topLeft());
        painter.fillPath(shape, Qt::black);
    }
    std::vector<bool> inside(m_paints.size());
    for (int y = 0; y < m_height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        for (int x = 0; x < m_width; ++x)
            inside[std::size_t(y) * m_width + x] = qAlpha(line[x]) != 0;
    }
    return inside;
}

std::vector<bool> SampleLayer::border(const std::vector<bool> &inside, double reach) const
{
    // Padded by one sample all round: the layer's own edge counts as outside.
    const int w = m_width + 2, h = m_height + 2;
    std::vector<double> grid(std::size_t(w) * h, 0.0);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            grid[std::size_t(y + 1) * w + x + 1] = inside[std::size_t(y) * m_width + x] ? far : 0.0;

    const int n = std::max(w, h);
    std::vector<double> f(n), d(n), z(n + 1);
    std::vector<int> v(n);
    for (int x = 0; x < w; ++x) {
        f.resize(h), d.resize(h);
        for (int y = 0; y < h; ++y)
            f[y] = grid[std::size_t(y) * w + x];
        distanceAlong(f, d, v, z);
        for (int y = 0; y < h; ++y)
            grid[std::size_t(y) * w + x] = d[y];
    }
    for (int y = 0; y < h; ++y) {
        f.assign(grid.begin() + std::ptrdiff_t(y) * w, grid.begin() + std::ptrdiff_t(y + 1) * w);
        d.resize(w);
        distanceAlong(f, d, v, z);
        std::copy(d.begin(), d.end(), grid.begin() + std::ptrdiff_t(y) * w);
    }

    const double limit = reach * m_samples * reach * m_samples;
    std::vector<bool> band(inside.size());
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const std::size_t i = std::size_t(y) * m_width + x;
            band[i] = inside[i] && grid[std::size_t(y + 1) * w + x + 1] <= limit;
        }
    }
    return band;
}

void SampleLayer::set(const std::vector<bool> &where, int paint)
{
    for (std::size_t i = 0; i < m_paints.size(); ++i) {
        if (where[i])
            m_paints[i] = paint;
    }
}

void SampleLayer::fillOutlined(const QPainterPath &shape, int paint, int outline, double reach)
{
    const std::vector<bool> inside = cover(shape);
    set(inside, paint);
    set(border(inside, reach), outline);
}

void SampleLayer::resolve(QImage &target) const
{
    const int all = m_samples * m_samples;
    std::vector<int> count(m_palette.size());
    for (int py = 0; py < m_bounds.height(); ++py) {
        const int ty = m_bounds.top() + py;
        if (ty < 0 || ty >= target.height())
            continue;
        for (int px = 0; px < m_bounds.width(); ++px) {
            const int tx = m_bounds.left() + px;
            if (tx < 0 || tx >= target.width())
                continue;
            std::fill(count.begin(), count.end(), 0);
            for (int sy = 0; sy < m_samples; ++sy) {
                const std::size_t row = std::size_t(py * m_samples + sy) * m_width;
                for (int sx = 0; sx < m_samples; ++sx)
                    ++count[std::size_t(m_paints[row + std::size_t(px * m_samples + sx)])];
            }
            if (count[empty] == all)
                continue;
            int r = 0, g = 0, b = 0;
            for (std::size_t paint = 0; paint < count.size(); ++paint) {
                if (count[paint] == 0)
                    continue;
                const QRgb c = paint == empty ? target.pixel(tx, ty) : m_palette[paint](tx, ty);
                r += qRed(c) * count[paint];
                g += qGreen(c) * count[paint];
                b += qBlue(c) * count[paint];
            }
            target.setPixel(tx, ty, qRgb((r + all / 2) / all, (g + all / 2) / all,
                                         (b + all / 2) / all));
        }
    }
}

} // namespace painter
