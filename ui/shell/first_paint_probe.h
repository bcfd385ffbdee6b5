// A measuring aid for the start-up benchmark: when VANTREL_FIRST_PAINT_PROBE
// is set in the environment, the first window's first painted frame prints
// the wall-clock time (nanoseconds since the epoch) on stdout and ends the
// program. Without the variable it does nothing. Install it once the
// application object exists, before the first window is shown.
#pragma once

namespace vantrel {

void InstallFirstPaintProbe();

}  // namespace vantrel
