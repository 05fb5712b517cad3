// The pad's buttons the player binds to what they do on every screen: confirm (a menu's Enter,
// a round's start, resuming), pause, leave (a menu, or the round) and the table. On SDL 2 a
// button is a game controller button and has SDL's name for it ("a", "start", "leftshoulder");
// on SDL 1.2 it is the joystick's button number, named by its digits. The d-pad steers and is
// never bound. Every pad reader follows the bindings set last.
#pragma once

#include <array>
#include <optional>
#include <string>

struct kuPadPress;

enum class kuPadAction { confirm, pause, leave, table };
constexpr int kuPadActionCount = int(kuPadAction::table) + 1;

// A button for each action, in the order of kuPadAction; no two the same.
using kuPadButtons = std::array<int, kuPadActionCount>;

// The buttons as the pad is labelled: A, Start, Back, B on SDL 2; 0, 2, 3, 1 on SDL 1.2.
kuPadButtons kuDefaultPadButtons();
// The name of a bindable button; empty for any other number.
std::string kuPadButtonName(int button);
// The bindable button of the name (in any case); none for anything else, the d-pad included.
std::optional<int> kuPadButtonFromName(const std::string& name);

// Every pad reader takes presses by these bindings from now on.
void kuBindPadButtons(const kuPadButtons& buttons);
// What a press of the button asks for by the bindings: nothing for a button bound to nothing.
kuPadPress kuPressOfButton(int button);
