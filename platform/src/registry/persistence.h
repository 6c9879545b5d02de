#pragma once
// persistence.h - the registry file registry.txt under the world root, kept when the host asks for it.

namespace platform::registry {

// Rewrites the registry file when the registry is kept in one; the caller holds the registry's lock.
void SaveIfKept();
// Stops keeping the file (a new world starts in memory); the caller holds the registry's lock.
void StopKeeping();

} // namespace platform::registry
