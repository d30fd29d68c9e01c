# Makefile: the project's commands. `make` builds everything and runs nothing; `make run` builds
# only the window and opens it; `make test` builds everything and runs the whole test suite: the
# tests (the npm package's among them), the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the C interface from sixteen threads under ThreadSanitizer, the
# converter's tests built for i386 and the PHP example on i386 PHP under AddressSanitizer, the
# web page (in headless Chromium), and 24 seconds of fuzzing on each core. `make fuzz` fuzzes for
# FUZZ_SECONDS (60 by default), and `make fuzz-corpus` keeps what it found; `make bench`
# measures speed; `make package` builds the Debian packages into build/packages/; `make web`
# builds the WebAssembly, the npm package and the page into build-web/. Each installs the Debian
# packages it lacks.
# SPDX-License-Identifier: MIT
BUILD := build
JOBS := $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60
CONFIGURE := cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo -DUSLOVA_WERROR=ON -S .

.PHONY: all run test fuzz fuzz-corpus sanitize tsan bench package web deps test-deps binaries

all: binaries

# The window alone: its packages, and no tests.
run:
	@sh scripts/deps.sh cmake make g++ qt6-base-dev librsvg2-bin
	$(CONFIGURE) -B $(BUILD) -DBUILD_TESTING=OFF -DUSLOVA_WINDOW=ON -DUSLOVA_PYTHON=OFF
	cmake --build $(BUILD) -j $(JOBS) --target uslova
	$(BUILD)/uslova

# The tools of the tests come first: the build looks for them.
# The page's test waits on Chromium more than it computes: it runs beside the builds that
# follow ctest, and its output and status are shown where it ends.
# The i386 PHP is downloaded and unpacked beside ctest, and waited for before its test: a
# failed download is tried again there, where it fails the run.
test: test-deps binaries
	mkdir -p $(BUILD)-i386 && rm -f $(BUILD)-i386/php-fetch.status
	(sh scripts/php_i386.sh --fetch $(BUILD)-i386 >$(BUILD)-i386/php-fetch.log 2>&1; \
	  echo $$? >$(BUILD)-i386/php-fetch.status) &
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	rm -f $(BUILD)/web_test.status
	(sh scripts/web_test.sh $(BUILD) >$(BUILD)/web_test.log 2>&1; \
	  echo $$? >$(BUILD)/web_test.status) &
	$(MAKE) --no-print-directory sanitize
	$(MAKE) --no-print-directory tsan
	sh scripts/i386.sh $(BUILD)-i386
	while [ ! -f $(BUILD)-i386/php-fetch.status ]; do sleep 1; done
	sh scripts/php_i386.sh $(BUILD)-i386 $(BUILD)
	$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=24
	while [ ! -f $(BUILD)/web_test.status ]; do sleep 1; done
	cat $(BUILD)/web_test.log
	[ "$$(cat $(BUILD)/web_test.status)" = 0 ]

# The Debian packages, and the Calc add-in as a self-contained .oxt, into build/packages/.
package: binaries
	sh scripts/package.sh $(BUILD)/packages
	sh scripts/oxt.sh $(BUILD) $(BUILD)/packages

# The converter as WebAssembly, the npm package uslova and its tarball, and the web page.
web:
	sh scripts/web.sh $(BUILD)-web

deps:
	@sh scripts/deps.sh

test-deps:
	@sh scripts/deps.sh xvfb xauth xdotool xclip x11-utils python3 php-cli debhelper lintian \
	  emscripten node-acorn nodejs \
	  libreoffice-calc-nogui python3-uno python3-venv python3-wheel-whl python3-dask \
	  python3-distributed python3-pandas chromium chromium-driver python3-selenium

binaries: deps
	$(CONFIGURE) -B $(BUILD) -DBUILD_TESTING=ON -DUSLOVA_WINDOW=ON -DUSLOVA_CALC=ON -DUSLOVA_PYTHON=ON
	cmake --build $(BUILD) -j $(JOBS)

# The converter, command-line and window tests built with the sanitizers; any report fails the
# run. The window runs offscreen. Python cannot load what the sanitizers build.
sanitize: deps
	$(CONFIGURE) -B $(BUILD)-sanitize -DUSLOVA_SANITIZE=ON -DUSLOVA_WINDOW=ON -DUSLOVA_PYTHON=OFF
	cmake --build $(BUILD)-sanitize -j $(JOBS)
	ctest --test-dir $(BUILD)-sanitize --output-on-failure -j $(JOBS)

# The C interface from sixteen threads at once, built with ThreadSanitizer.
tsan: deps
	@sh scripts/deps.sh libtsan2
	$(CONFIGURE) -B $(BUILD)-tsan -DUSLOVA_TSAN=ON -DUSLOVA_WINDOW=OFF
	cmake --build $(BUILD)-tsan -j $(JOBS) --target c_threads_test uslova-cli
	ctest --test-dir $(BUILD)-tsan --output-on-failure -R c_threads_test

