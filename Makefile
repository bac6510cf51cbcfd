# Fresh Debian 12: `make run` or `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test sanitize bench fuzz clean format package package-test screenshots

all: build

deps:
	tools/deps.sh

configure: deps
	@if [ ! -f $(BUILD)/build.ninja ]; then \
	  cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo; fi

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/quarzil

test: build
	tools/pgtest.sh run -- ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The whole program and its tests built with AddressSanitizer and UndefinedBehaviorSanitizer in
# $(SANITIZE_BUILD), then every test. A memory fault, a leak or undefined behaviour fails the
# test that met it. The crash and ledger tests run shorter here: the sanitizers slow them down.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  QUARZIL_KILLS=6 QUARZIL_CRASH_KILLS=3 QUARZIL_LEDGER_OPS=2000

sanitize: deps
	@if [ ! -f $(SANITIZE_BUILD)/build.ninja ]; then \
	  cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DQUARZIL_SANITIZE=ON "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O0 -g1"; fi
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	$(SANITIZE_ENV) tools/pgtest.sh run -- \
	  ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS) -E '^package$$'

# A Debian package of the program in $(BUILD)/packages/ (dependencies from dpkg-shlibdeps).
package: build
	cmake --build $(BUILD) --target package

# The package unpacked into a scratch root and started from there (also the `package` test).
package-test: build
	tools/package-test.sh $(BUILD)

# The README's pictures, from a generated demonstration archive, under Xvfb.
screenshots: build
	tools/screenshots.sh $(BUILD)

# Timed operations on generated archives, on SQLite and on a throwaway PostgreSQL server.
# Several minutes; not part of `make test`.
bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target quarzil_bench
	$(BUILD)/bench/quarzil_bench --backend sqlite
	tools/pgtest.sh run -- $(BUILD)/bench/quarzil_bench --backend postgres

# The libFuzzer targets, built with clang in build-fuzz/ and run FUZZ_SECONDS (60) each on a
# copy of the seed corpus in fuzz/corpus/. Fails when one of them finds a fault.
FUZZ_SECONDS ?= 60
fuzz: deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) tools/fuzz.sh all

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
