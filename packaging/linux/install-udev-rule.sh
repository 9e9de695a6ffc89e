#!/bin/sh
# Installs the mouse's udev rule and applies it to a mouse already plugged in. Run as root:
#   sudo packaging/linux/install-udev-rule.sh
set -eu
rule="$(dirname "$0")/70-quendar-mouse.rules"
target=/etc/udev/rules.d/70-quendar-mouse.rules
install -m 0644 "$rule" "$target"
udevadm control --reload-rules
udevadm trigger --subsystem-match=hidraw --action=change
echo "installed $target; quendarctl can now open the mouse without root"
