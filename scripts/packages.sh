# The Debian packages each command needs; sourced by the scripts.
build_packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core)
# The screen-reader test: a virtual display, a D-Bus session, the AT-SPI bus
# and its Python client, and grabs of the screen.
test_packages=(desktop-file-utils appstream xvfb xauth dbus at-spi2-core python3-pyatspi
               imagemagick)
screenshot_packages=(xvfb xauth imagemagick)
bench_packages=(libbenchmark-dev libx11-dev xvfb xauth x11-utils xdotool imagemagick)
