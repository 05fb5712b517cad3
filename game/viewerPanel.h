// What the viewer shows over a run played back, in the maze's walls where no one walks
// (readingsLayout.h has the places): in the top wall what plays, for the first seconds a
// reminder of the viewer's keys (how to go on while paused), and the speed or "paused"; in the
// bottom wall a progress bar with a mark where the hero drank (blue) or knocked an outlaw out
// (red), and the hero's wished direction left of the clock.
#pragma once

#include <cstdint>
#include <string>

class kuScreen;
class quaroLettering;
class quaroViewer;
class vorlanMaze;

class viewerPanel {
public:
    static constexpr uint32_t reminderLineFrames = 30; // two seconds for each line
    static constexpr uint32_t reminderLines = 7;       // six of the keys' and what others do
    static constexpr uint32_t reminderFrames = reminderLines * reminderLineFrames;
    static const char* const pausedLine; // while paused, in the reminder's place

    // None of them owned; all outlive the panel.
    viewerPanel(kuScreen& screen, vorlanMaze& maze, quaroLettering& font, std::string label);
    // Draws everything for the viewer's state after `shownFrames` displayed frames (which
    // times the reminder); the caller updates the screen.
    void draw(const quaroViewer& viewer, uint32_t shownFrames);
    // The reminder's text in the frame: one of its lines, or empty once it has gone.
    static std::string reminderAt(uint32_t shownFrames);
    // Shows the text in the reminder's place for two seconds from the frame.
    void showNote(std::string text, uint32_t shownFrames);

private:
    void drawBar(const quaroViewer& viewer);
    void drawWish(const quaroViewer& viewer);

    kuScreen& screen;
    vorlanMaze& maze;
    quaroLettering& font;
    std::string label;
    std::string note;
    uint32_t noteUntil = 0; // the displayed frame the note goes at
};
