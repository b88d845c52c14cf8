// SPDX-License-Identifier: MIT
#include "shell/zoom_steps.h"

#include <algorithm>
#include <cstdlib>

int ZoomedIn(int percent) {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next != kZoomSteps.end() ? *next : kZoomSteps.back();
}

int ZoomedOut(int percent) {
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next != kZoomSteps.begin() ? *(next - 1) : kZoomSteps.front();
}

int NearestZoomStep(int percent) {
    return *std::min_element(kZoomSteps.begin(), kZoomSteps.end(),
                             [percent](int a, int b) { return std::abs(a - percent) < std::abs(b - percent); });
}
