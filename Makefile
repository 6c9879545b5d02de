# The front door: `make demo` prints a sample document through the driver, `make test` runs every test.
# Each does all the set-up on a fresh machine.

MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
WORLD ?= out/world
DEMO_OPTIONS ?=

.PHONY: demo test deps build-release build-test clean

deps:
	@tools/setup-deps

build-release: deps
	@cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O2 >/dev/null
	@cmake --build build/release -j $(JOBS)

build-test: deps
	@cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DQN_SANITIZE=ON >/dev/null
	@cmake --build build/test -j $(JOBS)

demo: build-release
	build/release/bin/qnprint --world $(WORLD) $(DEMO_OPTIONS)

test: build-test
	cd build/test && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf build out
