# Two commands for a newcomer: `make run` and `make test`.
PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: deps configure build run test bench package clean

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

# Start-up and compute-command timings, each printed beside its target.
bench: configure
	@scripts/install-deps.sh bench
	@MAKEFLAGS= cmake --build --preset $(PRESET) --target bench_programs >$(BUILD)/bench-build.log 2>&1 || { cat $(BUILD)/bench-build.log; exit 1; }
	@bench/run.sh $(BUILD)

package: build
	@cd $(BUILD) && MAKEFLAGS= cpack >cpack.log 2>&1 || { cat cpack.log; exit 1; }
	@sed -n 's/^CPack: - package: \(.*\) generated\.$$/\1/p' $(BUILD)/cpack.log

clean:
	rm -rf build
