# Top-level entry points. Every target first makes sure the Debian packages are there.
BUILD      ?= build
TESTBUILD  ?= build-test
JOBS       ?= 2
CMAKE_GEN  := -G Ninja

.PHONY: deps build run test bench snapshot clean

deps:
	@scripts/deps

$(BUILD)/build.ninja: | deps
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: deps $(BUILD)/build.ninja
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run $(BUILD)/bin/Setup

snapshot: build
	@scripts/snapshot $(BUILD)

bench: build
	@scripts/bench $(BUILD)

$(TESTBUILD)/build.ninja: | deps
	@cmake -S . -B $(TESTBUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DSETUP_SANITIZE=ON >/dev/null

test: deps $(TESTBUILD)/build.ninja
	@cmake --build $(TESTBUILD) -j $(JOBS)
	@cd $(TESTBUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(TESTBUILD)
