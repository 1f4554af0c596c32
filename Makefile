# Front end over CMake.
#   make       optimised build/mphi
#   make run   run it on the worked example in build/run, then show SECTION
#   make test  sanitised build of everything, then every test
#   make bench benchmark of the analysis
#   make exhaustive  every single-precision field against a reference (long)
BUILD := build
JOBS := $(shell nproc 2>/dev/null || echo 2)
MAKEFLAGS += --no-print-directory

.PHONY: all run test bench exhaustive deps clean

all: deps
	cmake -S . -B $(BUILD)/release -DCMAKE_BUILD_TYPE=Release -DMPHI_OUTPUT_DIR=$(CURDIR)/$(BUILD) >/dev/null
	cmake --build $(BUILD)/release -j $(JOBS)

run: all
	rm -rf $(BUILD)/run && mkdir -p $(BUILD)/run
	cd $(BUILD)/run && ../mphi < ../../examples/worked-example.in; echo "exit status $$?"
	@echo "---- SECTION ----"
	@cat $(BUILD)/run/SECTION

test: deps
	cmake -S . -B $(BUILD)/test -DCMAKE_BUILD_TYPE=Debug -DMPHI_SANITIZE=ON -DMPHI_TESTS=ON >/dev/null
	cmake --build $(BUILD)/test -j $(JOBS)
	cd $(BUILD)/test && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD)/bench -DCMAKE_BUILD_TYPE=Release -DMPHI_BENCH=ON >/dev/null
	cmake --build $(BUILD)/bench -j $(JOBS)
	$(BUILD)/bench/bench/mphi_bench

exhaustive: deps
	cmake -S . -B $(BUILD)/exhaustive -DCMAKE_BUILD_TYPE=Release -DMPHI_TESTS=ON >/dev/null
	cmake --build $(BUILD)/exhaustive -j $(JOBS) --target field_exhaustive
	$(BUILD)/exhaustive/tests/field_exhaustive

# The compiler, CMake, GoogleTest and Google Benchmark come with this kind of
# machine; install them only where one is missing.
deps:
	@command -v cmake >/dev/null && test -f /usr/include/gtest/gtest.h \
	  && test -f /usr/include/benchmark/benchmark.h || { \
	  apt-get update && apt-get install -y g++ cmake make libgtest-dev libbenchmark-dev; }

clean:
	rm -rf $(BUILD)
