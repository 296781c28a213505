# Thin wrapper over CMake. `make run` builds and starts Mirel; `make test`
# builds and runs every test, in a normal and a sanitizer build.
JOBS   ?= $(shell nproc)
BUILD  ?= build
ASAN   ?= build-asan
PREFIX ?= /usr/local

.PHONY: run test build bench screenshots format format-check deps install uninstall package clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DMIREL_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/mirel

test: build format-check
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	cmake -S . -B $(ASAN) -DMIREL_WERROR=ON -DMIREL_SANITIZE=ON -DMIREL_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(ASAN) -j $(JOBS)
	LSAN_OPTIONS=suppressions=$(CURDIR)/testing/lsan-suppressions.txt \
		ctest --test-dir $(ASAN) --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/core_bench
	$(BUILD)/bench/pages_bench
	$(BUILD)/bench/dof_table_bench
	$(BUILD)/bench/cameras_bench
	cd $(BUILD) && bench/settings_bench

# Installs under PREFIX (staged under DESTDIR when given); uninstall removes
# what the last install put there.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	xargs -r rm -fv < $(BUILD)/install_manifest.txt

# The Debian package $(BUILD)/mirel_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD) --target package

# Every page and dialog rendered offscreen to PNG files.
screenshots: build
	$(BUILD)/tools/mirel_screenshots $(BUILD)/screenshots

# The C++ sources in the style .clang-format describes.
SOURCES = git ls-files -- '*.cpp' '*.h'
format: deps
	$(SOURCES) | xargs clang-format -i

format-check: deps
	$(SOURCES) | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) $(ASAN)
