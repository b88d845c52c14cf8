# SPDX-License-Identifier: MIT
# `make run` builds and starts Numora; `make test` builds and runs every test, including the
# sanitizer build of the engine; `make package` builds the Debian package. Each installs what it
# needs first: `make run` and `make package` only what building and running need, `make test`
# the test tools as well.
BUILD ?= build
SAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CONFIGURE = cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps test-deps build build-all run test test-asan bench package clean

deps:
	bash scripts/install-deps.sh

test-deps:
	bash scripts/install-deps.sh --test

# The programs, the icons and the man pages.
build: deps
	$(CONFIGURE) -DNUMORA_TESTS=OFF -DNUMORA_BENCH=OFF
	cmake --build $(BUILD) -j $(JOBS)

# The same with the tests and the benchmarks.
build-all: test-deps
	$(CONFIGURE) -DNUMORA_TESTS=ON -DNUMORA_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/numora

test: build-all test-asan
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The engine tests and the random-key soak under address and undefined-behaviour sanitizers.
test-asan: test-deps
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNUMORA_SANITIZE=ON -DNUMORA_GUI=OFF -DNUMORA_BENCH=OFF
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)

package: build
	cd $(BUILD) && cpack

bench: build-all
	$(BUILD)/bin/key_press_bench

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
