# SPDX-License-Identifier: GPL-3.0-or-later
# Convenience front end to CMake. `make run` and `make test` install any missing Debian packages,
# configure and build into build/, then launch the game or run the whole test suite headless.
BUILD ?= build
JOBS ?= $(shell nproc)
# Where ccache is installed, builds go through it, so a rebuild in a fresh checkout is quick.
CCACHE := $(shell command -v ccache || true)
CMAKE_FLAGS ?=
override CMAKE_FLAGS += $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE))

.PHONY: all deps configure build run test bench package sanitize memcheck clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

# Configured once: afterwards the build itself re-runs CMake when a CMakeLists.txt changes.
$(BUILD)/CMakeCache.txt:
	$(MAKE) configure

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/hitblow

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	$(BUILD)/bench/bench_comparer
	$(BUILD)/bench/bench_drawing
	$(BUILD)/bench/bench_memory
	$(BUILD)/bench/bench_statistics
	$(BUILD)/bench/bench_statistics_window
	$(BUILD)/bench/bench_statistics_files
	$(BUILD)/bench/bench_expert
	$(BUILD)/bench/bench_review
	$(BUILD)/tools/hitblow-arena --level 3 --rounds 1 | head -2
	python3 bench/startup.py --binary $(BUILD)/hitblow

# The Debian package hitblow_<version>-<revision>_<architecture>.deb, in $(BUILD).
package: build
	cd $(BUILD) && cpack

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize:
	$(MAKE) test BUILD=build-sanitize CMAKE_FLAGS="-DHITBLOW_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"

# Whole matches and random play under valgrind's memcheck: no memory errors, nothing definitely lost.
memcheck: build
	tools/memcheck.sh $(BUILD)

clean:
	rm -rf $(BUILD)
