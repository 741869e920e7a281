# make run   installs what is missing, builds and starts PLUVIK
# make test  installs what is missing, builds and runs every test, then runs
#            them again under AddressSanitizer and UndefinedBehaviorSanitizer,
#            and last the calculation tests built for Windows, under Wine
# make test-windows  that last step alone
# make package  builds the Debian package build/pluvik_VERSION_ARCH.deb
# make mutants  plants each fault of tests/mutants/*.txt in turn in a copy of
#               the tree (build-mutants/), rebuilds, runs the tests and lists
#               the faults no test caught; not part of make test

PACKAGES := cmake make g++ qt6-base-dev libgl-dev libqpdf-dev qpdf pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
            clang-format xvfb xauth xfonts-base fonts-dejavu-core fonts-liberation openbox xdotool x11-utils \
            librsvg2-bin desktop-file-utils dpkg-dev poppler-utils dbus-daemon at-spi2-core python3-pyatspi \
            qt6-translations-l10n qt6-l10n-tools orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
# The Windows build of the calculation core: the MinGW-w64 cross compiler,
# Wine to run its tests, GoogleTest's sources to build with it, and g++ for
# the Linux figures it is compared with.
WINDOWS_PACKAGES := cmake make g++ g++-mingw-w64-x86-64-posix wine wine64 googletest
JOBS ?= 2
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test deps deps-windows build build-asan build-windows format format-check mutants-check unit-tests \
        asan-tests test-windows bench bench-start package mutants clean

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./build/pluvik; else xvfb-run -a ./build/pluvik; fi

test: build format-check mutants-check unit-tests asan-tests test-windows

# Installs those of the Debian packages $(1) that are missing.
define install-missing
@missing=""; for p in $(1); do \
  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
done; \
if [ -n "$$missing" ]; then \
  echo "Installing:$$missing"; \
  $(SUDO) apt-get update -qq && \
  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
fi
endef

deps:
	$(call install-missing,$(PACKAGES))

deps-windows:
	$(call install-missing,$(WINDOWS_PACKAGES))

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS)

build-asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPLUVIK_SANITIZE=ON -DPLUVIK_BENCH=OFF
	cmake --build build-asan -j $(JOBS)

# The calculation core and its tests cross-built for 64-bit Windows; CTest
# runs them under Wine, in a Wine prefix of the build folder's own, and
# compares the figures with those of calc_figures built for Linux alongside.
build-windows: deps-windows
	cmake -S . -B build-windows/linux -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLUVIK_CALC_ONLY=ON
	cmake --build build-windows/linux --target calc_figures -j $(JOBS)
	cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPLUVIK_CALC_ONLY=ON -DPLUVIK_LINUX_FIGURES=$(CURDIR)/build-windows/linux/tests/calc/calc_figures
	cmake --build build-windows -j $(JOBS)

test-windows: build-windows
	cd build-windows && ctest --output-on-failure -j $(JOBS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

# Every planted fault of tests/mutants/*.txt still finds its place in the code.
mutants-check:
	python3 tools/mutants.py --check

format-check: deps
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h' 2>/dev/null || find app calc tabs lang tools tests bench -name '*.cpp' -o -name '*.h')

unit-tests: build
	cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

asan-tests: build-asan
	cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

bench: build
	./build/bench/calc_bench
	./build/bench/sizing_bench
	./build/bench/record_bench

package: build
	cd build && cpack -G DEB
	@ls build/pluvik_*.deb

bench-start: build
	bash bench/startup.sh

mutants: deps
	python3 tools/mutants.py

clean:
	rm -rf build build-asan build-windows build-mutants
