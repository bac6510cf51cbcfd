# Fresh Debian 12: `make run` or `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test clean format

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

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
