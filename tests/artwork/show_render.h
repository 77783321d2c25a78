// The real show rendered offscreen at a fixed seed, local time and tick
// sequence, read back as RGBA with the top row first.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "app/headless_driver.h"
#include "package/texture_cache.h"
#include "real_packages.h"
#include "scene/local_time.h"
#include "settings/settings.h"
#include "support/offscreen_context.h"

struct Frame {
    int32_t width = 0, height = 0;
    std::vector<uint8_t> rgba;  // top row first
    const uint8_t* at(int32_t x, int32_t y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

// Each `factor` x `factor` block of pixels averaged into one: what drawing
// with that many samples a pixel gives.
inline Frame reduced(const Frame& large, int32_t factor) {
    Frame small{large.width / factor, large.height / factor, {}};
    for (int32_t y = 0; y < small.height; ++y) {
        for (int32_t x = 0; x < small.width * 4; ++x) {
            int32_t sum = 0;
            for (int32_t k = 0; k < factor * factor; ++k) {
                sum += large.at(x / 4 * factor + k % factor, y * factor + k / factor)[x % 4];
            }
            small.rgba.push_back(static_cast<uint8_t>((sum + factor * factor / 2) / (factor * factor)));
        }
    }
    return small;
}

// Renders frames `stepMs` apart up to `atMs` from the packages in `packages`
// and returns the last one.
inline Frame renderShow(const Settings& settings, int32_t width, int32_t height, uint32_t atMs,
                        uint32_t stepMs, const std::string& packages = saverDir()) {
    OffscreenContext context(width, height);
    EXPECT_TRUE(context.valid());
    Frame frame{width, height, {}};
    if (!context.valid()) return frame;
    textureCache.setBasePath(packages);
    std::tm now{};
    now.tm_year = 2026 - 1900, now.tm_mon = 1, now.tm_mday = 14;
    now.tm_hour = 22, now.tm_min = 48, now.tm_sec = 37;
    setFixedLocalTime(&now);
    std::srand(20260214);
    {
        HeadlessDriver driver(settings, width, height);
        for (uint32_t t = stepMs; t <= atMs; t += stepMs) driver.frameAt(t);
        frame.rgba.resize(static_cast<size_t>(width) * height * 4);
        for (int32_t y = 0; y < height; ++y) {
            const uint8_t* row = context.pixel(0, height - 1 - y);
            std::copy(row, row + width * 4, &frame.rgba[static_cast<size_t>(y) * width * 4]);
        }
    }
    setFixedLocalTime(nullptr);
    textureCache.setBasePath("0");
    return frame;
}
