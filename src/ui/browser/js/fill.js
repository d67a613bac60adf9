// Fills the page's form from a list of fields, reports what was filled, fills fields that the
// page adds a little later, and watches the form for its submission.
"use strict";

(function () {
    // How long after a fill fields that the page's scripts add are still filled.
    var LATE_FIELDS_MS = 10000;
    // How long filled fields stay outlined.
    var OUTLINE_MS = 2000;

    // The elements a fill set or found typed in: a submission is the directory's only when its
    // form holds one of them, not when a search or newsletter form beside it is sent.
    var filled = new WeakSet();

    function holdsFilledField(form) {
        return form instanceof HTMLFormElement &&
            Array.prototype.some.call(form.elements, function (e) { return filled.has(e); });
    }

    // Every submission collects its form's data just before it leaves, also one by the page's
    // own form.submit(), which fires no submit event: the program hears whose data it is before
    // the navigation starts. The event stays inside a shadow root, so a watched form there is
    // listened to itself.
    var collected = new WeakSet();
    function onFormData(event) {
        var events = kestrine.objects && kestrine.objects.pageEvents;
        if (!event.isTrusted || !events || collected.has(event))
            return;
        collected.add(event);
        events.formDataCollected(holdsFilledField(event.target));
    }
    window.addEventListener("formdata", onFormData, true);

    // Fields the user typed into; no fill ever overwrites what the user wrote.
    var typed = new WeakSet();
    document.addEventListener("input", function (event) {
        if (event.isTrusted)
            typed.add(event.target);
    }, true);

    // Pages built on scripts keep their own copy of what was typed; they learn of a new value
    // only from the events typing would have sent.
    function announceChange(element) {
        element.dispatchEvent(new Event("input", { bubbles: true }));
        element.dispatchEvent(new Event("change", { bubbles: true }));
    }

    function chooseOption(select, value) {
        var options = Array.prototype.slice.call(select.options);
        var option = options.find(function (o) { return o.value === value; }) ||
                     options.find(function (o) { return o.text === value; });
        if (option && !option.selected) {
            option.selected = true;
            announceChange(select);
        }
    }

    function setValue(element, value) {
        try {
            element.value = value;
            announceChange(element);
        } catch (error) {
            // A file input refuses any value but "": skipped like any failed page operation.
        }
    }

    // The radio button of `radio`'s group (same name, same form) whose value is `value`.
    function radioOfGroup(radio, value) {
        var scope = radio.form
            ? Array.prototype.slice.call(radio.form.elements)
            : Array.prototype.slice.call(radio.getRootNode().querySelectorAll("input"));
        return scope.find(function (other) {
            return other instanceof HTMLInputElement && other.type === "radio" &&
                   other.name === radio.name && other.form === radio.form && other.value === value;
        });
    }

    // Ticks a box or picks a radio button as a click would: pages built on scripts (React)
    // learn of it from the click, others from the change that follows it.
    function check(element) {
        if (!element.checked)
            element.click();
        // A box the click left unticked (a page that cancels clicks) is ticked as before.
        if (!element.checked) {
            element.checked = true;
            announceChange(element);
        }
    }

    // A check-box item ticks its box (never unticks it) and picks its radio button; returns the
    // element set, or null when the item falls back to setting the value.
    function setCheckItem(element, value) {
        if (element.type === "checkbox") {
            if (value !== "")
                element.value = value;
            check(element);
            return element;
        }
        var radio = element.type === "radio" ? radioOfGroup(element, value) : null;
        if (radio)
            check(radio);
        return radio || null;
    }

    // Sets one field; returns the element that got the value, or null when the element is not
    // one that takes a value.
    function setField(element, field) {
        if (element instanceof HTMLInputElement && field.checkbox) {
            var checked = setCheckItem(element, field.value);
            if (checked)
                return checked;
        }
        if (element instanceof HTMLInputElement || element instanceof HTMLTextAreaElement) {
            setValue(element, field.value);
            return element;
        }
        if (element instanceof HTMLSelectElement) {
            chooseOption(element, field.value);
            return element;
        }
        return null;
    }

    // A short outline around the filled fields, drawn in a layer of its own above the page so
    // that none of the page's elements or styles change.
    function outline(elements) {
        if (elements.length === 0 || !document.documentElement)
            return;
        var host = document.createElement("kestrine-outline");
        host.style.cssText = "all: initial !important; position: absolute !important; " +
            "left: 0 !important; top: 0 !important; pointer-events: none !important; " +
            "z-index: 2147483647 !important;";
        var layer = host.attachShadow({ mode: "closed" });
        elements.forEach(function (element) {
            var box = element.getBoundingClientRect();
            if (box.width === 0 && box.height === 0)
                return;
            var frame = document.createElement("div");
            frame.style.cssText = "position: absolute; box-sizing: border-box; " +
                "border: 2px solid rgba(46, 125, 220, 0.6); border-radius: 3px; " +
                "left: " + (box.left + window.scrollX - 2) + "px; " +
                "top: " + (box.top + window.scrollY - 2) + "px; " +
                "width: " + (box.width + 4) + "px; height: " + (box.height + 4) + "px;";
            layer.appendChild(frame);
        });
        document.documentElement.appendChild(host);
        setTimeout(function () { host.remove(); }, OUTLINE_MS);
    }

    var reported = new WeakSet();

    // Only the top document reaches the program; a frame's submission goes up to it.
    function tellSubmission(notice) {
        if (!kestrine.frames.isTop) {
            kestrine.frames.tell("submit", notice);
            return;
        }
        var sink = kestrine.objects && kestrine.objects.submitSink;
        if (!sink)
            return;
        if (notice.cancelled)
            sink.cancelled(notice.holds === true);
        else
            sink.invoke(notice.holds === true);
    }
    kestrine.frames.listen("submit", tellSubmission);

    // Never cancels anything: the page's validation and scripts stay in charge of the
    // submission. They may refuse it (an onsubmit that returns false, preventDefault in a
    // listener that runs after this one), so the verdict waits for a later task, when every
    // handler of the event has run. A page that sends the form itself in the background cancels
    // the browser's sending as well; the program tells that from a refusal by the request that
    // follows.
    function onSubmit(event) {
        if (!event.isTrusted || reported.has(event))
            return;
        reported.add(event);
        var holds = holdsFilledField(event.target);
        setTimeout(function () {
            tellSubmission({ holds: holds, cancelled: event.defaultPrevented });
        }, 0);
    }

    function watchSubmission(form) {
        // addEventListener ignores a listener already there, so filling again adds nothing.
        form.addEventListener("submit", onSubmit);
        form.addEventListener("formdata", onFormData);
        window.addEventListener("submit", onSubmit);
    }

    // The meaning filler sets fields and watches forms the same way. Its setField answers the
    // element's form (null outside a form), or undefined when the element takes no value.
    kestrine.setField = function (element, value) {
        var set = setField(element, { value: value });
        if (set)
            filled.add(set);
        return set ? set.form : undefined;
    };
    kestrine.watchSubmission = watchSubmission;

    // One fill of the page and what it achieved, kept while late fields may still come. Each
    // field keeps its position in the top document's list, the one the program gave: a frame
    // fills the fields its parent lacked and tells their positions.
    var current = null;
    var fillCount = 0;

    // Sets the fields of the current fill whose element is there: every field at first, later
    // only those still missing. The fill's form is that of the last field set, in list order.
    function fillPass(late) {
        var newlySet = [];
        current.fields.forEach(function (field, i) {
            if (late && current.set[i])
                return;
            var element = kestrine.fields.find(field.name, field.index);
            if (!element)
                return;
            // What the user typed stays, and counts as filled.
            var kept = typed.has(element);
            var set = kept ? element : setField(element, field);
            if (!set)
                return;
            current.set[i] = true;
            current.forms[i] = set.form;
            filled.add(set);
            if (!kept)
                newlySet.push(set);
        });
        var form = null;
        current.forms.forEach(function (f, i) {
            if (current.set[i])
                form = f;
        });
        if (form)
            watchSubmission(form);
        current.form = form;
        current.armed = form !== null;
        outline(newlySet);
        return newlySet.length;
    }

    function positionsSet(fill) {
        var positions = [];
        fill.fields.forEach(function (field, i) {
            if (fill.set[i])
                positions.push(field.position);
        });
        return positions;
    }

    function missingFields(fill) {
        return fill.fields.filter(function (field, i) {
            return !fill.set[i] && !fill.inFrames.has(field.position);
        });
    }

    // The captions of the fields left for the user in the form this document filled.
    function leftHere(fill) {
        return kestrine.leftForUser(positionsSet(fill).length > 0, fill.form,
                                    fill.inFrames.size > 0);
    }

    function report() {
        var missing = missingFields(current).map(function (field) { return field.name; });
        var fieldsSet = current.fields.length - missing.length;
        return JSON.stringify({
            fieldsTotal: current.fields.length,
            fieldsSet: fieldsSet,
            missing: missing,
            armed: current.armed || current.framesArmed,
            left: leftHere(current).concat(current.framesLeft),
            components: fieldsSet === 0 && kestrine.fields.hasCustomElements(),
        });
    }

    // Tells what the fill achieved since its first report: the top document tells the program,
    // a frame its parent, and on up.
    function tellProgress(fill) {
        if (current !== fill)
            return;
        if (!kestrine.frames.isTop) {
            kestrine.frames.tell("fillSet", {
                fill: fill.id, positions: positionsSet(fill).concat(Array.from(fill.inFrames)),
                armed: fill.armed || fill.framesArmed,
                left: leftHere(fill).concat(fill.framesLeft),
            });
            return;
        }
        var events = kestrine.objects && kestrine.objects.pageEvents;
        if (events)
            events.fillUpdated(report());
    }

    function noteFramesSet(fill, answer) {
        if (!answer || !Array.isArray(answer.positions))
            return false;
        var known = new Set(fill.fields.map(function (field) { return field.position; }));
        var before = fill.inFrames.size;
        answer.positions.forEach(function (position) {
            if (known.has(position))
                fill.inFrames.add(position);
        });
        fill.framesArmed = fill.framesArmed || answer.armed === true;
        // What a frame leaves for the user, each caption once however often the frame tells.
        if (Array.isArray(answer.left)) {
            answer.left.forEach(function (caption) {
                if (typeof caption === "string" && fill.framesLeft.indexOf(caption) < 0)
                    fill.framesLeft.push(caption);
            });
        }
        return fill.inFrames.size > before || answer.armed === true;
    }
    kestrine.frames.listen("fillSet", function (notice) {
        if (current && notice && notice.fill === current.id && noteFramesSet(current, notice))
            tellProgress(current);
    });

    function frameRequest(fill) {
        return { fill: fill.id, fields: missingFields(fill) };
    }

    // The fields this document lacks are looked for in its frames, in walk order: each frame
    // gets those that the frames before it did not have.
    function fillFrames(fill) {
        if (missingFields(fill).length === 0)
            return;
        var changed = false;
        kestrine.frames.ask("fill", function () { return frameRequest(fill); }, function (answer) {
            changed = noteFramesSet(fill, answer) || changed;
        }, function () {
            if (changed)
                tellProgress(fill);
        });
    }

    // A frame whose document was not ready at the fill gets what is still missing once it is.
    kestrine.frames.onFrameReady(function (frame) {
        var fill = current;
        if (!fill || !frame || !fill.watching || missingFields(fill).length === 0)
            return;
        kestrine.frames.askOne(frame, "fill", frameRequest(fill), function (answer) {
            if (noteFramesSet(fill, answer))
                tellProgress(fill);
        });
    });

    // Pages that build their form with scripts add fields after the document is ready; those
    // of the directory's rules are filled as they appear, and the program hears the new report.
    function watchLateFields(fill) {
        var stop = kestrine.fields.observe(function () {
            if (current === fill && fillPass(true) > 0)
                tellProgress(fill);
        });
        fill.watching = true;
        fill.stopWatching = function () {
            fill.watching = false;
            stop();
        };
        setTimeout(fill.stopWatching, LATE_FIELDS_MS);
    }

    function startFill(fields, id) {
        if (current && current.stopWatching)
            current.stopWatching();
        current = {
            id: id,
            fields: fields,
            set: fields.map(function () { return false; }),
            forms: fields.map(function () { return null; }),
            form: null,
            inFrames: new Set(),
            framesLeft: [],
            armed: false,
            framesArmed: false,
            watching: false,
            stopWatching: null,
        };
        fillPass(false);
        watchLateFields(current);
        fillFrames(current);
        return current;
    }

    function isFieldRequest(field) {
        return field && typeof field.name === "string" && Number.isInteger(field.index) &&
               typeof field.value === "string" && Number.isInteger(field.position);
    }

    kestrine.frames.handle("fill", function (request, reply) {
        if (!request || !Array.isArray(request.fields))
            return;
        var fill = startFill(request.fields.filter(isFieldRequest), request.fill);
        reply({ positions: positionsSet(fill), armed: fill.armed, left: leftHere(fill) });
    });

    // fields: [{name, index, value, checkbox}], values composed. Returns JSON: how many of the
    // fields were set, the names of those that were not, whether a form is now watched, and the
    // captions of the fields left for the user. Fields found in frames come in later reports.
    kestrine.fill = function (fields) {
        startFill(fields.map(function (field, position) {
            return Object.assign({ position: position }, field);
        }), ++fillCount);
        return report();
    };
})();
