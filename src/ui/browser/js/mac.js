// The authentication code of frames.js's messages: HMAC-SHA-256 under the key the program wrote
// into Kestrine's own scripts, which no page script can read. Computed here, because the
// engine offers crypto.subtle on secure pages only (a directory served over plain http has
// none), and only asynchronously.
//
// kestrine.mac(text)   the code of the text, in hex; "" when the program gave no key.
"use strict";

(function () {
    var kRounds = [
        0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4,
        0xab1c5ed5, 0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe,
        0x9bdc06a7, 0xc19bf174, 0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f,
        0x4a7484aa, 0x5cb0a9dc, 0x76f988da, 0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7,
        0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967, 0x27b70a85, 0x2e1b2138, 0x4d2c6dfc,
        0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85, 0xa2bfe8a1, 0xa81a664b,
        0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070, 0x19a4c116,
        0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
        0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7,
        0xc67178f2,
    ];
    var kStart = [0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c,
                  0x1f83d9ab, 0x5be0cd19];
    var kBlock = 64;

    function rotate(x, n) {
        return (x >>> n) | (x << (32 - n));
    }

    function compress(state, view, offset, w) {
        var i;
        for (i = 0; i < 16; ++i)
            w[i] = view.getUint32(offset + 4 * i);
        for (i = 16; i < 64; ++i) {
            var s0 = rotate(w[i - 15], 7) ^ rotate(w[i - 15], 18) ^ (w[i - 15] >>> 3);
            var s1 = rotate(w[i - 2], 17) ^ rotate(w[i - 2], 19) ^ (w[i - 2] >>> 10);
            w[i] = w[i - 16] + s0 + w[i - 7] + s1;
        }
        var a = state[0], b = state[1], c = state[2], d = state[3];
        var e = state[4], f = state[5], g = state[6], h = state[7];
        for (i = 0; i < 64; ++i) {
            var t1 = (h + (rotate(e, 6) ^ rotate(e, 11) ^ rotate(e, 25)) + ((e & f) ^ (~e & g)) +
                      kRounds[i] + w[i]) | 0;
            var t2 = ((rotate(a, 2) ^ rotate(a, 13) ^ rotate(a, 22)) +
                      ((a & b) ^ (a & c) ^ (b & c))) | 0;
            h = g; g = f; f = e; e = (d + t1) | 0; d = c; c = b; b = a; a = (t1 + t2) | 0;
        }
        [a, b, c, d, e, f, g, h].forEach(function (value, k) {
            state[k] = (state[k] + value) | 0;
        });
    }

    function sha256(bytes) {
        var blocks = Math.ceil((bytes.length + 9) / kBlock);
        var padded = new Uint8Array(blocks * kBlock);
        padded.set(bytes);
        padded[bytes.length] = 0x80;
        var view = new DataView(padded.buffer);
        var bits = bytes.length * 8;
        view.setUint32(padded.length - 8, Math.floor(bits / 0x100000000));
        view.setUint32(padded.length - 4, bits >>> 0);
        var state = kStart.slice();
        var w = new Uint32Array(64);
        for (var offset = 0; offset < padded.length; offset += kBlock)
            compress(state, view, offset, w);
        var digest = new Uint8Array(32);
        var out = new DataView(digest.buffer);
        state.forEach(function (value, k) { out.setUint32(4 * k, value >>> 0); });
        return digest;
    }

    function joined(first, second) {
        var bytes = new Uint8Array(first.length + second.length);
        bytes.set(first);
        bytes.set(second, first.length);
        return bytes;
    }

    function padKey(key, pad) {
        var block = new Uint8Array(kBlock);
        for (var i = 0; i < kBlock; ++i)
            block[i] = (i < key.length ? key[i] : 0) ^ pad;
        return block;
    }

    function hex(bytes) {
        return Array.prototype.map.call(bytes, function (b) {
            return (b + 256).toString(16).slice(1);
        }).join("");
    }

    function hmac(key, message) {
        var inner = sha256(joined(padKey(key, 0x36), message));
        return hex(sha256(joined(padKey(key, 0x5c), inner)));
    }

    var encoder = new TextEncoder();
    var key = typeof kestrine.key === "string" ? encoder.encode(kestrine.key) : null;
    // Nothing else of Kestrine's needs the key: it leaves the object, out of every other reach.
    delete kestrine.key;

    kestrine.mac = function (text) {
        return key && key.length <= kBlock ? hmac(key, encoder.encode(text)) : "";
    };
})();
