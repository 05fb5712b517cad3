// Shared steps of the browser test and the browser figures: the site on a local static server,
// headless Chromium driven through puppeteer-core, the canvas read back as pixels, and the
// game's BMP pictures read the same way, so that what the page shows can be compared with
// what the generator drew. Everything started here is stopped by its process id.
'use strict';

const { spawn } = require('child_process');
const fs = require('fs');
const puppeteer = require('puppeteer-core');

const chromium = process.env.QUARO_CHROMIUM || '/usr/bin/chromium';
const gameWidth = 760;
const gameHeight = 520;
const pollMs = 50;

// Python's static server on a free port of 127.0.0.1: resolves to { process, url }.
function serveSite(siteDir) {
  return new Promise((resolve, reject) => {
    const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1',
                                     '--directory', siteDir],
                         { stdio: ['ignore', 'pipe', 'ignore'] });
    let said = '';
    server.stdout.on('data', (chunk) => {
      said += chunk;
      const port = /port (\d+)/.exec(said);
      if (port) {
        resolve({ process: server, url: `http://127.0.0.1:${port[1]}/` });
      }
    });
    server.on('exit', (code) => reject(new Error(`the web server ended (${code})`)));
  });
}

// Headless Chromium on a profile of its own, which lives as long as the browser.
function launchBrowser() {
  return puppeteer.launch({
    executablePath: chromium,
    headless: true,
    args: ['--no-sandbox', '--mute-audio'],
  });
}

// Ends a process that may still run, and does not wait for it.
function stop(child) {
  if (child && child.pid && child.exitCode === null && child.signalCode === null) {
    try {
      process.kill(child.pid, 'SIGKILL');
    } catch (error) {
      if (error.code !== 'ESRCH') {
        throw error;
      }
    }
  }
}

// Resolves when check() gives a truthy value (which it resolves to); rejects after timeoutMs
// with a message that names what was awaited.
async function waitFor(what, check, timeoutMs = 20000) {
  const end = Date.now() + timeoutMs;
  for (;;) {
    const value = await check();
    if (value) {
      return value;
    }
    if (Date.now() > end) {
      throw new Error(`timed out waiting for ${what}`);
    }
    await new Promise((resolve) => setTimeout(resolve, pollMs));
  }
}

// The value of fn(...args) run in the page. Unlike puppeteer's evaluate, which acts as a user
// gesture and so lets the page start its sound at once, this leaves the page as a player
// would until the player's first key or click.
async function pageValue(page, fn, ...args) {
  if (!page.quietSession) {
    page.quietSession = await page.createCDPSession();
  }
  const { result, exceptionDetails } = await page.quietSession.send('Runtime.evaluate', {
    expression: `(${fn})(...${JSON.stringify(args)})`,
    returnByValue: true,
    awaitPromise: true,
    userGesture: false,
  });
  if (exceptionDetails) {
    throw new Error(`the page failed: ${exceptionDetails.exception?.description ??
                                         exceptionDetails.text}`);
  }
  return result.value;
}

// A picture as { width, height, rgba }, rgba a Buffer of four bytes per pixel.
async function canvasPixels(page) {
  const base64 = await pageValue(page, () => {
    const canvas = document.getElementById('canvas');
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let text = '';
    for (let i = 0; i < data.length; i += 0x8000) {
      text += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
    }
    return btoa(text);
  });
  return { width: gameWidth, height: gameHeight, rgba: Buffer.from(base64, 'base64') };
}

// The generator's pictures: uncompressed 24-bit BMPs, bottom row first.
function readBmp(file) {
  return bmpPixels(fs.readFileSync(file), file);
}

// The pixels of an uncompressed BMP of 24 or 32 bits, its rows stored from the bottom or from
// the top.
function bmpPixels(bytes, name = 'the picture') {
  const width = bytes.readInt32LE(18);
  const storedHeight = bytes.readInt32LE(22);
  const height = Math.abs(storedHeight);
  const bytesPerPixel = bytes.readUInt16LE(28) / 8;
  if ((bytesPerPixel !== 3 && bytesPerPixel !== 4) || bytes.readUInt32LE(30) !== 0) {
    throw new Error(`${name} is not an uncompressed 24- or 32-bit BMP`);
  }
  const stride = Math.ceil((width * bytesPerPixel) / 4) * 4;
  const rgba = Buffer.alloc(width * height * 4);
  for (let y = 0; y < height; ++y) {
    const row = bytes.readUInt32LE(10) + (storedHeight > 0 ? height - 1 - y : y) * stride;
    for (let x = 0; x < width; ++x) {
      const from = row + bytesPerPixel * x;
      const to = 4 * (y * width + x);
      rgba[to] = bytes[from + 2];
      rgba[to + 1] = bytes[from + 1];
      rgba[to + 2] = bytes[from];
      rgba[to + 3] = 255;
    }
  }
  return { width, height, rgba };
}

