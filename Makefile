# One-word entry points: make run, make test, make bench.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean install package

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/kavenor

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	scripts/run-bench $(BUILD)

# Installs into PREFIX (default /usr/local); DESTDIR, if set, is put in front.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, in $(BUILD): kavenor_<version>_<arch>.deb
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
