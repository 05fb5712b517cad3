// Figures of the browser build in headless Chromium on a local server: what a first visit
// downloads, as sent (the server does not compress) and as a server compressing with gzip -9
// would send it; how long from the start of loading until the title is drawn, the median of five
// cold loads (each in a fresh profile) and of five loads with the network off after a first
// visit; and the CPU that Chromium's processes and their threads use while a round runs with
// the hero walking a loop, for the site and, when given, for the site it is compared with. The
// two sites are measured in turns in the same run (a load of one, then of the other), so that
// what else the machine does weighs on both alike.
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

// Whether the site has a service worker, which keeps it for offline play once its title is drawn.
const keptForOffline = (site) => fs.existsSync(path.join(site.dir, 'quaro-sw.js'));

// Whether the site's service worker has kept the whole site by now.
function siteKept(page) {
  return web.pageValue(page, async () => {
    if (!(await navigator.serviceWorker.getRegistration())) {
      return false;
    }
    const names = await caches.keys();
    return names.length === 1 && (await (await caches.open(names[0])).keys()).length >= 10;
  });
}

// A first visit in a fresh profile: the bytes of every file it fetched, the page's and its
// service worker's (which keeps the site), and the time to the title.
async function firstVisit(browser, site) {
  const context = await browser.createBrowserContext();
  const files = {};
  const workerFiles = {};
  context.on('targetcreated', (target) => {
    if (target.type() === 'service_worker') {
      // A worker that starts as the profile closes has nothing left to fetch for this visit.
      target.createCDPSession().then((cdp) => countTransfer(cdp, workerFiles)).catch(() => {});
    }
  });
  const page = await context.newPage();
  await countTransfer(await page.createCDPSession(), files);
  await page.evaluateOnNewDocument(watchForTitle);
  await page.goto(site.url);
  const ms = await titleTime(page);
  if (keptForOffline(site)) {
    await web.waitFor('the site kept for offline play', () => siteKept(page));
  }
  await context.close();
  return { files, workerFiles, ms };
}

// A profile that visited once, ready to load with the network off: { context, page }, or null
// where the site is not kept for offline play.
async function offlineProfile(browser, site) {
  if (!keptForOffline(site)) {
    return null;
  }
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.evaluateOnNewDocument(watchForTitle);
  await page.goto(site.url);
  await titleTime(page);
  await web.waitFor('the site kept for offline play', () => siteKept(page));
  await page.setOfflineMode(true);
  return { context, page };
}

async function offlineLoad(profile) {
  await profile.page.reload();
  return titleTime(profile.page);
}

// CPU clock ticks of Chromium's processes from /proc, by kind of process and by its threads
// ("renderer/Compositor"): { kinds, threads }.
function ticksByKind(browserPid) {
  const kinds = {};
  const threads = {};
  const ticksOf = (statFile) => {
    const stat = fs.readFileSync(statFile, 'utf8');
    const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
    return { name: stat.slice(stat.indexOf('(') + 1, stat.lastIndexOf(')')),
             ticks: Number(fields[11]) + Number(fields[12]) };
  };
  const visit = (pid) => {
    let commandLine;
    try {
      commandLine = fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8');
      const type = /--type=([a-z-]+)/.exec(commandLine);
      const sub = /--utility-sub-type=([A-Za-z.]+)/.exec(commandLine);
      const kind = type ? (sub ? `${type[1]} ${sub[1]}` : type[1]) : 'browser';
      kinds[kind] = (kinds[kind] || 0) + ticksOf(`/proc/${pid}/stat`).ticks;
      for (const task of fs.readdirSync(`/proc/${pid}/task`)) {
        const { name, ticks } = ticksOf(`/proc/${pid}/task/${task}/stat`);
        threads[`${kind}/${name}`] = (threads[`${kind}/${name}`] || 0) + ticks;
      }
      const children = fs.readFileSync(`/proc/${pid}/task/${pid}/children`, 'utf8').trim();
      children.split(/\s+/).filter(Boolean).forEach((child) => visit(Number(child)));
    } catch (error) {
      // the process or thread ended meanwhile
    }
  };
  visit(browserPid);
  return { kinds, threads };
}

// Percent of one core from ticks counted before and after a number of seconds.
function percentOf(before, after) {
  const percent = {};
  for (const key of Object.keys(after)) {
    percent[key] = (100 * (after[key] - (before[key] || 0))) / ticksPerSecond / secondsMeasured;
  }
  return percent;
}

// The percent of one core by kind of process and by thread while a round runs, in a browser
// of its own.
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
    await browser.close();
    return { kinds: percentOf(before.kinds, after.kinds),
             threads: percentOf(before.threads, after.threads) };
  } finally {
    web.stop(browser.process());
  }
}

function printCpu(label, percent) {
  console.log(`Over ${secondsMeasured} s of a round, ${label}, percent of one core by Chromium process:`);
  let total = 0;
  for (const [kind, value] of Object.entries(percent.kinds)) {
    if (value > 0) {
      console.log(`  ${kind}: ${value.toFixed(2)}`);
    }
    total += value;
  }
  console.log(`  all of Chromium: ${total.toFixed(2)}`);
  return total;
}

