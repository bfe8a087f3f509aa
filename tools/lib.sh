# SPDX-FileCopyrightText: 2026 The Poolwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# What the scripts in tools/ share, sourced by each: how they speak, how they install the
# Debian packages a machine lacks, how they become root, and what a test that cannot run does.
# Everything said goes to standard error, so that standard output stays a script's result
# (tools/windows-qt prints the folder of its Qt there).
#
#   root                  the checkout's top folder
#   say MESSAGE...        a step, in bold
#   error MESSAGE...      a failure, in red; the caller goes on
#   fail MESSAGE...       a failure, in red, and exit 1
#   skip MESSAGE...       a test that cannot run here: under CI (CI=true) that fails the run,
#                         so that CI is never green without it; elsewhere it says so and exits 0
#   as_root COMMAND...    runs COMMAND as root: directly when root, otherwise through sudo
#   apt_get ARGUMENTS...  apt-get as root, without questions
#   install_missing PACKAGE...
#                         installs those of the Debian packages this machine lacks; when it
#                         cannot, says why and returns 1 (under set -e the script ends, unless
#                         the caller adds "|| skip ...")

# shellcheck disable=SC2034 # used by the scripts that source this
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

say() { printf '\033[1m==> %s\033[0m\n' "$*" >&2; }
error() { printf '\033[1;31m==> %s\033[0m\n' "$*" >&2; }
fail() {
    error "$@"
    exit 1
}

in_ci() { [[ -n ${CI:-} && ${CI,,} != false && ${CI} != 0 ]]; }

skip() {
    in_ci && fail "Cannot run under CI, which must not pass without it: $*"
    printf '\033[1;33m==> Skipped: %s\033[0m\n' "$*" >&2
    exit 0
}

as_root() {
    if (($(id -u) == 0)); then
        "$@"
    elif ! command -v sudo >/dev/null; then
        error "Not root, and there is no sudo to run: $*"
        return 1
    elif [[ -t 0 ]]; then
        sudo "$@"
    else
        # Without a terminal a password prompt would wait for ever: only a password-less sudo.
        sudo -n "$@"
    fi
}

# sudo does not pass the environment on, so DEBIAN_FRONTEND goes through env.
apt_get() { as_root env DEBIAN_FRONTEND=noninteractive apt-get "$@" >&2; }

install_missing() {
    local missing=() package
    for package in "$@"; do
        [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null) == 'install ok installed' ]] ||
            missing+=("$package")
    done
    ((${#missing[@]} == 0)) && return 0
    if ! command -v apt-get >/dev/null; then
        error "Missing ${missing[*]}, and there is no apt-get to install them"
        return 1
    fi
    say "Installing Debian packages: ${missing[*]}"
    # Called as "install_missing ... || skip", set -e is off in here: every step is checked.
    if ! apt_get update -qq || ! apt_get install -y -qq --no-install-recommends "${missing[@]}"
    then
        error "Could not install ${missing[*]}: apt-get failed (its reason is above)"
        return 1
    fi
}
