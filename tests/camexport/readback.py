#!/usr/bin/env python3
# Reads an exported cam back with readers that owe nothing to Kestrilon: Python's XML parser
# and svgelements for SVG (with rsvg-convert for its size on a raster), ezdxf for DXF, and
# poppler's pdfinfo, pdftoppm, pdftotext and pdftocairo for PDF. Prints what it measured as
# one JSON object, in mm, for the test to hold against the computed profile.
# Usage: readback.py svg|dxf|pdf FILE WORKDIR
#        readback.py crossings FILE...   (the first two edges of each outline that meet)
import json
import math
import os
import re
import struct
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

INKSCAPE = "{http://www.inkscape.org/namespaces/inkscape}"
SVG = "{http://www.w3.org/2000/svg}"


def distance_to_segment(p, a, b):
    ax, ay = a
    bx, by = b
    px, py = p
    dx, dy = bx - ax, by - ay
    span = dx * dx + dy * dy
    t = 0 if span == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / span))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def measure_outline(points, closed, centre):
    """Closure, area and the largest and smallest radius of a polygon about the centre."""
    if len(points) > 1 and math.dist(points[0], points[-1]) < 1e-9:
        points = points[:-1]
    area = 0.0
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        area += x1 * y2 - x2 * y1
    edges = list(zip(points, points[1:] + points[:1]))
    return {
        "closed": closed,
        "vertices": len(points),
        "area": abs(area) / 2,
        "rmax": max(math.dist(p, centre) for p in points),
        "rmin": min(distance_to_segment(centre, a, b) for a, b in edges),
    }


def measure_hole(lines, arc_points, centre):
    """How far the hole reaches from the centre and how near its edge comes to it."""
    reach = [math.dist(p, centre) for line in lines for p in line]
    reach += [math.dist(p, centre) for p in arc_points]
    nearest = [distance_to_segment(centre, a, b) for a, b in lines]
    nearest += [math.dist(p, centre) for p in arc_points]
    return {"reach": max(reach), "nearest": min(nearest)}


def crossing(line1, line2):
    """Where two lines (each two points) cross, when they cross at both midpoints."""
    mid1 = ((line1[0][0] + line1[1][0]) / 2, (line1[0][1] + line1[1][1]) / 2)
    mid2 = ((line2[0][0] + line2[1][0]) / 2, (line2[0][1] + line2[1][1]) / 2)
    return mid1 if math.dist(mid1, mid2) < 0.01 else None


def centre_of_cross(lines):
    for i, first in enumerate(lines):
        for second in lines[i + 1:]:
            found = crossing(first, second)
            if found:
                return found
    raise SystemExit("no centre mark: no two lines cross at their midpoints")


def png_size(path):
    with open(path, "rb") as png:
        header = png.read(24)
    return list(struct.unpack(">II", header[16:24]))


# SVG ----------------------------------------------------------------------------------------

def segments_of(element):
    """The lines and sampled arc points of a reified svgelements shape, in user units."""
    import svgelements
    lines, arc_points, closed, only_lines = [], [], False, True
    for segment in element.segments():
        if isinstance(segment, svgelements.Move):
            continue
        if isinstance(segment, svgelements.Close):
            closed = True
            if segment.start != segment.end:
                lines.append((tuple(segment.start), tuple(segment.end)))
        elif isinstance(segment, svgelements.Line):
            lines.append((tuple(segment.start), tuple(segment.end)))
        else:
            only_lines = False
            arc_points += [tuple(segment.point(k / 400)) for k in range(401)]
    return lines, arc_points, closed, only_lines


def read_svg(path, work):
    import svgelements
    root = ElementTree.parse(path).getroot()
    result = {"width": root.get("width"), "height": root.get("height"),
              "viewBox": root.get("viewBox")}
    units = re.fullmatch(r"([0-9.]+)mm", root.get("width", "")), \
        re.fullmatch(r"([0-9.]+)mm", root.get("height", ""))
    box = [float(v) for v in root.get("viewBox", "").split()]
    result["units_ok"] = bool(units[0] and units[1] and len(box) == 4 and box[:2] == [0, 0]
                              and float(units[0].group(1)) == box[2]
                              and float(units[1].group(1)) == box[3])
    result["page_mm"] = box[2:] if len(box) == 4 else None
    layers = {}
    for group in root.iter(SVG + "g"):
        if group.get(INKSCAPE + "groupmode") == "layer":
            layers[group.get("id")] = {
                "label": group.get(INKSCAPE + "label"),
                "elements": [child.get("id") for child in group],
                "strokes": sorted({child.get("stroke") for child in group}),
                "fills": sorted({child.get("fill") for child in group}),
            }
    result["layers"] = layers

    # At 25.4 pixels an inch a millimetre is one pixel, so whatever scale the viewBox and the
    # width set shows in the coordinates svgelements gives.
    drawing = svgelements.SVG.parse(path, ppi=25.4)
    shapes = {element.id: element for element in drawing.elements()
              if isinstance(element, svgelements.Shape)}
    cross_lines, _, _, _ = segments_of(shapes["centre-mark"])
    centre = centre_of_cross(cross_lines)
    lines, _, closed, only_lines = segments_of(shapes["outline"])
    points = [line[0] for line in lines]
    result["outline"] = measure_outline(points, closed and only_lines, centre)
    hole = shapes["shaft-hole"]
    if isinstance(hole, svgelements.Circle):
        result["hole"] = {"reach": hole.implicit_rx, "nearest": hole.implicit_rx}
        result["hole_kind"] = "circle"
    else:
        lines, arc_points, closed, _ = segments_of(hole)
        result["hole"] = measure_hole(lines, arc_points, centre)
        result["hole_kind"] = "path with arc" if arc_points else "polygon"
        result["hole_closed"] = closed
    result["construction"] = sum(len(layer["elements"]) for key, layer in layers.items()
                                 if key not in ("cut", "engrave"))

    # The sheet drawn at 254 dots an inch is ten pixels a millimetre in every direction.
    png = os.path.join(work, "readback-svg.png")
    subprocess.run(["rsvg-convert", "--dpi-x", "254", "--dpi-y", "254", "-o", png, path],
                   check=True)
    result["png_px"] = png_size(png)
    return result


