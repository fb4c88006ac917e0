#pragma once

// Whether a D-Bus session bus is there to connect to: an address in the environment, or the
// per-user bus of systemd sessions, which libdbus finds without one. Without either, the first
// connection makes libdbus try to launch a bus.
namespace SessionBus {
bool known();
} // namespace SessionBus
