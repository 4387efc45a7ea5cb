// The surface's accessible interface, made by the factory that accessibility.cpp installs.
#pragma once

class QAccessibleInterface;

namespace forms {

class Surface;

QAccessibleInterface *makeAccessible(Surface *surface);

} // namespace forms
