# The two commands a newcomer needs: `make run` plays, `make test` checks.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUANTELLA_WERROR=ON

.PHONY: all deps build run test bench sanitize sanitize-build tsan tsan-build clean

all: build

# Installs the Debian packages that are missing; run, test, sanitize and bench start with it.
deps:
	@scripts/install-deps

# Builds with what is installed: on other systems, with Qt 6.4 or later already there.
build:
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: deps
	@$(MAKE) --no-print-directory build
	$(BUILD)/quantella

# The whole suite on the plain build (the benchmarks built, not run), then the in-process suites
# (the long random run among them) on a build with AddressSanitizer, UBSan and LeakSanitizer.
test: deps
	@$(MAKE) --no-print-directory build sanitize-build
	@cmake --build $(BUILD) --target benchmarks -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd build-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

sanitize-build:
	@cmake -S . -B build-sanitize $(CMAKE_FLAGS) -DQUANTELLA_SANITIZE=ON >/dev/null
	@cmake --build build-sanitize -j $(JOBS)

sanitize: deps
	@$(MAKE) --no-print-directory sanitize-build
	cd build-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The in-process suites and the voice's system test (its thread killed and back) on a build with
# ThreadSanitizer; a report with no system library in it fails them. Not part of `make test`.
tsan-build:
	@cmake -S . -B build-tsan $(CMAKE_FLAGS) -DQUANTELLA_TSAN=ON >/dev/null
	@cmake --build build-tsan -j $(JOBS)

tsan: deps
	@$(MAKE) --no-print-directory tsan-build
	cd build-tsan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	@$(MAKE) --no-print-directory build
	@cmake --build $(BUILD) --target benchmarks -j $(JOBS)
	bench/run $(BUILD)

clean:
	rm -rf $(BUILD) build-sanitize build-tsan
