// The one walk over a document's elements that every script looking for form fields shares:
// the fill by a directory's rules, the description for Add This Page, the fill by meaning and
// what is left for the user to fill.
//
// Every frame runs its own copy of Kestrine's scripts in its own isolated world, so the walk
// covers one document: a frame's fields are walked by that frame's scripts, and frames.js
// carries requests between a document and its frames. Within the document the walk descends
// into open shadow roots: the content of a shadow root stands where its host is, right after
// the host and before the host's own children. Closed shadow roots are out of every script's
// reach.
//
// kestrine.fields:
//   walk(visit)          calls visit(element) for every element in walk order; a visit that
//                        returns true ends the walk.
//   find(name, index)    of the elements whose name or id attribute is `name`, in walk order,
//                        the index-th (from 0); null when there is none. This is the lookup of
//                        a directory's rules.
//   fillable()           the fields a user sees and types into or picks from, in walk order, as
//                        [{element, index}]: find(key, index) gives the element back, the key
//                        being its name, else its id.
//   isFillable(element)  whether the element takes typed text or a choice from a list.
//   forms()              the forms in walk order, those in shadow roots included.
//   frames()             the frame and iframe elements the user sees, in walk order.
//   parentOf(node)       the node's parent element, the host for the top of a shadow root.
//   hasCustomElements()  whether the document holds custom elements (a hyphen in the name):
//                        those may keep fields in closed shadow roots.
//   observe(changed)     calls changed() after nodes were added anywhere in the walk, shadow
//                        roots attached later included; returns a function that stops it.
"use strict";

(function () {
    var kNoText = ["hidden", "checkbox", "radio", "submit", "button", "reset", "image", "file",
                   "password", "range", "color"];

    // Returns true when `visit` ended the walk.
    function walkTree(root, visit) {
        var walker = document.createTreeWalker(root, NodeFilter.SHOW_ELEMENT);
        for (var element = walker.nextNode(); element; element = walker.nextNode()) {
            if (visit(element))
                return true;
            var shadow = element.shadowRoot;
            if (shadow && walkTree(shadow, visit))
                return true;
        }
        return false;
    }

    function walk(visit) {
        var root = document.documentElement;
        if (!root || visit(root))
            return;
        if (root.shadowRoot && walkTree(root.shadowRoot, visit))
            return;
        walkTree(root, visit);
    }

    function find(name, index) {
        if (!Number.isInteger(index) || index < 0)
            return null;
        var seen = 0;
        var found = null;
        walk(function (element) {
            if (element.getAttribute("name") !== name && element.getAttribute("id") !== name)
                return false;
            if (seen === index)
                found = element;
            ++seen;
            return found !== null;
        });
        return found;
    }

    function isFillable(element) {
        if (element instanceof HTMLInputElement)
            return kNoText.indexOf(element.type) < 0;
        return element instanceof HTMLTextAreaElement || element instanceof HTMLSelectElement;
    }

    // Each field's index counts the elements before it that have its key as their name or id,
    // as find() counts them.
    function fillable() {
        var seen = new Map();
        var fields = [];
        walk(function (element) {
            var name = element.getAttribute("name") || "";
            var id = element.getAttribute("id") || "";
            if (isFillable(element) && kestrine.isShown(element)) {
                var key = name || id;
                fields.push({ element: element, index: key ? (seen.get(key) || 0) : 0 });
            }
            [name, id].forEach(function (key, position) {
                if (key && (position === 0 || key !== name))
                    seen.set(key, (seen.get(key) || 0) + 1);
            });
            return false;
        });
        return fields;
    }

    function collect(test) {
        var found = [];
        walk(function (element) {
            if (test(element))
                found.push(element);
            return false;
        });
        return found;
    }

    function forms() {
        return collect(function (element) { return element instanceof HTMLFormElement; });
    }

    function frames() {
        return collect(function (element) {
            return (element instanceof HTMLIFrameElement || element instanceof HTMLFrameElement) &&
                   kestrine.isShown(element);
        });
    }

    function parentOf(node) {
        if (node.parentElement)
            return node.parentElement;
        var parent = node.parentNode;
        return parent instanceof ShadowRoot ? parent.host : null;
    }

    function hasCustomElements() {
        var found = false;
        walk(function (element) {
            found = element.localName.indexOf("-") > 0 && element.localName !== "kestrine-outline";
            return found;
        });
        return found;
    }

    function observe(changed) {
        var observed = new WeakSet();
        var observer = new MutationObserver(function (mutations) {
            if (!mutations.some(function (m) { return m.addedNodes.length > 0; }))
                return;
            watchShadowRoots();
            changed();
        });
        function watch(root) {
            if (observed.has(root))
                return;
            observed.add(root);
            observer.observe(root, { childList: true, subtree: true });
        }
        function watchShadowRoots() {
            walk(function (element) {
                if (element.shadowRoot)
                    watch(element.shadowRoot);
                return false;
            });
        }
        watch(document);
        watchShadowRoots();
        return function () { observer.disconnect(); };
    }

    kestrine.fields = {
        walk: walk,
        find: find,
        fillable: fillable,
        isFillable: isFillable,
        forms: forms,
        frames: frames,
        parentOf: parentOf,
        hasCustomElements: hasCustomElements,
        observe: observe,
    };
})();
