// The page around the game: it fits the canvas into the window (by a whole factor where one
// fits, otherwise to fit), holds the game behind a "tap or press a key to play" screen until a
// gesture lets the browser start the sound, offers full screen, says when the game is paused
// because the page was put away and when it has ended, and keeps the site for offline play.
// The game's script reads its settings from Module, defined here before that script runs;
// quaro-touch.js and quaro-share.js use window.quaroPage.
'use strict';

(function () {
  const gameWidth = 760;
  const gameHeight = 520;
  const margin = 8; // kept free around the canvas, in CSS pixels
  const sideWidth = 180; // the columns of text beside the canvas on a wide window
  // The key codes the game's SDL layer reads.
  const keyCodes = { ArrowUp: 38, ArrowDown: 40, ArrowLeft: 37, ArrowRight: 39, Escape: 27, p: 80 };

  const root = document.documentElement;
  const canvas = document.getElementById('canvas');
  const status = document.getElementById('status');
  const start = document.getElementById('start');
  const fullscreen = document.getElementById('fullscreen');
  const around = ['bar', 'keys', 'status'].map((id) => document.getElementById(id));

  // The factor for an area: the largest whole one, or below 1 whatever fits.
  function scaleFor(width, height) {
    const fits = Math.min(width / gameWidth, height / gameHeight);
    return fits >= 1 ? Math.floor(fits) : Math.max(fits, 0.1);
  }

  // The text goes above and below the canvas, or beside it where that leaves a larger factor;
  // in full screen the canvas has the screen to itself.
  function fitCanvas() {
    const width = window.innerWidth;
    const height = window.innerHeight;
    const inFullScreen = document.fullscreenElement != null;
    root.classList.remove('beside');
    let scale;
    if (inFullScreen) {
      scale = scaleFor(width, height);
    } else {
      const taken = around.reduce((sum, element) => {
        const style = getComputedStyle(element);
        return sum + element.offsetHeight + parseFloat(style.marginTop) +
               parseFloat(style.marginBottom);
      }, 0);
      const stacked = scaleFor(width - 2 * margin, height - taken - 2 * margin);
      const beside = scaleFor(width - 2 * sideWidth - 2 * margin, height - 2 * margin);
      scale = stacked;
      if (beside > stacked && beside >= 1) {
        scale = beside;
        root.classList.add('beside');
      }
    }
    root.style.setProperty('--scale', String(scale));
    root.classList.toggle('shrunk', scale < 1);
    root.classList.toggle('full', inFullScreen);
  }

  let ended = false;
  function say(text) {
    if (!ended) {
      status.textContent = text;
    }
  }

  // The game looks at what is held when it reads its events, every 15 ms on a menu and every
  // 66 ms in a round: a press shorter than a frame could come and go unseen.
  const shortestPressMs = 100;
  const pressedAt = new Map();
  function release(what, send) {
    const held = performance.now() - (pressedAt.get(what) || 0);
    pressedAt.delete(what);
    setTimeout(send, Math.max(0, shortestPressMs - held));
  }

  // A key pressed or released on the game, as the keyboard does it.
  function pressKey(key, down) {
    const send = () => canvas.dispatchEvent(new KeyboardEvent(down ? 'keydown' : 'keyup', {
      key: key, keyCode: keyCodes[key], which: keyCodes[key], bubbles: true, cancelable: true,
    }));
    if (down) {
      pressedAt.set(key, performance.now());
      send();
    } else {
      release(key, send);
    }
  }

  // The left button pressed or released at a point of the page, as the mouse does it.
  function pressMouse(clientX, clientY, down) {
    const send = () => canvas.dispatchEvent(new MouseEvent(down ? 'mousedown' : 'mouseup', {
      clientX: clientX, clientY: clientY, button: 0, buttons: down ? 1 : 0,
      bubbles: true, cancelable: true, view: window,
    }));
    if (down) {
      pressedAt.set('mouse', performance.now());
      send();
    } else {
      release('mouse', send);
    }
  }

  // The game waits behind the start screen for the first key, click or tap, which starts the
  // sound and is not passed on: the first title needs a gesture of its own.
  const startListeners = [];
  let started = false;
  function begin(byTouch) {
    if (started) {
      return;
    }
    started = true;
    start.hidden = true;
    Module.startSound();
    canvas.focus();
    say(navigator.onLine ? '' : 'Playing offline, from what this device kept of the game.');
    startListeners.forEach((listener) => listener(byTouch));
  }
  function offerStart() {
    start.hidden = false;
    start.focus();
    say('');
  }
  window.addEventListener('keydown', (event) => {
    if (!start.hidden) {
      event.preventDefault();
      event.stopImmediatePropagation();
      begin(false);
    }
  }, true);
  start.addEventListener('touchend', (event) => {
    event.preventDefault(); // no mouse events after the touch
    begin(true);
  });
  start.addEventListener('click', () => begin(false));

  // The desktop game gets one press for a held key; the browser repeats it, which would skip
  // the second title or type a letter twice. Repeats stop here, before the game's listener.
  window.addEventListener('keydown', (event) => {
    if (event.repeat) {
      event.preventDefault();
      event.stopPropagation();
    }
  }, true);

  // Full screen where the browser has it, from the button (a gesture, as browsers require).
  if (document.fullscreenEnabled) {
    fullscreen.hidden = false;
    fullscreen.addEventListener('click', () => {
      if (document.fullscreenElement) {
        document.exitFullscreen();
      } else {
        root.requestFullscreen({ navigationUI: 'hide' }).catch((error) =>
          say('Full screen was refused: ' + error.message));
      }
    });
    document.addEventListener('fullscreenchange', () => {
      fullscreen.textContent = document.fullscreenElement ? 'Leave full screen' : 'Full screen';
      fitCanvas();
      canvas.focus();
    });
  }

  // The game pauses a round by itself when the page is put away; the page says so.
  document.addEventListener('visibilitychange', () => {
    if (document.hidden) {
      say('Paused while the page was away.');
    } else if (started) {
      say('Paused while the page was away: P, Space or a steering key goes on with a round.');
    }
  });

  window.addEventListener('resize', fitCanvas);
  canvas.addEventListener('mousedown', () => canvas.focus());
  canvas.addEventListener('blur', () => {
    if (started && !document.hidden) {
      say('Click the game to play.');
    }
  });
  canvas.addEventListener('focus', () => {
    if (started && !document.hidden) {
      say('');
    }
  });
  fitCanvas();

  // The site stays on the device for offline play (where the browser allows service workers).
  // Every visit asks whether a new release came, which the next visit then loads. Keeping the
  // site fetches all of it once more, so it waits until the game has drawn its first screen.
  function keepForOffline() {
    if ('serviceWorker' in navigator) {
      navigator.serviceWorker.register('quaro-sw.js').then(
        // Offline the question fails, and nothing changes.
        (registration) => registration.update().catch(() => {}),
        (error) => console.warn('The game cannot be kept for offline play: ' + error.message));
    }
  }

  const endListeners = [];
  let lastError = ''; // what the game last said on its error output
  window.quaroPage = {
    canvas: canvas,
    say: say,
    pressKey: pressKey,
    pressMouse: pressMouse,
    fitCanvas: fitCanvas,
    // listener(byTouch) once the player started the game.
    onStart: (listener) => startListeners.push(listener),
    // listener(status, lastError) when the game has ended with its exit status.
    onEnd: (listener) => endListeners.push(listener),
    isStarted: () => started,
  };

  window.Module = {
    canvas: canvas,
    // Keys reach the game only while the canvas has the focus, so the page keeps its own.
    keyboardListeningElement: canvas,
    arguments: [],
    print: (text) => console.log(text),
    printErr: (text) => {
      lastError = text;
      console.warn(text);
    },
    // The loader's last word comes on a timer, which a start from a key may come before.
    setStatus: (text) => {
      if (!started) {
        say(text);
      }
    },
    // The game starts loading its pictures first: showing the start screen lays out the page.
    onRuntimeInitialized: () => setTimeout(offerStart),
    // Called by web/quaro-screen.js when the game first shows a frame.
    onFirstFrame: () => setTimeout(keepForOffline),
    // Called when the game itself exits (web/quaro-runtime.js tells a wait from an exit).
    quit: (status) => {
      say('The game has ended. Reload the page to play again.');
      ended = true;
      endListeners.forEach((listener) => listener(status, lastError));
    },
    onAbort: (reason) => say('The game stopped: ' + reason),
  };
})();
