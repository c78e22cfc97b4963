// SPDX-License-Identifier: MIT
// Recording fakes for the engine's seams: image controls, a timer stepped by
// hand, and the main window's side.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "EngineInterfaces.h"

namespace zembra::testing {

class FakeImage final : public ImageControl {
public:
    void Show() override { shown = true; }
    void Hide() override { shown = false; }
    bool Shown() const override { return shown; }
    void LoadPicture(const std::string& name) override
    {
        picture = name;
        ++loads;
    }
    std::string PictureName() const override { return picture; }
    void SetBounds(int l, int t, int w, int h) override
    {
        left = l;
        top = t;
        width = w;
        height = h;
    }
    int Left() const override { return left; }
    int Top() const override { return top; }

    bool shown = false;
    std::string picture;
    int loads = 0;
    int left = 0, top = 0, width = 0, height = 0;
};

class FakeParent : public ImageParent {
public:
    std::unique_ptr<ImageControl> CreateImage() override
    {
        auto image = std::make_unique<FakeImage>();
        images.push_back(image.get());
        return image;
    }
    std::vector<FakeImage*> images;
};

// A timer that ticks only when the test says so.
class ManualTimer final : public Timer {
public:
    int Interval() const override { return interval; }
    void SetInterval(int ms) override
    {
        if (ms == interval)
            return;
        interval = ms;
        if (enabled)
            ++restarts;
    }
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool on) override
    {
        if (on == enabled)
            return;
        enabled = on;
        if (on)
            ++restarts;
    }
    void SetOnTick(std::function<void()> t) override { tick = std::move(t); }
    // One period elapses: the tick handler runs if the timer is enabled.
    void fire()
    {
        if (enabled && tick)
            tick();
    }

    int interval = 0;
    bool enabled = false;
    int restarts = 0;  // how often a period started afresh
    std::function<void()> tick;
};

class FakeWindow : public FakeParent, public GameWindow {
public:
    std::unique_ptr<ImageControl> CreateImage() override { return FakeParent::CreateImage(); }
    std::unique_ptr<Timer> CreateTimer() override
    {
        auto timer = std::make_unique<ManualTimer>();
        timers.push_back(timer.get());
        return timer;
    }
    void ShowGameOverBanner() override { ++banners; }
    void HideLevelMessage() override { ++messageHides; }
    void SetPauseCommandEnabled(bool on) override { pauseEnabled = on; }
    void SetAdvancedModeEnabled(bool on) override { advancedEnabled = on; }
    bool ClearEffectChecked() const override { return clearEffect; }
    bool NormalModeChecked() const override { return normalMode; }
    bool ClockwiseChecked() const override { return clockwise; }
    void PlaySoundRes(const std::string& name) override { sounds.push_back(name); }
    void UpdateScoreDisplay() override { ++displayUpdates; }
    int LevelShown() const override { return levelShown; }

    std::vector<ManualTimer*> timers;
    std::vector<std::string> sounds;
    int banners = 0;
    int messageHides = 0;
    int displayUpdates = 0;
    bool pauseEnabled = true;
    bool advancedEnabled = false;
    bool clearEffect = true;
    bool normalMode = true;
    bool clockwise = true;
    int levelShown = 0;
};

}  // namespace zembra::testing
