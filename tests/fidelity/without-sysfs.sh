#!/usr/bin/env bash
# Runs the fidelity test in a private mount namespace with /sys/bus hidden, so that
# /sys/bus/pci is missing as in a container or chroot: the host bus must list nothing, though
# /proc/bus/pci still lists the functions and libpci's automatic choice would read them there.
#   without-sysfs.sh FIDELITY_TEST
# Exit 77 (skipped) where namespaces are not allowed.
set -u
if ! unshare --map-root-user --mount true 2>/dev/null; then
  echo "SKIP: this user may not make a mount namespace"
  exit 77
fi
# shellcheck disable=SC2016  # expanded by the shell inside the namespace
exec unshare --map-root-user --mount bash -c '
  mount -t tmpfs -o ro hidden /sys/bus || exit 77
  exec "$0" --gtest_filter=HostFidelity.BytesInterruptLinesAndRecordsHoldTheKernelsView' "$1"