# DXF ----------------------------------------------------------------------------------------

def read_dxf(path, work):
    import ezdxf
    document = ezdxf.readfile(path)
    auditor = document.audit()
    result = {
        "version": document.dxfversion,
        "audit_errors": [str(error.message) for error in auditor.errors],
        "insunits": document.header.get("$INSUNITS"),
        "layers": sorted(layer.dxf.name for layer in document.layers),
    }
    space = document.modelspace()
    by_layer = {}
    for entity in space:
        by_layer.setdefault(entity.dxf.layer, []).append(entity)
    result["entities"] = {layer: sorted(entity.dxftype() for entity in entities)
                          for layer, entities in by_layer.items()}

    engrave_lines = [((e.dxf.start.x, e.dxf.start.y), (e.dxf.end.x, e.dxf.end.y))
                     for e in by_layer.get("ENGRAVE", []) if e.dxftype() == "LINE"]
    centre = centre_of_cross(engrave_lines)

    cut = by_layer.get("CUT", [])
    polylines = sorted((e for e in cut if e.dxftype() == "POLYLINE"),
                       key=lambda e: len(e.vertices), reverse=True)
    outline = polylines[0]
    points = [(v.dxf.location.x, v.dxf.location.y) for v in outline.vertices]
    result["outline"] = measure_outline(points, outline.is_closed, centre)

    lines, arc_points = [], []
    for entity in cut:
        kind = entity.dxftype()
        if kind == "CIRCLE" or kind == "ARC":
            arc_points += [(p.x, p.y) for p in entity.flattening(0.0001)]
            if kind == "CIRCLE":
                # Every point of a circle is on it; its centre must be the shaft's.
                arc_points = [(entity.dxf.center.x + entity.dxf.radius, entity.dxf.center.y)]
                result["hole_centre_offset"] = math.dist(
                    (entity.dxf.center.x, entity.dxf.center.y), centre)
        elif kind == "LINE":
            lines.append(((entity.dxf.start.x, entity.dxf.start.y),
                          (entity.dxf.end.x, entity.dxf.end.y)))
    for polyline in polylines[1:]:
        corners = [(v.dxf.location.x, v.dxf.location.y) for v in polyline.vertices]
        lines += list(zip(corners, corners[1:] + corners[:1]))
    result["hole"] = measure_hole(lines, arc_points, centre)
    result["construction"] = sum(len(entities) for layer, entities in by_layer.items()
                                 if layer not in ("CUT", "ENGRAVE"))
    return result


# PDF ----------------------------------------------------------------------------------------

