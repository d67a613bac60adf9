// Describes the page's form fields for the program to learn the page, fills fields by the
// meaning the program found in them, and offers the text a result page greets with.
"use strict";

(function () {
    // Fields the user typed into: filling by meaning never overwrites them. Only trusted
    // events count; the program's own filling sends untrusted ones.
    var typed = new WeakSet();
    window.addEventListener("input", function (event) {
        if (event.isTrusted && event.target)
            typed.add(event.target);
    }, true);

    var kNoText = ["hidden", "checkbox", "radio", "submit", "button", "reset", "image", "file",
                   "password", "range", "color"];
    var kLongestCaption = 60;

    function isFillable(element) {
        if (element instanceof HTMLInputElement)
            return kNoText.indexOf(element.type) < 0;
        return element instanceof HTMLTextAreaElement || element instanceof HTMLSelectElement;
    }

    // A field the page does not show (a trap for robots, a part of another step) is left out:
    // filling it would give the submission away.
    function isShown(element) {
        return element.getClientRects().length > 0;
    }

    function clean(text) {
        return (text || "").replace(/\s+/g, " ").trim();
    }

    // A label's own words, without the text of the controls inside it (a select's options).
    function labelText(label) {
        var copy = label.cloneNode(true);
        copy.querySelectorAll("input, select, textarea, button").forEach(function (control) {
            control.remove();
        });
        return clean(copy.textContent);
    }

    function labelOf(element) {
        var parts = [];
        Array.prototype.forEach.call(element.labels || [], function (label) {
            parts.push(labelText(label));
        });
        var labelledBy = element.getAttribute("aria-labelledby");
        if (labelledBy) {
            labelledBy.split(/\s+/).forEach(function (id) {
                var source = document.getElementById(id);
                if (source)
                    parts.push(clean(source.textContent));
            });
        }
        parts.push(clean(element.getAttribute("aria-label")));
        return parts.filter(function (part) { return part; }).join(" ");
    }

    // The caption an old table or paragraph form shows before the field: the nearest text
    // before it, unless another control or a long sentence comes first.
    function nearbyTextOf(element) {
        var walker = document.createTreeWalker(document.body || document.documentElement,
                                               NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT);
        walker.currentNode = element;
        for (var node = walker.previousNode(); node; node = walker.previousNode()) {
            if (node.nodeType === Node.ELEMENT_NODE) {
                if (/^(INPUT|SELECT|TEXTAREA|BUTTON)$/.test(node.tagName))
                    return "";
                continue;
            }
            var parent = node.parentElement;
            if (parent && /^(SCRIPT|STYLE|OPTION)$/.test(parent.tagName))
                continue;
            var text = clean(node.data);
            if (text)
                return text.length <= kLongestCaption ? text : "";
        }
        return "";
    }

    // The fillable fields in document order, each with the index that the lookup by name or
    // id gives it: how many elements before it have its key as their name or id.
    function collectFields() {
        var seen = new Map();
        var fields = [];
        var elements = document.getElementsByTagName("*");
        for (var i = 0; i < elements.length; ++i) {
            var element = elements[i];
            var name = element.getAttribute("name") || "";
            var id = element.getAttribute("id") || "";
            if (isFillable(element) && isShown(element)) {
                var key = name || id;
                fields.push({ element: element, index: key ? (seen.get(key) || 0) : 0 });
            }
            [name, id].forEach(function (key, position) {
                if (key && (position === 0 || key !== name))
                    seen.set(key, (seen.get(key) || 0) + 1);
            });
        }
        return fields;
    }

    function describeField(field, ordinal) {
        var element = field.element;
        return {
            tag: element.tagName.toLowerCase(),
            type: element instanceof HTMLInputElement ? element.type : "",
            name: element.getAttribute("name") || "",
            id: element.getAttribute("id") || "",
            index: field.index,
            ordinal: ordinal,
            label: labelOf(element),
            placeholder: clean(element.getAttribute("placeholder")),
            nearbyText: nearbyTextOf(element),
            autocomplete: clean(element.getAttribute("autocomplete")).toLowerCase(),
            options: element instanceof HTMLSelectElement
                ? Array.prototype.slice.call(element.options, 0, 100).map(function (option) {
                    return clean(option.text);
                })
                : [],
        };
    }

    // Returns JSON: the page's title and address and its fields.
    kestrine.describe = function () {
        return JSON.stringify({
            title: clean(document.title),
            address: location.href,
            fields: collectFields().map(describeField),
        });
    };

    // values: [{ordinal, value}], ordinals as describe() gave them. Returns JSON: the ordinals
    // filled, how many fields were kept because the user typed into them, and whether a form
    // is now watched.
    kestrine.fillByMeaning = function (values) {
        var fields = collectFields();
        var filled = [];
        var kept = 0;
        var form = null;
        values.forEach(function (entry) {
            var field = fields[entry.ordinal];
            if (!field)
                return;
            if (typed.has(field.element)) {
                ++kept;
                return;
            }
            var elementForm = kestrine.setField(field.element, entry.value);
            if (elementForm === undefined)
                return;
            form = elementForm;
            filled.push(entry.ordinal);
        });
        if (form)
            kestrine.watchSubmission(form);
        return JSON.stringify({ filled: filled, kept: kept, armed: form !== null });
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
