# `make run` and `make test` do what the README's ./run.sh and ./test.sh do
# once make is there. Each target installs the packages its own purpose needs
# (scripts/install-deps.sh names the sets) and nothing else.
PRESET ?= default
# As many at once as the machine has cores (the presets build with Ninja, which does the same).
JOBS   := $(shell nproc 2>/dev/null || echo 2)
BUILD  := build/$(PRESET)

DEPS := run test package tidy screenshots screenreader bench fuzz wayland rtl
.PHONY: $(DEPS:%=deps-%) configure build run test bench tidy package package-check screenshots screenreader fuzz fresh-check soak wayland rtl-check clean

$(DEPS:%=deps-%):
	@scripts/install-deps.sh $(@:deps-%=%)

# A tree configured for make before the presets named Ninja starts afresh:
# cmake refuses to change a tree's generator.
forget-make-tree = grep -qs '^CMAKE_GENERATOR:INTERNAL=Unix Makefiles$$' $(1)/CMakeCache.txt && rm -rf $(1)/CMakeCache.txt $(1)/CMakeFiles || true

configure: deps-run
	@$(call forget-make-tree,$(BUILD))
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@MAKEFLAGS= cmake --build --preset $(PRESET)

run: build
	@scripts/launch.sh $(BUILD)/src/scarabine

test: deps-test build
	@ctest --preset $(PRESET)

# The long sessions the test command leaves out (a thousand computes and Backs).
soak: build
	@ctest --preset soak

# The program as a native Wayland client under a headless weston: the main
# road, Back, the about box, a second copy, the farewell window in front of
# a later window, every window whole on an 800x600 output.
wayland: deps-wayland build
	@scripts/check-wayland.sh $(BUILD)

# A saved Arabic report, read back by LibreOffice, runs right to left.
rtl-check: deps-rtl build
	@ctest --preset libreoffice

# Start-up and compute-command timings, each printed beside its target.
bench: deps-bench configure
	@MAKEFLAGS= cmake --build --preset $(PRESET) --target bench_programs >$(BUILD)/bench-build.log 2>&1 || { cat $(BUILD)/bench-build.log; exit 1; }
	@bench/run.sh $(BUILD)

# clang-tidy over the program's own sources (src/, not the generated moc and
# resource files), with the checks named in .clang-tidy; any warning fails.
TIDY_DB  := build/default
TIDY_LOG := $(TIDY_DB)/tidy.log
tidy: deps-tidy
	@$(call forget-make-tree,$(TIDY_DB))
	@cmake --preset default >/dev/null
	@MAKEFLAGS= cmake --build --preset default
	@echo "clang-tidy: src/"
	@if command -v run-clang-tidy >/dev/null 2>&1; then \
	  run-clang-tidy -quiet -j $(JOBS) -p $(TIDY_DB) '^$(CURDIR)/src/.*\.cpp$$' >$(TIDY_LOG) 2>&1; \
	else \
	  find src -name '*.cpp' -print0 | xargs -0 -n 1 -P $(JOBS) clang-tidy -quiet -p $(TIDY_DB) >$(TIDY_LOG) 2>&1; \
	fi; rc=$$?; \
	grep -v -e '^clang-tidy' -e 'warnings\? generated\.$$' $(TIDY_LOG) || true; \
	[ $$rc -eq 0 ] && echo "clang-tidy: clean" || { echo "clang-tidy: warnings above (full log in $(TIDY_LOG))"; exit 1; }

# The .deb and its -dbgsym through debian/rules (dpkg-buildpackage -b), into build/deb.
package: deps-package
	@scripts/build-package.sh build/deb -b

# Debian's checks of the package (both builds, lintian, autopkgtest, piuparts)
# in a bare root of SUITE (bookworm or trixie), after the README's commands.
SUITE ?= bookworm
package-check:
	@scripts/fresh-debian-check.sh $(SUITE) scripts/package-check.sh

# Every window at 1x and 2x, in each language, into docs/screenshots/, drawn
# by a real X server.
screenshots: deps-screenshots build
	@for lang in C.UTF-8 de_DE.UTF-8 ar_EG.UTF-8; do for scale in 1 2; do \
	  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$$scale LANG=$$lang LC_ALL=$$lang LANGUAGE= \
	    xvfb-run -a -s "-screen 0 2560x1600x24" $(BUILD)/tools/screenshots docs/screenshots || exit 1; \
	done; done

# The program driven through the accessibility bus, as a screen reader and
# its user drive it: every control told apart, the road, alerts and focus.
screenreader: deps-screenreader build
	@scripts/check-screenreader.sh $(BUILD)/src/scarabine

# Fuzzes the RTF writer and the referral address with clang's libFuzzer,
# FUZZ_SECONDS each; new inputs go to build/fuzz/corpus, the seeds stay as
# committed in fuzz/corpus.
FUZZ_SECONDS ?= 60
FUZZ_BUILD   := build/fuzz
FUZZ_FLAGS   := -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined

fuzz: deps-fuzz
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DSCARABINE_FUZZ=ON "-DCMAKE_CXX_FLAGS=$(FUZZ_FLAGS)" >/dev/null
	@MAKEFLAGS= cmake --build $(FUZZ_BUILD) --parallel 2 --target fuzz_rtf fuzz_referral -- --no-print-directory
	@for target in fuzz_rtf fuzz_referral; do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$target && \
	  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 $(FUZZ_BUILD)/fuzz/$$target \
	    -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -timeout=10 -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/$$target- $(FUZZ_BUILD)/corpus/$$target fuzz/corpus/$$target || exit 1; \
	done

# The README's two commands on a bare Debian 12 root made by debootstrap
# (needs root or sudo, and about 2 GB under /tmp).
fresh-check:
	@scripts/fresh-debian-check.sh

clean:
	rm -rf build
