// Runs inside the game's script before it starts, with the browser's SDL layer at hand: it
// tells the page when the game has really ended, lets the page start the sound from a gesture,
// finds a gamepad whenever one is connected or first pressed, not only at start-up, keeps
// from the game the events the desktop's SDL would not send, and sets up the page's canvas and
// the sound so that a frame and a moment of silence cost the browser little.
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

// The page's canvas is opaque and desynchronized: the browser hands each frame of it to the
// screen as it is drawn, with only the part that changed, instead of making a frame of the
// whole page for it. The layer's own request for the canvas then gets this context. Until
// the game draws, it shows the page's dusk.
(function () {
  var context = Module['canvas'].getContext('2d', { alpha: false, desynchronized: true });
  context.fillStyle = '#2b1d13';
  context.fillRect(0, 0, Module['canvas'].width, Module['canvas'].height);
})();

// Two buffers queued ahead of the one playing (kuPlatform asks for 1024 frames), and an audio
// context that takes the sound in larger blocks: a sound effect can wait a few milliseconds
// more, the page wakes up for it far less often.
Module['SDL_numSimultaneouslyQueuedBuffers'] = 2;
var quaroSound = {
  made: null,
  // The one audio context of the page, made at the first call (null where there is none).
  context: function () {
    if (!quaroSound.made && typeof AudioContext !== 'undefined') {
      quaroSound.made = new AudioContext({ latencyHint: 'playback' });
    }
    return quaroSound.made;
  },

  // Called once SDL_OpenAudio has set up the layer's audio.
  opened: function () {
    var push = SDL.audio.pushAudio;
    // A buffer of silence plays no node: the time it would have taken passes all the same.
    SDL.audio.pushAudio = function (samples, bytes) {
      var audio = SDL.audio;
      if (audio.paused || !quaroSound.silent(samples, bytes)) {
        push(samples, bytes);
        return;
      }
      var earliest = SDL.audioContext.currentTime + audio.bufferingDelay;
      audio.nextPlayTime = Math.max(earliest, audio.nextPlayTime) + audio.bufferDurationSecs;
    };
  },

  // The device plays signed 16-bit samples, whose silence is zero.
  silent: function (samples, bytes) {
    var words = HEAP32.subarray(samples >> 2, (samples + bytes) >> 2);
    for (var i = 0; i < words.length; ++i) {
      if (words[i] !== 0) {
        return false;
      }
    }
    return true;
  },
};
Module['preRun'] = [].concat(Module['preRun'] || [], function createAudioContext() {
  var open = SDL.openAudioContext;
  SDL.openAudioContext = function () {
    if (!SDL.audioContext) {
      SDL.audioContext = quaroSound.context();
    }
    open.call(SDL);
  };
});
// Making the context can keep the page busy for a while, and the game opens the sound before
// its first screen: it is made while the data loads, once the loading has begun.
setTimeout(quaroSound.context);
