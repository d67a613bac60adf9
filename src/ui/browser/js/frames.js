// Carries requests between a document's scripts and those of its frames. Each frame runs
// Kestrine's scripts in its own isolated world, out of its parent's reach even when the frame
// is of the same site: they talk by messages. Only the top document's scripts reach the
// program, so what a frame has to tell goes up from parent to parent.
//
// The messages stay between Kestrine's scripts: the listener below is the first a window gets
// (scripts are injected before the page's own) and keeps each of Kestrine's messages from the
// page's listeners. A document's requests carry the top document's secret; a frame answers
// and tells with the secret it was given, and a parent takes nothing without it.
//
// kestrine.frames:
//   ask(kind, request, answered, done)  sends request() to each frame the user sees, in walk
//                        order, one after the other, so that an answer can change the request
//                        the next frame gets; answered(answer, frameElement) runs for each
//                        frame that answers in time, done() after the last.
//   askOne(frame, kind, request, answered)  the same for one frame element; answered(null)
//                        when it does not answer in time.
//   handle(kind, handler)  handler(request, reply) answers a parent's requests of that kind.
//   tell(kind, notice)   passes a notice up to the top document's listen(kind, listener).
//   listen(kind, listener)  in the top document, listener(notice) for each notice told.
//   onFrameReady(listener)  listener(frameElement) once a frame's document is ready.
//   isTop                whether this is the top document.
"use strict";

(function () {
    var kMarker = "kestrine-frames";
    // A frame that has not answered by then is still loading, or has no scripts of Kestrine's
    // (a plugin, a blocked frame).
    var kAnswerWaitMs = 1000;

    var isTop = window.parent === window;
    var secret = isTop ? newSecret() : null;
    var handlers = {};
    var listeners = {};
    var readyListeners = [];
    var pending = new Map(); // request id -> {source, answered}
    var nextId = 1;

    function newSecret() {
        var bytes = new Uint32Array(4);
        crypto.getRandomValues(bytes);
        return Array.prototype.join.call(bytes, "-");
    }

    function post(target, message) {
        message.marker = kMarker;
        target.postMessage(message, "*");
    }

    function isChildFrame(source) {
        return kestrine.fields.frames().some(function (frame) {
            return frame.contentWindow === source;
        });
    }

    function frameOf(source) {
        return kestrine.fields.frames().find(function (frame) {
            return frame.contentWindow === source;
        }) || null;
    }

    function onRequest(message) {
        secret = message.secret;
        var handler = handlers[message.kind];
        if (!handler)
            return;
        handler(message.request, function (answer) {
            post(window.parent, { secret: secret, answers: message.id, answer: answer });
        });
    }

    function onNotice(message) {
        if (!isTop) {
            post(window.parent, { secret: secret, notice: message.notice, data: message.data });
            return;
        }
        (listeners[message.notice] || []).forEach(function (listener) {
            listener(message.data);
        });
    }

    window.addEventListener("message", function (event) {
        var message = event.data;
        if (!message || typeof message !== "object" || message.marker !== kMarker)
            return;
        event.stopImmediatePropagation();
        if (event.source === window.parent && !isTop && typeof message.kind === "string") {
            onRequest(message);
            return;
        }
        if (!isChildFrame(event.source))
            return;
        if (message.ready) {
            var frame = frameOf(event.source);
            readyListeners.forEach(function (listener) { listener(frame); });
            return;
        }
        if (!secret || message.secret !== secret)
            return;
        if (message.answers) {
            var asked = pending.get(message.answers);
            if (asked && asked.source === event.source) {
                pending.delete(message.answers);
                asked.answered(message.answer);
            }
        } else if (typeof message.notice === "string") {
            onNotice(message);
        }
    }, true);

    // A frame whose parent has scripts of Kestrine's says when its document is ready: the
    // parent may have fields for it that its own document lacked.
    if (!isTop) {
        document.addEventListener("DOMContentLoaded", function () {
            post(window.parent, { ready: true });
        });
    }

    function askFrame(frame, kind, request, answered) {
        var target = frame.contentWindow;
        if (!target || !secret) {
            answered(null);
            return;
        }
        var id = nextId++;
        var timer = setTimeout(function () {
            pending.delete(id);
            answered(null);
        }, kAnswerWaitMs);
        pending.set(id, { source: target, answered: function (answer) {
            clearTimeout(timer);
            answered(answer);
        } });
        post(target, { secret: secret, kind: kind, id: id, request: request });
    }

    function ask(kind, request, answered, done, frames) {
        var remaining = frames || kestrine.fields.frames();
        if (remaining.length === 0) {
            if (done)
                done();
            return;
        }
        askFrame(remaining[0], kind, request(), function (answer) {
            if (answer !== null)
                answered(answer, remaining[0]);
            ask(kind, request, answered, done, remaining.slice(1));
        });
    }

    kestrine.frames = {
        ask: function (kind, request, answered, done) {
            ask(kind, request, answered, done);
        },
        askOne: askFrame,
        handle: function (kind, handler) { handlers[kind] = handler; },
        tell: function (kind, notice) {
            if (isTop)
                onNotice({ notice: kind, data: notice });
            else if (secret)
                post(window.parent, { secret: secret, notice: kind, data: notice });
        },
        listen: function (kind, listener) {
            (listeners[kind] = listeners[kind] || []).push(listener);
        },
        onFrameReady: function (listener) { readyListeners.push(listener); },
        isTop: isTop,
    };
})();
