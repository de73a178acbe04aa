# make: build both presets and the distribution (build/dist); make test: build and run every
# test; make run: start the program under Wine; make clean: remove everything generated.
.PHONY: all build test run clean bootstrap

all: build

bootstrap:
	@tools/bootstrap

build: bootstrap
	cmake --preset host >/dev/null
	cmake --build --preset host
	cmake --preset win32 >/dev/null
	cmake --build --preset win32

test: build
	ctest --preset host
	ctest --preset win32

run: build
	tools/run

clean:
	tools/wine-server stop
	rm -rf build
