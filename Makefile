# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
SANITIZED_DIR ?= build-sanitized
WINDOWS_DIR ?= build-windows
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := $(notdir $(wildcard tests/fuzz/corpus/*))

.PHONY: all deps build run test sanitized-build test-sanitized fuzz bench demo manual-pictures screenshots package clean
.PHONY: deps-windows windows test-windows

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR)

run: build
	@bash scripts/run.sh $(BUILD_DIR)/dextrel $(ARGS)

# Every test; then the tests of the logic again, built with clang, AddressSanitizer
# and UBSan, and a short run of each fuzz target.
test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j2
	@$(MAKE) --no-print-directory test-sanitized

# The domain logic, its tests and the fuzz targets alone, with clang, ASan and UBSan.
sanitized-build: deps
	@cmake -S . -B $(SANITIZED_DIR) $(CMAKE_FLAGS) -DCMAKE_CXX_COMPILER=clang++ -DDEXTREL_SANITIZED=ON >/dev/null
	@cmake --build $(SANITIZED_DIR)

# The logic's tests, and each fuzz target 10 seconds from its seed corpus.
test-sanitized: sanitized-build
	@cd $(SANITIZED_DIR) && ctest --output-on-failure --timeout 300 -j2

# Each fuzz target FUZZ_SECONDS, growing its corpus in $(SANITIZED_DIR)/fuzz/<target>.
fuzz: sanitized-build
	@for t in $(FUZZ_TARGETS); do \
		echo "== $$t, $(FUZZ_SECONDS) s"; \
		bash scripts/fuzz.sh $(SANITIZED_DIR)/tests/fuzz/$$t tests/fuzz/corpus/$$t $(SANITIZED_DIR)/fuzz/$$t $(FUZZ_SECONDS) || exit 1; \
	done

bench: build
	@cmake --build $(BUILD_DIR) --target benchmarks
	@bash scripts/bench.sh $(BUILD_DIR)

demo: build
	@bash scripts/demo.sh $(BUILD_DIR)

# The manual's pictures of the windows taken again with the built program, into
# the repository (src/help/manual/pictures in English, src/help/manual/zh_TW/pictures
# in Traditional Chinese), when the windows have changed.
manual-pictures: build
	@cmake --build $(BUILD_DIR) --target manual_pictures

# The README's pictures (docs/screenshots), taken again with the built program.
screenshots: build
	@bash scripts/screenshots.sh $(BUILD_DIR) docs/screenshots

# The Debian package, in the build folder; then unpacked into a scratch root,
# started from there and checked with lintian.
package: build
	@cmake --build $(BUILD_DIR) --target package
	@cd $(BUILD_DIR) && ctest -C Package -R '^package$$' --output-on-failure

# The program for Windows, in $(WINDOWS_DIR): Qt for Windows built once from
# Debian's source (cached in ~/.cache/dextrel), then the program, the tests and
# the installer with a zip beside it.
deps-windows:
	@bash scripts/install-deps.sh --windows

windows: deps-windows
	@CMAKE_FLAGS="$(CMAKE_FLAGS)" bash scripts/windows/build.sh $(WINDOWS_DIR) $(BUILD_DIR)

# Every test of the Windows build under Wine (CTEST_ARGS='-R tst_frame': one).
test-windows: windows build
	@bash scripts/windows/test.sh $(WINDOWS_DIR) $(BUILD_DIR) $(CTEST_ARGS)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZED_DIR) $(WINDOWS_DIR)
