# SPDX-License-Identifier: MIT
# `make run` builds and starts Numora; `make test` builds and runs every test, including the
# sanitizer build of the engine. Both install what they need first.
BUILD ?= build
SAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)

.PHONY: deps build run test test-asan bench clean

deps:
	bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/numora

test: build test-asan
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The engine tests and the random-key soak under address and undefined-behaviour sanitizers.
test-asan: deps
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNUMORA_SANITIZE=ON -DNUMORA_GUI=OFF -DNUMORA_BENCH=OFF
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bin/key_press_bench

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
