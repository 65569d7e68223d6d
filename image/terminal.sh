# The terminal of Kestrova Bootable (sourced by its login shell): poweroff syncs and releases
# the log partition first and says so, and the prompt does not come back while the machine stops.
poweroff() { kestrova-launcher --poweroff; }
