#!/usr/bin/env bash
# Runs a command in a private network namespace where only loopback exists,
# with multicast on and 224.0.0.0/4 routed to lo, so discovery traffic stays
# on this host.
set -euo pipefail
if [ "${KRV_IN_NETNS:-}" != 1 ]; then
  userns=""
  [ "$(id -u)" -eq 0 ] || userns="-r"
  exec unshare $userns -n env KRV_IN_NETNS=1 "$0" "$@"
fi
ip link set lo up
ip link set lo multicast on
ip route add 224.0.0.0/4 dev lo
exec "$@"
