#include "kuPadButtons.h"

#include "kuGamepad.h"

#include <algorithm>

namespace {

// Shared by every screen's reader, so that a rebinding takes effect everywhere at once.
kuPadButtons& boundButtons() {
    static kuPadButtons buttons = kuDefaultPadButtons();
    return buttons;
}

} // namespace

void kuBindPadButtons(const kuPadButtons& buttons) {
    boundButtons() = buttons;
}

kuPadPress kuPressOfButton(int button) {
    const kuPadButtons& bound = boundButtons();
    const auto found = std::find(bound.begin(), bound.end(), button);
    kuPadPress press;
    press.button = button;
    if (found == bound.end())
        return press;
    switch (kuPadAction(found - bound.begin())) {
    case kuPadAction::confirm:
        press.starts = press.resumes = true;
        break;
    case kuPadAction::pause:
        press.starts = press.pauses = press.resumes = true;
        break;
    case kuPadAction::leave:
        press.quits = true;
        break;
    case kuPadAction::table:
        press.showsTable = true;
        break;
    }
    return press;
}
