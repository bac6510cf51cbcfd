# Fresh Debian 12: `make run` or `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench fuzz clean format package package-test screenshots

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
