// Puts values into a document's fields as typing and clicking would, so that pages built on
// scripts learn of them, and outlines the fields it filled for a moment.
//
// kestrine.values:
//   set(element, field)  sets {value, checkbox} into the element; returns the element that got
//                        the value (the radio button picked), or null when it takes none.
//   outline(elements)    draws the short outline around the elements.
"use strict";

(function () {
    // How long filled fields stay outlined.
    var OUTLINE_MS = 2000;

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

    kestrine.values = { set: setField, outline: outline };
})();
