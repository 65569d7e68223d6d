# The two commands of the README. Each sets up a fresh Debian 12 machine by itself.
BUILD ?= build
JOBS ?= $(shell nproc)
DEMO_DRIVES ?= $(CURDIR)/demo/drives.json
# The bootable image, and where its downloads and installed root are kept between builds.
IMAGE ?= $(BUILD)/kestrova-bootable.iso
IMAGE_CACHE ?= $(BUILD)/image-cache

.PHONY: demo test sanitize build deps clean image image-test

# A cheap check first: the installer (apt, the kernel download) runs only when something is missing.
deps:
	@sh tools/install-deps.sh --check || sh tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	@cmake --build $(BUILD) -j $(JOBS)

demo: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display. Run the demo in a virtual X server:"; \
	  echo "  OSKN_VIRTUAL_DRIVES=$(DEMO_DRIVES) xvfb-run -s '-screen 0 1280x800x24' $(BUILD)/kestrova"; \
	  echo "or, from a desktop session, run 'make demo' there."; \
	  exit 1; \
	fi
	@cd $(BUILD) && OSKN_VIRTUAL_DRIVES=$(DEMO_DRIVES) ./kestrova; \
	  status=$$?; echo "kestrova ended with status $$status (2: power off, 1: terminal)"

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize.
sanitize: deps
	@JOBS=$(JOBS) sh tools/sanitize.sh

# What the image holds: the program and the libraries image/build.sh copies, not the tests.
IMAGE_TARGETS = kestrova OsknPublic OsknOperations OsknTCG OsknTCGOperations

# The bootable image (needs root): a hybrid ISO for a USB stick or a CD, BIOS and UEFI.
image: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	@cmake --build $(BUILD) -j $(JOBS) --target $(IMAGE_TARGETS)
	@sh tools/install-deps.sh image
	@bash image/build.sh $(BUILD) $(IMAGE) $(IMAGE_CACHE)

# Boots the image under QEMU and drives it with the keyboard (slow; not part of make test).
image-test: image
	@bash image/test.sh $(IMAGE) $(BUILD)/image-test

clean:
	rm -rf $(BUILD) build-sanitize
