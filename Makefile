# Front end over CMake.
#   make       optimised build/mphi, the tools, and the Python package in
#              build/python
#   make run   run it on the worked example in build/run, show SECTION, then
#              mphi-report for a 200 cm column with build/run/SECTION.svg and .csv,
#              then mphi-sweep's 21 loads with the interaction diagram, and
#              mphi-batch on the example table of columns
#   make test  sanitised build of everything, then every test, then the page
#              in headless Chromium, then the Python package with pytest and
#              installed by pip into build/venv
#   make web   build/web/mphi.html: the analysis as WebAssembly in one page
#   make bench benchmarks of the analysis, sweep and batch; 1000 sections as
#              mphi processes against one mphi-batch run; the Python package's
#              cost over both
#   make fuzz  every libFuzzer target, FUZZ_SECONDS each (default 60)
#   make exhaustive  every single-precision field against a reference (long)
#   make validate    both models against 117 laboratory column tests
BUILD := build
# Debian's interpreter, which has Debian's Python packages: this kind of
# machine may put another python3 first on the PATH.
PYTHON := /usr/bin/python3
JOBS := $(shell nproc 2>/dev/null || echo 2)
MAKEFLAGS += --no-print-directory

.PHONY: validate all run test bench fuzz fuzz-deps exhaustive deps test-deps bench-deps clean web web-deps \
  web-engine web-test web-compare python-deps python-test python-test-deps

all: deps python-deps
	cmake -S . -B $(BUILD)/release -DCMAKE_BUILD_TYPE=Release -DMPHI_OUTPUT_DIR=$(CURDIR)/$(BUILD) \
	  -DMPHI_PYTHON=ON -DMPHI_PYTHON_DIR=$(CURDIR)/$(BUILD)/python >/dev/null
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
	cd $(BUILD)/run && ../mphi-batch ../../examples/columns.csv --csv columns-results.csv --out columns \
	  && cat columns-results.csv
	@$(MAKE) web >/dev/null && echo "---- the page: open $(CURDIR)/$(WEB)/mphi.html in a browser ----"

test: deps test-deps
	cmake -S . -B $(BUILD)/test -DCMAKE_BUILD_TYPE=Debug -DMPHI_SANITIZE=ON -DMPHI_TESTS=ON >/dev/null
	cmake --build $(BUILD)/test -j $(JOBS)
	cd $(BUILD)/test && ctest --output-on-failure -j $(JOBS)
	$(MAKE) web-test
	$(MAKE) python-test

# The Python package of the optimised build against the tools, then
# installed the conventional way into a virtual environment that sees
# Debian's packages, and tried from there. pytest runs from build/ so that
# `import mphi` finds only what it should.
PYTEST := -m pytest -q -p no:cacheprovider -W ignore::DeprecationWarning
python-test: all python-test-deps
	cd $(BUILD) && MPLBACKEND=Agg PYTHONPATH=$(CURDIR)/$(BUILD)/python $(PYTHON) $(PYTEST) \
	  $(CURDIR)/tests/python
	rm -rf $(BUILD)/venv $(BUILD)/pip && $(PYTHON) -m venv --system-site-packages $(BUILD)/venv
	$(BUILD)/venv/bin/python -m pip install -q --no-build-isolation --no-index .
	cd $(BUILD) && venv/bin/python -c 'import mphi; assert "/venv/" in mphi.__file__, mphi.__file__' \
	  && MPLBACKEND=Agg venv/bin/python $(PYTEST) -k 'worked or section_text or to_dict' \
	  $(CURDIR)/tests/python

# The page: the analysis compiled to WebAssembly by Debian's emscripten
# from the same CMake targets as the native build, inlined with its worker
# into one HTML file that runs from file://. Debian's emscripten finds its
# optimiser's acorn only through NODE_PATH.
WEB := $(BUILD)/web
WASM := $(BUILD)/wasm
EMSCRIPTEN_ENV := NODE_PATH=/usr/share/nodejs

web: web-deps web-engine $(WEB)/mphi.html

web-engine:
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WASM) -DCMAKE_BUILD_TYPE=Release >/dev/null
	$(EMSCRIPTEN_ENV) cmake --build $(WASM) -j $(JOBS) --target mphi_engine_worker mphi_engine_node

$(WASM)/mphi_engine_worker.js: web-engine

$(WEB)/mphi.html: web/page.html web/worker.js web/build_page.mjs $(WASM)/mphi_engine_worker.js
	mkdir -p $(WEB)
	node web/build_page.mjs web/page.html $(WASM)/mphi_engine_worker.js web/worker.js $@

