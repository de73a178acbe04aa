# make: build both presets, the distribution (build/dist) and the release zip; make test: build
# and run every test, the 32-bit native builds' among them, and the fuzz targets for 10 s each
# (5 s each in the 32-bit build); make fuzz: the fuzz targets of both builds for FUZZ_SECONDS
# (60) each; make bench: the measurements, into build/bench.txt; make run: the tour of the
# program under Wine; make dist: the release zip and its checksum, checked; make format: format
# the sources; make clean: remove everything generated.
.PHONY: all build build32 test fuzz fuzz-build bench run dist clean bootstrap format
FUZZ_SECONDS ?= 60

all: build

bootstrap:
	@tools/bootstrap

build: bootstrap
	cmake --preset host >/dev/null
	cmake --build --preset host
	cmake --preset win32 >/dev/null
	cmake --build --preset win32

test: build build32 fuzz-build
	ctest --preset host
	ctest --preset host32
	ctest --preset win32
	FUZZ_SECONDS=10 ctest --preset fuzz
	FUZZ_SECONDS=5 ctest --preset fuzz32

# The portable library and its unit tests as a 32-bit program, where sizes wrap as in the program.
build32: bootstrap
	cmake --preset host32 >/dev/null
	cmake --build --preset host32

fuzz-build: bootstrap
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	cmake --preset fuzz32 >/dev/null
	cmake --build --preset fuzz32

fuzz: fuzz-build
	FUZZ_SECONDS=$(FUZZ_SECONDS) ctest --preset fuzz --timeout $$(( $(FUZZ_SECONDS) + 120 ))
	FUZZ_SECONDS=$(FUZZ_SECONDS) ctest --preset fuzz32 --timeout $$(( $(FUZZ_SECONDS) + 120 ))

bench: build
	cmake --preset bench >/dev/null
	cmake --build --preset bench
	tools/bench

run: build
	tools/run

format: bootstrap
	tools/format

dist: build
	cd build && sha256sum -c brisk-download-*.zip.sha256

clean:
	for prefix in build/wine/* build/win32/wine-e2e; do \
	    [ -d "$$prefix" ] && WINEPREFIX=$$PWD/$$prefix tools/wine-server stop; true; done
	rm -rf build
