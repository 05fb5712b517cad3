// Runs and saved games in and out of the page. An address whose fragment is "#run=CODE" (the
// run file in base64url) plays that run, as the desktop's "quaro --replay LINK" does; a run
// file dropped on the page plays the same way. "Export saves" downloads the table, the assisted
// list, their runs and the settings as one file; "Import saves" (or dropping such a file) has
// the game check it whole, and only then starts the game again to restore it, as the desktop's
// "quaro --import FILE" does. The viewer's "copy link" puts the link of the run it plays on
// the clipboard.
'use strict';

(function () {
  const page = window.quaroPage;
  const runMarker = '#run=';
  const exportFile = '/tmp/quaro-saves.qsav';
  const importFile = '/tmp/import.qsav';
  const pendingImport = 'quaro-import';

  // The game plays the run of the address instead of starting, and says how it ended.
  const sharedRun = location.hash.startsWith(runMarker);
  if (sharedRun) {
    Module.arguments = ['--replay', location.href];
    page.onStart(() => page.say('Playing the run of the link.'));
    page.onEnd((exitStatus, lastError) => {
      const status = document.getElementById('status');
      status.textContent = exitStatus === 0 ? 'The run of the link has ended. '
                                            : `${lastError.replace(/^quaro: /, '')}. `;
      const again = document.createElement('a');
      again.href = location.pathname;
      again.textContent = 'Play the game';
      status.appendChild(again);
    });
  }
  // Another run in the address (typed or pasted) starts the page afresh with it.
  window.addEventListener('hashchange', () => {
    if (location.hash.startsWith(runMarker) || sharedRun) {
      location.reload();
    }
  });

  // Calls the game's entry point with a file name. Not through ccall: while the game waits,
  // ccall takes the wait for its own and answers with a promise.
  function callGame(entry, file) {
    const name = Module._malloc(file.length + 1);
    Module.stringToUTF8(file, name, file.length + 1);
    try {
      return Module[entry](name);
    } finally {
      Module._free(name);
    }
  }

  function base64url(bytes) {
    let text = '';
    for (let i = 0; i < bytes.length; i += 0x8000) {
      text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
    }
    return btoa(text).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
  }

  function startsWith(bytes, magic) {
    return bytes.length >= magic.length &&
           String.fromCharCode.apply(null, bytes.subarray(0, magic.length)) === magic;
  }

  function watchRun(bytes) {
    location.hash = runMarker + base64url(bytes); // hashchange reloads the page with it
  }

  function exportSaves() {
    if (!Module.calledRun) {
      page.say('The game is still loading.');
      return;
    }
    const problem = Module.UTF8ToString(callGame('_quaroExportSaves', exportFile));
    if (problem) {
      page.say(`The saved games could not be exported: ${problem}.`);
      return;
    }
    const blob = new Blob([Module.FS.readFile(exportFile)], { type: 'application/octet-stream' });
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = 'quaro-saves.qsav';
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
    page.say('The saved games and the settings are in quaro-saves.qsav.');
  }

  // The game checks the file at once; the import itself is the game's --import at its next
  // start, which the page makes now, the file kept in the session meanwhile.
  function importSaves(name, bytes) {
    if (!Module.calledRun) {
      page.say('The game is still loading.');
      return;
    }
    Module.FS.writeFile(importFile, bytes);
    const problem = Module.UTF8ToString(callGame('_quaroCheckSaves', importFile));
    Module.FS.unlink(importFile);
    if (problem) {
      page.say(`${name} was not imported, and nothing was changed: ${problem}.`);
      return;
    }
    sessionStorage.setItem(pendingImport, JSON.stringify({ name: name, code: base64url(bytes) }));
    location.reload();
  }

  const pending = sessionStorage.getItem(pendingImport);
  if (pending) {
    sessionStorage.removeItem(pendingImport);
    const { name, code } = JSON.parse(pending);
    const bytes = Uint8Array.from(atob(code.replace(/-/g, '+').replace(/_/g, '/')),
                                  (c) => c.charCodeAt(0));
    Module.preRun = [].concat(Module.preRun || [], () => Module.FS.writeFile(importFile, bytes));
    Module.arguments.push('--import', importFile);
    page.onStart(() => page.say(`The saved games and the settings of ${name} are imported.`));
  }

  function open(file) {
    file.arrayBuffer().then((buffer) => {
      const bytes = new Uint8Array(buffer);
      if (startsWith(bytes, 'QRUN')) {
        watchRun(bytes);
      } else if (startsWith(bytes, 'QSAV')) {
        importSaves(file.name, bytes);
      } else {
        page.say(`${file.name} is neither a run nor a file of saved games.`);
      }
    }, (error) => page.say(`${file.name} cannot be read: ${error.message}`));
  }

  document.getElementById('export').addEventListener('click', exportSaves);
  const chooser = document.getElementById('import-file');
  document.getElementById('import').addEventListener('click', () => chooser.click());
  chooser.addEventListener('change', () => {
    if (chooser.files.length > 0) {
      open(chooser.files[0]);
    }
    chooser.value = '';
  });
  // The viewer's "copy link" (C while a run plays) hands its link here. The page's own copy
  // command answers at once, in answer to the key; where it is refused the text is shown to be
  // copied by hand.
  window.quaroShare = {
    copyText(text) {
      const holder = document.createElement('textarea');
      holder.value = text;
      holder.readOnly = true;
      holder.style.position = 'fixed';
      holder.style.opacity = '0';
      const focused = document.activeElement;
      document.body.appendChild(holder);
      holder.select();
      let copied = false;
      try {
        copied = document.execCommand('copy');
      } catch (error) {
        copied = false;
      }
      holder.remove();
      if (focused) {
        focused.focus();
      }
      page.say(copied ? 'Copied to the clipboard.' : `Copy this by hand: ${text}`);
      return copied;
    },
  };

  window.addEventListener('dragover', (event) => event.preventDefault());
  window.addEventListener('drop', (event) => {
    event.preventDefault();
    if (event.dataTransfer.files.length > 0) {
      open(event.dataTransfer.files[0]);
    }
  });
})();
