// The moment before a round's first frame: the maze with everyone in place under the ready
// banner for about two seconds, or until the player presses a steering key (or P, or Space, or
// moves the gamepad), asks to leave or closes the game. Nothing of the round runs meanwhile: it is
// not stepped, its random streams are not read, and its clock and its recording start with its
// first frame as they would without the moment.
#pragma once

#include <functional>

class VorlanInputHandler;
class kuImage;
class quaroRound;

class readyMoment {
public:
    static constexpr int frames = 30; // about two seconds at 66 ms a frame

    // The banners picture is not owned.
    explicit readyMoment(kuImage* banners) : banners(banners) {}

    // Shows the started round's actors under the banner and waits frame by frame on the round's
    // handler, which steers the hero in play; the wish, the leave and pause requests it reads stay
    // for the first frame. Takes the banner away (recorded, shown with the first frame) and
    // returns the frames waited.
    int hold(quaroRound& round, VorlanInputHandler& input, const std::function<void()>& waitFrame);

private:
    kuImage* banners;
};
