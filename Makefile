# The front door: `make demo` prints a sample document through the driver, `make test` runs every test,
# `make fuzz` fuzzes every untrusted input for FUZZ_SECONDS per harness and sweeps every fault. Each does all
# the set-up on a fresh machine.

MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
WORLD ?= out/world
DEMO_OPTIONS ?=
FUZZ_SECONDS ?= 60
FUZZ_HARNESSES ?=
FUZZ_SWEEP ?= full

.PHONY: demo test fuzz deps build-release build-test build-fuzz clean

deps:
	@tools/setup-deps

build-release: deps
	@cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O2 >/dev/null
	@cmake --build build/release -j $(JOBS)

build-test: deps
	@cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DQN_SANITIZE=ON >/dev/null
	@cmake --build build/test -j $(JOBS)

build-fuzz:
	@tools/setup-deps fuzz
	@cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
	       -DCMAKE_CXX_COMPILER=clang++ -DQN_FUZZ=ON >/dev/null
	@cmake --build build/fuzz -j $(JOBS) --target fuzz_harnesses

demo: build-release
	build/release/bin/qnprint --world $(WORLD) $(DEMO_OPTIONS)

test: build-test
	cd build/test && ctest --output-on-failure -j $(JOBS)

# Each harness for FUZZ_SECONDS on JOBS processes; then, unless FUZZ_SWEEP=none, the fault sweeps over every
# call (make test samples them).
fuzz: build-fuzz
	tools/run-fuzz build/fuzz $(FUZZ_SECONDS) $(JOBS) $(FUZZ_HARNESSES)
ifneq ($(FUZZ_SWEEP),none)
	@$(MAKE) build-test
	cd build/test && QN_FULL_SWEEP=1 ctest --output-on-failure -j $(JOBS) -R FaultSweep
endif

clean:
	rm -rf build out
