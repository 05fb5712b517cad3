// What the viewer shows over a run played back, in the maze's walls where no one walks: in
// the bottom wall the replay's label, a progress bar with a mark where the hero drank (blue)
// or knocked an outlaw out (red), and the hero's wished direction beside the clock; in the top
// wall the speed or "paused", and for the first seconds a reminder of the viewer's keys.
#pragma once

#include "kuGeomUtil.h"

#include <cstdint>
#include <string>

class kuScreen;
class quaroCounter;
class quaroViewer;
class vorlanMaze;

class viewerPanel {
public:
    static constexpr uint32_t reminderLineFrames = 60; // four seconds for each line
    static constexpr uint32_t reminderLines = 3;
    static constexpr uint32_t reminderFrames = reminderLines * reminderLineFrames;

    // None of them owned; all outlive the panel.
    viewerPanel(kuScreen& screen, vorlanMaze& maze, quaroCounter& font, std::string label);
    // Draws everything for the viewer's state after `shownFrames` displayed frames (which
    // times the reminder); the caller updates the screen.
    void draw(const quaroViewer& viewer, uint32_t shownFrames);
    // The reminder's text in the frame: one of its lines, or empty once it has gone.
    static std::string reminderAt(uint32_t shownFrames);

private:
    void drawBar(const quaroViewer& viewer);
    void drawWish(const quaroViewer& viewer);
    void drawText(const std::string& text, const pt& at, uint32_t glyphs);

    kuScreen& screen;
    vorlanMaze& maze;
    quaroCounter& font;
    std::string label;
};
