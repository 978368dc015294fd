# Set-up, build and test entry points. Every target first installs what the
# machine lacks (tools/setup-deps.sh), so a fresh Debian machine needs nothing else.
JOBS    ?= $(shell nproc)
TESTDIR ?= build/test
RELDIR  ?= build/release
FUZZDIR ?= build/fuzz
COVDIR  ?= build/coverage
TSANDIR ?= build/tsan
PKGDIR  ?= build/package
WINDIR  ?= build/windows
VERSION := $(shell grep -m1 -o 'zerb32 VERSION [0-9.]*' CMakeLists.txt | cut -d' ' -f3)
FUZZ_SECONDS    ?= 180
FUZZ_CI_SECONDS ?= 30

# Rebuilds reuse earlier compilations through ccache where it is installed
# (the set-up installs it): every build folder of every checkout shares one
# cache, keyed by paths relative to the checkout.
ifneq ($(shell command -v ccache),)
export CMAKE_CXX_COMPILER_LAUNCHER ?= ccache
export CCACHE_BASEDIR ?= $(CURDIR)
export CCACHE_NOHASHDIR ?= 1
endif

.PHONY: setup test tsan build run samples bench gui screenshot fuzz fuzz-build fuzz-ci fuzz-seeds coverage clean \
        package package-test windows windows-test

setup:
	@tools/setup-deps.sh

# Tests always run under AddressSanitizer and UndefinedBehaviorSanitizer.
test: setup
	cmake -S . -B $(TESTDIR) -G Ninja -DZERB32_TESTS=ON -DCMAKE_BUILD_TYPE=Debug -DZERB32_SANITIZE=ON -DZERB32_WERROR=ON
	cmake --build $(TESTDIR) -j $(JOBS)
	ctest --test-dir $(TESTDIR) --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory tsan
	@$(MAKE) --no-print-directory fuzz-ci
	@$(MAKE) --no-print-directory package-test windows-test

# Documents converted on several threads at once, zerb32-cli's parallel
# jobs, and the end on a signal while threads make outputs, under
# ThreadSanitizer. This build also leaves out PostgreSQL, whose
# addresses it must then refuse as not available, and links with link-time
# optimisation, where two differing definitions of one name fail the link.
tsan: setup
	cmake -S . -B $(TSANDIR) -G Ninja -DZERB32_TESTS=ON -DCMAKE_BUILD_TYPE=Debug -DZERB32_TSAN=ON -DZERB32_WERROR=ON -DZERB32_UI=OFF \
	  -DZERB32_POSTGRES=OFF -DZERB32_PYTHON=OFF -DZERB32_ODR_CHECK=ON
	cmake --build $(TSANDIR) -j $(JOBS) --target app_document_test app_ending_signals_test cli_cli_batch_test zerb32-cli
	ctest --test-dir $(TSANDIR) --output-on-failure -R '^(app_document_test|app_ending_signals_test|cli_cli_batch_test|cli_postgres_not_in_this_build)$$'

build: setup
	cmake -S . -B $(RELDIR) -G Ninja -DZERB32_TESTS=OFF -DCMAKE_BUILD_TYPE=Release -DZERB32_BENCH=ON
	cmake --build $(RELDIR) -j $(JOBS)

clean:
	rm -rf build

# Converts a copy of the bundled sample log (under build/, so the checkout
# stays clean) with the command-line converter and shows the start of the result.
run: build
	@mkdir -p $(RELDIR)/run
	@cp samples/42.log samples/42.STE $(RELDIR)/run/
	$(RELDIR)/cli/zerb32-cli $(RELDIR)/run/42.log > $(RELDIR)/run-output.txt
	@out=$$(cat $(RELDIR)/run-output.txt); echo "Wrote $$out"; head -n 8 "$$out"

# Rewrites samples/42.STE and samples/42.log with the sample generator.
samples: build
	$(RELDIR)/tools/zerb32-mksample samples

# Release benchmarks (Google Benchmark); figures are read by people, never
# asserted by tests.
bench: build
	@for b in $(RELDIR)/bench/bench_*; do echo "== $$b"; $$b; done

# Opens the window on the bundled sample log.
gui: build
	$(RELDIR)/ui/zerb32 samples/42.log

# Photographs the real window, open on the sample log, under a virtual X
# server: docs/window.png, shown in the README; and open on a month of the
# sample site's history: docs/history.png.
screenshot: build
	@tools/setup-deps.sh imagemagick x11-utils
	xvfb-run -a -s "-screen 0 1280x800x24" sh -c '\
	  $(RELDIR)/ui/zerb32 samples/42.log & pid=$$!; status=1; \
	  for i in 1 2 3 4 5 6 7 8 9 10; do sleep 1; \
	    xwininfo -name "ZERB32 $(VERSION)" 2>/dev/null | grep -q IsViewable || continue; \
	    if timeout 20 import -window "ZERB32 $(VERSION)" docs/window.png 2>/dev/null; then status=0; break; fi; done; \
	  kill $$pid; exit $$status'
	@echo "Wrote docs/window.png"
	tools/history-screenshot.sh $(RELDIR) $(CURDIR) $(VERSION) docs/history.png

