// Runs inside the game's script before it starts: the Save/ folder, where the game keeps its
// table, lives in the browser's database (IDBFS). The game starts once the folder holds what
// an earlier visit kept; after each write the game copies it back (kuPlatform). The folder is
// read as soon as the script has set up its files, while the code and the data still load.
Module['preInit'] = [].concat(Module['preInit'] || [], function mountSaves() {
  FS.mkdir('/Save');
  FS.mount(IDBFS, {}, '/Save');
  addRunDependency('saved-files');
  FS.syncfs(true, function (error) {
    if (error) {
      err('The saved files could not be read: ' + error);
    }
    removeRunDependency('saved-files');
  });
});
