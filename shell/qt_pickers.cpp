// SPDX-License-Identifier: MIT
#include "shell/qt_pickers.h"

#include "constants/calc_constant_window.h"
#include "memory/calc_memory_window.h"
#include "stats/calc_data_window.h"

DialogPickers::DialogPickers(QWidget* owner, const std::function<int(QDialog&)>& showModal)
    : QObject(owner),
      registers_(std::make_unique<DialogRegisterChooser>(owner, showModal)),
      data_(std::make_unique<DialogDataPicker>(owner, showModal)),
      constants_(std::make_unique<DialogConstantPicker>(owner, showModal)) {}

DialogPickers::~DialogPickers() = default;

void DialogPickers::Install(Platform& services) const {
    services.registers = registers_.get();
    services.dataPicker = data_.get();
    services.constants = constants_.get();
}
