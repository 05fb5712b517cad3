// Runs inside the game's script before it starts: the site carries the pictures as lossless
// WebP and the sounds as Ogg Vorbis, a quarter of their desktop size, and the browser decodes
// them while the data loads. Each becomes a file the desktop game reads, under the desktop's
// name: a BMP with the same pixels, a 16-bit PCM WAV at the same rate. The game's code
// is the same on both; only what travels differs.
Module['noImageDecoding'] = true;
Module['noAudioDecoding'] = true;
Module['preloadPlugins'] = [].concat(Module['preloadPlugins'] || [], {
  'canHandle': function (name) {
    return /\.(webp|ogg)$/.test(name);
  },
  'handle': function (bytes, name, finish) {
    var decoding = /\.webp$/.test(name) ? quaroMedia.pictureToBmp(bytes)
                                        : quaroMedia.soundToWav(bytes);
    decoding.then(function (decoded) {
      var desktopName = name.replace(/\.webp$/, '.bmp').replace(/\.ogg$/, '.wav');
      FS.writeFile(desktopName, decoded);
      // The packer creates the compressed file too; it is kept empty, then removed.
      finish(new Uint8Array(0));
      FS.unlink(name);
    }, function (error) {
      // The game cannot start without it: the page says why instead of waiting for ever.
      abort('Could not decode ' + name + ': ' + error);
    });
  },
});

var quaroMedia = {
  // Opaque pictures only: the browser's decoder hands their pixels back unchanged.
  pictureToBmp: function (bytes) {
    var blob = new Blob([bytes], { type: 'image/webp' });
    return createImageBitmap(blob, { premultiplyAlpha: 'none', colorSpaceConversion: 'none' })
      .then(function (bitmap) {
        var canvas = document.createElement('canvas');
        canvas.width = bitmap.width;
        canvas.height = bitmap.height;
        var context = canvas.getContext('2d', { willReadFrequently: true });
        context.drawImage(bitmap, 0, 0);
        var rgba = context.getImageData(0, 0, bitmap.width, bitmap.height).data;
        return quaroMedia.bmpOf(bitmap.width, bitmap.height, rgba);
      });
  },

  // An uncompressed 32-bit BMP, rows from the top, as the game's BMP reader takes it: the two
  // headers (54 bytes) and two bytes more, then each pixel as blue, green, red and an unused
  // byte. The pixels are moved four bytes at a time, from an offset of four bytes' multiple: a
  // picture of the game is 400,000 of them.
  bmpOf: function (width, height, rgba) {
    var headerBytes = 56;
    var file = new Uint8Array(headerBytes + 4 * width * height);
    var view = new DataView(file.buffer);
    file[0] = 0x42; // "BM"
    file[1] = 0x4d;
    view.setUint32(2, file.length, true);
    view.setUint32(10, headerBytes, true);
    view.setUint32(14, 40, true);
    view.setInt32(18, width, true);
    view.setInt32(22, -height, true);
    view.setUint16(26, 1, true);
    view.setUint16(28, 32, true);
    view.setUint32(34, 4 * width * height, true);
    var from = new Uint32Array(rgba.buffer, rgba.byteOffset, width * height);
    var to = new Uint32Array(file.buffer, headerBytes, width * height);
    for (var i = 0; i < from.length; ++i) {
      var pixel = from[i]; // red in the low byte: the page runs little-endian
      to[i] = (pixel & 0xff00ff00) | ((pixel & 0xff) << 16) | ((pixel >>> 16) & 0xff);
    }
    return file;
  },

  // Decodes at the rate the file names, so that nothing is resampled on the way, and cuts the
  // silence the build put after the sound (web/encodeSound.cmake).
  soundToWav: function (bytes) {
    var rate = quaroMedia.vorbisRate(bytes);
    var frames = quaroMedia.vorbisFrames(bytes);
    if (!rate || !frames) {
      return Promise.reject(new Error('not an Ogg Vorbis file of the game'));
    }
    var context = new OfflineAudioContext(1, 1, rate);
    return context.decodeAudioData(bytes.slice().buffer).then(function (sound) {
      return quaroMedia.wavOf(sound, rate, frames);
    });
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
  wavOf: function (sound, rate, frames) {
    var channels = sound.numberOfChannels;
    var dataBytes = 2 * channels * frames;
    var file = new Uint8Array(44 + dataBytes);
    var view = new DataView(file.buffer);
    var text = function (at, word) {
      for (var i = 0; i < word.length; ++i) {
        file[at + i] = word.charCodeAt(i);
      }
    };
    text(0, 'RIFF');
    view.setUint32(4, 36 + dataBytes, true);
    text(8, 'WAVEfmt ');
    view.setUint32(16, 16, true);
    view.setUint16(20, 1, true);
    view.setUint16(22, channels, true);
    view.setUint32(24, rate, true);
    view.setUint32(28, rate * 2 * channels, true);
    view.setUint16(32, 2 * channels, true);
    view.setUint16(34, 16, true);
    text(36, 'data');
    view.setUint32(40, dataBytes, true);
    for (var c = 0; c < channels; ++c) {
      var samples = sound.getChannelData(c);
      for (var i = 0; i < Math.min(frames, sound.length); ++i) {
        var value = Math.round(samples[i] * 32768);
        view.setInt16(44 + 2 * (i * channels + c), Math.max(-32768, Math.min(32767, value)), true);
      }
    }
    return file;
  },
};
