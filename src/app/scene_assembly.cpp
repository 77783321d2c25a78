#include "app/scene_assembly.h"

#include <cstdlib>

#include "app/overlay_layout.h"
#include "app/show.h"
#include "content/analog_clock.h"
#include "content/calendar.h"
#include "content/delayed_model.h"
#include "content/digital_clock.h"
#include "content/frame_counter.h"
#include "content/heart.h"
#include "content/show_models.h"
#include "scene/attach_calls.h"
#include "scene/backdrop.h"
#include "scene/behaviours.h"
#include "scene/hooks.h"
#include "scene/scene_node.h"
#include "settings/settings.h"

namespace {

constexpr double spinDegreesPerSecond = 7.0;

SceneNode* makeBackground() {
    auto* background = new SceneNode;
    background->loadModel(backgroundModel.package, backgroundModel.entry);
    background->setScale(4.0, 3.0, 3.0);
    background->setTranslation(0, 0, -100);
    background->setRotation(0, 180, 180);
    if (isFlatBackdrop(*background)) background->addHook(hookBackdrop, 0);
    return background;
}

// Behind a flat backdrop, the small hearts that fly past it are clipped away
// as its depth would have hidden them.
SceneNode* makeHeartGroup(double sign, double startAngle, bool behindBackdropClipped) {
    auto* group = new SceneNode;
    group->addHook(hookLighting, 0);
    if (behindBackdropClipped) group->addHook(hookClipBehindBackdrop, 0);
    group->setTranslation(0, -6, -5);
    group->setRotation(-70, 0, 0);
    BoundCall spin = endlessCall();
    spin.setParams(behaviourSpin, 2, spinDegreesPerSecond * sign, startAngle, 0);
    attachCalls(*group, {spin});

    auto* spawner = new SceneNode;
    spawner->setRotation(0, 0, 0);
    spawner->setTranslation(0, 0, 0);
    BoundCall spawn = endlessCall();
    spawn.setCall(behaviourHeartSpawner, 0);
    attachCalls(*spawner, {spawn});
    group->addChild(spawner);

    auto* heart = new SceneNode;
    heart->setScale(0.85, 0.85, 0.85);
    BoundCall beat = endlessCall();
    beat.setParams(behaviourHeartBeat, 1, 0, 0, 0);
    attachCalls(*heart, {beat});
    heart->loadModel(heartModel.package, heartModel.entry);
    group->addChild(heart);
    return group;
}

// Each overlay's corner is the screen's corner at the overlay's own eye depth
// (scene z - 100).
SceneNode* makeCalendar(const OverlayLayout& layout, bool russian) {
    auto* calendar = new SceneNode;
    const double top = layout.edgeY(240);
    calendar->setTranslation(-layout.edgeX(-211), layout.keepCorner(layout.edgeY(183), top), -140);
    layout.fitToScreen(*calendar);
    BoundCall build = oneShotCall();
    build.setParams(behaviourBuildCalendar, russian ? 0 : 1, 0, 0, 0);
    attachCalls(*calendar, {build});
    return calendar;
}

SceneNode* makeClock(const OverlayLayout& layout, const Settings& settings) {
    auto* clock = new SceneNode;
    // The anchor is the bottom-right corner at the clock's own eye depth.
    const double depth = settings.largeClock ? -70 : -170;
    const double bottom = layout.edgeY(depth);
    clock->setTranslation(-layout.edgeX(depth), layout.keepCorner(bottom, bottom), depth + 100);
    layout.fitToScreen(*clock);
    BoundCall build = oneShotCall();
    if (settings.analogClock) {
        build.setCall(behaviourBuildAnalogClock, 0);
    } else {
        build.setParams(behaviourBuildDigitalClock, settings.clock24Hour ? 1 : 0, 0, 0, 0);
    }
    attachCalls(*clock, {build});
    return clock;
}

SceneNode* makeFrameCounter(const OverlayLayout& layout) {
    auto* counter = new SceneNode;
    const double top = -layout.edgeY(-100);
    counter->setTranslation(layout.edgeX(-100) + 5, layout.keepCorner(top - 2.5, top), 0);
    layout.fitToScreen(*counter);
    counter->loadModel("utils.pak", "fps");
    BoundCall count = endlessCall();
    count.setCall(behaviourFrameCounter, 0);
    attachCalls(*counter, {count});
    return counter;
}

}  // namespace

void buildScene(Show& show) {
    const Settings& settings = *show.settings;
    const OverlayLayout layout(*show.display);
    resetDigitalClockMemory();
    resetCalendarMemory();
    frameCount = 0;

    SceneNode* background = makeBackground();
    show.worldRoot->addChild(background);
    const double sign = 1 - 2 * (std::rand() % 2);
    const double startAngle = (std::rand() % 3600) / 10;
    show.worldRoot->addChild(makeHeartGroup(sign, startAngle, isFlatBackdrop(*background)));

    SceneNode& overlay = *show.overlayRoot;
    if (settings.showCalendar) overlay.addChild(makeCalendar(layout, settings.russianCalendar));
    if (settings.showClock) overlay.addChild(makeClock(layout, settings));
    if (settings.showFrameCounter) overlay.addChild(makeFrameCounter(layout));
    overlay.setTranslation(0, 0, 0);
    BoundCall delayed = endlessCall();
    delayed.setCall(behaviourDelayedModel, 0);
    attachCalls(overlay, {delayed});
    overlay.addHook(hookNoDepthTest, 0);
}
