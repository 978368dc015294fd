# Set-up, build and test entry points. Every target first installs what the
# machine lacks (tools/setup-deps.sh), so a fresh Debian machine needs nothing else.
JOBS    ?= $(shell nproc)
TESTDIR ?= build/test
RELDIR  ?= build/release
CMAKE_COMMON = -G Ninja -DZERB32_TESTS=ON

.PHONY: setup test build run bench gui fuzz coverage clean

setup:
	@tools/setup-deps.sh

# Tests always run under AddressSanitizer and UndefinedBehaviorSanitizer.
test: setup
	cmake -S . -B $(TESTDIR) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Debug -DZERB32_SANITIZE=ON
	cmake --build $(TESTDIR) -j $(JOBS)
	ctest --test-dir $(TESTDIR) --output-on-failure -j $(JOBS)

build: setup
	cmake -S . -B $(RELDIR) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Release -DZERB32_BENCH=ON
	cmake --build $(RELDIR) -j $(JOBS)

clean:
	rm -rf build
