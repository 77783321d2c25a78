// ShowTest: a fixture for tests of the show's content — a GL context, the
// stand-in packages, a fixed local time and a fixed random seed — and helpers
// to run one behaviour as the running call of a node.
#pragma once

#include <cstdlib>
#include <ctime>

#include "scene/bound_call.h"
#include "scene/frame_ticks.h"
#include "scene/local_time.h"
#include "scene/scene_node.h"
#include "support/gl_test.h"
#include "support/show_packages.h"

class ShowTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        frameTicks = 0;
        std::srand(1234);
        setTime(2026, 12, 7, 10, 30, 15);
    }
    void TearDown() override { setFixedLocalTime(nullptr); }

    // Fixes the local time (month 1..12); tm_wday and tm_yday are left 0, as
    // the show never reads them.
    static void setTime(int year, int month, int day, int hour, int minute, int second) {
        std::tm fixed{};
        fixed.tm_year = year - 1900;
        fixed.tm_mon = month - 1;
        fixed.tm_mday = day;
        fixed.tm_hour = hour;
        fixed.tm_min = minute;
        fixed.tm_sec = second;
        setFixedLocalTime(&fixed);
    }

    // Runs `fn` as the running call `call` of `node` after moving its time on
    // by `dt`, as a ControllerSet tick would.
    static void runAs(SceneNode& node, BoundCall& call, BoundCallback fn, double dt = 0) {
        call.time += dt;
        currentCall = &call;
        currentNode = &node;
        fn(call.value);
    }

    ShowPackages packages;
};
