# The Debian packages each command needs; sourced by the scripts.
build_packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core
                qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# The desktop checks: validators for the menu entry, the AppStream description and the
# package (dpkg-shlibdeps comes with dpkg-dev), real X11 and Wayland servers to start on,
# a window manager for what only a managed window does, xdotool to send it keys and clicks,
# Qt's SVG renderer to draw the scalable icon with, and the desktop's own file-type tools
# (xmllint, xdg-mime, shared-mime-info) for the design files' type. The screen-reader
# tests: a D-Bus session, the AT-SPI bus and its Python client, and grabs of the screen; Orca itself,
# speaking through speech-dispatcher and espeak-ng into libao's null driver, with gsettings.
# The exports read back by readers of their own: ezdxf for DXF, svgelements and rsvg-convert
# for SVG, poppler's tools for PDF.
test_packages=(desktop-file-utils appstream appstream-util lintian dpkg-dev
               xvfb xauth x11-utils openbox weston qt6-wayland qt6-svg-dev
               dbus at-spi2-core python3-pyatspi imagemagick
               orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng libao4 libao-common
               xdotool libglib2.0-bin libxml2-utils xdg-utils shared-mime-info
               python3-ezdxf python3-svgelements librsvg2-bin poppler-utils)
screenshot_packages=(xvfb xauth imagemagick)
bench_packages=(libbenchmark-dev libx11-dev xvfb xauth x11-utils xdotool imagemagick)
