# SPDX-License-Identifier: MIT
# Two targets that do everything on a fresh Debian 12 or 13 (both proven by CI;
# Ubuntu 24.04, with Debian 12's Qt 6.4, is expected to work):
#   make run   installs what is missing, builds and starts the game
#   make test  installs what is missing, builds and runs every test headless
#   make deb   the Debian package and its source archive, in the build folder
# two for Windows, built and checked here without Windows:
#   make windows       one self-contained zembra.exe and its ZIP (a static Qt is built once per machine)
#   make test-windows  the same, then its tests and the game itself under wine
# and one for Debian 13 (Qt 6.8), on any Debian or Ubuntu, as root:
#   make test-debian13 `make test` on a copy of the tree in a Debian 13 root (made once per machine)
BUILD ?= build
# What building and running the game needs, and no more: a newcomer's
# desktop gets no sound server, compositor, theme plugin or test tool.
RUN_PACKAGES = cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev \
               libsdl2-mixer-dev libfontconfig-dev qt6-qpa-plugins
# What the tests add: GoogleTest, the font generator's libraries and sources,
# a private X server, sound servers and compositor, the desktops' theme
# plugins, and the package checkers.
TEST_PACKAGES = $(RUN_PACKAGES) libgtest-dev libharfbuzz-dev libfreetype-dev \
                fonts-noto-cjk fonts-liberation2 fonts-dejavu-core fonts-urw-base35 xfonts-wqy \
                xvfb xauth xdotool x11-utils imagemagick pulseaudio pulseaudio-utils python3 \
                qt6-wayland qt6-gtk-platformtheme weston xwayland pipewire wireplumber pipewire-pulse dbus \
                desktop-file-utils appstream lintian
WINDOWS_PACKAGES = cmake ninja-build g++-mingw-w64-x86-64 wine64 fonts-wine googletest xvfb xdotool x11-utils imagemagick icoutils \
                   pulseaudio pulseaudio-utils python3 dpkg-dev qt6-base-dev qt6-base-dev-tools
PACKAGES_deps = $(TEST_PACKAGES)
PACKAGES_deps-run = $(RUN_PACKAGES)
PACKAGES_deps-windows = $(WINDOWS_PACKAGES)
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: run test deb windows test-windows test-debian13 configure configure-run build deps deps-run deps-windows clean

deps deps-run deps-windows:
	@missing=$$(for p in $(PACKAGES_$@); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

# `make run` configures without the tests, whose GoogleTest it does not install.
configure configure-run: configure%: deps%
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DZEMBRA_BUILD_TESTS=$(if $(filter configure-run,$@),OFF,ON)

# Everything: the game, its tools, the tests and the sanitized soak build.
build: configure
	cmake --build $(BUILD)

# The game alone, for a quick first start.
run: configure-run
	cmake --build $(BUILD) --target zembra
	./$(BUILD)/zembra

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

windows: deps-windows
	tools/windows/build.sh $(BUILD)-windows

test-windows: windows
	cd $(BUILD)-windows && ctest --output-on-failure

# The Debian package, reproducible, with its source archive beside it.
deb: build
	tools/release/deb.sh $(BUILD)

test-debian13:
	$(SUDO) tools/debian13/run.sh make test

clean:
	rm -rf $(BUILD) $(BUILD)-windows