// How many pixels of the area { x, y, width, height } differ in colour between a and b.
function pixelsDiffering(a, b, area = { x: 0, y: 0, width: gameWidth, height: gameHeight }) {
  let count = 0;
  for (let y = area.y; y < area.y + area.height; ++y) {
    for (let x = area.x; x < area.x + area.width; ++x) {
      const i = 4 * (y * a.width + x);
      const j = 4 * (y * b.width + x);
      if (a.rgba[i] !== b.rgba[j] || a.rgba[i + 1] !== b.rgba[j + 1] ||
          a.rgba[i + 2] !== b.rgba[j + 2]) {
        ++count;
      }
    }
  }
  return count;
}

// Resolves once the canvas shows exactly the picture, to the canvas's pixels.
function waitForPicture(page, picture, what) {
  return waitFor(what, async () => {
    const shown = await canvasPixels(page);
    return pixelsDiffering(shown, picture) === 0 ? shown : null;
  });
}

// A key held the way a player holds it: the game reads the keys held at each frame.
async function holdKey(page, key, ms = 150) {
  await page.keyboard.down(key);
  await new Promise((resolve) => setTimeout(resolve, ms));
  await page.keyboard.up(key);
}

// The page point that shows a point of the game's picture, wherever and however large.
async function pagePoint(page, x, y) {
  const box = await pageValue(page, () => {
    const rect = document.getElementById('canvas').getBoundingClientRect();
    return { left: rect.left, top: rect.top, width: rect.width };
  });
  const scale = box.width / gameWidth;
  return { x: box.left + (x + 0.5) * scale, y: box.top + (y + 0.5) * scale };
}

// A left click at a point of the game's picture.
async function clickGame(page, x, y) {
  const point = await pagePoint(page, x, y);
  await page.mouse.click(point.x, point.y);
}

// A tap of one finger at a point of the game's picture.
async function tapGame(page, x, y) {
  const point = await pagePoint(page, x, y);
  await page.touchscreen.tap(point.x, point.y);
}

// The red, green and blue of a point of a picture.
function pixelAt(shown, point) {
  const i = 4 * (point.y * shown.width + point.x);
  return [shown.rgba[i], shown.rgba[i + 1], shown.rgba[i + 2]];
}

// Presses a key on the start screen, which starts the game (and its sound).
async function startGame(page) {
  await waitFor('the start screen', () => pageValue(page, () => {
    const start = document.getElementById('start');
    return start !== null && !start.hidden;
  }));
  await holdKey(page, 'Space');
  await waitFor('the start screen to go', () => pageValue(
    page, () => document.getElementById('start').hidden));
}

function statusText(page) {
  return pageValue(page, () => document.getElementById('status').textContent);
}

// Fails when the page says that the game has ended.
async function requireNotEnded(page, when) {
  const text = await statusText(page);
  if (/ended/.test(text)) {
    throw new Error(`the page says "${text}" ${when}`);
  }
}

// Runs the sessions one after the other, each in a fresh profile of one headless Chromium, on
// the site served locally: session(page, url, pass, browser) calls pass(name) for every check
// that passed and throws at the first that fails. Prints TAP lines, then exits with the status.
async function runSessions(siteDir, sessions, wholeRunMs = 240000) {
  let server = null;
  let browser = null;
  let passed = 0;
  const pass = (name) => console.log(`ok ${++passed} - ${name}`);
  const stopAll = () => {
    stop(browser && browser.process());
    stop(server && server.process);
  };
  const watchdog = setTimeout(() => {
    console.log('# the session took too long');
    stopAll();
    process.exit(1);
  }, wholeRunMs);
  let failure = null;
  try {
    server = await serveSite(siteDir);
    browser = await launchBrowser();
    for (const session of sessions) {
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      page.on('pageerror', (error) => console.log(`# page error: ${error.message}`));
      await session(page, server.url, pass, browser);
      await context.close();
    }
    await browser.close();
  } catch (error) {
    failure = error;
    console.log(`not ok ${passed + 1} - ${error.message}`);
  } finally {
    clearTimeout(watchdog);
    stopAll();
  }
  console.log(`${passed} passed, ${failure ? 1 : 0} failed`);
  process.exit(failure ? 1 : 0);
}

module.exports = {
  startGame, statusText, requireNotEnded, runSessions,
  gameWidth, gameHeight, serveSite, launchBrowser, stop, waitFor, pageValue, canvasPixels, readBmp,
  pixelsDiffering, waitForPicture, holdKey, clickGame, tapGame, pixelAt,
};
