#include "snapshot.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "app/headless_driver.h"
#include "app/show_packages.h"
#include "common/offscreen_gl.h"
#include "heart_only.h"
#include "package/texture_cache.h"
#include "scene/local_time.h"

namespace {

bool fileExists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
}

Picture grab(const OffscreenGl& gl, int32_t supersample) {
    Picture picture{gl.width(), gl.height(), gl.topDownPixels()};
    return supersample > 1 ? reduced(picture, supersample) : picture;
}

}  // namespace

bool renderShow(const SnapshotRequest& request, Picture& last,
                const std::function<void(uint32_t, const Picture&)>& onFrame, std::string& error) {
    for (const char* package : showPackages) {
        if (!fileExists(request.saverDir + package)) {
            error = "no " + std::string(package) + " in " + request.saverDir;
            return false;
        }
    }
    const int32_t ss = request.supersample < 1 ? 1 : request.supersample;
    OffscreenGl gl(request.width * ss, request.height * ss);
    if (!gl.valid()) {
        error = "cannot make an offscreen GL context of that size";
        return false;
    }
    Settings settings = request.settings;
    std::unique_ptr<HeartOnlyFolder> heartOnly;
    if (request.heartOnly) {
        heartOnly = std::make_unique<HeartOnlyFolder>(request.saverDir);
        if (heartOnly->path().empty()) {
            error = heartOnly->error();
            return false;
        }
        settings.showCalendar = settings.showClock = settings.showFrameCounter = 0;
    }
    textureCache.setBasePath(heartOnly ? heartOnly->path() : request.saverDir);
    auto setClock = [&](uint32_t ticks) {
        if (request.realTime) return;
        const std::tm now = wallClockAfter(request.start, ticks / 1000);
        setFixedLocalTime(&now);
    };
    setClock(0);
    std::srand(request.seed);
    {
        HeadlessDriver driver(settings, gl.width(), gl.height());
        const uint32_t step = request.stepMs == 0 ? 1 : request.stepMs;
        uint32_t ticks = 0;
        do {
            const uint32_t previous = ticks;
            ticks = request.atMs - ticks > step ? ticks + step : request.atMs;
            setClock(ticks);
            driver.frameAt(ticks);
            // The first frame at or past each multiple of everyMs is handed out.
            if (request.everyMs && onFrame && ticks / request.everyMs != previous / request.everyMs) {
                onFrame(ticks, grab(gl, ss));
            }
        } while (ticks < request.atMs);
        last = grab(gl, ss);
        driver.finish();
    }
    setFixedLocalTime(nullptr);
    textureCache.setBasePath("0");
    return true;
}
