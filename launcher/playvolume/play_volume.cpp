#include "playvolume/play_volume.h"

#include <windows.h>
#include <mmsystem.h>

#include "playvolume/wave_level.h"

namespace vq {

MediaPlayer::~MediaPlayer() {
    close();
}

bool MediaPlayer::open() {
    close();
    auto* send = winmm_.function<decltype(mciSendCommandA)>("mciSendCommandA");
    if (!send) return false;
    MCI_OPEN_PARMSA parms{};
    parms.lpstrElementName = file_name.c_str();
    if (send(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parms)) != 0) return false;
    device_ = parms.wDeviceID;
    return true;
}

bool MediaPlayer::play() {
    if (!device_) return false;
    auto* send = winmm_.function<decltype(mciSendCommandA)>("mciSendCommandA");
    MCI_PLAY_PARMS parms{};
    return send && send(device_, MCI_PLAY, 0, reinterpret_cast<DWORD_PTR>(&parms)) == 0;
}

void MediaPlayer::close() {
    if (!device_) return;
    // A device is open only when the library was loaded.
    if (auto* send = winmm_.function<decltype(mciSendCommandA)>("mciSendCommandA"))
        send(device_, MCI_CLOSE, MCI_WAIT, 0);
    device_ = 0;
}

bool MediaPlayer::set_wave_volume(std::uint32_t value) {
    auto* set = winmm_.function<decltype(waveOutSetVolume)>("waveOutSetVolume");
    return set && set(reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(0)), value) == MMSYSERR_NOERROR;
}

void play_at_volume(MediaPlayer& player, std::int32_t volume) {
    const std::uint16_t level = wave_level(volume);
    if (!player.open()) {
        player.file_name.clear();
        return;
    }
    // A machine whose device has no volume control still gets the sound.
    player.set_wave_volume(wave_volume_value(level));
    if (!player.play()) {
        player.close();
        player.file_name.clear();
    }
}

void startup_sound(MediaPlayer& player, std::int32_t beep, const std::string& beepwav) {
    if (beep <= 0) return;
    if (beepwav.empty()) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    player.file_name = beepwav;
    play_at_volume(player, beep);
}

}  // namespace vq
