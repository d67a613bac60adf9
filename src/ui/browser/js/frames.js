// Carries requests between a document's scripts and those of its frames. Each frame runs
// Kestrine's scripts in its own isolated world, out of its parent's reach even when the frame
// is of the same site: they talk by messages on the page's own bus. Only the top document's
// scripts reach the program, so what a frame has to tell goes up from parent to parent.
//
// Page scripts hear that bus however early Kestrine listens: a document that calls
// document.open() loses every listener, ours too, and a listener set on a frame's first
// about:blank window carries over into the document loaded there. So no message carries a
// secret. Each carries an authentication code under the key the program wrote into these
// scripts (mac.js), over its whole content: the document that sent it, the one it is for, and
// the sender's counter, which only goes up. A page can neither make a message of Kestrine's
// nor pass one off again, here or in another frame. A request for one document goes to that
// document's site only, so that a frame that has moved on to another site cannot hear it.
//
// kestrine.frames:
//   ask(kind, request, answered, done, waitMs, frames)  sends the request to every frame the
//                        user sees (or to those given) at once; once all have answered, or
//                        waitMs (a second by default) has passed, answered(answer, frame,
//                        document, origin) runs for each answer in walk order, then done().
//   askDocument(path, kind, request, answered, waitMs)  sends the request to the document that
//                        `path` names (the ids of the documents from a child of this one down
//                        to it); answered(answer) runs once, with null when none came in time.
//   handle(kind, handler)  handler(request, reply, waitMs) answers requests of that kind;
//                        waitMs is the time left to ask frames further down.
//   tell(kind, notice)   passes a notice up to the top document's listen(kind, listener).
//   listen(kind, listener)  in the top document, listener(notice, path) for each notice told,
//                        `path` naming the document that told it ([] for the top document).
//   onFrameReady(listener)  listener(frame) once a frame's document is there, and again once
//                        it is ready.
//   originOf(id)         the site of the child document of that id, as the engine gave it.
//   isTop                whether this is the top document.
"use strict";

