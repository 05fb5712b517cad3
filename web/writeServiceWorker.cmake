# Writes quaro-sw.js into the site from its template: the files the service worker keeps, and
# the name of its cache, made of the release and a digest of those files, so that every build
# whose files differ gets a cache of its own and replaces the one before.
# Usage: cmake -DSITE=DIR -DVERSION=X.Y.Z -DTEMPLATE=quaro-sw.js.in -P writeServiceWorker.cmake
# The large icon is only for installing the app, which needs the network anyway.
set(kept index.html quaro.css quaro-page.js quaro-touch.js quaro-share.js quaro.webmanifest
         icon-192.png quaro.js quaro.wasm quaro.data)
set(digests "")
foreach(file ${kept})
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests ${digest})
endforeach()
string(SHA256 release "${digests}")
string(SUBSTRING ${release} 0 12 release)
set(QUARO_CACHE "quaro-${VERSION}-${release}")
list(TRANSFORM kept PREPEND "'./")
list(TRANSFORM kept APPEND "'")
string(REPLACE "./index.html" "./" kept "${kept}")
list(JOIN kept ", " QUARO_KEPT_FILES)
configure_file(${TEMPLATE} ${SITE}/quaro-sw.js @ONLY)
