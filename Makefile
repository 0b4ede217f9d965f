# Set-up and everyday commands. Every target installs what is missing first.
BUILD_TEST := build/asan
BUILD_RUN  := build/release
BUILD_BENCH := build/bench
BUILD_FUZZ := build/fuzz
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: deps run test build package bench fuzz clean

deps:
	bash scripts/install-deps

build: deps
	cmake -S . -B $(BUILD_RUN) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_RUN) -j $(JOBS)

# Starts the program on the bundled example document.
run: build
	bash scripts/run-example $(BUILD_RUN)/bin

# The Debian package kvarzen_<version>_<arch>.deb in $(BUILD_RUN).
package: build
	cd $(BUILD_RUN) && cpack
	@ls $(BUILD_RUN)/kvarzen_*.deb

# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
test: deps
	cmake -S . -B $(BUILD_TEST) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKVZ_SANITIZE=ON
	cmake --build $(BUILD_TEST) -j $(JOBS)
	cd $(BUILD_TEST) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD_BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVZ_BENCH=ON -DKVZ_GUI=OFF
	cmake --build $(BUILD_BENCH) -j $(JOBS)
	for b in $(BUILD_BENCH)/bin/kvz_bench_*; do $$b; done

# Runs every fuzz target for FUZZ_SECONDS each (see docs/RELIABILITY.md).
FUZZ_TARGETS := load_document create_json soun_table rate_files ndfl2_import
fuzz: deps
	CXX=clang++-14 cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVZ_FUZZ=ON -DKVZ_GUI=OFF
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target $(addprefix kvz_fuzz_,$(FUZZ_TARGETS))
	bash fuzz/run-targets $(BUILD_FUZZ) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf build
