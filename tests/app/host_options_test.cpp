#include "app/host_options.h"

#include <gtest/gtest.h>

#include <chrono>

#include "app/frame_pacer.h"

namespace {

struct Read {
    HostOptions options;
    Settings settings;
    std::string warnings;
};

Read read(const std::string& commandLine, Settings settings = Settings()) {
    Read result{{}, settings, {}};
    result.options = readHostOptions(commandLine, result.settings, result.warnings);
    return result;
}

size_t lines(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

uint32_t hostedDelay(const Read& r) {
    return frameDelayUs(r.options, true);
}

}  // namespace

TEST(HostOptions, DelayInMicrosecondsWithEitherDash) {
    EXPECT_EQ(hostedDelay(read("")), 16667u);
    EXPECT_EQ(hostedDelay(read("--root")), 16667u);
    EXPECT_EQ(hostedDelay(read("-delay 50000")), 50000u);
    EXPECT_EQ(hostedDelay(read("--root --delay 0")), 0u);
    EXPECT_EQ(hostedDelay(read("--delay 1000000")), 1000000u);
    EXPECT_EQ(hostedDelay(read("-delay 10 -delay 20")), 20u);
    EXPECT_TRUE(read("-window-id 0x1200007 -delay 5").warnings.empty());
    // Full screen the display paces the frames unless a delay is given; the
    // cap stands by for a display that does not.
    EXPECT_EQ(frameDelayUs(read("").options, false), 0u);
    EXPECT_EQ(unsyncedFrameCapUs(read("").options, false), 16667u);
    EXPECT_EQ(frameDelayUs(read("--delay 50000").options, false), 50000u);
    EXPECT_EQ(unsyncedFrameCapUs(read("--delay 0").options, false), 0u);
    EXPECT_EQ(unsyncedFrameCapUs(read("").options, true), 0u);
}

TEST(HostOptions, BadDelaysKeepTheDefaultAndSayWhy) {
    for (const char* line : {"-delay", "-delay -5", "-delay 1000001", "-delay 99999999999", "-delay 50ms",
                             "-delay 0x10", "--delay ''"}) {
        const Read r = read(line);
        EXPECT_EQ(hostedDelay(r), 16667u) << line;
        EXPECT_EQ(lines(r.warnings), 1u) << line << ": " << r.warnings;
        EXPECT_NE(r.warnings.find("delay"), std::string::npos) << r.warnings;
    }
    // A bad delay after a good one keeps the good one.
    EXPECT_EQ(hostedDelay(read("-delay 40000 -delay x")), 40000u);
}

TEST(HostOptions, MultisampleOnUnlessTurnedOff) {
    using platform::Multisampling;
    EXPECT_EQ(read("").options.multisample, Multisampling::automatic);
    EXPECT_EQ(read("--multisample off").options.multisample, Multisampling::off);
    EXPECT_EQ(read("-multisample off -multisample on").options.multisample, Multisampling::on);
    const Read bad = read("--multisample 0");
    EXPECT_EQ(bad.options.multisample, Multisampling::automatic);
    EXPECT_EQ(bad.warnings, "--multisample takes on|off, not \"0\"; ignored\n");
}

// Hosts expect the show to start whatever they pass: unknown options are
// named and passed over; words without a dash are no options at all.
TEST(HostOptions, UnknownOptionsAreNamed) {
    const Read r = read("--bogus -visual default -root -window-id 0x12 /s 5 - --fps -x");
    EXPECT_EQ(r.warnings, "unknown option --bogus; ignored\nunknown option -visual; ignored\n"
                          "unknown option -x; ignored\n");
    EXPECT_EQ(r.settings.showFrameCounter, 1);
}

TEST(HostOptions, ShowChoicesWinOverTheSettingsFile) {
    Settings fromFile;
    fromFile.showFrameCounter = 1;
    fromFile.analogClock = 0;
    fromFile.showCalendar = 1;
    const Read r = read("--root --no-fps --clock analog --clock-size far -calendar russian", fromFile);
    EXPECT_TRUE(r.warnings.empty()) << r.warnings;
    EXPECT_EQ(r.settings.showFrameCounter, 0);
    EXPECT_EQ(r.settings.showClock, 1);
    EXPECT_EQ(r.settings.analogClock, 1);
    EXPECT_EQ(r.settings.largeClock, 0);
    EXPECT_EQ(r.settings.russianCalendar, 1);
    EXPECT_EQ(read("-fps").settings.showFrameCounter, 1);
    EXPECT_EQ(read("-fps -no-fps -fps").settings.showFrameCounter, 1);
    // Without options the file's choices stand.
    EXPECT_EQ(read("--root", fromFile).settings.showFrameCounter, 1);
}

TEST(HostOptions, BadChoicesAndStrayWordsLeaveTheSettingsAlone) {
    Settings fromFile;
    fromFile.showClock = 1;
    fromFile.analogClock = 1;
    const Read r = read("-clock digital -calendar -fps /s 1234 clock off", fromFile);
    // "-clock digital" is refused; "-calendar" takes "-fps" as its value and refuses it.
    EXPECT_EQ(lines(r.warnings), 2u) << r.warnings;
    EXPECT_NE(r.warnings.find("-clock takes off|analog|digital12|digital24, not \"digital\""), std::string::npos)
        << r.warnings;
    EXPECT_EQ(r.settings.showClock, 1);
    EXPECT_EQ(r.settings.analogClock, 1);
    EXPECT_EQ(r.settings.showCalendar, fromFile.showCalendar);
    EXPECT_EQ(r.settings.showFrameCounter, fromFile.showFrameCounter);
    EXPECT_EQ(lines(read("-clock").warnings), 1u);
}

// Sleeping never ends early, so the lower bound holds on any machine: the
// sixth frame starts five delays after the first at the soonest.
TEST(FramePacer, FrameStartsAreAtLeastTheDelayApart) {
    using Clock = std::chrono::steady_clock;
    FramePacer pacer(3000);
    const Clock::time_point start = Clock::now();
    for (int frame = 0; frame < 6; ++frame) pacer.waitForNextFrame();
    EXPECT_GE(Clock::now() - start, std::chrono::microseconds(5 * 3000));
}

// Frames that come faster than a display refreshes take on the cap once the
// first ones are measured; frames the display paces, or slow ones, stay
// unpaced.
TEST(FramePacer, TakesOnTheCapOnlyWhenTheDisplayDoesNotPace) {
    using namespace std::chrono;
    const struct {
        microseconds frameTime;
        uint32_t expectedDelayUs;
    } cases[] = {{microseconds(2000), 16667}, {microseconds(10000), 16667},
                 {microseconds(16667), 0}, {microseconds(40000), 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frameTime.count());
        FramePacer pacer(0, 16667);
        FramePacer::Clock::time_point now{};
        for (int frame = 0; frame < 100; ++frame) {
            const auto start = pacer.frameStart(now);
            EXPECT_GE(start, now);
            now = start + c.frameTime;
        }
        EXPECT_EQ(pacer.delayUs(), c.expectedDelayUs);
        // Capped, the frames are the cap apart.
        const auto first = pacer.frameStart(now);
        EXPECT_EQ(pacer.frameStart(first + c.frameTime) - first,
                  c.expectedDelayUs ? microseconds(c.expectedDelayUs) : c.frameTime);
    }
}
