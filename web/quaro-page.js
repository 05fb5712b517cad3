// The page around the game: it fits the canvas into the window by a whole factor, gives the
// canvas the keys, shows how loading goes, and says so when the game has ended. The game's
// script reads its settings from Module, defined here before that script runs.
'use strict';

(function () {
  const gameWidth = 760;
  const gameHeight = 520;
  const margin = 16; // kept free around the canvas, in CSS pixels

  const canvas = document.getElementById('canvas');
  const status = document.getElementById('status');
  const others = [document.getElementById('title'), document.getElementById('keys'), status];

  // The largest whole factor that fits; a window smaller than the game shrinks it to fit.
  function fitCanvas() {
    const taken = others.reduce((sum, element) => sum + element.offsetHeight, 0) + 2 * margin;
    const fits = Math.min((window.innerWidth - 2 * margin) / gameWidth,
                          (window.innerHeight - taken) / gameHeight);
    const scale = fits >= 1 ? Math.floor(fits) : Math.max(fits, 0.1);
    document.documentElement.style.setProperty('--scale', String(scale));
    document.documentElement.classList.toggle('shrunk', scale < 1);
  }

  let ended = false;
  function say(text) {
    if (!ended) {
      status.textContent = text;
    }
  }

  // The desktop game gets one press for a held key; the browser repeats it, which would skip
  // the second title or type a letter twice. Repeats stop here, before the game's listener.
  window.addEventListener('keydown', (event) => {
    if (event.repeat) {
      event.preventDefault();
      event.stopPropagation();
    }
  }, true);
  window.addEventListener('resize', fitCanvas);
  canvas.addEventListener('mousedown', () => canvas.focus());
  canvas.addEventListener('blur', () => say('Click the game to play.'));
  canvas.addEventListener('focus', () => say(''));
  fitCanvas();

  window.Module = {
    canvas: canvas,
    // Keys reach the game only while the canvas has the focus, so the page keeps its own.
    keyboardListeningElement: canvas,
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    setStatus: (text) => say(text),
    onRuntimeInitialized: () => {
      canvas.focus();
      say('');
    },
    // Called when the game exits, whatever keeps the page's runtime alive (its sound).
    quit: (status, exit) => {
      say('The game has ended. Reload the page to play again.');
      ended = true;
      throw exit;
    },
    onAbort: (reason) => say('The game stopped: ' + reason),
  };
})();
