// The browser build on the devices it meets beside a desktop's keyboard, in headless Chromium:
// a 390 x 844 phone page played by touch (the start screen, one tap per title, a round steered
// with the touch pad, paused and left with the touch buttons), a gamepad connected in the middle
// of the session (the Gamepad API stubbed in the page), the page put away, and a 1920 x 1080
// window that shows the game twice as large and goes full screen. With SHOTS_DIR set it keeps
// screenshots of the phone page, its landscape form and the full screen there.
// Usage: node browserDevices.js SITE_DIR ASSET_DIR   (NODE_PATH must find puppeteer-core)
'use strict';

const path = require('path');
const web = require('./browserHarness');

const [siteDir, assetDir] = process.argv.slice(2);
const shotsDir = process.env.SHOTS_DIR;
const picture = (name) => web.readBmp(path.join(assetDir, 'GFX', 'Misc', `${name}.bmp`));
const title1 = picture('StartScreen_01');
const title2 = picture('StartScreen_02');
const menu = picture('StartScreen_03');
const maze = picture('Level_Map');

const phone = { width: 390, height: 844, hasTouch: true, isMobile: true, deviceScaleFactor: 1 };
const phoneTurned = { ...phone, width: 844, height: 390 };
const desktop = { width: 1920, height: 1080 };
// Long enough for the game to have acted on a tap: it looks for events every 15 ms.
const settleMs = 500;

const wallCorner = { x: 0, y: 0, width: 40, height: 40 };
const heroStart = { x: 360, y: 120, width: 40, height: 40 };
const leftOfStart = { x: 280, y: 120, width: 80, height: 40 };
const startButton = { x: 125, y: 345 };
const pauseFrame = { x: 306, y: 205 }; // on the top edge of the pause box's frame
const pauseFrameColour = [232, 200, 120];


const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function shoot(page, name) {
  if (shotsDir) {
    await page.screenshot({ path: path.join(shotsDir, name) });
  }
}

const isHidden = (page, id) => web.pageValue(page, (which) =>
  getComputedStyle(document.getElementById(which)).display === 'none' ||
  document.getElementById(which).hidden, id);

function waitForRound(page) {
  return web.waitFor('the maze', async () => {
    const shown = await web.canvasPixels(page);
    return web.pixelsDiffering(shown, maze, wallCorner) === 0 &&
           web.pixelsDiffering(shown, maze, heroStart) > 0 ? shown : null;
  });
}

function waitForHeroLeft(page, roundStart) {
  return web.waitFor('the hero to walk left', async () => {
    const shown = await web.canvasPixels(page);
    return web.pixelsDiffering(shown, roundStart, heroStart) > 0 &&
           web.pixelsDiffering(shown, roundStart, leftOfStart) > 0;
  });
}

// A finger held on the element at a share (fx, fy) of its box, then lifted.
async function holdTouch(page, selector, fx, fy, ms) {
  const box = await (await page.$(selector)).boundingBox();
  await page.touchscreen.touchStart(box.x + fx * box.width, box.y + fy * box.height);
  await sleep(ms);
  await page.touchscreen.touchEnd();
}

async function tapElement(page, selector) {
  const box = await (await page.$(selector)).boundingBox();
  await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
}

// A pad the page's Gamepad API reports, whose buttons and axes the test sets.
function stubGamepad() {
  const pad = {
    id: 'Test pad', index: 0, connected: true, mapping: 'standard', timestamp: 1,
    axes: [0, 0, 0, 0],
    buttons: Array.from({ length: 16 }, () => ({ pressed: false, touched: false, value: 0 })),
  };
  window.quaroTestPad = pad;
  navigator.getGamepads = () => [pad.connected ? pad : null];
  window.quaroSetPad = (change) => {
    change(pad);
    pad.timestamp += 1;
  };
  const connected = new Event('gamepadconnected');
  connected.gamepad = pad;
  window.dispatchEvent(connected);
}

