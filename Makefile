# Two commands for a newcomer: `make run` and `make test`.
PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: deps configure build run test package clean

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

clean:
	rm -rf build
