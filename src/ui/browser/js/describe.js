// Describes the page's form fields for the program to learn the page, fills fields by the
// meaning the program found in them, and offers the text a result page greets with.
"use strict";

(function () {
    var clean = kestrine.clean;

    // Fields the user typed into: filling by meaning never overwrites them. Only trusted
    // events count; the program's own filling sends untrusted ones.
    var typed = new WeakSet();
    window.addEventListener("input", function (event) {
        if (event.isTrusted && event.target)
            typed.add(event.target);
    }, true);

    function describeField(field, ordinal, forms) {
        var element = field.element;
        return {
            form: forms.indexOf(element.form),
            tag: element.tagName.toLowerCase(),
            type: element instanceof HTMLInputElement ? element.type : "",
            name: element.getAttribute("name") || "",
            id: element.getAttribute("id") || "",
            index: field.index,
            ordinal: ordinal,
            label: kestrine.labelOf(element),
            placeholder: clean(element.getAttribute("placeholder")),
            nearbyText: kestrine.nearbyTextOf(element),
            noteAfter: kestrine.noteAfter(element),
            autocomplete: clean(element.getAttribute("autocomplete")).toLowerCase(),
            title: clean(element.getAttribute("title")),
            options: element instanceof HTMLSelectElement
                ? Array.prototype.slice.call(element.options, 0, 100).map(function (option) {
                    return clean(option.text);
                })
                : [],
        };
    }

    // A form's own properties, which controls named like them ("action", "elements") hide.
    var formElements = Object.getOwnPropertyDescriptor(HTMLFormElement.prototype, "elements").get;
    function formAttribute(form, name) {
        return clean(Element.prototype.getAttribute.call(form, name));
    }

    // What tells a form's purpose: where it goes, what it is called, whether it asks for a
    // password, and what its buttons say.
    function describeForm(form) {
        var buttons = [];
        var passwords = 0;
        Array.prototype.forEach.call(formElements.call(form), function (control) {
            if (control instanceof HTMLInputElement && control.type === "password") {
                if (kestrine.isShown(control))
                    ++passwords;
            } else if (control instanceof HTMLButtonElement && control.type === "submit") {
                buttons.push(clean(control.textContent) ||
                             clean(control.getAttribute("aria-label") || control.title));
            } else if (control instanceof HTMLInputElement &&
                       (control.type === "submit" || control.type === "image")) {
                buttons.push(clean(control.value || control.alt || control.title));
            }
        });
        return {
            action: formAttribute(form, "action"),
            id: formAttribute(form, "id"),
            name: formAttribute(form, "name"),
            className: formAttribute(form, "class"),
            searchRole: Element.prototype.closest.call(form, "[role=search]") !== null,
            passwords: passwords,
            buttons: buttons.slice(0, 10),
        };
    }

    // The elements of the latest descriptions by token, so that a fill acts on exactly the
    // elements described; a field the page inserts meanwhile shifts nothing. The isolated world
    // ends with its document: a token cannot reach a page loaded since.
    var descriptions = new Map();
    // A frame fills at once; the time is for one that still loads.
    var kFrameFillWaitMs = 5000;
    var kDescriptionsKept = 4;

    function newToken() {
        var bytes = new Uint8Array(16);
        crypto.getRandomValues(bytes);
        return Array.prototype.map.call(bytes, function (b) {
            return (b + 256).toString(16).slice(1);
        }).join("");
    }

    function keep(token, targets) {
        descriptions.set(token, targets);
        if (descriptions.size > kDescriptionsKept)
            descriptions.delete(descriptions.keys().next().value);
    }

    // This document's fields and forms, its frames left out.
    function describeHere() {
        var fields = kestrine.fields.fillable();
        var forms = kestrine.fields.forms();
        var token = newToken();
        keep(token, fields.map(function (field) { return field.element; }));
        return {
            title: clean(document.title),
            address: location.href,
            token: token,
            fields: fields.map(function (field, ordinal) {
                return describeField(field, ordinal, forms);
            }),
            forms: forms.map(describeForm),
        };
    }

    // The document's description followed by those of the frames the user sees, in walk order.
    // A frame's field says which frame it stands in; the description's token reaches it through
    // the frame's own token. Frames of another site count only when this document has no field:
    // a form of the page's own is the one to learn, not a newsletter box beside it.
    function describeWithFrames(waitMs, done) {
        var page = describeHere();
        var targets = descriptions.get(page.token);
        var hasOwnFields = page.fields.length > 0;
        kestrine.frames.ask("describe", {}, function (answer, frame, from, origin) {
            if (!answer || !Array.isArray(answer.fields) || !Array.isArray(answer.forms) ||
                hasOwnFields && origin !== location.origin)
                return;
            var formsBefore = page.forms.length;
            answer.forms.forEach(function (form) { page.forms.push(form); });
            answer.fields.forEach(function (field) {
                targets.push({ frame: from, token: answer.token, ordinal: field.ordinal });
                field.ordinal = page.fields.length;
                field.form = field.form >= 0 ? field.form + formsBefore : -1;
                field.frame = field.frame || clean(answer.address);
                page.fields.push(field);
            });
        }, function () { done(page); }, waitMs);
    }

    kestrine.frames.handle("describe", function (request, reply, waitMs) {
        describeWithFrames(waitMs, reply);
    });

    // Returns JSON: the page's title and address, its fields and the token that fills them.
    // The frames' fields are left out; describeWithFrames() has them.
    kestrine.describe = function () {
        return JSON.stringify(describeHere());
    };

    // Answers question `question` with what describe() returns, the fields of the frames the
    // user sees included.
    kestrine.describeWithFrames = function (question) {
        describeWithFrames(0, function (page) {
            var events = kestrine.objects && kestrine.objects.pageEvents;
            if (events)
                events.answered(question, JSON.stringify(page));
        });
        return null;
    };

    // The document that gets the values, as the fill by rules chooses it: the one the most
    // values are meant for, this one first; a frame of another site only when this document
    // gets none and the frame's share is the form's (the feed's address, or most of the
    // values, and more than an e-mail address or a name). Returns the frame's id, "" for this
    // document, null for none.
    function documentFor(values, targets) {
        var shares = new Map(); // "" or a frame's id -> {count, feed, contactOnly, origin}
        values.forEach(function (entry) {
            var target = targets[entry.ordinal];
            if (!target)
                return;
            var key = target instanceof Element ? "" : target.frame;
            var share = shares.get(key) || { count: 0, feed: false, contactOnly: true };
            ++share.count;
            share.feed = share.feed || entry.role === "feed";
            share.contactOnly = share.contactOnly && entry.role === "contact";
            shares.set(key, share);
        });
        var best = null;
        shares.forEach(function (share, key) {
            var otherSite = key !== "" && kestrine.frames.originOf(key) !== location.origin;
            var isForm = !share.contactOnly && (share.feed || share.count * 2 > values.length);
            if (otherSite && (shares.has("") || !isForm))
                return;
            if (best === null || share.count > shares.get(best).count)
                best = key;
        });
        return best;
    }

    // token: as a description gave it; values: [{ordinal, value, role}], ordinals of that
    // description. Only described elements still in the document are filled, never one the
    // user typed into, and only those of the one document documentFor() chooses. done() gets
    // the ordinals filled, how many fields were kept because the user typed into them, whether
    // a form is now watched, and the captions of the fields left for the user.
    function fillByMeaning(token, values, done) {
        var targets = descriptions.get(token) || [];
        var outcome = { filled: [], kept: 0, armed: false, left: [] };
        var chosen = documentFor(values, targets);
        if (chosen === null) {
            done(outcome);
            return;
        }
        if (chosen !== "") {
            fillFrameByMeaning(chosen, values, targets, outcome, done);
            return;
        }
        if (kestrine.frames.isTop)
            kestrine.submission.filledAt([], location.origin);
        outcome.origin = location.origin;
        var form = null;
        values.forEach(function (entry) {
            var target = targets[entry.ordinal];
            if (!(target instanceof Element) || !target.isConnected)
                return;
            if (typed.has(target)) {
                ++outcome.kept;
                return;
            }
            var set = kestrine.values.set(target, { value: entry.value });
            if (!set)
                return;
            kestrine.submission.markFilled(set);
            form = set.form;
            outcome.filled.push(entry.ordinal);
        });
        if (form)
            kestrine.submission.watch(form);
        outcome.armed = form !== null;
        outcome.left = kestrine.leftForUser(outcome.filled.length + outcome.kept > 0, form);
        done(outcome);
    }

    function fillFrameByMeaning(frame, values, targets, outcome, done) {
        var part = { token: null, values: [], ordinals: [] };
        values.forEach(function (entry) {
            var target = targets[entry.ordinal];
            if (!target || target instanceof Element || target.frame !== frame)
                return;
            part.token = target.token;
            part.values.push({ ordinal: target.ordinal, value: entry.value, role: entry.role });
            part.ordinals[target.ordinal] = entry.ordinal;
        });
        outcome.origin = kestrine.frames.originOf(frame);
        if (kestrine.frames.isTop)
            kestrine.submission.filledAt([frame], outcome.origin);
        kestrine.frames.askDocument([frame], "fillByMeaning",
                                    { token: part.token, values: part.values }, function (answer) {
            if (answer && Array.isArray(answer.filled)) {
                answer.filled.forEach(function (ordinal) {
                    if (part.ordinals[ordinal] !== undefined)
                        outcome.filled.push(part.ordinals[ordinal]);
                });
                outcome.kept += answer.kept | 0;
                outcome.armed = answer.armed === true;
                if (Array.isArray(answer.left))
                    outcome.left = answer.left;
            }
            done(outcome);
        }, kFrameFillWaitMs);
    }

    kestrine.frames.handle("fillByMeaning", function (request, reply) {
        if (request && typeof request.token === "string" && Array.isArray(request.values))
            fillByMeaning(request.token, request.values, reply);
    });

    // Answers question `question` with JSON: the ordinals filled, how many fields were kept
    // because the user typed into them, whether a form is now watched, and the captions of the
    // fields left for the user.
    kestrine.fillByMeaning = function (question, token, values) {
        fillByMeaning(token, values, function (outcome) {
            var events = kestrine.objects && kestrine.objects.pageEvents;
            if (events)
                events.answered(question, JSON.stringify(outcome));
        });
        return null;
    };

    // The text a result page greets with: the first words of its main heading, or else of
    // its first prominent message, as one piece of text that stands unbroken in the page's
    // source. Returns JSON: an array holding that text, empty when the page has none.
    kestrine.confirmationText = function () {
        var selectors = ["h1", "h2", "[role=alert]", "[role=status]", "h3", "p"];
        for (var s = 0; s < selectors.length; ++s) {
            var elements = document.querySelectorAll(selectors[s]);
            for (var e = 0; e < elements.length; ++e) {
                var walker = document.createTreeWalker(elements[e], NodeFilter.SHOW_TEXT);
                for (var node = walker.nextNode(); node; node = walker.nextNode()) {
                    var text = node.data.trim();
                    if (text.length >= 4)
                        return JSON.stringify([text]);
                }
            }
        }
        return JSON.stringify([""]);
    };
})();
