// What the browser build keeps and carries, in headless Chromium: the pictures it decodes equal
// the desktop's BMPs pixel for pixel and its sounds the desktop's WAVs within the codec's error,
// and the game starts before they are decoded, waiting for each it loads;
// a second visit loads with the network off, and a new release replaces what the first kept;
// the table, its runs and the settings, exported, come back in a
// fresh profile through an import, and a damaged file is refused with nothing changed; a link
// carrying a run plays it. With SHOTS_DIR set it keeps a screenshot of the offline reload.
// Usage: node browserData.js SITE_DIR ASSET_DIR   (NODE_PATH must find puppeteer-core)
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const web = require('./browserHarness');

const [siteDir, assetDir] = process.argv.slice(2);
const shotsDir = process.env.SHOTS_DIR;
const title1 = web.readBmp(path.join(assetDir, 'GFX', 'Misc', 'StartScreen_01.bmp'));
const maze = web.readBmp(path.join(assetDir, 'GFX', 'Misc', 'Level_Map.bmp'));
const demoRun = fs.readFileSync(path.join(assetDir, 'RUN', 'Demo.run'));
// A brick of the left wall, (0, 6): the maze's while a run plays, whose plates are in the top wall.
const leftWall = { x: 0, y: 240, width: 40, height: 40 };
const heroStart = { x: 360, y: 120, width: 40, height: 40 };
// Vorbis keeps every sound this close to its WAV: the error's power at most this share of
// the sound's power (about 20 dB below it).
const largestErrorShare = 0.05;


function filesUnder(folder, extension) {
  return fs.readdirSync(folder, { recursive: true }).filter((name) => name.endsWith(extension));
}

// The file as the page's file system holds it, as a Buffer.
async function pageFile(page, file) {
  const base64 = await web.pageValue(page, (name) => {
    const bytes = Module.FS.readFile(name);
    let text = '';
    for (let i = 0; i < bytes.length; i += 0x8000) {
      text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
    }
    return btoa(text);
  }, file);
  return Buffer.from(base64, 'base64');
}

// The pixels the page decoded for a picture of the game, as { width, height, rgba }.
async function decodedPicture(page, file) {
  const { width, height, base64 } = await web.pageValue(page, (name) => {
    const pixels = Module.decodedPicture(name);
    let text = '';
    for (let i = 0; i < pixels.data.length; i += 0x8000) {
      text += String.fromCharCode.apply(null, pixels.data.subarray(i, i + 0x8000));
    }
    return { width: pixels.width, height: pixels.height, base64: btoa(text) };
  }, file);
  return { width, height, rgba: Buffer.from(base64, 'base64') };
}

// The samples of a 16-bit PCM WAV whose format chunk comes first, as the generator writes it.
function wavSamples(bytes) {
  const channels = bytes.readUInt16LE(22);
  const rate = bytes.readUInt32LE(24);
  const count = bytes.readUInt32LE(40) / 2;
  const samples = new Int16Array(count);
  for (let i = 0; i < count; ++i) {
    samples[i] = bytes.readInt16LE(44 + 2 * i);
  }
  return { channels, rate, samples };
}

