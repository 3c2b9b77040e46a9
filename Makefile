# Newcomer commands: `make run` converts the bundled example, `make test` runs every test.
# Both install what a fresh Debian 12 machine lacks, then configure and build incrementally.

BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
BENCH_DIR ?= build-bench
RUNS ?= 5
SECONDS ?= 60
JOBS ?= $(shell nproc)
PACKAGES := cmake ninja-build g++ make libgtest-dev python3 libminizip-dev zlib1g-dev
FUZZ_PACKAGES := clang libclang-rt-dev
BENCH_PACKAGES := libpugixml-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

PREFIX ?= /usr/local
CORPUS ?= ../shared/corpus

.PHONY: all deps build run test smoke test-sanitize fuzz bench install package clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES) $(EXTRA_PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/regforge examples/device.svd $(BUILD_DIR)/device.xml
	@echo "regforge converted examples/device.svd; the memory map is $(BUILD_DIR)/device.xml"

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# Every file of CORPUS converted in each way it can be read, with and without -pp -nb, and again
# with -warn; a table of warnings per check and kind of file, one line of counts, and a failure
# when any conversion failed or -warn changed its output.
smoke: build
	tools/smoke $(BUILD_DIR)/src/regforge $(CORPUS)

# The program and its manual page under PREFIX.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)
	-mandb -q 2>/dev/null || true

# A Debian package in $(BUILD_DIR); install it with dpkg -i.
package: build
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="dpkg-dev file"
	cd $(BUILD_DIR) && cpack -G DEB
	@ls $(BUILD_DIR)/*.deb

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer; any report fails it.
test-sanitize: deps
	@[ -f $(SANITIZE_DIR)/build.ninja ] || cmake -S . -B $(SANITIZE_DIR) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGFORGE_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

# Every fuzz target replays its seeds and past findings, then runs for SECONDS seconds each
# (clang's libFuzzer with both sanitizers).
fuzz:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(FUZZ_PACKAGES)"
	@[ -f $(FUZZ_DIR)/build.ninja ] || CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGFORGE_FUZZ=ON -DREGFORGE_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	ctest --test-dir $(FUZZ_DIR) --output-on-failure
	fuzz/run-all $(FUZZ_DIR) $(SECONDS)

# regforge against an XML round trip with pugixml; CHECK=1 compares output hashes with the
# previous CHECK=1 run.
bench:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(BENCH_PACKAGES)"
	@[ -f $(BENCH_DIR)/build.ninja ] || cmake -S . -B $(BENCH_DIR) -G Ninja \
	  -DCMAKE_BUILD_TYPE=Release -DREGFORGE_BENCH=ON -DREGFORGE_TESTS=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS)
	bench/run $(BENCH_DIR) $(RUNS) $(if $(CHECK),--check)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(BENCH_DIR)
