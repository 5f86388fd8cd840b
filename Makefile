# Two commands do all the set-up on a fresh machine: `make run` and `make test`.
JOBS ?= 2
BUILD_DIR := build
ASAN_DIR := build-asan
TEST_ENV := QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: deps build build-asan run demo package test test-plain test-asan bench fuzz format clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j$(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DLL_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j$(JOBS)

run: build
	cd $(BUILD_DIR)/bin && ./lunkerledger

# A program folder with a demonstration logbook (made afresh each time), then the program.
demo: build
	rm -rf $(BUILD_DIR)/demo && mkdir -p $(BUILD_DIR)/demo
	cp $(BUILD_DIR)/bin/lunkerledger $(BUILD_DIR)/bin/qry.ini $(BUILD_DIR)/demo/
	$(BUILD_DIR)/bin/lunkerledger-db demo $(BUILD_DIR)/demo/DATA2.MDB
	cd $(BUILD_DIR)/demo && ./lunkerledger

# The Debian package, from the plain build: build/lunkerledger_VERSION_ARCH.deb
package: build
	cmake --build $(BUILD_DIR) --target package

# Both configurations: the plain build, then the sanitizer build.
test: test-plain test-asan

test-plain: build
	$(TEST_ENV) ctest --test-dir $(BUILD_DIR) --output-on-failure

test-asan: build-asan
	$(TEST_ENV) ctest --test-dir $(ASAN_DIR) --output-on-failure

bench: build
	$(BUILD_DIR)/bin/lunkerledger-bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/lunkerledger-bench-picture
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/lunkerledger-bench-window
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/lunkerledger-bench-safety
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/lunkerledger-bench-stats
	$(BUILD_DIR)/bin/lunkerledger-bench-format

# libFuzzer targets, built with clang: build-fuzz/bin/fuzz_picture [corpus dir]
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLL_FUZZ=ON -DLL_SANITIZE=ON
	cmake --build build-fuzz -j$(JOBS) --target fuzz_picture

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) build-fuzz
