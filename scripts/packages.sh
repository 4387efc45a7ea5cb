# The Debian packages each command needs; sourced by the scripts.
build_packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core)
test_packages=(desktop-file-utils appstream qt6-svg-dev)
screenshot_packages=(xvfb xauth imagemagick)
bench_packages=(libbenchmark-dev libx11-dev xvfb xauth x11-utils xdotool imagemagick)
