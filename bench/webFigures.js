// Figures of the browser build in headless Chromium on a local server: what a first visit
// downloads, how long from the start of loading until the title is drawn (the median of five
// cold loads), and the CPU that Chromium's processes use while a round runs with the hero
// walking a loop, by kind of process. Usage: node webFigures.js SITE_DIR [SECONDS]
// (NODE_PATH must find puppeteer-core; bench/measure-web.sh sets it and runs the desktop's
// figures in the same run.)
'use strict';

const fs = require('fs');
const path = require('path');
const web = require('../tests/web/browserHarness');

const [siteDir, secondsText] = process.argv.slice(2);
const secondsMeasured = Number(secondsText || 20);
const coldLoads = 5;
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

async function transferAndTitle(browser, url) {
  const titles = [];
  let bytes = 0;
  const files = {};
  for (let i = 0; i < coldLoads; ++i) {
    const page = await browser.newPage();
    await page.setCacheEnabled(false);
    const cdp = await page.createCDPSession();
    await cdp.send('Network.enable');
    const names = {};
    let loaded = 0;
    cdp.on('Network.responseReceived', (e) => { names[e.requestId] = e.response.url; });
    cdp.on('Network.loadingFinished', (e) => {
      loaded += e.encodedDataLength;
      const file = path.basename(new URL(names[e.requestId]).pathname) || 'index.html';
      files[file] = e.encodedDataLength;
    });
    await page.evaluateOnNewDocument(watchForTitle);
    await page.goto(url);
    titles.push(await web.waitFor('the title', () => web.pageValue(page, () => window.quaroTitleMs)));
    bytes = loaded;
    await page.close();
  }
  titles.sort((a, b) => a - b);
  return { bytes, files, titleMs: titles[Math.floor(coldLoads / 2)], titles };
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

async function roundCpu(browser, url) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 800 });
  await page.evaluateOnNewDocument(watchForTitle);
  await page.goto(url);
  await web.waitFor('the title', () => web.pageValue(page, () => window.quaroTitleMs));
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
  return percent;
}

async function main() {
  const server = await web.serveSite(siteDir);
  const browser = await web.launchBrowser();
  try {
    await browser.newPage(); // the first page pays for starting the renderer
    const { bytes, files, titleMs, titles } = await transferAndTitle(browser, server.url);
    console.log(`Transfer of a first visit: ${(bytes / 1e6).toFixed(2)} MB (${bytes} bytes)`);
    for (const [name, size] of Object.entries(files)) {
      console.log(`  ${name}: ${size} bytes`);
    }
    console.log(`From the start of loading to the title drawn: median ${titleMs.toFixed(0)} ms` +
                ` of ${coldLoads} cold loads (${titles.map((t) => t.toFixed(0)).join(', ')})`);
    const percent = await roundCpu(browser, server.url);
    console.log(`Over ${secondsMeasured} s of a round, percent of one core by Chromium process:`);
    let total = 0;
    for (const [kind, value] of Object.entries(percent)) {
      console.log(`  ${kind}: ${value.toFixed(2)}`);
      total += value;
    }
    console.log(`  all of Chromium: ${total.toFixed(2)}`);
    await browser.close();
  } finally {
    web.stop(browser.process());
    web.stop(server.process);
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