async function decodedMedia(page, url, pass) {
  await page.goto(url);
  await web.waitForPicture(page, title1, 'the first title');
  for (const name of filesUnder(path.join(assetDir, 'GFX'), '.bmp')) {
    const desktop = web.readBmp(path.join(assetDir, 'GFX', name));
    const decoded = await decodedPicture(page, `/GFX/${name}`);
    if (decoded.width !== desktop.width || decoded.height !== desktop.height ||
        web.pixelsDiffering(decoded, desktop,
                            { x: 0, y: 0, width: desktop.width, height: desktop.height }) !== 0) {
      throw new Error(`the page decodes GFX/${name} to other pixels than the desktop's`);
    }
  }
  pass('every picture the page decodes equals the desktop\'s BMP pixel for pixel');
  const names = ['/GFX/Misc/Level_Map.bmp', 'GFX/Misc/Level_Map.bmp', './GFX/Misc/Level_Map.bmp',
                 '/GFX/./Misc//Level_Map.bmp'];
  if (!(await web.pageValue(page, (list) => list.every((name) => Module.decoded(name) &&
      Module.decoded(name) === Module.decoded(list[0])), names))) {
    throw new Error(`the page does not find one decoded picture under all of ${names.join(', ')}`);
  }
  pass('the game finds a decoded picture by any name of its file');

  for (const name of filesUnder(path.join(assetDir, 'SFX'), '.wav')) {
    const desktop = wavSamples(fs.readFileSync(path.join(assetDir, 'SFX', name)));
    const decoded = await web.pageValue(page, (file) => {
      const sound = Module.decoded(file);
      return { channels: sound.channels, rate: sound.rate, samples: Array.from(sound.samples) };
    }, `/SFX/${name}`);
    if (decoded.rate !== desktop.rate || decoded.channels !== desktop.channels ||
        decoded.samples.length !== desktop.samples.length) {
      throw new Error(`SFX/${name} decodes to ${decoded.samples.length} samples at ` +
                      `${decoded.rate} Hz, not ${desktop.samples.length} at ${desktop.rate} Hz`);
    }
    let signal = 0;
    let error = 0;
    desktop.samples.forEach((sample, i) => {
      signal += sample * sample;
      error += (decoded.samples[i] - sample) ** 2;
    });
    if (error > largestErrorShare * signal) {
      throw new Error(`SFX/${name} decodes with an error of ${(100 * error / signal).toFixed(2)}% ` +
                      'of its power');
    }
  }
  pass('every sound the page decodes has the desktop\'s rate and length, within the codec\'s error');
}

// Holds back every decoded picture and sound until the page calls releaseDecoding().
function holdDecoding() {
  let release;
  const released = new Promise((resolve) => { release = resolve; });
  window.releaseDecoding = release;
  const later = (decoding) => decoding.then((value) => released.then(() => value));
  const decodeBitmap = window.createImageBitmap;
  window.createImageBitmap = (...what) => later(decodeBitmap(...what));
  const decodeAudio = BaseAudioContext.prototype.decodeAudioData;
  BaseAudioContext.prototype.decodeAudioData = function (...what) {
    return later(decodeAudio.apply(this, what));
  };
}

async function decodedLate(page, url, pass) {
  await page.evaluateOnNewDocument(holdDecoding);
  await page.goto(url);
  await web.waitFor('the game to start', () => web.pageValue(page, () => Module.calledRun));
  if (web.pixelsDiffering(await web.canvasPixels(page), title1) === 0) {
    throw new Error('the title was drawn before its picture was decoded');
  }
  await web.pageValue(page, () => window.releaseDecoding() || true);
  await web.waitForPicture(page, title1, 'the first title once the pictures are decoded');
  pass('the game starts while its pictures and sounds decode, and waits for those it needs');
}

async function offlineReload(page, url, pass) {
  await page.goto(url);
  await web.waitFor('the service worker to keep the site', () => web.pageValue(page, async () => {
    const registration = await navigator.serviceWorker.ready;
    const names = await caches.keys();
    return registration.active !== null && names.length === 1 &&
           (await (await caches.open(names[0])).keys()).length >= 10;
  }));
  await page.setOfflineMode(true);
  await page.reload();
  await web.waitForPicture(page, title1, 'the first title offline');
  await web.startGame(page);
  await web.waitFor('the start screen to go', () => web.pageValue(
    page, () => document.getElementById('start').hidden));
  if (shotsDir) {
    await page.screenshot({ path: path.join(shotsDir, 'offline-reload.png') });
  }
  await page.setOfflineMode(false);
  pass('with the network off a second visit still shows the title');
}

