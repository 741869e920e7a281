# make run   installs what is missing, builds and starts PLUVIK
# make test  installs what is missing, builds and runs every test, then runs
#            them again under AddressSanitizer and UndefinedBehaviorSanitizer
# make package  builds the Debian package build/pluvik_VERSION_ARCH.deb

PACKAGES := cmake make g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev \
            clang-format xvfb xauth xfonts-base fonts-dejavu-core fonts-liberation openbox xdotool x11-utils \
            librsvg2-bin desktop-file-utils dpkg-dev poppler-utils
JOBS ?= 2
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test deps build build-asan format format-check unit-tests asan-tests bench bench-start package clean

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./build/pluvik; else xvfb-run -a ./build/pluvik; fi

test: build format-check unit-tests asan-tests

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS)

build-asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPLUVIK_SANITIZE=ON -DPLUVIK_BENCH=OFF
	cmake --build build-asan -j $(JOBS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

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

clean:
	rm -rf build build-asan
