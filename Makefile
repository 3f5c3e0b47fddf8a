# make run  : install what is missing, build, start the board
# make test : install what is missing, build, run the whole suite
# make package : the Debian package, build/dorvane_<version>_<arch>.deb
# make compare : the board against the lean reference program (bench/compare.py)
# make fresh-check : make test and xvfb-run make run on a minimal Debian 12 (tools/fresh-check.sh)
PACKAGES := cmake g++ make pkg-config ccache qt6-base-dev libsdl2-dev libsdl2-mixer-dev \
            libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2 \
            libarchive-dev dpkg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
            fonts-wqy-microhei fonts-nanum fonts-dejavu-core fonts-tlwg-loma-ttf \
            qt6-websockets-dev libmosquitto-dev mosquitto chromium \
            libx11-dev xvfb xauth xdotool python3 qt6-base-private-dev file
BUILD    := build
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test package bench compare sanitize fresh-check clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  SUDO=$$( [ "$$(id -u)" = 0 ] || echo sudo ); \
	  if [ -z "$$(ls -A /var/lib/apt/lists 2>/dev/null | grep -v -e lock -e partial)" ]; then \
	    $$SUDO apt-get update; \
	  fi; \
	  DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y --no-install-recommends $$missing \
	  || { $$SUDO apt-get update && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y --no-install-recommends $$missing; }; \
	fi

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display: start Dorvane from a desktop session, or run it headless with 'xvfb-run make run'."; \
	  exit 1; \
	fi
	@$(BUILD)/dorvane

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)

package: build
	@cd $(BUILD) && cpack -G DEB

# The thread tests again (closing the board under a running clock, the clock
# thread, the main-thread hand-off) in ThreadSanitizer and AddressSanitizer
# builds. Qt is not instrumented: tests/tsan.supp says what of it is ignored.
SANITIZE_TARGETS := test_board test_clock
SANITIZE_TESTS   := Shutdown|ClockThread|MainThreadHandOff
sanitize: deps
	@for s in thread address; do \
	  cmake -S . -B $(BUILD)-$$s -DSANITIZE=$$s -DDORVANE_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug > /dev/null && \
	  cmake --build $(BUILD)-$$s -j $(JOBS) --target $(SANITIZE_TARGETS) && \
	  (cd $(BUILD)-$$s && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	    TSAN_OPTIONS="suppressions=$(CURDIR)/tests/tsan.supp" \
	    ctest --output-on-failure --no-tests=error -R '$(SANITIZE_TESTS)') || exit 1; \
	done

# Each benchmark program in turn (not the build's folders beside them); a
# failed one fails the target once all have run.
bench: build
	@status=0; for b in $(BUILD)/bench/bench_*; do \
	  [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy $$b || status=1; \
	done; exit $$status

# The board against the lean reference program, interleaved in one run:
# CPU in a running round with 4 virtual pads, start-up, END OF ROUND lateness
# and memory, medians and ratios (bench/compare.py says how).
# COMPARE_ARGS="--pairs 5 --seconds 10" changes how much is measured.
PERF_REFERENCE := ../shared/perf-reference
compare: build
	@sh $(PERF_REFERENCE)/build.sh $(CURDIR)/$(BUILD)/perf-reference > /dev/null
	@python3 bench/compare.py $(BUILD)/dorvane $(BUILD)/perf-reference $(COMPARE_ARGS)

# The README's two commands on a Debian 12 root that has only git and make,
# from the committed HEAD. FRESH_CCACHE=1 lends it this machine's compiler cache.
fresh-check:
	@sh tools/fresh-check.sh

clean:
	rm -rf $(BUILD) $(BUILD)-thread $(BUILD)-address