// A copy of the site whose service worker is then changed, as a new release changes it.
async function newRelease(page, url, pass) {
  const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'quaro-site-'));
  fs.cpSync(siteDir, copy, { recursive: true });
  const server = await web.serveSite(copy);
  try {
    const cacheNames = () => web.pageValue(page, () => caches.keys());
    await page.goto(server.url);
    const [first] = await web.waitFor('the first release kept', async () => {
      const names = await cacheNames();
      return names.length === 1 && names;
    });
    const worker = path.join(copy, 'quaro-sw.js');
    fs.writeFileSync(worker, fs.readFileSync(worker, 'utf8').replace(first, `${first}-next`));
    await page.reload();
    await web.waitFor('the cache of the new release alone', async () => {
      const names = await cacheNames();
      return names.length === 1 && names[0] === `${first}-next`;
    });
  } finally {
    web.stop(server.process);
    fs.rmSync(copy, { recursive: true, force: true });
  }
  pass('a new release replaces the cache of the one before');
}

// A table whose first row is the demonstration run's name and time, and that run beside it.
function savedGames() {
  const nameLength = demoRun[18];
  const name = demoRun.subarray(19, 19 + nameLength).toString('latin1');
  const table = Buffer.alloc(260);
  for (let row = 0; row < 10; ++row) {
    const rowName = row === 0 ? name : 'qwopp';
    for (let i = 0; i < 10; ++i) {
      const code = i < rowName.length ? rowName.charCodeAt(i) : 0;
      table.writeUInt16LE((code + 0x1f5b) & 0xffff, 26 * row + 2 * i);
    }
    table.writeUInt16LE(row === 0 ? demoRun[16] : 59, 26 * row + 22);
    table.writeUInt16LE(row === 0 ? demoRun[17] : 0, 26 * row + 24);
  }
  return { table, run: demoRun };
}

const settingsText = '[keys]\nleft=J\n';

async function exportSaves(page, url, pass, browser, downloads) {
  const { table, run } = savedGames();
  await page.goto(url);
  await web.startGame(page);
  await web.waitForPicture(page, title1, 'the first title');
  await web.pageValue(page, (tableBytes, runBytes, settingsText) => {
    Module.FS.writeFile('/Save/Highscore.hs', new Uint8Array(tableBytes));
    Module.FS.mkdirTree('/Save/Replays');
    Module.FS.writeFile('/Save/Replays/demo.run', new Uint8Array(runBytes));
    Module.FS.writeFile('/Save/quaro.ini', settingsText);
    return true;
  }, Array.from(table), Array.from(run), settingsText);
  const session = await browser.target().createCDPSession();
  await session.send('Browser.setDownloadBehavior', {
    behavior: 'allow', downloadPath: downloads, browserContextId: page.browserContext().id,
  });
  await page.click('#export');
  const file = path.join(downloads, 'quaro-saves.qsav');
  await web.waitFor('the exported file', () => fs.existsSync(file) && fs.statSync(file).size > 0);
  return file;
}

async function importSaves(page, url, pass, file) {
  const { table, run } = savedGames();
  await page.goto(url);
  await web.startGame(page);
  await web.waitForPicture(page, title1, 'the first title');
  const damaged = `${file}.damaged.qsav`;
  const bytes = fs.readFileSync(file);
  bytes[bytes.length - 10] ^= 0xff;
  fs.writeFileSync(damaged, bytes);
  await (await page.$('#import-file')).uploadFile(damaged);
  await web.waitFor('the refusal', () => web.pageValue(
    page, () => document.getElementById('status').textContent.includes('was not imported')));
  const untouched = await web.pageValue(page, () => Module.FS.analyzePath('/Save/Replays').exists);
  if (untouched) {
    throw new Error('a damaged file of saved games changed the saved files');
  }
  pass('a damaged file of saved games is refused by name, and nothing changes');

  await (await page.$('#import-file')).uploadFile(file);
  await page.waitForNavigation(); // the page starts again with what it imported
  await web.startGame(page);
  await web.waitForPicture(page, title1, 'the first title after the import');
  const tableNow = await pageFile(page, '/Save/Highscore.hs');
  const runsNow = await web.pageValue(page, () => Module.FS.readdir('/Save/Replays')
    .filter((name) => name.endsWith('.run')));
  const settingsNow = (await pageFile(page, '/Save/quaro.ini')).toString();
  if (!tableNow.equals(table) || runsNow.length !== 1 ||
      !(await pageFile(page, `/Save/Replays/${runsNow[0]}`)).equals(run) ||
      settingsNow !== settingsText) {
    throw new Error('the import did not bring back the table, its run and the settings');
  }
  pass('the table, its run and the settings, exported, come back in a fresh profile through an import');
}

