// The wait analysis: which functions of the browser's game can reach a wait, so that Asyncify
// instruments those and no others. Asyncify left alone must assume that every indirect call
// may wait, and with exceptions nearly every call made where a destructor must run is an
// indirect one (through the page's invoke_* wrappers), so it instrumented nearly the whole
// game. This reads a build of the same code that keeps its functions' names (wasm-dis's text
// of it) and follows every call that can lead to a wait import:
//   - a direct call;
//   - an invoke_* wrapper, to the table entry its first argument names, or when that is not a
//     constant, to every table entry of the wrapper's type;
//   - call_indirect, to every table entry of its type.
// What it writes is Emscripten's ASYNCIFY_ONLY list: one name a line, as C++ spells it. The
// listed functions are instrumented, each of their invoke_* and indirect calls taken for one that
// may wait; every other function is left as it is. Emscripten reads a '.' in such a list as a
// space, so the dots of a name (binaryen's ".1" for a second function of the same name, "...")
// become the wildcard '*'.
// Usage: node asyncifyWaits.js WASM_DIS NAMED_GAME.wasm OUTPUT.txt
//        node asyncifyWaits.js --same-functions WASM_DIS NAMED_GAME.wasm GAME.wasm
'use strict';

const { execFileSync } = require('child_process');
const fs = require('fs');

// Emscripten's imports that wait (its default ASYNCIFY_IMPORTS), by import or internal name.
const waitImports = new Set([
  'emscripten_sleep', 'emscripten_wget', 'emscripten_wget_data', 'emscripten_idb_load',
  'emscripten_idb_store', 'emscripten_idb_delete', 'emscripten_idb_exists',
  'emscripten_idb_load_blob', 'emscripten_idb_store_blob', 'SDL_Delay',
  'emscripten_scan_registers', 'emscripten_lazy_load_code', 'emscripten_fiber_swap', 'fd_sync',
  '__wasi_fd_sync', '_emval_await', '_dlopen_js',
]);
const waits = (name) => waitImports.has(name) || name.startsWith('__asyncjs__');

// "i32_i32=>none" for (param i32 i32) with no result, from the text after a function's name.
function signatureOf(text) {
  const valueTypes = (keyword) =>
    [...text.matchAll(new RegExp(`\\(${keyword} (?:\\$\\S+ )?([a-z0-9 ]+)\\)`, 'g'))]
      .flatMap((match) => match[1].trim().split(/\s+/));
  return `${valueTypes('param').join('_')}=>${valueTypes('result').join('_')}`;
}

// invoke_vii calls a table entry taking (i32, i32) and returning nothing.
function invokeSignature(invoke) {
  const letters = invoke.slice('invoke_'.length);
  const types = { i: 'i32', j: 'i64', f: 'f32', d: 'f64' };
  const params = [...letters.slice(1)].map((letter) => types[letter]);
  return `${params.join('_')}=>${letters[0] === 'v' ? '' : types[letters[0]]}`;
}

// The names (as the text escapes them) of the functions that can reach a wait.
function waitingFunctions(wat) {
  const lines = wat.split('\n');
  const typeSignatures = new Map();
  const signatures = new Map();
  const table = new Map(); // index -> function
  const waitNames = new Set();
  const invokes = new Map(); // internal name -> the wrapper's own name, such as invoke_vii
  for (const line of lines) {
    let match;
    if ((match = /^ \(type \$(\S+) \(func(.*)$/.exec(line))) {
      typeSignatures.set(match[1], signatureOf(match[2]));
    } else if ((match = /^ \(import "[^"]*" "([^"]*)" \(func \$(\S+)(.*)$/.exec(line))) {
      const [, imported, internal, rest] = match;
      signatures.set(internal, signatureOf(rest));
      if (waits(imported) || waits(internal)) {
        waitNames.add(internal);
      }
      const invoke = [imported, internal].find((name) => /^invoke_[vijfd]+$/.test(name));
      if (invoke) {
        invokes.set(internal, invoke);
      }
    } else if ((match = /^ \(func \$(\S+)(.*)$/.exec(line))) {
      signatures.set(match[1], signatureOf(match[2]));
    } else if ((match = /^ \(elem .*?\(i32\.const (\d+)\)(.*)$/.exec(line))) {
      const entries = [...match[2].matchAll(/\$([^\s)]+)/g)].map((entry) => entry[1]);
      entries.forEach((entry, at) => table.set(Number(match[1]) + at, entry));
    }
  }
  const entriesOf = new Map(); // signature -> table entries
  for (const entry of table.values()) {
    const signature = signatures.get(entry);
    entriesOf.set(signature, (entriesOf.get(signature) || new Set()).add(entry));
  }

  const callers = new Map(); // function -> functions that may call it
  const addCall = (caller, callee) =>
    callers.set(callee, (callers.get(callee) || new Set()).add(caller));
  const addIndirect = (caller, signature) =>
    (entriesOf.get(signature) || []).forEach((entry) => addCall(caller, entry));
  let current = null;
  for (let i = 0; i < lines.length; ++i) {
    const line = lines[i];
    let match;
    if ((match = /^ \(func \$(\S+)/.exec(line))) {
      current = match[1];
    } else if (/^ \(/.test(line)) {
      current = null;
    } else if (current && (match = /\(call \$(\S+)/.exec(line))) {
      if (invokes.has(match[1])) {
        const index = /^\s*\(i32\.const (\d+)\)/.exec(lines[i + 1] || '');
        if (index && table.has(Number(index[1]))) {
          addCall(current, table.get(Number(index[1])));
        } else {
          addIndirect(current, invokeSignature(invokes.get(match[1])));
        }
      } else {
        addCall(current, match[1]);
      }
    } else if (current && (match = /\(call_indirect (?:\$\S+ )?\(type \$(\S+)\)/.exec(line))) {
      addIndirect(current, typeSignatures.get(match[1]));
    }
  }

  const reached = new Set(waitNames);
  const pending = [...waitNames];
  while (pending.length > 0) {
    for (const caller of callers.get(pending.pop()) || []) {
      if (!reached.has(caller)) {
        reached.add(caller);
        pending.push(caller);
      }
    }
  }
  return [...reached].filter((name) => !waitNames.has(name)).sort();
}

// A name of the text as Emscripten's list spells it.
const listName = (escaped) => escaped
  .replace(/\\([0-9a-f]{2})/g, (_, hex) => String.fromCharCode(parseInt(hex, 16)))
  .replace(/\.+/g, '*');

module.exports = { waitingFunctions, listName };

const textOf = (wasmDis, wasm) =>
  execFileSync(wasmDis, [wasm], { maxBuffer: 1 << 30, encoding: 'utf8' });

// The number of functions, which differs when the two links optimised the code differently.
const functionCount = (wasmDis, wasm) => textOf(wasmDis, wasm).match(/^ \(func /gm).length;

if (require.main === module) {
  const args = process.argv.slice(2);
  if (args[0] === '--same-functions') {
    // The game's functions must be the named copy's, or the list names the wrong ones.
    const [, wasmDis, named, game] = args;
    const counts = [named, game].map((wasm) => functionCount(wasmDis, wasm));
    if (counts[0] !== counts[1]) {
      console.error(`${game} has ${counts[1]} functions and ${named} ${counts[0]}: the wait ` +
                    'analysis does not fit the game');
      process.exit(1);
    }
  } else {
    const [wasmDis, wasm, output] = args;
    const names = waitingFunctions(textOf(wasmDis, wasm)).map(listName);
    fs.writeFileSync(`${output}.part`, `${names.join('\n')}\n`);
    fs.renameSync(`${output}.part`, output);
  }
}
