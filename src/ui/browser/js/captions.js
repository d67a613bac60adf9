// Finds the captions a page shows for a form field: its labels, the text before it, its table
// column's heading, the legend of a fieldset that holds it alone.
"use strict";

(function () {
    // No caption is this long: a longer text is a page's trick or its whole content, and the
    // program reads no further.
    var kLongestText = 500;
    // Text before a field longer than this is a sentence or a paragraph, not its caption.
    var kLongestCaption = 60;
    var kControls = "input, select, textarea, button";

    kestrine.clean = function (text) {
        return (text || "").slice(0, 4 * kLongestText).replace(/\s+/g, " ").trim()
            .slice(0, kLongestText);
    };
    var clean = kestrine.clean;

    // A required marker, a colon: text without a letter or digit is no caption.
    function says(text) {
        return /[\p{L}\p{N}]/u.test(text);
    }

    function isTextControl(node) {
        return node.nodeType === Node.ELEMENT_NODE && node.matches(kControls) &&
               !(node instanceof HTMLInputElement && node.type === "hidden");
    }

    // The text of `root` in pieces parted by its controls: [text before the first control,
    // the control, text after it, …].
    function piecesAround(root) {
        var pieces = [""];
        var walker = document.createTreeWalker(root, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT);
        for (var node = walker.nextNode(); node; node = walker.nextNode()) {
            if (isTextControl(node)) {
                pieces.push(node, "");
            } else if (node.nodeType === Node.TEXT_NODE &&
                       !(node.parentElement && node.parentElement.closest(kControls))) {
                pieces[pieces.length - 1] += " " + node.data.slice(0, kLongestText);
            }
        }
        return pieces;
    }

    // A label's own words, without the text of the controls inside it (a select's options).
    // A label wrapped around several fields holds a caption for each: the field's own is the
    // text just before it, else the text just after it.
    function labelText(label, element) {
        var pieces = piecesAround(label);
        var at = pieces.indexOf(element);
        if (at < 0 || pieces.length === 3)
            return clean(pieces.filter(function (piece) { return typeof piece === "string"; })
                               .join(" "));
        var before = clean(pieces[at - 1]);
        return says(before) ? before : clean(pieces[at + 1]);
    }

    // The legend of the fieldset around the field, when that fieldset holds no other field.
    function legendOf(element) {
        var fieldset = element.closest("fieldset");
        var legend = fieldset && fieldset.querySelector(":scope > legend");
        if (!legend)
            return "";
        var others = Array.prototype.filter.call(fieldset.querySelectorAll(kControls), function (c) {
            return c !== element && isTextControl(c) && kestrine.isShown(c);
        });
        return others.length === 0 ? clean(legend.textContent) : "";
    }

    kestrine.labelOf = function (element) {
        var parts = [];
        Array.prototype.forEach.call(element.labels || [], function (label) {
            parts.push(labelText(label, element));
        });
        var labelledBy = element.getAttribute("aria-labelledby");
        if (labelledBy) {
            // Ids name elements of the field's own tree: its shadow root, or the document.
            var tree = element.getRootNode();
            labelledBy.split(/\s+/).forEach(function (id) {
                var source = tree.getElementById(id);
                if (source)
                    parts.push(clean(source.textContent));
            });
        }
        parts.push(clean(element.getAttribute("aria-label")));
        parts.push(legendOf(element));
        return clean(parts.filter(function (part) { return part; }).join(" "));
    };

    // The heading of the field's table column, for tables that caption their fields from
    // their first row.
    function columnHeadingOf(element) {
        var cell = element.closest("td, th");
        var row = cell && cell.parentElement;
        var table = row && row.closest("table");
        if (!table || table.rows.length < 2 || table.rows[0] === row)
            return "";
        var heading = table.rows[0].cells[cell.cellIndex];
        return heading ? clean(heading.textContent) : "";
    }

    // A note that follows the field inside the smallest box holding its caption and no other
    // field ("This field should be left unchanged"); a table's next row is beyond it.
    kestrine.noteAfter = function (element) {
        for (var box = element.parentElement; box && box !== document.body;
             box = box.parentElement) {
            var pieces = piecesAround(box);
            var others = pieces.filter(function (piece) {
                return typeof piece !== "string" && piece !== element && kestrine.isShown(piece);
            });
            if (others.length > 0)
                return "";
            if (says(box.textContent.slice(0, kLongestText))) {
                var after = clean(pieces[pieces.indexOf(element) + 1]);
                return after.length <= 2 * kLongestCaption ? after : "";
            }
        }
        return "";
    };

    // The caption an old table or paragraph form shows before the field: the nearest text
    // before it that says something, unless another field or a long sentence comes first;
    // failing that, its column's heading. Text the page hides counts for nothing.
    kestrine.nearbyTextOf = function (element) {
        // A field in a shadow root is captioned by its component's own text.
        var tree = element.getRootNode();
        var root = tree instanceof ShadowRoot ? tree : document.body || document.documentElement;
        var walker = document.createTreeWalker(root, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT);
        walker.currentNode = element;
        for (var node = walker.previousNode(); node; node = walker.previousNode()) {
            if (node.nodeType === Node.ELEMENT_NODE) {
                if (isTextControl(node) && kestrine.isShown(node))
                    break;
                continue;
            }
            var parent = node.parentElement;
            if (!parent || /^(SCRIPT|STYLE|OPTION|NOSCRIPT|TEMPLATE)$/.test(parent.tagName) ||
                parent.getClientRects().length === 0)
                continue;
            var text = clean(node.data);
            if (says(text))
                return text.length <= kLongestCaption ? text : "";
        }
        return columnHeadingOf(element);
    };
})();
