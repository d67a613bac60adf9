// What a filled form still asks of the user (the word in a picture, a question, "I agree"), and
// where the keyboard goes to answer it.
"use strict";

(function () {
    var clean = kestrine.clean;

    // Once the user has clicked or typed into the page, the caret stays where the user put it.
    // Only trusted events count: the program's own filling sends untrusted ones.
    var touched = false;
    ["mousedown", "input", "change"].forEach(function (type) {
        window.addEventListener(type, function (event) {
            if (event.isTrusted)
                touched = true;
        }, true);
    });

    // The form the last fill went into; the whole document when its fields stand in none.
    var filledScope = null;

    var kNoAnswer = ["hidden", "submit", "button", "reset", "image"];
    // A whole sentence of terms stands in the status bar by its beginning.
    var kLongestCaption = 80;

    // The elements of the form, or of the whole document (its open shadow roots included).
    function elementsOf(scope) {
        if (scope instanceof HTMLFormElement)
            return Array.prototype.slice.call(scope.elements);
        var elements = [];
        kestrine.fields.walk(function (element) {
            elements.push(element);
            return false;
        });
        return elements;
    }

    function controlsOf(scope) {
        return elementsOf(scope).filter(function (control) {
            return (control instanceof HTMLInputElement && kNoAnswer.indexOf(control.type) < 0) ||
                   control instanceof HTMLSelectElement || control instanceof HTMLTextAreaElement;
        });
    }

    // A select still at a first option that only asks to choose: no value, no words, or words
    // set off by dashes or brackets ("-- Category --", "(choose one)").
    function isPlaceholderOption(option) {
        var text = clean(option.text);
        return option.value === "" || !/[\p{L}\p{N}]/u.test(text) || /^[-–—(<\[]/.test(text);
    }

    function radioGroupAnswered(radio) {
        var group = radio.form ? radio.form.elements
                               : radio.getRootNode().querySelectorAll("input[type=radio]");
        return Array.prototype.some.call(group, function (other) {
            return other instanceof HTMLInputElement && other.type === "radio" &&
                   other.name === radio.name && other.form === radio.form && other.checked;
        });
    }

    // Whether the field still waits for an answer. A box or a choice of buttons asks for one
    // only when the page requires it: an unticked newsletter box is an answer too.
    function isUnanswered(control, required) {
        if (control instanceof HTMLSelectElement)
            return control.selectedIndex < 0 ||
                   (control.selectedIndex === 0 && !control.multiple &&
                    isPlaceholderOption(control.options[0]));
        if (control.type === "checkbox")
            return required && !control.checked;
        if (control.type === "radio")
            return required && !radioGroupAnswered(control);
        if (control.type === "file")
            return required && control.files.length === 0;
        return control.value.trim() === "";
    }

    // The caption Add This Page finds for the field, as the page shows it (a required mark
    // included) and without the marks around it.
    function shownCaptionOf(control) {
        return kestrine.labelOf(control) || kestrine.nearbyTextOf(control);
    }

    function captionOf(control, shown) {
        var caption = shown || clean(control.getAttribute("placeholder")) ||
                      clean(control.getAttribute("title")) ||
                      control.getAttribute("name") || control.getAttribute("id") ||
                      control.tagName.toLowerCase();
        caption = caption.replace(/^[\s*:]+|[\s*:]+$/g, "");
        return caption.length > kLongestCaption ? caption.slice(0, kLongestCaption - 1) + "\u2026"
                                                : caption;
    }

    function isMarkedRequired(control, caption) {
        return control.required || control.getAttribute("aria-required") === "true" ||
               /\*/.test(caption);
    }

    // The fields left, required ones first, each in document order: [{control, caption,
    // required}]. One entry per group of radio buttons.
    function fieldsLeft(scope) {
        var required = [];
        var optional = [];
        var groups = new Set();
        controlsOf(scope).forEach(function (control) {
            if (control.disabled || control.readOnly || !kestrine.isShown(control))
                return;
            if (control.type === "radio") {
                if (groups.has(control.name))
                    return;
                groups.add(control.name);
            }
            var shown = shownCaptionOf(control);
            var isRequired = isMarkedRequired(control, shown);
            if (!isUnanswered(control, isRequired))
                return;
            var left = { control: control, caption: captionOf(control, shown),
                         required: isRequired };
            (isRequired ? required : optional).push(left);
        });
        return required.concat(optional);
    }

    // Called by each fill, with whether it set any field here and the form it filled (null for
    // fields outside any): the captions of what is left here, for the fill's report. A fill
    // that set nothing here found no form of the directory's here, so nothing is left in it
    // either.
    kestrine.leftForUser = function (anyFilled, form) {
        filledScope = anyFilled ? form || document : null;
        return filledScope ? fieldsLeft(filledScope).map(function (left) { return left.caption; })
                           : [];
    };

    function submitButtonOf(scope) {
        return elementsOf(scope).find(function (control) {
            var submits = (control instanceof HTMLButtonElement && control.type === "submit") ||
                          (control instanceof HTMLInputElement &&
                           (control.type === "submit" || control.type === "image"));
            return submits && !control.disabled && kestrine.isShown(control);
        }) || null;
    }

    // Puts the caret where the user's part of this document's last fill begins; returns where
    // ("field", "submit") or "nothing".
    function placeCaretHere() {
        var scope = filledScope && (filledScope === document || filledScope.isConnected)
            ? filledScope : null;
        if (!scope)
            return "nothing";
        var left = fieldsLeft(scope);
        var target = left.length > 0 ? left[0].control : submitButtonOf(scope);
        if (!target)
            return "nothing";
        target.scrollIntoView({ block: "center", inline: "nearest" });
        target.focus({ preventScroll: true });
        return left.length > 0 ? "field" : "submit";
    }

    // The frame that got the fill's values puts the caret into its own filled form.
    kestrine.frames.handle("focusLeft", function (request, reply) {
        reply(touched ? "nothing" : placeCaretHere());
    });

    // Puts the caret into the first field left for the user, scrolled into view, or, with
    // nothing left, onto the form's submit button so that Enter submits. A page the user has
    // clicked or typed into keeps its caret. The filled form may stand in a frame, whose own
    // scripts then place the caret. Returns JSON, an array holding what took the focus
    // ("field", "submit"), "frame" when the frame that got the values was asked, or why
    // nothing did ("touched", "nothing").
    kestrine.focusLeft = function () {
        var answer = function (place) { return JSON.stringify([place]); };
        if (touched)
            return answer("touched");
        var path = kestrine.submission.filledPath();
        if (!path || path.length === 0)
            return answer(placeCaretHere());
        kestrine.frames.askDocument(path, "focusLeft", {}, function () {});
        return answer("frame");
    };
})();
