# Placatec: the commands a developer runs. Each one installs what is missing first.
BUILD       ?= build
BUILD_ASAN  ?= build-asan
BUILD_FUZZ  ?= build-fuzz
BUILD_REL   ?= build-release
JOBS        ?= $(shell nproc)
GENERATOR   := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: setup build run test check-sanitize check-release check-builds fuzz-smoke bench package screenshots capturas clean

setup:
	@scripts/setup

$(BUILD)/build.ninja $(BUILD)/Makefile:
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: setup
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-desktop $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

check-sanitize: setup
	@test -f $(BUILD_ASAN)/CMakeCache.txt || cmake -S . -B $(BUILD_ASAN) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DPLACATEC_SANITIZE=ON -DPLACATEC_GUI=OFF
	cmake --build $(BUILD_ASAN) -j $(JOBS) --target placatec_core_tests placatec-calc fuzz_semillas
	cd $(BUILD_ASAN) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The optimised build packagers make: it must compile under -Werror as well.
check-release: setup
	@test -f $(BUILD_REL)/CMakeCache.txt || cmake -S . -B $(BUILD_REL) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DPLACATEC_GUI=OFF -DPLACATEC_BENCH=OFF
	cmake --build $(BUILD_REL) -j $(JOBS) --target placatec-calc placatec_core_tests
	$(BUILD_REL)/placatec_core_tests --gtest_brief=1

# Every build type with GCC and Clang, each with its tests (slow; not part of CI).
check-builds: setup
	scripts/compila-tipos build-tipos

# The Debian package (build/placatec_*.deb); install it with apt-get install ./build/placatec_*.deb
package: build
	cmake --build $(BUILD) --target package

fuzz-smoke: setup
	@test -f $(BUILD_FUZZ)/CMakeCache.txt || CXX=clang++ cmake -S . -B $(BUILD_FUZZ) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLACATEC_FUZZ=ON -DPLACATEC_GUI=OFF -DPLACATEC_BENCH=OFF -DPLACATEC_SANITIZE=ON
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target fuzz_lee_archivo
	@rm -rf $(BUILD_FUZZ)/corpus && mkdir -p $(BUILD_FUZZ)/corpus
	@cp examples/*.Los tests/corpus/carga/* tests/corpus/rechazo/* tests/corpus/ida_y_vuelta/* $(BUILD_FUZZ)/corpus/ 2>/dev/null || true
	$(BUILD_FUZZ)/fuzz_lee_archivo -max_total_time=60 -max_len=4096 -timeout=5 -dict=fuzz/lee_archivo.dict $(BUILD_FUZZ)/corpus

bench: build
	$(BUILD)/placatec_bench
	@if [ -x $(BUILD)/placatec_bench_qt ]; then QT_QPA_PLATFORM=offscreen $(BUILD)/placatec_bench_qt; fi

screenshots: build
	@mkdir -p screenshots
	cd $(BUILD) && PLACATEC_SCREENSHOTS=$(CURDIR)/screenshots QT_QPA_PLATFORM=offscreen ctest -R '_test$$' -j 1 >/dev/null || true
	@ls screenshots

# Refreshes the three pictures of the program's description (tracked in data/capturas/).
capturas: screenshots
	cp screenshots/principal.png screenshots/resultados.png screenshots/vistaprevia.png data/capturas/

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ) $(BUILD_REL) build-tipos
