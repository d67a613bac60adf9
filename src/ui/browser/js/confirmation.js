// Looks for a directory's confirmation text after a submission and, while the page may still
// show it (a page that sent its form in the background shows the answer when it arrives),
// again a little later.
//
// A result page that loaded is the directory's answer: the text counts anywhere in it, in its
// open shadow roots and its frames. On a page that stayed, the text was there all along as
// often as not (a testimonial, a hidden template, an advertisement): there it counts only once
// the user sees it more often than at the submission, in the document that was submitted or in
// the top document of the same site.
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
    function lookHereAndInFrames(text, waitMs, done) {
        if (inDocument(text)) {
            done(true);
            return;
        }
        var found = false;
        kestrine.frames.ask("lookForText", { text: text },
                            function (answer) { found = found || answer === true; },
                            function () { done(found); }, waitMs);
    }

    kestrine.frames.handle("lookForText", function (request, reply, waitMs) {
        if (request && typeof request.text === "string")
            lookHereAndInFrames(request.text, waitMs, reply);
    });

    kestrine.frames.handle("lookForShownText", function (request, reply) {
        if (request && typeof request.text === "string")
            reply(kestrine.submission.isNewlyShown(request.text));
    });

    // done(found) for a page that stayed after its submission.
    function lookAtSubmitted(text, done) {
        var path = kestrine.submission.filledPath();
        var sameSite = kestrine.submission.filledOrigin() === location.origin;
        if (sameSite && kestrine.submission.isNewlyShown(text)) {
            done(true);
            return;
        }
        if (!path || path.length === 0) {
            done(false);
            return;
        }
        kestrine.frames.askDocument(path, "lookForShownText", { text: text }, function (answer) {
            done(answer === true);
        });
    }

    // Answers question `question` with JSON true or false once the text was found, or once
    // `waitMs` have passed without it. `stayed`: the submitted page is still shown.
    kestrine.lookForText = function (question, text, waitMs, stayed) {
        var deadline = Date.now() + waitMs;
        function answer(found) {
            var events = kestrine.objects && kestrine.objects.pageEvents;
            if (events)
                events.answered(question, JSON.stringify([found]));
        }
        function round() {
            var look = stayed ? lookAtSubmitted : function (t, done) {
                lookHereAndInFrames(t, 0, done);
            };
            look(text, function (found) {
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
