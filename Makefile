BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: deps configure build build-editor run test test-sanitize check-layers clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

# Everything, the tests included.
build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The editor and the writer component alone; the component is registered in
# the user's store so that the editor finds it.
build-editor: configure
	cmake --build $(BUILD) -j $(JOBS) --target Merivane_User Quarnel register_quarnel

run: build-editor
	./$(BUILD)/editor/Merivane_User

test: check-layers build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The test suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_BUILD ?= build-asan
test-sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMERIVANE_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# No include runs upward or sideways between the folders' layers.
check-layers:
	@bash scripts/check-layers.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
