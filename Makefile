# The two commands a newcomer needs: `make run` plays, `make test` checks.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUANTELLA_WERROR=ON

.PHONY: all deps build run test bench sanitize sanitize-build clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/quantella

# The whole suite on the plain build, then the in-process suites (the long random run among them)
# on a build with AddressSanitizer, UBSan and LeakSanitizer.
test: build sanitize-build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd build-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

sanitize-build: deps
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUANTELLA_WERROR=ON -DQUANTELLA_SANITIZE=ON >/dev/null
	@cmake --build build-sanitize -j $(JOBS)

sanitize: sanitize-build
	cd build-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@cmake --build $(BUILD) --target benchmarks -j $(JOBS)
	bench/run $(BUILD)

clean:
	rm -rf $(BUILD) build-sanitize
