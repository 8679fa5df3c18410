# One-word entry points: make run, make test, make bench, and the long
# checks: make check-sanitize, make fuzz, make soak.
BUILD    ?= build
SANITIZE ?= build-sanitize
JOBS     ?= $(shell nproc)
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# The sanitizer build: AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer, any finding fatal. The options apply to the
# build too, where test discovery runs the test programs.
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
export ASAN_OPTIONS  := detect_leaks=1:strict_init_order=1:detect_stack_use_after_return=1
export LSAN_OPTIONS  := suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS := print_stacktrace=1:halt_on_error=1

.PHONY: all deps configure build run test bench clean install package check-sanitize sanitize-build fuzz soak

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(LAUNCHER)

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

$(SANITIZE)/build.ninja: | deps
	cmake -S . -B $(SANITIZE) -G Ninja $(LAUNCHER) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DKAVENOR_BENCH=OFF -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"

sanitize-build: deps $(SANITIZE)/build.ninja
	cmake --build $(SANITIZE) -j $(JOBS)

# The whole suite in the sanitizer build: unit, lesson, tool, fuzz, X11 and
# smoke runs.
check-sanitize: sanitize-build
	cd $(SANITIZE) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The long fuzz: a million events in process in the sanitizer build, then the
# sanitizer build's program on a real X server driven with xdotool, bare and
# with a window manager.
SEED          ?= 1
FUZZ_EVENTS   ?= 1000000
FUZZ_X_EVENTS ?= 2000
fuzz: sanitize-build
	QT_QPA_PLATFORM=offscreen $(SANITIZE)/tests/kavenor-fuzz --seed $(SEED) --events $(FUZZ_EVENTS)
	scripts/with-xvfb scripts/fuzz-x $(SANITIZE)/kavenor $(FUZZ_X_EVENTS) $(SEED)
	scripts/with-xvfb --wm scripts/fuzz-x $(SANITIZE)/kavenor $(FUZZ_X_EVENTS) $(SEED)

# Every lesson through 24 simulated hours hidden and one shown, in the
# optimised build.
soak: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tests/kavenor-soak --hidden-hours 24 --shown-hours 1

clean:
	rm -rf $(BUILD) $(SANITIZE)