async function phoneSession(page, url, pass) {
  await page.setViewport(phone);
  await page.goto(url);
  await web.waitFor('the start screen', async () => !(await isHidden(page, 'start')));
  if (!(await isHidden(page, 'touch'))) {
    throw new Error('the touch controls show before any touch');
  }
  await tapElement(page, '#start');
  await web.waitFor('the touch controls', async () => !(await isHidden(page, 'touch')));
  await web.waitForPicture(page, title1, 'the first title');
  pass('a tap on the start screen shows the touch controls and the first title');

  await web.tapGame(page, 400, 300);
  await web.waitForPicture(page, title2, 'the second title after a tap');
  await sleep(settleMs);
  if (web.pixelsDiffering(await web.canvasPixels(page), title2) !== 0) {
    throw new Error('one tap went on past the second title');
  }
  pass('one tap goes on to the second title and no further');

  await web.tapGame(page, 400, 300);
  await web.waitForPicture(page, menu, 'the menu after a tap');
  await sleep(settleMs);
  await web.requireNotEnded(page, 'after the taps through the titles');
  const width = await web.pageValue(
    page, () => document.getElementById('canvas').getBoundingClientRect().width);
  if (width > phone.width || width < phone.width * 0.9) {
    throw new Error(`the canvas is ${width} pixels wide on a ${phone.width}-pixel page`);
  }
  pass('the taps leave the game on the menu, the canvas shrunk to fit the page');

  await web.tapGame(page, startButton.x, startButton.y);
  const roundStart = await waitForRound(page);
  pass('a tap on the menu button starts a round');

  const steering = holdTouch(page, '#pad', 0.1, 0.5, 1500);
  await waitForHeroLeft(page, roundStart);
  await shoot(page, 'phone-390x844-touch.png');
  await steering;
  pass('holding the touch pad to the left walks the hero left');

  await tapElement(page, '#touch-pause');
  await web.waitFor('the pause box', async () => {
    const shown = await web.canvasPixels(page);
    return web.pixelAt(shown, pauseFrame).every((value, i) => value === pauseFrameColour[i]);
  });
  const paused = await web.canvasPixels(page);
  await sleep(settleMs);
  if (web.pixelsDiffering(await web.canvasPixels(page), paused) !== 0) {
    throw new Error('the round goes on behind the pause box');
  }
  pass('the touch pause button pauses the round');

  await tapElement(page, '#touch-escape');
  await web.waitForPicture(page, menu, 'the menu after the touch Escape');
  pass('the touch Escape button leaves the round');

  await page.setViewport(phoneTurned);
  const turned = await web.pageValue(page, () => {
    const rect = document.getElementById('canvas').getBoundingClientRect();
    return { width: rect.width, height: rect.height, bottom: rect.bottom };
  });
  if (turned.bottom > phoneTurned.height || turned.height < phoneTurned.height / 2) {
    throw new Error(`the turned page shows the canvas at ${JSON.stringify(turned)}`);
  }
  await shoot(page, 'phone-844x390-touch.png');
  pass('turned on its side the page fits the canvas again');
  await page.setViewport(phone);

  await web.pageValue(page, stubGamepad);
  await web.waitFor('the touch controls to hide', () => isHidden(page, 'touch'));
  await web.pageValue(page, () => quaroSetPad((pad) => { pad.buttons[0].pressed = true; }));
  const padRound = await waitForRound(page);
  await web.pageValue(page, () => quaroSetPad((pad) => {
    pad.buttons[0].pressed = false;
    pad.axes[0] = -1;
  }));
  await waitForHeroLeft(page, padRound);
  await web.pageValue(page, () => quaroSetPad((pad) => { pad.axes[0] = 0; }));
  pass('a pad connected mid-run hides the touch controls, starts a round and steers');

  await web.pageValue(page, () => {
    Object.defineProperty(document, 'hidden', { value: true, configurable: true });
    Object.defineProperty(document, 'visibilityState', { value: 'hidden', configurable: true });
    document.dispatchEvent(new Event('visibilitychange'));
  });
  await web.waitFor('the pause box', async () => {
    const shown = await web.canvasPixels(page);
    return web.pixelAt(shown, pauseFrame).every((value, i) => value === pauseFrameColour[i]);
  });
  if (!/[Pp]aused/.test(await web.statusText(page))) {
    throw new Error('the page does not say that the game paused');
  }
  pass('putting the page away pauses the round, and the page says so');
  await web.requireNotEnded(page, 'at the end of the touch session');
}

async function desktopSession(page, url, pass) {
  await page.setViewport(desktop);
  await page.goto(url);
  await web.waitFor('the start screen', async () => !(await isHidden(page, 'start')));
  const width = await web.pageValue(
    page, () => document.getElementById('canvas').getBoundingClientRect().width);
  if (width !== 2 * web.gameWidth) {
    throw new Error(`the canvas is ${width} pixels wide in a 1920 x 1080 window`);
  }
  pass('a 1920 x 1080 window shows the game twice as large');

  await page.keyboard.press('Space');
  await web.waitForPicture(page, title1, 'the first title');
  await page.click('#fullscreen');
  await web.waitFor('full screen', () => web.pageValue(page, () =>
    document.fullscreenElement !== null && document.documentElement.classList.contains('full')));
  await web.waitForPicture(page, title1, 'the first title in full screen');
  await shoot(page, 'desktop-1920x1080-fullscreen.png');
  pass('the full-screen button takes the screen, the game alone on it');
}

web.runSessions(siteDir, [phoneSession, desktopSession]);
