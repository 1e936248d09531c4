# Wraps the CMake build.
#   make run           builds tpx32 alone (no GoogleTest needed) and preprocesses the example
#   make test          builds and runs every unit, end-to-end and integration test, natively and
#                      with sanitizers (needs GoogleTest: Debian package libgtest-dev), and the
#                      fuzz target for a minute (needs clang and libclang-rt-14-dev)
#   make fuzz          runs the fuzz target for FUZZ_SECONDS (default 600) seconds
#   make install       installs tpx32 into $(DESTDIR)$(PREFIX) (PREFIX defaults to /usr/local)
#   make package       builds a Debian package: build/release/tpx32_<version>_<arch>.deb
#   make package-test  builds the package, unpacks it into a scratch root and runs it there
#   make difftest      runs the differential test against gcc on random valid input (SECONDS or
#                      FILES; see tests/random/README.md)
#   make difftest-corpus  compares tpx32 with gcc over real code bases fetched into a cache
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
RELEASE := build/release
SANITIZE := build/sanitize
# ON makes every compiler warning an error in the native builds (CI sets it).
WERROR ?= OFF
PREFIX ?= /usr/local
DESTDIR ?=

.PHONY: all build run test test-release test-sanitize test-fuzz fuzz install package package-test \
	fuzz-shortcuts random-tools difftest difftest-corpus bench win32 test-win32 tidy clean

all: build

# The program alone: the tests are switched off here and on again by `make test`, in the same
# build folder, so nothing is compiled twice.
build:
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DTPX32_TESTS=OFF -DTPX32_WERROR=$(WERROR)
	cmake --build $(RELEASE) --target tpx32 -j $(JOBS)

run: build
	mkdir -p build/run
	cd examples && ../$(RELEASE)/tpx32 -n../build/run -Ss hello.c
	@echo "---- build/run/hello.i ----"
	@cat build/run/hello.i

test: test-release test-sanitize test-fuzz

# Configuring with the tests on stops with a message naming the package when GoogleTest is
# missing.
test-release:
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DTPX32_TESTS=ON -DTPX32_WERROR=$(WERROR)
	cmake --build $(RELEASE) -j $(JOBS)
	cd $(RELEASE) && ctest --output-on-failure -j $(JOBS)

test-sanitize:
	cmake -S . -B $(SANITIZE) -DCMAKE_BUILD_TYPE=Debug -DTPX32_SANITIZE=ON -DTPX32_TESTS=ON -DTPX32_WERROR=$(WERROR)
	cmake --build $(SANITIZE) -j $(JOBS)
	cd $(SANITIZE) && ctest --output-on-failure -j $(JOBS)

# The fuzz target over the whole program (tests/fuzz): a bounded run with every test, longer ones
# by hand. A crash, a sanitizer report or a hang fails the run and leaves the input in
# build/fuzz/findings.
FUZZ_SECONDS ?= 600
test-fuzz:
	JOBS=$(JOBS) bash tests/fuzz/run.sh 60

fuzz:
	JOBS=$(JOBS) bash tests/fuzz/run.sh $(FUZZ_SECONDS)

# Static checks of the sources with the project's .clang-tidy.
tidy:
	cmake -S . -B build/tidy -DCMAKE_BUILD_TYPE=Debug -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DTPX32_TESTS=OFF
	run-clang-tidy -p build/tidy -quiet '$(CURDIR)/src/'

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(RELEASE) --prefix "$(PREFIX)" --strip

package: build
	cd $(RELEASE) && cpack

package-test: package
	bash tests/integration/package.sh $(RELEASE) . build/package-test

# The programs of the generated-input tests (tests/random), in the release build with the tests
# configured (they are test programs).
random-tools:
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DTPX32_TESTS=ON -DTPX32_WERROR=$(WERROR)
	cmake --build $(RELEASE) --target tpx32 tpx32_general tpx32_compare tpx32_difftest -j $(JOBS)

# Runs tpx32 and tpx32_general side by side on random source trees for SECONDS seconds, from
# seed START on, and reports every difference (see tests/random/README.md).
SECONDS ?= 600
START ?= 1000
fuzz-shortcuts: random-tools
	$(RELEASE)/tests/tpx32_compare --tpx32 $(RELEASE)/tpx32 \
	  --general $(RELEASE)/tests/tpx32_general --seeds $(START) --seconds $(SECONDS) \
	  --work build/fuzz/work --failures build/fuzz/failures $(FUZZFLAGS)

# The differential test against gcc on random valid C and C++ input, from seed START on, for
# SECONDS seconds or, when FILES is given, for that many source trees. Every failing input is
# kept, reduced, in build/difftest/failures (see tests/random/README.md). The programs run from
# a copy, so that a rebuild during a long run does not disturb it.
FILES ?=
difftest: random-tools
	rm -rf build/difftest/bin build/difftest/work
	mkdir -p build/difftest/bin
	cp $(RELEASE)/tpx32 $(RELEASE)/tests/tpx32_difftest build/difftest/bin/
	build/difftest/bin/tpx32_difftest --tpx32 build/difftest/bin/tpx32 --seeds $(START) \
	  $(if $(FILES),--files $(FILES),--seconds $(SECONDS)) --max-failures 50 \
	  --work build/difftest/work --failures build/difftest/failures $(DIFFTESTFLAGS)

# The same comparison over the C files of real code bases (Debian source packages fetched into
# the benchmark's cache); CODEBASES picks some of them. Report: build/difftest-corpus/report.md.
CODEBASES ?=
difftest-corpus: random-tools
	bash tests/random/difftest_corpus.sh $(RELEASE)/tests/tpx32_difftest $(RELEASE)/tpx32 $(CODEBASES)

# Side-by-side timing against other preprocessors (see bench/README.md).
bench: build
	bash bench/run.sh

# The Windows console program (32-bit), and its tests run under Wine: the 32-bit program where
# this machine runs 32-bit programs, else the same suites built for x86-64 under 64-bit Wine
# (cmake/win32.sh says which one ran).
win32:
	bash cmake/win32.sh build

test-win32:
	bash cmake/win32.sh test

clean:
	rm -rf build