# The libFuzzer targets of fuzz/, built with clang and the sanitizers.
fuzz-build: setup
	cmake -S . -B $(FUZZDIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DZERB32_FUZZ=ON -DZERB32_SANITIZE=ON -DZERB32_WERROR=ON -DZERB32_TESTS=OFF -DZERB32_UI=OFF
	cmake --build $(FUZZDIR) -j $(JOBS) --target fuzz_all

# Fuzzes every target for FUZZ_SECONDS seconds after replaying its seeds and
# regression inputs; a finding is stored as a regression input under
# tests/fuzz-regressions/<target>/.
fuzz: fuzz-build
	fuzz/run.sh $(FUZZ_SECONDS) tests/fuzz-regressions

# The CI part of `make test`: the same replay, then FUZZ_CI_SECONDS seconds
# per target (0: replay only); findings go to $(FUZZDIR)/findings.
fuzz-ci: fuzz-build
	fuzz/run.sh $(FUZZ_CI_SECONDS) $(FUZZDIR)/findings

# Rewrites the seed corpus fuzz/corpus/ with the seed generator.
fuzz-seeds: setup
	cmake -S . -B $(TESTDIR) -G Ninja -DZERB32_TESTS=ON -DCMAKE_BUILD_TYPE=Debug -DZERB32_SANITIZE=ON
	cmake --build $(TESTDIR) -j $(JOBS) --target zerb32-fuzz-seeds
	$(TESTDIR)/fuzz/zerb32-fuzz-seeds samples fuzz/corpus

# Line and branch coverage of every room without Qt by the tests (the fuzz
# replays and the PostgreSQL store's tests in their throw-away server
# included); one line per room, the report in $(COVDIR)/coverage.html.
# Children that a test runs as another user can't write the counters of a
# build that belongs to root: their counts are not kept, and the process
# tests leave the runtime's messages saying so out of what they read.
COVERAGE_ROOMS := model sensor series summary classic chart styles app history zones cli python

coverage: setup
	cmake -S . -B $(COVDIR) -G Ninja -DZERB32_TESTS=ON -DCMAKE_BUILD_TYPE=Debug -DZERB32_COVERAGE=ON -DZERB32_UI=OFF
	cmake --build $(COVDIR) -j $(JOBS)
	find $(COVDIR) -name '*.gcda' -delete
	ctest --test-dir $(COVDIR) --output-on-failure -j $(JOBS)
	gcovr -r . $(COVDIR) $(foreach room,$(COVERAGE_ROOMS),--filter '$(room)/') \
	  --exclude-throw-branches --exclude-unreachable-branches --print-summary \
	  --html-details $(COVDIR)/coverage.html --txt $(COVDIR)/coverage.txt --json-summary $(COVDIR)/coverage.json
	@cat $(COVDIR)/coverage.txt
	@tools/coverage-rooms.py $(COVDIR)/coverage.json $(COVERAGE_ROOMS)

# The Debian packages, $(PKGDIR)/<package>_<version>_<arch>.deb for
# zerb32-cli, zerb32 and python3-zerb32, built with Debian's hardening flags
# and checked by lintian (errors fail the target).
package: setup
	cmake -S . -B $(PKGDIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DZERB32_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_CXX_FLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS) $$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PKGDIR) -j $(JOBS)
	cd $(PKGDIR) && cpack -G DEB
	lintian --fail-on error $(foreach package,zerb32-cli zerb32 python3-zerb32,"$$(ls -t $(PKGDIR)/$(package)_*.deb | head -n 1)")

# Installs zerb32-cli alone with apt-get, then the other packages, converts
# the sample with the installed programs, and removes the packages again
# (also when a step fails).
package-test: package
	packaging/package-test.sh $(PKGDIR) .

# zerb32-cli.exe for 64-bit Windows, one static file: $(WINDIR)/cli/, with
# the licence and the notices of what is linked into it.
windows: setup
	cmake -S . -B $(WINDIR) -G Ninja -DCMAKE_TOOLCHAIN_FILE=packaging/mingw-w64-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DZERB32_TESTS=OFF -DZERB32_UI=OFF
	cmake --build $(WINDIR) -j $(JOBS) --target zerb32-cli
	cp LICENSE $(WINDIR)/cli/LICENSE.txt
	cat packaging/copyright /usr/share/doc/mingw-w64-common/copyright > $(WINDIR)/cli/NOTICES.txt
	@echo "Wrote $(WINDIR)/cli/zerb32-cli.exe, LICENSE.txt and NOTICES.txt (the statically linked runtime's notices)"

# The .exe under Wine: every golden option set with Windows paths, exit codes.
windows-test: windows
	packaging/windows-test.sh $(WINDIR)/cli/zerb32-cli.exe .
