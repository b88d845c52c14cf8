// SPDX-License-Identifier: MIT
#pragma once

#include <array>

// The face's zoom in whole per cent, in the steps Zoom In and Zoom Out take.
inline constexpr std::array kZoomSteps{100, 125, 150, 175, 200, 250, 300};

// The next step up or down; the largest or smallest step stays where it is.
int ZoomedIn(int percent);
int ZoomedOut(int percent);
// The step nearest to a stored zoom, which may be any number.
int NearestZoomStep(int percent);
