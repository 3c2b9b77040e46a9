# Newcomer commands: `make run` converts the bundled example, `make test` runs every test.
# Both install what a fresh Debian 12 machine lacks, then configure and build incrementally.

BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
BENCH_DIR ?= build-bench
WINDOWS_DIR ?= build-windows
RUNS ?= 5
SECONDS ?= 60
JOBS ?= $(shell nproc)
PACKAGES := cmake ninja-build g++ make libgtest-dev python3 zlib1g-dev
FUZZ_PACKAGES := clang libclang-rt-dev
BENCH_PACKAGES := libpugixml-dev
WINDOWS_PACKAGES := g++-mingw-w64-x86-64 googletest libz-mingw-w64-dev
WINE_PACKAGES := wine wine64
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

PREFIX ?= /usr/local
CORPUS ?= ../shared/corpus
# Warnings are errors for whoever builds through make (developers, CI); a plain CMake build
# leaves them warnings, so that a newer compiler's new warning doesn't stop a user's build.
WERROR := -DREGFORGE_WERROR=ON

.PHONY: all deps program build run test smoke test-sanitize fuzz bench install package windows-configure windows test-windows package-windows clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES) $(EXTRA_PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR)

# The program and its manual page; the test suite is built by `make test`.
program: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS) --target regforge manual

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: program
	$(BUILD_DIR)/src/regforge examples/device.svd $(BUILD_DIR)/device.xml
	@echo "regforge converted examples/device.svd; the memory map is $(BUILD_DIR)/device.xml"

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# Every file of CORPUS converted in each way it can be read, with and without -pp -nb, and again
# with -warn; a table of warnings per check and kind of file, one line of counts, and a failure
# when any conversion failed or -warn changed its output.
smoke: program
	tools/smoke $(BUILD_DIR)/src/regforge $(CORPUS)

# The program, stripped, and its manual page under PREFIX. The system's manual index is
# refreshed for the system's own prefixes only: a private PREFIX isn't in it.
install: program
	cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip
	@case "$(PREFIX)" in /usr|/usr/local) mandb -q 2>/dev/null || true;; esac

# A Debian package in $(BUILD_DIR); install it with dpkg -i.
package: program
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="dpkg-dev file"
	cd $(BUILD_DIR) && cpack -G DEB
	@ls $(BUILD_DIR)/*.deb

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer; any report fails it.
test-sanitize: deps
	@[ -f $(SANITIZE_DIR)/build.ninja ] || cmake -S . -B $(SANITIZE_DIR) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGFORGE_SANITIZE=ON $(WERROR)
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

# Every fuzz target replays its seeds and past findings, then runs for SECONDS seconds each
# (clang's libFuzzer with both sanitizers).
fuzz:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(FUZZ_PACKAGES)"
	@[ -f $(FUZZ_DIR)/build.ninja ] || CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGFORGE_FUZZ=ON -DREGFORGE_TESTS=OFF $(WERROR)
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	ctest --test-dir $(FUZZ_DIR) --output-on-failure
	fuzz/run-all $(FUZZ_DIR) $(SECONDS)

# regforge against an XML round trip with pugixml; CHECK=1 compares output hashes with the
# previous CHECK=1 run.
bench:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(BENCH_PACKAGES)"
	@[ -f $(BENCH_DIR)/build.ninja ] || cmake -S . -B $(BENCH_DIR) -G Ninja \
	  -DCMAKE_BUILD_TYPE=Release -DREGFORGE_BENCH=ON -DREGFORGE_TESTS=OFF -DREGFORGE_LTO=ON
	cmake --build $(BENCH_DIR) -j $(JOBS)
	bench/run $(BENCH_DIR) $(RUNS) $(if $(CHECK),--check)

# regforge.exe for 64-bit Windows, cross-built with mingw-w64: $(WINDOWS_DIR)/regforge.exe.
# The program only; `make test-windows` builds the suite.
windows-configure:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(WINDOWS_PACKAGES)"
	@[ -f $(WINDOWS_DIR)/build.ninja ] || cmake -S . -B $(WINDOWS_DIR) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  $(WERROR)

windows: windows-configure
	cmake --build $(WINDOWS_DIR) -j $(JOBS) --target regforge
	cp $(WINDOWS_DIR)/src/regforge.exe $(WINDOWS_DIR)/regforge.exe

# The whole suite built for Windows and run under Wine, in a Wine prefix of its own inside
# $(WINDOWS_DIR); no display is needed.
WINE_ENV := WINEPREFIX=$(abspath $(WINDOWS_DIR))/wine WINEARCH=win64 WINEDEBUG=-all \
  WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
test-windows:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(WINE_PACKAGES)"
	@$(MAKE) --no-print-directory windows
	cmake --build $(WINDOWS_DIR) -j $(JOBS)
	@# One Wine server for the whole run. Wine's background services are started by wineboot
	@# (which makes the prefix the first time), not by a test: ctest would wait for them, as
	@# they hold the output of the process that started them open; they end with the server.
	@# Now and then Wine fails to start a test's process (no output, a few hundredths of a
	@# second, where a test takes most of one): a second try tells that from a failing test.
	mkdir -p $(WINDOWS_DIR)/wine
	$(WINE_ENV) wineserver -p && { $(WINE_ENV) wineboot >/dev/null 2>&1 </dev/null; \
	  $(WINE_ENV) ctest --test-dir $(WINDOWS_DIR) --output-on-failure -j $(JOBS) \
	    --repeat until-pass:2; \
	  status=$$?; $(WINE_ENV) wineserver -k; exit $$status; }

# A zip for Windows users: regforge.exe, the README and the manual page as text.
package-windows: windows
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="zip groff-base"
	tools/package-windows $(WINDOWS_DIR)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(BENCH_DIR) $(WINDOWS_DIR)
