// The speakers as the sound module sees them: a device that takes one command
// string at a time and answers with a reply text, in the manner of the
// Windows Media Control Interface the game's commands come from.
//
// Commands (the quoted path is the full file path between two '"'):
//   open "<path>"          open the file; fails quietly if it is already open
//   play "<path>"          start an open file; a sound already started plays on
//   close "<path>"         stop and release; nothing for a file that is not open
//   close all              stop and release every open file (written "close all ")
//   status "<path>" mode   reply "playing" or "stopped"; "" when the query fails
#pragma once

#include <string>

namespace vantrel {

class SoundBackend {
 public:
  virtual ~SoundBackend() = default;
  // Returns the device's reply; empty when the command fails or has none.
  virtual std::string SendCommand(const std::string& command) = 0;
};

}  // namespace vantrel
