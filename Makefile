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
	for b in $(BUILD_BENCH)/bench/kvz_bench_*; do $$b; done

fuzz: deps
	CXX=clang++-14 cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVZ_FUZZ=ON -DKVZ_GUI=OFF
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target kvz_fuzz_load_document
	mkdir -p $(BUILD_FUZZ)/corpus
	cp -n tests/data/golden/*.qz5 $(BUILD_FUZZ)/corpus/ 2>/dev/null || true
	$(BUILD_FUZZ)/fuzz/kvz_fuzz_load_document -max_total_time=$(FUZZ_SECONDS) -max_len=65536 $(BUILD_FUZZ)/corpus

clean:
	rm -rf build
