# The two commands of the README: `make run` and `make test`. Both install
# the Debian packages that are missing, then configure and build.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test package tables startup-bench peers-bench asan fuzz clean

all: build

DEPS_OPTIONS ?=

deps:
	@bash scripts/install-deps.sh $(DEPS_OPTIONS)

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD_DIR)

# The tests include a clang parse of the fuzz build (fuzz_build_compiles),
# hence clang-14 among the packages.
test: DEPS_OPTIONS = --clang
test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The Debian package $(BUILD_DIR)/velmora_<version>_<arch>.deb, installing
# under /usr (cmake/Install.cmake says what goes in).
package: build
	@cd $(BUILD_DIR) && cpack

# A contact sheet of the nine games' first deals: $(BUILD_DIR)/tables.png.
tables: build
	@bash scripts/contact-sheet.sh $(BUILD_DIR)

# Every game's chance of winning measured by the solver on DEALS deals
# (SECONDS_PER_DEAL each), written into data/games.txt (entries 399, 400).
winnability: build
	@bash scripts/winnability.sh

# Start-up time to the first dealt table and memory, against a bare Qt
# window, under Xvfb (median of STARTUP_RUNS runs each).
STARTUP_RUNS ?= 9
startup-bench: build
	@bash bench/startup/startup_bench.sh $(BUILD_DIR) $(STARTUP_RUNS)

# Velmora beside KPatience, Aisleriot and PySolFC (installed when missing):
# start-up, memory and CPU per pointer move of a drag, median of PEERS_RUNS.
PEERS_RUNS ?= 5
peers-bench: build
	@bash bench/peers.sh --install --runs $(PEERS_RUNS) $(BUILD_DIR)/bin

# The sanitizer build, used once for every change of the engine.
asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build build-asan -j $(JOBS)
	@cd build-asan && ctest --output-on-failure -j $(JOBS)

# The libFuzzer harnesses (clang): each runs FUZZ_SECONDS from its seed
# corpus; inputs that crash land in build-fuzz/artifacts/.
FUZZ_SECONDS ?= 60
FUZZERS ?= games_file engine_commands resource_library ini_file settings wave_file help_file

fuzz:
	@bash scripts/install-deps.sh --fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target velmora_fuzzers
	@bash scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS) $(FUZZERS)

clean:
	@rm -rf $(BUILD_DIR) build-asan build-fuzz
