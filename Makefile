# The two commands a newcomer needs: `make run` and `make test`.
PRESET ?= dev
BUILD  := build/$(PRESET)

.PHONY: deps configure build run test bench clean format

deps:
	./scripts/install-deps

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build $(BUILD) -j2

run: build
	$(BUILD)/pacelog $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

# Runs every benchmark program of bench/ in a release build (no display needed) and prints one
# report, also written to build/release/bench-results.json.
bench:
	$(MAKE) build PRESET=release
	cmake --build build/release --target run_benchmarks

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
