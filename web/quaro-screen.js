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
    show: function (surface, x, y, w, h) {
      var data = SDL.surfaces[surface];
      var page = quaroScreen.pageContext(surface);
      if (w === 0 && h === 0 && x === 0 && y === 0) {
        w = data.width;
        h = data.height;
      }
      if (w > 0 && h > 0) {
        page.drawImage(data.canvas, x, y, w, h, x, y, w, h);
        if (!quaroScreen.shownOnce && Module['onFirstFrame']) {
          quaroScreen.shownOnce = true;
          Module['onFirstFrame']();
        }
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
