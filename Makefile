# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps build run test test-asan bench demo package clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR)

run: build
	@bash scripts/run.sh $(BUILD_DIR)/dextrel $(ARGS)

# Every test, then every test again built with AddressSanitizer and UBSan.
test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j2
	@$(MAKE) --no-print-directory test-asan

test-asan: deps
	@cmake -S . -B $(ASAN_DIR) $(CMAKE_FLAGS) -DDEXTREL_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_DIR)
	@cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure --timeout 600 -j2

bench: build
	@bash scripts/bench.sh $(BUILD_DIR)

demo: build
	@bash scripts/demo.sh $(BUILD_DIR)

# The Debian package, in the build folder.
package: build
	@cmake --build $(BUILD_DIR) --target package

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
