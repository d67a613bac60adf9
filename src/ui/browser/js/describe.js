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
        var fields = kestrine.fields.fillable();
        var forms = kestrine.fields.forms();
        var token = newToken();
        descriptions.set(token, fields.map(function (field) { return field.element; }));
        if (descriptions.size > kDescriptionsKept)
            descriptions.delete(descriptions.keys().next().value);
        return JSON.stringify({
            title: clean(document.title),
            address: location.href,
            token: token,
            fields: fields.map(function (field, ordinal) {
                return describeField(field, ordinal, forms);
            }),
            forms: forms.map(describeForm),
        });
    };

    // token: as describe() gave it; values: [{ordinal, value}], ordinals of that description.
    // Only described elements still in the document are filled. Returns JSON: the ordinals
    // filled, how many fields were kept because the user typed into them, whether a form is
    // now watched, and the captions of the fields left for the user.
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
        return JSON.stringify({ filled: filled, kept: kept, armed: form !== null,
                                left: kestrine.leftForUser(filled.length + kept > 0, form) });
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
