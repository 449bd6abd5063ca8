# The two set-up commands: `make run` and `make test`.
.PHONY: run test build clean format

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
