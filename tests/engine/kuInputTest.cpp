#include "kuInput.h"
#include "headlessSdl.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class RecordingHandler : public kuInputHandler {
public:
    void handleEvent(SDL_Event* event) override { seen.push_back(event->key.keysym.sym); }
    std::vector<int> seen;
};

void pushKey(SDLKey key) {
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    ASSERT_TRUE(queueEvent(event));
}

int pendingEvents() {
    SDL_Event events[16];
    return peekEvents(events, 16);
}

// Consumes the presses of one key and remembers every event it saw.
class KeyHook : public kuEventHook {
public:
    explicit KeyHook(SDLKey taken) : taken(taken) {}
    bool takeEvent(const SDL_Event& event) override {
        seen.push_back(event.key.keysym.sym);
        return event.key.keysym.sym == taken;
    }
    SDLKey taken;
    std::vector<int> seen;
};

class InputTest : public SdlTest {
protected:
    void SetUp() override {
        SdlTest::SetUp();
        SDL_Event drop;
        while (SDL_PollEvent(&drop)) {
        }
        handler.activate();
    }
    RecordingHandler handler;
};

} // namespace

TEST_F(InputTest, PollHandlesEveryPendingEventInQueueOrder) {
    pushKey(SDLK_a);
    pushKey(SDLK_b);
    pushKey(SDLK_c);
    handler.pollEvents();
    EXPECT_EQ(handler.seen, (std::vector<int>{SDLK_a, SDLK_b, SDLK_c}));
    EXPECT_EQ(pendingEvents(), 0);
    handler.pollEvents();
    EXPECT_EQ(handler.seen.size(), 3u) << "an empty queue returns at once";
}

TEST_F(InputTest, WaitHandlesExactlyOneEvent) {
    pushKey(SDLK_x);
    pushKey(SDLK_y);
    handler.waitEvent();
    EXPECT_EQ(handler.seen, (std::vector<int>{SDLK_x}));
    EXPECT_EQ(pendingEvents(), 1);
    handler.waitEvent();
    EXPECT_EQ(handler.seen, (std::vector<int>{SDLK_x, SDLK_y}));
}

TEST_F(InputTest, ActivateInstallsTheFilterThatAcceptsEverything) {
    EXPECT_EQ(installedFilter(), &eventFilter);
    SDL_Event event = {};
    for (sdlEventType type : {SDL_KEYDOWN, SDL_KEYUP, SDL_MOUSEMOTION, SDL_QUIT, SDL_USEREVENT})
        EXPECT_EQ(eventFilter(&(event.type = type, event)), 1);
}

TEST_F(InputTest, InstallingTheFilterKeepsTheEventsQueuedBefore) {
    removeEventFilter(); // as before the first screen
    pushKey(SDLK_a);
    pushKey(SDLK_b);
    handler.activate();
    handler.pollEvents();
    EXPECT_EQ(handler.seen, (std::vector<int>{SDLK_a, SDLK_b}));
}

TEST_F(InputTest, TheHookSeesEveryEventFirstAndKeepsWhatItConsumes) {
    KeyHook hook(SDLK_F11);
    handler.setHook(&hook);
    for (SDLKey key : {SDLK_a, SDLK_F11, SDLK_b, SDLK_F11, SDLK_c})
        pushKey(key);
    handler.pollEvents();
    EXPECT_EQ(hook.seen, (std::vector<int>{SDLK_a, SDLK_F11, SDLK_b, SDLK_F11, SDLK_c}));
    EXPECT_EQ(handler.seen, (std::vector<int>{SDLK_a, SDLK_b, SDLK_c}));
    pushKey(SDLK_F11);
    handler.waitEvent();
    EXPECT_EQ(handler.seen.size(), 3u) << "waitEvent asks the hook too";
}
