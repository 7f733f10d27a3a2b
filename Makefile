# The two commands for a new user: `make run` and `make test`.
PROGRAM ?= PennatoneDemo
BUILD   ?= build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)

DEB_PACKAGES := cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev \
                fonts-dejavu-core fonts-dejavu-extra fonts-liberation2 xvfb xauth xdotool xclip

.PHONY: run test build setup configure clean

setup:
	@missing=""; for p in $(DEB_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null; \
	  else \
	    echo "Missing packages. Run: sudo apt-get install -y$$missing"; exit 1; \
	  fi; \
	fi

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "No display found: start it under X, e.g.  xvfb-run -a make run PROGRAM=$(PROGRAM)"; exit 1; \
	fi
	@$(BUILD)/bin/$(PROGRAM)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
