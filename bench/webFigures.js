// Figures of the browser build in headless Chromium on a local server: what a first visit
// downloads, as sent (the server does not compress) and as a server compressing with gzip -9
// would send it; how long from the start of loading until the title is drawn, the median of five
// cold loads (each in a fresh profile) and of five loads with the network off after a first
// visit; and the CPU that Chromium's processes use while a round runs with the hero walking a
// loop, by kind of process, for the site and, when given, for the site it is compared with,
// the two measured in turns in the same run.
// Usage: node webFigures.js SITE_DIR [SECONDS] [BEFORE_SITE_DIR]
// (NODE_PATH must find puppeteer-core; bench/measure-web.sh sets it and runs the desktop's
// figures in the same run.)
'use strict';

const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const web = require('../tests/web/browserHarness');

const [siteDir, secondsText, beforeDir] = process.argv.slice(2);
const secondsMeasured = Number(secondsText || 20);
const loads = 5;
const cpuRounds = Number(process.env.QUARO_CPU_ROUNDS || 2);
const ticksPerSecond = 100; // USER_HZ of /proc/PID/stat on Linux

// Records in the page when the canvas first shows the title's sky in its top-left corner.
function watchForTitle() {
  const look = () => {
    const canvas = document.getElementById('canvas');
    const sky = canvas && canvas.getContext('2d').getImageData(5, 5, 1, 1).data;
    if (sky && sky[0] === 73 && sky[1] === 165 && sky[2] === 230) {
      window.quaroTitleMs = performance.now();
    } else {
      requestAnimationFrame(look);
    }
  };
  requestAnimationFrame(look);
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const titleTime = (page) => web.waitFor('the title', () => web.pageValue(page, () => window.quaroTitleMs));

// Adds the bytes of every response the session receives to files, by file name.
async function countTransfer(cdp, files) {
  const names = {};
  cdp.on('Network.responseReceived', (e) => { names[e.requestId] = e.response.url; });
  cdp.on('Network.loadingFinished', (e) => {
    if (!(e.requestId in names)) {
      return; // not a response of the server's
    }
    const file = path.basename(new URL(names[e.requestId]).pathname) || 'index.html';
    files[file] = (files[file] || 0) + e.encodedDataLength;
  });
  await cdp.send('Network.enable');
}

// Whether the site's service worker has kept the whole site; 'none' where there is none.
function siteKept(page) {
  return web.pageValue(page, async () => {
    if (!('serviceWorker' in navigator) || !(await navigator.serviceWorker.getRegistration())) {
      return 'none';
    }
    const names = await caches.keys();
    return names.length === 1 && (await (await caches.open(names[0])).keys()).length >= 10;
  });
}

// A first visit in a fresh profile: the bytes of every file it fetched, the page's and its
// service worker's (which keeps the site), and the time to the title.
async function firstVisit(browser, url) {
  const context = await browser.createBrowserContext();
  const files = {};
  const workerFiles = {};
  context.on('targetcreated', async (target) => {
    if (target.type() === 'service_worker') {
      await countTransfer(await target.createCDPSession(), workerFiles);
    }
  });
  const page = await context.newPage();
  await countTransfer(await page.createCDPSession(), files);
  await page.evaluateOnNewDocument(watchForTitle);
  await page.goto(url);
  const ms = await titleTime(page);
  await web.waitFor('the site kept for offline play', () => siteKept(page));
  await context.close();
  return { files, workerFiles, ms };
}

// A profile that visited once, then loads with the network off.
async function offlineLoads(browser, url) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.evaluateOnNewDocument(watchForTitle);
  await page.goto(url);
  await titleTime(page);
  if ((await web.waitFor('the site kept for offline play', () => siteKept(page))) === 'none') {
    await context.close();
    return null;
  }
  await page.setOfflineMode(true);
  const times = [];
  for (let i = 0; i < loads; ++i) {
    await page.reload();
    times.push(await titleTime(page));
  }
  await context.close();
  return times;
}

// CPU clock ticks of each of Chromium's processes, by kind, from /proc.
function ticksByKind(browserPid) {
  const kinds = {};
  const visit = (pid) => {
    let stat;
    let commandLine;
    try {
      stat = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
      commandLine = fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8');
    } catch (error) {
      return; // the process ended meanwhile
    }
    const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
    const type = /--type=([a-z-]+)/.exec(commandLine);
    const sub = /--utility-sub-type=([A-Za-z.]+)/.exec(commandLine);
    const kind = type ? (sub ? `${type[1]} ${sub[1]}` : type[1]) : 'browser';
    kinds[kind] = (kinds[kind] || 0) + Number(fields[11]) + Number(fields[12]);
    const children = fs.readFileSync(`/proc/${pid}/task/${pid}/children`, 'utf8').trim();
    children.split(/\s+/).filter(Boolean).forEach((child) => visit(Number(child)));
  };
  visit(browserPid);
  return kinds;
}

