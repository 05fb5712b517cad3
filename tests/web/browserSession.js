// The browser build as a player meets it, in headless Chromium: the title drawn exactly behind
// the start screen, whose key starts the sound, a key and a click through the titles, a round
// whose hero walks on held arrow keys, Escape, the table on 'h', the menu's buttons clicked
// through the page's scaling, the table kept in the browser's storage across a reload, the
// daily round's seeds as the desktop's, and the end, which the page announces then and only
// then.
// Usage: node browserSession.js SITE_DIR ASSET_DIR   (NODE_PATH must find puppeteer-core)
'use strict';

const path = require('path');
const web = require('./browserHarness');

const [siteDir, assetDir] = process.argv.slice(2);
const picture = (name) => web.readBmp(path.join(assetDir, 'GFX', 'Misc', `${name}.bmp`));
const title1 = picture('StartScreen_01');
const title2 = picture('StartScreen_02');
const menu = picture('StartScreen_03');
const maze = picture('Level_Map');
const highScores = picture('HighScore');
const credits = picture('Credits');

// A window large enough for twice the game's size, so that clicks go through the scaling.
const viewport = { width: 1700, height: 1250 };
const expectedScale = 2;
// Long enough for the game to have acted on a key: it looks for events every 15 ms.
const repeatSettleMs = 500;

// Places on the game's picture: a wall corner, a brick with a product at the start, the brick
// in front of the gate where the hero starts and the two left of it, the table's first row.
const wallCorner = { x: 0, y: 0, width: 40, height: 40 };
const productBrick = { x: 80, y: 40, width: 40, height: 40 };
const heroStart = { x: 360, y: 120, width: 40, height: 40 };
const leftOfStart = { x: 280, y: 120, width: 80, height: 40 };
const tableTitle = { x: 0, y: 0, width: 760, height: 90 };
const firstRow = { x: 370, y: 103, width: 340, height: 23 };
const startButton = { x: 125, y: 345 };

// The daily round's seeds of the desktop's test (YYYYMMDD * 2654435761 mod 2^32).
const dailySeeds = [
  [2026, 12, 8, 674508248], [2026, 12, 9, 3328944009], [2000, 1, 1, 673718229],
  [2024, 2, 29, 1812638165], [2099, 12, 31, 782418767], [1970, 1, 1, 4126736885],
];

// Records every sound buffer the page starts and whether it holds anything but silence.
function listenToAudio() {
  window.quaroAudio = { contexts: [], buffers: 0, audible: 0 };
  const BrowserContext = window.AudioContext;
  window.AudioContext = class extends BrowserContext {
    constructor(...options) {
      super(...options);
      window.quaroAudio.contexts.push(this);
    }
  };
  const start = AudioBufferSourceNode.prototype.start;
  AudioBufferSourceNode.prototype.start = function (...when) {
    window.quaroAudio.buffers += 1;
    if (this.buffer && this.buffer.getChannelData(0).some((sample) => sample !== 0)) {
      window.quaroAudio.audible += 1;
    }
    return start.apply(this, when);
  };
}

// A table file whose first row is "browser" at 1:23 above nine defaults: thirteen
// little-endian words per row, name bytes stored with the table's offset.
function tableWithBrowserRow() {
  const nameOffset = 0x1f5b;
  const bytes = Buffer.alloc(260);
  for (let row = 0; row < 10; ++row) {
    const name = row === 0 ? 'browser' : 'qwopp';
    for (let i = 0; i < 10; ++i) {
      const code = i < name.length ? name.charCodeAt(i) : 0;
      bytes.writeUInt16LE((code + nameOffset) & 0xffff, 26 * row + 2 * i);
    }
    bytes.writeUInt16LE(row === 0 ? 1 : 10, 26 * row + 22);
    bytes.writeUInt16LE(row === 0 ? 23 : 0, 26 * row + 24);
  }
  return bytes;
}

