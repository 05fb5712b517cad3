// Runs inside the game's script before it starts, with the browser's SDL layer at hand: it
// tells the page when the game has really ended, lets the page start the sound from a gesture,
// finds a gamepad whenever one is connected or first pressed, not only at start-up, and keeps
// from the game the events the desktop's SDL would not send.
var quaroPageQuit = Module['quit'];
// The game's main returns to the browser each time it waits (Asyncify unwinds it), and the
// runtime takes that return for an exit; only an exit while nothing is unwound is the end.
Module['quit'] = function (status, toThrow) {
  if (!Asyncify.currData && quaroPageQuit) {
    quaroPageQuit(status, toThrow);
  }
  throw toThrow;
};

// From a key, click or tap: browsers start sound only then.
Module['startSound'] = function () {
  if (typeof SDL !== 'undefined' && SDL.audioContext && SDL.audioContext.state !== 'running') {
    SDL.audioContext.resume();
  }
};

// The layer reads the pads only when the joystick subsystem is on and a pad was opened, and
// the game opens the first one at start-up; a pad that comes later is opened here, so that its
// events reach the game like those of a pad found at start-up.
var quaroPads = {
  openPad: function (index) {
    if (typeof SDL === 'undefined' || !SDL.initFlags) {
      return; // the game has not started SDL yet: it will find the pad itself
    }
    SDL.initFlags |= 0x200; // SDL_INIT_JOYSTICK
    SDL.joystickEventState = 1;
    if (!SDL.lastJoystickState[index + 1]) {
      _SDL_JoystickOpen(index);
    }
  },
};
window.addEventListener('gamepadconnected', function (event) {
  quaroPads.openPad(event.gamepad.index);
});

// The layer makes finger events of every mouse press and touch, which the desktop's SDL never
// sends; a title screen, which goes on at any event while the button is held, would take the
// finger event that follows a click for a second press. They are dropped before the game.
Module['preRun'] = [].concat(Module['preRun'] || [], function dropFingerEvents() {
  var makeEvent = SDL.makeCEvent;
  SDL.makeCEvent = function (event, pointer) {
    if (/^touch/.test(event.type)) {
      return false;
    }
    return makeEvent.call(SDL, event, pointer);
  };
});
