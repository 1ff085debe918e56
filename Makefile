# make run   installs what is missing, builds and opens the calculator
# make test  installs what is missing, builds and runs every test headless
# make sanitize  the tests again, built with AddressSanitizer and UBSan
# make fuzz  builds the libFuzzer targets with clang and runs each for
#            FUZZ_SECONDS (default 300); CI runs them for 20 s each
# make bench  benchmarks and timings against other tools; not part of CI
# make package   the Debian package velnorix_<version>_amd64.deb, in build/

BUILD := build
SANITIZE_BUILD := build-sanitize
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS := 300
JOBS := 2
MAKEFLAGS += --no-print-directory
# CI turns every warning into an error.
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo $(if $(CI),-DCMAKE_COMPILE_WARNING_AS_ERROR=ON)

.PHONY: run test sanitize fuzz bench package deps build clean

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		echo "No display to open the window on; run it on a virtual one: xvfb-run -a $(BUILD)/velnorix (Debian package xvfb)"; \
	else \
		$(BUILD)/velnorix; \
	fi

test: build
	ctest --test-dir $(BUILD) --output-on-failure

sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) $(CMAKE_FLAGS) -DVELNORIX_SANITIZE=ON >/dev/null
	cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --test-dir $(SANITIZE_BUILD) --output-on-failure

fuzz:
	@scripts/install-deps.sh clang-14 libclang-rt-14-dev
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14 $(CMAKE_FLAGS) >/dev/null
	cmake --build $(FUZZ_BUILD) -j$(JOBS)
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Timings mean something only on a quiet machine, so CI builds the benchmarks
# (every build does) but never runs them.
bench: build
	bench/run.sh $(BUILD)

# dpkg-shlibdeps (dpkg-dev) and file work out the package's dependencies.
package: build
	@scripts/install-deps.sh dpkg-dev file
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
