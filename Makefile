# Two commands for a newcomer: `make run` and `make test`.
PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: deps configure build run test tidy package clean

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

# clang-tidy over the program's own sources (src/, not the generated moc and
# resource files), with the checks named in .clang-tidy; any warning fails.
TIDY_DB  := build/default
TIDY_LOG := $(TIDY_DB)/tidy.log
tidy: deps
	@cmake --preset default >/dev/null
	@MAKEFLAGS= cmake --build --preset default -- --no-print-directory
	@echo "clang-tidy: src/"
	@if command -v run-clang-tidy >/dev/null 2>&1; then \
	  run-clang-tidy -quiet -j 2 -p $(TIDY_DB) '^$(CURDIR)/src/.*\.cpp$$' >$(TIDY_LOG) 2>&1; \
	else \
	  find src -name '*.cpp' -print0 | xargs -0 -n 1 -P 2 clang-tidy -quiet -p $(TIDY_DB) >$(TIDY_LOG) 2>&1; \
	fi; rc=$$?; \
	grep -v -e '^clang-tidy' -e 'warnings\? generated\.$$' $(TIDY_LOG) || true; \
	[ $$rc -eq 0 ] && echo "clang-tidy: clean" || { echo "clang-tidy: warnings above (full log in $(TIDY_LOG))"; exit 1; }

package: build
	@cd $(BUILD) && MAKEFLAGS= cpack >cpack.log 2>&1 || { cat cpack.log; exit 1; }
	@sed -n 's/^CPack: - package: \(.*\) generated\.$$/\1/p' $(BUILD)/cpack.log

clean:
	rm -rf build
