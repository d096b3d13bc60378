# The two commands of the README: `make run` and `make test`; `make package`
# builds the Debian package.
BUILD         ?= build
ASAN_BUILD    ?= build-asan
PACKAGE_BUILD ?= build-package
JOBS          ?= $(shell nproc)

.PHONY: run test bench package deps package-deps configure build clean

deps:
	bash scripts/install-deps.sh

package-deps:
	bash scripts/install-deps.sh package

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The package's own build: the program alone (no tests, no benchmarks), with
# Debian's hardening flags.
$(PACKAGE_BUILD)/build.ninja:
	cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFIXTORA_TESTS=OFF -DFIXTORA_DEBIAN_FLAGS=ON

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFIXTORA_SANITIZE=ON -DFIXTORA_BENCH=OFF

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/fixtora

# Every test on the normal build, then the storage and platform tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
test: build $(ASAN_BUILD)/build.ninja
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target test_platform test_model
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS) -L core

# The .deb lands in $(PACKAGE_BUILD): install it with `apt install ./$(PACKAGE_BUILD)/fixtora_*.deb`.
package: package-deps $(PACKAGE_BUILD)/build.ninja
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack

bench: build
	$(BUILD)/bench/fixtora_bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(PACKAGE_BUILD)