def read_pdf(path, work):
    info = subprocess.run(["pdfinfo", path], check=True, capture_output=True,
                          text=True).stdout
    size = re.search(r"Page size:\s+([0-9.]+) x ([0-9.]+) pts", info)
    pages = re.search(r"Pages:\s+(\d+)", info)
    result = {"page_mm": [float(size.group(1)) * 25.4 / 72, float(size.group(2)) * 25.4 / 72],
              "pages": int(pages.group(1))}
    result["text"] = subprocess.run(["pdftotext", "-layout", path, "-"], check=True,
                                    capture_output=True, text=True).stdout

    # The check bar: the longest dark run along any row, at ten pixels a millimetre.
    prefix = os.path.join(work, "readback-pdf")
    subprocess.run(["pdftoppm", "-r", "254", "-gray", "-f", "1", "-l", "1", path, prefix],
                   check=True)
    with open(prefix + "-1.pgm", "rb") as pgm:
        data = pgm.read()
    fields = data.split(maxsplit=4)
    width, height = int(fields[1]), int(fields[2])
    pixels = fields[4]
    longest = 0
    rows = 0
    for row in range(height):
        line = pixels[row * width:(row + 1) * width]
        run = best = 0
        for value in line:
            run = run + 1 if value < 128 else 0
            best = max(best, run)
        longest = max(longest, best)
        rows += best > 300
    result["bar_mm"] = longest / 10
    result["bar_rows"] = rows

    # The drawing itself, as poppler's cairo output gives it: black strokes are the cut.
    import svgelements
    vector = os.path.join(work, "readback-pdf.svg")
    subprocess.run(["pdftocairo", "-svg", "-f", "1", "-l", "1", path, vector], check=True)
    drawing = svgelements.SVG.parse(vector)
    # The sheet's width in whatever unit svgelements counts its points is the page's.
    to_mm = result["page_mm"][0] / drawing.width
    cut, marks, construction = [], [], 0
    for element in drawing.elements():
        if not isinstance(element, svgelements.Path) or element.stroke is None \
                or element.stroke.value is None:
            continue
        colour = (element.stroke.red, element.stroke.green, element.stroke.blue)
        points = [(p.x * to_mm, p.y * to_mm) for p in
                  (segment.end for segment in element.segments()
                   if not isinstance(segment, svgelements.Close))]
        if colour == (0, 0, 0):
            cut.append(points)
        elif colour[2] > 150 and colour[0] < 60:
            marks.append(points)
        elif colour[1] > 100 and colour[0] < 30:
            construction += 1
    centre = centre_of_cross([m for m in marks if len(m) == 2])
    cut.sort(key=lambda polygon: measure_outline(polygon, True, centre)["area"], reverse=True)
    result["outline"] = measure_outline(cut[0], True, centre)
    hole = cut[1]
    result["hole"] = measure_hole(list(zip(hole, hole[1:] + hole[:1])), [], centre)
    result["construction"] = construction
    return result


# Crossings -----------------------------------------------------------------------------------

def outline_points(path):
    """The cut outline's corners as the file gives them, SVG or DXF."""
    if path.endswith(".svg"):
        import svgelements
        drawing = svgelements.SVG.parse(path, ppi=25.4)
        outline = next(element for element in drawing.elements()
                       if isinstance(element, svgelements.Shape) and element.id == "outline")
        lines, _, _, _ = segments_of(outline)
        return [line[0] for line in lines]
    import ezdxf
    cut = [e for e in ezdxf.readfile(path).modelspace()
           if e.dxf.layer == "CUT" and e.dxftype() == "POLYLINE"]
    outline = max(cut, key=lambda e: len(e.vertices))
    return [(v.dxf.location.x, v.dxf.location.y) for v in outline.vertices]


def side(a, b, p):
    return (b[0] - a[0]) * (p[1] - a[1]) - (b[1] - a[1]) * (p[0] - a[0])


def between(a, b, p):
    return (min(a[0], b[0]) <= p[0] <= max(a[0], b[0])
            and min(a[1], b[1]) <= p[1] <= max(a[1], b[1]))


def edges_meet(a, b, c, d):
    """Whether the closed segments ab and cd have a point in common."""
    d1, d2, d3, d4 = side(c, d, a), side(c, d, b), side(a, b, c), side(a, b, d)
    if d1 * d2 < 0 and d3 * d4 < 0:
        return True
    return ((d1 == 0 and between(c, d, a)) or (d2 == 0 and between(c, d, b))
            or (d3 == 0 and between(a, b, c)) or (d4 == 0 and between(a, b, d)))


def first_crossing(points):
    """Two edges of the closed polygon that meet, other than neighbours at their shared
    corner, or None when it is simple. A corner given twice in a row, or neighbours that
    double back over each other, count as meeting too."""
    if len(points) > 1 and points[0] == points[-1]:
        points = points[:-1]
    n = len(points)
    edges = [(points[i], points[(i + 1) % n]) for i in range(n)]
    for i, (a, b) in enumerate(edges):
        if a == b:
            return [i, i]
        c = edges[(i + 1) % n][1]
        if side(a, b, c) == 0 and (b[0] - a[0]) * (c[0] - b[0]) + (b[1] - a[1]) * (c[1] - b[1]) < 0:
            return [i, (i + 1) % n]
    # Swept from left to right: only edges whose spans across overlap are compared.
    order = sorted(range(n), key=lambda i: min(edges[i][0][0], edges[i][1][0]))
    for k, i in enumerate(order):
        a, b = edges[i]
        right = max(a[0], b[0])
        for j in order[k + 1:]:
            c, d = edges[j]
            if min(c[0], d[0]) > right:
                break
            if abs(i - j) in (1, n - 1):
                continue
            if max(c[1], d[1]) < min(a[1], b[1]) or min(c[1], d[1]) > max(a[1], b[1]):
                continue
            if edges_meet(a, b, c, d):
                return sorted([i, j])
    return None


def read_crossings(paths):
    result = []
    for path in paths:
        points = outline_points(path)
        result.append({"path": path, "vertices": len(points),
                       "crossing": first_crossing(points)})
    return result


def main():
    if sys.argv[1] == "crossings":
        print(json.dumps(read_crossings(sys.argv[2:])))
        return
    kind, path, work = sys.argv[1:4]
    reader = {"svg": read_svg, "dxf": read_dxf, "pdf": read_pdf}[kind]
    print(json.dumps(reader(path, work)))


if __name__ == "__main__":
    main()
