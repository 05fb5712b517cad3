// A ghost to race: the hero of a recorded run, where it stood and how it looked in every
// frame, drawn translucent over a live round of the same seed. Its path is worked out before
// the race by playing the run on the round itself with the screen hidden; the round is
// started again afterwards. The splits compare the frame in which the player's count of
// products reached each multiple of ten with the frame in which the ghost's did.
#pragma once

#include "kuAbsSprite.h"
#include "quaroRound.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class kuScreen;
class vorlanMaze;

class quaroGhost : public roundOverlay {
public:
    static constexpr uint8_t opacity = 128; // of 255
    static constexpr int splitEvery = 10;   // products

    // The run's hero in one frame.
    struct place {
        pt pos;
        kuImageFrame picture;
        int products = 0;
    };
    // The run's hero frame by frame, the run played on the round with the screen hidden.
    static std::vector<place> trace(quaroRound& round, kuScreen& screen, const quaroRecording& run);

    // The player's count of products reached a multiple of ten in a frame: how that frame
    // compares with the ghost's.
    struct split {
        int products = 0;
        uint32_t playerFrame = 0;
        std::optional<uint32_t> ghostFrame; // none when the ghost never had as many
        // Seconds of the round's clock the player is behind (positive) or ahead (negative).
        int secondsBehind() const;
        // "ahead 3", "behind 12", "even", or "alone" when the ghost never got there.
        std::string text() const;
    };

    // Drawn over the maze, which restores what the ghost covered; the pictures it draws are
    // copied translucent here.
    quaroGhost(std::vector<place> path, vorlanMaze& maze);

    void erase() override;
    // Shows the ghost where the run's hero was in that frame; after its last, nowhere.
    void show(uint32_t frame) override;
    // The ghost in the frame, or null after the run's last.
    const place* at(uint32_t frame) const;

    // After each frame of the player's round, with the player's products then: the split,
    // when a multiple of ten was reached in this frame.
    std::optional<split> notePlayer(int products, uint32_t frame);
    const std::vector<split>& splits() const { return taken; }

private:
    std::vector<place> path;
    std::map<kuImage*, std::unique_ptr<kuImage>> translucent;
    vorlanMaze& maze;
    std::optional<kuRectangle> drawn; // where the ghost was drawn last
    std::vector<split> taken;
};