// The percent of one core by kind of process while a round runs, in a browser of its own.
async function roundCpu(url) {
  const browser = await web.launchBrowser();
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 1280, height: 800 });
    await page.evaluateOnNewDocument(watchForTitle);
    await page.goto(url);
    await titleTime(page);
    // A start screen (where there is one) takes the first key; a menu ignores a key too many.
    for (const key of ['Space', 'Space', 'Space', 's']) {
      await web.holdKey(page, key);
      await new Promise((resolve) => setTimeout(resolve, 500));
    }
    let walking = true;
    const walk = (async () => {
      while (walking) {
        for (const key of ['ArrowLeft', 'ArrowDown', 'ArrowRight', 'ArrowUp']) {
          await web.holdKey(page, key, 500);
          await new Promise((resolve) => setTimeout(resolve, 500));
        }
      }
    })();
    const before = ticksByKind(browser.process().pid);
    await new Promise((resolve) => setTimeout(resolve, secondsMeasured * 1000));
    const after = ticksByKind(browser.process().pid);
    walking = false;
    await walk;
    const percent = {};
    for (const kind of Object.keys(after)) {
      percent[kind] = (100 * (after[kind] - (before[kind] || 0))) / ticksPerSecond / secondsMeasured;
    }
    await browser.close();
    return percent;
  } finally {
    web.stop(browser.process());
  }
}

function printCpu(label, percent) {
  console.log(`Over ${secondsMeasured} s of a round, ${label}, percent of one core by Chromium process:`);
  let total = 0;
  for (const [kind, value] of Object.entries(percent)) {
    if (value > 0) {
      console.log(`  ${kind}: ${value.toFixed(2)}`);
    }
    total += value;
  }
  console.log(`  all of Chromium: ${total.toFixed(2)}`);
  return total;
}

async function siteFigures(browser, url, dir) {
  const visits = [];
  for (let i = 0; i < loads; ++i) {
    visits.push(await firstVisit(browser, url));
  }
  const { files, workerFiles } = visits[0];
  const workerBytes = Object.values(workerFiles).reduce((sum, bytes) => sum + bytes, 0);
  let raw = workerBytes;
  let compressed = workerBytes;
  for (const [name, bytes] of Object.entries(files)) {
    const file = path.join(dir, name);
    const gzipped = fs.existsSync(file) ? zlib.gzipSync(fs.readFileSync(file), { level: 9 }).length
                                        : bytes;
    console.log(`  ${name}: ${bytes} bytes, ${gzipped} gzipped`);
    raw += bytes;
    compressed += Math.min(bytes, gzipped);
  }
  console.log(`  the service worker, keeping the site: ${workerBytes} bytes`);
  console.log(`Transfer of a first visit: ${(raw / 1e6).toFixed(2)} MB raw (${raw} bytes), ` +
              `${(compressed / 1e6).toFixed(2)} MB compressed (${compressed} bytes)`);
  const cold = visits.map((visit) => visit.ms);
  console.log(`From the start of loading to the title drawn: median ${median(cold).toFixed(0)} ms` +
              ` of ${loads} cold loads (${cold.map((t) => t.toFixed(0)).join(', ')})`);
  const offline = await offlineLoads(browser, url);
  if (offline) {
    console.log(`The same with the network off after a first visit: median ` +
                `${median(offline).toFixed(0)} ms of ${loads} loads ` +
                `(${offline.map((t) => t.toFixed(0)).join(', ')})`);
  } else {
    console.log('With the network off: the site is not kept for offline play');
  }
}

async function main() {
  const server = await web.serveSite(siteDir);
  const beforeServer = beforeDir ? await web.serveSite(beforeDir) : null;
  const browser = await web.launchBrowser();
  try {
    await browser.newPage(); // the first page pays for starting the renderer
    if (beforeServer) {
      console.log(`-- Before: ${beforeDir}`);
      await siteFigures(browser, beforeServer.url, beforeDir);
    }
    console.log(`-- ${beforeServer ? 'After: ' : ''}${siteDir}`);
    await siteFigures(browser, server.url, siteDir);
    await browser.close();
    if (beforeServer) {
      // Alternated, so that what else the machine does weighs on both alike.
      const totals = { before: [], after: [] };
      for (let i = 1; i <= cpuRounds; ++i) {
        totals.before.push(printCpu(`before (${i})`, await roundCpu(beforeServer.url)));
        totals.after.push(printCpu(`after (${i})`, await roundCpu(server.url)));
      }
      const mean = (values) => values.reduce((sum, value) => sum + value, 0) / values.length;
      console.log(`All of Chromium while a round runs, the mean of ${cpuRounds}: before ` +
                  `${mean(totals.before).toFixed(2)}%, after ${mean(totals.after).toFixed(2)}% ` +
                  `(after / before ${(mean(totals.after) / mean(totals.before)).toFixed(2)})`);
    } else {
      printCpu('this site', await roundCpu(server.url));
    }
  } finally {
    web.stop(browser.process());
    web.stop(server.process);
    web.stop(beforeServer && beforeServer.process);
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
