# Front door for a fresh Debian machine: every target installs what it lacks.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# Every build made here, as in CI, treats warnings as errors.
STRICT := -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DKORVANE_WERROR=ON

.PHONY: all deps configure build run test package package-check bench format format-check clean test-asan fuzz-build fuzz-smoke fuzz

all: build

deps:
	@scripts/deps.sh

configure: deps
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) $(STRICT) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Builds, stages the installed layout under $(BUILD)/stage and starts the
# calculator from its own folder with the shipped data.
run: build
	@scripts/run.sh $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Debian package of the installed layout, $(BUILD)/korvane_<version>_<arch>.deb.
package: build
	cd $(BUILD) && rm -f korvane_*.deb && cpack

# The package as a packager's checker sees it: lintian (installed when
# missing) finds no error and no warning; its notes (I:) are allowed.
package-check: package
	@scripts/deps.sh lintian
	lintian --fail-on error,warning $(BUILD)/korvane_*.deb

# The benchmarks are built only here, in their own optimised build.
BENCH_BUILD ?= build-bench
bench: deps
	@test -f $(BENCH_BUILD)/CMakeCache.txt || cmake -S . -B $(BENCH_BUILD) $(STRICT) \
	  -DCMAKE_BUILD_TYPE=Release -DKORVANE_BUILD_BENCH=ON -DKORVANE_BUILD_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bench/*/bench_*; do [ -x "$$b" ] && "$$b"; done

# The test suite under the address and undefined-behaviour sanitizers, leak
# checking on. The core (non-Qt) tests only by default, for a quick local
# run; ASAN_UI=ON (as CI runs it) adds the desktop tests, with the leak
# suppressions for the libraries under Qt.
# GCC's maybe-uninitialized warning gives false alarms on sanitizer-
# instrumented code and is left out here.
ASAN_BUILD ?= build-asan
ASAN_UI ?= OFF
SANITIZE := -fsanitize=address,undefined -fno-omit-frame-pointer
test-asan: deps
	@test -f $(ASAN_BUILD)/CMakeCache.txt || cmake -S . -B $(ASAN_BUILD) \
	  $(STRICT) -DCMAKE_BUILD_TYPE=Debug -DKORVANE_BUILD_UI=$(ASAN_UI) \
	  "-DCMAKE_CXX_FLAGS=-O1 $(SANITIZE) -Wno-maybe-uninitialized" \
	  "-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZE)"
	@cmake -S . -B $(ASAN_BUILD) -DKORVANE_BUILD_UI=$(ASAN_UI) > /dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
	  ctest --output-on-failure -j $(JOBS)

# The fuzz targets under fuzz/, built with clang and libFuzzer. fuzz-smoke
# runs each for FUZZ_SECONDS from its corpus; `make fuzz FUZZ_TARGETS=...
# FUZZ_SECONDS=600` is a long session (every target when none is named).
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 5
FUZZ_TARGETS ?=
fuzz-build:
	@scripts/deps.sh clang libclang-rt-14-dev
	@test -f $(FUZZ_BUILD)/CMakeCache.txt || cmake -S . -B $(FUZZ_BUILD) \
	  -DCMAKE_CXX_COMPILER=clang++ $(STRICT) -DKORVANE_FUZZ=ON \
	  -DKORVANE_BUILD_UI=OFF -DKORVANE_BUILD_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_all

fuzz-smoke: fuzz-build
	@scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

fuzz: fuzz-build
	@scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails, naming the places, where a source file is not laid out as `make format` would.
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD)
