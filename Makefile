# Makefile: the project's two commands. `make run` opens the window; `make test` builds
# everything and runs the whole test suite. Both install the Debian packages they lack.
BUILD := build
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test deps binaries

run: binaries
	$(BUILD)/uslova

test: binaries
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

deps:
	@sh scripts/deps.sh

binaries: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)
