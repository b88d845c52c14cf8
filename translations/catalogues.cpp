// SPDX-License-Identifier: MIT
// The compiled catalogues are resources of this library (":/i18n/numora_<language>.qm").
