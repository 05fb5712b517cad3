// Runs inside the game's script before it starts: the site carries the pictures as lossless
// WebP and the sounds as Ogg Vorbis, a quarter of their desktop size, and the browser decodes
// them while the data loads, to the pixels and samples of the desktop's files. The game's
// code is the same on both; only what travels differs.
//
// None of them becomes a file, and the game does not wait for them to start: it starts as
// soon as the data is there, while the browser decodes, and kuPlatform::loadPicture and
// kuPlatform::loadWave ask for each by its desktop name, wait for it if need be, and take its
// pixels or samples as they are.
Module['noImageDecoding'] = true;
Module['noAudioDecoding'] = true;
Module['preloadPlugins'] = [].concat(Module['preloadPlugins'] || [], {
  'canHandle': function (name) {
    return /\.(webp|ogg)$/.test(name);
  },
  'handle': function (bytes, name, finish) {
    var picture = /\.webp$/.test(name);
    var desktopName = picture ? name.replace(/\.webp$/, '.bmp') : name.replace(/\.ogg$/, '.wav');
    quaroMedia.decode(desktopName, picture ? quaroMedia.pictureBitmap(bytes)
                                           : quaroMedia.soundSamples(bytes));
    // The packer creates the compressed file too; it is kept empty, then removed.
    finish(new Uint8Array(0));
    FS.unlink(name);
  },
});

var quaroMedia = {
  // What the page decoded, by desktop name: a picture as an ImageBitmap, a sound as
  // { rate, channels, samples } (16-bit samples, the channels interleaved); null while it is
  // still decoding.
  decoded: {},

  decode: function (desktopName, decoding) {
    var key = quaroMedia.key(desktopName);
    quaroMedia.decoded[key] = null;
    decoding.then(function (value) {
      quaroMedia.decoded[key] = value;
    }, function (error) {
      // The game cannot go on without it: the page says why instead of waiting for ever.
      abort('Could not decode ' + desktopName + ': ' + error);
    });
  },

  // Whether the page decodes the file: 0 when it does not, 1 while it is decoding, 2 once it
  // is there.
  state: function (desktopName) {
    var key = quaroMedia.key(desktopName);
    if (!(key in quaroMedia.decoded)) {
      return 0;
    }
    return quaroMedia.decoded[key] ? 2 : 1;
  },

  // A decoded picture or sound in state 2.
  get: function (desktopName) {
    return quaroMedia.decoded[quaroMedia.key(desktopName)];
  },

  // Opaque pictures only: the browser's decoder, off the page's thread, hands their pixels
  // back unchanged, and drawing them at their size copies them as they are.
  pictureBitmap: function (bytes) {
    var blob = new Blob([bytes], { type: 'image/webp' });
    return createImageBitmap(blob, { premultiplyAlpha: 'none', colorSpaceConversion: 'none' });
  },

  // Draws a decoded picture on a canvas of its size: a surface's of the layer, or one of the
  // tests'.
  drawPicture: function (desktopName, context) {
    context.drawImage(quaroMedia.get(desktopName), 0, 0);
  },

  // The pixels of a decoded picture as ImageData, as a surface of the layer holds them.
  picturePixels: function (desktopName) {
    var bitmap = quaroMedia.get(desktopName);
    var canvas = document.createElement('canvas');
    canvas.width = bitmap.width;
    canvas.height = bitmap.height;
    var context = canvas.getContext('2d');
    quaroMedia.drawPicture(desktopName, context);
    return context.getImageData(0, 0, canvas.width, canvas.height);
  },

  // The absolute name of a file, as the packer names the site's files.
  key: function (name) {
    var path = name.charAt(0) === '/' ? name : FS.cwd() + '/' + name;
    return path.replace(/\/(\.\/)+/g, '/').replace(/\/+/g, '/');
  },

  // Decodes at the rate the file names, so that nothing is resampled on the way, and cuts the
  // silence the build put after the sound (web/encodeSound.cmake).
  soundSamples: function (bytes) {
    var rate = quaroMedia.vorbisRate(bytes);
    var frames = quaroMedia.vorbisFrames(bytes);
    if (!rate || !frames) {
      return Promise.reject(new Error('not an Ogg Vorbis file of the game'));
    }
    return quaroMedia.decoderAt(rate).decodeAudioData(bytes.slice().buffer).then(function (sound) {
      return quaroMedia.pcmOf(sound, rate, frames);
    });
  },

  // One context per rate decodes all the sounds of that rate, rather than one for each.
  decoders: {},
  decoderAt: function (rate) {
    if (!quaroMedia.decoders[rate]) {
      quaroMedia.decoders[rate] = new OfflineAudioContext(1, 1, rate);
    }
    return quaroMedia.decoders[rate];
  },

  // The sound's length, QUARO_FRAMES in the comment header.
  vorbisFrames: function (bytes) {
    var view = new DataView(bytes.buffer, bytes.byteOffset, bytes.length);
    var marker = [3, 0x76, 0x6f, 0x72, 0x62, 0x69, 0x73]; // 3 "vorbis"
    var searched = Math.min(bytes.length, 4096) - marker.length;
    for (var at = 0; at < searched; ++at) {
      if (marker.every(function (byte, i) { return bytes[at + i] === byte; })) {
        var next = at + marker.length;
        next += 4 + view.getUint32(next, true); // the vendor
        var count = view.getUint32(next, true);
        next += 4;
        for (var i = 0; i < count && next + 4 <= bytes.length; ++i) {
          var length = view.getUint32(next, true);
          var comment = String.fromCharCode.apply(null, bytes.subarray(next + 4, next + 4 + length));
          var found = /^QUARO_FRAMES=(\d+)$/.exec(comment);
          if (found) {
            return Number(found[1]);
          }
          next += 4 + length;
        }
        return 0;
      }
    }
    return 0;
  },

  // The rate in the identification header that opens the first page's packet.
  vorbisRate: function (bytes) {
    if (bytes.length < 28 || String.fromCharCode.apply(null, bytes.subarray(0, 4)) !== 'OggS') {
      return 0;
    }
    var packet = 27 + bytes[26];
    if (bytes.length < packet + 16 || bytes[packet] !== 1 ||
        String.fromCharCode.apply(null, bytes.subarray(packet + 1, packet + 7)) !== 'vorbis') {
      return 0;
    }
    return new DataView(bytes.buffer, bytes.byteOffset).getUint32(packet + 12, true);
  },

  // The first `frames` frames as 16-bit PCM, the channels interleaved, each sample rounded and
  // clipped; silence where the decoder gave fewer.
  pcmOf: function (sound, rate, frames) {
    var channels = sound.numberOfChannels;
    var samples = new Int16Array(channels * frames);
    var decodedFrames = Math.min(frames, sound.length);
    for (var c = 0; c < channels; ++c) {
      var decoded = sound.getChannelData(c);
      for (var i = 0; i < decodedFrames; ++i) {
        var value = Math.round(decoded[i] * 32768);
        samples[i * channels + c] = value < -32768 ? -32768 : value > 32767 ? 32767 : value;
      }
    }
    return { rate: rate, channels: channels, samples: samples };
  },

  // Copies a decoded sound's samples to the game's memory (the page runs little-endian).
  copySound: function (desktopName, to) {
    HEAP16.set(quaroMedia.get(desktopName).samples, to >> 1);
  },
};
// What the page's tests compare with the desktop's files.
Module['decoded'] = quaroMedia.get;
Module['decodedPicture'] = quaroMedia.picturePixels;
