// Fills the page's form from a list of fields, reports what was filled, fills fields that the
// page adds a little later, and watches the form for its submission.
"use strict";

(function () {
    // How long after a fill fields that the page's scripts add are still filled.
    var LATE_FIELDS_MS = 10000;
    // How long filled fields stay outlined.
    var OUTLINE_MS = 2000;

    // The element the old element collection's item(name, index) gave: of every element of the
    // document whose name or id is `name`, in document order, the index-th.
    function findElement(name, index) {
        if (!Number.isInteger(index) || index < 0)
            return null;
        var elements = document.getElementsByTagName("*");
        var seen = 0;
        for (var i = 0; i < elements.length; ++i) {
            var element = elements[i];
            if (element.getAttribute("name") !== name && element.getAttribute("id") !== name)
                continue;
            if (seen === index)
                return element;
            ++seen;
        }
        return null;
    }

    // The elements a fill set or found typed in: a submission is the directory's only when its
    // form holds one of them, not when a search or newsletter form beside it is sent.
    var filled = new WeakSet();

    function holdsFilledField(form) {
        return form instanceof HTMLFormElement &&
            Array.prototype.some.call(form.elements, function (e) { return filled.has(e); });
    }

    // Every submission collects its form's data just before it leaves, also one by the page's
    // own form.submit(), which fires no submit event: the program hears whose data it is before
    // the navigation starts.
    window.addEventListener("formdata", function (event) {
        var events = kestrine.objects && kestrine.objects.pageEvents;
        if (event.isTrusted && events)
            events.formDataCollected(holdsFilledField(event.target));
    }, true);

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
        var scope = radio.form ? Array.prototype.slice.call(radio.form.elements)
                               : Array.prototype.slice.call(document.querySelectorAll("input"));
        return scope.find(function (other) {
            return other instanceof HTMLInputElement && other.type === "radio" &&
                   other.name === radio.name && other.form === radio.form && other.value === value;
        });
    }

    // A check-box item ticks its box (never unticks it) and picks its radio button; returns the
    // element set, or null when the item falls back to setting the value.
    function setCheckItem(element, value) {
        if (element.type === "checkbox") {
            if (value !== "")
                element.value = value;
            element.checked = true;
            announceChange(element);
            return element;
        }
        var radio = element.type === "radio" ? radioOfGroup(element, value) : null;
        if (radio) {
            radio.checked = true;
            announceChange(radio);
        }
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

    // Never cancels anything: the page's validation and scripts stay in charge of the
    // submission. They may refuse it (an onsubmit that returns false, preventDefault in a
    // listener that runs after this one), so the verdict waits for a later task, when every
    // handler of the event has run; a refused attempt is no submission.
    function onSubmit(event) {
        if (!event.isTrusted || reported.has(event))
            return;
        reported.add(event);
        var holds = holdsFilledField(event.target);
        setTimeout(function () {
            var sink = kestrine.objects && kestrine.objects.submitSink;
            if (!event.defaultPrevented && sink)
                sink.invoke(holds);
        }, 0);
    }

    function watchSubmission(form) {
        // addEventListener ignores a listener already there, so filling again adds nothing.
        form.addEventListener("submit", onSubmit);
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

    // One fill of the page and what it achieved, kept while late fields may still come.
    var current = null;

    // Sets the fields of the current fill whose element is there: every field at first, later
    // only those still missing. The fill's form is that of the last field set, in list order.
    function fillPass(late) {
        var newlySet = [];
        current.fields.forEach(function (field, i) {
            if (late && current.set[i])
                return;
            var element = findElement(field.name, field.index);
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

    function report() {
        var missing = [];
        current.fields.forEach(function (field, i) {
            if (!current.set[i])
                missing.push(field.name);
        });
        var fieldsSet = current.set.filter(Boolean).length;
        return JSON.stringify({
            fieldsTotal: current.fields.length,
            fieldsSet: fieldsSet,
            missing: missing,
            armed: current.armed,
            left: kestrine.leftForUser(fieldsSet > 0, current.form),
        });
    }

    // Pages that build their form with scripts add fields after the document is ready; those
    // of the directory's rules are filled as they appear, and the program hears the new report.
    function watchLateFields(fill) {
        var observer = new MutationObserver(function (mutations) {
            var added = mutations.some(function (m) { return m.addedNodes.length > 0; });
            if (current !== fill || !added || fillPass(true) === 0)
                return;
            var events = kestrine.objects && kestrine.objects.pageEvents;
            if (events)
                events.fillUpdated(report());
        });
        observer.observe(document, { childList: true, subtree: true });
        fill.observer = observer;
        setTimeout(function () { observer.disconnect(); }, LATE_FIELDS_MS);
    }

    // fields: [{name, index, value, checkbox}], values composed. Returns JSON: how many of the
    // fields were set, the names of those that were not, whether a form is now watched, and the
    // captions of the fields left for the user.
    kestrine.fill = function (fields) {
        if (current && current.observer)
            current.observer.disconnect();
        current = {
            fields: fields,
            set: fields.map(function () { return false; }),
            forms: fields.map(function () { return null; }),
            form: null,
            armed: false,
            observer: null,
        };
        fillPass(false);
        watchLateFields(current);
        return report();
    };
})();
