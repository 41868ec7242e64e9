# Entry points: `make run` and `make test` install what is needed (Debian 12, as root), build,
# and start the recorder or run every test. The package list lives in tools/debian-packages.txt.
BUILD     ?= build
GENERATOR ?= Ninja
CMAKE_ARGS ?=
PACKAGES  := $(shell grep -v '^\s*\#' tools/debian-packages.txt)
SUDO      := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test deb fuzz soak bench clean

all: build

# Installs only when a package is missing, so repeated runs cost one dpkg query.
deps:
	@if ! dpkg-query -W -f='$${Status}\n' $(PACKAGES) 2>/dev/null | grep -qv '^install ok installed$$' \
	    && [ "$$(dpkg-query -W -f='$${Status}\n' $(PACKAGES) 2>/dev/null | wc -l)" -eq "$(words $(PACKAGES))" ]; then \
	    echo "deps: all $(words $(PACKAGES)) packages present"; \
	else \
	    $(SUDO) apt-get update -q && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q $(PACKAGES); \
	fi

configure: deps
	cmake -S . -B $(BUILD) -G $(GENERATOR) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j$$(nproc)

run: build
	$(BUILD)/bin/quillon-audio-recorder

test: build
	cd $(BUILD) && ctest --output-on-failure -j2 --timeout 600

# The Debian package, from a Release tree of its own installed under /usr: ./quillon_*.deb,
# ready for `apt-get install ./quillon_<version>_<arch>.deb`.
deb: deps
	cmake -S . -B $(BUILD)-deb -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	    -DCMAKE_INSTALL_PREFIX=/usr $(CMAKE_ARGS)
	cmake --build $(BUILD)-deb -j$$(nproc)
	cd $(BUILD)-deb && cpack -G DEB
	cp $(BUILD)-deb/quillon_*.deb .

# Fuzzers build in their own tree with clang; FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 120
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -G $(GENERATOR) -DFUZZ=ON -DBUILD_TESTING=OFF
	cmake --build $(BUILD)-fuzz --target fuzzers -j$$(nproc)
	tools/run-fuzzers.sh $(BUILD)-fuzz $(FUZZ_SECONDS)

soak: build
	cd $(BUILD) && ctest --output-on-failure -C soak -L soak

bench: build
	for b in bench/*.sh; do echo "== $$b"; BUILD=$(BUILD) bash $$b || exit 1; done

clean:
	rm -rf $(BUILD) $(BUILD)-fuzz $(BUILD)-deb quillon_*.deb
