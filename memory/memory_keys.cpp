// SPDX-License-Identifier: MIT
// Placeholder until the memory subsystem lands.
#include "memory/memory_keys.h"

void StoreMemory(Calculator&) {}
void RecallMemory(Calculator&) {}
void StoreRegister(Calculator&) {}
void RecallRegister(Calculator&) {}
void ExchangeRegister(Calculator&) {}
void AddToRegister(Calculator&) {}
void SubtractFromRegister(Calculator&) {}
void ClearRegisters(Calculator&) {}