(function () {
    var kMarker = "kestrine-frames";
    // A frame that has not answered by then is still loading, or has no scripts of Kestrine's
    // (a plugin, a blocked frame, one its parent wrote itself).
    var kAnswerWaitMs = 1000;
    // What a frame passes on to its own frames of the time it was given.
    var kNestedShare = 0.75;

    var isTop = window.parent === window;
    var documentId = newId();
    var counter = 0;
    var parent = null; // {id, origin} of the parent document, from its first request
    var lastCounters = new Map(); // sender's id -> the last counter heard from it
    var children = new Map(); // child document's id -> {source, origin}
    var handlers = {};
    var listeners = {};
    var readyListeners = [];
    var pending = new Map(); // request id -> {source, answered}
    var nextRequest = 1;

    function newId() {
        var bytes = new Uint32Array(4);
        crypto.getRandomValues(bytes);
        return Array.prototype.join.call(bytes, "-");
    }

    // A document of an opaque origin ("null") cannot be named as a receiver.
    function receiverOrigin(origin) {
        return typeof origin === "string" && origin !== "null" ? origin : null;
    }

    function post(target, origin, body) {
        body.from = documentId;
        body.counter = ++counter;
        var text = JSON.stringify(body);
        target.postMessage({ marker: kMarker, body: text, mac: kestrine.mac(text) }, origin);
    }

    // The message's content when it is Kestrine's own and new; null otherwise.
    function opened(message) {
        if (typeof message.body !== "string" || typeof message.mac !== "string" ||
            message.mac.length === 0 || message.mac !== kestrine.mac(message.body))
            return null;
        var body;
        try {
            body = JSON.parse(message.body);
        } catch (error) {
            return null;
        }
        if (!body || typeof body.from !== "string" || !Number.isInteger(body.counter) ||
            (lastCounters.get(body.from) || 0) >= body.counter)
            return null;
        lastCounters.set(body.from, body.counter);
        return body;
    }

    function frameOf(source) {
        return kestrine.fields.frames().find(function (frame) {
            return frame.contentWindow === source;
        }) || null;
    }

    function isPath(path) {
        return Array.isArray(path) && path.every(function (id) { return typeof id === "string"; });
    }

    function askWindow(target, origin, body, waitMs, answered) {
        var id = nextRequest++;
        var timer = setTimeout(function () {
            pending.delete(id);
            answered(null);
        }, waitMs);
        pending.set(id, { source: target, answered: function (answer, from, answerOrigin) {
            clearTimeout(timer);
            pending.delete(id);
            answered(answer, from, answerOrigin);
        } });
        body.type = "ask";
        body.id = id;
        body.wait = waitMs;
        post(target, origin, body);
    }

    function askDocument(path, kind, request, answered, waitMs) {
        var child = isPath(path) && path.length > 0 ? children.get(path[0]) : null;
        var origin = child && receiverOrigin(child.origin);
        if (!child || !origin || !frameOf(child.source)) {
            answered(null);
            return;
        }
        askWindow(child.source, origin, { to: path[0], route: path.slice(1), kind: kind,
                                          request: request }, waitMs || kAnswerWaitMs,
                  function (answer) { answered(answer === undefined ? null : answer); });
    }

    function ask(kind, request, answered, done, waitMs, only) {
        var frames = only || kestrine.fields.frames();
        var answers = frames.map(function () { return null; });
        var left = frames.length + 1;
        function arrived() {
            if (--left > 0)
                return;
            answers.forEach(function (answer, i) {
                if (answer)
                    answered(answer.answer, frames[i], answer.from, answer.origin);
            });
            if (done)
                done();
        }
        frames.forEach(function (frame, i) {
            if (!frame.contentWindow) {
                arrived();
                return;
            }
            // The request names no document: a frame's document is known only once it spoke.
            askWindow(frame.contentWindow, "*", { to: "", kind: kind, request: request },
                      waitMs || kAnswerWaitMs, function (answer, from, origin) {
                if (answer !== null && answer !== undefined)
                    answers[i] = { answer: answer, from: from, origin: origin };
                arrived();
            });
        });
        arrived();
    }

    function reply(request, answer) {
        if (parent)
            post(window.parent, parent.origin, { type: "answer", to: parent.id,
                                                 answers: request.id, answer: answer });
    }

    function onRequest(body, origin) {
        if (body.type !== "ask" || typeof body.kind !== "string" || !Number.isInteger(body.id) ||
            (body.to !== "" && body.to !== documentId) || (parent && parent.id !== body.from))
            return;
        var senderOrigin = receiverOrigin(origin);
        if (!senderOrigin)
            return;
        parent = { id: body.from, origin: senderOrigin };
        var waitMs = Math.max(0, Math.min(Number(body.wait) || 0, kAnswerWaitMs)) * kNestedShare;
        if (isPath(body.route) && body.route.length > 0) {
            askDocument(body.route, body.kind, body.request, function (answer) {
                reply(body, answer);
            }, waitMs);
            return;
        }
        var handler = handlers[body.kind];
        if (handler)
            handler(body.request, function (answer) { reply(body, answer); }, waitMs);
    }

    function deliver(kind, notice, path) {
        (listeners[kind] || []).forEach(function (listener) { listener(notice, path); });
    }

    function tellUp(kind, notice, path) {
        if (isTop)
            deliver(kind, notice, path);
        else if (parent)
            post(window.parent, parent.origin, { type: "notice", to: parent.id, kind: kind,
                                                 notice: notice, path: path });
    }

    function onChildMessage(body, frame, source, origin) {
        children.set(body.from, { source: source, origin: origin });
        if (body.type === "ready") {
            readyListeners.forEach(function (listener) { listener(frame); });
            return;
        }
        if (body.to !== documentId)
            return;
        if (body.type === "answer") {
            var asked = pending.get(body.answers);
            if (asked && asked.source === source)
                asked.answered(body.answer, body.from, origin);
        } else if (body.type === "notice" && typeof body.kind === "string" && isPath(body.path)) {
            tellUp(body.kind, body.notice, [body.from].concat(body.path));
        }
    }

    window.addEventListener("message", function (event) {
        var message = event.data;
        if (!message || typeof message !== "object" || message.marker !== kMarker)
            return;
        event.stopImmediatePropagation();
        var body = opened(message);
        if (!body)
            return;
        if (!isTop && event.source === window.parent) {
            onRequest(body, event.origin);
            return;
        }
        var frame = event.source ? frameOf(event.source) : null;
        if (frame)
            onChildMessage(body, frame, event.source, event.origin);
    }, true);

    // A frame says when its document is there, and again when it is ready: the parent may
    // have work for it that its own document lacked, and a question asked early is answered as
    // soon as the document is ready. The notice names nobody and carries nothing.
    if (!isTop) {
        var announce = function () { post(window.parent, "*", { type: "ready", to: "" }); };
        announce();
        document.addEventListener("DOMContentLoaded", announce);
    }

    kestrine.frames = {
        ask: ask,
        askDocument: askDocument,
        handle: function (kind, handler) { handlers[kind] = handler; },
        tell: function (kind, notice) { tellUp(kind, notice, []); },
        listen: function (kind, listener) {
            (listeners[kind] = listeners[kind] || []).push(listener);
        },
        onFrameReady: function (listener) { readyListeners.push(listener); },
        originOf: function (id) {
            var child = children.get(id);
            return child ? child.origin : "";
        },
        isTop: isTop,
    };
})();