// The table as the browser's database holds it and as the page's files hold it, as arrays of
// bytes or null. IDBFS keeps each file under its path in the store FILE_DATA of a database
// named after the mount point.
function tableCopies() {
  const file = '/Save/Highscore.hs';
  const inPage = Module.FS.analyzePath(file).exists ? Array.from(Module.FS.readFile(file)) : null;
  return new Promise((resolve) => {
    const opening = indexedDB.open('/Save');
    opening.onerror = () => resolve({ inPage, stored: null });
    opening.onsuccess = () => {
      const database = opening.result;
      if (!database.objectStoreNames.contains('FILE_DATA')) {
        resolve({ inPage, stored: null });
        return;
      }
      const reading = database.transaction('FILE_DATA').objectStore('FILE_DATA').get(file);
      reading.onsuccess = () => {
        const entry = reading.result;
        resolve({ inPage, stored: entry && entry.contents ? Array.from(entry.contents) : null });
      };
      reading.onerror = () => resolve({ inPage, stored: null });
    };
  });
}

// How many pixels show the colour that the keyed pictures leave out.
function keyColoured(shown) {
  let count = 0;
  for (let i = 0; i < shown.rgba.length; i += 4) {
    if (shown.rgba[i] === 220 && shown.rgba[i + 1] === 188 && shown.rgba[i + 2] === 108) {
      ++count;
    }
  }
  return count;
}


async function reachMenu(page) {
  await web.waitForPicture(page, title1, 'the first title');
  await web.startGame(page);
  await web.holdKey(page, 'Space');
  await web.waitForPicture(page, title2, 'the second title');
  await web.clickGame(page, 400, 300);
  await web.waitForPicture(page, menu, 'the menu');
}

async function showTable(page) {
  await web.holdKey(page, 'h');
  return web.waitFor('the table', async () => {
    const shown = await web.canvasPixels(page);
    const drawn = web.pixelsDiffering(shown, highScores, tableTitle) === 0 &&
                  web.pixelsDiffering(shown, highScores, firstRow) > 0;
    return drawn ? shown : null;
  });
}

