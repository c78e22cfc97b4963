// SPDX-License-Identifier: MIT
// The three small interfaces through which the engine reaches the window:
// image controls, timers and the main window's side.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace zembra {

// A picture control: the cells of the well and of the two previews.
// Occupancy of the well is exactly the shown state of its cell images.
class ImageControl {
public:
    virtual ~ImageControl() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool Shown() const = 0;
    // Loads a cell picture by resource name (any letter case); the picture is
    // stretched to the control's size.
    virtual void LoadPicture(const std::string& name) = 0;
    // Name of the picture last loaded, empty before the first load.
    virtual std::string PictureName() const = 0;
    virtual void SetBounds(int left, int top, int width, int height) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;

    void SetShown(bool on) { on ? Show() : Hide(); }
};

// Something that hosts image controls: the well panel, the main window.
class ImageParent {
public:
    virtual ~ImageParent() = default;
    // A new hidden image with an empty picture, drawn above the images made
    // before it.
    virtual std::unique_ptr<ImageControl> CreateImage() = 0;
};

// A timer whose ticks arrive on the user-interface thread. Setting the
// interval or the enabled state to a different value restarts the period;
// setting the value it already has changes nothing.
class Timer {
public:
    virtual ~Timer() = default;
    virtual int Interval() const = 0;
    virtual void SetInterval(int ms) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool on) = 0;
    virtual void SetOnTick(std::function<void()> tick) = 0;
};

// The main window as the engine sees it: its settings, the controls the
// engine shows and hides, the sound player and the score display.
class GameWindow : public ImageParent {
public:
    virtual std::unique_ptr<Timer> CreateTimer() = 0;

    virtual void ShowGameOverBanner() = 0;              // labelover, on top of the well
    virtual void HideLevelMessage() = 0;                // tslabel
    virtual void SetPauseCommandEnabled(bool on) = 0;   // topause
    virtual void SetAdvancedModeEnabled(bool on) = 0;   // N22 (the item, not its mark)

    virtual bool ClearEffectChecked() const = 0;  // N3: wipe full rows before removing them
    virtual bool NormalModeChecked() const = 0;   // N14: fall speed follows the score
    virtual bool ClockwiseChecked() const = 0;    // N20: rotation direction

    virtual void PlaySoundRes(const std::string& name) = 0;
    virtual void UpdateScoreDisplay() = 0;
    virtual int LevelShown() const = 0;  // highest level announced so far
};

}  // namespace zembra
