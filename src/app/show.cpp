#include "app/show.h"

#include "app/scene_assembly.h"

#include <GL/gl.h>

#include <memory>
#include <utility>

#include "proctex/procedural_texture_registry.h"
#include "scene/frame_ticks.h"
#include "scene/scene_node.h"
#include "scene/transparent_queue.h"
#include "settings/settings.h"
#include "video/display.h"

Show::Show() = default;

Show::~Show() {
    tearDownShow(*this);
}

void startShow(Show& show, std::unique_ptr<Settings> settings, std::unique_ptr<Display> display) {
    show.settings = std::move(settings);
    show.display = std::move(display);
    show.worldRoot = std::make_unique<SceneNode>();
    show.overlayRoot = std::make_unique<SceneNode>();
    setupLight();
    buildScene(show);
}

void drawFrame(Show& show, uint32_t ticks, void (*swapBuffers)()) {
    frameTicks = ticks;
    proceduralTextures.updateAll(static_cast<int32_t>(frameTicks));
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -100.0f);
    show.worldRoot->render();
    show.overlayRoot->render();
    transparentQueue.drawAll();
    if (swapBuffers) swapBuffers();
    ++show.framesDrawn;
}

void beginShutdown(Show& show) {
    show.stopRequested = true;
    show.worldRoot->markClosing();
    show.overlayRoot->markClosing();
}

bool showFinished(const Show& show) {
    return show.stopRequested && show.worldRoot->closed && show.overlayRoot->closed;
}

void tearDownShow(Show& show) {
    show.settings.reset();
    show.worldRoot.reset();
    show.overlayRoot.reset();
    show.display.reset();
}
