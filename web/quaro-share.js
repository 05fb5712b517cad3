// Runs and saved games in and out of the page. An address whose fragment is "#run=CODE" (the
// run file in base64url) plays that run, as the desktop's "quaro --replay LINK" does; a run
// file dropped on the page plays the same way. "Export saves" downloads the table, its runs
// and the settings kept beside them as one file; "Import saves" (or dropping such a file)
// checks it whole in the game and only then replaces what the browser keeps.
'use strict';

(function () {
  const page = window.quaroPage;
  const runMarker = '#run=';
  const exportFile = '/tmp/quaro-saves.qsav';
  const importFile = '/tmp/import.qsav';

  // The game plays the run of the address instead of starting, and says how it ended.
  const sharedRun = location.hash.startsWith(runMarker);
  if (sharedRun) {
    Module.arguments = ['--replay', location.href];
    page.onStart(() => page.say('Playing the run of the link.'));
    page.onEnd(() => {
      const status = document.getElementById('status');
      status.textContent = 'The run of the link has ended. ';
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
    if (!Module.ccall('quaroExportSaves', 'number', ['string'], [exportFile])) {
      page.say('There are no saved games to export yet.');
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
    page.say('The table and its runs are in quaro-saves.qsav.');
  }

  function importSaves(name, bytes) {
    if (!Module.calledRun) {
      page.say('The game is still loading.');
      return;
    }
    Module.FS.writeFile(importFile, bytes);
    const problem = Module.ccall('quaroImportSaves', 'string', ['string'], [importFile]);
    Module.FS.unlink(importFile);
    if (problem) {
      page.say(`${name} was not imported, and nothing was changed: ${problem}.`);
      return;
    }
    page.say(`Imported ${name}: the game starts again with it.`);
    Module.FS.syncfs(false, () => location.reload());
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
  window.addEventListener('dragover', (event) => event.preventDefault());
  window.addEventListener('drop', (event) => {
    event.preventDefault();
    if (event.dataTransfer.files.length > 0) {
      open(event.dataTransfer.files[0]);
    }
  });
})();
