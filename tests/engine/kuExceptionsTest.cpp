#include "kuExceptions.h"

#include "headlessSdl.h"
#include "kuAudio.h"
#include "raises.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

// An application whose whole work is the function it is given.
class ScriptedApp : public kuCheckedExec {
public:
    explicit ScriptedApp(std::function<void()> work) : work(std::move(work)) {}
    void userExec(int argc, char** argv) override {
        seenArgc = argc;
        seenArgv = argv;
        work();
    }
    int seenArgc = -1;
    char** seenArgv = nullptr;

private:
    std::function<void()> work;
};

} // namespace

TEST(SafeCpyTest, CutsAndAlwaysTerminates) {
    char dst[120];
    std::memset(dst, 'x', sizeof dst);
    safeCpy(dst, "abc", 1);
    EXPECT_STREQ(dst, "");

    const std::string exact(119, 'a');
    safeCpy(dst, exact.c_str(), 120);
    EXPECT_EQ(std::string(dst), exact);

    safeCpy(dst, std::string(200, 'b').c_str(), 120);
    EXPECT_EQ(std::string(dst), std::string(119, 'b'));

    std::memset(dst, 'x', sizeof dst);
    safeCpy(dst, "hi", 8);
    EXPECT_STREQ(dst, "hi");
    for (int i = 2; i < 8; ++i)
        EXPECT_EQ(dst[i], '\0') << "byte " << i << " is padded like strncpy";
}

TEST(KuETest, ConstructorsSetKindAndCopyTexts) {
    const kuE plain;
    EXPECT_EQ(plain.getKind(), kuE::bug);
    EXPECT_STREQ(plain.getMessage(), "");
    EXPECT_STREQ(plain.getTypeName(), "");

    char typeName[] = "FileLoad";
    char message[] = "gone";
    const kuE copied(kuE::generic, typeName, message);
    typeName[0] = message[0] = '?';
    EXPECT_STREQ(copied.getTypeName(), "FileLoad");
    EXPECT_STREQ(copied.getMessage(), "gone");

    const kuE longTexts(kuE::generic, std::string(200, 't').c_str(), std::string(200, 'm').c_str());
    EXPECT_EQ(std::string(longTexts.getTypeName()), std::string(119, 't'));
    EXPECT_EQ(std::string(longTexts.getMessage()), std::string(119, 'm'));
}

TEST(KuETest, RaiseFunctionsThrowPointersOfTheirKind) {
    EXPECT_TRUE(raises([] { kuE::kuRaiseBug("b"); }, kuE::bug, "b"));
    EXPECT_TRUE(raises([] { kuE::kuRaiseGeneric("T", "g"); }, kuE::generic, "g", "T"));
    EXPECT_TRUE(raises([] { kuE::kuRaiseNotImplemented("n"); }, kuE::notImplemented, "n"));
    EXPECT_TRUE(raises([] { kuE::kuRaise(kuE::generic, "T2", "r"); }, kuE::generic, "r", "T2"));
}

TEST(KuETest, ReRaiseLeavesTheCaughtErrorUntouched) {
    kuE caught(kuE::generic, "FileLoad", "original");
    EXPECT_TRUE(raises([&] { kuE::reRaiseBug(caught, "again"); }, kuE::bug, "again"));
    EXPECT_TRUE(
        raises([&] { kuE::reRaiseGeneric(caught, "MEMORY", "m"); }, kuE::generic, "m", "MEMORY"));
    EXPECT_TRUE(raises([&] { kuE::reRaiseNotImplemented(caught, "n"); }, kuE::notImplemented, "n"));
    EXPECT_TRUE(raises([&] { kuE::reRaise(caught, kuE::bug, "", "r"); }, kuE::bug, "r"));
    EXPECT_EQ(caught.getKind(), kuE::generic);
    EXPECT_STREQ(caught.getTypeName(), "FileLoad");
    EXPECT_STREQ(caught.getMessage(), "original");
}

TEST(KuETest, OutputWritesOneReportPerKind) {
    struct Case {
        kuE::t kind;
        const char* typeName;
        const char* message;
        const char* report;
    } cases[] = {
        {kuE::generic, "FileLoad", "no file",
         "Generic exception of type: FileLoad raised: no file\n"},
        {kuE::generic, "", "x", "Generic exception of type:  raised: x\n"},
        {kuE::bug, "", "broken", "Software bug: broken\n"},
        {kuE::notImplemented, "", "later", "Feature has not yet been implemented: later\n"},
        {static_cast<kuE::t>(3), "", "odd",
         "Software bug: Undefined exceptiontype in kuE::output!"},
    };
    for (const Case& c : cases) {
        kuE error(c.kind, c.typeName, c.message);
        StdoutCapture capture;
        error.output();
        EXPECT_EQ(capture.text(), c.report);
    }
}

// What escapes userExec is reported in one way per kind, and the frame says it failed.
TEST(CheckedExecTest, ReportsWhatEscapesAndReturnsFalse) {
    const struct {
        std::function<void()> escape;
        const char* report;
    } cases[] = {
        {[] { kuE::kuRaiseBug("Cannot set screensize in kuScreen::setSize"); },
         "Caught exception\nSoftware bug: Cannot set screensize in kuScreen::setSize\n"},
        {[] { kuE::kuRaiseGeneric("FileLoad", "Couldn't open x.bmp"); },
         "Caught exception\nGeneric exception of type: FileLoad raised: Couldn't open x.bmp\n"},
        {[] { throw Error("PlayingQueue::add: Not implemented dynamic grow!"); },
         "Caught exception\nAudio error: PlayingQueue::add: Not implemented dynamic grow!\n"},
        {[] { throw std::bad_alloc(); },
         "Software bug: Unanticipated exception raised in kuCheckedExec!\n"},
    };
    for (const auto& c : cases) {
        ScriptedApp app(c.escape);
        StdoutCapture capture;
        EXPECT_FALSE(app.checkedExec(0, nullptr));
        EXPECT_EQ(capture.text(), c.report);
    }
}

TEST(CheckedExecTest, PassesArgumentsAndStaysSilentOnSuccess) {
    char name[] = "quaro";
    char* argv[] = {name, nullptr};
    ScriptedApp app([] {});
    StdoutCapture capture;
    EXPECT_TRUE(app.checkedExec(1, argv));
    EXPECT_TRUE(app.checkedExec(1, argv)); // each call is independent
    EXPECT_EQ(capture.text(), "");
    EXPECT_EQ(app.seenArgc, 1);
    EXPECT_EQ(app.seenArgv, argv);
}
