// Runs inside the game's script before it starts: the site carries the pictures as lossless
// WebP and the sounds as Ogg Vorbis, a quarter of their desktop size, and the browser decodes
// them while the data loads, to the pixels and samples of the desktop's files. The game's
// code is the same on both; only what travels differs.
//
// Each sound becomes a file the desktop game reads, under the desktop's name: a 16-bit PCM WAV
// at the same rate; the game starts once they are all there. The pictures are not waited for:
// the game starts while they decode, and kuPlatform::loadPicture asks for each by its BMP's
// name, waits for it if need be, and takes its pixels as they are, with no file in between.
Module['noImageDecoding'] = true;
Module['noAudioDecoding'] = true;
Module['preloadPlugins'] = [].concat(Module['preloadPlugins'] || [], {
  'canHandle': function (name) {
    return /\.(webp|ogg)$/.test(name);
  },
  'handle': function (bytes, name, finish) {
    var failed = function (error) {
      // The game cannot start without it: the page says why instead of waiting for ever.
      abort('Could not decode ' + name + ': ' + error);
    };
    // The packer creates the compressed file too; it is kept empty, then removed.
    var done = function () {
      finish(new Uint8Array(0));
      FS.unlink(name);
    };
    if (/\.webp$/.test(name)) {
      quaroMedia.decodePicture(bytes, name.replace(/\.webp$/, '.bmp')).catch(failed);
      done();
    } else {
      quaroMedia.soundToWav(bytes).then(function (decoded) {
        FS.writeFile(name.replace(/\.ogg$/, '.wav'), decoded);
        done();
      }, failed);
    }
  },
});

var quaroMedia = {
  // The pixels of each picture by its desktop name, as ImageData, once decoded; a picture
  // still decoding is there as null.
  pictures: {},

  decodePicture: function (bytes, desktopName) {
    quaroMedia.pictures[quaroMedia.key(desktopName)] = null;
    return quaroMedia.picturePixels(bytes).then(function (pixels) {
      quaroMedia.pictures[quaroMedia.key(desktopName)] = pixels;
    });
  },

  // Opaque pictures only: the browser's decoder hands their pixels back unchanged.
  picturePixels: function (bytes) {
    var blob = new Blob([bytes], { type: 'image/webp' });
    return createImageBitmap(blob, { premultiplyAlpha: 'none', colorSpaceConversion: 'none' })
      .then(function (bitmap) {
        var canvas = document.createElement('canvas');
        canvas.width = bitmap.width;
        canvas.height = bitmap.height;
        var context = canvas.getContext('2d', { willReadFrequently: true });
        context.drawImage(bitmap, 0, 0);
        bitmap.close();
        return context.getImageData(0, 0, canvas.width, canvas.height);
      });
  },

  // Whether the page decodes the picture of that file: 0 when it does not, 1 while it is
  // decoding, 2 once its pixels are there.
  pictureState: function (desktopName) {
    var key = quaroMedia.key(desktopName);
    if (!(key in quaroMedia.pictures)) {
      return 0;
    }
    return quaroMedia.pictures[key] ? 2 : 1;
  },

  // The decoded pixels of a picture in state 2, as ImageData (the page's tests read them too,
  // as Module.decodedPicture).
  picture: function (desktopName) {
    return quaroMedia.pictures[quaroMedia.key(desktopName)];
  },

  // Copies a decoded picture into a surface of its size.
  drawPicture: function (desktopName, surface) {
    SDL.surfaces[surface].ctx.putImageData(quaroMedia.picture(desktopName), 0, 0);
  },

  // The absolute name of a file, as the packer names the site's files.
  key: function (name) {
    var path = name.charAt(0) === '/' ? name : FS.cwd() + '/' + name;
    return path.replace(/\/(\.\/)+/g, '/').replace(/\/+/g, '/');
  },

  // Decodes at the rate the file names, so that nothing is resampled on the way, and cuts the
  // silence the build put after the sound (web/encodeSound.cmake).
  soundToWav: function (bytes) {
    var rate = quaroMedia.vorbisRate(bytes);
    var frames = quaroMedia.vorbisFrames(bytes);
    if (!rate || !frames) {
      return Promise.reject(new Error('not an Ogg Vorbis file of the game'));
    }
    return quaroMedia.decoderAt(rate).decodeAudioData(bytes.slice().buffer).then(function (sound) {
      return quaroMedia.wavOf(sound, rate, frames);
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
    var pcm = new Int16Array(file.buffer, 44, channels * frames); // the page runs little-endian
    for (var c = 0; c < channels; ++c) {
      var samples = sound.getChannelData(c);
      for (var i = 0; i < Math.min(frames, sound.length); ++i) {
        var value = Math.round(samples[i] * 32768);
        pcm[i * channels + c] = Math.max(-32768, Math.min(32767, value));
      }
    }
    return file;
  },
};
Module['decodedPicture'] = quaroMedia.picture;
