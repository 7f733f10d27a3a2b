# The two commands for a new user: `make run` and `make test`.
PROGRAM ?= PennatoneDemo
BUILD   ?= build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)

DEB_PACKAGES := cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev \
                fonts-dejavu-core fonts-dejavu-extra fonts-liberation2 xvfb xauth xdotool xclip \
                libbenchmark-dev dpkg-dev time clang libclang-rt-14-dev clang-format \
                lintian desktop-file-utils appstream librsvg2-bin x11-apps mmdebstrap \
                qt6-multimedia-dev pulseaudio pulseaudio-utils \
                qt6-svg-dev poppler-utils chordii ghostscript cups cups-client cups-filters \
                printer-driver-cups-pdf util-linux mount

.PHONY: run test build setup configure clean bench package soak format-check

setup:
	@missing=""; for p in $(DEB_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null; \
	  else \
	    echo "Missing packages. Run: sudo apt-get install -y$$missing"; exit 1; \
	  fi; \
	fi

# Warnings are errors in our own tests and CI (WERROR=ON); a plain build
# leaves the option as the build folder has it (off in a new one).
test check: WERROR ?= ON

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  $(if $(WERROR),-DDEMO_WERROR=$(WERROR)) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "No display found: start it under X, e.g.  xvfb-run -a make run PROGRAM=$(PROGRAM)"; exit 1; \
	fi
	@$(BUILD)/bin/$(PROGRAM)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every C++ file as .clang-format has it.
format-check: setup
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
	@echo "Formatting: every C++ file as .clang-format has it."

# The real-window tests 20 times, four at a time, beside a busy loop per core.
soak: build
	@tests/e2e/soak.sh $(BUILD) $(or $(ROUNDS),20)

# Click timings against the generated image library, with the ratio table at the end.
bench: build
	@cmake --build $(BUILD) -j $(JOBS) --target click_bench
	@$(BUILD)/bench/click_bench

# A .deb of both programs with their image library, built as a distribution
# builds it (Debian's hardening flags, no -Werror) in $(BUILD)/deb: $(BUILD)/package/*.deb
package: setup
	@JOBS=$(JOBS) packaging/build-deb.sh $(BUILD)/deb $(BUILD)/package

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer (storms
# included), both programs started and closed under LeakSanitizer, then a minute each of
# fuzzing the picture decoder and the sheet file reader. Leaks are suppressed only inside
# Qt's and fontconfig's own libraries (fuzz/lsan.supp).
# Instrumented clicks cost a few times more: the storms there are shorter.
SANITIZER_STORM_CLICKS ?= 25000
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
                 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
                 LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp:print_suppressions=0 \
                 QT_QPA_PLATFORM=offscreen DEMO_STORM_CLICKS=$(SANITIZER_STORM_CLICKS)
FUZZ_SECONDS ?= 60

.PHONY: check fuzz-corpus
check: setup
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDEMO_SANITIZE=ON \
	  -DDEMO_WERROR=$(WERROR) >/dev/null
	@$(SANITIZER_ENV) cmake --build build-asan -j $(JOBS)
	@cd build-asan && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)
	@$(SANITIZER_ENV) build-asan/bin/demo-driver PennatoneDemo --screenshot build-asan/leaks.png \
	  Base 0 Ty 0 Chord_Display 3 Select_Fs Mask_5 size 3 option tuning dadgad \
	  option fingers on hover 2 hover root option left-handed on hover off \
	  option naming on fret 1 3 fret 2 2 fret 3 0 name 0 close_me >/dev/null
	@$(SANITIZER_ENV) build-asan/bin/demo-driver LyrafretDemo --screenshot build-asan/leaks.png \
	  Key_C 0 key 0 FretDisplay 1 Select_Fs Mask_5 size 3 option tuning open-g \
	  option fingers on hover 1 Chord_Display 1 hover off \
	  option naming on fret 1 0 fret 2 2 fret 3 2 name 0 Exit_Me >/dev/null
	@echo "Both programs start, click and exit without a sanitizer report."
	@cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DDEMO_FUZZ=ON -DDEMO_WERROR=$(WERROR) >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target bmp_fuzz sheet_fuzz
	@rm -rf build-fuzz/corpus && mkdir -p build-fuzz/corpus
	@# A smaller quarantine keeps the fuzzer well inside its memory limit.
	@$(SANITIZER_ENV) ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:quarantine_size_mb=64 \
	  build-fuzz/fuzz/bmp_fuzz -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=512 \
	  -malloc_limit_mb=256 -timeout=10 -print_final_stats=1 build-fuzz/corpus fuzz/corpus
	@rm -rf build-fuzz/sheet-corpus && mkdir -p build-fuzz/sheet-corpus
	@$(SANITIZER_ENV) ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:quarantine_size_mb=64 \
	  build-fuzz/fuzz/sheet_fuzz -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=512 \
	  -malloc_limit_mb=256 -timeout=10 -print_final_stats=1 build-fuzz/sheet-corpus fuzz/sheet_corpus

# Rewrites the committed fuzz seeds from our own BMP writer.
fuzz-corpus: configure
	@cmake --build $(BUILD) --target make_corpus
	@$(BUILD)/fuzz/make_corpus fuzz/corpus

clean:
	rm -rf $(BUILD)
