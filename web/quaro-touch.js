// Play by touch: on the first touch the page shows a translucent directional pad at the
// bottom left (over the canvas's corner where the window is wide, below it where it is tall)
// and buttons for pause and Escape at the bottom right. Holding the pad holds the arrow key
// of the direction under the finger, as a held key steers; a finger on the canvas is the left
// button held there, through the page's scaling, so that a tap is one click. The browser's own handling of touches
// (scrolling, zooming, selecting, the mouse events it makes up after a touch) never reaches the
// game. While a gamepad is connected the touch controls hide.
'use strict';

(function () {
  const page = window.quaroPage;
  const controls = document.getElementById('touch');
  const pad = document.getElementById('pad');
  // Within this share of the pad's radius from its centre a finger steers nowhere.
  const padDeadZone = 0.2;

  let touched = false;
  let padsConnected = 0;
  function showControls() {
    controls.hidden = !touched || padsConnected > 0;
    document.documentElement.classList.toggle('touch', touched);
    page.fitCanvas();
  }

  // The arrow key of the direction from the pad's centre to the point, or none near it.
  function directionAt(clientX, clientY) {
    const box = pad.getBoundingClientRect();
    const dx = clientX - (box.left + box.width / 2);
    const dy = clientY - (box.top + box.height / 2);
    if (Math.hypot(dx, dy) < padDeadZone * box.width / 2) {
      return null;
    }
    if (Math.abs(dx) > Math.abs(dy)) {
      return dx < 0 ? 'ArrowLeft' : 'ArrowRight';
    }
    return dy < 0 ? 'ArrowUp' : 'ArrowDown';
  }

  let held = null; // the arrow key the pad holds
  function hold(key) {
    if (key === held) {
      return;
    }
    if (held) {
      page.pressKey(held, false);
    }
    held = key;
    if (held) {
      page.pressKey(held, true);
    }
    pad.dataset.held = held || '';
  }

  // The finger on the pad: the first one that touched it steers until it is lifted.
  let padFinger = null;
  function padTouch(event) {
    event.preventDefault();
    for (const touch of event.changedTouches) {
      if (event.type === 'touchstart' && padFinger === null) {
        padFinger = touch.identifier;
      }
      if (touch.identifier !== padFinger) {
        continue;
      }
      if (event.type === 'touchend' || event.type === 'touchcancel') {
        padFinger = null;
        hold(null);
      } else {
        hold(directionAt(touch.clientX, touch.clientY));
      }
    }
  }
  for (const type of ['touchstart', 'touchmove', 'touchend', 'touchcancel']) {
    pad.addEventListener(type, padTouch, { passive: false });
  }

  // Pause and Escape: the key goes down with the finger and up when it is lifted.
  for (const button of document.querySelectorAll('#touch-keys button')) {
    const key = button.dataset.key;
    button.addEventListener('touchstart', (event) => {
      event.preventDefault();
      page.pressKey(key, true);
    }, { passive: false });
    for (const type of ['touchend', 'touchcancel']) {
      button.addEventListener(type, (event) => {
        event.preventDefault();
        page.pressKey(key, false);
      }, { passive: false });
    }
  }

  // The canvas: the game's layer would turn each touch into a mouse press and a finger event
  // both, which a title screen takes for two presses; the page makes the first finger on the
  // canvas the left button, pressed where it touched and released when it is lifted.
  let canvasFinger = null;
  function canvasTouch(event) {
    event.preventDefault();
    event.stopImmediatePropagation();
    for (const touch of event.changedTouches) {
      if (event.type === 'touchstart' && canvasFinger === null) {
        canvasFinger = touch.identifier;
        page.pressMouse(touch.clientX, touch.clientY, true);
      } else if (touch.identifier === canvasFinger && event.type !== 'touchmove') {
        canvasFinger = null;
        page.pressMouse(touch.clientX, touch.clientY, false);
      }
    }
  }
  // Captured on the window, so that they end here before the game's listeners on the canvas.
  for (const type of ['touchstart', 'touchmove', 'touchend', 'touchcancel']) {
    window.addEventListener(type, (event) => {
      if (event.target === page.canvas) {
        canvasTouch(event);
      }
    }, { capture: true, passive: false });
  }

  window.addEventListener('touchstart', () => {
    if (!touched) {
      touched = true;
      showControls();
    }
  }, { capture: true, passive: true });

  // Gamepads: the touch controls give way while one is connected.
  window.addEventListener('gamepadconnected', () => {
    padsConnected += 1;
    showControls();
  });
  window.addEventListener('gamepaddisconnected', () => {
    padsConnected = Math.max(0, padsConnected - 1);
    showControls();
  });
})();
