// SPDX-License-Identifier: MIT
// TFormAbout: the About dialog with the icon, the product caption, the
// version and two links.
#pragma once

#include "FixedDialog.h"
#include <memory>

namespace Ui {
class TFormAbout;
}

namespace zembra {

class TFormAbout : public FixedDialog {
    Q_OBJECT

public:
    explicit TFormAbout(QWidget* owner);
    ~TFormAbout() override;

    Ui::TFormAbout& form() { return *ui_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TFormAbout> ui_;
};

}  // namespace zembra
