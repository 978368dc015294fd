# Set-up, build and test entry points. Every target first installs what the
# machine lacks (tools/setup-deps.sh), so a fresh Debian machine needs nothing else.
JOBS    ?= $(shell nproc)
TESTDIR ?= build/test
RELDIR  ?= build/release

.PHONY: setup test build run samples bench gui fuzz coverage clean

setup:
	@tools/setup-deps.sh

# Tests always run under AddressSanitizer and UndefinedBehaviorSanitizer.
test: setup
	cmake -S . -B $(TESTDIR) -G Ninja -DZERB32_TESTS=ON -DCMAKE_BUILD_TYPE=Debug -DZERB32_SANITIZE=ON
	cmake --build $(TESTDIR) -j $(JOBS)
	ctest --test-dir $(TESTDIR) --output-on-failure -j $(JOBS)

build: setup
	cmake -S . -B $(RELDIR) -G Ninja -DZERB32_TESTS=OFF -DCMAKE_BUILD_TYPE=Release -DZERB32_BENCH=ON
	cmake --build $(RELDIR) -j $(JOBS)

clean:
	rm -rf build

# Converts the bundled sample log with the command-line converter and shows
# the start of the result.
run: build
	$(RELDIR)/cli/zerb32-cli samples/42.log > $(RELDIR)/run-output.txt
	@out=$$(cat $(RELDIR)/run-output.txt); echo "Wrote $$out"; head -n 8 "$$out"

# Rewrites samples/42.STE and samples/42.log with the sample generator.
samples: build
	$(RELDIR)/tools/zerb32-mksample samples

# Release benchmarks (Google Benchmark); figures are read by people, never
# asserted by tests.
bench: build
	@for b in $(RELDIR)/bench/bench_*; do echo "== $$b"; $$b; done
