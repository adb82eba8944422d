# Two commands for a newcomer: `make run` and `make test`.
PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: deps configure build run test package screenshots clean

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@MAKEFLAGS= cmake --build --preset $(PRESET) -- --no-print-directory

run: build
	@scripts/run.sh $(BUILD)/scarabine

test: build
	@ctest --preset $(PRESET)

package: build
	@cd $(BUILD) && MAKEFLAGS= cpack >cpack.log 2>&1 || { cat cpack.log; exit 1; }
	@sed -n 's/^CPack: - package: \(.*\) generated\.$$/\1/p' $(BUILD)/cpack.log

# Every window at 1x and 2x into docs/screenshots/, drawn by a real X server.
screenshots: build
	@for scale in 1 2; do \
	  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$$scale LANG=C.UTF-8 LC_ALL=C.UTF-8 \
	    xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/tools/screenshots docs/screenshots || exit 1; \
	done

clean:
	rm -rf build
