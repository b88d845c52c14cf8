// SPDX-License-Identifier: MIT
#pragma once

struct Calculator;

// The simple memory and the register keys.
void StoreMemory(Calculator& calc);  // key_Min
void RecallMemory(Calculator& calc);  // token "mo"
void StoreRegister(Calculator& calc);  // key_Kin
void RecallRegister(Calculator& calc);  // token "ko"
void ExchangeRegister(Calculator& calc);  // token "xk"
void AddToRegister(Calculator& calc);  // key_Mplus
void SubtractFromRegister(Calculator& calc);  // key_Mminus
void ClearRegisters(Calculator& calc);  // key_KAC

// "MEM" while the simple memory holds a value other than 0.
void ShowMemoryIndicator(Calculator& calc);