# The page's engine for Node against the native analysis on 2000 sections;
# any difference fails.
web-compare: web all
	node web/compare_native.mjs $(CURDIR)/$(WASM)/mphi_engine_node.js $(BUILD)/mphi-batch $(WEB)/compare 2000

# emscripten, and for the page's test Chromium, from Debian where missing;
# puppeteer-core from npm into the build folder, without a lock file.
PUPPETEER := puppeteer-core@24.43.1
web-deps: deps
	@command -v em++ >/dev/null && test -f /usr/include/nlohmann/json.hpp || { \
	  apt-get update && apt-get install -y emscripten nodejs nlohmann-json3-dev; }

web-test: web
	@command -v chromium >/dev/null || { apt-get update && apt-get install -y chromium; }
	@test -d $(WEB)/test/node_modules/puppeteer-core || { mkdir -p $(WEB)/test && \
	  cd $(WEB)/test && npm install --no-save --no-package-lock --no-audit --no-fund $(PUPPETEER) >/dev/null; }
	cp tests/web/page_test.mjs $(WEB)/test/  # beside its node_modules
	node $(WEB)/test/page_test.mjs $(CURDIR)/$(WEB)/mphi.html \
	  $(CURDIR)/tests/e2e/cases/worked_example/expected_SECTION

bench: deps bench-deps
	cmake -S . -B $(BUILD)/bench -DCMAKE_BUILD_TYPE=Release -DMPHI_BENCH=ON >/dev/null
	cmake --build $(BUILD)/bench -j $(JOBS)
	$(BUILD)/bench/bench/mphi_bench --benchmark_out=$(BUILD)/bench/results.json --benchmark_out_format=json
	$(PYTHON) bench/limits.py $(BUILD)/bench/results.json
	$(MAKE) all
	bash bench/batch_vs_processes.sh $(CURDIR)/$(BUILD)
	$(PYTHON) bench/python_bench.py $(CURDIR)/$(BUILD)

# The laboratory tests through mphi-batch: the rectangular ones of
# validation/columns.csv with both models, the spiral ones of
# spiral-columns.csv with the assessment model; build/validate/results.csv,
# summary.md and two pictures.
validate: all
	cmake --build $(BUILD)/release -j $(JOBS) --target mphi-validate
	$(BUILD)/release/mphi-validate validation/bands.csv $(BUILD)/mphi-batch $(BUILD)/validate \
	  validation/columns.csv validation/spiral-columns.csv

FUZZ_SECONDS := 60
FUZZ_TARGETS := reader_fuzz run_fuzz section_file_fuzz batch_table_fuzz page_request_fuzz

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

exhaustive: deps test-deps
	cmake -S . -B $(BUILD)/exhaustive -DCMAKE_BUILD_TYPE=Release -DMPHI_TESTS=ON >/dev/null
	cmake --build $(BUILD)/exhaustive -j $(JOBS) --target field_exhaustive
	$(BUILD)/exhaustive/tests/field_exhaustive

# What the programs need; the compiler and CMake come with this kind of
# machine, CLI11, nlohmann/json and libcsv may not. Install only what is
# missing. GoogleTest and Google Benchmark only for `make test` and `make
# bench`.
deps:
	@command -v cmake >/dev/null && command -v g++ >/dev/null && test -f /usr/include/CLI/CLI.hpp \
	  && test -f /usr/include/nlohmann/json.hpp && test -f /usr/include/csv.h || { \
	  apt-get update && apt-get install -y g++ cmake make libcli11-dev nlohmann-json3-dev libcsv-dev; }

# The Python module's build: Debian's interpreter with its headers,
# pybind11 and NumPy.
python-deps:
	@test -f /usr/lib/cmake/pybind11/pybind11Config.cmake && $(PYTHON) -c 'import numpy, pybind11, \
	  sysconfig, os; assert os.path.exists(sysconfig.get_paths()["include"] + "/Python.h")' 2>/dev/null \
	  || { apt-get update && apt-get install -y pybind11-dev python3-pybind11 python3-dev python3-numpy; }

# What the package can use and its tests need: pandas, matplotlib, Dask's
# distributed scheduler, pytest, and venv with pip for the install check.
python-test-deps:
	@$(PYTHON) -c 'import pandas, matplotlib, dask, distributed, pytest, ensurepip, setuptools' 2>/dev/null \
	  || { apt-get update && apt-get install -y python3-pandas python3-matplotlib python3-dask \
	  python3-distributed python3-pytest python3-venv python3-pip python3-setuptools; }

test-deps:
	@test -f /usr/include/gtest/gtest.h || { apt-get update && apt-get install -y libgtest-dev; }

bench-deps:
	@test -f /usr/include/benchmark/benchmark.h || { apt-get update && apt-get install -y libbenchmark-dev; }

clean:
	rm -rf $(BUILD)
