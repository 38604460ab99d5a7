# The two commands of the README:
#   make play   installs what is missing, builds, assembles build/game/ and plays
#   make test   installs what is missing, builds and runs every test (also
#               under the address and undefined-behaviour sanitizers, with the
#               fuzzers run for a bounded time)
#   make install PREFIX=P     the program, its assets, desktop entry and icon under P
#   make uninstall PREFIX=P   removes them again (the player's files stay)
#   make coverage             line coverage of src/ by the tests (build-cov/coverage.txt)
#   make gallery              screenshots of the art in play, in build/gallery/
#   make web                  the game for the browser (build-web/page/) and for node (build-web/node/)
#   make play-web             serves the page on 127.0.0.1 and prints its address (WEB_PORT=8080)
#   make bench-web            the node build's speed against the native one, the page's frame time,
#                             CPU share and download size

BUILD      ?= build
ASAN_BUILD ?= build-asan
COV_BUILD  ?= build-cov
WEB_BUILD  ?= build-web
WEB_PORT   ?= 8080
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX     ?= /usr/local

# Debian packages the build, the game and the tests need.
PACKAGES = cmake ninja-build g++ clang libclang-rt-14-dev pkg-config \
           libsdl2-dev libsdl2-mixer-dev libpng-dev libcairo2-dev libfreetype-dev \
           fonts-dejavu-core timgm6mb-soundfont \
           libgtest-dev libgmock-dev libbenchmark-dev \
           xvfb xauth xdotool python3 \
           dpkg-dev groff-base desktop-file-utils appstream
# And those of the browser build and its tests, which the desktop game can do without.
WEB_PACKAGES = emscripten chromium nodejs

SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Debian's em++ runs its tools on the first node of the PATH, which finds
# Debian's node modules (acorn) only when told where they are.
EMSDK_ENV = NODE_PATH=/usr/share/nodejs$(if $(NODE_PATH),:$(NODE_PATH))

.PHONY: play test deps deps-web build build-asan test-release test-asan test-cross test-web bench coverage gallery clean \
        install uninstall web play-web bench-web

play: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target game_dir
	cd $(BUILD)/game && ./ombrezza

test: test-release test-asan test-cross test-web

# Installs the Debian packages of its list that are missing.
define install_missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || missing="$$missing $$p"; \
	done; \
	$(2) \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

# npm comes with some builds of node, and Debian's would clash with them.
deps-web:
	$(call install_missing,$(WEB_PACKAGES),command -v npm >/dev/null || missing="$$missing npm";)
	@# The page's packages as the lock file pins them (no browser is downloaded).
	@[ node_modules/.package-lock.json -nt package-lock.json ] || npm ci --no-audit --no-fund --loglevel=error || \
	  (echo "npm ci failed: the page (make web) and its tests need its packages"; exit 1)

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN_BUILD)/build.ninja: | deps
	CC=clang CXX=clang++ cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DOMBREZZA_SANITIZE=ON -DOMBREZZA_FUZZ=ON -DOMBREZZA_BENCH=OFF

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-release: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# A replay recorded by either build verifies and plays back in the other: a
# stage-1 game over, and a whole game to the all clear.
test-cross: build build-asan
	cmake --build $(BUILD) --target game_dir && cmake --build $(ASAN_BUILD) --target game_dir
	ASAN_OPTIONS=detect_leaks=1 python3 tests/e2e/replay_test.py \
	  $(BUILD)/game/ombrezza $(BUILD)/game $(ASAN_BUILD)/game/ombrezza
	ASAN_OPTIONS=detect_leaks=1 python3 tests/e2e/whole_game_test.py \
	  $(BUILD)/game/ombrezza $(BUILD)/game $(ASAN_BUILD)/game/ombrezza

# The WebAssembly tree, configured once the native build has generated the
# assets that the page preloads.
web: deps-web $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target game_assets game_icons
	[ -f $(WEB_BUILD)/build.ninja ] || $(EMSDK_ENV) emcmake cmake -S . -B $(WEB_BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DOMBREZZA_ASSETS=$(CURDIR)/$(BUILD)/game
	$(EMSDK_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)

play-web: web
	node web/serve.js $(WEB_BUILD)/page $(WEB_PORT)

# The browser build against the native one: the same dumps and files over
# every stage, replays verifying both ways (native and node), and the page in
# headless Chromium, whose screenshots are left in $(WEB_BUILD)/screenshots.
test-web: build web
	python3 tests/web/cross_build_test.py $(BUILD)/game/ombrezza $(BUILD)/game $(WEB_BUILD)/node/ombrezza
	python3 tests/e2e/replay_test.py $(BUILD)/game/ombrezza $(BUILD)/game $(WEB_BUILD)/node/ombrezza
	python3 tests/e2e/whole_game_test.py $(BUILD)/game/ombrezza $(BUILD)/game $(WEB_BUILD)/node/ombrezza
	@status=0; node tests/web/page_test.js $(WEB_BUILD)/page $(BUILD)/game/ombrezza $(BUILD)/game \
	  $(WEB_BUILD)/node/ombrezza $(WEB_BUILD)/screenshots || status=$$?; \
	  if [ $$status = 77 ]; then echo "page tests skipped: no browser"; elif [ $$status != 0 ]; then exit $$status; fi

bench-web: build web
	node bench/web_bench.js $(BUILD)/game/ombrezza $(BUILD)/game $(WEB_BUILD)

bench: build
	for b in $(BUILD)/bench/*_bench; do $$b --benchmark_min_time=0.2; done

# Line coverage of src/ by the unit and end-to-end tests, from an
# instrumented build of its own, made afresh so that no notes of an older
# build are counted (gcovr is installed when missing).
coverage: deps
	@dpkg-query -W -f='$${Status}\n' gcovr 2>/dev/null | grep -q '^install ok installed' || \
	  (DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends gcovr || \
	   ($(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends gcovr))
	rm -rf $(COV_BUILD)
	cmake -S . -B $(COV_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOMBREZZA_COVERAGE=ON -DOMBREZZA_BENCH=OFF
	cmake --build $(COV_BUILD) -j $(JOBS)
	find $(COV_BUILD) -name '*.gcda' -delete  # those the test discovery left
	-cd $(COV_BUILD) && ctest -j $(JOBS) --output-on-failure
	gcovr -r . --filter 'src/' --object-directory $(COV_BUILD) -j $(JOBS) --print-summary -o $(COV_BUILD)/coverage.txt
	@tail -n 4 $(COV_BUILD)/coverage.txt

gallery: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target game_dir
	tools/assetgen/gallery.sh $(BUILD)/game $(BUILD)/gallery

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# What install put there, and nothing else: the player's own files live in
# their home ($$XDG_DATA_HOME/ombrezza) and are left alone.
uninstall:
	rm -f $(PREFIX)/bin/ombrezza
	rm -rf $(PREFIX)/share/ombrezza
	rm -f $(PREFIX)/share/applications/ombrezza.desktop
	rm -f $(PREFIX)/share/icons/hicolor/*/apps/ombrezza.png
	rm -f $(PREFIX)/share/man/man6/ombrezza.6 $(PREFIX)/share/metainfo/org.ombrezza.ombrezza.metainfo.xml

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(COV_BUILD) $(WEB_BUILD)
