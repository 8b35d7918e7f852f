#!/usr/bin/env bash
# Builds Nestling with warnings as errors and its database, runs every test and checks the installed
# tree, then runs every test program and the fuzz harnesses under the sanitizers. A failing step does
# not hide the others: every check runs whose build could be made, and the run fails at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each step's time and result, printed at the end, so the slow or failing step shows in every log.
steps=()
failed=()
step() {
    local name=$1 start=$SECONDS status=0
    shift
    echo "== $name"
    "$@" || status=$?
    local line
    line=$(printf '%5d s  %s' $((SECONDS - start)) "$name")
    if ((status != 0)); then
        line+="  FAILED (exit $status)"
        failed+=("$name")
    fi
    steps+=("$line")
    return "$status"
}
trap 'printf "\nStep times:\n"; printf "  %s\n" "${steps[@]}"' EXIT

step "set-up" tools/install-deps.sh || exit 1
# A compiler cache outside the checkout, shared by every build and by fresh clones on this machine:
# paths are taken relative to the checkout, so another clone's objects are found again.
export CCACHE_DIR=${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/ccache}
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
jobs=$(nproc)

# Configures a preset with Ninja and ccache; a folder another generator made is configured afresh.
configure() {
    local preset=$1 cache=build/$1/CMakeCache.txt fresh=()
    if [[ -f $cache ]] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$cache"; then
        fresh=(--fresh)
    fi
    cmake --preset "$preset" "${fresh[@]}" -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
}

# The C++ sources follow .clang-format.
format_check() { git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror; }
step "clang-format" format_check || true

# The CI build: GCC, warnings as errors, the window program, benchmarks and the database.
if step "ci: configure" configure ci && step "ci: build" cmake --build --preset ci -j"$jobs"; then
    step "ci: tests" ctest --preset ci -j"$jobs" || true
    # The installed tree: install into a temporary prefix and run the installed programs.
    step "installed tree" tools/check-install.sh build/ci || true
fi
# clang-tidy with the checks of .clang-tidy (the naming convention among them) over our sources,
# in parallel, each file checked again only when it or a header it includes changed.
if [[ -f build/ci/compile_commands.json ]]; then
    step "clang-tidy" tools/tidy.sh build/ci || true
fi

# One clang build with the address and undefined-behaviour sanitizers serves both runs below: every
# test program (the suites labelled core, the name check among them, and the window tests labelled
# gui) with the narrow suppressions of tools/sanitizers/, then each libFuzzer harness for a 20 s smoke
# run, so a regression in the readers fails here.
if step "san: configure" configure san && step "san: build" cmake --build --preset san -j"$jobs"; then
    step "san: tests" ctest --preset san -j"$jobs" || true
    step "fuzz: smoke runs" ctest --preset fuzz -j"$jobs" || true
fi

if ((${#failed[@]} > 0)); then
    printf '\nFailed: %s\n' "$(IFS=,; echo "${failed[*]}")" | sed 's/,/, /g'
    exit 1
fi
