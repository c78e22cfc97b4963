// SPDX-License-Identifier: MIT
// TFormHelp: the Help dialog with the rules, the keys and the levels.
#pragma once

#include "FixedDialog.h"
#include <memory>

namespace Ui {
class TFormHelp;
}

namespace zembra {

class TFormHelp : public FixedDialog {
    Q_OBJECT

public:
    explicit TFormHelp(QWidget* owner);
    ~TFormHelp() override;

    Ui::TFormHelp& form() { return *ui_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TFormHelp> ui_;
};

}  // namespace zembra
