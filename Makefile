# The README's commands. Everything builds into $(BUILD) with -j$(JOBS).
BUILD ?= build
JOBS ?= 2
BUILD_TYPE ?= Release

.PHONY: all deps configure build run test test-edge package format format-check bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -x $(BUILD)/bin/brisvale ]; then exec $(BUILD)/bin/brisvale; \
	elif [ -x $(BUILD)/bin/brisvale-cli ]; then exec $(BUILD)/bin/brisvale-cli; \
	else echo "Brisvale: no front end exists yet; the core library and its tests are built."; fi

# The house-edge runs (label `edge`, millions of spins each) stay out of the quick suite.
test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS) -LE edge

test-edge: build
	@cd $(BUILD) && ctest --output-on-failure -L edge

# The Debian package, $(BUILD)/brisvale_<version>_<arch>.deb, checked by lintian.
package: build
	@rm -f $(BUILD)/brisvale_*.deb
	@cd $(BUILD) && cpack -G DEB
	@scripts/check-package $(BUILD)

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

format:
	@git ls-files -- '*.cpp' '*.hpp' | xargs clang-format -i

format-check:
	@scripts/check-format

clean:
	@rm -rf $(BUILD)
