// The start-up sound: a sound file played through the system's media
// services at a chosen volume, without waiting for it to end.
#pragma once

#include <cstdint>
#include <string>

#include "support/system_library.h"

namespace vq {

// A media player for one sound file at a time.  The caller sets file_name
// before playing; the device stays open while the sound plays and is closed
// when the next file is opened or the player goes away.  The system's media
// library is loaded when the first file is opened; a run without a sound
// file never loads it, and one where it is missing stays silent.
class MediaPlayer {
  public:
    MediaPlayer() = default;
    ~MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    std::string file_name;

    // Opens file_name on the device its type calls for (a wave file on the
    // wave-audio device); false when it cannot be opened.
    bool open();
    // Starts playing the open file and returns at once; false on failure.
    bool play();
    void close();
    // Sets the first wave-out device's volume (not the wave mapper's) to
    // the 32-bit value of wave_volume_value; false on failure.
    bool set_wave_volume(std::uint32_t value);

  private:
    SystemLibrary winmm_{"winmm.dll"};
    unsigned device_ = 0;  // 0: none open
};

// Plays the player's file at `volume` percent (bounded to 0..99), setting
// the first wave-out device's volume to match.  Never fails: when the file
// cannot be opened or played the player's file name is cleared and nothing
// is reported.
void play_at_volume(MediaPlayer& player, std::int32_t volume);

// The sound at the start of an interactive run: nothing when `beep` is 0 or
// less; otherwise `beepwav` played at volume `beep`, or the system's
// exclamation beep when `beepwav` is empty.
void startup_sound(MediaPlayer& player, std::int32_t beep, const std::string& beepwav);

}  // namespace vq
