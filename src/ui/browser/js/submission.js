// Watches the filled form for its submission and tells the program, and keeps the text the
// user could read at that moment: a page that stays after sending its form shows its
// confirmation afterwards, and only text shown since counts as one.
//
// kestrine.submission:
//   markFilled(element)  the element holds a value of the fill's (set, or typed by the user).
//   watch(form)          reports the form's submissions from now on.
//   filledAt(path, origin)  the last fill's values went to the document `path` names (frames.js;
//                        [] for the top document) of that origin; the top document hears the
//                        submissions of that document only.
//   filledPath(), filledOrigin()  as last given; null and "" before any fill.
//   isNewlyShown(text)   whether the user sees the text more often now than at the last
//                        submission in this document; false before one.
"use strict";

(function () {
    var filled = new WeakSet();
    var path = null;
    var origin = "";
    var shownAtSubmit = null;
    var snapshotted = new WeakSet();
    var reported = new WeakSet();

    function holdsFilledField(form) {
        return form instanceof HTMLFormElement &&
            Array.prototype.some.call(form.elements, function (e) { return filled.has(e); });
    }

    // Rendered text only: innerText leaves out what is not displayed or not visible.
    function isRendered(element) {
        return element.getClientRects().length > 0;
    }

    function shownText() {
        var parts = [];
        if (document.body && isRendered(document.body))
            parts.push(document.body.innerText);
        kestrine.fields.walk(function (element) {
            if (element.shadowRoot) {
                Array.prototype.forEach.call(element.shadowRoot.children, function (child) {
                    if (child instanceof HTMLElement && isRendered(child))
                        parts.push(child.innerText);
                });
            }
            return false;
        });
        return parts.join("\n");
    }

    function snapshot(event) {
        if (snapshotted.has(event))
            return;
        snapshotted.add(event);
        shownAtSubmit = shownText();
    }
    // Before any handler of the page can show something in answer to the submission.
    window.addEventListener("submit", function (event) {
        if (event.isTrusted)
            snapshot(event);
    }, true);

    function collapsed(text) {
        return text.replace(/\s+/g, " ").trim();
    }

    // A confirmation text is kept as the page's source has it: markup and entities stand for
    // what the user reads.
    function readable(text) {
        if (!/[<&]/.test(text))
            return collapsed(text);
        var parsed = new DOMParser().parseFromString(text, "text/html");
        return collapsed(parsed.body ? parsed.body.textContent : text);
    }

    function occurrences(text, part) {
        var count = 0;
        for (var at = text.indexOf(part); part && at >= 0; at = text.indexOf(part, at + 1))
            ++count;
        return count;
    }

    function isNewlyShown(text) {
        if (shownAtSubmit === null)
            return false;
        var part = readable(text);
        return occurrences(collapsed(shownText()), part) >
               occurrences(collapsed(shownAtSubmit), part);
    }

    // Every submission collects its form's data just before it leaves, also one by the page's
    // own form.submit(), which fires no submit event: the program hears whose data it is before
    // the navigation starts. The event stays inside a shadow root, so a watched form there is
    // listened to itself.
    var collected = new WeakSet();
    var lastSubmit = null;
    function onFormData(event) {
        if (!event.isTrusted || collected.has(event))
            return;
        collected.add(event);
        var holds = holdsFilledField(event.target);
        if (kestrine.frames.isTop) {
            var events = kestrine.objects && kestrine.objects.pageEvents;
            if (events)
                events.formDataCollected(holds);
            return;
        }
        // A frame's submission that goes through leaves the frame's document before a later
        // task could tell of it: the data collected for the submit event still going on says
        // that no handler refused it.
        if (lastSubmit && lastSubmit.target === event.target && !lastSubmit.defaultPrevented &&
            !reported.has(lastSubmit)) {
            reported.add(lastSubmit);
            kestrine.frames.tell("submit", { holds: holds, cancelled: false });
        }
    }
    window.addEventListener("formdata", onFormData, true);

    function tellSink(notice) {
        var sink = kestrine.objects && kestrine.objects.submitSink;
        if (!sink)
            return;
        if (notice.cancelled)
            sink.cancelled(notice.holds === true);
        else
            sink.invoke(notice.holds === true);
    }

    function samePath(a, b) {
        return Array.isArray(a) && Array.isArray(b) && a.length === b.length &&
               a.every(function (id, i) { return id === b[i]; });
    }

    // A frame's notice counts only when it comes from the document that got the values; the
    // top document of its site may show the confirmation too, so it keeps what it showed.
    kestrine.frames.listen("submit", function (notice, from) {
        if (!notice || from.length === 0 || !samePath(from, path))
            return;
        shownAtSubmit = shownText();
        tellSink(notice);
    });

    // Never cancels anything: the page's validation and scripts stay in charge of the
    // submission. They may refuse it (an onsubmit that returns false, preventDefault in a
    // listener that runs after this one), so the verdict waits for a later task, when every
    // handler of the event has run. A page that sends the form itself in the background cancels
    // the browser's sending as well; the program tells that from a refusal by the request that
    // follows.
    function onSubmit(event) {
        if (!event.isTrusted)
            return;
        lastSubmit = event;
        if (reported.has(event))
            return;
        snapshot(event);
        var holds = holdsFilledField(event.target);
        setTimeout(function () {
            if (reported.has(event))
                return;
            reported.add(event);
            var notice = { holds: holds, cancelled: event.defaultPrevented };
            if (kestrine.frames.isTop)
                tellSink(notice);
            else
                kestrine.frames.tell("submit", notice);
        }, 0);
    }

    kestrine.submission = {
        markFilled: function (element) { filled.add(element); },
        watch: function (form) {
            // addEventListener ignores a listener already there, so filling again adds nothing.
            form.addEventListener("submit", onSubmit);
            form.addEventListener("formdata", onFormData);
            window.addEventListener("submit", onSubmit);
        },
        filledAt: function (to, toOrigin) {
            path = to;
            origin = toOrigin;
        },
        filledPath: function () { return path; },
        filledOrigin: function () { return origin; },
        isNewlyShown: isNewlyShown,
    };
})();
