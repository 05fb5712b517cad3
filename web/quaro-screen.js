// The screen of the browser's SDL layer, changed so that a frame costs the page only what it
// drew. The layer draws straight onto the page's canvas, and the browser then takes the whole
// canvas for changed in every frame, whatever the game drew. Here the game draws on a canvas
// of its own, off the page, and SDL_UpdateRect(s) copies just the rectangles the game shows
// to the page's canvas, as the desktop's SDL shows just those on the screen.
mergeInto(LibraryManager.library, {
  $quaroScreen__deps: ['$SDL'],
  $quaroScreen: {
    // The page's drawing context of the screen surface, whose own canvas is moved off the page
    // at its first update (SDL_SetVideoMode makes a new screen surface on the page's canvas).
    pageContext: function (surface) {
      var data = SDL.surfaces[surface];
      if (!data.pageContext) {
        var offPage = document.createElement('canvas');
        offPage.width = data.width;
        offPage.height = data.height;
        var context = offPage.getContext('2d', { alpha: false });
        context.drawImage(data.canvas, 0, 0);
        data.pageContext = data.ctx;
        data.canvas = offPage;
        data.ctx = context;
      }
      return data.pageContext;
    },
    // The game draws its frames in pairs a few milliseconds apart (the second one starts at
    // once when the first waited), and each copy to the page costs the browser a composited
    // frame of its own. Rectangles are therefore held this long and copied to the page
    // together, from the game's canvas as it is then, so that a pair costs one.
    holdMs: 12,
    held: [],
    heldSurface: 0,
    show: function (surface, x, y, w, h) {
      var data = SDL.surfaces[surface];
      if (w === 0 && h === 0 && x === 0 && y === 0) {
        w = data.width;
        h = data.height;
      }
      if (w <= 0 || h <= 0) {
        return;
      }
      quaroScreen.pageContext(surface); // from now on, the game draws off the page
      if (surface !== quaroScreen.heldSurface) {
        quaroScreen.held = []; // what an earlier screen showed is replaced
        quaroScreen.heldSurface = surface;
      }
      if (quaroScreen.held.length === 0) {
        setTimeout(quaroScreen.copyHeld, quaroScreen.holdMs);
      }
      quaroScreen.held.push([x, y, w, h]);
    },
    copyHeld: function () {
      var held = quaroScreen.held;
      quaroScreen.held = [];
      var data = SDL.surfaces[quaroScreen.heldSurface];
      if (!data || held.length === 0) {
        return; // the screen was replaced meanwhile, and the new one is shown on its own
      }
      var page = quaroScreen.pageContext(quaroScreen.heldSurface);
      held.forEach(function (rect) {
        page.drawImage(data.canvas, rect[0], rect[1], rect[2], rect[3],
                       rect[0], rect[1], rect[2], rect[3]);
      });
      if (!quaroScreen.shownOnce && Module['onFirstFrame']) {
        quaroScreen.shownOnce = true;
        Module['onFirstFrame']();
      }
    },
    shownOnce: false,
  },

  SDL_UpdateRect__deps: ['$quaroScreen'],
  SDL_UpdateRect: function (surface, x, y, w, h) {
    quaroScreen.show(surface, x, y, w, h);
  },

  SDL_UpdateRects__deps: ['$quaroScreen'],
  SDL_UpdateRects: function (surface, count, rects) {
    for (var i = 0; i < count; ++i) {
      var rect = SDL.loadRect(rects + i * {{{ C_STRUCTS.SDL_Rect.__size__ }}});
      quaroScreen.show(surface, rect.x, rect.y, rect.w, rect.h);
    }
  },

  SDL_Flip__deps: ['$quaroScreen'],
  SDL_Flip: function (surface) {
    quaroScreen.show(surface, 0, 0, 0, 0);
    return 0;
  },
});
