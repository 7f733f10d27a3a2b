#pragma once

namespace ui::qt {

// With DEMO_STARTUP_TRACE set, the program says on stderr when each start-up
// stage ends: milliseconds since main(), processor time since the process
// began (all threads, and the main thread alone: unlike the clock, these do
// not grow when other programs hold the processor), and the peak memory.
// Without it, nothing is said.
void markStartup(const char* stage);

}  // namespace ui::qt
