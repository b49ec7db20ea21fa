# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
FUZZ_DIR  ?= build-fuzz
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := $(notdir $(wildcard tests/fuzz/corpus/*))

.PHONY: all deps build run test test-asan fuzz-build test-fuzz fuzz bench demo manual-pictures screenshots package clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR)

run: build
	@bash scripts/run.sh $(BUILD_DIR)/dextrel $(ARGS)

# Every test, then the tests of the logic again built with AddressSanitizer and
# UBSan, then a short run of each fuzz target.
test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j2
	@$(MAKE) --no-print-directory test-asan
	@$(MAKE) --no-print-directory test-fuzz

test-asan: deps
	@cmake -S . -B $(ASAN_DIR) $(CMAKE_FLAGS) -DDEXTREL_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_DIR)
	@cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure --timeout 600 -j2

# The domain logic and the fuzz targets alone, with clang, ASan and UBSan.
fuzz-build: deps
	@cmake -S . -B $(FUZZ_DIR) $(CMAKE_FLAGS) -DCMAKE_CXX_COMPILER=clang++ -DDEXTREL_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_DIR)

# Each fuzz target 10 seconds, from its seed corpus.
test-fuzz: fuzz-build
	@cd $(FUZZ_DIR) && ctest --output-on-failure --timeout 120 -j2

# Each fuzz target FUZZ_SECONDS, growing its corpus in $(FUZZ_DIR)/fuzz/<target>.
fuzz: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
		echo "== $$t, $(FUZZ_SECONDS) s"; \
		bash scripts/fuzz.sh $(FUZZ_DIR)/tests/fuzz/$$t tests/fuzz/corpus/$$t $(FUZZ_DIR)/fuzz/$$t $(FUZZ_SECONDS) || exit 1; \
	done

bench: build
	@bash scripts/bench.sh $(BUILD_DIR)

demo: build
	@bash scripts/demo.sh $(BUILD_DIR)

# The manual's pictures of the windows, beside the program (build/manual-pictures).
manual-pictures: build
	@cmake --build $(BUILD_DIR) --target manual_pictures

# The README's pictures (docs/screenshots), taken again with the built program.
screenshots: build
	@bash scripts/screenshots.sh $(BUILD_DIR) docs/screenshots

# The Debian package, in the build folder, with the manual's pictures; then
# unpacked into a scratch root, started from there and checked with lintian.
package: manual-pictures
	@cmake --build $(BUILD_DIR) --target package
	@cd $(BUILD_DIR) && ctest -C Package -R '^package$$' --output-on-failure

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
