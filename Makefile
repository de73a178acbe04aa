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
	for prefix in build/wine/* build/win32/wine-e2e; do \
	    [ -d "$$prefix" ] && WINEPREFIX=$$PWD/$$prefix tools/wine-server stop; true; done
	rm -rf build
