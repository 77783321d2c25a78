// GlCallLog: a record of the GL calls that set state, move the matrix stack or
// draw, for tests of the order the drawing code keeps. Test programs that
// link gl_call_log.cpp with the linker's --wrap for these functions (see
// tests/CMakeLists.txt) route every such call of the core library through the
// log and on to the real GL, so pixels and state stay real.
//
//   GlCallLog log;                        // records while it lives
//   node.render();
//   EXPECT_EQ(log.calls(), (Calls{"push", "translate", ...}));
//
// Entries: "enable X" / "disable X" (X: DEPTH_TEST, NORMALIZE, LIGHTING,
// LIGHT1.., BLEND, ALPHA_TEST, TEXTURE_2D, or the number), "depthMask 0|1",
// "push", "pop", "loadMatrix", "translate", "rotate", "scale", "draw N"
// (N vertices, or N indices of an indexed draw).
#pragma once

#include <string>
#include <vector>

class GlCallLog {
public:
    GlCallLog();
    ~GlCallLog();
    GlCallLog(const GlCallLog&) = delete;
    GlCallLog& operator=(const GlCallLog&) = delete;

    const std::vector<std::string>& calls() const { return calls_; }
    void clear() { calls_.clear(); }
    // The calls without the matrix ones (push, pop, loadMatrix, translate,
    // rotate, scale), for tests about enables and draws only.
    std::vector<std::string> stateCalls() const;

    // Called by the wrappers; records only while a log is alive.
    static void record(std::string call);

private:
    std::vector<std::string> calls_;
};
