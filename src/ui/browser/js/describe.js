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
    // filling it would give the submission away. Traps hide a field in many ways: no box at
    // all, an invisible or transparent box, one of a pixel or less, one moved out of the page,
    // or one clipped away by itself or by an ancestor.
    var kSmallestSide = 2;

    function isTransparent(element) {
        for (var node = element; node instanceof Element; node = node.parentElement) {
            if (parseFloat(getComputedStyle(node).opacity) === 0)
                return true;
        }
        return false;
    }

    function isOutsideThePage(box) {
        var page = document.scrollingElement || document.documentElement;
        var left = box.left + window.scrollX;
        var top = box.top + window.scrollY;
        return left + box.width <= 0 || top + box.height <= 0 || left >= page.scrollWidth ||
               top >= page.scrollHeight;
    }

    // The property clip ("rect(0 0 0 0)") and an inset() clip path that leaves no area.
    function clipsToNothing(style) {
        var clip = /^rect\((.*)\)$/.exec(style.clip);
        if (clip) {
            var sides = clip[1].split(/[\s,]+/).map(parseFloat);
            if (sides[2] - sides[0] <= 0 || sides[1] - sides[3] <= 0)
                return true;
        }
        var inset = /^inset\(([^)]*)\)/.exec(style.clipPath);
        if (inset) {
            var amounts = inset[1].split(/\s+/).map(function (amount) {
                return /%$/.test(amount) ? parseFloat(amount) : NaN;
            });
            var top = amounts[0], right = amounts.length > 1 ? amounts[1] : top;
            var bottom = amounts.length > 2 ? amounts[2] : top;
            var left = amounts.length > 3 ? amounts[3] : right;
            if (top + bottom >= 100 || left + right >= 100)
                return true;
        }
        return false;
    }

    // Whether the ancestors that clip their content leave any of the box to see. What a
    // scrolling ancestor hides the user can scroll to, unless the ancestor itself has no room;
    // what a hidden overflow cuts off is gone.
    function isClippedAway(element, box) {
        var visible = { left: box.left, top: box.top, right: box.right, bottom: box.bottom };
        var cuts = function (overflow) { return overflow === "hidden" || overflow === "clip"; };
        for (var node = element; node instanceof Element; node = node.parentElement) {
            var style = getComputedStyle(node);
            if (clipsToNothing(style))
                return true;
            if (node === element || node === document.documentElement || node === document.body)
                continue;
            var frame = node.getBoundingClientRect();
            if (style.overflowX !== "visible" && frame.width < kSmallestSide ||
                style.overflowY !== "visible" && frame.height < kSmallestSide)
                return true;
            if (cuts(style.overflowX)) {
                visible.left = Math.max(visible.left, frame.left);
                visible.right = Math.min(visible.right, frame.right);
            }
            if (cuts(style.overflowY)) {
                visible.top = Math.max(visible.top, frame.top);
                visible.bottom = Math.min(visible.bottom, frame.bottom);
            }
            if (visible.right - visible.left < kSmallestSide ||
                visible.bottom - visible.top < kSmallestSide)
                return true;
        }
        return false;
    }

    function isShown(element) {
        if (element.getClientRects().length === 0 ||
            getComputedStyle(element).visibility !== "visible")
            return false;
        var box = element.getBoundingClientRect();
        return box.width >= kSmallestSide && box.height >= kSmallestSide &&
               !isOutsideThePage(box) && !isTransparent(element) &&
               !isClippedAway(element, box);
    }

    // No caption is this long: a longer text is a page's trick or its whole content, and the
    // program reads no further.
    var kLongestText = 500;

    function clean(text) {
        return (text || "").slice(0, 4 * kLongestText).replace(/\s+/g, " ").trim()
            .slice(0, kLongestText);
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
        return clean(parts.filter(function (part) { return part; }).join(" "));
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
            form: Array.prototype.indexOf.call(documentForms.call(document), element.form),
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
    var documentForms = Object.getOwnPropertyDescriptor(Document.prototype, "forms").get;
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
                if (isShown(control))
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
    var kDescriptionsKept = 4;

    function newToken() {
        var bytes = new Uint8Array(16);
        crypto.getRandomValues(bytes);
        return Array.prototype.map.call(bytes, function (b) {
            return (b + 256).toString(16).slice(1);
        }).join("");
    }

    // Returns JSON: the page's title and address, its fields and the token that fills them.
    kestrine.describe = function () {
        var fields = collectFields();
        var token = newToken();
        descriptions.set(token, fields.map(function (field) { return field.element; }));
        if (descriptions.size > kDescriptionsKept)
            descriptions.delete(descriptions.keys().next().value);
        return JSON.stringify({
            title: clean(document.title),
            address: location.href,
            token: token,
            fields: fields.map(describeField),
            forms: Array.prototype.map.call(documentForms.call(document), describeForm),
        });
    };

    // token: as describe() gave it; values: [{ordinal, value}], ordinals of that description.
    // Only described elements still in the document are filled. Returns JSON: the ordinals
    // filled, how many fields were kept because the user typed into them, and whether a form
    // is now watched.
    kestrine.fillByMeaning = function (token, values) {
        var elements = descriptions.get(token) || [];
        var filled = [];
        var kept = 0;
        var form = null;
        values.forEach(function (entry) {
            var element = elements[entry.ordinal];
            if (!element || !element.isConnected)
                return;
            if (typed.has(element)) {
                ++kept;
                return;
            }
            var elementForm = kestrine.setField(element, entry.value);
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
