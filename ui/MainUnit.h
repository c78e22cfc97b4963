// SPDX-License-Identifier: MIT
// TMainForm, the one main window: the well, the previews, the score column,
// the toolbar and the settings menu, and the engine's view of all of them.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "EngineInterfaces.h"

class QMenu;
class QActionGroup;

namespace Ui {
class TMainForm;
}

namespace zembra {

class SoundPlayer;
class SpriteCanvas;
class TZembra;
class WindowDragger;

class TMainForm : public QWidget, public GameWindow {
    Q_OBJECT

public:
    explicit TMainForm(SoundPlayer& player, QWidget* parent = nullptr);
    ~TMainForm() override;

    TZembra& engine() { return *engine_; }
    Ui::TMainForm& form() { return *ui_; }
    QMenu& MainPopupMenu() { return *popup_; }
    // Entries 1..10; entry 0 unused.
    ImageControl& StarImage(int i) { return *StarImages[i]; }

    // --- commands -----------------------------------------------------------
    void startExecute();
    void topauseExecute();
    void closeExecute();
    void xcokExecute();
    void yinxiaoExecute();
    void yinyueExecute();
    void TBAboutClick();
    void TBHelpClick();

    // --- GameWindow ---------------------------------------------------------
    std::unique_ptr<ImageControl> CreateImage() override;
    std::unique_ptr<Timer> CreateTimer() override;
    void ShowGameOverBanner() override;
    void HideLevelMessage() override;
    void SetPauseCommandEnabled(bool on) override;
    void SetAdvancedModeEnabled(bool on) override;
    bool ClearEffectChecked() const override;
    bool NormalModeChecked() const override;
    bool ClockwiseChecked() const override;
    void PlaySoundRes(const std::string& name) override;
    void UpdateScoreDisplay() override;
    int LevelShown() const override { return levelShown_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void FormKeyDown(QKeyEvent* event);
    void FormKeyUp(QKeyEvent* event);
    void setUpControls();
    void setUpToolbar();
    void setUpMenu();
    void setUpCommands();
    void setSpeed(int interval);

    std::unique_ptr<Ui::TMainForm> ui_;
    SoundPlayer& player_;
    QMenu* popup_ = nullptr;
    std::array<std::unique_ptr<ImageControl>, 11> StarImages;
    std::unique_ptr<TZembra> engine_;
    std::unique_ptr<WindowDragger> dragger_;
    int levelShown_ = 0;
};

}  // namespace zembra
