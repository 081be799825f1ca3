# Set-up, build, test and demo on a Debian machine. `make demo` and `make test` install
# what is missing first (Debian packages through apt-get).

BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-release
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME  ?= 180
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
GENERATOR  := $(shell command -v ninja >/dev/null 2>&1 && echo Ninja || echo "Unix Makefiles")

.PHONY: all deps configure build test test-asan stress demo bench fuzz format clean

all: build

deps:
	@bash tools/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=Debug

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=Debug -DDRAVINEL_SANITIZE=ON -DDRAVINEL_BUILD_BENCHMARKS=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The long lifecycle stress run over the open editors (seed: STRESS_SEED, default the time).
STRESS_STEPS ?= 100000
stress: configure
	cmake --build $(BUILD) -j $(JOBS) --target lifecyclestress
	QT_QPA_PLATFORM=offscreen DRAVINEL_STRESS_SEED=$(STRESS_SEED) $(BUILD)/tests/dravinelcontrols/stress/lifecyclestress --steps $(STRESS_STEPS)

demo: build
	@bash tools/run-demo.sh $(BUILD)

# Benchmarks measure an optimised build of their own.
bench: deps
	cmake -S . -B $(BENCH_BUILD) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=Release -DDRAVINEL_BUILD_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@bash tools/run-bench.sh $(BENCH_BUILD)

# The libFuzzer targets (fuzz/), built with clang, each run for FUZZ_TIME seconds.
fuzz:
	@bash tools/install-deps.sh --fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=Debug -DDRAVINEL_FUZZ=ON -DDRAVINEL_BUILD_TESTS=OFF -DDRAVINEL_BUILD_BENCHMARKS=OFF
	cmake --build $(FUZZ_BUILD) --target fuzz_all -j $(JOBS)
	@FUZZ_TIME=$(FUZZ_TIME) bash tools/run-fuzz.sh $(FUZZ_BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
