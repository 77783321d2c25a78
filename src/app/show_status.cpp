#include "app/show_status.h"

#include <cstdio>

#include "app/show_packages.h"
#include "content/calendar.h"
#include "content/digital_clock.h"
#include "content/heart.h"
#include "package/texture_cache.h"
#include "proctex/procedural_texture_registry.h"
#include "scene/frame_ticks.h"
#include "scene/local_time.h"
#include "scene/scene_node.h"

namespace {

size_t nodesBelow(const SceneNode& node) {
    size_t count = node.children.size();
    for (const SceneNode* child : node.children) count += nodesBelow(*child);
    return count;
}

int32_t packageUses() {
    int32_t uses = 0;
    for (const char* name : showPackages) {
        uses += textureCache.packageUses(name);
    }
    return uses;
}

}  // namespace

std::string showStatus(const Show& show) {
    const std::tm now = localTimeNow();
    const ShownClockTime clock = digitalClockShownTime();
    char line[320];
    std::snprintf(line, sizeof line,
                  "status frames=%llu ticks=%u nodes=%zu overlays=%zu hearts=%zu packages=%zu package-uses=%d procedural=%zu "
                  "time=%04d-%02d-%02d %02d:%02d:%02d clock=%02d:%02d calendar-day=%d",
                  static_cast<unsigned long long>(show.framesDrawn), static_cast<unsigned>(frameTicks),
                  nodesBelow(*show.worldRoot) + nodesBelow(*show.overlayRoot), show.overlayRoot->children.size(),
                  smallHeartCount(*show.worldRoot), textureCache.openPackageCount(), packageUses(),
                  proceduralTextures.textureCount(), now.tm_year + 1900, now.tm_mon + 1, now.tm_mday,
                  now.tm_hour, now.tm_min, now.tm_sec, clock.hour, clock.minute, calendarShownDay());
    return line;
}
