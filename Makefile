# The two set-up commands of the README, plus benchmarks, the sanitizer run and fuzzing.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps configure build run test package asan-build test-asan fuzz bench clean

deps:
	bash scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/bin/kelvara ]; then $(BUILD)/bin/kelvara; else $(BUILD)/bin/kelvara-cli --help; fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package $(BUILD)/kelvara-vlx_<version>_amd64.deb (install: sudo apt-get install ./$(BUILD)/kelvara-vlx_*.deb).
package: build
	cmake --build $(BUILD) --target package

# The whole suite under AddressSanitizer and UBSan (clang, float-cast-overflow included): the
# first report stops the test and fails the run. The same build holds the libFuzzer targets.
ASAN_BUILD ?= build-asan
ASAN_CMAKE_FLAGS ?=
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=0:halt_on_error=1:abort_on_error=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Seconds of fuzzing per target; every document loader, the stream reader and the settings text.
FUZZ_SECONDS ?= 25

asan-build:
	bash scripts/install-deps --sanitizer
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
		-DKELVARA_ASAN=ON -DKELVARA_FUZZ=ON $(ASAN_CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-asan: asan-build
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

fuzz: asan-build
	$(SANITIZER_ENV) bash fuzz/laufen $(ASAN_BUILD) $(FUZZ_SECONDS)

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
