# Wraps the CMake build. `make run` builds tpx32 and preprocesses the bundled example;
# `make test` builds and runs every unit and end-to-end test, natively and with sanitizers.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
RELEASE := build/release
SANITIZE := build/sanitize

.PHONY: all build run test test-release test-sanitize fuzz-shortcuts bench win32 test-win32 clean

all: build

build:
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE) -j $(JOBS)

run: build
	mkdir -p build/run
	cd examples && ../$(RELEASE)/tpx32 -n../build/run -Ss hello.c
	@echo "---- build/run/hello.i ----"
	@cat build/run/hello.i

test: test-release test-sanitize

test-release: build
	cd $(RELEASE) && ctest --output-on-failure -j $(JOBS)

test-sanitize:
	cmake -S . -B $(SANITIZE) -DCMAKE_BUILD_TYPE=Debug -DTPX32_SANITIZE=ON
	cmake --build $(SANITIZE) -j $(JOBS)
	cd $(SANITIZE) && ctest --output-on-failure -j $(JOBS)

# Runs tpx32 and tpx32_general side by side on random source trees for SECONDS seconds, from
# seed START on, and reports every difference (see tests/random/README.md).
SECONDS ?= 600
START ?= 1000
fuzz-shortcuts: build
	$(RELEASE)/tests/tpx32_compare --tpx32 $(RELEASE)/tpx32 \
	  --general $(RELEASE)/tests/tpx32_general --seeds $(START) --seconds $(SECONDS) \
	  --work build/fuzz/work --failures build/fuzz/failures $(FUZZFLAGS)

# Side-by-side timing against other preprocessors (see bench/README.md).
bench: build
	bash bench/run.sh

# The 32-bit Windows console program, and its tests run under Wine.
win32:
	bash cmake/win32.sh build

test-win32:
	bash cmake/win32.sh test

clean:
	rm -rf build