const mean = (values) => values.reduce((sum, value) => sum + value, 0) / values.length;
const list = (values) => values.map((t) => t.toFixed(0)).join(', ');

function printTransfer(site, visit) {
  const { files, workerFiles } = visit;
  const workerBytes = Object.values(workerFiles).reduce((sum, bytes) => sum + bytes, 0);
  let raw = workerBytes;
  let compressed = workerBytes;
  for (const [name, bytes] of Object.entries(files)) {
    const file = path.join(site.dir, name);
    const gzipped = fs.existsSync(file) ? zlib.gzipSync(fs.readFileSync(file), { level: 9 }).length
                                        : bytes;
    console.log(`  ${name}: ${bytes} bytes, ${gzipped} gzipped`);
    raw += bytes;
    compressed += Math.min(bytes, gzipped);
  }
  console.log(`  the service worker, keeping the site: ${workerBytes} bytes`);
  console.log(`Transfer of a first visit: ${(raw / 1e6).toFixed(2)} MB raw (${raw} bytes), ` +
              `${(compressed / 1e6).toFixed(2)} MB compressed (${compressed} bytes)`);
}

// The loads of every site in turns: first visits, then loads with the network off.
async function loadFigures(browser, sites) {
  const visits = sites.map(() => []);
  for (let i = 0; i < loads; ++i) {
    for (const [which, site] of sites.entries()) {
      visits[which].push(await firstVisit(browser, site));
    }
  }
  const profiles = [];
  for (const site of sites) {
    profiles.push(await offlineProfile(browser, site));
  }
  const offline = sites.map(() => []);
  for (let i = 0; i < loads; ++i) {
    for (const [which, profile] of profiles.entries()) {
      if (profile) {
        offline[which].push(await offlineLoad(profile));
      }
    }
  }
  for (const [which, site] of sites.entries()) {
    console.log(`-- ${site.label}: ${site.dir}`);
    printTransfer(site, visits[which][0]);
    const cold = visits[which].map((visit) => visit.ms);
    console.log(`From the start of loading to the title drawn: median ${median(cold).toFixed(0)} ms` +
                ` of ${loads} cold loads (${list(cold)})`);
    if (profiles[which]) {
      console.log(`The same with the network off after a first visit: median ` +
                  `${median(offline[which]).toFixed(0)} ms of ${loads} loads (${list(offline[which])})`);
      await profiles[which].context.close();
    } else {
      console.log('With the network off: the site is not kept for offline play');
    }
  }
}

// The rounds of every site in turns, then the mean of each thread that took a tenth of a
// percent of a core in any of them.
async function cpuFigures(sites) {
  const rounds = sites.map(() => []);
  for (let i = 1; i <= cpuRounds; ++i) {
    for (const [which, site] of sites.entries()) {
      const percent = await roundCpu(site.url);
      printCpu(`${site.label} (${i})`, percent);
      rounds[which].push(percent);
    }
  }
  const threadMean = (which, thread) => mean(rounds[which].map((r) => r.threads[thread] || 0));
  const threads = [...new Set(rounds.flat().flatMap((r) => Object.keys(r.threads)))]
    .filter((thread) => sites.some((site, which) => threadMean(which, thread) >= 0.1))
    .sort((a, b) => threadMean(0, b) - threadMean(0, a));
  console.log(`Percent of one core by thread while a round runs, the mean of ${cpuRounds}:`);
  console.log(`  ${sites.map((site) => site.label.padStart(8)).join('')}  thread`);
  for (const thread of threads) {
    console.log(`  ${sites.map((site, which) => threadMean(which, thread).toFixed(2).padStart(8))
      .join('')}  ${thread}`);
  }
  const totals = rounds.map((r) => mean(r.map((p) => Object.values(p.kinds)
    .reduce((sum, value) => sum + value, 0))));
  console.log(`  ${totals.map((total) => total.toFixed(2).padStart(8)).join('')}  all of Chromium`);
  if (sites.length === 2) {
    console.log(`All of Chromium while a round runs, the mean of ${cpuRounds}: before ` +
                `${totals[0].toFixed(2)}%, after ${totals[1].toFixed(2)}% ` +
                `(after / before ${(totals[1] / totals[0]).toFixed(2)})`);
  }
}

async function main() {
  const servers = [];
  const sites = [];
  try {
    for (const [label, dir] of beforeDir ? [['before', beforeDir], ['after', siteDir]]
                                         : [['this site', siteDir]]) {
      const server = await web.serveSite(dir);
      servers.push(server);
      sites.push({ label, dir, url: server.url });
    }
    const browser = await web.launchBrowser();
    try {
      await browser.newPage(); // the first page pays for starting the renderer
      await loadFigures(browser, sites);
      await browser.close();
    } finally {
      web.stop(browser.process());
    }
    await cpuFigures(sites);
  } finally {
    servers.forEach((server) => web.stop(server.process));
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
