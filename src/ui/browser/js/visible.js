// Tells whether the user can see a form field: the page's describing script leaves out every
// field that is not shown.
"use strict";

(function () {
    // A field the page does not show (a trap for robots, a part of another step) is left out:
    // filling it would give the submission away. Traps hide a field in many ways: no box at
    // all, an invisible or transparent box, one of a pixel or less, one moved out of the page,
    // or one clipped away by itself or by an ancestor.
    var kSmallestSide = 2;

    function isTransparent(element) {
        for (var node = element; node instanceof Element; node = kestrine.fields.parentOf(node)) {
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
        for (var node = element; node instanceof Element; node = kestrine.fields.parentOf(node)) {
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

    kestrine.isShown = function (element) {
        if (element.getClientRects().length === 0 ||
            getComputedStyle(element).visibility !== "visible")
            return false;
        var box = element.getBoundingClientRect();
        return box.width >= kSmallestSide && box.height >= kSmallestSide &&
               !isOutsideThePage(box) && !isTransparent(element) &&
               !isClippedAway(element, box);
    };
})();
