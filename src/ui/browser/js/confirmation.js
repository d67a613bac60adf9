// Looks for a directory's confirmation text after a submission: in the document, its open
// shadow roots and its frames and, while the page may still show it (a page that sent its form
// in the background shows the answer when it arrives), again a little later.
"use strict";

(function () {
    var kLookAgainMs = 250;

    function inDocument(text) {
        var root = document.documentElement;
        if (!root)
            return false;
        if (root.outerHTML.indexOf(text) >= 0)
            return true;
        var found = false;
        kestrine.fields.walk(function (element) {
            found = element.shadowRoot !== null && element.shadowRoot.innerHTML.indexOf(text) >= 0;
            return found;
        });
        return found;
    }

    // done(found): whether this document or one of the frames the user sees holds the text.
    function lookHereAndInFrames(text, done) {
        if (inDocument(text)) {
            done(true);
            return;
        }
        var found = false;
        kestrine.frames.ask("lookForText", function () { return { text: text }; },
                            function (answer) { found = found || answer === true; },
                            function () { done(found); });
    }

    kestrine.frames.handle("lookForText", function (request, reply) {
        if (request && typeof request.text === "string")
            lookHereAndInFrames(request.text, reply);
    });

    // Answers question `question` with JSON true or false once the text was found, or once
    // `waitMs` have passed without it.
    kestrine.lookForText = function (question, text, waitMs) {
        var deadline = Date.now() + waitMs;
        function answer(found) {
            var events = kestrine.objects && kestrine.objects.pageEvents;
            if (events)
                events.answered(question, JSON.stringify([found]));
        }
        function round() {
            lookHereAndInFrames(text, function (found) {
                if (found || Date.now() >= deadline)
                    answer(found);
                else
                    setTimeout(round, kLookAgainMs);
            });
        }
        round();
        return null;
    };
})();