# A crash stops the run and leaves its input in build-fuzz/findings/.
fuzz:
	@sh scripts/deps.sh cmake make clang libclang-rt-dev
	$(CONFIGURE) -B $(BUILD)-fuzz -DCMAKE_CXX_COMPILER=clang++ -DUSLOVA_FUZZ=ON \
	  -DUSLOVA_WINDOW=OFF -DBUILD_TESTING=OFF
	cmake --build $(BUILD)-fuzz -j $(JOBS)
	mkdir -p $(BUILD)-fuzz/corpus $(BUILD)-fuzz/lines-corpus $(BUILD)-fuzz/options-corpus \
	  $(BUILD)-fuzz/csv-corpus $(BUILD)-fuzz/findings
	rm -f $(BUILD)-fuzz/convert.status
	@# The converter's target on one core, the other three in turn on the other.
	cd $(BUILD)-fuzz && { ./convert_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=findings/ corpus ../fuzz/corpus/convert >convert.log 2>&1; \
	  echo $$? >convert.status; } &
	cd $(BUILD)-fuzz && ./lines_fuzz -max_total_time=$$(( $(FUZZ_SECONDS) / 3 )) -max_len=4096 \
	  -print_final_stats=1 -artifact_prefix=findings/ lines-corpus ../fuzz/corpus/lines
	cd $(BUILD)-fuzz && ./csv_fuzz -max_total_time=$$(( $(FUZZ_SECONDS) / 3 )) -max_len=4096 \
	  -print_final_stats=1 -artifact_prefix=findings/ csv-corpus ../fuzz/corpus/csv
	cd $(BUILD)-fuzz && ./options_fuzz -max_total_time=$$(( $(FUZZ_SECONDS) / 3 )) \
	  -print_final_stats=1 -artifact_prefix=findings/ options-corpus ../fuzz/corpus/options
	cd $(BUILD)-fuzz && while [ ! -f convert.status ]; do sleep 1; done && \
	  if [ "$$(cat convert.status)" = 0 ]; then tail -n 12 convert.log; else cat convert.log; false; fi

# Keeps in fuzz/corpus/ the fewest inputs that reach all that the kept ones and those of the
# last `make fuzz` reach: a few hundred small files, which every ctest replays.
fuzz-corpus:
	cd $(BUILD)-fuzz && for target in convert lines csv options; do \
	  rm -rf merged && mkdir merged && \
	  ./$${target}_fuzz -set_cover_merge=1 -max_len=256 merged ../fuzz/corpus/$$target \
	    $$( [ $$target = convert ] && echo corpus || echo $$target-corpus ) 2>/dev/null && \
	  rm -rf ../fuzz/corpus/$$target && mv merged ../fuzz/corpus/$$target || exit 1; done
	ls fuzz/corpus/* | wc -l
# An optimised build of its own: the converter against ICU, the command line on a million
# lines, and the window's start on a virtual display.
bench: deps
	@sh scripts/deps.sh libbenchmark-dev libicu-dev libxcb1-dev pkg-config xvfb xauth python3 \
	  python3-num2words
	cmake -DCMAKE_BUILD_TYPE=Release -S . -B $(BUILD)-bench -DUSLOVA_BENCH=ON -DBUILD_TESTING=OFF -DUSLOVA_WINDOW=ON \
	  -DUSLOVA_CALC=ON
	cmake --build $(BUILD)-bench -j $(JOBS)
	$(BUILD)-bench/converter_bench
	sh bench/cli.sh $(BUILD)-bench/uslova-cli
	sh bench/startup.sh $(BUILD)-bench
	PYTHONPATH=$(BUILD)-bench/python /usr/bin/python3 bench/python_bench.py
	@# The same with the C library's allocator, which keeps freed memory for the next list
	PYTHONMALLOC=malloc PYTHONPATH=$(BUILD)-bench/python /usr/bin/python3 bench/python_bench.py
	@sh scripts/deps.sh libreoffice-calc-nogui python3-uno
	PYTHONPATH=$(BUILD)-bench/python /usr/bin/python3 bench/calc_bench.py $(BUILD)-bench/calc
	sh scripts/web.sh $(BUILD)-web >/dev/null
	@sh scripts/deps.sh chromium chromium-driver python3-selenium
	mkdir -p $(BUILD)-web/tools && cd $(BUILD)-web/tools && \
	  { [ -f package.json ] || echo '{ "private": true }' >package.json; } && \
	  npm install --silent --no-audit --no-fund axe-core@4 n2words@4.0.0 >/dev/null
	node --expose-gc bench/node_bench.mjs $(BUILD)-web/npm/package/index.js $(BUILD)-web/tools/node_modules
	/usr/bin/python3 tests/web_test.py $(BUILD)-web/site \
	  $(BUILD)-web/tools/node_modules/axe-core/axe.min.js $(BUILD)-web/web.png --measure