// A run file dropped on the page becomes the page's link to it, which plays the run.
async function sharedLink(page, url, pass) {
  const code = demoRun.toString('base64').replace(/\+/g, '-').replace(/\//g, '_')
    .replace(/=+$/, '');
  await page.goto(url);
  await web.startGame(page);
  // The drop sets the page's address, and the change of address reloads the page. Any look
  // at the page may meet that reload, which ends the look with the page it ran in: only that
  // is no failure. The page that was dropped on is marked, so the reloaded one is told apart.
  const duringReload = (error) => {
    if (!/navigated or closed|context was destroyed|Cannot find context/.test(error.message)) {
      throw error;
    }
    return false;
  };
  await web.pageValue(page, (bytes) => {
    window.quaroDroppedOn = true;
    const dropped = new DataTransfer();
    dropped.items.add(new File([new Uint8Array(bytes)], 'Demo.run'));
    setTimeout(() => window.dispatchEvent(new DragEvent('drop', { dataTransfer: dropped })), 0);
    return true;
  }, Array.from(demoRun)).catch(duringReload);
  await web.waitFor('the page reloaded at the run\'s link', () => web.pageValue(
    page, () => !window.quaroDroppedOn && document.readyState === 'complete')
    .catch(duringReload));
  const address = await web.pageValue(page, () => location.href);
  if (address !== `${url}#run=${code}`) {
    throw new Error(`a dropped run leads to ${address}`);
  }
  await web.startGame(page);
  await web.waitFor('the round of the run', async () => {
    const shown = await web.canvasPixels(page);
    return web.pixelsDiffering(shown, maze, leftWall) === 0 &&
           web.pixelsDiffering(shown, maze, heroStart) > 0;
  });
  const status = await web.pageValue(page, () => document.getElementById('status').textContent);
  if (!status.includes('run of the link')) {
    throw new Error(`the page says "${status}" while it plays a shared run`);
  }
  pass('a dropped run becomes a link, which plays the run without the titles or the menu');

  // C while a run plays copies its link: the page's address with the run's code.
  await web.pageValue(page, () => {
    document.addEventListener('copy', () => {
      window.copiedText = document.getSelection().toString();
    });
    return true;
  });
  await web.holdKey(page, 'KeyC');
  await web.waitFor('the copy', async () => (await web.statusText(page)) === 'Copied to the clipboard.');
  const copied = await web.pageValue(page, () => window.copiedText);
  if (copied !== `${url}#run=${code}`) {
    throw new Error(`C copied "${copied}"`);
  }
  pass('C while a run plays copies the link of the run');

  await page.goto('about:blank');
  await page.goto(`${url}#run=${code.slice(0, 40)}`);
  await web.startGame(page);
  await web.waitFor('the refusal of a damaged link', () => web.pageValue(
    page, () => document.getElementById('status').textContent.startsWith('the run of the link: ')));
  pass('a damaged link is refused with the reason');
}

// The export writes its file into a folder of downloads, from which the import takes it.
const downloads = fs.mkdtempSync(path.join(os.tmpdir(), 'quaro-downloads-'));
process.on('exit', () => fs.rmSync(downloads, { recursive: true, force: true }));
let exported = null;
web.runSessions(siteDir, [
  decodedMedia, decodedLate, offlineReload, newRelease,
  async (page, url, pass, browser) => {
    exported = await exportSaves(page, url, pass, browser, downloads);
  },
  (page, url, pass) => importSaves(page, url, pass, exported),
  sharedLink,
]);
