# `make run` and `make test` do all the set-up on a fresh Debian machine (as root, or with sudo).
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

# Debian packages the build, the tests and the program need.
PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-base-private-dev libgl-dev libgtest-dev \
            libgmock-dev libbenchmark-dev fonts-ipafont-gothic qt6-translations-l10n

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build test run bench sanitize clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Starts the program once it is built; without a display there is nothing to show it on.
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ "$$QT_QPA_PLATFORM" != offscreen ]; then \
	    echo "make run: no display here (DISPLAY and WAYLAND_DISPLAY are unset), so the window cannot be shown; the program is built at $(BUILD)/pavrine." >&2; \
	    exit 1; \
	fi
	$(BUILD)/pavrine

# Every benchmark checks its own targets; one that misses them fails the whole run.
bench: build
	@status=0; for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] || continue; "$$b" || status=1; done; exit $$status

# Tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize:
	$(MAKE) test BUILD=build-asan BUILD_TYPE=Debug CMAKE_FLAGS=-DPAVRINE_SANITIZE=ON

clean:
	rm -rf build build-asan
