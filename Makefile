# The two set-up commands: `make run` and `make test`.
.PHONY: run test build clean format test-sanitize stress

build:
	scripts/setup

run: build
	build/wellenzeiger

test: build
	cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build

# The whole suite built with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer.
test-sanitize:
	BUILD_DIR=build-sanitize BUILD_TYPE=Debug CMAKE_EXTRA="-DSANITIZE=ON" scripts/setup
	cd build-sanitize && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure -j 2

# Installs the program, its desktop entry, icon and metainfo (under
# /usr/local unless PREFIX is given: `make install PREFIX=/usr`).
.PHONY: install
install: build
	cmake --install build $(if $(PREFIX),--prefix $(PREFIX))

# Many more random interaction sequences than the suite runs (SEEDS=n).
stress: build
	cd build && QT_QPA_PLATFORM=offscreen WELLENZEIGER_STRESS_SEEDS=$${SEEDS:-320} \
	  ./tests/stress_tests --gtest_brief=1

# The Debian package wellenzeiger_<version>_<arch>.deb, built from build/ and
# copied here: `sudo apt install ./wellenzeiger_*.deb` installs it.
.PHONY: package
package: build
	rm -rf build/package
	umask 022 && cpack --config build/CPackConfig.cmake -G DEB
	cp build/package/wellenzeiger_*.deb .

# The benchmark, not part of `make test`: prints one line per figure, "name
# value unit" (docs/performance.md has the budgets).
.PHONY: bench
bench: build
	bench/run.sh build

# Injects each fault of tests/faults.tsv into a scratch copy of the tree and
# runs the suite against it (ONLY=id1,pattern* for a subset). Not part of
# `make test`; ccache makes its rebuilds quicker.
.PHONY: faults
faults:
	EXTRA_PACKAGES=ccache scripts/setup
	scripts/faults '$(ONLY)'

# Windows x64: wellenzeiger-<version>-windows-x64.zip and
# wellenzeiger-<version>-setup.exe here (scripts/windows-package). The first
# run builds Qt for Windows into ~/.cache/wellenzeiger (scripts/windows-qt,
# about 30 minutes).
.PHONY: windows test-windows
windows:
	scripts/windows-package

# The Windows program, its zip and its installer under wine on Xvfb; not part
# of `make test`.
test-windows: windows
	scripts/install-packages wine wine64 fonts-wine xvfb xauth openbox xdotool wmctrl \
	  x11-utils imagemagick unzip
	version=$$(cat build-windows/version) && \
	  xvfb-run -a -s '-screen 0 1280x1024x24' tests/windows/wine_check.sh \
	  wellenzeiger-$$version-windows-x64.zip wellenzeiger-$$version-setup.exe

# The program as a web page: wellenzeiger-<version>-web.zip here
# (scripts/web-package), a folder for any web server. The first run builds
# Qt for WebAssembly into ~/.cache/wellenzeiger (scripts/web-qt, about 17
# minutes at -j 2 on a quiet machine).
.PHONY: web serve-web test-web bench-web
web:
	scripts/web-package

# The zip's folder on http://127.0.0.1:8000/ (PORT=n for another port).
serve-web: web
	rm -rf build-web/serve && mkdir -p build-web/serve
	unzip -q wellenzeiger-$$(cat build-web/version)-web.zip -d build-web/serve
	scripts/serve-web build-web/serve/wellenzeiger-$$(cat build-web/version) $${PORT:-8000}

# The zip in headless Chromium, driven through its DevTools protocol; not
# part of `make test`.
test-web: web
	scripts/install-packages chromium python3-websocket python3-pil unzip
	timeout 600 /usr/bin/python3 tests/web/web_check.py wellenzeiger-$$(cat build-web/version)-web.zip

# The browser's figures (docs/performance.md), in headless Chromium.
bench-web: web
	scripts/install-packages chromium python3-websocket python3-pil unzip
	/usr/bin/python3 bench/web_bench.py wellenzeiger-$$(cat build-web/version)-web.zip
