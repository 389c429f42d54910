# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
RUN_DIR   ?= $(BUILD_DIR)/run
JOBS      ?= $(shell nproc)

.PHONY: all deps configure build run test package screenshots bench fuzz fuzz-setting fuzz-bank format clean

all: build

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run-zicalc $(BUILD_DIR)/zicalc $(RUN_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The Debian package, in $(BUILD_DIR)/package/.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB -B package

# One PNG per window and page at scale 1 and 2, in $(BUILD_DIR)/screenshots/.
screenshots: build
	@for scale in 1 2; do \
	  QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 QT_SCALE_FACTOR=$$scale \
	    $(BUILD_DIR)/tests/zicalc_screenshots $(BUILD_DIR)/screenshots/scale$$scale || exit 1; \
	done

# Start-up time, memory and idle wake-ups against a minimal Qt program (bench/README.md).
bench: build
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target bench_programs
	@bash bench/run $(BUILD_DIR)

# The file readers under libFuzzer (clang), each for a bounded time; not part of `make test`.
fuzz: fuzz-setting fuzz-bank

# The setting.ini reader, for FUZZ_SECONDS (default 300).
FUZZ_DIR     ?= build-fuzz
FUZZ_SECONDS ?= 300
fuzz-setting:
	@bash scripts/install-deps clang
	@cmake -S fuzz -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)
	@mkdir -p $(FUZZ_DIR)/corpus
	@$(FUZZ_DIR)/setting_file_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/corpus fuzz/corpus/setting

# The question bank reader, for FUZZ_SECONDS (default 60) or FUZZ_RUNS executions.
fuzz-bank:
	@bash scripts/run-fuzz

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Keeps the run directory: it holds the user's question bank and clock calibration.
clean:
	@if [ -d $(BUILD_DIR) ]; then find $(BUILD_DIR) -mindepth 1 -maxdepth 1 ! -name run -exec rm -rf {} +; fi
