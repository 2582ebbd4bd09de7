# SPDX-License-Identifier: GPL-3.0-or-later
# The README's commands. Everything builds into $(BUILD) with -j$(JOBS).
BUILD ?= build
JOBS ?= 2
BUILD_TYPE ?= Release

FUZZ_SECONDS ?= 30
FUZZ_TARGETS = properties settings wagering remote casinos console runfile

.PHONY: all deps configure build run test test-edge test-reader package sanitize tsan fuzz format format-check bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

# The build runs as if typed at the prompt (no MAKELEVEL), so it shows its progress without
# make's "Entering directory" lines.
CMAKE_BUILD = env -u MAKELEVEL cmake --build $(BUILD) -j$(JOBS)

build: configure
	@$(CMAKE_BUILD)

# The window alone: tests, benchmarks and tools are left to `make test`.
run: configure
	@$(CMAKE_BUILD) --target brisvale
	@exec $(BUILD)/bin/brisvale

# The house-edge runs (label `edge`, millions of spins each) and the screen reader's runs on an
# X server (label `reader`, minutes each) stay out of the quick suite.
test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS) -LE 'edge|reader'

test-reader: build
	@cd $(BUILD) && ctest --output-on-failure -L reader

test-edge: build
	@cd $(BUILD) && ctest --output-on-failure -L edge

# The Debian package, $(BUILD)/brisvale_<version>_<arch>.deb, checked by lintian.
package: build
	@rm -f $(BUILD)/brisvale_*.deb
	@cd $(BUILD) && cpack -G DEB
	@scripts/check-package $(BUILD)

# The whole test suite under AddressSanitizer and UBSan, in build-asan; the screen reader's runs
# on an X server (label `reader`, minutes each even without the sanitizers) are left to
# `make test-reader`.
sanitize: deps
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
		-DBRISVALE_SANITIZE=ON >/dev/null
	@cmake --build build-asan -j$(JOBS)
	@cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j$(JOBS) \
		-LE reader

# The simulator's worker threads under ThreadSanitizer, in build-tsan: only what its quick tests
# (label `sim`: the unit tests and brisvale-sim from the command line) need is built; the first
# race fails the test that ran into it.
TSAN_TARGETS = test_sim brisvale-sim brisvale-cli
tsan: deps
	@cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
		-DBRISVALE_TSAN=ON >/dev/null
	@cmake --build build-tsan -j$(JOBS) --target $(TSAN_TARGETS)
	@cd build-tsan && TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
		ctest --output-on-failure -j$(JOBS) -L sim

# The libFuzzer targets, built with clang in build-fuzz, each run for FUZZ_SECONDS.
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Release -DBRISVALE_FUZZ=ON \
		>/dev/null
	@cmake --build build-fuzz -j$(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@scripts/run-fuzz build-fuzz $(FUZZ_SECONDS) $(FUZZ_TARGETS)

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

format:
	@git ls-files -- '*.cpp' '*.hpp' | xargs clang-format -i

format-check:
	@scripts/check-format

clean:
	@rm -rf $(BUILD) build-asan build-tsan build-fuzz
