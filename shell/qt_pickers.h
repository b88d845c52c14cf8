// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

#include <QObject>

#include "core/platform.h"

class QDialog;
class DialogRegisterChooser;
class DialogDataPicker;
class DialogConstantPicker;

// The register window, the data window and the constants picker as the engine's pickers. A
// child of the main window, so it lives as long as the calculator it serves.
class DialogPickers final : public QObject {
public:
    // `showModal` runs a dialog modally with the main window out of the topmost layer.
    DialogPickers(QWidget* owner, const std::function<int(QDialog&)>& showModal);
    ~DialogPickers() override;

    void Install(Platform& services) const;

private:
    std::unique_ptr<DialogRegisterChooser> registers_;
    std::unique_ptr<DialogDataPicker> data_;
    std::unique_ptr<DialogConstantPicker> constants_;
};
