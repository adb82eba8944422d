# Two commands for a newcomer: `make run` and `make test`.
PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: deps configure build run test clean

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

clean:
	rm -rf build
