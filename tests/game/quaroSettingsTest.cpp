#include "quaroSettings.h"

#include "kuKeyNames.h"
#include "settingsScreen.h"
#include "tempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

struct fileCase {
    const char* name;
    const char* text; // the file's text; null for no file, "/" for a folder in its place
    int problems;     // lines (or reasons) named
    SDLKey left;      // the key bound to left afterwards
    int effects;      // the effects' volume afterwards
    int speed;        // the speed afterwards
    SDLKey up;        // the key bound to up afterwards
};

std::ostream& operator<<(std::ostream& out, const fileCase& c) {
    return out << c.name;
}

class SettingsFiles : public ::testing::TestWithParam<fileCase> {};

TEST_P(SettingsFiles, ReadWhatTheyCanAndNameTheRest) {
    const fileCase c = GetParam();
    TempDir dir;
    const std::string file = dir.file("quaro.ini");
    if (c.text != nullptr && std::string(c.text) == "/")
        fs::create_directory(file);
    else if (c.text != nullptr)
        std::ofstream(file, std::ios::binary) << c.text;
    settingsFile store(file);
    const settingsRead read = store.load();
    EXPECT_EQ(int(read.problems.size()), c.problems);
    EXPECT_EQ(read.settings.key(boundAction::left), c.left);
    EXPECT_EQ(read.settings.key(boundAction::up), c.up);
    EXPECT_EQ(read.settings.effectsVolume, c.effects);
    EXPECT_EQ(read.settings.speed, c.speed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsFiles,
    ::testing::Values(
        fileCase{"Missing", nullptr, 0, SDLK_LEFT, 100, 100, SDLK_UP},
        fileCase{"Empty", "", 0, SDLK_LEFT, 100, 100, SDLK_UP},
        fileCase{"Whole", "version=1\n[keys]\nleft=j\n[sound]\neffects=40\n[assist]\nspeed=60\n", 0,
                 SDLK_j, 40, 60, SDLK_UP},
        fileCase{"SpacesCaseAndCarriageReturns", " [ KEYS ] \r\n LEFT = J \r\n", 0, SDLK_j, 100,
                 100, SDLK_UP},
        fileCase{"UnknownNamesAndSections",
                 "[keys]\njump=Space\n[colours]\nsky=blue\n[sound]\nbass=3\nleft=J\n", 5, SDLK_LEFT,
                 100, 100, SDLK_UP},
        fileCase{"BadValues",
                 "[keys]\nleft=Kanji\n[sound]\neffects=101\n[assist]\nspeed=49\nlives=0\n", 4,
                 SDLK_LEFT, 100, 100, SDLK_UP},
        fileCase{"NoEqualsAndOutsideSections", "left=J\ngarbage\n[keys\n", 3, SDLK_LEFT, 100, 100,
                 SDLK_UP},
        fileCase{"BoundTwiceKeepsTheFirst", "[keys]\nleft=Up\nup=Up\n", 1, SDLK_UP, 100, 100,
                 SDLK_LEFT},
        fileCase{"ADefaultTakenIsSwapped", "[keys]\nleft=Up\n", 0, SDLK_UP, 100, 100, SDLK_LEFT},
        fileCase{"NewerVersion", "version=2\n[sound]\neffects=30\n", 1, SDLK_LEFT, 30, 100,
                 SDLK_UP},
        fileCase{"AFolderInItsPlace", "/", 1, SDLK_LEFT, 100, 100, SDLK_UP}),
    [](const ::testing::TestParamInfo<fileCase>& info) { return std::string(info.param.name); });

// The pad's buttons by the names of the build's own SDL: a spare one is bound to nothing at first.
using pa = kuPadAction;
const kuPadButtons padDefaults = kuDefaultPadButtons();

int spareButton() {
    int button = 0;
    while (kuPadButtonName(button).empty() ||
           std::count(padDefaults.begin(), padDefaults.end(), button) != 0)
        ++button;
    return button;
}

std::string nameOf(kuPadAction action) {
    return kuPadButtonName(padDefaults[size_t(action)]);
}

struct padCase {
    const char* name;
    std::string text;
    int problems;
    std::array<pa, kuPadActionCount> holders; // the action each default button is bound to
};

class PadFiles : public ::testing::TestWithParam<padCase> {};

TEST_P(PadFiles, BindEachButtonOnceAndSwapADefaultTaken) {
    const padCase c = GetParam();
    const settingsRead read = parseSettings(c.text);
    EXPECT_EQ(int(read.problems.size()), c.problems);
    for (int i = 0; i < kuPadActionCount; ++i)
        EXPECT_EQ(read.settings.padActionOf(padDefaults[size_t(i)]), c.holders[size_t(i)]) << i;
}

INSTANTIATE_TEST_SUITE_P(Table, PadFiles,
                         ::testing::Values(padCase{"ADefaultTakenIsSwapped",
                                                   "[pad]\npause=" + nameOf(pa::confirm),
                                                   0,
                                                   {pa::pause, pa::confirm, pa::leave, pa::table}},
                                           padCase{"BoundTwiceKeepsTheFirst",
                                                   "[pad]\nconfirm=" + nameOf(pa::table) +
                                                       "\ntable=" + nameOf(pa::table),
                                                   1,
                                                   {pa::table, pa::pause, pa::leave, pa::confirm}},
                                           padCase{"UnknownButtonsAndActionsAndTheDpad",
                                                   "[pad]\npause=nosuchbutton\njump=" +
                                                       nameOf(pa::leave) + "\nleave=dpup\ntable=99",
                                                   4,
                                                   {pa::confirm, pa::pause, pa::leave, pa::table}}),
                         [](const ::testing::TestParamInfo<padCase>& info) {
                             return std::string(info.param.name);
                         });

// Every screen's reader takes a press by the bindings set last.
TEST(PadButtons, PressesFollowTheBindings) {
    kuBindPadButtons({padDefaults[1], padDefaults[2], spareButton(), padDefaults[0]});
    const kuPadPress confirm = kuPressOfButton(padDefaults[1]);
    const kuPadPress leave = kuPressOfButton(spareButton());
    const kuPadPress unbound = kuPressOfButton(padDefaults[3]);
    kuBindPadButtons(padDefaults);
    EXPECT_TRUE(confirm.starts && !confirm.pauses);
    EXPECT_TRUE(leave.quits && !leave.starts);
    EXPECT_FALSE(unbound.starts || unbound.quits || unbound.showsTable || unbound.resumes);
}

// Blank lines count, a Windows line end is trimmed, and the last line needs no line end.
TEST(SettingsFile, NamesTheLineOfEachProblem) {
    const settingsRead read = parseSettings("\n[keys]\r\n\nleft=Kanji\r\nnonsense");
    ASSERT_EQ(read.problems.size(), 2u);
    EXPECT_EQ(read.problems[0].rfind("line 4: ", 0), 0u) << read.problems[0];
    EXPECT_EQ(read.problems[1], "line 5: no '=' in 'nonsense'");
}

TEST(SettingsFile, WritesWhatReadsBackTheSame) {
    quaroSettings chosen;
    chosen.bind(boundAction::left, SDLK_j);
    chosen.bind(boundAction::pause, SDLK_UP); // swaps with up
    chosen.bindPad(kuPadAction::leave, spareButton());
    chosen.voicesVolume = 0;
    chosen.speed = 60;
    chosen.lives = 3;
    chosen.windowed = true;
    chosen.scale = 2;
    chosen.reducedFlashing = true;
    TempDir dir;
    settingsFile store(dir.file("sub/quaro.ini"));
    std::string error;
    ASSERT_TRUE(store.save(chosen, error)) << error;
    const settingsRead read = settingsFile(dir.file("sub/quaro.ini")).load();
    EXPECT_TRUE(read.problems.empty());
    EXPECT_TRUE(read.settings == chosen);
    EXPECT_EQ(chosen.key(boundAction::up), SDLK_p);
}

TEST(SettingsFile, KeepsADamagedFileAsideBeforeReplacingIt) {
    TempDir dir;
    const std::string file = dir.file("quaro.ini");
    std::ofstream(file) << "[keys]\nleft=Kanji\n";
    settingsFile store(file);
    ASSERT_EQ(store.load().problems.size(), 1u);
    std::string error;
    ASSERT_TRUE(store.save(quaroSettings{}, error)) << error;
    std::ifstream kept(file + settingsFile::damagedSuffix);
    std::string text((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "[keys]\nleft=Kanji\n");
}

// Unwritable: a file stands where its folder should be (root, too, cannot write there), or a
// folder where the file should be.
TEST(SettingsFile, SaysWhyItCannotWriteAndKeepsWhatWasThere) {
    TempDir dir;
    std::ofstream(dir.file("config")) << "not a folder\n";
    fs::create_directory(dir.file("quaro.ini"));
    for (const std::string& file : {dir.file("config/quaro.ini"), dir.file("quaro.ini")}) {
        std::string error;
        EXPECT_FALSE(settingsFile(file).save(quaroSettings{}, error)) << file;
        EXPECT_FALSE(error.empty());
    }
    EXPECT_TRUE(fs::is_regular_file(dir.file("config")));
    EXPECT_TRUE(fs::is_directory(dir.file("quaro.ini")));
}

TEST(Settings, SpeedStretchesEachFrame) {
    quaroSettings s;
    EXPECT_EQ(s.frameMs(66), 66u);
    s.speed = 60;
    EXPECT_EQ(s.frameMs(66), 110u);
    EXPECT_TRUE(s.assisted());
}

// The screen's rebinding, without drawing it.
class SettingsScreenKeys : public ::testing::Test {
protected:
    SettingsScreenKeys() {
        context.change = [this](const quaroSettings& s) {
            kept = s;
            ++changes;
        };
        context.sample = [this](bool voices) { samples += voices ? "v" : "e"; };
    }
    settingsScreen at(int row) {
        settingsScreen screen(context, quaroSettings{});
        for (int i = 0; i < row; ++i)
            screen.pressKey(SDLK_DOWN);
        return screen;
    }
    settingsContext context;
    quaroSettings kept;
    int changes = 0;
    std::string samples;
};

TEST_F(SettingsScreenKeys, BindsTheNextKeyPressed) {
    settingsScreen screen = at(int(settingsScreen::row::left));
    screen.pressKey(SDLK_RETURN);
    EXPECT_TRUE(screen.waitingForKey());
    EXPECT_EQ(screen.rowText(int(settingsScreen::row::left)), "left: ?");
    screen.pressKey(SDLK_j);
    EXPECT_FALSE(screen.waitingForKey());
    EXPECT_EQ(kept.key(boundAction::left), SDLK_j);
    EXPECT_EQ(screen.rowText(int(settingsScreen::row::left)), "left: J");
}

TEST_F(SettingsScreenKeys, SwapsAKeyBoundElsewhere) {
    settingsScreen screen = at(int(settingsScreen::row::pause));
    screen.pressKey(SDLK_RETURN);
    screen.pressKey(SDLK_UP);
    EXPECT_EQ(kept.key(boundAction::pause), SDLK_UP);
    EXPECT_EQ(kept.key(boundAction::up), SDLK_p);
}

TEST_F(SettingsScreenKeys, EscapeOrAnUnnamedKeyChangesNothing) {
    for (const SDLKey key : {SDLK_ESCAPE, SDLK_F11}) {
        settingsScreen screen = at(int(settingsScreen::row::left));
        screen.pressKey(SDLK_RETURN);
        EXPECT_TRUE(screen.pressKey(key)); // still on the screen
        EXPECT_FALSE(screen.waitingForKey());
        EXPECT_TRUE(screen.chosen() == quaroSettings{});
    }
    EXPECT_EQ(changes, 0);
}

TEST_F(SettingsScreenKeys, BindsThePadsNextButtonSwappingOrRefusing) {
    settingsScreen screen = at(int(settingsScreen::row::padPause));
    kuPadPress press;
    for (const int button : {1000, padDefaults[0]}) { // one no pad has, then confirm's
        screen.pressKey(SDLK_RETURN);
        press.button = button;
        screen.pressPad(press, 0, 0);
    }
    EXPECT_EQ(kept.padButton(pa::pause), padDefaults[0]);
    EXPECT_EQ(kept.padButton(pa::confirm), padDefaults[1]);
    screen.pressKey(SDLK_RETURN);
    screen.pressKey(SDLK_ESCAPE);
    EXPECT_FALSE(screen.waitingForKey());
    EXPECT_EQ(changes, 1);
}

TEST_F(SettingsScreenKeys, SlidersMoveWithinTheirRangeAndPlayTheirSample) {
    settingsScreen screen = at(int(settingsScreen::row::effects));
    screen.pressKey(SDLK_RIGHT); // already full: nothing
    screen.pressKey(SDLK_LEFT);
    screen.pressKey(SDLK_DOWN);
    screen.pressKey(SDLK_LEFT);
    screen.pressKey(SDLK_DOWN);
    for (int i = 0; i < 9; ++i)
        screen.pressKey(SDLK_LEFT);
    EXPECT_EQ(kept.effectsVolume, 90);
    EXPECT_EQ(kept.voicesVolume, 90);
    EXPECT_EQ(kept.speed, quaroSettings::slowestSpeed);
    EXPECT_EQ(samples, "ev");
}

TEST_F(SettingsScreenKeys, LeavesWithEscapeOrThePadsB) {
    EXPECT_FALSE(at(0).pressKey(SDLK_ESCAPE));
    kuPadPress b;
    b.showsTable = true;
    EXPECT_FALSE(at(0).pressPad(b, 0, 0));
    settingsScreen screen = at(0);
    EXPECT_TRUE(screen.pressPad({}, 0, -1)); // the pad moves around to "back"
    kuPadPress a;
    a.starts = true;
    EXPECT_FALSE(screen.pressPad(a, 0, 0));
}

} // namespace
