// The three rules by which every window and every effect site uses sound,
// so no call site repeats them.
#pragma once

#include <string>

#include "engine/ports.h"

namespace vantrel {

// An effect plays only while the effects switch is off; closing the file
// first makes a still-sounding effect start again from its beginning.
void PlayEffect(SoundOutput& sound, const Switches& switches, const std::string& path);

// A window starts its music unless the music switch is set. Returns whether
// the window's music timer should run.
bool StartWindowMusic(SoundOutput& sound, const Switches& switches, const std::string& path);

// One tick of a window's music timer: music that has played to its end
// starts again from the beginning.
void MusicLoopTick(SoundOutput& sound, const std::string& path);

}  // namespace vantrel
