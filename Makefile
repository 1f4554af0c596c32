# Front end over CMake.
#   make       optimised build/mphi
#   make run   run it on the worked example in build/run, show SECTION, then
#              mphi-report for a 200 cm column with build/run/SECTION.svg and .csv,
#              then mphi-sweep's 21 loads with the interaction diagram, and
#              mphi-batch on the example table of columns
#   make test  sanitised build of everything, then every test
#   make bench benchmarks of the analysis, sweep and batch; 1000 sections as
#              mphi processes against one mphi-batch run
#   make fuzz  both libFuzzer targets, FUZZ_SECONDS each (default 60)
#   make exhaustive  every single-precision field against a reference (long)
BUILD := build
JOBS := $(shell nproc 2>/dev/null || echo 2)
MAKEFLAGS += --no-print-directory

.PHONY: all run test bench fuzz fuzz-deps exhaustive deps clean

all: deps
	cmake -S . -B $(BUILD)/release -DCMAKE_BUILD_TYPE=Release -DMPHI_OUTPUT_DIR=$(CURDIR)/$(BUILD) >/dev/null
	cmake --build $(BUILD)/release -j $(JOBS)

run: all
	rm -rf $(BUILD)/run && mkdir -p $(BUILD)/run
	cd $(BUILD)/run && ../mphi < ../../examples/worked-example.in; echo "exit status $$?"
	@echo "---- SECTION ----"
	@cat $(BUILD)/run/SECTION
	@echo "---- mphi-report ----"
	cd $(BUILD)/run && ../mphi-report SECTION --length 200 --svg SECTION.svg --csv SECTION.csv
	@echo "---- mphi-sweep: 21 loads (build/run/interaction.svg, curves.svg, sweep.csv) ----"
	cd $(BUILD)/run && ../mphi-sweep ../../examples/worked-example.in --csv sweep.csv \
	  --svg interaction.svg --curves-svg curves.svg && cut -d, -f1-7,10,13 sweep.csv
	@echo "---- mphi-batch: examples/columns.csv (build/run/columns-results.csv) ----"
	cd $(BUILD)/run && ../mphi-batch ../../examples/columns.csv -o columns-results.csv --out columns \
	  && cat columns-results.csv

test: deps
	cmake -S . -B $(BUILD)/test -DCMAKE_BUILD_TYPE=Debug -DMPHI_SANITIZE=ON -DMPHI_TESTS=ON >/dev/null
	cmake --build $(BUILD)/test -j $(JOBS)
	cd $(BUILD)/test && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD)/bench -DCMAKE_BUILD_TYPE=Release -DMPHI_BENCH=ON >/dev/null
	cmake --build $(BUILD)/bench -j $(JOBS)
	$(BUILD)/bench/bench/mphi_bench
	$(MAKE) all
	bash bench/batch_vs_processes.sh $(CURDIR)/$(BUILD)

FUZZ_SECONDS := 60
FUZZ_TARGETS := reader_fuzz run_fuzz

# Each target starts from its seeds in tests/fuzz and keeps what it learns
# in build/fuzz/corpus; a finding stops make with the input saved in
# build/fuzz/findings.
fuzz: deps fuzz-deps
	cmake -S . -B $(BUILD)/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMPHI_FUZZ=ON >/dev/null
	cmake --build $(BUILD)/fuzz -j $(JOBS) --target $(FUZZ_TARGETS)
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(BUILD)/fuzz/corpus/$$t $(BUILD)/fuzz/findings; \
	  echo "fuzzing $$t for $(FUZZ_SECONDS) s"; \
	  $(BUILD)/fuzz/tests/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	    -artifact_prefix=$(BUILD)/fuzz/findings/$$t- $(BUILD)/fuzz/corpus/$$t \
	    tests/fuzz/$${t%_fuzz}_corpus 2>$(BUILD)/fuzz/$$t.log \
	    || { tail -n 60 $(BUILD)/fuzz/$$t.log; exit 1; }; \
	  grep -E '^(Done|stat::number_of_executed_units)' $(BUILD)/fuzz/$$t.log; \
	done

# clang with its libFuzzer runtime, installed only where missing.
fuzz-deps:
	@printf 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }\n' \
	  | clang++ -x c++ -fsanitize=fuzzer,address,undefined -o /dev/null - 2>/dev/null || { \
	  apt-get update && apt-get install -y clang libclang-rt-dev; }

exhaustive: deps
	cmake -S . -B $(BUILD)/exhaustive -DCMAKE_BUILD_TYPE=Release -DMPHI_TESTS=ON >/dev/null
	cmake --build $(BUILD)/exhaustive -j $(JOBS) --target field_exhaustive
	$(BUILD)/exhaustive/tests/field_exhaustive

# The compiler, CMake, GoogleTest and Google Benchmark come with this kind of
# machine; CLI11, nlohmann/json and libcsv may not. Install only what is missing.
deps:
	@command -v cmake >/dev/null && test -f /usr/include/gtest/gtest.h \
	  && test -f /usr/include/benchmark/benchmark.h && test -f /usr/include/CLI/CLI.hpp \
	  && test -f /usr/include/nlohmann/json.hpp && test -f /usr/include/csv.h || { \
	  apt-get update && apt-get install -y g++ cmake make libgtest-dev libbenchmark-dev \
	    libcli11-dev nlohmann-json3-dev libcsv-dev; }

clean:
	rm -rf $(BUILD)
