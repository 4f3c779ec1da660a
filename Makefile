# The two commands a newcomer needs: `make run` and `make test`.
PRESET ?= dev
BUILD  := build/$(PRESET)

.PHONY: deps configure build run test bench clean format install screenshots package

# The presets use Ninja: with CMake 3.25's Makefile generator, Qt 6.4's QML module rules
# rewrite the moc json file list on every build and touch the metatypes file they declare as
# a by-product, so the type registrations, every QML cache and every link ran again with
# nothing changed. Ninja's restat sees the unchanged files and stops there.
# What the configure step reads: a change to any of these (or a new build folder) configures
# again; otherwise `make build` goes straight to Ninja, which has nothing to do when nothing
# changed. CMakePresets.json is listed because CMake does not watch it itself.
CMAKE_INPUTS := CMakeLists.txt CMakePresets.json $(wildcard */files.cmake) \
                $(shell find tests bench -name CMakeLists.txt)

deps:
	./scripts/install-deps

# The packages are checked again only when the list changes.
$(BUILD)/.deps-installed: scripts/install-deps
	./scripts/install-deps
	mkdir -p $(BUILD) && touch $@

# A build folder made by another generator (the Makefile generator was used before) is
# configured afresh, since CMake refuses to switch generators in place.
CONFIGURE = if [ -f $(BUILD)/CMakeCache.txt ] && \
                 ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$$' $(BUILD)/CMakeCache.txt; \
            then cmake --preset $(PRESET) --fresh; else cmake --preset $(PRESET); fi

$(BUILD)/build.ninja: $(CMAKE_INPUTS) | $(BUILD)/.deps-installed
	$(CONFIGURE)
	touch $@

# Configures even when nothing changed.
configure: deps
	$(CONFIGURE)

build: $(BUILD)/build.ninja
	cmake --build $(BUILD) -j2

run: build
	$(BUILD)/pacelog $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

# The whole suite again in the asan preset: address and undefined-behaviour sanitizers, where any
# report fails the test (suppressions for Qt's own leaks: tests/lsan.supp). CI runs it.
.PHONY: test-asan
test-asan:
	$(MAKE) test PRESET=asan

# Runs every benchmark program of bench/ in a release build (no display needed) and prints one
# report, also written to build/release/bench-results.json.
bench:
	$(MAKE) build PRESET=release
	cmake --build build/release --target run_benchmarks

# A PNG of every page at 390 x 844, light and dark, over a sample log: build/screenshots/.
screenshots: build
	rm -rf build/screenshots
	QT_QPA_PLATFORM=offscreen TZ=America/New_York LANG=en_US.UTF-8 LC_ALL= \
	    $(BUILD)/pacelog --screenshots build/screenshots

# Builds the preset `fuzz` (clang, libFuzzer) and runs each fuzz target of tests/fuzz for
# FUZZ_SECONDS over its corpus in build/fuzz/corpus, seeded from tests/data/fuzz; a crash,
# hang, leak or sanitizer report fails, its input saved under build/fuzz/findings.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := session_import csv_scanner places_file number_reading fit_reader device_file
# Each input starts from a new store: in memory, its syncs cost nothing.
FUZZ_TMPDIR := $(shell [ -w /dev/shm ] && echo /dev/shm || echo $${TMPDIR:-/tmp})
.PHONY: fuzz
fuzz:
	$(MAKE) build PRESET=fuzz
	@for t in $(FUZZ_TARGETS); do \
	    corpus=build/fuzz/corpus/$$t; log=build/fuzz/fuzz_$$t.log; \
	    mkdir -p $$corpus build/fuzz/findings/$$t && cp -n tests/data/fuzz/$$t/* $$corpus/; \
	    if ! TMPDIR=$(FUZZ_TMPDIR) TZ=America/New_York LANG=en_US.UTF-8 LC_ALL= \
	        QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	        build/fuzz/tests/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	        -print_final_stats=1 -artifact_prefix=build/fuzz/findings/$$t/ $$corpus >$$log 2>&1; \
	    then tail -n 40 $$log; echo "fuzz_$$t: FAILED (log: $$log)"; exit 1; fi; \
	    echo "fuzz_$$t: $$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) sec.*/\1 runs in \2 s/p' $$log)," \
	        "$$(grep -E '^#[0-9]+' $$log | tail -n 1 | grep -oE 'cov: [0-9]+ ft: [0-9]+')"; \
	done

# Installs a release build under PREFIX (staged below DESTDIR when that is set).
PREFIX ?= /usr/local
install:
	$(MAKE) build PRESET=release
	DESTDIR=$(DESTDIR) cmake --install build/release --prefix $(PREFIX)

# A Debian package of a release build: build/release/pacelog_<version>_<arch>.deb.
package:
	$(MAKE) build PRESET=release
	cd build/release && cpack -G DEB
	@ls build/release/pacelog_*.deb

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
