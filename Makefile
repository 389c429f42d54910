# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
RUN_DIR   ?= $(BUILD_DIR)/run
JOBS      ?= $(shell nproc)

.PHONY: all deps configure build run test fuzz format clean

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

# The question bank reader under libFuzzer for a bounded time (FUZZ_SECONDS, default 60); not part
# of `make test`.
fuzz:
	@bash scripts/run-fuzz

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Keeps the run directory: it holds the user's question bank and clock calibration.
clean:
	@if [ -d $(BUILD_DIR) ]; then find $(BUILD_DIR) -mindepth 1 -maxdepth 1 ! -name run -exec rm -rf {} +; fi