async function session(page, url, pass) {
  await page.evaluateOnNewDocument(listenToAudio);
  await page.setViewport(viewport);
  await page.goto(url);

  await web.waitForPicture(page, title1, 'the first title');
  pass('the title is drawn pixel for pixel as the generator made it');
  const width = await web.pageValue(
    page, () => document.getElementById('canvas').getBoundingClientRect().width);
  if (width !== expectedScale * web.gameWidth) {
    throw new Error(`the canvas is ${width} pixels wide in a ${viewport.width} window`);
  }
  pass('the page shows the canvas at the largest whole factor that fits');
  const { alpha, desynchronized } = await web.pageValue(
    page, () => document.getElementById('canvas').getContext('2d').getContextAttributes());
  if (alpha || !desynchronized) {
    throw new Error('the game draws on a canvas the browser composites with the whole page');
  }
  pass('the canvas is opaque and desynchronized');
  if (await web.pageValue(page, () => quaroAudio.contexts.some((c) => c.state === 'running'))) {
    throw new Error('the sound runs before any key or click');
  }
  await web.startGame(page);
  await web.waitFor('audible sound in a running audio context', () => web.pageValue(
    page, () => quaroAudio.audible > 0 && quaroAudio.contexts.some((c) => c.state === 'running')));
  if (web.pixelsDiffering(await web.canvasPixels(page), title1) !== 0) {
    throw new Error('the key that started the game went on past the first title');
  }
  pass('the start screen waits for a key, which starts the sound and nothing else');
  const { buffers, audible } = await web.pageValue(
    page, () => ({ buffers: quaroAudio.buffers, audible: quaroAudio.audible }));
  if (buffers !== audible) {
    throw new Error(`${buffers - audible} of ${buffers} buffers the page played were silent`);
  }
  pass('only buffers that hold sound are played');

  await page.keyboard.down('Space');
  await web.waitForPicture(page, title2, 'the second title after a key');
  await page.keyboard.down('Space'); // held: the browser repeats it, the desktop does not
  await page.keyboard.up('Space');
  await new Promise((resolve) => setTimeout(resolve, repeatSettleMs));
  if (web.pixelsDiffering(await web.canvasPixels(page), title2) !== 0) {
    throw new Error('a held key went on past the second title');
  }
  pass('a key goes on to the second title, and holding it goes no further');

  await web.clickGame(page, 400, 300);
  await web.waitForPicture(page, menu, 'the menu after a click');
  pass('a click goes on to the menu');

  await web.holdKey(page, 's');
  const roundStart = await web.waitFor('the maze', async () => {
    const shown = await web.canvasPixels(page);
    const drawn = web.pixelsDiffering(shown, maze, wallCorner) === 0 &&
                  web.pixelsDiffering(shown, maze, productBrick) > 0;
    return drawn ? shown : null;
  });
  if (keyColoured(roundStart) > 0) {
    throw new Error('the figures are drawn with their transparent colour');
  }
  pass('s starts a round in the maze with its products and keyed figures');

  await page.keyboard.down('ArrowLeft');
  await web.waitFor('the hero to walk left', async () => {
    const shown = await web.canvasPixels(page);
    return web.pixelsDiffering(shown, roundStart, heroStart) > 0 &&
           web.pixelsDiffering(shown, roundStart, leftOfStart) > 0;
  });
  await page.keyboard.up('ArrowLeft');
  pass('held arrow keys walk the hero away from where he stood');
  await web.requireNotEnded(page, 'while a round runs');

  await web.holdKey(page, 'Escape');
  await web.waitForPicture(page, menu, 'the menu after Escape');
  pass('Escape returns to the menu');

  const defaultTable = await showTable(page);
  pass('h shows the table');

  await web.clickGame(page, startButton.x, startButton.y);
  await web.waitFor('a round started by a click', async () =>
    web.pixelsDiffering(await web.canvasPixels(page), maze, wallCorner) === 0);
  await web.holdKey(page, 'Escape');
  await web.waitForPicture(page, menu, 'the menu after the clicked round');
  pass('a click on a menu button finds it through the scaling');

  // The game writes a missing table when it first shows it, and copies what it wrote to the
  // browser's database at once.
  await web.pageValue(page, () => Module.FS.unlink('/Save/Highscore.hs'));
  await showTable(page);
  await web.waitFor('the table as the game wrote it in the browser database', async () => {
    const { inPage, stored } = await web.pageValue(page, tableCopies);
    return inPage && stored && inPage.length === 260 &&
           Buffer.from(stored).equals(Buffer.from(inPage));
  }, 10000);
  pass('the game copies the table it writes to the browser database');

  // A table with a row of its own, as a record leaves it, is still there after a reload.
  const table = tableWithBrowserRow();
  await web.pageValue(page, (bytes) => new Promise((done) => {
    Module.FS.writeFile('/Save/Highscore.hs', new Uint8Array(bytes));
    Module.FS.syncfs(false, () => done(true));
  }), Array.from(table));
  await page.reload();
  await reachMenu(page);
  const reloaded = await showTable(page);
  if (web.pixelsDiffering(reloaded, defaultTable, firstRow) === 0) {
    throw new Error('after a reload the table lost the row written before it');
  }
  pass('after a reload the table still holds the row written before it');

  const seeds = await web.pageValue(page, (days) => days.map(
    ([year, month, day]) => Module._quaroDailySeed(year, month, day) >>> 0), dailySeeds);
  dailySeeds.forEach(([year, month, day, seed], i) => {
    if (seeds[i] !== seed) {
      throw new Error(`the daily round of ${year}-${month}-${day} has the seed ${seeds[i]}, ` +
                      `not ${seed}`);
    }
  });
  pass('the daily round of each date has the desktop\'s seed');

  await web.holdKey(page, 'q');
  await web.waitForPicture(page, credits, 'the credits');
  await web.waitFor('the page to say that the game ended', () => web.pageValue(
    page, () => document.getElementById('status').textContent.includes('ended')));
  pass('q shows the credits, then the page says that the game has ended');
}

web.runSessions(siteDir, [session]);
